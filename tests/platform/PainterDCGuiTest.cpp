// The QPainter device context, checked on the pixels it paints.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPicture>

#include "platform/PainterDC.h"

namespace {

class PainterDCTest : public ::testing::Test {
protected:
    PainterDCTest() : m_imagen(200, 200, QImage::Format_RGB32) { m_imagen.fill(Qt::white); }

    // Draws on a fresh device context over the image.
    template <class F>
    void Draw(F&& dibujo, int logPixels = 96) {
        QPainter painter(&m_imagen);
        CPainterDC dc(painter, logPixels);
        dibujo(dc);
    }
    bool Dark(int x, int y) const { return qGray(m_imagen.pixel(x, y)) < 128; }
    bool AnyDarkIn(const QRect& r) const {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                if (Dark(x, y)) {
                    return true;
                }
            }
        }
        return false;
    }
    QRect DarkBounds() const {
        QRect r;
        for (int y = 0; y < m_imagen.height(); ++y) {
            for (int x = 0; x < m_imagen.width(); ++x) {
                if (Dark(x, y)) {
                    r |= QRect(x, y, 1, 1);
                }
            }
        }
        return r;
    }
    QImage m_imagen;
};

// Points of the circle of radius 50 around (100, 100), one per quadrant.
const QRect kArribaDerecha(132, 62, 7, 7);
const QRect kArribaIzquierda(61, 62, 7, 7);
const QRect kAbajoIzquierda(61, 131, 7, 7);
const QRect kAbajoDerecha(132, 131, 7, 7);

TEST_F(PainterDCTest, ArcRunsCounterClockwiseFromTheStartRay) {
    // From the ray towards the right to the ray upwards: the upper right quarter.
    Draw([](CDC& dc) { dc.Arc(50, 50, 151, 151, 200, 100, 100, 0); });
    EXPECT_TRUE(AnyDarkIn(kArribaDerecha));
    EXPECT_FALSE(AnyDarkIn(kArribaIzquierda));
    EXPECT_FALSE(AnyDarkIn(kAbajoIzquierda));
    EXPECT_FALSE(AnyDarkIn(kAbajoDerecha));
}

TEST_F(PainterDCTest, ArcWithTheRaysSwappedDrawsTheOtherThreeQuarters) {
    Draw([](CDC& dc) { dc.Arc(50, 50, 151, 151, 100, 0, 200, 100); });
    EXPECT_FALSE(AnyDarkIn(kArribaDerecha));
    EXPECT_TRUE(AnyDarkIn(kArribaIzquierda));
    EXPECT_TRUE(AnyDarkIn(kAbajoIzquierda));
    EXPECT_TRUE(AnyDarkIn(kAbajoDerecha));
}

TEST_F(PainterDCTest, ArcWithEqualRaysIsTheWholeEllipse) {
    Draw([](CDC& dc) { dc.Arc(50, 50, 151, 151, 0, 100, 0, 100); });
    for (const QRect& r : {kArribaDerecha, kArribaIzquierda, kAbajoIzquierda, kAbajoDerecha}) {
        EXPECT_TRUE(AnyDarkIn(r));
    }
}

TEST_F(PainterDCTest, ArcOfAnEllipseEndsWhereTheRaysCrossIt) {
    // A wide ellipse, from the ray towards the upper right corner of its box to
    // the ray straight up: the drawn part lies left of the corner ray only.
    Draw([](CDC& dc) { dc.Arc(0, 50, 200, 151, 200, 50, 100, 50); });
    // Where the ray to (200, 50) meets the ellipse: about (170, 65).
    EXPECT_TRUE(AnyDarkIn(QRect(150, 55, 15, 12)));
    EXPECT_FALSE(AnyDarkIn(QRect(180, 62, 20, 30)));
}

