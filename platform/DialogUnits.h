#pragma once
// Dialog units to pixels. The dialog templates give every control's place in
// dialog units of their font, MS Sans Serif 8, whose base units at 96 dpi are
// 6 pixels across and 13 down: x pixels = x * 6 / 4, y pixels = y * 13 / 8.
// Usage: widget->setGeometry(CDialogUnits::ToPixels(110, 44, 20, 12));

#include <QRect>
#include <QSize>

class CDialogUnits {
public:
    static constexpr int kBaseX = 6;
    static constexpr int kBaseY = 13;

    static constexpr int X(int dlu) { return dlu * kBaseX / 4; }
    static constexpr int Y(int dlu) { return dlu * kBaseY / 8; }
    // A rectangle given as x, y, width and height in dialog units. The far edges
    // are converted, not the extents, so that neighbouring controls still meet.
    static QRect ToPixels(int x, int y, int width, int height);
    static QSize ToPixels(int width, int height) { return QSize(X(width), Y(height)); }
};
