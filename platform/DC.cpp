#include "platform/DC.h"

#include <cstdlib>

CFont CFont::CreatePointFont(int pointSizeTenths, std::string face, const CDC& dc) {
    // MulDiv rounds half away from zero.
    const long long num = static_cast<long long>(dc.GetDeviceCaps(LOGPIXELSY)) * pointSizeTenths;
    const long long rounded = (num >= 0 ? num + 360 : num - 360) / 720;
    CFont font;
    font.face = std::move(face);
    font.height = -static_cast<int>(std::llabs(rounded));
    return font;
}
