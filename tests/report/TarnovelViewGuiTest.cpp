// The report view: its extent and the scale of the printed page.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "logic/Sistema.h"
#include "report/TarnovelView.h"

namespace {

// The box of everything not white.
QRect Ink(const QImage& imagen) {
    QRect caja;
    for (int y = 0; y < imagen.height(); ++y) {
        for (int x = 0; x < imagen.width(); ++x) {
            if (qGray(imagen.pixel(x, y)) < 200) {
                caja |= QRect(x, y, 1, 1);
            }
        }
    }
    return caja;
}

QImage Page(CSistema& sistema, int dpi) {
    QImage pagina(8 * dpi, 3 * dpi, QImage::Format_RGB32);
    pagina.setDotsPerMeterX(qRound(dpi / 0.0254));
    pagina.setDotsPerMeterY(qRound(dpi / 0.0254));
    pagina.fill(Qt::white);
    QPainter painter(&pagina);
    CTarnovelView::DrawPage(sistema, painter, pagina);
    return pagina;
}

TEST(TarnovelViewTest, PrintedPageKeepsTheScreenSizeInInches) {
    CSistema sistema;
    sistema.SetNumVariables(3);
    sistema.SetNumFunctions(2);
    const QRect pantalla = Ink(Page(sistema, 96));
    const QRect impresora = Ink(Page(sistema, 384));
    ASSERT_FALSE(pantalla.isEmpty()) << "the report draws something for a new system";
    // Four times the resolution, four times the pixels: the same inches on paper.
    EXPECT_NEAR(impresora.left(), 4 * pantalla.left(), 4);
    EXPECT_NEAR(impresora.top(), 4 * pantalla.top(), 4);
    EXPECT_NEAR(impresora.width(), 4 * pantalla.width(), 0.1 * impresora.width());
    EXPECT_NEAR(impresora.height(), 4 * pantalla.height(), 0.15 * impresora.height());
}

TEST(TarnovelViewTest, ExtentFollowsTheSystemOnEveryUpdate) {
    CSistema sistema;
    CTarnovelView vista(sistema);
    EXPECT_EQ(vista.GetTotalSize(), (CSize{487, 787})) << "until the first update";
    vista.OnInitialUpdate();
    EXPECT_EQ(vista.GetTotalSize(), sistema.GetReportSize());
    sistema.SetNumVariables(6);
    vista.OnUpdate();
    EXPECT_EQ(vista.GetTotalSize(), sistema.GetReportSize());
    EXPECT_EQ(vista.GetTotalSize().cx, 1500);
}

}  // namespace