TEST_F(PainterDCTest, EllipseIsOutlinedWithThePenAndFilledWithTheBrush) {
    Draw([](CDC& dc) {
        dc.SelectObject(CBrush{RGB(255, 0, 0), false});
        dc.Ellipse(20, 20, 81, 81);
        dc.SelectObject(CBrush{RGB(0, 0, 0), true});
        dc.Ellipse(120, 20, 181, 81);
    });
    EXPECT_EQ(QColor(m_imagen.pixel(50, 50)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(m_imagen.pixel(150, 50)), QColor(Qt::white));
    EXPECT_TRUE(Dark(20, 50));
    EXPECT_TRUE(Dark(120, 50));
    EXPECT_FALSE(AnyDarkIn(QRect(0, 0, 200, 19)));
}

TEST_F(PainterDCTest, DefaultsAreABlackPenAndAWhiteBrush) {
    Draw([](CDC& dc) {
        dc.Ellipse(20, 20, 81, 81);
        EXPECT_EQ(dc.SelectObject(CPen{CPen::Null, 1, RGB(0, 0, 0)}), CPen{});
        dc.MoveTo(0, 150);
        dc.LineTo(199, 150);
    });
    EXPECT_TRUE(Dark(20, 50));
    EXPECT_EQ(QColor(m_imagen.pixel(50, 50)), QColor(Qt::white));
    EXPECT_FALSE(AnyDarkIn(QRect(0, 145, 200, 10))) << "a null pen draws nothing";
}

TEST_F(PainterDCTest, LinesRunFromTheCurrentPosition) {
    Draw([](CDC& dc) {
        EXPECT_EQ(dc.MoveTo(10, 10), CPoint{});
        dc.LineTo(10, 60);
        dc.LineTo(60, 60);
        EXPECT_EQ(dc.MoveTo(0, 0), (CPoint{60, 60}));
    });
    EXPECT_TRUE(Dark(10, 30));
    EXPECT_TRUE(Dark(40, 60));
    EXPECT_FALSE(Dark(40, 30));
}

TEST_F(PainterDCTest, TextIsPlacedByTheTopLeftCornerOfItsCell) {
    Draw([](CDC& dc) {
        dc.SelectObject(CFont::CreatePointFont(140, "Arial", dc));
        dc.TextOut(40, 60, "ABC");
    });
    const QRect tinta = DarkBounds();
    ASSERT_FALSE(tinta.isEmpty());
    EXPECT_GE(tinta.left(), 40);
    EXPECT_LE(tinta.left(), 44);
    EXPECT_GE(tinta.top(), 60);
    // 14 points at 96 dpi: a cell about 21 pixels high; capitals fill most of it.
    EXPECT_LE(tinta.top(), 66);
    EXPECT_LE(tinta.bottom(), 60 + 22);
    EXPECT_GE(tinta.height(), 12);
}

TEST_F(PainterDCTest, TextCellIsOpaqueWhite) {
    Draw([](CDC& dc) {
        dc.MoveTo(0, 70);
        dc.LineTo(199, 70);
        dc.SelectObject(CFont::CreatePointFont(140, "Arial", dc));
        dc.TextOut(40, 60, "__");
    });
    EXPECT_TRUE(Dark(10, 70));
    EXPECT_FALSE(Dark(41, 70)) << "the text cell hides what lies below it";
}

TEST_F(PainterDCTest, FontsAreSizedForTheDevicesResolution) {
    Draw([](CDC& dc) {
        EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 96);
        EXPECT_EQ(CFont::CreatePointFont(82, "Arial", dc).height, -11);
        EXPECT_EQ(CFont::CreatePointFont(140, "Symbol", dc).height, -19);
    });
    Draw([](CDC& dc) { EXPECT_EQ(CFont::CreatePointFont(82, "Arial", dc).height, -68); }, 600);
}

TEST(PainterDCSymbolTest, SymbolTextBecomesGreek) {
    EXPECT_EQ(CPainterDC::FromSymbol("S"), QStringLiteral("Σ"));
    EXPECT_EQ(CPainterDC::FromSymbol("P"), QStringLiteral("Π"));
    EXPECT_EQ(CPainterDC::FromSymbol("Sm(1,3)"), QStringLiteral("Σμ(1,3)"));
    EXPECT_EQ(CPainterDC::FromSymbol("abgdp"), QStringLiteral("αβγδπ"));
    EXPECT_EQ(CPainterDC::FromSymbol("0 9,"), QStringLiteral("0 9,"));
}

