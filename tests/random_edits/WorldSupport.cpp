#include "WorldSupport.h"

#include <cstdio>

#include "document/SelectionFlags.h"
#include "document/Joints.h"
#include "canvas/LevelRules.h"
#include "canvas/Selection.h"
#include "catalog/TrackCatalog.h"
#include "document/WorldConnectors.h"
#include "panels/PaletteLists.h"

namespace layrail::randomedit {

namespace {

constexpr TrackSystem kPaletteSystems[] = {TrackSystem::MarklinC, TrackSystem::MarklinK, TrackSystem::TrixC,
                                           TrackSystem::MarklinZ};

} // namespace

std::vector<std::string> paletteArticles(TrackSystem system)
{
    std::vector<std::string> articles;
    for (const TrackGroup& group : trackGroups(paletteIndexOf(system)))
        for (const std::string& article : group.articles)
            if (TrackCatalog::instance().find(article) != nullptr)
                articles.push_back(article);
    return articles;
}

TrackSystem pickSystem(const EditWorld& world, Rng& rng)
{
    const Layout& layout = world.layout;
    if (!layout.pieces.empty() && !rng.chance(0.1)) {
        const PlacedPiece& p = layout.pieces[static_cast<size_t>(rng.below(static_cast<int>(layout.pieces.size())))];
        if (const CatalogPiece* cat = catalogPieceOf(p))
            return cat->system;
    }
    return kPaletteSystems[rng.below(4)];
}

std::string pickArticle(TrackSystem system, Rng& rng) { return rng.pick(paletteArticles(system)); }

int pickPiece(const Layout& layout, Rng& rng)
{
    std::vector<int> ids;
    for (const PlacedPiece& p : layout.pieces)
        if (levelVisible(layout, p.level))
            ids.push_back(p.id);
    return ids.empty() ? -1 : rng.pick(ids);
}

std::vector<OpenEnd> openEnds(const Layout& layout, int selected)
{
    std::vector<OpenEnd> ends;
    for (const PlacedPiece& p : layout.pieces) {
        if (!levelVisible(layout, p.level) || (selected != -1 && p.selected != (selected == 1)))
            continue;
        const CatalogPiece* cat = catalogPieceOf(p);
        if (cat == nullptr)
            continue;
        for (const Connector& c : worldConnectorsOf(layout, p, *cat))
            if (c.open)
                ends.push_back({p.id, c, cat->connectorSystem(c.index)});
    }
    return ends;
}

void clickPiece(EditWorld& world, Rng& rng, int pieceId)
{
    const int kind = rng.below(6);
    selectOnPiecePress(world.layout, pieceId, kind == 4, kind == 5);
}

void selectSome(EditWorld& world, Rng& rng)
{
    if (rng.chance(0.08)) {
        selectAllPiecesAndScenery(world.layout);
        return;
    }
    const int clicks = rng.between(1, 3);
    for (int i = 0; i < clicks; ++i) {
        const int id = pickPiece(world.layout, rng);
        if (id != -1)
            clickPiece(world, rng, id);
    }
}

Point pickPoint(const Layout& layout, Rng& rng)
{
    if (layout.pieces.empty() || rng.chance(0.15))
        return {rng.uniform(-500.0, 2500.0), rng.uniform(-500.0, 1500.0)};
    const PlacedPiece& p = layout.pieces[static_cast<size_t>(rng.below(static_cast<int>(layout.pieces.size())))];
    return {p.x + rng.uniform(-300.0, 300.0), p.y + rng.uniform(-300.0, 300.0)};
}

std::string describe(const Point& p)
{
    char text[64];
    std::snprintf(text, sizeof text, "(%.1f, %.1f)", p.x, p.y);
    return text;
}

} // namespace layrail::randomedit
