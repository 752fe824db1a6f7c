#pragma once
// Dialog units to pixels. The dialog templates give every control's place in
// dialog units of their font, MS Sans Serif 8, whose base units at 96 dpi are
// 6 pixels across and 13 down: x pixels = x * 6 / 4, y pixels = y * 13 / 8.
// The font is given in points, so at another logical resolution (large fonts
// without scaling) it takes more or fewer pixels, and the base units follow it
// in proportion, or the texts would outgrow their controls.
// Usage: widget->setGeometry(CDialogUnits::ToPixels(110, 44, 20, 12, widget->logicalDpiY()));

#include <QRect>
#include <QSize>

class CDialogUnits {
public:
    static constexpr int kBaseX = 6;
    static constexpr int kBaseY = 13;
    static constexpr int kDpiBase = 96;

    static constexpr int X(int dlu, int dpi = kDpiBase) {
        return dlu * kBaseX * dpi / (4 * kDpiBase);
    }
    static constexpr int Y(int dlu, int dpi = kDpiBase) {
        return dlu * kBaseY * dpi / (8 * kDpiBase);
    }
    // A rectangle given as x, y, width and height in dialog units. The far edges
    // are converted, not the extents, so that neighbouring controls still meet.
    static QRect ToPixels(int x, int y, int width, int height, int dpi = kDpiBase);
    static QSize ToPixels(int width, int height, int dpi = kDpiBase) {
        return QSize(X(width, dpi), Y(height, dpi));
    }
};
