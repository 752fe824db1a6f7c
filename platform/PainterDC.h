#pragma once
// CDC on a QPainter: the screen view, the print preview and the printer all
// draw the report through this class.
//
// Conventions kept from the device contexts the report was laid out for:
// MM_TEXT (one logical unit = one pixel of the painter's logical coordinates,
// y downwards); lines, ellipses and arcs with the selected pen (solid, dashed,
// dotted or none; width 0 or 1 draws one pixel); ellipses filled with the
// selected brush; Arc counter-clockwise from the ray towards its start point to
// the ray towards its end point, the full ellipse when both rays coincide;
// TextOut placed by the top-left corner of the text cell, black, on an opaque
// white cell; fonts sized by CFont::CreatePointFont for GetDeviceCaps(LOGPIXELSY)
// of this DC. Defaults as a fresh device context: black pen, white brush,
// the system font (bold, 16 pixels).
//
// Printing: construct with the painter already scaled so that one logical unit
// is 1/logPixels inch on paper, and logPixels = 96; the report then prints at
// screen size and its fonts in the same logical pixels.
//
// "Symbol" text is Symbol-encoded (S is Σ, P is Π, ...): it is translated to
// Unicode Greek and drawn in an ordinary sans-serif font, because a Symbol
// font is not found on every machine and Unicode Greek drawn with one shows
// nothing.
//
// The painter's state is saved on construction and restored on destruction.

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <unordered_map>
#include <vector>

#include "platform/DC.h"

class QPainter;

class CPainterDC : public CDC {
public:
    explicit CPainterDC(QPainter& painter, int logPixels = 96, bool printing = false);
    ~CPainterDC() override;
    CPainterDC(const CPainterDC&) = delete;
    CPainterDC& operator=(const CPainterDC&) = delete;

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
    bool IsPrinting() const override { return m_bImprimiendo; }
    // The painter's clip, or without one its device's area, in its logical
    // coordinates.
    CRect GetClipBox() const override;

    // Symbol-encoded text to Unicode (letters to Greek, a few signs to their
    // mathematical counterparts; digits and the rest unchanged).
    static QString FromSymbol(const std::string& text);
    // The Qt font that stands for a logical font on this kind of device.
    static QFont ToQFont(const CFont& font);

private:
    void ApplyPen();
    // The clip box as the painter has it when this is made.
    CRect PainterClipBox() const;
    // Whether a figure within this box, drawn with the current pen, would paint
    // nothing: a page of a long report then carries only its own figures.
    bool OutsideClip(int left, int top, int right, int bottom) const;
    // The Qt font of m_fuente and its measures on this device. The last few
    // fonts are kept, since a drawing goes back and forth between two or three.
    struct FuenteQt {
        CFont fuente;
        QFont qt;
        QFontMetricsF medidas;
        // The widths of the texts drawn in it: a report repeats most of them.
        std::unordered_map<std::string, qreal> anchos;
    };
    FuenteQt& CurrentQtFont();
    qreal TextWidth(FuenteQt& fuente, const std::string& text, const QString& texto);

    QPainter& m_painter;
    int m_nLogPixels;
    bool m_bImprimiendo;
    int m_nMapMode = MM_TEXT;
    CPoint m_posicion;
    CRect m_recorte;
    CFont m_fuente;
    std::vector<FuenteQt> m_fuentesQt;  // the latest last
    CPen m_pluma;
    CBrush m_pincel;
};
