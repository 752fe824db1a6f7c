#include "report/TarnovelView.h"

#include <QAction>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageRanges>
#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>

#include "logic/Sistema.h"
#include "platform/BoundsDC.h"
#include "platform/MessageBox.h"
#include "platform/PainterDC.h"

namespace {

constexpr int kPixelesPorPulgada = 96;
constexpr int kPasoLinea = 20;
// Room beyond the far edge of the drawing, as wide as the report's own margin.
constexpr int kMargen = 10;

// Draws the report in report pixels on a painter already placed and scaled.
void Draw(CSistema& sistema, QPainter& painter, bool printing) {
    CPainterDC dc(painter, kPixelesPorPulgada, printing);
    dc.SetMapMode(MM_TEXT);
    sistema.DrawReport(dc);
}

// A text's size as CPainterDC draws it: the same Qt font, Symbol text in Greek.
CSize TextSize(const CFont& fuente, const std::string& texto) {
    const QString q =
        fuente.face == "Symbol" ? CPainterDC::FromSymbol(texto) : QString::fromStdString(texto);
    const QFontMetricsF medidas(CPainterDC::ToQFont(fuente));
    return CSize{static_cast<int>(std::ceil(medidas.horizontalAdvance(q))),
                 static_cast<int>(std::ceil(medidas.height()))};
}

// A bounds-only pass of the report's own drawing. The same texts come again
// and again (cells, labels), so each is measured once per pass.
CBoundsDC Measure(CSistema& sistema) {
    auto medidos = std::make_shared<std::unordered_map<std::string, CSize>>();
    CBoundsDC dc(
        [medidos](const CFont& fuente, const std::string& texto) {
            const std::string clave = fuente.face + '\n' + std::to_string(fuente.height) + '\n' +
                                      std::to_string(fuente.weight) + (fuente.italic ? "i" : "") +
                                      '\n' + texto;
            const auto [it, nuevo] = medidos->try_emplace(clave);
            if (nuevo) {
                it->second = TextSize(fuente, texto);
            }
            return it->second;
        },
        kPixelesPorPulgada);
    dc.SetMapMode(MM_TEXT);
    sistema.DrawReport(dc);
    return dc;
}

}  // namespace

CTarnovelView::CTarnovelView(CSistema& sistema, QWidget* parent)
    : QAbstractScrollArea(parent), m_sistema(sistema) {
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    UpdateScrollBars();
}

void CTarnovelView::OnUpdate() {
    SetScrollSizes(ReportExtent(m_sistema));
    viewport()->update();
}

CSize CTarnovelView::ReportExtent(CSistema& sistema) {
    const CSize estimado = sistema.GetReportSize();
    const CSize dibujado = Measure(sistema).GetExtent();
    return CSize{std::max(estimado.cx, dibujado.cx + kMargen),
                 std::max(estimado.cy, dibujado.cy + kMargen)};
}

void CTarnovelView::SetScrollSizes(CSize total) {
    m_total = total;
    UpdateScrollBars();
}

void CTarnovelView::UpdateScrollBars() {
    const QSize visible = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, m_total.cx - visible.width()));
    horizontalScrollBar()->setPageStep(visible.width());
    horizontalScrollBar()->setSingleStep(kPasoLinea);
    verticalScrollBar()->setRange(0, std::max(0, m_total.cy - visible.height()));
    verticalScrollBar()->setPageStep(visible.height());
    verticalScrollBar()->setSingleStep(kPasoLinea);
}

void CTarnovelView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CTarnovelView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    // The report may leave out what falls outside the part being repainted.
    painter.setClipRect(event->rect());
    painter.fillRect(viewport()->rect(), Qt::white);
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    Draw(m_sistema, painter, false);
}

