#include "report/TarnovelView.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScrollBar>
#include <algorithm>

#include "logic/Sistema.h"
#include "platform/MessageBox.h"
#include "platform/PainterDC.h"

namespace {

constexpr int kPixelesPorPulgada = 96;
constexpr int kPasoLinea = 20;

// Draws the report in report pixels on a painter already placed and scaled.
void Draw(CSistema& sistema, QPainter& painter, bool printing) {
    CPainterDC dc(painter, kPixelesPorPulgada, printing);
    dc.SetMapMode(MM_TEXT);
    sistema.DrawReport(dc);
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
    SetScrollSizes(m_sistema.GetReportSize());
    viewport()->update();
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
    QPainter painter;
    if (!painter.begin(&printer)) {
        AfxMessageBox("Imposible iniciar la impresión.");
        return false;
    }
    DrawPage(m_sistema, painter, printer);
    return painter.end();
}

void CTarnovelView::DrawPage(CSistema& sistema, QPainter& painter, const QPaintDevice& device) {
    // The page origin is the corner of the printable area, as on the printers
    // the report was laid out for; only the scale changes.
    painter.save();
    painter.scale(static_cast<double>(device.logicalDpiX()) / kPixelesPorPulgada,
                  static_cast<double>(device.logicalDpiY()) / kPixelesPorPulgada);
    Draw(sistema, painter, true);
    painter.restore();
}

bool CTarnovelView::OnFilePrint(QPrinter& printer) {
    QPrintDialog dialogo(&printer, this);
    dialogo.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialogo.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialogo.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialogo.exec() != QDialog::Accepted) {
        return false;
    }
    return PrintReport(printer);
}

void CTarnovelView::OnFilePrintPreview(QPrinter& printer) {
    QPrintPreviewDialog vista(&printer, this);
    connect(&vista, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* p) { PrintReport(*p); });
    vista.exec();
}
