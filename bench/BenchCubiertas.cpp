// Times the whole processing of both sides of random systems of 6 variables and 6
// functions, without and with "Todas las soluciones", and prints per family and
// mode the median, 90th and 99th percentiles and maximum time per system, with
// the prime counts and cover sizes seen. The set is fixed by its seed, so runs
// compare.
//
//   tarnovel_bench_cubiertas [--anterior] [random systems] [seed] [sparse systems]
//   tarnovel_bench_cubiertas [--anterior] --caza [systems per density] [seed]
//   tarnovel_bench_cubiertas [--anterior] --sistema CELLS...
//
// --anterior also runs the earlier cover search on every cover problem of every
// system, times it beside the present one and checks that both give the same
// covers in the same order. --caza draws systems over a grid of densities and
// prints the slowest ones as inputs for --sistema: one string of '0', '1' and 'X'
// per function, term 0 first.

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "bench/ProblemasCubiertas.h"
#include "bench/SistemasAleatorios.h"
#include "logic/Sistema.h"

namespace {

using bench::Caso;
using bench::kFunciones;
using bench::kTerminos;
using bench::kVariables;

constexpr double kLento = 250.0;
// The slowest systems printed as inputs for --sistema.
constexpr std::size_t kMostrados = 5;

struct Medida {
    double ms = 0;        // the whole processing
    double busqueda = 0;  // the cover search alone, on the system's problems
    double anterior = 0;  // the earlier search on the same problems
    bool iguales = true;  // both searches gave the same covers
    UINT primos = 0;
    UINT tamanoSop = 0;
    UINT tamanoPos = 0;
    UINT cubiertas = 0;
};

struct Opciones {
    bool anterior = false;
};

Medida Medir(const Caso& caso, bool todas, const Opciones& opciones) {
    CSistema sistema;
    sistema.SetNumVariables(caso.variables);
    sistema.SetNumFunctions(caso.funciones);
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
    if (opciones.anterior) {
        const Comparacion c = CompararBusquedas(sistema);
        m.busqueda = c.ms;
        m.anterior = c.msAnterior;
        m.iguales = c.iguales;
    }
    return m;
}

double Percentil(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    const auto k = static_cast<std::size_t>(q * static_cast<double>(v.size() - 1) + 0.5);
    return v[k];
}

// One line of the table: the times of the systems of `familia` (all when empty).
void Linea(const char* titulo, const std::vector<Caso>& casos, const std::vector<Medida>& m,
           const std::string& familia, double Medida::*campo) {
    std::vector<double> ms;
    std::size_t peor = casos.size();
    for (std::size_t k = 0; k < m.size(); ++k) {
        if (!familia.empty() && casos[k].familia != familia) {
            continue;
        }
        ms.push_back(m[k].*campo);
        if (peor == casos.size() || m[k].*campo > m[peor].*campo) {
            peor = k;
        }
    }
    if (ms.empty()) {
        return;
    }
    const auto lentos = std::count_if(ms.begin(), ms.end(), [](double t) { return t > kLento; });
    std::printf("%-44s %8.2f %8.2f %8.2f %9.2f %7td   %zu %s\n", titulo, Percentil(ms, 0.5),
                Percentil(ms, 0.9), Percentil(ms, 0.99), m[peor].*campo, lentos, peor,
                casos[peor].familia.c_str());
}

std::vector<std::string> Familias(const std::vector<Caso>& casos) {
    std::vector<std::string> familias{""};
    for (const Caso& c : casos) {
        if (std::find(familias.begin(), familias.end(), c.familia) == familias.end()) {
            familias.push_back(c.familia);
        }
    }
    return familias;
}

void Informe(const char* modo, const std::vector<Caso>& casos, const std::vector<Medida>& m,
             const Opciones& opciones) {
    for (const std::string& familia : Familias(casos)) {
        const std::string nombre = familia.empty() ? "all" : familia;
        const std::string titulo = std::string(modo) + ", " + nombre;
        Linea((titulo + ": processing").c_str(), casos, m, familia, &Medida::ms);
        if (opciones.anterior) {
            Linea("  search", casos, m, familia, &Medida::busqueda);
            Linea("  search, earlier", casos, m, familia, &Medida::anterior);
        }
    }
}

void Rango(const char* nombre, const std::vector<Medida>& m, UINT Medida::*campo) {
    std::vector<double> v;
    for (const Medida& x : m) {
        v.push_back(x.*campo);
    }
    std::printf("%-44s %8.0f %8.0f %8.0f\n", nombre, Percentil(v, 0.0), Percentil(v, 0.5),
                Percentil(v, 1.0));
}

std::string Celdas(const Caso& caso) {
    std::string texto;
    for (UINT f = 0; f < caso.funciones; ++f) {
        if (f > 0) {
            texto += ' ';
        }
        texto.append(caso.celdas[f].data(), 1u << caso.variables);
    }
    return texto;
}

// Both modes of every system; the pair of measures per system.
struct Resultados {
    std::vector<Medida> primera;
    std::vector<Medida> todas;
    std::size_t distintos = 0;
};

Resultados MedirTodos(const std::vector<Caso>& casos, const Opciones& opciones) {
    Resultados r;
    for (std::size_t k = 0; k < casos.size(); ++k) {
        r.primera.push_back(Medir(casos[k], false, opciones));
        r.todas.push_back(Medir(casos[k], true, opciones));
        for (const Medida* m : {&r.primera.back(), &r.todas.back()}) {
            if (!m->iguales) {
                ++r.distintos;
                std::printf("DIFFERENT COVERS: system %zu (%s, %s): %s\n", k,
                            casos[k].familia.c_str(), m == &r.primera.back() ? "first" : "all",
                            Celdas(casos[k]).c_str());
            }
        }
    }
    return r;
}

// Per system the time of its slower mode.
std::vector<Medida> Peores(const Resultados& r) {
    std::vector<Medida> peor(r.primera.size());
    for (std::size_t k = 0; k < peor.size(); ++k) {
        peor[k].ms = std::max(r.primera[k].ms, r.todas[k].ms);
    }
    return peor;
}

void ImprimirLentos(const std::vector<Caso>& casos, const Resultados& r) {
    const std::vector<Medida> peor = Peores(r);
    std::vector<std::size_t> orden(casos.size());
    for (std::size_t k = 0; k < orden.size(); ++k) {
        orden[k] = k;
    }
    std::sort(orden.begin(), orden.end(),
              [&](std::size_t a, std::size_t b) { return peor[a].ms > peor[b].ms; });
    std::printf("\nslowest systems (ms first cover, all solutions; cells per function)\n");
    for (std::size_t k = 0; k < std::min(kMostrados, orden.size()); ++k) {
        const std::size_t i = orden[k];
        std::printf("%8.2f %8.2f  %zu %s: --sistema %s\n", r.primera[i].ms, r.todas[i].ms, i,
                    casos[i].familia.c_str(), Celdas(casos[i]).c_str());
    }
}

void Cabecera() {
    std::printf("%-44s %8s %8s %8s %9s %7s   %s\n", "ms per system", "median", "p90", "p99", "max",
                ">250 ms", "slowest");
}

void ImprimirComparacion(const Resultados& r, std::size_t sistemas, const Opciones& opciones) {
    if (opciones.anterior) {
        std::printf("\nearlier search compared on %zu systems in both modes: %zu differ\n",
                    sistemas, r.distintos);
    }
}

void ImprimirMemoria() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    std::printf("peak resident memory: %.1f MB\n", static_cast<double>(uso.ru_maxrss) / 1024.0);
}

