#pragma once
// The seeded random systems of 6 variables and 6 functions that the benchmarks
// time, one generator for both, so that the report benchmark draws the worst
// of the very systems the cover benchmark measured.

#include <bit>
#include <random>
#include <string>
#include <vector>

#include "logic/Sistema.h"

namespace bench {

constexpr UINT kVariables = 6;
constexpr UINT kFunciones = 6;
constexpr UINT kTerminos = 1u << kVariables;

struct Caso {
    std::string familia;
    CeldasTabla celdas{};
    UINT funciones = kFunciones;
    UINT variables = kVariables;
};

inline double Uniforme(std::mt19937& azar, double desde, double hasta) {
    return std::uniform_real_distribution<double>(desde, hasta)(azar);
}

inline char Celda(std::mt19937& azar, double unos, double prescindibles) {
    const double u = Uniforme(azar, 0.0, 1.0);
    return u < unos ? '1' : u < unos + prescindibles ? 'X' : '0';
}

// Every cell drawn alike: 1 with the share `unos`, X with `prescindibles`.
inline Caso ConDensidades(std::mt19937& azar, const char* familia, double unos,
                          double prescindibles) {
    Caso caso{familia, {}};
    for (UINT f = 0; f < kFunciones; ++f) {
        for (UINT t = 0; t < kTerminos; ++t) {
            caso.celdas[f][t] = Celda(azar, unos, prescindibles);
        }
    }
    return caso;
}

inline Caso Aleatorio(std::mt19937& azar) {
    const double unos = Uniforme(azar, 0.2, 0.4);
    const double prescindibles = Uniforme(azar, 0.1, 0.6);
    return ConDensidades(azar, "random", unos, prescindibles);
}

// Few ones and few don't-cares: the side of the zeros then has many primes and
// large covers, the hardest problems of the search.
inline Caso Disperso(std::mt19937& azar) {
    const double unos = Uniforme(azar, 0.15, 0.35);
    const double prescindibles = Uniforme(azar, 0.0, 0.1);
    return ConDensidades(azar, "sparse", unos, prescindibles);
}

// Each function the parity of a random set of variables, a few cells turned into
// don't-cares or flipped.
inline Caso Paridad(std::mt19937& azar) {
    Caso caso{"parity", {}};
    const double prescindibles = Uniforme(azar, 0.0, 0.3);
    for (UINT f = 0; f < kFunciones; ++f) {
        const UINT variables = std::uniform_int_distribution<UINT>(3, kTerminos - 1)(azar);
        const bool invertida = azar() & 1;
        for (UINT t = 0; t < kTerminos; ++t) {
            bool valor = ((std::popcount(t & variables) & 1) != 0) != invertida;
            const double u = Uniforme(azar, 0.0, 1.0);
            if (u < 0.05) {
                valor = !valor;
            }
            caso.celdas[f][t] = u > 1.0 - prescindibles ? 'X' : valor ? '1' : '0';
        }
    }
    return caso;
}

// Each function nearly always 1 or nearly always 0, with some don't-cares.
inline Caso CasiConstante(std::mt19937& azar) {
    Caso caso{"near-constant", {}};
    for (UINT f = 0; f < kFunciones; ++f) {
        const bool uno = azar() & 1;
        const double otros = Uniforme(azar, 0.02, 0.15);
        const double prescindibles = Uniforme(azar, 0.0, 0.4);
        for (UINT t = 0; t < kTerminos; ++t) {
            const double u = Uniforme(azar, 0.0, 1.0);
            const char contrario = uno ? '0' : '1';
            caso.celdas[f][t] = u < otros                   ? contrario
                                : u < otros + prescindibles ? 'X'
                                                            : (uno ? '1' : '0');
        }
    }
    return caso;
}

// The cover benchmark's set: the random systems, the parity and nearly constant
// ones in turn, then the sparse ones.
inline std::vector<Caso> Casos(std::size_t aleatorios, unsigned semilla,
                               std::size_t dispersos = 0) {
    std::mt19937 azar(semilla);
    std::vector<Caso> casos;
    for (std::size_t k = 0; k < aleatorios; ++k) {
        casos.push_back(Aleatorio(azar));
    }
    for (std::size_t k = 0; k < aleatorios / 8; ++k) {
        casos.push_back(Paridad(azar));
        casos.push_back(CasiConstante(azar));
    }
    for (std::size_t k = 0; k < dispersos; ++k) {
        casos.push_back(Disperso(azar));
    }
    return casos;
}

}  // namespace bench
