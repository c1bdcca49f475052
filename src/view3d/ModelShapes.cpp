#include "view3d/ModelShapes.h"

#include <algorithm>

namespace layrail::shapes {

namespace {

constexpr Vec3 kUp{0.0, 0.0, 1.0};
constexpr Vec3 kDown{0.0, 0.0, -1.0};

double turn(int k, int segments) { return 2.0 * kPi * k / segments; }

// A flat disc closing a round solid at height z, facing `normal`.
void disc(Mesh& mesh, Vec3 centre, double radius, int segments, Vec3 normal, Rgb colour)
{
    const std::uint32_t middle = mesh.addVertex(centre, normal, colour);
    for (int k = 0; k < segments; ++k) {
        const double a = turn(k, segments), b = turn(k + 1, segments);
        const std::uint32_t p = mesh.addVertex(centre + Vec3{radius * std::cos(a), radius * std::sin(a), 0.0},
                                               normal, colour);
        const std::uint32_t q = mesh.addVertex(centre + Vec3{radius * std::cos(b), radius * std::sin(b), 0.0},
                                               normal, colour);
        mesh.addTriangle(middle, p, q);
    }
}

} // namespace

void box(Mesh& mesh, Vec3 o, Vec3 s, Rgb top, Rgb side)
{
    const double x0 = o.x, y0 = o.y, z0 = o.z, x1 = o.x + s.x, y1 = o.y + s.y, z1 = o.z + s.z;
    mesh.addQuad({x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}, kUp, top);
    mesh.addQuad({x0, y0, z0}, {x1, y0, z0}, {x1, y0, z1}, {x0, y0, z1}, {0, -1, 0}, side);
    mesh.addQuad({x1, y0, z0}, {x1, y1, z0}, {x1, y1, z1}, {x1, y0, z1}, {1, 0, 0}, side);
    mesh.addQuad({x1, y1, z0}, {x0, y1, z0}, {x0, y1, z1}, {x1, y1, z1}, {0, 1, 0}, side);
    mesh.addQuad({x0, y1, z0}, {x0, y0, z0}, {x0, y0, z1}, {x0, y1, z1}, {-1, 0, 0}, side);
    mesh.addQuad({x0, y0, z0}, {x0, y1, z0}, {x1, y1, z0}, {x1, y0, z0}, kDown, side);
}

void cylinder(Mesh& mesh, Vec3 base, double radius, double height, Rgb colour, int segments)
{
    for (int k = 0; k < segments; ++k) {
        const double a = turn(k, segments), b = turn(k + 1, segments), m = (a + b) / 2.0;
        const Vec3 pa = base + Vec3{radius * std::cos(a), radius * std::sin(a), 0.0};
        const Vec3 pb = base + Vec3{radius * std::cos(b), radius * std::sin(b), 0.0};
        const Vec3 rise{0.0, 0.0, height};
        mesh.addQuad(pa, pb, pb + rise, pa + rise, {std::cos(m), std::sin(m), 0.0}, colour);
    }
    disc(mesh, base + Vec3{0.0, 0.0, height}, radius, segments, kUp, colour);
}

void cone(Mesh& mesh, Vec3 base, double radius, double height, Rgb colour, int segments)
{
    const Vec3 apex = base + Vec3{0.0, 0.0, height};
    for (int k = 0; k < segments; ++k) {
        const double a = turn(k, segments), b = turn(k + 1, segments), m = (a + b) / 2.0;
        const Vec3 n = normalized({std::cos(m) * height, std::sin(m) * height, radius});
        const std::uint32_t p =
            mesh.addVertex(base + Vec3{radius * std::cos(a), radius * std::sin(a), 0.0}, n, colour);
        const std::uint32_t q =
            mesh.addVertex(base + Vec3{radius * std::cos(b), radius * std::sin(b), 0.0}, n, colour);
        mesh.addTriangle(p, q, mesh.addVertex(apex, n, colour));
    }
    disc(mesh, base, radius, segments, kDown, scaled(colour, 0.8f));
}

void dome(Mesh& mesh, Vec3 base, double radius, double height, Rgb colour, int segments, bool closed)
{
    const int rings = std::max(2, segments / 3);
    auto point = [&](double phi, double theta) {
        return base + Vec3{radius * std::cos(phi) * std::cos(theta), radius * std::cos(phi) * std::sin(theta),
                           height * std::sin(phi)};
    };
    for (int r = 0; r < rings; ++r) {
        const double p0 = kPi / 2.0 * r / rings, p1 = kPi / 2.0 * (r + 1) / rings, pm = (p0 + p1) / 2.0;
        for (int k = 0; k < segments; ++k) {
            const double a = turn(k, segments), b = turn(k + 1, segments), m = (a + b) / 2.0;
            const Vec3 n = normalized({std::cos(pm) * std::cos(m) / radius, std::cos(pm) * std::sin(m) / radius,
                                       std::sin(pm) / height});
            mesh.addQuad(point(p0, a), point(p0, b), point(p1, b), point(p1, a), n, colour);
        }
    }
    if (closed)
        disc(mesh, base, radius, segments, height >= 0.0 ? kDown : kUp, scaled(colour, 0.8f));
}

void crown(Mesh& mesh, Vec3 centre, double radius, double up, double down, Rgb colour, int segments)
{
    dome(mesh, centre, radius, up, colour, segments, false);
    dome(mesh, centre, radius, -down, scaled(colour, 0.8f), segments, false);
}

void quad(Mesh& mesh, Vec3 a, Vec3 b, Vec3 c, Vec3 d, Vec3 inside, Rgb colour)
{
    const Vec3 centre = (a + b + c + d) * 0.25;
    mesh.addFacingQuad(a, b, c, d, centre * 2.0 - inside, colour);
}

void triangle(Mesh& mesh, Vec3 a, Vec3 b, Vec3 c, Vec3 inside, Rgb colour)
{
    Vec3 n = normalized(cross(b - a, c - a));
    if (dot(n, (a + b + c) * (1.0 / 3.0) - inside) < 0.0)
        n = n * -1.0;
    mesh.addTriangle(mesh.addVertex(a, n, colour), mesh.addVertex(b, n, colour), mesh.addVertex(c, n, colour));
}

void beam(Mesh& mesh, Vec3 a, Vec3 b, double thickness, Rgb colour)
{
    const Vec3 along = normalized(b - a);
    if (length(along) == 0.0)
        return;
    Vec3 u = normalized(cross(along, kUp));
    if (length(u) == 0.0)
        u = {1.0, 0.0, 0.0};
    const Vec3 v = normalized(cross(u, along));
    const double h = thickness / 2.0;
    const Vec3 corners[4] = {(u + v) * h, (v - u) * h, (u + v) * -h, (u - v) * h};
    for (int k = 0; k < 4; ++k) {
        const Vec3 c0 = corners[k], c1 = corners[(k + 1) % 4];
        mesh.addQuad(a + c0, b + c0, b + c1, a + c1, normalized(c0 + c1), colour);
    }
    mesh.addQuad(a + corners[3], a + corners[2], a + corners[1], a + corners[0], along * -1.0, colour);
    mesh.addQuad(b + corners[0], b + corners[1], b + corners[2], b + corners[3], along, colour);
}

void wall(Mesh& mesh, Point a, Point b, double thickness, double z0, double z1, Rgb top, Rgb side)
{
    const double dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
    if (len <= 0.0)
        return;
    const double nx = -dy / len * thickness / 2.0, ny = dx / len * thickness / 2.0;
    prism(mesh, {{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}}, z0, z1, top,
          side);
}

void prism(Mesh& mesh, const std::vector<Point>& footprint, double z0, double z1, Rgb top, Rgb side)
{
    if (footprint.size() < 3)
        return;
    Point centre;
    for (const Point& p : footprint) {
        centre.x += p.x / footprint.size();
        centre.y += p.y / footprint.size();
    }
    const std::uint32_t middle = mesh.addVertex({centre.x, centre.y, z1}, kUp, top);
    std::vector<std::uint32_t> rim;
    for (const Point& p : footprint)
        rim.push_back(mesh.addVertex({p.x, p.y, z1}, kUp, top));
    for (std::size_t i = 0; i < rim.size(); ++i)
        mesh.addTriangle(middle, rim[i], rim[(i + 1) % rim.size()]);
    for (std::size_t i = 0; i < footprint.size(); ++i) {
        const Point& p = footprint[i];
        const Point& q = footprint[(i + 1) % footprint.size()];
        const Vec3 mid{(p.x + q.x) / 2.0 - centre.x, (p.y + q.y) / 2.0 - centre.y, 0.0};
        Vec3 n = normalized({q.y - p.y, p.x - q.x, 0.0});
        if (dot(n, mid) < 0.0)
            n = n * -1.0;
        mesh.addQuad({p.x, p.y, z0}, {q.x, q.y, z0}, {q.x, q.y, z1}, {p.x, p.y, z1}, n, side);
    }
}

void gableRoofX(Mesh& mesh, double x0, double y0, double x1, double y1, double eave, double ridge, Rgb roof,
                Rgb gable)
{
    const double ym = (y0 + y1) / 2.0;
    const Vec3 inside{(x0 + x1) / 2.0, ym, eave};
    quad(mesh, {x0, y0, eave}, {x1, y0, eave}, {x1, ym, ridge}, {x0, ym, ridge}, inside, roof);
    quad(mesh, {x0, y1, eave}, {x1, y1, eave}, {x1, ym, ridge}, {x0, ym, ridge}, inside, scaled(roof, 0.85f));
    triangle(mesh, {x0, y0, eave}, {x0, y1, eave}, {x0, ym, ridge}, inside, gable);
    triangle(mesh, {x1, y0, eave}, {x1, y1, eave}, {x1, ym, ridge}, inside, gable);
}

void gableRoofY(Mesh& mesh, double x0, double y0, double x1, double y1, double eave, double ridge, Rgb roof,
                Rgb gable)
{
    const double xm = (x0 + x1) / 2.0;
    const Vec3 inside{xm, (y0 + y1) / 2.0, eave};
    quad(mesh, {x0, y0, eave}, {x0, y1, eave}, {xm, y1, ridge}, {xm, y0, ridge}, inside, roof);
    quad(mesh, {x1, y0, eave}, {x1, y1, eave}, {xm, y1, ridge}, {xm, y0, ridge}, inside, scaled(roof, 0.85f));
    triangle(mesh, {x0, y0, eave}, {x1, y0, eave}, {xm, y0, ridge}, inside, gable);
    triangle(mesh, {x0, y1, eave}, {x1, y1, eave}, {xm, y1, ridge}, inside, gable);
}

void hippedRoof(Mesh& mesh, double x0, double y0, double x1, double y1, double eave, double ridge, Rgb roof)
{
    const double inset = std::min(x1 - x0, y1 - y0) / 2.0;
    const Vec3 inside{(x0 + x1) / 2.0, (y0 + y1) / 2.0, eave};
    const Rgb hip = scaled(roof, 0.9f);
    if (x1 - x0 >= y1 - y0) {
        const double ym = (y0 + y1) / 2.0;
        const Vec3 r0{x0 + inset, ym, ridge}, r1{x1 - inset, ym, ridge};
        quad(mesh, {x0, y0, eave}, {x1, y0, eave}, r1, r0, inside, roof);
        quad(mesh, {x0, y1, eave}, {x1, y1, eave}, r1, r0, inside, scaled(roof, 0.85f));
        triangle(mesh, {x0, y0, eave}, {x0, y1, eave}, r0, inside, hip);
        triangle(mesh, {x1, y0, eave}, {x1, y1, eave}, r1, inside, hip);
    } else {
        const double xm = (x0 + x1) / 2.0;
        const Vec3 r0{xm, y0 + inset, ridge}, r1{xm, y1 - inset, ridge};
        quad(mesh, {x0, y0, eave}, {x0, y1, eave}, r1, r0, inside, roof);
        quad(mesh, {x1, y0, eave}, {x1, y1, eave}, r1, r0, inside, scaled(roof, 0.85f));
        triangle(mesh, {x0, y0, eave}, {x1, y0, eave}, r0, inside, hip);
        triangle(mesh, {x0, y1, eave}, {x1, y1, eave}, r1, inside, hip);
    }
}

} // namespace layrail::shapes
