// Real reports of 3, 4 and 6 variables, minimised by the system and painted
// through the QPainter device with the covers on Karnaugh maps, checked on their
// pixels; the view's paint at the bottom of a long report, which leaves out the
// maps outside its clip, against the same part of the whole drawing. With
// TARNOVEL_RENDER_DIR set, the reports are also saved there as PNG and PDF.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <memory>

#include "platform/PainterDC.h"
#include "platform/RecordingDC.h"
#include "report/GeometriaMapa.h"
#include "report/TarnovelView.h"
#include "tests/report/ReportePrueba.h"

namespace {

// Only the sentence and the maps, so that the maps start at a known place.
std::unique_ptr<CSistema> SoloMapas(UINT n, const std::vector<std::string>& unos,
                                    const std::vector<std::string>& prescindibles = {},
                                    bool todas = false) {
    auto s = SistemaVacio(n, static_cast<UINT>(unos.size()));
    s->m_bVerMapaK = true;
    s->m_bProcesarPos = true;
    s->m_bTodasSoluciones = todas;
    TextosFuncion a;
    TextosFuncion b;
    std::copy(unos.begin(), unos.end(), a.begin());
    std::copy(prescindibles.begin(), prescindibles.end(), b.begin());
    s->ApplyMinterms(a, b);
    return s;
}

QImage Pintar(CSistema& s) {
    const CRecordingDC medida = Dibujar(s);
    QImage imagen(1000, s.m_nPosY + 10, QImage::Format_RGB32);
    imagen.fill(Qt::white);
    QPainter painter(&imagen);
    CPainterDC dc(painter);
    s.DrawReport(dc);
    return imagen;
}

void Guardar(CSistema& s, const QImage& imagen, const char* nombre) {
    const QString carpeta = qEnvironmentVariable("TARNOVEL_RENDER_DIR");
    if (carpeta.isEmpty()) {
        return;
    }
    const QString base = QDir(carpeta).filePath(QString::fromLatin1(nombre));
    imagen.save(base + QStringLiteral(".png"));
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(base + QStringLiteral(".pdf"));
    QPainter painter(&impresora);
    CTarnovelView::DrawPage(s, painter, impresora);
}

// The first block's origin: the sentence (30), the section's heading (20), the
// block's gap and heading line (10 + 40).
constexpr int kOrigenX = 50;
constexpr int kOrigenY = 10 + 30 + 20 + 10 + 40;

QColor Centro(const QImage& imagen, const CGeometriaMapa::Caja& caja) {
    return QColor(imagen.pixel((caja.left + caja.right - 1) / 2, (caja.top + caja.bottom - 1) / 2));
}

TEST(MapasKarnaughGuiTest, FourVariablesShowGridValuesAndColouredDots) {
    // f = AB + cd: implicants 0 = 11-- and 1 = --00 (the cover's list order).
    auto s = SoloMapas(4, {"0,4,8,12,13,14,15"});
    const QImage imagen = Pintar(*s);
    Guardar(*s, imagen, "mapas_4_variables");
    const int ox = kOrigenX;
    const int oy = kOrigenY;
    // The whole left border of the grid and its top line are drawn.
    for (int y = oy; y <= oy + 160; y += 10) {
        EXPECT_LT(qGray(imagen.pixel(ox, y)), 128) << y;
    }
    for (int x = ox; x <= ox + 160; x += 10) {
        EXPECT_LT(qGray(imagen.pixel(x, oy)), 128) << x;
    }
    // Term 12 (third column, first row) lies in both implicants: a black dot in
    // place 0 and a blue one in place 1. Term 13 only in 11--.
    EXPECT_EQ(Centro(imagen, CGeometriaMapa::DotBox(0, ox + 80, oy)), QColor(0, 0, 0));
    EXPECT_EQ(Centro(imagen, CGeometriaMapa::DotBox(1, ox + 80, oy)), QColor(0, 0, 255));
    const UINT ab = s->m_pCubiertaSop[0]->unos == 0b1100 ? 0 : 1;
    EXPECT_EQ(Centro(imagen, CGeometriaMapa::DotBox(ab, ox + 80, oy + 40)),
              ab == 0 ? QColor(0, 0, 0) : QColor(0, 0, 255));
    EXPECT_EQ(Centro(imagen, CGeometriaMapa::DotBox(1 - ab, ox + 80, oy + 40)), QColor(Qt::white));
    // Term 5 is 0 in f: no dot at all.
    EXPECT_EQ(Centro(imagen, CGeometriaMapa::DotBox(0, ox + 40, oy + 40)), QColor(Qt::white));
}

TEST(MapasKarnaughGuiTest, ThreeVariablesTwoFunctionsFlowInOneRow) {
    auto s = SoloMapas(3, {"1,3,5,7", "0,2,3"}, {"6", ""});
    const QImage imagen = Pintar(*s);
    Guardar(*s, imagen, "mapas_3_variables");
    // f2's map stands 200 right of f1's, 15 lower: a grid corner there.
    EXPECT_LT(qGray(imagen.pixel(kOrigenX + 200, kOrigenY + 15)), 128);
    EXPECT_LT(qGray(imagen.pixel(kOrigenX + 200 + 160, kOrigenY + 15 + 80)), 128);
    EXPECT_EQ(QColor(imagen.pixel(kOrigenX + 200 + 100, kOrigenY + 15 + 74)), QColor(Qt::white))
        << "inside a cell, away from its texts and dots";
}

TEST(MapasKarnaughGuiTest, SixVariablesWithTwentyImplicantsInOneCell) {
    // The terms of at most three ones: twenty implicants of three dashes, every
    // one of them containing term 0.
    std::string unos;
    for (UINT t = 0; t < 64; ++t) {
        if (std::popcount(t) <= 3) {
            unos += (unos.empty() ? "" : ",") + std::to_string(t);
        }
    }
    auto s = SoloMapas(6, {unos});
    ASSERT_EQ(CountNodes(s->m_pCubiertaSop[0].get()), 20u);
    const QImage imagen = Pintar(*s);
    Guardar(*s, imagen, "mapas_6_variables");
    // The legend wraps once: the map stands 20 lower.
    const int oy = kOrigenY + 20;
    std::array<bool, CGeometriaMapa::kMaxImplicantes> todos{};
    todos.fill(true);
    const auto lugares = CGeometriaMapa::PlaceDots(todos, 20);
    for (UINT t = 0; t < 20; ++t) {
        const CGeometriaMapa::Caja caja = CGeometriaMapa::DotBox(lugares[t], kOrigenX, oy);
        const COLORREF c = CGeometriaMapa::DotColour(t);
        EXPECT_EQ(Centro(imagen, caja), QColor(GetRValue(c), GetGValue(c), GetBValue(c))) << t;
    }
    // Term 63's cell, lower right, holds the value 0 and no dot.
    EXPECT_EQ(Centro(imagen, CGeometriaMapa::DotBox(0, kOrigenX + 280, oy + 280)),
              QColor(Qt::white));
}

// The products of two cyclic functions of three variables: 28 minimal covers.
std::string CiclicaPorCiclica() {
    std::string unos;
    for (const int a : {0, 1, 2, 5, 6, 7}) {
        for (const int b : {0, 1, 2, 5, 6, 7}) {
            unos += (unos.empty() ? "" : ",") + std::to_string(a * 8 + b);
        }
    }
    return unos;
}

TEST(MapasKarnaughGuiTest, PaintAtTheBottomOfALongReportMatchesTheWholeDrawing) {
    auto s = SoloMapas(6, {CiclicaPorCiclica()}, {}, true);
    Dibujar(*s);
    ASSERT_GT(s->m_nPosY, 3000);

    CTarnovelView vista(*s);
    vista.resize(640, 480);
    vista.OnInitialUpdate();
    vista.show();
    // The last screen of the drawing (the extent is an estimate and may reach
    // further).
    vista.verticalScrollBar()->setValue(s->m_nPosY - vista.viewport()->height());
    const int arriba = vista.verticalScrollBar()->value();
    ASSERT_EQ(arriba, s->m_nPosY - vista.viewport()->height());
    const QImage pantalla =
        vista.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);

    QImage entera(pantalla.size(), QImage::Format_RGB32);
    entera.fill(Qt::white);
    {
        QPainter painter(&entera);
        painter.translate(-vista.horizontalScrollBar()->value(), -arriba);
        CPainterDC dc(painter);
        s->DrawReport(dc);
    }
    EXPECT_TRUE(pantalla == entera);
    int tinta = 0;
    for (int y = 0; y < pantalla.height(); ++y) {
        for (int x = 0; x < pantalla.width(); ++x) {
            tinta += qGray(pantalla.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    EXPECT_GT(tinta, 1000) << "the screen shows maps";
}

}  // namespace
