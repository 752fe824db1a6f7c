#pragma once
// The report view: a scrolling view that owns no data and, on every paint,
// has the system draw the whole report (CSistema::DrawReport) through a
// CPainterDC. OnUpdate takes the new extent and repaints: the system's
// estimate (CSistema::GetReportSize), grown to what the report really draws,
// measured once per update by a bounds-only pass of the same drawing.
// Printing and the print preview draw the same report at screen scale (one
// report pixel is 1/96 inch on paper, whatever the printer's resolution, so
// that the point-sized fonts and the pixel layout keep their proportions) over
// as many pages as it needs: rows of pages down, each row across as far as
// that part of the report reaches; a page ends between two rows of text.

#include <QAbstractScrollArea>
#include <vector>

#include "platform/DC.h"

class CSistema;
class QPaintDevice;
class QPainter;
class QPrinter;

class CTarnovelView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CTarnovelView(CSistema& sistema, QWidget* parent = nullptr);

    // The extent scrolled over, in report pixels.
    CSize GetTotalSize() const { return m_total; }

    void OnInitialUpdate() { OnUpdate(); }
    // New extent (ReportExtent), then a full repaint.
    void OnUpdate();

    // "&Imprimir...": the print dialog, then every page. false when cancelled
    // or the printer could not be started (the user has been told).
    bool OnFilePrint(QPrinter& printer);
    // "&Presentación preliminar": the preview of every page.
    void OnFilePrintPreview(QPrinter& printer);
    // Prints without asking the pages that the printer's settings ask for (see
    // PrintOrder). false when the printer could not start.
    bool PrintReport(QPrinter& printer);
    // Which of the report's pages, counted from 0, go to the printer and in what
    // order: the print dialog's page range, its page order, and the copies that
    // a printer which makes none of its own (a PDF file) needs to be sent.
    static std::vector<std::size_t> PrintOrder(std::size_t total, const QPrinter& printer);

    // The extent to scroll over: the estimate, grown to the drawing plus a margin.
    static CSize ReportExtent(CSistema& sistema);
    // The part of the report on one printed page, in report pixels.
    struct SPagina {
        CPoint origen;
        CSize tamano;
    };
    // The pages, in printing order, that hold the whole report on pages of the
    // given size in report pixels.
    static std::vector<SPagina> Pages(CSistema& sistema, CSize pagina);
    // A page of the device in report pixels.
    static CSize PageSize(const QPaintDevice& device);
    // Draws one page of the report on the device at screen scale: one report
    // pixel is 1/96 inch, whatever the device's resolution. A page without a
    // size is the report from its origin, unclipped.
    static void DrawPage(CSistema& sistema, QPainter& painter, const QPaintDevice& device,
                         const SPagina& pagina = {});

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void SetScrollSizes(CSize total);
    void UpdateScrollBars();

    CSistema& m_sistema;
    CSize m_total{487, 787};
};
