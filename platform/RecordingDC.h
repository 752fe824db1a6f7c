#pragma once
// A drawing device that paints nothing and keeps every call instead: the mapping
// mode, each move, line, text, ellipse and arc with its coordinates and the font,
// pen and brush in effect when it was made, and each object selection. The
// report's geometry is asserted against what it recorded.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DC.h"

// One recorded call. Which fields carry meaning depends on the kind:
// MoveTo: `to`; LineTo: `from` (the current position) and `to`;
// TextOut: `to` and `text`; Ellipse and Arc: `box` (left, top, right, bottom),
// Arc also `from` (start ray) and `to` (end ray); SetMapMode: `mode`;
// the selections: the object selected, which is then also the one in effect.
struct DrawCall {
    enum class Kind { SetMapMode, MoveTo, LineTo, TextOut, Ellipse, Arc, Font, Pen, Brush };
    Kind kind = Kind::MoveTo;
    CPoint from;
    CPoint to;
    int box[4] = {0, 0, 0, 0};
    std::string text;
    int mode = 0;
    CFont font;
    CPen pen;
    CBrush brush;
};

// A straight segment drawn by LineTo.
struct DrawnLine {
    CPoint from;
    CPoint to;
    friend bool operator==(const DrawnLine&, const DrawnLine&) = default;
};

class CRecordingDC : public CDC {
public:
    // The font a fresh device context carries before anything is selected.
    static CFont DefaultFont() { return CFont{"System", 16, 700, false}; }

    explicit CRecordingDC(int logPixelsY = 96);

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
    void SetPrinting(bool printing) { m_bImprimiendo = printing; }
    // Everything, unless a test narrows it as a paint of part of a window does.
    CRect GetClipBox() const override { return m_recorte.value_or(CDC::GetClipBox()); }
    void SetClipBox(const CRect& box) { m_recorte = box; }

    // ---- queries ----
    const std::vector<DrawCall>& Calls() const { return m_llamadas; }
    void Clear() { m_llamadas.clear(); }
    // The calls of one kind, in drawing order.
    std::vector<DrawCall> CallsOf(DrawCall::Kind kind) const;
    // Every TextOut, in drawing order.
    std::vector<DrawCall> Texts() const { return CallsOf(DrawCall::Kind::TextOut); }
    // Only the strings of the TextOut calls, in drawing order.
    std::vector<std::string> TextStrings() const;
    // The first TextOut with exactly this text, or null.
    const DrawCall* FindText(std::string_view text) const;
    // The first TextOut at this point, or null.
    const DrawCall* TextAt(int x, int y) const;
    // Every LineTo as a segment, in drawing order.
    std::vector<DrawnLine> Lines() const;
    // Whether a segment joins the two points, drawn in either direction.
    bool HasLine(CPoint a, CPoint b) const;
    int MapMode() const { return m_nModo; }
    const CFont& CurrentFont() const { return m_fuente; }
    const CPen& CurrentPen() const { return m_pluma; }
    const CBrush& CurrentBrush() const { return m_brocha; }
    CPoint CurrentPosition() const { return m_posicion; }

private:
    DrawCall Nueva(DrawCall::Kind kind) const;

    int m_nPixelesY;
    int m_nModo = MM_TEXT;
    bool m_bImprimiendo = false;
    std::optional<CRect> m_recorte;
    CPoint m_posicion;
    CFont m_fuente = DefaultFont();
    CPen m_pluma;
    CBrush m_brocha;
    std::vector<DrawCall> m_llamadas;
};
