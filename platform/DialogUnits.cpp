#include "platform/DialogUnits.h"

QRect CDialogUnits::ToPixels(int x, int y, int width, int height, int dpi) {
    const int left = X(x, dpi);
    const int top = Y(y, dpi);
    return QRect(left, top, X(x + width, dpi) - left, Y(y + height, dpi) - top);
}
