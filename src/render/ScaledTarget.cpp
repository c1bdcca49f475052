#include "render/ScaledTarget.h"

#include <algorithm>
#include <cmath>

namespace layrail {

FontSpec ScaledTarget::scaled(const FontSpec& font) const
{
    FontSpec out = font;
    if (fontScale_ != 1.0 && std::isfinite(fontScale_) && fontScale_ > 0.0)
        out.size = std::max(1, static_cast<int>(std::lround(font.size * fontScale_)));
    return out;
}

} // namespace layrail
