// The report view: its extent, the scale of the printed page, and the pages
// that hold a report longer or wider than one.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <map>

#include "logic/Sistema.h"
#include "platform/PainterDC.h"
#include "platform/RecordingDC.h"
#include "report/TarnovelView.h"
#include "tests/report/ReportePrueba.h"

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

// Odd parity of six variables: 32 products on one SOP line, far wider than the
// estimate of the report's width.
std::unique_ptr<CSistema> Paridad() {
    std::string impares;
    for (int t = 0; t < 64; ++t) {
        if (__builtin_popcount(static_cast<unsigned>(t)) % 2 == 1) {
            impares += (impares.empty() ? "" : ",") + std::to_string(t);
        }
    }
    return Procesado(6, {impares});
}

// Six copies of a function with two minimal covers, every one listed: far
// longer than the estimate of the report's height.
std::unique_ptr<CSistema> Ciclicas() {
    auto s = Procesado(3, std::vector<std::string>(6, "0,1,2,5,6,7"));
    s->m_bVerTablaVerdad = false;
    s->m_bVerMinterminos = false;
    s->m_bVerMaxterminos = false;
    s->m_bVerEcuacion = false;
    s->m_bVerMapaK = false;
    s->m_bDiagramaIndividual = false;
    s->m_bDiagramaSimultaneo = false;
    s->m_bTodasSoluciones = true;
    s->m_bVerCubiertasSop = true;
    s->m_bSopHecho = false;
    s->Reprocess();
    return s;
}

// Six functions of six variables with short expressions and the truth table:
// far longer than a page and narrower than one.
std::unique_ptr<CSistema> Larga() {
    std::vector<std::string> funciones;
    for (int f = 0; f < 6; ++f) {
        funciones.push_back(std::to_string(f) + "," + std::to_string(63 - f));
    }
    auto s = Procesado(6, funciones);
    s->m_bVerMaxterminos = false;
    return s;
}

// The whole report at screen scale, on a canvas far larger than any of these
// reports.
QImage WholeReport(CSistema& sistema) {
    QImage lienzo(3000, 3000, QImage::Format_RGB32);
    lienzo.setDotsPerMeterX(qRound(96 / 0.0254));
    lienzo.setDotsPerMeterY(qRound(96 / 0.0254));
    lienzo.fill(Qt::white);
    {
        QPainter painter(&lienzo);
        CTarnovelView::DrawPage(sistema, painter, lienzo);
    }
    return lienzo;
}

// The box of everything not white.
QRect InkOfTheWholeReport(CSistema& sistema) {
    return Ink(WholeReport(sistema));
}

TEST(TarnovelViewTest, ExtentReachesWhatTheReportDrawsAndNeverLessThanTheEstimate) {
    std::unique_ptr<CSistema> sistemas[] = {Paridad(), Ciclicas()};
    for (auto& s : sistemas) {
        const CSize estimado = s->GetReportSize();
        const QRect tinta = InkOfTheWholeReport(*s);
        ASSERT_TRUE(tinta.right() >= estimado.cx || tinta.bottom() >= estimado.cy)
            << "the drawing runs past the estimate";
        CTarnovelView vista(*s);
        vista.resize(500, 400);
        vista.OnInitialUpdate();
        const CSize total = vista.GetTotalSize();
        EXPECT_GT(total.cx, tinta.right());
        EXPECT_GT(total.cy, tinta.bottom());
        EXPECT_GE(total.cx, estimado.cx);
        EXPECT_GE(total.cy, estimado.cy);
        // Scrolled to the end, the last pixel drawn is in sight.
        EXPECT_GT(vista.horizontalScrollBar()->maximum() + vista.viewport()->width(),
                  tinta.right());
        EXPECT_GT(vista.verticalScrollBar()->maximum() + vista.viewport()->height(),
                  tinta.bottom());
    }
}

// An A4 page with margins of 10 mm, in report pixels.
constexpr CSize kPagina{718, 1047};