int Referencia(const Opciones& opciones, std::size_t aleatorios, unsigned semilla,
               std::size_t dispersos) {
    const std::vector<Caso> casos = bench::Casos(aleatorios, semilla, dispersos);
    const Resultados r = MedirTodos(casos, opciones);
    std::printf("%zu systems of %u variables and %u functions, seed %u, both sides\n\n",
                casos.size(), kVariables, kFunciones, semilla);
    Cabecera();
    Informe("first cover", casos, r.primera, opciones);
    Informe("\"Todas las soluciones\"", casos, r.todas, opciones);
    std::printf("\n%-44s %8s %8s %8s\n", "per system", "min", "median", "max");
    Rango("primes (SOP + POS)", r.primera, &Medida::primos);
    Rango("SOP cover size", r.primera, &Medida::tamanoSop);
    Rango("POS cover size", r.primera, &Medida::tamanoPos);
    Rango("covers kept (all sol.)", r.todas, &Medida::cubiertas);
    ImprimirLentos(casos, r);
    ImprimirComparacion(r, casos.size(), opciones);
    ImprimirMemoria();
    return r.distintos == 0 ? 0 : 1;
}

// The grid of the hunt: the share of ones and of don't-cares of every cell.
constexpr double kUnosCaza[] = {0.05, 0.15, 0.25, 0.35, 0.45, 0.55, 0.65, 0.75, 0.85, 0.95};
constexpr double kPrescindiblesCaza[] = {0.0, 0.05, 0.1, 0.2, 0.35};

