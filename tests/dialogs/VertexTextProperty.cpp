#include "dialogs/VertexTextProperty.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "dialogs/BaseboardOutline.h"
#include "document/LengthUnits.h"

namespace layrail::test {

namespace {

std::string pointText(const Point& p)
{
    char text[96];
    std::snprintf(text, sizeof text, "(%.17g, %.17g)", p.x, p.y);
    return text;
}

std::string unitFailure(const std::string& text, LengthUnit unit)
{
    const std::string in = std::string(" (in ") + unitShortName(unit) + ")";
    const VertexText parsed = parseVertexText(text, unit);
    // The conversion to mm and back may move the last bit.
    const double largest = largestVertexValue(unit) * (1 + 1e-15);
    for (const Point& v : parsed.vertices)
        if (!std::isfinite(v.x) || !std::isfinite(v.y) || std::fabs(toDisplayUnit(v.x, unit)) > largest ||
            std::fabs(toDisplayUnit(v.y, unit)) > largest)
            return "read the vertex " + pointText(v) + " beyond the largest coordinate" + in;

    // The reader counts a line after the last line feed, even an empty one.
    const size_t lines = static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    if (parsed.vertices.size() + parsed.errors.size() > lines)
        return "more vertices and errors than lines" + in;
    size_t previous = 0;
    for (const std::string& error : parsed.errors) {
        unsigned long number = 0;
        int length = 0;
        if (std::sscanf(error.c_str(), "Line %lu: %n", &number, &length) != 1 || length == 0 || number <= previous ||
            number > lines)
            return "the error \"" + error + "\" names no line in order" + in;
        previous = number;
    }
    if (parsed.vertices.empty())
        return {};

    const std::string shown = initialVertexText(parsed.vertices, unit);
    const VertexText again = parseVertexText(shown, unit);
    if (!again.errors.empty())
        return "the text shown for the vertices read is refused: " + again.errors.front() + in;
    if (again.vertices.size() != parsed.vertices.size())
        return "the text shown for " + std::to_string(parsed.vertices.size()) + " vertices reads back " +
               std::to_string(again.vertices.size()) + in;
    // "%.2f" rounds to half a hundredth of the unit; the slack covers the conversions to mm and back.
    const double precision = 0.005 + 1e-9;
    for (size_t i = 0; i < again.vertices.size(); ++i) {
        const Point& a = parsed.vertices[i];
        const Point& b = again.vertices[i];
        const double scale = 1e-12 * std::max({1.0, std::fabs(a.x), std::fabs(a.y)});
        if (std::fabs(toDisplayUnit(a.x - b.x, unit)) > precision + scale ||
            std::fabs(toDisplayUnit(a.y - b.y, unit)) > precision + scale)
            return "the vertex " + pointText(a) + " reads back as " + pointText(b) + in;
    }
    if (initialVertexText(again.vertices, unit) != shown)
        return "the vertices read back show as another text" + in;
    return {};
}

} // namespace

std::string vertexTextFailure(const std::string& text)
{
    for (LengthUnit unit : {LengthUnit::Millimetres, LengthUnit::Centimetres, LengthUnit::Inches}) {
        const std::string failure = unitFailure(text, unit);
        if (!failure.empty())
            return failure;
    }
    return {};
}

} // namespace layrail::test
