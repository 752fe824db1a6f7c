// The cover search on problems too large for the literal walk: 70 pairs and 100
// candidates, 14 of them in every least cover. The expected covers were found by
// an earlier, plainer version of the search that agreed with the literal walk on
// every smaller problem; the bounds and shortcuts added since must not change
// them.

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "logic/BuscadorCubiertas.h"
#include "tests/logic/SistemaPrueba.h"

namespace {

using Cubierta = std::vector<UINT>;

struct Problema {
    UINT nPares = 0;
    std::vector<CBuscadorCubiertas::Pares> cubre;
    std::vector<UINT> literales;
};

// Candidates covering a few pairs near a random one, the larger ones with fewer
// literals; every pair gets at least one candidate. Only the generator's raw
// output is used, which the standard fixes, so every library builds the same.
Problema Generar(unsigned semilla) {
    constexpr UINT kPares = 70;
    constexpr UINT kCandidatos = 100;
    std::mt19937 azar(semilla);
    Problema p{kPares, std::vector<CBuscadorCubiertas::Pares>(kCandidatos),
               std::vector<UINT>(kCandidatos)};
    for (UINT j = 0; j < kCandidatos; ++j) {
        const UINT centro = Sorteo(azar) % kPares;
        const UINT tamano = 2 + Sorteo(azar) % 7;
        p.literales[j] = 7 - (tamano + 1) / 2 + Sorteo(azar) % 2;
        for (UINT k = 0; k < tamano; ++k) {
            p.cubre[j].Set((centro + Sorteo(azar) % 16) % kPares);
        }
    }
    for (UINT par = 0; par < kPares; ++par) {
        p.cubre[Sorteo(azar) % kCandidatos].Set(par);
    }
    return p;
}

UINT Literales(const Problema& p, const Cubierta& c) {
    UINT n = 0;
    for (UINT j : c) {
        n += p.literales[j];
    }
    return n;
}

bool Cubre(const Problema& p, const Cubierta& c) {
    CBuscadorCubiertas::Pares cubiertos;
    for (UINT j : c) {
        cubiertos |= p.cubre[j];
    }
    return cubiertos.Count() == p.nPares;
}

struct Caso {
    unsigned semilla;
    Cubierta primera;
    std::vector<Cubierta> todas;
};

void PrintTo(const Caso& caso, std::ostream* os) {
    *os << "seed " << caso.semilla;
}

class CoversOfLargeProblems : public testing::TestWithParam<Caso> {};

TEST_P(CoversOfLargeProblems, StayTheOnesFoundBefore) {
    const Caso& caso = GetParam();
    const Problema p = Generar(caso.semilla);
    const auto primera = CBuscadorCubiertas::Buscar(p.nPares, p.cubre, p.literales, false, 100);
    ASSERT_EQ(primera.size(), 1u);
    EXPECT_EQ(primera[0], caso.primera);
    EXPECT_TRUE(Cubre(p, primera[0]));

    const auto todas = CBuscadorCubiertas::Buscar(p.nPares, p.cubre, p.literales, true, 100);
    EXPECT_EQ(todas, caso.todas);
    ASSERT_FALSE(todas.empty());
    // Whatever the expected lists say: covers of the least size, one literal
    // count, each after the one before.
    for (std::size_t k = 0; k < todas.size(); ++k) {
        const std::string contexto = "cover " + std::to_string(k);
        EXPECT_TRUE(Cubre(p, todas[k])) << contexto;
        EXPECT_EQ(todas[k].size(), primera[0].size()) << contexto;
        EXPECT_EQ(Literales(p, todas[k]), Literales(p, todas[0])) << contexto;
        EXPECT_LE(Literales(p, todas[k]), Literales(p, primera[0])) << contexto;
        if (k > 0) {
            EXPECT_LT(todas[k - 1], todas[k]) << contexto;
        }
    }
    // A limit below the count found keeps just the first ones.
    const auto dos = CBuscadorCubiertas::Buscar(p.nPares, p.cubre, p.literales, true, 2);
    EXPECT_EQ(dos, std::vector<Cubierta>(todas.begin(), todas.begin() + std::min<std::ptrdiff_t>(
                                                                            2, std::ssize(todas))));
}

INSTANTIATE_TEST_SUITE_P(
    Seeded, CoversOfLargeProblems,
    testing::Values(Caso{2,
                         {2, 5, 6, 7, 22, 28, 29, 40, 42, 48, 63, 66, 73, 82},
                         {{2, 6, 17, 23, 28, 29, 38, 40, 42, 63, 66, 73, 82, 90},
                          {2, 6, 17, 23, 28, 29, 40, 42, 46, 63, 66, 73, 82, 90},
                          {2, 6, 17, 23, 28, 29, 40, 42, 53, 63, 66, 73, 82, 90},
                          {2, 6, 17, 23, 28, 29, 40, 42, 63, 66, 73, 74, 82, 90}}},
                    Caso{3,
                         {0, 5, 12, 20, 21, 28, 36, 41, 56, 72, 92, 93, 95, 97},
                         {{2, 12, 15, 20, 28, 36, 41, 52, 58, 60, 62, 72, 94, 97},
                          {19, 34, 36, 48, 52, 54, 58, 60, 62, 66, 69, 71, 76, 97},
                          {20, 25, 36, 48, 52, 54, 58, 60, 62, 66, 69, 71, 76, 97},
                          {20, 34, 36, 48, 52, 54, 58, 60, 62, 66, 69, 71, 76, 97},
                          {20, 36, 41, 48, 52, 54, 58, 60, 62, 66, 69, 71, 76, 97},
                          {34, 36, 48, 52, 54, 58, 60, 62, 66, 69, 71, 76, 83, 97},
                          {34, 36, 48, 52, 54, 58, 60, 62, 66, 69, 71, 76, 85, 97}}},
                    Caso{6,
                         {2, 5, 9, 17, 41, 47, 57, 59, 60, 66, 78, 85, 96, 98},
                         {{2, 5, 9, 17, 41, 47, 57, 59, 60, 66, 78, 85, 96, 98},
                          {5, 9, 17, 41, 43, 47, 57, 59, 66, 78, 85, 94, 96, 98}}},
                    Caso{8,
                         {0, 3, 33, 38, 50, 63, 65, 67, 70, 73, 78, 91, 93, 94},
                         {{3, 4, 11, 27, 38, 42, 43, 45, 52, 65, 70, 76, 78, 93},
                          {3, 11, 27, 33, 38, 43, 45, 52, 60, 65, 70, 76, 78, 93},
                          {3, 11, 27, 38, 42, 43, 45, 52, 58, 70, 71, 76, 78, 93}}}),
    [](const testing::TestParamInfo<Caso>& prueba) {
        return "Seed" + std::to_string(prueba.param.semilla);
    });

}  // namespace
