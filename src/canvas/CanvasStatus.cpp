#include "canvas/CanvasStatus.h"

#include <cstdio>

namespace layrail {

namespace {

constexpr const char* kElevationPromptMark = "\xE2\x96\xB2"; // U+25B2, UTF-8

std::string format(const char* pattern, double a, double b)
{
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, pattern, a, b);
    return buffer;
}

} // namespace

std::string pointerStatusText(double x, double y, LengthUnit unit)
{
    switch (unit) {
    case LengthUnit::Centimetres:
        return format("%.1f cm,  %.1f cm", x / 10.0, y / 10.0);
    case LengthUnit::Inches:
        return format("%.2f in,  %.2f in", x / 25.4, y / 25.4);
    case LengthUnit::Millimetres:
        break;
    }
    return format("%.0f mm,  %.0f mm", x, y);
}

std::string elevationStatusText(const Layout& layout, const std::string& current)
{
    if (layout.gradeRuns.empty()) {
        if (current.rfind(kElevationPromptMark, 0) == 0)
            return "Ready";
        return current;
    }
    std::string text = "[ELEV]";
    for (const GradeRun& run : layout.gradeRuns) {
        char buffer[48];
        std::snprintf(buffer, sizeof buffer, " %.1f deg", run.angle);
        text += buffer;
    }
    return text + "  (right-click piece to stop)";
}

} // namespace layrail
