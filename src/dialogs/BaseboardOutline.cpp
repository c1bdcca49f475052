#include "dialogs/BaseboardOutline.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

#include "document/EditSnapshot.h"
#include "document/LengthUnits.h"

namespace layrail {

namespace {

constexpr int kSmallestDimension = 1;
constexpr int kLargestDimension = 99000;

const std::array<BaseboardShapeInfo, kBaseboardShapeCount>& shapeTable()
{
    static const std::array<BaseboardShapeInfo, kBaseboardShapeCount> table{{
        {"Rectangle",
         "Simple rectangular baseboard:",
         {{"Width (left to right):", 2400}, {"Depth (top to bottom):", 1200}}},
        {"L-Shape",
         "L-Shape: full rectangle minus bottom-right corner.\nW1/H1 = full size,  W2/H2 = cutout (bottom-right).",
         {{"Full width  W1:", 2400},
          {"Full depth  H1:", 2400},
          {"Cutout width  W2:", 1200},
          {"Cutout depth  H2:", 1200}}},
        {"U-Shape",
         "U-Shape: rectangle with notch cut from bottom centre.\nW/H = outer size,  W2/H2 = notch (centred on bottom).",
         {{"Outer width  W:", 3600},
          {"Outer depth  H:", 2400},
          {"Notch width  W2:", 1200},
          {"Notch depth  H2:", 1200}}},
        {"T-Shape",
         "T-Shape: wide top bar plus narrower stem below.\nW/H1 = top bar,  W2/H2 = stem (centred).",
         {{"Top width  W:", 3600}, {"Top depth  H1:", 1200}, {"Stem width  W2:", 1200}, {"Stem depth  H2:", 1200}}},
        {"Custom polygon (vertices)",
         "Enter polygon vertices as  x,y  pairs, one per line.\nValues are in the unit selected above.\nExample "
         "(mm):  0,0  /  2400,0  /  2400,1200  /  0,1200",
         {}},
        {"Free-form (draw on canvas)",
         "Click OK and then click vertices on the canvas to outline the baseboard.\nClose the shape by clicking near "
         "the first vertex or pressing Enter.\nBackspace removes the last vertex; Escape cancels.",
         {}},
        {"Clear (no baseboard)", "Remove the baseboard outline from the canvas.", {}},
    }};
    return table;
}

// The stored dimensions in row order: W, H, W2, H2.
std::array<double, 4> storedDimensions(const LastShape& last)
{
    return {last.width, last.height, last.width2, last.height2};
}

int roundedInUnit(double mm, LengthUnit unit)
{
    const double value = std::round(toDisplayUnit(mm, unit));
    return static_cast<int>(std::clamp(value, double{kSmallestDimension}, double{kLargestDimension}));
}

// A whole field as a decimal number (blanks were already removed), locale-free.
bool readCoordinate(const std::string& field, double& value)
{
    const char* first = field.data();
    const char* last = field.data() + field.size();
    if (first != last && *first == '+')
        ++first;
    if (first == last || *first == '+')
        return false;
    double parsed = 0.0;
    const auto result = std::from_chars(first, last, parsed, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

std::string lineError(int lineNumber, const std::string& line, const char* what)
{
    return "Line " + std::to_string(lineNumber) + ": \"" + line + "\" " + what;
}

} // namespace

const BaseboardShapeInfo& baseboardShapeInfo(BaseboardShape shape) { return shapeTable()[static_cast<size_t>(shape)]; }

BaseboardShape lastBaseboardShape(const Layout& layout)
{
    const int id = layout.baseboard.lastShape.id;
    return id >= 0 && id < kBaseboardShapeCount ? static_cast<BaseboardShape>(id) : BaseboardShape::Rectangle;
}

std::vector<int> initialDimensions(const LastShape& last, BaseboardShape shape, LengthUnit unit)
{
    const std::vector<DimensionRow>& rows = baseboardShapeInfo(shape).rows;
    const bool stored = last.id == static_cast<int>(shape);
    const std::array<double, 4> dims = storedDimensions(last);
    std::vector<int> values;
    for (size_t i = 0; i < rows.size(); ++i)
        values.push_back(roundedInUnit(stored ? dims[i] : rows[i].defaultMillimetres, unit));
    return values;
}

std::vector<Point> rectangleOutline(double width, double depth)
{
    return {{0, 0}, {width, 0}, {width, depth}, {0, depth}};
}

std::vector<Point> lShapeOutline(double w1, double h1, double w2, double h2)
{
    const double w = std::min(w2, w1 - 1.0);
    const double h = std::min(h2, h1 - 1.0);
    return {{0, 0}, {w1, 0}, {w1, h1 - h}, {w1 - w, h1 - h}, {w1 - w, h1}, {0, h1}};
}

std::vector<Point> uShapeOutline(double w, double h, double w2, double h2)
{
    const double nw = std::min(w2, w - 2.0);
    const double nh = std::min(h2, h - 1.0);
    return {{0, 0},
            {w, 0},
            {w, h},
            {(w + nw) / 2.0, h},
            {(w + nw) / 2.0, h - nh},
            {(w - nw) / 2.0, h - nh},
            {(w - nw) / 2.0, h},
            {0, h}};
}

std::vector<Point> tShapeOutline(double w, double h1, double w2, double h2)
{
    const double sw = std::min(w2, w);
    const double s = std::max(1.0, h2);
    return {{0, 0},
            {w, 0},
            {w, h1},
            {(w + sw) / 2.0, h1},
            {(w + sw) / 2.0, h1 + s},
            {(w - sw) / 2.0, h1 + s},
            {(w - sw) / 2.0, h1},
            {0, h1}};
}

double largestVertexValue(LengthUnit unit)
{
    return std::ceil(toDisplayUnit(kLargestVertexCoordinate, unit) * 100.0) / 100.0;
}

VertexText parseVertexText(const std::string& text, LengthUnit unit)
{
    // Compared in the unit typed: printing rounds monotonically, so a coordinate within this limit
    // shows as one within it.
    const double largest = largestVertexValue(unit);
    VertexText out;
    size_t start = 0;
    int lineNumber = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        ++lineNumber;
        std::string raw = text.substr(start, end - start);
        start = end + 1;
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        std::string line;
        for (char c : raw)
            if (c != ' ' && c != '\t')
                line += c;
        const size_t comma = line.find(',');
        if (line.empty() || comma == std::string::npos)
            continue;
        double x = 0.0;
        double y = 0.0;
        if (!readCoordinate(line.substr(0, comma), x) || !readCoordinate(line.substr(comma + 1), y)) {
            out.errors.push_back(lineError(lineNumber, raw, "is not a pair of numbers x,y."));
            continue;
        }
        if (std::fabs(x) > largest || std::fabs(y) > largest) {
            out.errors.push_back(lineError(lineNumber, raw, "lies more than a kilometre from the origin."));
            continue;
        }
        out.vertices.push_back({fromDisplayUnit(x, unit), fromDisplayUnit(y, unit)});
    }
    return out;
}

std::string initialVertexText(const std::vector<Point>& vertices, LengthUnit unit)
{
    char line[128];
    std::string text;
    if (vertices.empty()) {
        const double l = toDisplayUnit(1200.0, unit);
        std::snprintf(line, sizeof line, "0,0\n%.0f,0\n%.0f,%.0f\n0,%.0f\n", 2 * l, 2 * l, l, l);
        return line;
    }
    // A vertex of an opened file may lie far beyond what can be typed here; its line is printed whole
    // however long, so it never runs into the next one.
    for (const Point& v : vertices) {
        const double x = toDisplayUnit(v.x, unit);
        const double y = toDisplayUnit(v.y, unit);
        const int length = std::snprintf(nullptr, 0, "%.2f,%.2f\n", x, y);
        if (length <= 0)
            continue;
        std::string vertexLine(static_cast<size_t>(length) + 1, '\0');
        std::snprintf(vertexLine.data(), vertexLine.size(), "%.2f,%.2f\n", x, y);
        vertexLine.pop_back();
        text += vertexLine;
    }
    return text;
}

BaseboardResult applyBaseboardShape(const LastShape& last, BaseboardShape shape, const std::vector<int>& rows,
                                    LengthUnit unit)
{
    BaseboardResult result;
    result.lastShape = last;
    result.lastShape.id = static_cast<int>(shape);
    if (shape == BaseboardShape::FreeForm) {
        result.freeForm = true;
        return result;
    }
    std::array<double, 4> mm = storedDimensions(last);
    const size_t count = std::min(rows.size(), baseboardShapeInfo(shape).rows.size());
    for (size_t i = 0; i < count; ++i)
        mm[i] = fromDisplayUnit(std::clamp(rows[i], kSmallestDimension, kLargestDimension), unit);
    result.lastShape.width = mm[0];
    result.lastShape.height = mm[1];
    result.lastShape.width2 = mm[2];
    result.lastShape.height2 = mm[3];
    switch (shape) {
    case BaseboardShape::Rectangle:
        result.vertices = rectangleOutline(mm[0], mm[1]);
        break;
    case BaseboardShape::LShape:
        result.vertices = lShapeOutline(mm[0], mm[1], mm[2], mm[3]);
        break;
    case BaseboardShape::UShape:
        result.vertices = uShapeOutline(mm[0], mm[1], mm[2], mm[3]);
        break;
    case BaseboardShape::TShape:
        result.vertices = tShapeOutline(mm[0], mm[1], mm[2], mm[3]);
        break;
    default:
        break;
    }
    return result;
}

BaseboardResult applyCustomPolygon(const LastShape& last, const std::vector<Point>& vertices)
{
    BaseboardResult result;
    result.vertices = vertices;
    result.lastShape = last;
    result.lastShape.id = static_cast<int>(BaseboardShape::CustomPolygon);
    return result;
}

bool applyBaseboard(Layout& layout, const BaseboardResult& result)
{
    if (result.freeForm) {
        layout.baseboard.lastShape = result.lastShape;
        return false;
    }
    EditSnapshot(layout, SnapshotExtras{false, true}).record();
    layout.baseboard.vertices = result.vertices;
    layout.baseboard.lastShape = result.lastShape;
    return true;
}

} // namespace layrail
