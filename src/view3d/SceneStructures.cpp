#include <cmath>

#include "view3d/ModelShapes.h"
#include "view3d/SceneParts.h"
#include "view3d/Tessellate.h"

// Piers, posts, polygon shapes and the baseboard.
namespace layrail::sceneparts {

namespace {

constexpr double kBaseboardZ = -0.5;
constexpr Rgb kBaseboardColour{0.36f, 0.5f, 0.3f};
constexpr Vec3 kUp{0.0, 0.0, 1.0};

// Even-odd crossing test on layout coordinates; points on an edge may fall either way.
bool strictlyInside(const std::vector<Point>& polygon, Point p)
{
    bool inside = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Point& a = polygon[i];
        const Point& b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

bool holdsTunnelTrack(const LayoutShape& shape, const std::vector<const PlacedPiece*>& tunnelTrack)
{
    for (const PlacedPiece* piece : tunnelTrack)
        if (piece->level == shape.level && strictlyInside(shape.points, {piece->x, piece->y}))
            return true;
    return false;
}

// Flat triangles covering an outline at height z, in scene coordinates.
void addFlatPolygon(Mesh& mesh, const std::vector<Point>& sceneOutline, double z, Rgb colour)
{
    const std::vector<Point> triangles = triangulate(sceneOutline);
    for (std::size_t i = 0; i + 2 < triangles.size(); i += 3) {
        const std::uint32_t a = mesh.addVertex({triangles[i].x, triangles[i].y, z}, kUp, colour);
        const std::uint32_t b = mesh.addVertex({triangles[i + 1].x, triangles[i + 1].y, z}, kUp, colour);
        const std::uint32_t c = mesh.addVertex({triangles[i + 2].x, triangles[i + 2].y, z}, kUp, colour);
        mesh.addTriangle(a, b, c);
    }
}

std::vector<Point> toSceneOutline(const std::vector<Point>& points)
{
    std::vector<Point> outline;
    outline.reserve(points.size());
    for (const Point& p : points)
        outline.push_back({p.x, -p.y});
    return outline;
}

double signedArea(const std::vector<Point>& outline)
{
    double area = 0.0;
    for (std::size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++)
        area += outline[j].x * outline[i].y - outline[i].x * outline[j].y;
    return area / 2.0;
}

void addShapeSolid(Scene& scene, const std::vector<Point>& outline, double bottom, double top, double height,
                   Rgb topColour, Rgb sideColour)
{
    addFlatPolygon(scene.structures, outline, top, topColour);
    if (height < 0.5)
        return;
    // With the outline counter-clockwise, the outside of an edge lies to its right.
    const double turn = signedArea(outline) >= 0.0 ? 1.0 : -1.0;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const Point& p = outline[i];
        const Point& q = outline[(i + 1) % outline.size()];
        const double dx = q.x - p.x, dy = q.y - p.y, len = std::hypot(dx, dy);
        if (len < 1e-6)
            continue;
        const Vec3 outward{turn * dy / len, -turn * dx / len, 0.0};
        scene.structures.addQuad({p.x, p.y, bottom}, {q.x, q.y, bottom}, {q.x, q.y, top}, {p.x, p.y, top}, outward,
                                 sideColour);
    }
}

void addShapeOutline(Scene& scene, const std::vector<Point>& outline, double bottom, double top, double height,
                     Rgb colour)
{
    const bool solid = height >= 0.5;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const Point& p = outline[i];
        const Point& q = outline[(i + 1) % outline.size()];
        scene.outlines.push_back({{p.x, p.y, top}, {q.x, q.y, top}, colour});
        if (solid) {
            scene.outlines.push_back({{p.x, p.y, bottom}, {q.x, q.y, bottom}, colour});
            scene.outlines.push_back({{p.x, p.y, bottom}, {p.x, p.y, top}, colour});
        }
    }
}

} // namespace

std::unordered_set<int> tunnelPieceIds(const Layout& layout)
{
    std::unordered_set<int> ids;
    for (const Tunnel& tunnel : layout.tunnels)
        ids.insert(tunnel.coveredPieces.begin(), tunnel.coveredPieces.end());
    return ids;
}

