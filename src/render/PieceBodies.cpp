#include <algorithm>
#include <cmath>

#include "catalog/Articles.h"
#include "render/PieceBands.h"
#include "render/PieceDrawing.h"
#include "render/RenderColours.h"
#include "render/RenderSupport.h"

namespace layrail {

namespace {

constexpr double kCurvedTurnoutDefaultOffset = 77.5;
constexpr Colour kArchColour = rgb(80, 100, 130);
constexpr int kStraightArchAlpha = 180;
constexpr int kCurveArchAlpha = 200;
constexpr Colour kPitFill = rgb(220, 215, 210);
constexpr Colour kTurntableBridge = rgb(80, 60, 40);
constexpr Colour kTurntableSpoke = rgb(100, 80, 60);
constexpr Colour kTurntableDot = rgb(160, 140, 100);
constexpr Colour kTurntableText = rgb(60, 60, 60);

// Draws the bands of one piece with a shared outline pen and point buffer.
struct BandPainter {
    DrawTarget& target;
    const CanvasView& view;
    std::vector<PixelPoint>& points;
    double halfWidth;
    Colour outline;

    void fillAndOutline(Colour fill)
    {
        target.setBrush(fill);
        target.setPen(outline, 1);
        target.polygon(points);
    }
    void straight(Colour fill, Point start, double heading, double length)
    {
        straightBand(points, view, start, heading, length, halfWidth);
        fillAndOutline(fill);
    }
    // A curve too tight to draw (radius below 1 mm) becomes a straight band of the given length.
    void curve(Colour fill, Point start, double heading, double radius, double angle, double straightLength)
    {
        if (radius < 1.0) {
            straight(fill, start, heading, straightLength);
            return;
        }
        curveBand(points, view, start, heading, radius, angle, halfWidth);
        fillAndOutline(fill);
    }
};

double halfWidthOf(const CatalogPiece& cp)
{
    return cp.system == TrackSystem::MarklinZ ? kZTrackHalfWidth : kTrackHalfWidth;
}

int archPenWidth(double zoom)
{
    int w = static_cast<int>(zoom * 1.5);
    return w < 2 ? 1 : w;
}

Point ahead(const Pose& pose, double distance)
{
    double h = degToRad(pose.heading);
    return Point{pose.x + distance * std::cos(h), pose.y + distance * std::sin(h)};
}

// A turnout's branch ends where the straight track does: the arc is cut at asin(length / radius).
double divergingAngle(const CatalogPiece& cp)
{
    double angle = cp.angle;
    if (cp.length > 0.0 && cp.radius > 1.0) {
        double limit = radToDeg(std::asin(std::min(1.0, cp.length / cp.radius)));
        angle = std::copysign(std::min(std::fabs(angle), limit), angle);
    }
    return angle;
}

void drawStraightArch(BandPainter& bands, const Pose& pose, double length)
{
    double h = degToRad(pose.heading);
    Point dir{std::cos(h), std::sin(h)};
    Point up{std::sin(h), -std::cos(h)};
    halfEllipse(bands.points, bands.view, ahead(pose, length / 2.0), dir, up, length / 2.0, length / 8.0);
    bands.target.setNoBrush();
    bands.target.setPen(withAlpha(kArchColour, kStraightArchAlpha), archPenWidth(bands.view.zoom));
    bands.target.polyline(bands.points);
}

void drawCurveArch(BandPainter& bands, const Pose& pose, const CatalogPiece& cp)
{
    Point start{pose.x, pose.y};
    Point end = curvePoint(start, pose.heading, cp.radius, cp.angle, 1.0);
    Point centre = curveCentre(start, pose.heading, cp.radius, cp.angle);
    double chord = std::hypot(end.x - start.x, end.y - start.y);
    if (chord <= 0.0)
        return;
    Point mid{(start.x + end.x) / 2.0, (start.y + end.y) / 2.0};
    Point dir{(start.x - end.x) / chord, (start.y - end.y) / chord};
    // The arch bulges to the outside of the bend, like the arc under it.
    Point out{mid.x - centre.x, mid.y - centre.y};
    double outLength = std::hypot(out.x, out.y);
    if (outLength > 0.0)
        out = Point{out.x / outLength, out.y / outLength};
    else
        out = Point{dir.y, -dir.x};
    halfEllipse(bands.points, bands.view, mid, dir, out, chord / 2.0, chord / 8.0);
    bands.target.setNoBrush();
    bands.target.setPen(withAlpha(kArchColour, kCurveArchAlpha), archPenWidth(bands.view.zoom));
    bands.target.polyline(bands.points);
}

void drawTurnout(BandPainter& bands, const Pose& pose, const CatalogPiece& cp, Colour fill)
{
    Point origin{pose.x, pose.y};
    Colour branchFill = darker(fill, 15, 15, 10);
    double angle = divergingAngle(cp);
    if (cp.connectors.size() >= 4) {
        double a = std::fabs(angle);
        bands.curve(branchFill, origin, pose.heading, cp.radius, a, cp.length);
        bands.curve(branchFill, origin, pose.heading, cp.radius, -a, cp.length);
        bands.straight(fill, origin, pose.heading, cp.length);
    } else {
        bands.straight(fill, origin, pose.heading, cp.length);
        bands.curve(branchFill, origin, pose.heading, cp.radius, angle, cp.length);
    }
}

// Two curves of the same radius, the second one the offset further along, joined by a straight.
void drawOffsetCurves(BandPainter& bands, const Pose& pose, const CatalogPiece& cp, Colour fill, double offset)
{
    Point origin{pose.x, pose.y};
    Colour branchFill = darker(fill, 15, 15, 10);
    bands.curve(fill, origin, pose.heading, cp.radius, cp.angle, cp.length);
    bands.straight(branchFill, origin, pose.heading, offset);
    bands.curve(branchFill, ahead(pose, offset), pose.heading, cp.radius, cp.angle, cp.length);
}

double curvedTurnoutOffset(const CatalogPiece& cp)
{
    if (cp.connectors.size() < 3)
        return kCurvedTurnoutDefaultOffset;
    return std::fabs(cp.connectors[2].x - cp.connectors[1].x);
}

void drawSlipCurve(BandPainter& bands, Point start, double heading, const CatalogPiece& cp, Colour fill)
{
    double angle = std::fabs(cp.angle);
    if (cp.radius < 1.0) {
        bands.straight(fill, start, heading, cp.length);
        return;
    }
    curveBand(bands.points, bands.view, start, heading, cp.radius, angle, bands.halfWidth);
    bands.target.setNoPen();
    bands.target.setBrush(fill);
    bands.target.polygon(bands.points);
    bands.points.clear();
    appendCurveEdge(bands.points, bands.view, start, heading, cp.radius, angle, cp.radius + bands.halfWidth, false);
    bands.target.setNoBrush();
    bands.target.setPen(bands.outline, 1);
    bands.target.polyline(bands.points);
}

void drawDoubleSlip(BandPainter& bands, const Pose& pose, const CatalogPiece& cp, Colour fill,
                    const std::vector<Point>& connectors)
{
    Point origin{pose.x, pose.y};
    bands.straight(fill, origin, pose.heading, cp.length);
    if (connectors.size() >= 4) {
        const Point& a = connectors[2];
        const Point& b = connectors[3];
        double heading = radToDeg(std::atan2(b.y - a.y, b.x - a.x));
        bands.straight(darker(fill, 8, 8, 4), a, heading, std::hypot(b.x - a.x, b.y - a.y));
    }
    if (cp.radius > 0.0) {
        // One slip leaves the entry towards the far end of the crossing track, the other leaves the
        // straight exit backwards towards its near end.
        Colour slipFill = lighter(fill, 10, 10, 18);
        drawSlipCurve(bands, origin, pose.heading, cp, slipFill);
        drawSlipCurve(bands, ahead(pose, cp.length), pose.heading + 180.0, cp, slipFill);
    }
}

void drawCrossing(BandPainter& bands, const Pose& pose, const CatalogPiece& cp, Colour fill,
                  const std::vector<Point>& connectors)
{
    Point origin{pose.x, pose.y};
    bands.straight(fill, origin, pose.heading, cp.length);
    if (connectors.size() >= 4) {
        const Point& a = connectors[2];
        const Point& b = connectors[3];
        bands.straight(darker(fill, 10, 10, 5), a, pose.heading + cp.angle, std::hypot(b.x - a.x, b.y - a.y));
    }
}

void drawTurntable(BandPainter& bands, const Pose& pose, const CatalogPiece& cp, Colour fill, bool selected,
                   const std::vector<Point>& connectors, const PlacedPiece* placed)
{
    DrawTarget& target = bands.target;
    const CanvasView& view = bands.view;
    PixelPoint centre = toScreen(view, pose.x, pose.y);
    double pitRadius = cp.length / 2.0;

    target.setPen(bands.outline, 1);
    target.setBrush(kPitFill);
    target.ellipse(centre, pitRadius * view.zoom, pitRadius * view.zoom);
    target.setBrush(fill);
    target.ellipse(centre, cp.radius * view.zoom, cp.radius * view.zoom);

    double h = degToRad(pose.heading);
    Point dir{std::cos(h), std::sin(h)};
    target.setPen(selected ? colours::kSelectedBlue : kTurntableBridge, 3);
    target.line(toScreen(view, pose.x - cp.radius * dir.x, pose.y - cp.radius * dir.y),
                toScreen(view, pose.x + cp.radius * dir.x, pose.y + cp.radius * dir.y));

    if (placed) {
        target.setPen(kTurntableSpoke, 2);
        for (size_t i = 0; i < connectors.size() && i < cp.connectors.size(); ++i) {
            if (placed->isOpen(static_cast<int>(i)))
                continue;
            double a = degToRad(cp.connectors[i].heading + pose.heading);
            target.line(toScreen(view, pose.x + pitRadius * std::cos(a), pose.y + pitRadius * std::sin(a)),
                        toScreen(view, connectors[i]));
        }
    }

    int dot = static_cast<int>(view.zoom * 3.0);
    if (dot < 3)
        dot = 2;
    target.setNoPen();
    target.setBrush(kTurntableDot);
    for (const Point& c : connectors)
        target.ellipse(toScreen(view, c), dot, dot);

    FontSpec font{scaledFontSize(view.zoom, 11.0, 9, 8), true};
    PixelPoint at = toScreen(view, pose.x - 30.0 * std::sin(h), pose.y + 30.0 * std::cos(h));
    drawRotatedCentredText(target, kTurntableArticle, at.x, at.y, font,
                           selected ? colours::kSelectedBlue : kTurntableText, -pose.heading);
}

} // namespace

void drawPieceBody(DrawTarget& target, const CanvasView& view, const Pose& pose, const CatalogPiece& cp,
                   const PieceStyle& style, bool selected, const std::vector<Point>& connectors,
                   const PlacedPiece* placed)
{
    BandPainter bands{target, view, renderScratch().points, halfWidthOf(cp), style.outline};
    Point origin{pose.x, pose.y};
    switch (cp.kind) {
    case PieceKind::Curve:
        bands.curve(style.fill, origin, pose.heading, cp.radius, cp.angle, cp.length);
        if (cp.bridge && cp.radius >= 1.0)
            drawCurveArch(bands, pose, cp);
        break;
    case PieceKind::LeftTurnout:
    case PieceKind::RightTurnout:
        drawTurnout(bands, pose, cp, style.fill);
        break;
    case PieceKind::CurvedTurnout:
        drawOffsetCurves(bands, pose, cp, style.fill, curvedTurnoutOffset(cp));
        break;
    case PieceKind::ParallelCurvedTurnout:
        drawOffsetCurves(bands, pose, cp, style.fill, cp.length);
        break;
    case PieceKind::DoubleSlip:
        drawDoubleSlip(bands, pose, cp, style.fill, connectors);
        break;
    case PieceKind::Crossing:
        drawCrossing(bands, pose, cp, style.fill, connectors);
        break;
    case PieceKind::Turntable:
        drawTurntable(bands, pose, cp, style.fill, selected, connectors, placed);
        break;
    default:
        bands.straight(style.fill, origin, pose.heading, cp.length);
        if (cp.bridge)
            drawStraightArch(bands, pose, cp.length);
        break;
    }
}

void connectorPositions(std::vector<Point>& out, const Pose& pose, const CatalogPiece& cp)
{
    Frame frame(pose.x, pose.y, pose.heading);
    out.clear();
    for (const Connector& c : cp.connectors)
        out.push_back(frame.at(c.x, c.y));
}

double pieceReach(const CatalogPiece& cp)
{
    double reach = cp.length;
    for (const Connector& c : cp.connectors)
        reach = std::max(reach, std::hypot(c.x, c.y));
    return reach + kTrackHalfWidth + 1.0;
}

Point pieceMiddle(const Pose& pose, const CatalogPiece& cp)
{
    if (cp.kind == PieceKind::Turntable)
        return Point{pose.x, pose.y};
    if (cp.kind == PieceKind::Curve && cp.radius >= 1.0)
        return curvePoint(Point{pose.x, pose.y}, pose.heading, cp.radius, cp.angle, 0.5);
    return ahead(pose, cp.length / 2.0);
}

} // namespace layrail