TEST(TarnovelViewTest, LongReportTakesRowsOfPagesThatCutNoLineOfText) {
    auto s = Larga();
    const auto paginas = CTarnovelView::Pages(*s, kPagina);
    ASSERT_GE(paginas.size(), 2u);
    int arriba = 0;
    for (const auto& p : paginas) {
        EXPECT_EQ(p.origen.x, 0) << "one page across";
        EXPECT_EQ(p.origen.y, arriba) << "each page goes on where the last one stopped";
        EXPECT_LE(p.tamano.cy, kPagina.cy);
        arriba += p.tamano.cy;
    }
    const CRecordingDC dc = Dibujar(*s);
    const std::vector<Linea> lineas = Lineas(dc);
    const auto ultima = std::max_element(lineas.begin(), lineas.end(),
                                         [](const Linea& a, const Linea& b) { return a.y < b.y; });
    EXPECT_GE(ultima->y, paginas.back().origen.y) << "the last line is on the last page";
    EXPECT_LT(ultima->y + 12, arriba);
    // Each text is as tall as its own font: the maps' term numbers are smaller.
    for (const DrawCall& c : dc.Texts()) {
        const Linea l{c.to.x, c.to.y, c.text};
        const int alto = QFontMetrics(CPainterDC::ToQFont(c.font)).height();
        for (const auto& p : paginas) {
            EXPECT_FALSE(l.y < p.origen.y && p.origen.y < l.y + alto) << l << " cut by a page";
        }
    }
}

TEST(TarnovelViewTest, WideRowsOfTheReportTakePagesAcrossAndNoPageIsBlank) {
    auto s = Paridad();
    const auto paginas = CTarnovelView::Pages(*s, kPagina);
    const QImage lienzo = WholeReport(*s);
    // Row by row, left to right; each row as far across as its ink.
    std::map<int, int> anchoFila;
    for (std::size_t i = 0; i < paginas.size(); ++i) {
        const auto& p = paginas[i];
        EXPECT_EQ(p.origen.x % kPagina.cx, 0);
        if (i > 0 && paginas[i - 1].origen.y == p.origen.y) {
            EXPECT_EQ(p.origen.x, paginas[i - 1].origen.x + kPagina.cx) << i;
        } else {
            EXPECT_EQ(p.origen.x, 0) << i << " begins a row";
        }
        anchoFila[p.origen.y] = p.origen.x + kPagina.cx;
        const QRect region(p.origen.x, p.origen.y, p.tamano.cx, p.tamano.cy);
        EXPECT_FALSE(Ink(lienzo.copy(region)).isEmpty()) << i << " is blank";
    }
    EXPECT_GE(anchoFila.at(0), 3 * kPagina.cx) << "the SOP line takes pages across";
    EXPECT_EQ(anchoFila.rbegin()->second, kPagina.cx) << "the table below takes one";
    for (const auto& [arriba, ancho] : anchoFila) {
        const QRect fila(0, arriba, lienzo.width(), std::min(kPagina.cy, lienzo.height() - arriba));
        EXPECT_LT(Ink(lienzo.copy(fila)).right(), ancho) << arriba;
    }
}

// Pages that end right above the SOP line, the widest: the row of pages above
// it goes across only as far as the minterm line, the widest there.
TEST(TarnovelViewTest, ARowOfPagesEndingAboveAWideLineTakesNoBlankPageAcross) {
    auto s = Paridad();
    const std::vector<Linea> lineas = Lineas(Dibujar(*s));
    const Linea ancha = *std::max_element(
        lineas.begin(), lineas.end(),
        [](const Linea& a, const Linea& b) { return a.texto.size() < b.texto.size(); });
    const auto paginas = CTarnovelView::Pages(*s, CSize{kPagina.cx, ancha.y});
    ASSERT_EQ(paginas.at(0).tamano.cy, ancha.y) << "the first row ends where the line begins";
    const QImage lienzo = WholeReport(*s);
    for (std::size_t i = 0; i < paginas.size(); ++i) {
        const auto& p = paginas[i];
        const QRect region(p.origen.x, p.origen.y, p.tamano.cx, p.tamano.cy);
        EXPECT_FALSE(Ink(lienzo.copy(region)).isEmpty())
            << i << " at " << p.origen.x << ", " << p.origen.y << " is blank";
    }
}

int PdfPages(const QString& ruta) {
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray datos = archivo.readAll();
    return static_cast<int>(datos.count("/Type /Page\n") + datos.count("/Type /Page\r") +
                            datos.count("/Type /Page "));
}

// The long report, its view, and a printer that writes a PDF file.
struct SImpresionLarga {
    std::unique_ptr<CSistema> s = Larga();
    CTarnovelView vista{*s};
    QTemporaryDir carpeta;
    QPrinter impresora{QPrinter::HighResolution};
    SImpresionLarga() {
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(carpeta.filePath(QStringLiteral("informe.pdf")));
    }
};

