#pragma once

#include <vector>

#include "catalog/Geometry.h"
#include "render/CanvasView.h"
#include "render/DrawTarget.h"

namespace layrail {

constexpr double kTrackHalfWidth = 18.7;
constexpr double kZTrackHalfWidth = 6.0;

// Sample count of a curve band of the given arc angle in degrees.
int curveBandSteps(double angleDeg);

// The centre of the circle a curve of this radius and signed angle follows from the start pose.
Point curveCentre(Point start, double headingDeg, double radius, double angleDeg);
// The point a fraction t along such a curve, on its centre line.
Point curvePoint(Point start, double headingDeg, double radius, double angleDeg, double t);

// Screen outlines of bands, replacing the contents of out.
void straightBand(std::vector<PixelPoint>& out, const CanvasView& view, Point start, double headingDeg,
                  double length, double halfWidth);
// Between radius + halfWidth and radius - halfWidth: the outer edge forwards, then the inner edge back.
void curveBand(std::vector<PixelPoint>& out, const CanvasView& view, Point start, double headingDeg, double radius,
               double angleDeg, double halfWidth);
// Points along an arc of the given radius around the curve's centre, appended to out.
void appendCurveEdge(std::vector<PixelPoint>& out, const CanvasView& view, Point start, double headingDeg,
                     double radius, double angleDeg, double edgeRadius, bool backwards);
// Half an ellipse in world space: centre, semi-axis a along dir (unit), semi-axis b along side (unit).
void halfEllipse(std::vector<PixelPoint>& out, const CanvasView& view, Point centre, Point dir, Point side,
                 double a, double b);

} // namespace layrail
