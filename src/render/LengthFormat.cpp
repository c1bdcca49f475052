#include "render/LengthFormat.h"

#include <cstdio>

namespace layrail {

std::string formatLength(double mm, LengthUnit unit)
{
    char buffer[64];
    switch (unit) {
    case LengthUnit::Centimetres:
        std::snprintf(buffer, sizeof buffer, "%.1f cm", mm / 10.0);
        break;
    case LengthUnit::Inches:
        std::snprintf(buffer, sizeof buffer, "%.2f\"", mm / 25.4);
        break;
    default:
        std::snprintf(buffer, sizeof buffer, "%.0f mm", mm);
        break;
    }
    return buffer;
}

} // namespace layrail