void addPost(Mesh& mesh, double x, double y, double size, double height)
{
    constexpr Rgb top{0.74f, 0.73f, 0.70f};
    constexpr Rgb side{0.58f, 0.57f, 0.54f};
    shapes::box(mesh, {x - size / 2.0, y - size / 2.0, 0.0}, {size, size, height}, top, side);
}

void addPierMesh(Mesh& mesh, const Pier& pier)
{
    constexpr double kRadius = 11.0;
    constexpr double kCentreOffset = 7.0;
    constexpr int kSteps = 8;
    constexpr Rgb light{0.62f, 0.58f, 0.54f};
    constexpr Rgb dark{0.5f, 0.46f, 0.42f};
    constexpr Rgb top{0.74f, 0.71f, 0.66f};
    const double o = degToRad(pier.orientation);
    const Vec3 axis{std::cos(o), std::sin(o), 0.0};
    const Vec3 centre{pier.x, pier.y, 0.0};

    // Two half circles facing away from each other along the pier's axis.
    std::vector<Vec3> rim;
    for (int half = 0; half < 2; ++half) {
        const double sign = half == 0 ? 1.0 : -1.0;
        const Vec3 c = centre + axis * (sign * kCentreOffset);
        for (int k = 0; k <= kSteps; ++k) {
            const double a = o - kPi / 2.0 + half * kPi + k * kPi / kSteps;
            rim.push_back(c + Vec3{kRadius * std::cos(a), kRadius * std::sin(a), 0.0});
        }
    }
    const Vec3 lift{0.0, 0.0, pier.height};
    const std::uint32_t middle = mesh.addVertex(centre + lift, kUp, top);
    std::vector<std::uint32_t> cap;
    for (const Vec3& p : rim)
        cap.push_back(mesh.addVertex(p + lift, kUp, top));
    for (std::size_t i = 0; i < rim.size(); ++i) {
        const std::size_t j = (i + 1) % rim.size();
        mesh.addTriangle(middle, cap[i], cap[j]);
        const Vec3 mid = (rim[i] + rim[j]) * 0.5 - centre;
        const Vec3 n = normalized({mid.x, mid.y, 0.0});
        // The sides shade from dark at the foot to light at the top.
        const std::uint32_t a = mesh.addVertex(rim[i], n, dark);
        const std::uint32_t b = mesh.addVertex(rim[j], n, dark);
        const std::uint32_t c = mesh.addVertex(rim[j] + lift, n, light);
        const std::uint32_t d = mesh.addVertex(rim[i] + lift, n, light);
        mesh.addTriangle(a, b, c);
        mesh.addTriangle(a, c, d);
    }
}

void addShapes(Scene& scene, const Layout& layout, const LevelLookup& levels,
               const std::unordered_set<int>& tunnelPieces)
{
    std::vector<const PlacedPiece*> tunnelTrack;
    if (!tunnelPieces.empty())
        for (const PlacedPiece& piece : layout.pieces)
            if (tunnelPieces.count(piece.id) != 0)
                tunnelTrack.push_back(&piece);
    for (const LayoutShape& shape : layout.shapes) {
        if (shape.points.size() < 3 || !levels.visible(shape.level))
            continue;
        const Rgb topColour{shape.red / 255.0f, shape.green / 255.0f, shape.blue / 255.0f};
        const Rgb sideColour = scaled(topColour, 0.7f);
        const double bottom = levels.height(shape.level);
        const double top = bottom + shape.height;
        const std::vector<Point> outline = toSceneOutline(shape.points);
        if (holdsTunnelTrack(shape, tunnelTrack))
            addShapeOutline(scene, outline, bottom, top, shape.height, topColour);
        else
            addShapeSolid(scene, outline, bottom, top, shape.height, topColour, sideColour);
    }
}

void addBaseboard(Scene& scene, const Layout& layout)
{
    if (layout.baseboard.vertices.size() < 3)
        return;
    addFlatPolygon(scene.baseboard, toSceneOutline(layout.baseboard.vertices), kBaseboardZ, kBaseboardColour);
}

} // namespace layrail::sceneparts
