#include "render/Annotations.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "catalog/TrackCatalog.h"
#include "render/LengthFormat.h"
#include "render/RenderColours.h"

namespace layrail {

namespace {

constexpr double kMinLabelledEdge = 10.0;
constexpr double kEdgeLabelDistance = 12.0;
constexpr Colour kEdgeLabelText = rgb(80, 50, 20);
constexpr Colour kEdgeLabelBox = rgb(255, 248, 220, 200);
constexpr Colour kEdgeLabelPen = rgb(180, 140, 80);

constexpr double kArrowLength = 20.0;
constexpr double kArrowHeadLength = 8.0;
constexpr double kArrowHeadHalfWidth = 6.0;
constexpr double kGradeTextMinZoom = 0.25;
constexpr Colour kClimbing = rgb(220, 100, 20);
constexpr Colour kFalling = rgb(30, 100, 200);

constexpr Colour kLabelBackground = rgb(255, 255, 220, 200);

constexpr Colour kDimensionSelected = rgb(40, 80, 200);
constexpr Colour kDimension = rgb(60, 60, 60);
constexpr Colour kDimensionBoxSelected = rgb(220, 232, 255, 235);
constexpr Colour kDimensionBox = rgb(255, 248, 220, 235);
constexpr double kArrowheadMinLength = 6.0;
constexpr double kArrowheadLength = 10.0;
constexpr double kArrowheadHalfWidth = 5.0;

const PlacedPiece* findPiece(const Layout& layout, int id)
{
    for (const PlacedPiece& p : layout.pieces)
        if (p.id == id)
            return &p;
    return nullptr;
}

// A filled triangle with its tip at the point and its base back along the unit direction.
void arrowhead(DrawTarget& target, PixelPoint tip, double ux, double uy, double length, double halfWidth)
{
    double bx = tip.x - ux * length, by = tip.y - uy * length;
    target.polygon({tip, PixelPoint{bx - uy * halfWidth, by + ux * halfWidth},
                    PixelPoint{bx + uy * halfWidth, by - ux * halfWidth}});
}

} // namespace

FontSpec fixedFont(int size, double textScale, bool bold)
{
    const double scale = std::isfinite(textScale) && textScale > 0.0 ? textScale : 1.0;
    return FontSpec{std::max(1, static_cast<int>(std::lround(size * scale))), bold};
}

void drawBaseboardEdges(DrawTarget& target, const CanvasView& view, const Layout& layout, double textScale)
{
    const std::vector<Point>& v = layout.baseboard.vertices;
    std::vector<PixelPoint>& points = renderScratch().points;
    points.clear();
    double cx = 0.0, cy = 0.0;
    for (const Point& p : v) {
        points.push_back(toScreen(view, p));
        cx += p.x;
        cy += p.y;
    }
    cx /= v.size();
    cy /= v.size();
    target.setNoBrush();
    target.setPen(colours::kBaseboardEdge, 2);
    target.polygon(points);

    const FontSpec font = fixedFont(11, textScale);
    const double padding = font.size / 11.0;
    for (size_t i = 0; i < v.size(); ++i) {
        const Point& a = v[i];
        const Point& b = v[(i + 1) % v.size()];
        double length = std::hypot(b.x - a.x, b.y - a.y);
        if (length < kMinLabelledEdge)
            continue;
        Point mid{(a.x + b.x) / 2.0, (a.y + b.y) / 2.0};
        double nx = -(b.y - a.y) / length, ny = (b.x - a.x) / length;
        if (nx * (mid.x - cx) + ny * (mid.y - cy) < 0.0) {
            nx = -nx;
            ny = -ny;
        }
        PixelPoint at = toScreen(view, mid.x + kEdgeLabelDistance * nx, mid.y + kEdgeLabelDistance * ny);
        drawTextOnBox(target, formatLength(length, layout.units), at.x, at.y, font, kEdgeLabelText, kEdgeLabelBox,
                      kEdgeLabelPen, 8.0 * padding, 4.0 * padding);
    }
}

void drawGradeArrows(DrawTarget& target, const CanvasView& view, const Layout& layout, const WorldRect& visible)
{
    const TrackCatalog& catalog = TrackCatalog::instance();
    for (const GradeRun& run : layout.gradeRuns) {
        const PlacedPiece* anchor = findPiece(layout, run.anchor);
        if (!anchor)
            continue;
        const CatalogPiece* cp = catalog.find(anchor->article);
        if (!cp)
            continue;
        double h = degToRad(anchor->heading);
        double ux = std::cos(h), uy = std::sin(h);
        // The arrow starts over the middle of its piece whichever way it points.
        Point start{anchor->x + ux * cp->length / 2.0, anchor->y + uy * cp->length / 2.0};
        if (anchor->isOpen(0) && !anchor->isOpen(1)) {
            ux = -ux;
            uy = -uy;
        }
        Point tip{start.x + ux * kArrowLength, start.y + uy * kArrowLength};
        if (!visible.overlapsCircle(tip.x, tip.y, kArrowLength))
            continue;
        Point base{tip.x - ux * kArrowHeadLength, tip.y - uy * kArrowHeadLength};
        Colour colour = run.angle >= 0.0 ? kClimbing : kFalling;
        PixelPoint tipScreen = toScreen(view, tip);

        target.setPen(colour, 3);
        target.setBrush(colour);
        target.line(toScreen(view, start), tipScreen);
        target.polygon({tipScreen,
                        toScreen(view, base.x - uy * kArrowHeadHalfWidth, base.y + ux * kArrowHeadHalfWidth),
                        toScreen(view, base.x + uy * kArrowHeadHalfWidth, base.y - ux * kArrowHeadHalfWidth)});

        if (view.zoom >= kGradeTextMinZoom) {
            char text[32];
            std::snprintf(text, sizeof text, "%+.1f deg", run.angle);
            FontSpec font{scaledFontSize(view.zoom, 8.0, 8, 7), true};
            target.text(text, tipScreen.x + 4, tipScreen.y - 10, font, colour);
        }
    }
}

void drawLabels(DrawTarget& target, const CanvasView& view, const Layout& layout, int width, int height,
                bool showSelection)
{
    FontSpec font{scaledFontSize(view.zoom, 11.0, 9, 8), false};
    for (const LayoutLabel& label : layout.labels) {
        PixelPoint at = toScreen(view, label.x, label.y);
        if (at.x > width || at.y > height)
            continue;
        // A generous guess of the size: measuring text costs more than the test saves.
        double lines = 1.0 + std::count(label.text.begin(), label.text.end(), '\n');
        if (at.x + 1.5 * font.size * label.text.size() + 4.0 < 0.0 || at.y + 2.0 * font.size * lines + 4.0 < 0.0)
            continue;
        const bool selected = showSelection && label.selected;
        Colour colour = selected ? colours::kSelectionBlue : colours::kDarkText;
        target.textWithBackground(label.text, at.x, at.y, font, colour, kLabelBackground);
        if (selected) {
            TextExtent extent = target.textExtent(label.text, font);
            target.setNoBrush();
            target.setPen(colours::kSelectionBlue, 1, PenStyle::Dotted);
            double x0 = at.x - 2.0, y0 = at.y - 2.0, x1 = at.x + extent.width + 2.0, y1 = at.y + extent.height + 2.0;
            target.polygon({PixelPoint{x0, y0}, PixelPoint{x1, y0}, PixelPoint{x1, y1}, PixelPoint{x0, y1}});
        }
    }
}

void drawDimensionLines(DrawTarget& target, const CanvasView& view, const Layout& layout, const WorldRect& visible,
                        bool showSelection, double textScale)
{
    const FontSpec font = fixedFont(10, textScale);
    const double marks = font.size / 10.0;
    for (const DimensionLine& d : layout.dimensionLines) {
        Point mid{(d.x1 + d.x2) / 2.0, (d.y1 + d.y2) / 2.0};
        Point label{mid.x + d.labelX, mid.y + d.labelY};
        bool lineSeen = visible.overlaps(std::min(d.x1, d.x2), std::min(d.y1, d.y2), std::max(d.x1, d.x2),
                                         std::max(d.y1, d.y2));
        if (!lineSeen && !visible.overlapsCircle(label.x, label.y, 0.0))
            continue;
        const bool selected = showSelection && d.selected;
        Colour colour = selected ? kDimensionSelected : kDimension;
        PixelPoint a = toScreen(view, d.x1, d.y1);
        PixelPoint b = toScreen(view, d.x2, d.y2);
        target.setPen(colour, selected ? 3 : 2);
        target.line(a, b);

        double length = std::hypot(b.x - a.x, b.y - a.y);
        if (length > kArrowheadMinLength * marks) {
            double ux = (b.x - a.x) / length, uy = (b.y - a.y) / length;
            target.setPen(colour, 1);
            target.setBrush(colour);
            arrowhead(target, b, ux, uy, kArrowheadLength * marks, kArrowheadHalfWidth * marks);
            arrowhead(target, a, -ux, -uy, kArrowheadLength * marks, kArrowheadHalfWidth * marks);
        }

        PixelPoint at = toScreen(view, label);
        drawTextOnBox(target, formatLength(std::hypot(d.x2 - d.x1, d.y2 - d.y1), layout.units), at.x, at.y, font,
                      colours::kDarkText, selected ? kDimensionBoxSelected : kDimensionBox, colour, 10.0 * marks,
                      4.0 * marks);
    }
}

} // namespace layrail
