#include <gtest/gtest.h>

#include "platform/RecordingDC.h"

namespace {

TEST(RecordingDCTest, LinesRunFromTheCurrentPositionInEitherDirection) {
    CRecordingDC dc;
    EXPECT_EQ(dc.MoveTo(5, 6), (CPoint{0, 0}));
    dc.LineTo(50, 6);
    dc.LineTo(50, 60);
    EXPECT_EQ(dc.MoveTo(1, 1), (CPoint{50, 60}));
    EXPECT_EQ(dc.Lines(), (std::vector<DrawnLine>{{{5, 6}, {50, 6}}, {{50, 6}, {50, 60}}}));
    EXPECT_TRUE(dc.HasLine({50, 60}, {50, 6}));
    EXPECT_FALSE(dc.HasLine({5, 6}, {50, 60}));
}

TEST(RecordingDCTest, EveryCallCarriesTheObjectsInEffect) {
    CRecordingDC dc(600);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 600);
    const CFont arial = CFont::CreatePointFont(82, "Arial", dc);
    EXPECT_EQ(arial.height, -68);
    dc.TextOut(1, 2, "antes");
    EXPECT_EQ(dc.SelectObject(arial), CRecordingDC::DefaultFont());
    const CPen roja{CPen::Solid, 2, RGB(255, 0, 0)};
    EXPECT_EQ(dc.SelectObject(roja), CPen{});
    const CBrush azul{RGB(0, 0, 255), false};
    EXPECT_EQ(dc.SelectObject(azul), CBrush{});
    dc.TextOut(3, 4, "después");
    dc.Ellipse(0, 0, 8, 8);
    dc.Arc(0, 0, 10, 20, 10, 10, 0, 10);

    ASSERT_NE(dc.FindText("antes"), nullptr);
    EXPECT_EQ(dc.FindText("antes")->font, CRecordingDC::DefaultFont());
    const DrawCall* despues = dc.TextAt(3, 4);
    ASSERT_NE(despues, nullptr);
    EXPECT_EQ(despues->text, "después");
    EXPECT_EQ(despues->font, arial);
    const std::vector<DrawCall> elipses = dc.CallsOf(DrawCall::Kind::Ellipse);
    ASSERT_EQ(elipses.size(), 1u);
    EXPECT_EQ(elipses[0].pen, roja);
    EXPECT_EQ(elipses[0].brush, azul);
    EXPECT_EQ(dc.CallsOf(DrawCall::Kind::Arc).at(0).from, (CPoint{10, 10}));
    EXPECT_EQ(dc.TextStrings(), (std::vector<std::string>{"antes", "después"}));
    EXPECT_EQ(dc.FindText("nada"), nullptr);
}

}  // namespace
