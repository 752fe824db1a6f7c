#pragma once
// The seeded random systems of 6 variables and 6 functions that the cover
// benchmark times, built the same way from the same seed, so that the report
// benchmark can draw the worst of them.

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
    std::string tipo;
    CeldasTabla celdas{};
};

inline char Celda(std::mt19937& azar, double unos, double prescindibles) {
    const double u = std::uniform_real_distribution<double>(0.0, 1.0)(azar);
    return u < unos ? '1' : u < unos + prescindibles ? 'X' : '0';
}

inline Caso Aleatorio(std::mt19937& azar) {
    Caso caso{"aleatorio", {}};
    const double unos = std::uniform_real_distribution<double>(0.2, 0.4)(azar);
    const double prescindibles = std::uniform_real_distribution<double>(0.1, 0.6)(azar);
    for (UINT f = 0; f < kFunciones; ++f) {
        for (UINT t = 0; t < kTerminos; ++t) {
            caso.celdas[f][t] = Celda(azar, unos, prescindibles);
        }
    }
    return caso;
}

// Each function the parity of a random set of variables, a few cells turned into
// don't-cares or flipped.
inline Caso Paridad(std::mt19937& azar) {
    Caso caso{"paridad", {}};
    const double prescindibles = std::uniform_real_distribution<double>(0.0, 0.3)(azar);
    for (UINT f = 0; f < kFunciones; ++f) {
        const UINT variables = std::uniform_int_distribution<UINT>(3, kTerminos - 1)(azar);
        const bool invertida = azar() & 1;
        for (UINT t = 0; t < kTerminos; ++t) {
            bool valor = ((std::popcount(t & variables) & 1) != 0) != invertida;
            const double u = std::uniform_real_distribution<double>(0.0, 1.0)(azar);
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
    Caso caso{"casi constante", {}};
    for (UINT f = 0; f < kFunciones; ++f) {
        const bool uno = azar() & 1;
        const double otros = std::uniform_real_distribution<double>(0.02, 0.15)(azar);
        const double prescindibles = std::uniform_real_distribution<double>(0.0, 0.4)(azar);
        for (UINT t = 0; t < kTerminos; ++t) {
            const double u = std::uniform_real_distribution<double>(0.0, 1.0)(azar);
            const char contrario = uno ? '0' : '1';
            caso.celdas[f][t] = u < otros                   ? contrario
                                : u < otros + prescindibles ? 'X'
                                                            : (uno ? '1' : '0');
        }
    }
    return caso;
}

// The cover benchmark's set: the random systems, then the parity and nearly
// constant ones in turn.
inline std::vector<Caso> Casos(std::size_t aleatorios, unsigned semilla) {
    std::mt19937 azar(semilla);
    std::vector<Caso> casos;
    for (std::size_t k = 0; k < aleatorios; ++k) {
        casos.push_back(Aleatorio(azar));
    }
    for (std::size_t k = 0; k < aleatorios / 8; ++k) {
        casos.push_back(Paridad(azar));
        casos.push_back(CasiConstante(azar));
    }
    return casos;
}

}  // namespace bench
