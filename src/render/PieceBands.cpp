#include "render/PieceBands.h"

#include <algorithm>
#include <cmath>

#include "render/RenderSupport.h"

namespace layrail {

namespace {

constexpr int kArchSteps = 24;

double sideSign(double angleDeg) { return angleDeg < 0.0 ? -1.0 : 1.0; }

} // namespace

int curveBandSteps(double angleDeg) { return std::max(16, static_cast<int>(std::fabs(angleDeg) / 1.5)); }

Point curveCentre(Point start, double headingDeg, double radius, double angleDeg)
{
    double h = degToRad(headingDeg);
    double k = sideSign(angleDeg) * radius;
    return Point{start.x - k * std::sin(h), start.y + k * std::cos(h)};
}

Point curvePoint(Point start, double headingDeg, double radius, double angleDeg, double t)
{
    Point c = curveCentre(start, headingDeg, radius, angleDeg);
    double phi = degToRad(headingDeg - sideSign(angleDeg) * 90.0 + t * angleDeg);
    return Point{c.x + radius * std::cos(phi), c.y + radius * std::sin(phi)};
}

void straightBand(std::vector<PixelPoint>& out, const CanvasView& view, Point start, double headingDeg,
                  double length, double halfWidth)
{
    double h = degToRad(headingDeg);
    double ux = std::cos(h), uy = std::sin(h);
    double nx = -uy * halfWidth, ny = ux * halfWidth;
    double ex = start.x + ux * length, ey = start.y + uy * length;
    out.clear();
    out.push_back(toScreen(view, start.x + nx, start.y + ny));
    out.push_back(toScreen(view, ex + nx, ey + ny));
    out.push_back(toScreen(view, ex - nx, ey - ny));
    out.push_back(toScreen(view, start.x - nx, start.y - ny));
}

void appendCurveEdge(std::vector<PixelPoint>& out, const CanvasView& view, Point start, double headingDeg,
                     double radius, double angleDeg, double edgeRadius, bool backwards)
{
    Point c = curveCentre(start, headingDeg, radius, angleDeg);
    int steps = curveBandSteps(angleDeg);
    double phi0 = degToRad(headingDeg - sideSign(angleDeg) * 90.0);
    double sweep = degToRad(angleDeg);
    double step = sweep / steps;
    if (backwards) {
        phi0 += sweep;
        step = -step;
    }
    // Rotating a unit vector by a fixed step avoids a sine and cosine per sample.
    double cx = std::cos(phi0), sy = std::sin(phi0);
    double cs = std::cos(step), ss = std::sin(step);
    for (int i = 0; i <= steps; ++i) {
        out.push_back(toScreen(view, c.x + edgeRadius * cx, c.y + edgeRadius * sy));
        double nx = cx * cs - sy * ss;
        sy = cx * ss + sy * cs;
        cx = nx;
    }
}

void curveBand(std::vector<PixelPoint>& out, const CanvasView& view, Point start, double headingDeg, double radius,
               double angleDeg, double halfWidth)
{
    out.clear();
    appendCurveEdge(out, view, start, headingDeg, radius, angleDeg, radius + halfWidth, false);
    appendCurveEdge(out, view, start, headingDeg, radius, angleDeg, std::max(0.0, radius - halfWidth), true);
}

void halfEllipse(std::vector<PixelPoint>& out, const CanvasView& view, Point centre, Point dir, Point side,
                 double a, double b)
{
    out.clear();
    for (int i = 0; i <= kArchSteps; ++i) {
        double t = kPi * i / kArchSteps;
        double u = a * std::cos(t), v = b * std::sin(t);
        out.push_back(toScreen(view, centre.x + u * dir.x + v * side.x, centre.y + u * dir.y + v * side.y));
    }
}

} // namespace layrail
