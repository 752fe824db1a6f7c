#include "logic/DisposicionMapa.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

// Every map, read row by row from the top, as the map dialogs lay it out.
std::vector<UINT> Filas(UINT n) {
    const CDisposicionMapa mapa(n);
    std::vector<UINT> terminos;
    for (UINT r = 0; r < mapa.Rows(); ++r) {
        for (UINT c = 0; c < mapa.Columns(); ++c) {
            terminos.push_back(mapa.TermAt(c, r));
        }
    }
    return terminos;
}

TEST(DisposicionMapa, ReadsRowByRowAsTheMapsAreLaidOut) {
    EXPECT_EQ(Filas(1), (std::vector<UINT>{0, 1}));
    EXPECT_EQ(Filas(2), (std::vector<UINT>{0, 2, 1, 3}));
    EXPECT_EQ(Filas(3), (std::vector<UINT>{0, 2, 6, 4, 1, 3, 7, 5}));
    EXPECT_EQ(Filas(4), (std::vector<UINT>{0, 4, 12, 8, 1, 5, 13, 9, 3, 7, 15, 11, 2, 6, 14, 10}));
    const std::vector<UINT> cinco = Filas(5);
    EXPECT_EQ(std::vector<UINT>(cinco.begin(), cinco.begin() + 8),
              (std::vector<UINT>{0, 4, 12, 8, 16, 20, 28, 24}));
    EXPECT_EQ(std::vector<UINT>(cinco.end() - 8, cinco.end()),
              (std::vector<UINT>{2, 6, 14, 10, 18, 22, 30, 26}));
    const std::vector<UINT> seis = Filas(6);
    EXPECT_EQ(std::vector<UINT>(seis.begin() + 32, seis.begin() + 40),
              (std::vector<UINT>{32, 36, 44, 40, 48, 52, 60, 56}));
    EXPECT_EQ(std::vector<UINT>(seis.end() - 8, seis.end()),
              (std::vector<UINT>{34, 38, 46, 42, 50, 54, 62, 58}));
}

TEST(DisposicionMapa, EveryTermStandsInExactlyOneCell) {
    for (UINT n = 1; n <= 6; ++n) {
        const CDisposicionMapa mapa(n);
        const std::vector<UINT> terminos = Filas(n);
        EXPECT_EQ(std::set<UINT>(terminos.begin(), terminos.end()).size(), mapa.Terms()) << n;
        for (UINT t = 0; t < mapa.Terms(); ++t) {
            const auto celda = mapa.CellOf(t);
            EXPECT_EQ(mapa.TermAt(celda.columna, celda.fila), t) << n << " " << t;
        }
    }
}

TEST(DisposicionMapa, SubMapsAndLabels) {
    const CDisposicionMapa cuatro(4);
    EXPECT_EQ(cuatro.CellOf(13), (CDisposicionMapa::Celda{2, 1}));
    EXPECT_EQ(cuatro.SubMapsAcross() * cuatro.SubMapsDown(), 1u);
    const CDisposicionMapa seis(6);
    // Term 63: lower-right sub-map, third column and third row inside it.
    EXPECT_EQ(seis.CellOf(63), (CDisposicionMapa::Celda{6, 6}));
    EXPECT_EQ(seis.SubMapOf(6), 1u);
    EXPECT_EQ(seis.SubMapsAcross(), 2u);
    EXPECT_EQ(seis.SubMapsDown(), 2u);
    EXPECT_EQ(CDisposicionMapa(5).SubMapsDown(), 1u);
    EXPECT_STREQ(CDisposicionMapa(1).LeftLabel(), "");
    EXPECT_STREQ(CDisposicionMapa(5).TopLabel(), "ABC");
    EXPECT_STREQ(seis.LeftLabel(), "AEF");
    EXPECT_EQ(CDisposicionMapa(0).Variables(), 1u);
    EXPECT_EQ(CDisposicionMapa(9).Variables(), 6u);
}

}  // namespace
