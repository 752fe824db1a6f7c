// The gate shapes and a real report with all eight gate-diagram families,
// painted through the QPainter device and checked on their pixels. With
// TARNOVEL_RENDER_DIR set, the report is also saved there as a PNG.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <string>

#include "logic/Sistema.h"
#include "platform/PainterDC.h"
#include "platform/RecordingDC.h"

namespace {

class CompuertasGuiTest : public ::testing::Test {
protected:
    CompuertasGuiTest() : m_imagen(300, 200, QImage::Format_RGB32) {
        m_imagen.fill(Qt::white);
        m_sistema.SetNumVariables(2);
        m_sistema.m_nPosX = kX;
        m_sistema.m_nPosY = kY;
    }

    template <class F>
    void Draw(F&& dibujo) {
        QPainter painter(&m_imagen);
        CPainterDC dc(painter);
        dibujo(dc);
    }
    int Dark(const QRect& r) const {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                n += qGray(m_imagen.pixel(x, y)) < 128 ? 1 : 0;
            }
        }
        return n;
    }

    static constexpr int kX = 10;
    static constexpr int kY = 50;
    QImage m_imagen;
    CSistema m_sistema;
};

TEST_F(CompuertasGuiTest, AndFrontIsTheRightHandPartOfItsEllipse) {
    Draw([&](CDC& dc) { m_sistema.DrawAndGate(dc, 120, 42); });
    // The ellipse spans X+132 to X+174 by Y to Y+43; counter-clockwise from
    // the bottom ray to the top ray is its right-hand part, which reaches the
    // box's right edge at mid-height and leaves its left edge blank.
    EXPECT_GT(Dark(QRect(kX + 171, kY + 18, 3, 6)), 0);
    EXPECT_EQ(Dark(QRect(kX + 131, kY + 12, 6, 18)), 0);
    EXPECT_EQ(Dark(QRect(kX + 175, kY - 5, 30, 55)), 0);
    // The back and the two short lines.
    EXPECT_EQ(Dark(QRect(kX + 120, kY, 1, 43)), 43);
    EXPECT_GT(Dark(QRect(kX + 121, kY, 28, 1)), 25);
}

TEST_F(CompuertasGuiTest, OrOutlineBulgesInAtTheBackAndMeetsAtTheTip) {
    Draw([&](CDC& dc) { m_sistema.DrawOrGate(dc, 120, 42); });
    // The back: the right half of a 20-wide ellipse centred on X+120.
    EXPECT_GT(Dark(QRect(kX + 127, kY + 18, 3, 6)), 0);
    EXPECT_EQ(Dark(QRect(kX + 105, kY + 5, 14, 32)), 0);
    // The two front arcs meet near X+175 at mid-height; nothing beyond.
    EXPECT_GT(Dark(QRect(kX + 171, kY + 18, 4, 6)), 0);
    EXPECT_EQ(Dark(QRect(kX + 177, kY - 30, 40, 120)), 0);
    // Only the short arcs of the two large ellipses are drawn: none of their
    // far parts above or below the gate.
    EXPECT_EQ(Dark(QRect(kX + 90, kY + 44, 100, 40)), 0);
    EXPECT_EQ(Dark(QRect(kX + 90, kY - 30, 100, 29)), 0);
}

TEST_F(CompuertasGuiTest, ArcBoxMayBeGivenFromEitherCorner) {
    Draw([](CDC& dc) { dc.Arc(184, 93, 142, 50, 159, 93, 159, 50); });
    const QImage invertida = m_imagen;
    m_imagen.fill(Qt::white);
    Draw([](CDC& dc) { dc.Arc(142, 50, 184, 93, 159, 93, 159, 50); });
    EXPECT_EQ(invertida, m_imagen);
    EXPECT_GT(Dark(m_imagen.rect()), 30);
}

// Two functions of three variables on both halves, every diagram family on.
std::unique_ptr<CSistema> OchoFamilias() {
    auto s = std::make_unique<CSistema>();
    s->SetNumVariables(3);
    s->SetNumFunctions(2);
    s->m_bVerMinterminos = false;
    s->m_bVerMaxterminos = false;
    s->m_bVerTablaVerdad = false;
    s->m_bVerMapaK = false;
    s->m_bProcesarPos = true;
    s->m_bIndividualUnTipo = true;
    s->m_bSimultaneoDosTipos = true;
    TextosFuncion minterminos{"0,1,3,7", "1,3,5,6,7"};
    s->ApplyMinterms(minterminos, TextosFuncion{});
    return s;
}

TEST(DiagramasCompuertasGuiTest, AllEightFamiliesOnOnePage) {
    auto s = OchoFamilias();
    CRecordingDC registro;
    s->DrawReport(registro);
    QImage imagen(640, s->m_nPosY + 20, QImage::Format_RGB32);
    imagen.fill(Qt::white);
    {
        QPainter painter(&imagen);
        CPainterDC dc(painter);
        s->DrawReport(dc);
    }
    const QString carpeta = qEnvironmentVariable("TARNOVEL_RENDER_DIR");
    if (!carpeta.isEmpty()) {
        imagen.save(QDir(carpeta).filePath(QStringLiteral("compuertas_ocho_familias.png")));
    }

    int familias = 0;
    int salidas = 0;
    for (const DrawCall& c : registro.Texts()) {
        familias += c.text.starts_with("Diagramas de Compuertas") ? 1 : 0;
        if (c.text != " f1" && c.text != " f2") {
            continue;
        }
        // Every label stands at the end of its unbroken output line.
        ++salidas;
        const int y = c.to.y + 5;
        for (int x = 480; x < 510; ++x) {
            EXPECT_LT(qGray(imagen.pixel(x, y)), 128) << c.text << " at " << x << "," << y;
        }
    }
    EXPECT_EQ(familias, 8);
    // Each family shows both functions: alone in every cover, and together.
    EXPECT_GE(salidas, 16);
}

}  // namespace
