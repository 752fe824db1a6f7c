#pragma once
// A drawing device that draws nothing and keeps only how far the drawing
// reaches, as GDI's bounds accumulation does: the right and bottom edges of
// every line, figure and text, a text measured in the font in effect by the
// caller's measure. It also keeps the rows that texts take, so that a page can
// end between two rows instead of cutting one in half, and how far right each
// pixel row of the drawing reaches, so that no page is printed blank. Much
// cheaper than recording every call, so a whole report can be measured on every
// update.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/DC.h"

class CBoundsDC : public CDC {
public:
    // The width and height of a text drawn in a font, in logical units.
    using TextMeasure = std::function<CSize(const CFont& font, const std::string& text)>;

    explicit CBoundsDC(TextMeasure medir, int logPixelsY = 96);

    int SetMapMode(int mode) override;
    int GetDeviceCaps(int index) const override;
    CPoint MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, const std::string& text) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
             int yEnd) override;
    CFont SelectObject(const CFont& font) override;
    CPen SelectObject(const CPen& pen) override;
    CBrush SelectObject(const CBrush& brush) override;

    // The bottom-right corner of everything drawn, seen from the origin;
    // (0, 0) when nothing was drawn.
    CSize GetExtent() const { return m_extremo; }
    // How far right the drawing reaches from `top` down to just above
    // `bottom`: a page row takes only the pages across that it fills.
    int GetRightEdge(int top, int bottom) const;
    // Where each page after the first begins, for pages `alto` high that
    // together hold the whole extent: a page ends before a row of text that it
    // would cut, unless that row starts the page.
    std::vector<int> PageBreaks(int alto) const;

private:
    void Include(int top, int right, int bottom);

    TextMeasure m_medir;
    int m_nPixelesY;
    int m_nModo = MM_TEXT;
    CPoint m_posicion;
    CFont m_fuente;
    CPen m_pluma;
    CBrush m_brocha;
    CSize m_extremo;
    // Top and bottom of every text drawn.
    std::vector<std::pair<int, int>> m_filas;
    // The right edge reached in each pixel row, from the top. Exact to the row:
    // with coarser bands, a wide line just below a page's bottom edge gave
    // that page's row blank pages across.
    std::vector<int> m_derechas;
};
