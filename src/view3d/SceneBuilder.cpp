#include <algorithm>
#include <cmath>

#include "catalog/HelixKits.h"
#include "catalog/TrackCatalog.h"
#include "document/WorldConnectors.h"
#include "view3d/PieceMeshes.h"
#include "view3d/Scene.h"
#include "view3d/SceneParts.h"

namespace layrail {

void SceneBounds::add(double x, double y)
{
    minX = std::min(minX, x);
    minY = std::min(minY, y);
    maxX = std::max(maxX, x);
    maxY = std::max(maxY, y);
    any = true;
}

Scene buildScene(const Layout& layout)
{
    using namespace sceneparts;
    Scene scene;
    const LevelLookup levels(layout);
    addPieces(scene, layout, levels);
    addBridgePiers(scene, layout, levels);
    addHelices(scene, layout, levels);
    addShapes(scene, layout, levels, tunnelPieceIds(layout));
    addScenery(scene, layout, levels);
    addBaseboard(scene, layout);
    addTunnels(scene, layout);
    return scene;
}

namespace sceneparts {

namespace {

// The article's cached mesh, built on first use.
int trackMesh(Scene& scene, const CatalogPiece& piece)
{
    auto [it, inserted] = scene.trackMeshByArticle.emplace(piece.article, static_cast<int>(scene.trackMeshes.size()));
    if (inserted)
        scene.trackMeshes.push_back(buildPieceMesh(piece));
    return it->second;
}

// A layout point in scene coordinates.
Point toScene(Point p) { return {p.x, -p.y}; }

} // namespace

LevelLookup::LevelLookup(const Layout& layout)
{
    for (const Level& level : layout.levels)
        levels_.emplace(level.id, &level);
}

bool LevelLookup::visible(int level) const
{
    auto it = levels_.find(level);
    return it == levels_.end() || it->second->visible;
}

double LevelLookup::height(int level) const
{
    auto it = levels_.find(level);
    return it == levels_.end() ? 0.0 : it->second->height;
}

void addPieces(Scene& scene, const Layout& layout, const LevelLookup& levels)
{
    const TrackCatalog& catalog = TrackCatalog::instance();
    scene.tracks.reserve(layout.pieces.size());
    for (const PlacedPiece& piece : layout.pieces) {
        const CatalogPiece* c = catalog.find(piece.article);
        if (c == nullptr || !levels.visible(piece.level))
            continue;
        TrackInstance instance;
        instance.article = piece.article;
        instance.mesh = trackMesh(scene, *c);
        instance.x = static_cast<float>(piece.x);
        instance.y = static_cast<float>(-piece.y);
        instance.z = static_cast<float>(piece.z);
        instance.heading = static_cast<float>(-piece.heading);
        instance.tilt = static_cast<float>(piece.grade);
        instance.reversed = piece.rev;
        scene.tracks.push_back(std::move(instance));

        const double h = degToRad(piece.heading);
        scene.bounds.add(piece.x, -piece.y);
        scene.bounds.add(piece.x + std::cos(h) * c->length, -piece.y - std::sin(h) * c->length);
    }
}

void addBridgePiers(Scene& scene, const Layout& layout, const LevelLookup& levels)
{
    const TrackCatalog& catalog = TrackCatalog::instance();
    std::unordered_set<int> bridgeIds;
    for (const PlacedPiece& piece : layout.pieces)
        if (const CatalogPiece* c = catalog.find(piece.article); c != nullptr && c->bridge)
            bridgeIds.insert(piece.id);

    for (const PlacedPiece& piece : layout.pieces) {
        if (bridgeIds.count(piece.id) == 0 || !levels.visible(piece.level))
            continue;
        const CatalogPiece& c = *catalog.find(piece.article);
        Point endOffset{c.length, 0.0};
        if (c.radius > 0.0 && c.connectors.size() >= 2)
            endOffset = {c.connectors[1].x, c.connectors[1].y};
        const Pose pose{piece.x, piece.y, piece.heading};
        const Point ends[2] = {toScene({piece.x, piece.y}), toScene(toWorld(pose, endOffset.x, endOffset.y))};
        for (int end = 0; end < 2; ++end) {
            const Point at = ends[end];
            const bool shared = std::any_of(scene.piers.begin(), scene.piers.end(), [&](const Pier& p) {
                return std::fabs(p.x - at.x) <= 2.0 && std::fabs(p.y - at.y) <= 2.0;
            });
            const bool joinedToBridge = !piece.isOpen(end) && bridgeIds.count(piece.joints[end].target) != 0;
            if (shared || joinedToBridge)
                continue;
            const Pier pier{at.x, at.y, piece.z, 90.0 - piece.heading};
            addPierMesh(scene.structures, pier);
            scene.piers.push_back(pier);
        }
    }
}

void addHelices(Scene& scene, const Layout& layout, const LevelLookup& levels)
{
    const TrackCatalog& catalog = TrackCatalog::instance();
    for (const Helix& helix : layout.helices) {
        const HelixKit* kit = findHelixKit(helix.variant);
        if (kit == nullptr)
            kit = findHelixKit(defaultHelixKitId());
        const PlacedPiece* basePiece = layout.findPiece(helix.bottomR1);
        if (kit == nullptr || (basePiece != nullptr && !levels.visible(basePiece->level)))
            continue;
        const CatalogPiece* innerCurve = catalog.find(kit->innerCurveArticle);
        const CatalogPiece* outerCurve = catalog.find(kit->outerCurveArticle);
        if (innerCurve == nullptr || outerCurve == nullptr)
            continue;
        trackMesh(scene, *innerCurve);
        trackMesh(scene, *outerCurve);

        const int segments = static_cast<int>(std::floor(kit->turns * 12.0));
        const double rise = segments < 1 ? 0.0 : kit->rise / segments;
        const double base = basePiece != nullptr ? basePiece->z : 0.0;
        const double rotation = helix.heading;
        const double rc = std::cos(degToRad(rotation)), rs = std::sin(degToRad(rotation));
        const std::pair<double, const CatalogPiece*> rings[2] = {{kit->innerRadius, innerCurve},
                                                                 {kit->outerRadius, outerCurve}};
        for (const auto& [radius, curve] : rings) {
            const double arc = radius * kPi / 6.0;
            const double tilt = arc <= 0.001 ? 0.0 : radToDeg(std::atan(rise / arc));
            for (int i = 1; i <= segments; ++i) {
                const double theta = degToRad(-90.0 - 30.0 * i);
                const double px = radius * std::cos(theta), py = radius * std::sin(theta);
                const Point at = toScene({helix.cx + px * rc - py * rs, helix.cy + px * rs + py * rc});
                TrackInstance instance;
                instance.article = curve->article;
                instance.mesh = trackMesh(scene, *curve);
                instance.x = static_cast<float>(at.x);
                instance.y = static_cast<float>(at.y);
                instance.z = static_cast<float>(base + i * rise);
                instance.heading = static_cast<float>(30.0 * i - rotation);
                instance.tilt = static_cast<float>(tilt);
                // Each segment runs from its own height down to the one before it, so the turns join up.
                instance.reversed = true;
                scene.tracks.push_back(std::move(instance));
                scene.bounds.add(at.x, at.y);
            }
        }

        // Posts between the two tracks at every segment joint, and one outside the top exit.
        const Point centre = toScene({helix.cx, helix.cy});
        const double between = (kit->innerRadius + kit->outerRadius) / 2.0;
        for (int i = 0; i < 12; ++i) {
            const double a = degToRad(-(30.0 * i - 90.0 + rotation));
            addPost(scene.structures, centre.x + between * std::cos(a), centre.y + between * std::sin(a), 7.0,
                    base + kit->rise);
        }
        const double top = degToRad(-(rotation + 90.0));
        const double outside = kit->outerRadius + 30.0;
        addPost(scene.structures, centre.x + outside * std::cos(top), centre.y + outside * std::sin(top), 7.0,
                base + kit->rise);
    }
}

} // namespace sceneparts
} // namespace layrail
