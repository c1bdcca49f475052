#include "canvas/Placement.h"

#include <cfloat>
#include <cmath>
#include <vector>

#include "canvas/AutoJoin.h"
#include "canvas/GradeContinuation.h"
#include "canvas/LevelRules.h"
#include "catalog/SceneryCatalog.h"
#include "catalog/TrackCatalog.h"
#include "document/Joints.h"
#include "document/SelectionFlags.h"
#include "document/WorldConnectors.h"

namespace layrail {

namespace {

// The turntable connectors that get a spoke extension, in the order they are added.
constexpr int kSpokeConnectors[] = {29, 0, 1, 14, 15, 16};
constexpr double kRoundhouseReach = 700.0;
constexpr double kRoundhouseOffset = 349.6;
constexpr double kRoundhouseStep = 12.0;

void selectOnly(Layout& layout, int pieceId)
{
    deselectAll(layout);
    if (PlacedPiece* p = layout.findPiece(pieceId))
        p->selected = true;
}

// A new piece of the article with its connector `attach` on the given connector of the anchor.
PlacedPiece pieceOnConnector(const CatalogPiece& cat, int attach, const PlacedPiece& anchor,
                             const CatalogPiece& anchorCat, int anchorConnector)
{
    const Connector world = worldConnectors(anchor, anchorCat)[static_cast<size_t>(anchorConnector)];
    const Pose pose = poseOnConnector(cat, attach, world);
    PlacedPiece piece;
    piece.article = cat.article;
    piece.x = pose.x;
    piece.y = pose.y;
    piece.heading = pose.heading;
    piece.level = anchor.level;
    return piece;
}

// Joins a fresh piece to an anchor connector and carries the elevation across.
int attachPiece(Layout& layout, EditSnapshot& snapshot, const CatalogPiece& cat, int attach, int anchorId,
                int anchorConnector)
{
    const PlacedPiece* anchor = layout.findPiece(anchorId);
    const CatalogPiece* anchorCat = anchor ? catalogPieceOf(*anchor) : nullptr;
    if (anchorCat == nullptr || anchorConnector < 0 ||
        anchorConnector >= static_cast<int>(anchorCat->connectors.size()))
        return -1;
    const int id = addPiece(layout, snapshot, pieceOnConnector(cat, attach, *anchor, *anchorCat, anchorConnector));
    joinBoth(layout, id, attach, anchorId, anchorConnector);
    continueGrade(layout, id, anchorId, anchorConnector, attach);
    return id;
}

// A pair piece is laid with its partner joined at its far end; -1 when none was added.
int addPairPartner(Layout& layout, EditSnapshot& snapshot, int firstId)
{
    const PlacedPiece* first = layout.findPiece(firstId);
    const CatalogPiece* cat = first ? catalogPieceOf(*first) : nullptr;
    if (cat == nullptr || !cat->pair || cat->connectors.size() < 2 || !connectorFree(layout, *first, 1))
        return -1;
    return attachPiece(layout, snapshot, *cat, 0, firstId, 1);
}

// The six spoke extensions of a fresh turntable. A connector already joined (the turntable was
// snapped there) keeps its joint instead of getting an extension on top of the track.
void addSpokeExtensions(Layout& layout, EditSnapshot& snapshot, int turntableId)
{
    const TrackCatalog& catalog = TrackCatalog::instance();
    const CatalogPiece* extension = catalog.find(kSpokeExtensionArticle);
    if (extension == nullptr)
        return;
    for (int connector : kSpokeConnectors) {
        const PlacedPiece* turntable = layout.findPiece(turntableId);
        const CatalogPiece* cat = turntable ? catalogPieceOf(*turntable) : nullptr;
        if (cat == nullptr || connector >= static_cast<int>(cat->connectors.size()) ||
            !connectorFree(layout, *turntable, connector))
            continue;
        PlacedPiece piece = pieceOnConnector(*extension, 0, *turntable, *cat, connector);
        piece.z = turntable->z;
        const int id = addPiece(layout, snapshot, piece);
        joinBoth(layout, id, 0, turntableId, connector);
    }
}

EditMessage incompatibleMessage(const CompatibilityResult& c)
{
    std::string text = std::string(systemName(c.movingSystem)) + " cannot connect to " + systemName(c.otherSystem) +
                       ".\n\nThese track systems are not compatible.";
    // The adapter joins exactly these two systems; for any other pair it would be bad advice.
    const bool cAndK = (c.movingSystem == TrackSystem::MarklinC && c.otherSystem == TrackSystem::MarklinK) ||
                       (c.movingSystem == TrackSystem::MarklinK && c.otherSystem == TrackSystem::MarklinC);
    if (cAndK)
        text += "\nUse adapter track 24922 to connect C-Track to K-Track.";
    return {"Incompatible Track Systems", text, MessageIcon::Warning};
}

// A piece attached at a chosen end by clone or autoConnect meets only its own system there.
bool refuseIncompatibleEnd(const CatalogPiece& moving, int attach, const CatalogPiece& anchor, int end,
                           EditResult& result)
{
    const TrackSystem movingSystem = moving.connectorSystem(attach);
    const TrackSystem otherSystem = anchor.connectorSystem(end);
    if (movingSystem == otherSystem)
        return false;
    result.message = incompatibleMessage({true, movingSystem, otherSystem});
    return true;
}

// Pieces placed by one edit carry the ids taken since it began; with the snap switch on, their
// other ends that meet open track are joined too.
void joinNewPieces(Layout& layout, int firstNewId)
{
    if (!layout.snapOn)
        return;
    std::vector<int> ids;
    for (const PlacedPiece& p : layout.pieces)
        if (p.id >= firstNewId)
            ids.push_back(p.id);
    joinCoincidentEnds(layout, ids);
}

void finishPlacement(const Layout& layout, EditResult& result)
{
    result.changes = Changes::ofEdit();
    result.status = piecesStatus(layout);
}

} // namespace

EditResult dropPiece(Layout& layout, PlacementState& state)
{
    EditResult result;
    if (!state.palette.active)
        return result;
    const PaletteDrag drag = state.palette;
    const CatalogPiece* cat = TrackCatalog::instance().find(drag.article);
    if (cat == nullptr) {
        cancelDrag(state);
        return result;
    }
    const PlacedPiece* target = drag.snap.found ? layout.findPiece(drag.snap.targetId) : nullptr;
    if (target == nullptr && layout.snapOn) {
        const CompatibilityResult c = checkCompatibility(*cat, drag.ghost, layout.pieces);
        if (c.incompatible) {
            result.message = incompatibleMessage(c);
            cancelDrag(state);
            return result;
        }
    }

    layout.ensureDefaultLevel();
    PlacedPiece piece;
    piece.article = cat->article;
    const Pose pose = target != nullptr ? Pose{drag.snap.x, drag.snap.y, drag.snap.heading} : drag.ghost;
    piece.x = pose.x;
    piece.y = pose.y;
    piece.heading = pose.heading;
    piece.level = target != nullptr ? target->level : topVisibleLevel(layout);

    EditSnapshot snapshot(layout);
    const int firstNewId = layout.nextId;
    const int id = addPiece(layout, snapshot, piece);
    result.zoomActual = layout.pieces.size() == 1 && cat->system == TrackSystem::MarklinZ;
    if (target != nullptr) {
        joinBoth(layout, id, drag.snap.newConnector, drag.snap.targetId, drag.snap.targetConnector);
        continueGrade(layout, id, drag.snap.targetId, drag.snap.targetConnector, drag.snap.newConnector);
    }
    if (cat->article == kTurntableArticle)
        addSpokeExtensions(layout, snapshot, id);
    cancelDrag(state);
    addPairPartner(layout, snapshot, id);
    joinNewPieces(layout, firstNewId);
    selectOnly(layout, id);
    finishPlacement(layout, result);
    return result;
}

EditResult dropScenery(Layout& layout, PlacementState& state)
{
    EditResult result;
    if (!state.scenery.active)
        return result;
    const SceneryDrag drag = state.scenery;
    const SceneryDef* def = SceneryCatalog::instance().find(drag.item);
    if (def == nullptr) {
        cancelDrag(state);
        return result;
    }

    Pose pose = drag.ghost;
    if (drag.item == kRoundhouseItem) {
        const SceneryItem* nearest = nullptr;
        double best = DBL_MAX;
        for (const SceneryItem& s : layout.scenery) {
            if (s.item != kTurntableSceneryItem)
                continue;
            const double d = std::hypot(s.x - pose.x, s.y - pose.y);
            if (d < best) {
                best = d;
                nearest = &s;
            }
        }
        if (nearest != nullptr && best < kRoundhouseReach) {
            const double h = normalizeHeading(std::round(pose.heading / kRoundhouseStep) * kRoundhouseStep);
            const double r = def->depth / 2.0 + kRoundhouseOffset;
            pose = {nearest->x - std::sin(degToRad(h)) * r, nearest->y + std::cos(degToRad(h)) * r, h};
        }
    }

    layout.ensureDefaultLevel();
    SceneryItem item;
    item.item = drag.item;
    item.x = pose.x;
    item.y = pose.y;
    item.heading = pose.heading;
    item.selected = true;
    item.level = topVisibleLevel(layout);
    deselectAll(layout);
    EditSnapshot(layout).record();
    item.id = layout.takeId();
    layout.scenery.push_back(item);

    cancelDrag(state);
    finishPlacement(layout, result);
    return result;
}

EditResult clonePiece(Layout& layout, int pieceId)
{
    EditResult result;
    PlacedPiece* source = layout.findPiece(pieceId);
    const CatalogPiece* cat = source ? catalogPieceOf(*source) : nullptr;
    if (cat == nullptr || source->helix != -1)
        return result;
    growJoints(*source, *cat);

    const int count = static_cast<int>(cat->connectors.size());
    auto usable = [&](int c) {
        return c < count && connectorFree(layout, *source, c) && !connectorHeldByOther(layout, pieceId, c);
    };
    int end = -1;
    if (count >= 2 && usable(1))
        end = 1;
    else if (usable(0))
        end = 0;
    if (end == -1)
        return result;
    const int attach = end == 0 && count >= 2 ? 1 : 0;
    if (refuseIncompatibleEnd(*cat, attach, *cat, end, result))
        return result;

    EditSnapshot snapshot(layout);
    const int firstNewId = layout.nextId;
    const int id = attachPiece(layout, snapshot, *cat, attach, pieceId, end);
    if (id == -1)
        return result;
    joinNewPieces(layout, firstNewId);
    selectOnly(layout, id);
    result.swallowNextPress = true;
    finishPlacement(layout, result);
    return result;
}

EditResult autoConnect(Layout& layout, const std::string& article)
{
    EditResult result;
    PlacedPiece* anchor = nullptr;
    for (PlacedPiece& p : layout.pieces)
        if (p.selected && (anchor == nullptr || p.id > anchor->id))
            anchor = &p;
    const CatalogPiece* anchorCat = anchor ? catalogPieceOf(*anchor) : nullptr;
    const CatalogPiece* cat = TrackCatalog::instance().find(article);
    if (anchorCat == nullptr || cat == nullptr)
        return result;
    growJoints(*anchor, *anchorCat);

    const int count = static_cast<int>(anchorCat->connectors.size());
    int end = -1;
    if (count >= 2 && connectorFree(layout, *anchor, 1)) {
        end = 1;
    } else {
        for (int c = 0; c < count && end == -1; ++c)
            if (c != 1 && connectorFree(layout, *anchor, c))
                end = c;
    }
    if (end == -1)
        return result;
    const int attach = end == 0 && cat->connectors.size() >= 2 ? 1 : 0;
    if (refuseIncompatibleEnd(*cat, attach, *anchorCat, end, result))
        return result;

    const int anchorId = anchor->id;
    EditSnapshot snapshot(layout);
    const int firstNewId = layout.nextId;
    const int id = attachPiece(layout, snapshot, *cat, attach, anchorId, end);
    if (id == -1)
        return result;
    selectOnly(layout, id);
    const int partner = addPairPartner(layout, snapshot, id);
    if (partner != -1)
        selectOnly(layout, partner);
    joinNewPieces(layout, firstNewId);
    finishPlacement(layout, result);
    return result;
}

} // namespace layrail
