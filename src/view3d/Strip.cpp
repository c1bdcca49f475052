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

Strip straightStrip(Point from, Point to)
{
    const Vec3 a{from.x, from.y, 0.0}, b{to.x, to.y, 0.0};
    const int n = straightSegments(length(b - a));
    Strip strip;
    strip.reserve(static_cast<std::size_t>(n) + 1);
    for (int i = 0; i <= n; ++i)
        strip.push_back(frame(a + (b - a) * (static_cast<double>(i) / n), b - a));
    return strip;
}

Strip curveStrip(Point start, double heading, double radius, double angle, int bend)
{
    const int n = curveSegments(angle);
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

double stripLength(const Strip& strip)
{
    double total = 0.0;
    for (std::size_t i = 1; i < strip.size(); ++i)
        total += length(strip[i].position - strip[i - 1].position);
    return total;
}

StripFrame frameAt(const Strip& strip, double s)
{
    if (strip.empty())
        return {};
    double start = 0.0;
    for (std::size_t i = 1; i < strip.size(); ++i) {
        const double segment = length(strip[i].position - strip[i - 1].position);
        if (s <= start + segment || i + 1 == strip.size()) {
            const double f = segment > 0.0 ? std::clamp((s - start) / segment, 0.0, 1.0) : 0.0;
            const StripFrame& a = strip[i - 1];
            const StripFrame& b = strip[i];
            const Vec3 tangent = normalized(a.tangent * (1.0 - f) + b.tangent * f);
            return {a.position * (1.0 - f) + b.position * f, tangent, sideOf(tangent)};
        }
        start += segment;
    }
    return strip.front();
}

} // namespace layrail
