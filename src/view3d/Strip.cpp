#include "view3d/Strip.h"

#include <algorithm>

namespace layrail {

namespace {

Vec3 sideOf(Vec3 tangent) { return normalized({-tangent.y, tangent.x, 0.0}); }

StripFrame frame(Vec3 position, Vec3 tangent)
{
    const Vec3 t = normalized(tangent);
    return {position, t, sideOf(t)};
}

} // namespace

int straightSegments(double length)
{
    const int n = static_cast<int>(length / 20.0);
    return n < 3 ? 2 : n;
}

int curveSegments(double angle)
{
    const int n = static_cast<int>(std::fabs(angle) / 2.5);
    return n < 9 ? 8 : n;
}

Strip straightStrip(Point from, Point to, Sampling sampling)
{
    const Vec3 a{from.x, from.y, 0.0}, b{to.x, to.y, 0.0};
    const int n = sampling == Sampling::Coarse ? 1 : straightSegments(length(b - a));
    Strip strip;
    strip.reserve(static_cast<std::size_t>(n) + 1);
    for (int i = 0; i <= n; ++i)
        strip.push_back(frame(a + (b - a) * (static_cast<double>(i) / n), b - a));
    return strip;
}

Strip curveStrip(Point start, double heading, double radius, double angle, int bend, Sampling sampling)
{
    const int n = sampling == Sampling::Coarse ? std::max(1, static_cast<int>(std::ceil(std::fabs(angle) / 10.0)))
                                               : curveSegments(angle);
    const double side = bend < 0 ? -1.0 : 1.0;
    const double h = degToRad(heading), ch = std::cos(h), sh = std::sin(h);
    const double sweep = degToRad(std::fabs(angle));
    Strip strip;
    strip.reserve(static_cast<std::size_t>(n) + 1);
    for (int i = 0; i <= n; ++i) {
        // On the circle around (0, side * r) in the arc's own frame, from the angle -side * 90 degrees.
        const double t = sweep * i / n;
        const double lx = radius * std::sin(t), ly = side * radius * (1.0 - std::cos(t));
        const double tx = std::cos(t), ty = side * std::sin(t);
        strip.push_back(frame({start.x + lx * ch - ly * sh, start.y + lx * sh + ly * ch, 0.0},
                              {tx * ch - ty * sh, tx * sh + ty * ch, 0.0}));
    }
    return strip;
}

} // namespace layrail
