#include "platform/DialogUnits.h"

QRect CDialogUnits::ToPixels(int x, int y, int width, int height) {
    const int left = X(x);
    const int top = Y(y);
    return QRect(left, top, X(x + width) - left, Y(y + height) - top);
}