TEST_F(PainterDCTest, SymbolSigmaIsDrawnAsSigma) {
    // Σ drawn through the Symbol face must look like Σ drawn directly, not like S.
    Draw([](CDC& dc) {
        dc.SelectObject(CFont::CreatePointFont(140, "Symbol", dc));
        dc.TextOut(10, 10, "S");
    });
    const QImage simbolo = m_imagen.copy(0, 0, 100, 60);
    m_imagen.fill(Qt::white);
    {
        QPainter painter(&m_imagen);
        QFont f = CPainterDC::ToQFont(CFont{"Symbol", -19, 400, false});
        painter.setFont(f);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(10, 10 + QFontMetricsF(f).ascent()), QStringLiteral("Σ"));
    }
    EXPECT_EQ(simbolo, m_imagen.copy(0, 0, 100, 60));
}

TEST_F(PainterDCTest, ClipBoxIsThePaintersClipOrItsDeviceInLogicalCoordinates) {
    QPainter painter(&m_imagen);
    painter.translate(-100, -300);
    {
        CPainterDC dc(painter);
        EXPECT_EQ(dc.GetClipBox(), (CRect{100, 300, 300, 500})) << "the whole image";
    }
    {
        QPicture dibujo;
        QPainter grabacion(&dibujo);
        EXPECT_LT(CPainterDC(grabacion).GetClipBox().top, -1000000) << "a picture: everything";
    }
    // A window scrolled to (100, 300) repainting its top-left 50 x 40 pixels.
    painter.resetTransform();
    painter.setClipRect(QRect(0, 0, 50, 40));
    painter.translate(-100, -300);
    CPainterDC dc(painter);
    EXPECT_EQ(dc.GetClipBox(), (CRect{100, 300, 150, 340}));
    // A text that only reaches into the clip is still drawn.
    dc.SelectObject(CFont::CreatePointFont(140, "Arial", dc));
    dc.TextOut(100, 330, "MMMM");
    EXPECT_TRUE(AnyDarkIn(QRect(0, 30, 50, 10)));
    EXPECT_FALSE(AnyDarkIn(QRect(0, 40, 200, 20)));
}

TEST_F(PainterDCTest, FiguresOutsideTheClipReachNoPaintEngine) {
    // A printed page of a long report is drawn whole with the page as its clip:
    // what lies beyond must not be sent, or every page carries the whole report.
    QPicture dibujo;
    QPainter painter(&dibujo);
    painter.setClipRect(QRect(0, 0, 50, 40));
    painter.translate(0, -300);
    CPainterDC dc(painter);
    const auto enviado = [&](auto figura) {
        painter.save();  // the picture records it: a mark to count from
        const uint antes = dibujo.size();
        figura();
        const bool algo = dibujo.size() > antes;
        painter.restore();
        return algo;
    };
    dc.SelectObject(CPen{CPen::Solid, 3, RGB(0, 0, 0)});
    EXPECT_FALSE(enviado([&] {
        dc.MoveTo(0, 100);
        dc.LineTo(50, 200);                          // above the page
        dc.Ellipse(0, 400, 20, 420);                 // below it
        dc.Arc(60, 300, 80, 320, 80, 310, 60, 310);  // beside it
        dc.MoveTo(0, 294);
        dc.LineTo(50, 294);  // six pixels above, with a pen three wide
    }));
    EXPECT_EQ(dc.MoveTo(0, 295), (CPoint{50, 294})) << "a line left out still moves";
    EXPECT_TRUE(enviado([&] { dc.LineTo(0, 345); }));             // across the page
    EXPECT_TRUE(enviado([&] { dc.Ellipse(45, 335, 60, 350); }));  // a corner inside
    EXPECT_TRUE(enviado([&] { dc.Arc(-10, 290, 10, 310, 10, 300, -10, 300); }));
}

TEST_F(PainterDCTest, PainterStateIsRestored) {
    QPainter painter(&m_imagen);
    painter.setPen(QPen(Qt::blue, 3));
    {
        CPainterDC dc(painter);
        dc.SelectObject(CPen{CPen::Dash, 1, RGB(255, 0, 0)});
        dc.MoveTo(0, 0);
        dc.LineTo(10, 10);
    }
    EXPECT_EQ(painter.pen().color(), QColor(Qt::blue));
    EXPECT_EQ(painter.pen().width(), 3);
}

}  // namespace
