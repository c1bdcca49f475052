#include "render/SceneryDrawing.h"

#include <algorithm>
#include <cmath>

#include "render/RenderColours.h"
#include "render/RenderSupport.h"

namespace layrail {

namespace {

constexpr int kMinEllipseSamples = 13;
constexpr int kRaisedEllipseSamples = 12;
constexpr int kMaxEllipseSamples = 64;

// Places catalog millimetres of a definition (from the footprint's corner) on the layout.
struct ItemTransform {
    Frame frame;
    double scaleX, scaleY, halfW, halfD;
    const CanvasView& view;

    ItemTransform(const SceneryItem& item, const SceneryDef& def, const CanvasView& v)
        : frame(item.x, item.y, item.heading), scaleX(item.scaleX), scaleY(item.scaleY),
          halfW(item.scaleX * def.width / 2.0), halfD(item.scaleY * def.depth / 2.0), view(v)
    {
    }
    PixelPoint operator()(double px, double py) const
    {
        return toScreen(view, frame.at(scaleX * px - halfW, scaleY * py - halfD));
    }
};

Colour toColour(const Rgba& c) { return rgb(c.r, c.g, c.b, c.a); }

// Selection tint: every fill colour 0.7 of itself plus a blue cast.
Colour selectedFill(Colour c)
{
    auto ch = [](std::uint8_t v, int add) { return static_cast<int>(0.7 * v + add); };
    return rgb(ch(c.r, 30), ch(c.g, 48), ch(c.b, 66), c.a);
}

bool applyBrush(DrawTarget& target, const SceneryPrimitive& p, bool selected, bool mayFill)
{
    if (!mayFill || p.fill.a == 0) {
        target.setNoBrush();
        return false;
    }
    Colour fill = toColour(p.fill);
    target.setBrush(selected ? selectedFill(fill) : fill);
    return true;
}

bool applyPen(DrawTarget& target, const SceneryPrimitive& p)
{
    if (p.line.a == 0 || p.lineWidth <= 0) {
        target.setNoPen();
        return false;
    }
    target.setPen(toColour(p.line), p.lineWidth);
    return true;
}

void boxCorners(std::vector<PixelPoint>& out, const ItemTransform& at, double x, double y, double w, double h)
{
    out.clear();
    out.push_back(at(x, y));
    out.push_back(at(x + w, y));
    out.push_back(at(x + w, y + h));
    out.push_back(at(x, y + h));
}

void ellipsePoints(std::vector<PixelPoint>& out, const ItemTransform& at, const SceneryPrimitive& p, double zoom)
{
    double extent = std::max(p.c * at.scaleX, p.d * at.scaleY);
    int n = static_cast<int>(std::floor(extent * zoom * 0.5));
    if (n < kMinEllipseSamples)
        n = kRaisedEllipseSamples;
    n = std::min(n, kMaxEllipseSamples);
    double cx = p.a + p.c / 2.0, cy = p.b + p.d / 2.0;
    out.clear();
    for (int i = 0; i < n; ++i) {
        double t = 2.0 * kPi * i / n;
        out.push_back(at(cx + p.c / 2.0 * std::cos(t), cy + p.d / 2.0 * std::sin(t)));
    }
}

void drawPrimitive(DrawTarget& target, const CanvasView& view, const ItemTransform& at, const SceneryPrimitive& p,
                   bool selected, std::vector<PixelPoint>& points)
{
    switch (p.kind) {
    case PrimitiveKind::FilledRect:
    case PrimitiveKind::RectOutline: {
        bool filled = applyBrush(target, p, selected, p.kind == PrimitiveKind::FilledRect);
        if (!applyPen(target, p) && !filled)
            return;
        boxCorners(points, at, p.a, p.b, p.c, p.d);
        target.polygon(points);
        break;
    }
    case PrimitiveKind::FilledEllipse:
    case PrimitiveKind::EllipseOutline: {
        bool filled = applyBrush(target, p, selected, p.kind == PrimitiveKind::FilledEllipse);
        if (!applyPen(target, p) && !filled)
            return;
        ellipsePoints(points, at, p, view.zoom);
        target.polygon(points);
        break;
    }
    case PrimitiveKind::FilledPolygon: {
        bool filled = applyBrush(target, p, selected, true);
        if (!applyPen(target, p) && !filled)
            return;
        points.clear();
        for (const Point& q : p.points)
            points.push_back(at(q.x, q.y));
        target.polygon(points);
        break;
    }
    case PrimitiveKind::Line: {
        Colour colour;
        if (p.fill.a != 0)
            colour = selected ? selectedFill(toColour(p.fill)) : toColour(p.fill);
        else if (p.line.a != 0)
            colour = toColour(p.line);
        else
            return;
        target.setNoBrush();
        target.setPen(colour, std::max(p.lineWidth, 1));
        target.line(at(p.a, p.b), at(p.c, p.d));
        break;
    }
    case PrimitiveKind::Text: {
        Colour colour = selected ? selectedFill(toColour(p.fill)) : toColour(p.fill);
        PixelPoint centre = at(p.a, p.b);
        drawCentredText(target, p.text, centre.x, centre.y, FontSpec{scaledFontSize(view.zoom, p.d, 9, 8), true},
                        colour);
        break;
    }
    }
}

} // namespace

void drawSceneryItem(DrawTarget& target, const CanvasView& view, const SceneryItem& item, const SceneryDef& def,
                     bool selected)
{
    ItemTransform at(item, def, view);
    std::vector<PixelPoint>& points = renderScratch().points;
    for (const SceneryPrimitive& p : def.drawing)
        drawPrimitive(target, view, at, p, selected, points);
    if (selected) {
        boxCorners(points, at, 0.0, 0.0, def.width, def.depth);
        target.setNoBrush();
        target.setPen(colours::kSelectedBlue, 1, PenStyle::Dotted);
        target.polygon(points);
    }
}

double sceneryReach(const SceneryItem& item, const SceneryDef& def)
{
    return std::hypot(item.scaleX * def.width, item.scaleY * def.depth) / 2.0;
}

} // namespace layrail
