#include "platform/DC.h"

#include <cstdlib>
#include <limits>

CFont CFont::CreatePointFont(int pointSizeTenths, std::string face, const CDC& dc) {
    // MulDiv rounds half away from zero.
    const long long num = static_cast<long long>(dc.GetDeviceCaps(LOGPIXELSY)) * pointSizeTenths;
    const long long rounded = (num >= 0 ? num + 360 : num - 360) / 720;
    CFont font;
    font.face = std::move(face);
    font.height = -static_cast<int>(std::llabs(rounded));
    return font;
}

CRect CDC::GetClipBox() const {
    // Half the range, so that a drawing may add its offsets without overflow.
    constexpr int kLejos = std::numeric_limits<int>::max() / 2;
    return CRect{-kLejos, -kLejos, kLejos, kLejos};
}
