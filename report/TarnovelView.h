#pragma once
// The report view: a scrolling view that owns no data and, on every paint,
// has the system draw the whole report (CSistema::DrawReport) through a
// CPainterDC. OnUpdate takes the new extent from CSistema::GetReportSize and
// repaints. Printing and the print preview draw the same report on one page,
// at screen scale: one report pixel is 1/96 inch on paper, whatever the
// printer's resolution, so that the point-sized fonts and the pixel layout
// keep their proportions.

#include <QAbstractScrollArea>

#include "platform/DC.h"

class CSistema;
class QPaintDevice;
class QPainter;
class QPrinter;

class CTarnovelView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CTarnovelView(CSistema& sistema, QWidget* parent = nullptr);

    CSistema& GetSistema() const { return m_sistema; }
    // The extent scrolled over, in report pixels.
    CSize GetTotalSize() const { return m_total; }

    void OnInitialUpdate() { OnUpdate(); }
    // New extent from the system, then a full repaint.
    void OnUpdate();

    // "&Imprimir...": the print dialog, then one page. false when cancelled or
    // the printer could not be started (the user has been told).
    bool OnFilePrint(QPrinter& printer);
    // "&Presentación preliminar": the preview of that page.
    void OnFilePrintPreview(QPrinter& printer);
    // Prints the page without asking. false when the printer could not start.
    bool PrintReport(QPrinter& printer);
    // Draws the report on a page of the device at screen scale: one report
    // pixel is 1/96 inch, whatever the device's resolution.
    static void DrawPage(CSistema& sistema, QPainter& painter, const QPaintDevice& device);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void SetScrollSizes(CSize total);
    void UpdateScrollBars();

    CSistema& m_sistema;
    CSize m_total{487, 787};
};