int Caza(const Opciones& opciones, std::size_t porCelda, unsigned semilla) {
    std::mt19937 azar(semilla);
    std::vector<Caso> casos;
    for (const double prescindibles : kPrescindiblesCaza) {
        for (const double unos : kUnosCaza) {
            if (unos + prescindibles > 1.0) {
                continue;
            }
            char nombre[48];
            std::snprintf(nombre, sizeof nombre, "ones %.2f dc %.2f", unos, prescindibles);
            for (std::size_t k = 0; k < porCelda; ++k) {
                casos.push_back(bench::ConDensidades(azar, nombre, unos, prescindibles));
            }
        }
    }
    const Resultados r = MedirTodos(casos, opciones);
    std::printf("hunt: %zu systems of %u variables and %u functions, %zu per density, seed %u\n\n",
                casos.size(), kVariables, kFunciones, porCelda, semilla);
    std::printf("%-44s %8s %8s %8s %9s %7s   %s\n", "ms per system (worse of both modes)", "median",
                "p90", "p99", "max", ">250 ms", "slowest");
    const std::vector<Medida> peor = Peores(r);
    for (const std::string& familia : Familias(casos)) {
        Linea(familia.empty() ? "all" : familia.c_str(), casos, peor, familia, &Medida::ms);
    }
    ImprimirLentos(casos, r);
    ImprimirComparacion(r, casos.size(), opciones);
    ImprimirMemoria();
    return r.distintos == 0 ? 0 : 1;
}

int Sistema(const Opciones& opciones, int argc, char** argv) {
    Caso caso{"given", {}};
    caso.funciones = static_cast<UINT>(argc);
    const std::size_t largo = argc > 0 ? std::strlen(argv[0]) : 0;
    caso.variables = static_cast<UINT>(std::countr_zero(largo));
    if (argc < 1 || argc > static_cast<int>(kMaxFunciones) || largo < 2 || largo > kTerminos ||
        std::popcount(largo) != 1) {
        std::fprintf(stderr, "--sistema: 1 to 6 strings of 2 to 64 cells, a power of two\n");
        return 2;
    }
    for (UINT f = 0; f < caso.funciones; ++f) {
        if (std::strlen(argv[f]) != largo) {
            std::fprintf(stderr, "--sistema: every function needs %zu cells\n", largo);
            return 2;
        }
        std::copy_n(argv[f], largo, caso.celdas[f].begin());
    }
    const Resultados r = MedirTodos({caso}, opciones);
    std::printf("first cover: %.2f ms, all solutions: %.2f ms, %u primes, covers %u + %u\n",
                r.primera[0].ms, r.todas[0].ms, r.primera[0].primos, r.primera[0].tamanoSop,
                r.primera[0].tamanoPos);
    if (opciones.anterior) {
        std::printf("search: %.2f / %.2f ms, earlier search: %.2f / %.2f ms\n",
                    r.primera[0].busqueda, r.todas[0].busqueda, r.primera[0].anterior,
                    r.todas[0].anterior);
    }
    ImprimirComparacion(r, 1, opciones);
    return r.distintos == 0 ? 0 : 1;
}

std::size_t Numero(int argc, char** argv, int k, std::size_t defecto) {
    return argc > k ? std::strtoul(argv[k], nullptr, 10) : defecto;
}

}  // namespace

int main(int argc, char** argv) {
    Opciones opciones;
    int k = 1;
    if (argc > k && std::strcmp(argv[k], "--anterior") == 0) {
        opciones.anterior = true;
        ++k;
    }
    constexpr unsigned kSemilla = 20261207u;
    if (argc > k && std::strcmp(argv[k], "--caza") == 0) {
        return Caza(opciones, Numero(argc, argv, k + 1, 30),
                    static_cast<unsigned>(Numero(argc, argv, k + 2, kSemilla)));
    }
    if (argc > k && std::strcmp(argv[k], "--sistema") == 0) {
        return Sistema(opciones, argc - k - 1, argv + k + 1);
    }
    return Referencia(opciones, Numero(argc, argv, k, 720),
                      static_cast<unsigned>(Numero(argc, argv, k + 1, kSemilla)),
                      Numero(argc, argv, k + 2, 600));
}