TEST(TarnovelViewTest, PrintsAndPreviewsEveryPageOfALongReport) {
    SImpresionLarga prueba;
    auto& [s, vista, carpeta, impresora] = prueba;
    impresora.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                        QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    const auto paginas = CTarnovelView::Pages(*s, CTarnovelView::PageSize(impresora));
    ASSERT_GE(paginas.size(), 2u);
    ASSERT_TRUE(vista.PrintReport(impresora));
    EXPECT_EQ(PdfPages(impresora.outputFileName()), static_cast<int>(paginas.size()));

    // The last page, drawn as the printer draws it, shows the report's last line.
    const std::vector<Linea> lineas = Lineas(Dibujar(*s));
    const Linea ultima = *std::max_element(
        lineas.begin(), lineas.end(), [](const Linea& a, const Linea& b) { return a.y < b.y; });
    QImage hoja(kPagina.cx, kPagina.cy, QImage::Format_RGB32);
    hoja.setDotsPerMeterX(qRound(96 / 0.0254));
    hoja.setDotsPerMeterY(qRound(96 / 0.0254));
    hoja.fill(Qt::white);
    {
        QPainter painter(&hoja);
        CTarnovelView::DrawPage(*s, painter, hoja, paginas.back());
    }
    const QPoint enHoja(ultima.x - paginas.back().origen.x, ultima.y - paginas.back().origen.y);
    EXPECT_FALSE(Ink(hoja.copy(QRect(enHoja, QSize(20, 16)))).isEmpty()) << ultima;

    // The preview shows every page, and the keyboard pages through it and prints.
    std::size_t vistas = 0;
    int trasAvanzar = 0;
    bool imprimeConTecla = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* previa = modal != nullptr ? modal->findChild<QPrintPreviewWidget*>() : nullptr) {
            vistas = static_cast<std::size_t>(previa->pageCount());
            modal->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(modal));
            QTest::keyClick(modal, Qt::Key_PageDown);
            trasAvanzar = previa->currentPage();
            for (QAction* a : modal->findChildren<QAction*>()) {
                imprimeConTecla =
                    imprimeConTecla ||
                    (a->shortcut() == QKeySequence::Print &&
                     a->text() == QCoreApplication::translate("QPrintPreviewDialog", "Print"));
            }
        }
        if (auto* dialogo = qobject_cast<QDialog*>(modal)) {
            dialogo->reject();
        }
    });
    vista.OnFilePrintPreview(impresora);
    EXPECT_EQ(vistas, paginas.size());
    EXPECT_EQ(trasAvanzar, 2);
    EXPECT_TRUE(imprimeConTecla);
}

// What the user chooses in the print dialog (pages 2 to 3, in reverse order,
// two copies not collated) is what is printed; a PDF file makes no copies of
// its own, so the report sends them.
TEST(TarnovelViewTest, PrintsThePagesOrderAndCopiesChosenInThePrintDialog) {
    SImpresionLarga prueba;
    auto& [s, vista, carpeta, impresora] = prueba;
    const std::size_t total = CTarnovelView::Pages(*s, CTarnovelView::PageSize(impresora)).size();
    ASSERT_GE(total, 4u);
    bool elegido = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialogo = QApplication::activeModalWidget();
        auto* desde =
            dialogo != nullptr ? dialogo->findChild<QRadioButton*>("printRange") : nullptr;
        if (desde == nullptr || !desde->isEnabled()) {
            if (dialogo != nullptr) {
                dialogo->close();
            }
            return;
        }
        desde->setChecked(true);
        dialogo->findChild<QSpinBox*>("from")->setValue(2);
        dialogo->findChild<QSpinBox*>("to")->setValue(3);
        dialogo->findChild<QCheckBox*>("reverse")->setChecked(true);
        dialogo->findChild<QSpinBox*>("copies")->setValue(2);
        dialogo->findChild<QCheckBox*>("collate")->setChecked(false);
        elegido = true;
        qobject_cast<QDialog*>(dialogo)->accept();
    });
    ASSERT_TRUE(vista.OnFilePrint(impresora));
    ASSERT_TRUE(elegido) << "the dialog offers no page range";
    EXPECT_EQ(CTarnovelView::PrintOrder(total, impresora), (std::vector<std::size_t>{2, 2, 1, 1}));
    EXPECT_EQ(PdfPages(impresora.outputFileName()), 4);
}

}  // namespace
