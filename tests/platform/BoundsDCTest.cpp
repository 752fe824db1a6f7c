#include "platform/BoundsDC.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Eight pixels a character; a Symbol text twice as wide; sixteen high.
CSize Medida(const CFont& fuente, const std::string& texto) {
    const int ancho = static_cast<int>(texto.size()) * (fuente.face == "Symbol" ? 16 : 8);
    return CSize{ancho, 16};
}

TEST(BoundsDCTest, ExtentReachesTheFarEdgeOfEverythingDrawn) {
    CBoundsDC dc(Medida);
    EXPECT_EQ(dc.GetExtent(), (CSize{0, 0}));
    dc.TextOut(10, 10, "abc");
    EXPECT_EQ(dc.GetExtent(), (CSize{34, 26}));
    const CFont anterior = dc.SelectObject(CFont::CreatePointFont(140, "Symbol", dc));
    dc.TextOut(10, 40, "S ");
    dc.SelectObject(anterior);
    EXPECT_EQ(dc.GetExtent(), (CSize{42, 56})) << "measured in the font in effect";
    dc.MoveTo(300, 5);
    EXPECT_EQ(dc.GetExtent(), (CSize{42, 56})) << "a move draws nothing";
    dc.LineTo(200, 90);
    EXPECT_EQ(dc.GetExtent(), (CSize{301, 91}));
    dc.SelectObject(CPen{CPen::Solid, 3, RGB(0, 0, 0)});
    dc.LineTo(200, 100);
    EXPECT_EQ(dc.GetExtent(), (CSize{301, 103}));
    dc.Ellipse(400, 120, 380, 100);
    dc.Arc(10, 10, 20, 150, 0, 0, 0, 0);
    EXPECT_EQ(dc.GetExtent(), (CSize{400, 150}));
}

TEST(BoundsDCTest, PagesEndBetweenRowsOfText) {
    CBoundsDC dc(Medida);
    for (int y = 10; y < 500; y += 30) {
        dc.TextOut(10, y, "fila");
    }
    // Rows 16 high at 10, 40, ... 490. Pages of 100: the cut at 100 meets a
    // row's top; the one at 200 falls inside the row at 190 and moves up to it.
    EXPECT_EQ(dc.PageBreaks(100), (std::vector<int>{100, 190, 280, 370, 460}));
    // Pages of 95: the cut at 95 falls between rows and stays.
    EXPECT_EQ(dc.PageBreaks(95), (std::vector<int>{95, 190, 280, 370, 460}));
    EXPECT_EQ(dc.PageBreaks(506), (std::vector<int>{}));
    EXPECT_EQ(dc.PageBreaks(505), (std::vector<int>{490}));
    // Lines are no rows: a cut may cross them.
    dc.MoveTo(0, 600);
    dc.LineTo(0, 800);
    EXPECT_EQ(dc.PageBreaks(400), (std::vector<int>{400, 800}));
    // A row taller than a page is cut where it must be.
    CBoundsDC alto([](const CFont&, const std::string&) { return CSize{10, 250}; });
    alto.TextOut(0, 0, "x");
    EXPECT_EQ(alto.PageBreaks(100), (std::vector<int>{100, 200}));
}

TEST(BoundsDCTest, RightEdgeOfABandOfTheDrawing) {
    CBoundsDC dc(Medida);
    dc.TextOut(10, 10, std::string(100, 'x'));  // to 810, rows 10..26
    dc.MoveTo(10, 300);
    dc.LineTo(200, 400);  // to 201, rows 300..401
    EXPECT_EQ(dc.GetRightEdge(0, 100), 810);
    EXPECT_EQ(dc.GetRightEdge(64, 256), 0) << "nothing drawn there";
    EXPECT_EQ(dc.GetRightEdge(350, 1000), 201);
    EXPECT_EQ(dc.GetRightEdge(0, 1000), 810);
}

// A row of pages that ends where a wide line begins, or begins where one ends,
// takes no pages across for it: they would come out blank.
TEST(BoundsDCTest, RightEdgeTakesNothingFromJustAboveOrBelow) {
    CBoundsDC dc(Medida);
    dc.TextOut(10, 40, "abc");                  // to 34, rows 40..56
    dc.TextOut(10, 56, std::string(100, 'x'));  // to 810, rows 56..72
    dc.TextOut(10, 72, "abcd");                 // to 42, rows 72..88
    EXPECT_EQ(dc.GetRightEdge(0, 56), 34);
    EXPECT_EQ(dc.GetRightEdge(72, 200), 42);
    EXPECT_EQ(dc.GetRightEdge(0, 57), 810);
    EXPECT_EQ(dc.GetRightEdge(71, 200), 810);
}

}  // namespace
