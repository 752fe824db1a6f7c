#pragma once
// The drawing interface that the report paints on. It keeps the device-context
// conventions the report was laid out for: MM_TEXT pixels with y growing
// downwards, text placed by its top-left corner, counter-clockwise arcs given by
// a bounding box and two rays, fonts sized in tenths of a point for the device.
// The screen, the print preview and the printer use the QPainter implementation;
// tests use the recording one.

#include <cstdint>
#include <string>

using COLORREF = std::uint32_t;

constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(COLORREF c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

constexpr int MM_TEXT = 1;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;

struct CPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const CPoint&, const CPoint&) = default;
};

struct CSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const CSize&, const CSize&) = default;
};

// Right and bottom are excluded, as with GDI rectangles.
struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const CRect&, const CRect&) = default;
};

class CDC;

// A logical font. As with GDI, a negative height is the character height
// (without internal leading) in logical units.
struct CFont {
    std::string face;
    int height = 0;
    int weight = 400;
    bool italic = false;

    // Sizes the font for the device, as the framework does: tenths of a point
    // times the device's vertical resolution over 720, rounded.
    static CFont CreatePointFont(int pointSizeTenths, std::string face, const CDC& dc);

    friend bool operator==(const CFont&, const CFont&) = default;
};

struct CPen {
    enum Style { Solid = 0, Dash = 1, Dot = 2, Null = 5 };
    Style style = Solid;
    int width = 1;
    COLORREF color = RGB(0, 0, 0);
    friend bool operator==(const CPen&, const CPen&) = default;
};

struct CBrush {
    COLORREF color = RGB(255, 255, 255);
    bool hollow = false;
    friend bool operator==(const CBrush&, const CBrush&) = default;
};

class CDC {
public:
    virtual ~CDC() = default;

    // Returns the previous mapping mode. Only MM_TEXT is used.
    virtual int SetMapMode(int mode) = 0;
    // LOGPIXELSX or LOGPIXELSY of the device.
    virtual int GetDeviceCaps(int index) const = 0;

    // Returns the previous current position.
    virtual CPoint MoveTo(int x, int y) = 0;
    // Draws from the current position to (x, y), which becomes the current position.
    virtual void LineTo(int x, int y) = 0;
    // Text in UTF-8, placed by the top-left corner of its cell.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    // Outlined with the pen, filled with the brush, inside the bounding box.
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    // The arc of the ellipse in the bounding box, counter-clockwise from the ray
    // towards (xStart, yStart) to the ray towards (xEnd, yEnd).
    virtual void Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
                     int yEnd) = 0;

    // Each returns the object that was selected before, so that the caller can
    // select it back.
    virtual CFont SelectObject(const CFont& font) = 0;
    virtual CPen SelectObject(const CPen& pen) = 0;
    virtual CBrush SelectObject(const CBrush& brush) = 0;

    virtual bool IsPrinting() const { return false; }

    // The smallest box, in logical units, around what drawing can reach on the
    // device. A drawing may leave out what falls wholly outside it; a device
    // that does not clip reaches everything.
    virtual CRect GetClipBox() const;
};