bool CTarnovelView::PrintReport(QPrinter& printer) {
    const std::vector<SPagina> paginas = Pages(m_sistema, PageSize(printer));
    const std::vector<std::size_t> orden = PrintOrder(paginas.size(), printer);
    if (orden.empty()) {
        // A range beyond the report's last page: nothing was asked for.
        return true;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        AfxMessageBox("Imposible iniciar la impresión.");
        return false;
    }
    for (std::size_t i = 0; i < orden.size(); ++i) {
        if (i > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        DrawPage(m_sistema, painter, printer, paginas[orden[i]]);
    }
    return painter.end();
}

std::vector<std::size_t> CTarnovelView::PrintOrder(std::size_t total, const QPrinter& printer) {
    // The dialog counts pages from 1.
    const QPageRanges pedidas =
        printer.printRange() == QPrinter::PageRange ? printer.pageRanges() : QPageRanges();
    std::vector<std::size_t> rango;
    for (std::size_t i = 0; i < total; ++i) {
        if (pedidas.isEmpty() || pedidas.contains(static_cast<int>(i) + 1)) {
            rango.push_back(i);
        }
    }
    if (printer.pageOrder() == QPrinter::LastPageFirst) {
        std::reverse(rango.begin(), rango.end());
    }
    // A printer that makes no copies of its own (a PDF file) gets them from us.
    const std::size_t copias = printer.supportsMultipleCopies()
                                   ? 1
                                   : static_cast<std::size_t>(std::max(printer.copyCount(), 1));
    std::vector<std::size_t> orden;
    if (printer.collateCopies()) {
        for (std::size_t c = 0; c < copias; ++c) {
            orden.insert(orden.end(), rango.begin(), rango.end());
        }
    } else {
        for (const std::size_t pagina : rango) {
            orden.insert(orden.end(), copias, pagina);
        }
    }
    return orden;
}

CSize CTarnovelView::PageSize(const QPaintDevice& device) {
    return CSize{device.width() * kPixelesPorPulgada / std::max(device.logicalDpiX(), 1),
                 device.height() * kPixelesPorPulgada / std::max(device.logicalDpiY(), 1)};
}

std::vector<CTarnovelView::SPagina> CTarnovelView::Pages(CSistema& sistema, CSize pagina) {
    const CBoundsDC medida = Measure(sistema);
    const int ancho = std::max(pagina.cx, 1);
    const int alto = std::max(pagina.cy, 1);
    std::vector<int> inicios{0};
    for (const int corte : medida.PageBreaks(alto)) {
        inicios.push_back(corte);
    }
    std::vector<SPagina> paginas;
    for (std::size_t fila = 0; fila < inicios.size(); ++fila) {
        const int arriba = inicios[fila];
        const int altoFila = fila + 1 < inicios.size() ? inicios[fila + 1] - arriba : alto;
        // Across only as far as this row of the report reaches.
        const int derecha = medida.GetRightEdge(arriba, arriba + altoFila);
        const int columnas = std::max(1, (derecha + ancho - 1) / ancho);
        for (int columna = 0; columna < columnas; ++columna) {
            paginas.push_back(SPagina{CPoint{columna * ancho, arriba}, CSize{ancho, altoFila}});
        }
    }
    return paginas;
}

void CTarnovelView::DrawPage(CSistema& sistema, QPainter& painter, const QPaintDevice& device,
                             const SPagina& pagina) {
    // The page origin is the corner of the printable area, as on the printers
    // the report was laid out for; only the scale changes.
    painter.save();
    painter.scale(static_cast<double>(device.logicalDpiX()) / kPixelesPorPulgada,
                  static_cast<double>(device.logicalDpiY()) / kPixelesPorPulgada);
    if (pagina.tamano.cx > 0 && pagina.tamano.cy > 0) {
        // What belongs to the next page across or down is printed there only.
        painter.setClipRect(QRect(0, 0, pagina.tamano.cx, pagina.tamano.cy));
    }
    painter.translate(-pagina.origen.x, -pagina.origen.y);
    Draw(sistema, painter, true);
    painter.restore();
}

bool CTarnovelView::OnFilePrint(QPrinter& printer) {
    QPrintDialog dialogo(&printer, this);
    dialogo.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialogo.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    // The page range stays on, so that the dialog hands it to PrintReport: with
    // it off, Qt passes the range to a CUPS server only, and a PDF file got
    // every page.
    if (dialogo.exec() != QDialog::Accepted) {
        return false;
    }
    return PrintReport(printer);
}

void CTarnovelView::OnFilePrintPreview(QPrinter& printer) {
    // The preview shows the whole report once, whatever the last print asked.
    printer.setPrintRange(QPrinter::AllPages);
    printer.setPageOrder(QPrinter::FirstPageFirst);
    printer.setCopyCount(1);
    QPrintPreviewDialog vista(&printer, this);
    // Its tool bar takes no focus and has no keys: Tab reaches the buttons, and
    // printing, paging and zooming take the usual keys.
    for (QToolButton* boton : vista.findChildren<QToolButton*>()) {
        boton->setFocusPolicy(Qt::TabFocus);
    }
    const std::pair<const char*, QKeySequence> teclas[] = {
        {"Print", QKeySequence::Print},
        {"Next page", QKeySequence::MoveToNextPage},
        {"Previous page", QKeySequence::MoveToPreviousPage},
        {"Zoom in", QKeySequence::ZoomIn},
        {"Zoom out", QKeySequence::ZoomOut}};
    for (QAction* accion : vista.findChildren<QAction*>()) {
        for (const auto& [texto, tecla] : teclas) {
            if (accion->text() == QCoreApplication::translate("QPrintPreviewDialog", texto)) {
                accion->setShortcut(tecla);
            }
        }
    }
    connect(&vista, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* p) { PrintReport(*p); });
    vista.exec();
}
