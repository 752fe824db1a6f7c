// Times the whole processing of both sides of random systems of 6 variables and 6
// functions, without and with "Todas las soluciones", and prints per mode the
// median, 90th percentile and maximum time per system, with the prime counts and
// cover sizes seen. The set is fixed by its seed, so runs compare.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "logic/Sistema.h"

namespace {

constexpr UINT kVariables = 6;
constexpr UINT kFunciones = 6;
constexpr UINT kTerminos = 1u << kVariables;

struct Caso {
    std::string tipo;
    CeldasTabla celdas{};
};

char Celda(std::mt19937& azar, double unos, double prescindibles) {
    const double u = std::uniform_real_distribution<double>(0.0, 1.0)(azar);
    return u < unos ? '1' : u < unos + prescindibles ? 'X' : '0';
}

Caso Aleatorio(std::mt19937& azar) {
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
Caso Paridad(std::mt19937& azar) {
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
Caso CasiConstante(std::mt19937& azar) {
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

struct Medida {
    double ms = 0;
    UINT primos = 0;
    UINT tamanoSop = 0;
    UINT tamanoPos = 0;
    UINT cubiertas = 0;
};

Medida Medir(const Caso& caso, bool todas) {
    CSistema sistema;
    sistema.SetNumVariables(kVariables);
    sistema.SetNumFunctions(kFunciones);
    sistema.m_bProcesarPos = true;
    sistema.m_bTodasSoluciones = todas;
    const auto inicio = std::chrono::steady_clock::now();
    sistema.ApplyTruthTableCells(caso.celdas);
    const auto fin = std::chrono::steady_clock::now();
    Medida m;
    m.ms = std::chrono::duration<double, std::milli>(fin - inicio).count();
    m.primos = CountNodes(sistema.m_pPrimosSop.get()) + CountNodes(sistema.m_pPrimosPos.get());
    m.tamanoSop = CountNodes(sistema.m_pCubiertaSop[0].get());
    m.tamanoPos = CountNodes(sistema.m_pCubiertaPos[0].get());
    m.cubiertas = sistema.m_nCubiertasSop + sistema.m_nCubiertasPos;
    return m;
}

double Percentil(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    const auto k = static_cast<std::size_t>(q * static_cast<double>(v.size() - 1) + 0.5);
    return v[k];
}

void Informe(const char* modo, const std::vector<Caso>& casos, const std::vector<Medida>& m) {
    std::vector<double> ms;
    std::size_t peor = 0;
    for (std::size_t k = 0; k < m.size(); ++k) {
        ms.push_back(m[k].ms);
        if (m[k].ms > m[peor].ms) {
            peor = k;
        }
    }
    const auto lentos = std::count_if(ms.begin(), ms.end(), [](double t) { return t > 1000.0; });
    std::printf("%-26s %8.2f %8.2f %9.2f %7td   (slowest: system %zu, %s)\n", modo,
                Percentil(ms, 0.5), Percentil(ms, 0.9), m[peor].ms, lentos, peor,
                casos[peor].tipo.c_str());
}

void Rango(const char* nombre, const std::vector<Medida>& m, UINT Medida::*campo) {
    std::vector<double> v;
    for (const Medida& x : m) {
        v.push_back(x.*campo);
    }
    std::printf("%-26s %8.0f %8.0f %9.0f\n", nombre, Percentil(v, 0.0), Percentil(v, 0.5),
                Percentil(v, 1.0));
}

}  // namespace

int main(int argc, char** argv) {
    const std::size_t aleatorios = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 240;
    const unsigned semilla =
        argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 20261207u;
    std::mt19937 azar(semilla);
    std::vector<Caso> casos;
    for (std::size_t k = 0; k < aleatorios; ++k) {
        casos.push_back(Aleatorio(azar));
    }
    for (std::size_t k = 0; k < aleatorios / 8; ++k) {
        casos.push_back(Paridad(azar));
        casos.push_back(CasiConstante(azar));
    }
    std::vector<Medida> primera;
    std::vector<Medida> todas;
    for (const Caso& caso : casos) {
        primera.push_back(Medir(caso, false));
        todas.push_back(Medir(caso, true));
    }
    std::printf("%zu systems of %u variables and %u functions, seed %u, both sides\n\n",
                casos.size(), kVariables, kFunciones, semilla);
    std::printf("%-26s %8s %8s %9s %7s\n", "ms per system", "median", "p90", "max", ">1 s");
    Informe("first cover", casos, primera);
    Informe("\"Todas las soluciones\"", casos, todas);
    std::printf("\n%-26s %8s %8s %9s\n", "per system", "min", "median", "max");
    Rango("primes (SOP + POS)", primera, &Medida::primos);
    Rango("SOP cover size", primera, &Medida::tamanoSop);
    Rango("POS cover size", primera, &Medida::tamanoPos);
    Rango("covers kept (all sol.)", todas, &Medida::cubiertas);
    return 0;
}
