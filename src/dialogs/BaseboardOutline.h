#pragma once

#include <array>
#include <string>
#include <vector>

#include "catalog/Geometry.h"
#include "document/Layout.h"

namespace layrail {

// The choices of the baseboard dialog, in list order; the index is stored as the last shape.
enum class BaseboardShape : int {
    Rectangle = 0,
    LShape = 1,
    UShape = 2,
    TShape = 3,
    CustomPolygon = 4,
    FreeForm = 5,
    Clear = 6,
};
constexpr int kBaseboardShapeCount = 7;

// One row of dimensions: its label and its default in mm.
struct DimensionRow {
    const char* label;
    double defaultMillimetres;
};

// What the dialog shows for a choice: its label in the list, the explanation above the rows and
// the dimension rows (none for the last three choices).
struct BaseboardShapeInfo {
    const char* label;
    const char* explanation;
    std::vector<DimensionRow> rows;
};
const BaseboardShapeInfo& baseboardShapeInfo(BaseboardShape shape);

// The stored last shape as a choice; an index out of range is the rectangle.
BaseboardShape lastBaseboardShape(const Layout& layout);

// The initial values of the dimension rows in the display unit, rounded to whole numbers: the
// stored dimensions when the choice is the stored last shape, else the choice's defaults.
std::vector<int> initialDimensions(const LastShape& last, BaseboardShape shape, LengthUnit unit);

// The outlines, all in mm; x grows to the right, y downwards, the first vertex at (0, 0).
std::vector<Point> rectangleOutline(double width, double depth);
// The full rectangle minus its bottom-right corner; the cutout leaves at least 1 mm of board.
std::vector<Point> lShapeOutline(double w1, double h1, double w2, double h2);
// A notch centred in the bottom edge.
std::vector<Point> uShapeOutline(double w, double h, double w2, double h2);
// A top bar with a centred stem below it.
std::vector<Point> tShapeOutline(double w, double h1, double w2, double h2);

// The custom polygon text: one "x,y" pair per line in the display unit. A vertex farther than a
// kilometre from the origin along x or y can only be a typing mistake and is refused.
constexpr double kLargestVertexCoordinate = 1.0e6; // mm
// The farthest coordinate read, in the display unit: the kilometre rounded up to the hundredth the
// shown text rounds to, so that the text shown for any outline within the kilometre reads back.
double largestVertexValue(LengthUnit unit);
struct VertexText {
    std::vector<Point> vertices; // mm
    // One per unreadable line, "Line 3: ..."; empty lines and lines without a comma are skipped silently.
    std::vector<std::string> errors;
};
VertexText parseVertexText(const std::string& text, LengthUnit unit);

// The text the custom choice starts with: the current vertices ("%.2f,%.2f" in the unit, one a
// line), or a 2400 by 1200 mm rectangle when there are none.
std::string initialVertexText(const std::vector<Point>& vertices, LengthUnit unit);

// What "Apply" gives the caller.
struct BaseboardResult {
    std::vector<Point> vertices; // mm; empty for Clear and Free-form
    bool freeForm = false;       // draw the outline on the canvas instead
    LastShape lastShape;         // to store in the layout
};

// "Apply" for a dimensioned choice (rows in the display unit, in row order), Clear or Free-form:
// the outline, the free-form request and the last shape with the rows converted back to mm.
BaseboardResult applyBaseboardShape(const LastShape& last, BaseboardShape shape, const std::vector<int>& rows,
                                    LengthUnit unit);
// "Apply" for the custom polygon; the last shape keeps its dimensions.
BaseboardResult applyCustomPolygon(const LastShape& last, const std::vector<Point>& vertices);

// Stores the result in the layout: the last shape always; for anything but the free-form request
// also the outline, after one undo snapshot that holds the baseboard (so Undo puts the old outline
// back). Returns true when the outline was replaced.
bool applyBaseboard(Layout& layout, const BaseboardResult& result);

} // namespace layrail
