#include "report/GeometriaMapa.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(GeometriaMapaTest, DotPlacesStayInsideTheCellApartFromEachOtherAndTheTexts) {
    // The term number's digits and the value character, as a 96-dpi screen
    // draws them.
    const CGeometriaMapa::Caja numero{2, 2, 16, 11};
    const CGeometriaMapa::Caja valor{16, 13, 25, 30};
    const auto solapan = [](const CGeometriaMapa::Caja& a, const CGeometriaMapa::Caja& b) {
        return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    };
    for (UINT i = 0; i < CGeometriaMapa::kLugares; ++i) {
        const CGeometriaMapa::Caja a = CGeometriaMapa::DotBox(i, 0, 0);
        EXPECT_EQ(a.right - a.left, 6);
        EXPECT_EQ(a.bottom - a.top, 6);
        EXPECT_TRUE(a.left > 0 && a.top > 0 && a.right < 40 && a.bottom < 40) << i;
        EXPECT_FALSE(solapan(a, numero) || solapan(a, valor)) << i;
        for (UINT j = 0; j < i; ++j) {
            EXPECT_FALSE(solapan(a, CGeometriaMapa::DotBox(j, 0, 0))) << i << " " << j;
        }
    }
    EXPECT_EQ(CGeometriaMapa::DotBox(4, 100, 200), (CGeometriaMapa::Caja{132, 231, 138, 237}));
    EXPECT_EQ(CGeometriaMapa::DotBox(13, 100, 200), (CGeometriaMapa::Caja{102, 217, 108, 223}));
}

TEST(GeometriaMapaTest, EveryImplicantHasAColourOfItsOwn) {
    std::set<COLORREF> colores;
    for (UINT t = 0; t < CGeometriaMapa::kMaxImplicantes; ++t) {
        colores.insert(CGeometriaMapa::DotColour(t));
    }
    EXPECT_EQ(colores.size(), CGeometriaMapa::kMaxImplicantes);
    EXPECT_EQ(CGeometriaMapa::DotColour(5), RGB(255, 0, 255));
    EXPECT_EQ(CGeometriaMapa::DotColour(15), RGB(255, 0, 180));
}

TEST(GeometriaMapaTest, ImplicantsFromSixteenOnTakeTheFirstFreePlace) {
    std::array<bool, CGeometriaMapa::kMaxImplicantes> contiene{};
    // 3, 16 and 17 contain the cell: 3 keeps its place, the others the next ones.
    contiene[3] = contiene[16] = contiene[17] = true;
    auto lugar = CGeometriaMapa::PlaceDots(contiene, 18);
    EXPECT_EQ(lugar[3], 3u);
    EXPECT_EQ(lugar[16], 16u);
    EXPECT_EQ(lugar[17], 17u);
    EXPECT_EQ(lugar[0], CGeometriaMapa::kSinLugar);
    // Six of the others: the four further places, then the first free ones.
    contiene = {};
    for (UINT t = 16; t < 22; ++t) {
        contiene[t] = true;
    }
    contiene[0] = true;
    lugar = CGeometriaMapa::PlaceDots(contiene, 22);
    EXPECT_EQ(std::vector<UINT>(lugar.begin() + 16, lugar.begin() + 22),
              (std::vector<UINT>{16, 17, 18, 19, 1, 2}));
    // Every implicant of a 64-implicant list in one cell: the first 20 fit, the
    // rest find no room, and nothing beyond the list is looked at.
    contiene.fill(true);
    lugar = CGeometriaMapa::PlaceDots(contiene, 200);
    EXPECT_EQ(std::set<UINT>(lugar.begin(), lugar.begin() + 20).size(), 20u);
    EXPECT_EQ(lugar[20], CGeometriaMapa::kSinLugar);
    EXPECT_EQ(CGeometriaMapa::PlaceDots(contiene, 3)[5], CGeometriaMapa::kSinLugar);
}

}  // namespace
