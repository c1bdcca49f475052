// Operations that lay new track: palette drops, clones, palette double-clicks, library blocks and
// autofill.
#include <cmath>
#include <filesystem>

#include "RandomEdits.h"
#include "WorldSupport.h"
#include "document/SelectionFlags.h"
#include "canvas/Autofill.h"
#include "document/Joints.h"
#include "canvas/Placement.h"
#include "canvas/PlacementDrag.h"
#include "canvas/Selection.h"
#include "catalog/TrackCatalog.h"
#include "document/ConnectorMatching.h"
#include "document/JointGeometry.h"
#include "document/LibraryBlock.h"
#include "panels/BlockPlacement.h"

namespace layrail::randomedit {

namespace {

std::string outcome(const EditResult& r)
{
    if (!r.message.empty())
        return "refused: " + r.message.title;
    return r.changed() ? "placed" : "nothing";
}

// A palette drag of the article: turned by Shift+wheel notches (15 degrees each), moved to the
// ghost origin, dropped.
EditResult dragAndDrop(EditWorld& world, const std::string& article, Point ghost, int notches)
{
    PlacementState state;
    if (!beginPaletteDrag(state, article, world.view))
        return {};
    for (int i = 0; i < notches; ++i)
        turnGhostByWheel(state, world.layout, 1, true);
    updateSnap(state, world.layout, ghost);
    return dropPiece(world.layout, state);
}

// Drops the article so that its connector lands near an open end: the ghost turned to the nearest
// 15 degrees of the exact pose and off by up to `slack` millimetres.
EditResult dropOnEnd(EditWorld& world, Rng& rng, const std::string& article, const OpenEnd& end, double slack)
{
    const CatalogPiece* cat = TrackCatalog::instance().find(article);
    const int own = rng.below(static_cast<int>(cat->connectors.size()));
    const Pose exact = poseOnConnector(*cat, own, end.world);
    const int notches = static_cast<int>(std::lround(exact.heading / 15.0)) % 24;
    const double h = degToRad(notches * 15.0);
    const Connector& local = cat->connectors[static_cast<size_t>(own)];
    const Point ghost{end.world.x - (local.x * std::cos(h) - local.y * std::sin(h)) + rng.uniform(-slack, slack),
                      end.world.y - (local.x * std::sin(h) + local.y * std::cos(h)) + rng.uniform(-slack, slack)};
    return dragAndDrop(world, article, ghost, notches);
}

void dropSnapped(EditWorld& world, Rng& rng, StepReport& report)
{
    const std::vector<OpenEnd> ends = openEnds(world.layout);
    if (ends.empty()) {
        report.did = "no open end";
        return;
    }
    const OpenEnd& end = rng.pick(ends);
    // Mostly the end's own system; now and then another, which must be refused or kept apart.
    const TrackSystem system = rng.chance(0.85) ? end.system : pickSystem(world, rng);
    const std::string article = pickArticle(system, rng);
    const EditResult r = dropOnEnd(world, rng, article, end, 12.0);
    report.did = article + " at piece " + std::to_string(end.piece) + " connector " +
                 std::to_string(end.world.index) + ": " + outcome(r);
}

void dropFree(EditWorld& world, Rng& rng, StepReport& report)
{
    const std::string article = pickArticle(pickSystem(world, rng), rng);
    const Point at = pickPoint(world.layout, rng);
    const EditResult r = dragAndDrop(world, article, at, rng.below(24));
    report.did = article + " at " + describe(at) + ": " + outcome(r);
}

void clone(EditWorld& world, Rng& rng, StepReport& report)
{
    const int id = pickPiece(world.layout, rng);
    if (id == -1) {
        report.did = "no piece";
        return;
    }
    report.did = "piece " + std::to_string(id) + ": " + outcome(clonePiece(world.layout, id));
}

void autoConnectStep(EditWorld& world, Rng& rng, StepReport& report)
{
    selectSome(world, rng);
    const TrackSystem system = rng.chance(0.8) ? pickSystem(world, rng) : TrackSystem::MarklinC;
    const std::string article = pickArticle(system, rng);
    report.did = article + ": " + outcome(autoConnect(world.layout, article));
}

// A run of track from one dropped piece: pieces joined on at the far end, now and then a whole
// circle of one curve, which must close on itself.
void layTrack(EditWorld& world, Rng& rng, StepReport& report)
{
    const TrackSystem system = pickSystem(world, rng);
    const std::vector<std::string> articles = paletteArticles(system);
    std::vector<std::string> circleCurves;
    for (const std::string& a : articles) {
        const CatalogPiece* c = TrackCatalog::instance().find(a);
        if (c->kind == PieceKind::Curve && !c->bridge && c->angle > 0.0 &&
            std::fabs(360.0 / c->angle - std::round(360.0 / c->angle)) < 1e-9 && 360.0 / c->angle <= 24.0)
            circleCurves.push_back(a);
    }
    const bool circle = !circleCurves.empty() && rng.chance(0.3);
    const std::string first = circle ? rng.pick(circleCurves) : rng.pick(articles);
    const Point at = pickPoint(world.layout, rng);
    const EditResult r = dragAndDrop(world, first, at, rng.below(24));
    report.did = first + " at " + describe(at) + ": " + outcome(r);
    if (!r.changed())
        return;
    const int count = circle ? static_cast<int>(std::lround(360.0 / TrackCatalog::instance().find(first)->angle)) - 1
                             : rng.between(1, 6);
    for (int i = 0; i < count; ++i) {
        const std::string next = circle ? first : pickArticle(system, rng);
        const EditResult added = autoConnect(world.layout, next);
        report.did += ", then " + next + ": " + outcome(added);
        if (!added.changed())
            break;
    }
}

void libraryBlock(EditWorld& world, Rng& rng, StepReport& report)
{
    selectSome(world, rng);
    const std::string text = blockText(world.layout, "Random");
    if (text.empty()) {
        report.did = "nothing selected";
        return;
    }
    const std::string path = (std::filesystem::path(world.scratchFolder) / "block.xml").string();
    if (const std::string error = writeBlock(world.layout, path, "Random"); !error.empty()) {
        report.problems.push_back("writing the block failed: " + error);
        return;
    }
    LibraryBlock block;
    if (const std::string error = readBlock(path, block); !error.empty()) {
        report.problems.push_back("a block the program wrote does not read back: " + error);
        return;
    }
    const PlacedBlock placed = placeBlock(world.layout, block);
    report.did = "placed " + std::to_string(placed.pieceIds.size()) + " pieces";
}

// Two pieces whose open ends face each other in line, when the layout has any; else any two.
void selectGapEnds(EditWorld& world, Rng& rng)
{
    deselectAll(world.layout);
    const std::vector<OpenEnd> ends = openEnds(world.layout);
    std::vector<std::pair<int, int>> inLine;
    for (const OpenEnd& a : ends) {
        const double h = degToRad(a.world.heading);
        for (const OpenEnd& b : ends) {
            if (a.piece == b.piece || facingError(a.world.heading, b.world.heading) > 0.5)
                continue;
            const double dx = b.world.x - a.world.x;
            const double dy = b.world.y - a.world.y;
            const double along = dx * std::cos(h) + dy * std::sin(h);
            const double across = -dx * std::sin(h) + dy * std::cos(h);
            if (along > 1.0 && along < 1500.0 && std::fabs(across) < 1.0)
                inLine.emplace_back(a.piece, b.piece);
        }
    }
    if (!inLine.empty() && rng.chance(0.8)) {
        const auto& [a, b] = rng.pick(inLine);
        world.layout.findPiece(a)->selected = true;
        world.layout.findPiece(b)->selected = true;
    } else {
        for (int i = 0; i < 2; ++i)
            if (const int id = pickPiece(world.layout, rng); id != -1)
                world.layout.findPiece(id)->selected = true;
    }
    // A click on a helix stub selects the whole helix; the canvas never leaves a lone stub selected.
    completeHelixSelection(world.layout);
}

void autofill(EditWorld& world, Rng& rng, StepReport& report)
{
    selectGapEnds(world, rng);
    const AutofillPlan plan = planAutofill(world.layout);
    if (!plan.ran) {
        report.did = "not two pieces";
        return;
    }
    if (!plan.message.empty()) {
        report.did = plan.message.title;
        return;
    }
    const FillSolution& fill = rng.pick(plan.solutions);
    const EditResult r = placeFill(world.layout, plan.gap, fill);
    report.did = "gap " + std::to_string(plan.gap.distance) + ": " + std::to_string(fill.articles.size()) +
                 " pieces, " + outcome(r);
    if (!r.changed())
        report.problems.push_back("an offered fill placed nothing");
}

} // namespace

LAYRAIL_RANDOM_EDIT("lay-track", 3, layTrack);
LAYRAIL_RANDOM_EDIT("drop-snapped", 10, dropSnapped);
LAYRAIL_RANDOM_EDIT("drop-free", 4, dropFree);
LAYRAIL_RANDOM_EDIT("clone", 5, clone);
LAYRAIL_RANDOM_EDIT("auto-connect", 6, autoConnectStep);
LAYRAIL_RANDOM_EDIT("library-block", 2, libraryBlock);
LAYRAIL_RANDOM_EDIT("autofill", 3, autofill);

} // namespace layrail::randomedit
