// The branch-and-bound's search for the least number of candidates with a limit
// that rises from the bound: the same count as the search that starts from the
// greedy cover, a cover of that count, and an end when there is none.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "logic/ProblemaCubierta.h"
#include "logic/Ramificacion.h"
#include "tests/logic/SistemaPrueba.h"

namespace {

using Pares = CProblemaCubierta::Pares;
using Candidatos = CProblemaCubierta::Candidatos;

struct Datos {
    UINT nPares = 0;
    std::vector<Pares> cubre;
    std::vector<UINT> literales;
};

// Candidates covering a few pairs near a random one: covers of 10 to 20
// candidates, found a few apart from the greedy one.
Datos Generar(unsigned semilla, UINT nPares, UINT nCandidatos) {
    std::mt19937 azar(semilla);
    Datos d{nPares, std::vector<Pares>(nCandidatos), std::vector<UINT>(nCandidatos, 1)};
    for (UINT j = 0; j < nCandidatos; ++j) {
        const UINT centro = Sorteo(azar) % nPares;
        const UINT tamano = 2 + Sorteo(azar) % 6;
        for (UINT k = 0; k < tamano; ++k) {
            d.cubre[j].Set((centro + Sorteo(azar) % 12) % nPares);
        }
    }
    for (UINT p = 0; p < nPares; ++p) {
        d.cubre[Sorteo(azar) % nCandidatos].Set(p);
    }
    return d;
}

Pares Todos(UINT nPares) {
    Pares todos;
    for (UINT p = 0; p < nPares; ++p) {
        todos.Set(p);
    }
    return todos;
}

bool Cubre(const CProblemaCubierta& problema, const Candidatos& c, const Pares& todos) {
    Pares cubiertos;
    c.ForEach([&](UINT j) { cubiertos |= problema.Covers(j); });
    return todos.SubsetOf(cubiertos);
}

TEST(RisingLimit, FindsTheLeastCountAndACoverOfIt) {
    for (unsigned semilla = 1; semilla <= 12; ++semilla) {
        SCOPED_TRACE(semilla);
        const Datos d = Generar(semilla, 60, 90);
        const CProblemaCubierta problema(d.nPares, d.cubre, d.literales, false);
        const Pares todos = Todos(d.nPares);
        CRamificacion desdeArriba(problema);
        Candidatos voraz;
        const UINT greedy = desdeArriba.Greedy(todos);
        const UINT esperado = desdeArriba.Solve(todos, problema.All(), {greedy}, voraz);
        ASSERT_NE(esperado, CProblemaCubierta::kInfinito);

        CRamificacion subiendo(problema);
        Candidatos elegidos;
        EXPECT_EQ(subiendo.SolveRising(todos, problema.All(), greedy, elegidos), esperado);
        EXPECT_EQ(elegidos.Count(), esperado);
        EXPECT_TRUE(Cubre(problema, elegidos, todos));

        // A limit below the least count leaves no cover.
        EXPECT_EQ(subiendo.SolveRising(todos, problema.All(), esperado - 1, elegidos),
                  CProblemaCubierta::kInfinito);
    }
}

TEST(RisingLimit, EndsWhenAPairHasNoCandidate) {
    Datos d = Generar(7, 40, 60);
    for (Pares& c : d.cubre) {
        c.Reset(39);
    }
    const CProblemaCubierta problema(d.nPares, d.cubre, d.literales, false);
    CRamificacion ramificacion(problema);
    Candidatos elegidos;
    // What the greedy cover gives when it cannot cover: no limit at all.
    EXPECT_EQ(ramificacion.SolveRising(Todos(d.nPares), problema.All(),
                                       CProblemaCubierta::kInfinito - 1, elegidos),
              CProblemaCubierta::kInfinito);
}

}  // namespace
