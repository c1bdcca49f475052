#pragma once

#include "catalog/SceneryCatalog.h"

#include <string>
#include <utility>
#include <vector>

// Builders for the primitives of the scenery drawings, in the item's local millimetres.
namespace layrail::scenery {

constexpr Rgba kNone{0, 0, 0, 0};

inline Rgba rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a = 255) { return Rgba{r, g, b, a}; }

inline SceneryPrimitive boxed(PrimitiveKind kind, double x, double y, double w, double h, Rgba fill, Rgba line,
                              int width)
{
    SceneryPrimitive p;
    p.kind = kind;
    p.fill = fill;
    p.line = line;
    p.lineWidth = width;
    p.a = x;
    p.b = y;
    p.c = w;
    p.d = h;
    return p;
}

inline SceneryPrimitive rect(double x, double y, double w, double h, Rgba fill, Rgba line = kNone, int width = 0)
{
    return boxed(PrimitiveKind::FilledRect, x, y, w, h, fill, line, width);
}

inline SceneryPrimitive ellipse(double x, double y, double w, double h, Rgba fill, Rgba line = kNone,
                                int width = 0)
{
    return boxed(PrimitiveKind::FilledEllipse, x, y, w, h, fill, line, width);
}

inline SceneryPrimitive rectOutline(double x, double y, double w, double h, Rgba line, int width = 1)
{
    return boxed(PrimitiveKind::RectOutline, x, y, w, h, kNone, line, width);
}

inline SceneryPrimitive ellipseOutline(double x, double y, double w, double h, Rgba line, int width = 1)
{
    return boxed(PrimitiveKind::EllipseOutline, x, y, w, h, kNone, line, width);
}

inline SceneryPrimitive polygon(std::vector<Point> points, Rgba fill, Rgba line = kNone, int width = 0)
{
    SceneryPrimitive p;
    p.kind = PrimitiveKind::FilledPolygon;
    p.fill = fill;
    p.line = line;
    p.lineWidth = width;
    p.points = std::move(points);
    return p;
}

// Lines are drawn in their line colour when they carry no fill.
inline SceneryPrimitive line(double x1, double y1, double x2, double y2, Rgba colour, int width = 1)
{
    return boxed(PrimitiveKind::Line, x1, y1, x2, y2, kNone, colour, width);
}

// Text is drawn in the fill colour, centred on (x, y).
inline SceneryPrimitive text(double x, double y, double height, std::string s, Rgba colour)
{
    SceneryPrimitive p = boxed(PrimitiveKind::Text, x, y, 0.0, height, colour, kNone, 0);
    p.text = std::move(s);
    return p;
}

} // namespace layrail::scenery
