// Operations of the properties panel and the structures: grades, height, level, helices, tunnels,
// colours and labels, each run on what the panel would show for a random selection.
#include <algorithm>
#include <cmath>
#include <optional>

#include "RandomEdits.h"
#include "WorldSupport.h"
#include "canvas/Grades.h"
#include "canvas/Helices.h"
#include "canvas/PlacementDrag.h"
#include "canvas/PropertyEdits.h"
#include "canvas/Selection.h"
#include "canvas/Tunnels.h"
#include "dialogs/LevelManager.h"
#include "document/History.h"
#include "document/SelectionFlags.h"
#include "document/TrackColours.h"
#include "panels/PropertiesView.h"

namespace layrail::randomedit {

namespace {

std::string outcome(const EditResult& r)
{
    if (!r.message.empty())
        return "refused: " + r.message.title;
    return r.changed() ? "changed" : "nothing";
}

// An edit that changed the layout recorded exactly one undo snapshot; one that did not, none.
class SnapshotWatch {
public:
    explicit SnapshotWatch(const Layout& layout) : layout_(layout), before_(layout.undoStack.size()) {}
    void check(const EditResult& result, StepReport& report) const
    {
        const size_t expected = result.changed() ? std::min(before_ + 1, kUndoLimit) : before_;
        if (layout_.undoStack.size() != expected)
            report.problems.push_back("the edit left " + std::to_string(layout_.undoStack.size()) +
                                      " undo snapshots where " + std::to_string(expected) + " were due");
    }

private:
    const Layout& layout_;
    size_t before_;
};

// A walk of a few joints from a random piece, every piece on it selected, as a user clicks a stretch
// of track together; a helix stub on the way selects its whole helix, as on the canvas.
void selectChain(EditWorld& world, Rng& rng)
{
    Layout& layout = world.layout;
    deselectAll(layout);
    int current = pickPiece(layout, rng);
    const int length = rng.between(1, 6);
    for (int i = 0; i < length && current != -1; ++i) {
        PlacedPiece& piece = *layout.findPiece(current);
        piece.selected = true;
        std::vector<int> next;
        for (const Joint& joint : piece.joints)
            if (const PlacedPiece* n = layout.findPiece(joint.target); n != nullptr && !n->selected)
                next.push_back(n->id);
        current = next.empty() ? -1 : rng.pick(next);
    }
    completeHelixSelection(layout);
}

// Mostly one piece clicked, as the grade buttons are used; now and then anything.
PropertiesView showSomething(EditWorld& world, Rng& rng)
{
    if (rng.chance(0.7)) {
        deselectAll(world.layout);
        if (PlacedPiece* piece = world.layout.findPiece(pickPiece(world.layout, rng)))
            piece->selected = true;
        completeHelixSelection(world.layout);
    } else {
        selectSome(world, rng);
    }
    return buildPropertiesView(world.layout);
}

void startGradeStep(EditWorld& world, Rng& rng, StepReport& report)
{
    const PropertiesView view = showSomething(world, rng);
    if (view.pieceId < 0) {
        report.did = "no piece shown";
        return;
    }
    const double angle = 0.5 * rng.between(0, 12);
    const bool up = rng.chance(0.6);
    const SnapshotWatch watch(world.layout);
    const EditResult r = startGrade(world.layout, view.pieceId, angle, up);
    watch.check(r, report);
    report.did = "piece " + std::to_string(view.pieceId) + " " + gradeStartedStatus(angle, up) + ": " + outcome(r);
    const PlacedPiece* piece = world.layout.findPiece(view.pieceId);
    const double wanted = up ? angle : -angle;
    if (piece == nullptr || std::fabs(piece->grade - wanted) > 1e-9)
        report.problems.push_back("the piece does not carry the grade it was given");
    const bool anchored = std::any_of(world.layout.gradeRuns.begin(), world.layout.gradeRuns.end(),
                                      [&](const GradeRun& run) { return run.anchor == view.pieceId; });
    if (!anchored)
        report.problems.push_back("no grade run is anchored on the piece that started one");
}

void endGradeStep(EditWorld& world, Rng& rng, StepReport& report)
{
    const PropertiesView view = showSomething(world, rng);
    if (view.pieceId < 0) {
        report.did = "no piece shown";
        return;
    }
    const SnapshotWatch watch(world.layout);
    const EditResult r = endGrade(world.layout, view.pieceId);
    watch.check(r, report);
    report.did = "piece " + std::to_string(view.pieceId) + ": " + outcome(r);
    if (const PlacedPiece* piece = world.layout.findPiece(view.pieceId); piece != nullptr && piece->grade != 0.0)
        report.problems.push_back("the piece stays graded after End Grade");
}

void recalculateStep(EditWorld& world, Rng& rng, StepReport& report)
{
    const PropertiesView view = showSomething(world, rng);
    if (view.pieceId < 0) {
        report.did = "no piece shown";
        return;
    }
    std::vector<double> grades;
    for (const PlacedPiece& p : world.layout.pieces)
        grades.push_back(p.grade);
    const size_t runs = world.layout.gradeRuns.size();
    const SnapshotWatch watch(world.layout);
    const EditResult r = recalculate(world.layout, view.pieceId);
    watch.check(r, report);
    report.did = "piece " + std::to_string(view.pieceId) + ": " + outcome(r);
    for (size_t i = 0; i < grades.size() && i < world.layout.pieces.size(); ++i)
        if (world.layout.pieces[i].grade != grades[i])
            report.problems.push_back("Recalc changed the grade of piece " + std::to_string(world.layout.pieces[i].id));
    if (world.layout.gradeRuns.size() != runs)
        report.problems.push_back("Recalc changed the grade runs");
}

void setHeightStep(EditWorld& world, Rng& rng, StepReport& report)
{
    static const std::vector<std::string> texts = {"0", "12.5", "-3", "40", "abc", "", "7,5", "1e2", " 25 "};
    const PropertiesView view = showSomething(world, rng);
    if (view.pieceId < 0) {
        report.did = "no piece shown";
        return;
    }
    if (rng.chance(0.2))
        world.layout.units = static_cast<LengthUnit>(rng.below(3));
    const std::string& text = rng.pick(texts);
    const SnapshotWatch watch(world.layout);
    const EditResult r = setHeight(world.layout, view.pieceId, text);
    watch.check(r, report);
    report.did = "piece " + std::to_string(view.pieceId) + " to \"" + text + "\": " + outcome(r);
    const std::optional<double> mm = parseLengthInUnit(text, world.layout.units);
    if (r.changed() != mm.has_value())
        report.problems.push_back(r.changed() ? "a height that is not a number was set"
                                              : "a height that is a number was ignored");
    const PlacedPiece* piece = world.layout.findPiece(view.pieceId);
    if (mm && (piece == nullptr || std::fabs(piece->z - *mm) > 1e-9))
        report.problems.push_back("the piece does not stand at the height typed");
}

// The level choice on whatever the panel shows, to a level the layout has (now and then a new one,
// or "(mixed)").
void setLevelStep(EditWorld& world, Rng& rng, StepReport& report)
{
    Layout& layout = world.layout;
    if (layout.levels.size() < 3 && rng.chance(0.2))
        addLevel(layout, proposedLevelName(layout));
    if (rng.chance(0.3) && !layout.helices.empty()) {
        deselectAll(layout);
        const Helix& helix = rng.pick(layout.helices);
        for (PlacedPiece& p : layout.pieces)
            p.selected = p.helix == helix.id;
    } else if (rng.chance(0.2) && !layout.scenery.empty()) {
        deselectAll(layout);
        layout.scenery[static_cast<size_t>(rng.below(static_cast<int>(layout.scenery.size())))].selected = true;
    } else {
        selectChain(world, rng);
    }
    const PropertiesView view = buildPropertiesView(layout);
    if (view.levels.empty()) {
        report.did = "no level choice";
        return;
    }
    const LevelChoiceEntry& entry = rng.pick(view.levels);
    const ShownRecord shown{view.pieceId, view.sceneryId, view.helixId, view.shapeId};
    const SnapshotWatch watch(layout);
    const EditResult r = setLevel(layout, shown, entry.levelId);
    watch.check(r, report);
    report.did = "\"" + entry.text + "\": " + outcome(r);
    if (r.changed() && layout.activeLevel != entry.levelId)
        report.problems.push_back("the chosen level did not become the active level");
    if (entry.levelId < 0 && r.changed())
        report.problems.push_back("\"(mixed)\" moved something");
}

void addHelixStep(EditWorld& world, Rng& rng, StepReport& report)
{
    static const std::vector<std::string> kits = {"", "proses_2_5_r1r2", "proses_3_5_r1r2", "proses_4_5_r4r5",
                                                  "no-such-kit"};
    const std::string& kit = rng.pick(kits);
    const Point centre = rng.chance(0.3) ? Point{500.0, 500.0} : pickPoint(world.layout, rng);
    const size_t helices = world.layout.helices.size();
    const size_t pieces = world.layout.pieces.size();
    const SnapshotWatch watch(world.layout);
    const EditResult r = rng.chance(0.5) ? addHelix(world.layout, centre.x, centre.y, 0.0, kit) : [&] {
        PlacementState state;
        beginHelixPlacement(state, kit, world.view);
        updateSnap(state, world.layout, centre);
        return dropHelix(world.layout, state);
    }();
    watch.check(r, report);
    report.did = "\"" + kit + "\" at " + describe(centre) + ": " + outcome(r);
    if (!r.changed())
        return;
    if (world.layout.helices.size() != helices + 1 || world.layout.pieces.size() != pieces + 4)
        report.problems.push_back("a helix did not come as one record and four stubs");
    const Helix& helix = world.layout.helices.back();
    for (int stub : {helix.bottomR1, helix.bottomR2, helix.topR1, helix.topR2}) {
        const PlacedPiece* p = world.layout.findPiece(stub);
        if (p == nullptr || p->helix != helix.id)
            report.problems.push_back("stub " + std::to_string(stub) + " does not belong to its helix");
    }
}

// The Tunnel tool on a chain, or on exactly the pieces of an existing tunnel.
void toggleTunnelStep(EditWorld& world, Rng& rng, StepReport& report)
{
    Layout& layout = world.layout;
    if (!layout.tunnels.empty() && rng.chance(0.4)) {
        deselectAll(layout);
        const Tunnel& tunnel = rng.pick(layout.tunnels);
        for (int id : tunnel.coveredPieces)
            if (PlacedPiece* p = layout.findPiece(id))
                p->selected = true;
    } else {
        selectChain(world, rng);
    }
    const TunnelAnalysis analysis = analyseTunnel(layout);
    const size_t tunnels = layout.tunnels.size();
    const size_t scenery = layout.scenery.size();
    const SnapshotWatch watch(layout);
    const EditResult r = toggleTunnel(layout);
    watch.check(r, report);
    report.did = std::string(tunnelToolLabel(analysis)) + (analysis.canAct ? "" : " (disabled)") + ": " + outcome(r);
    if (r.changed() != analysis.canAct)
        report.problems.push_back(analysis.canAct ? "an enabled Tunnel tool did nothing"
                                                  : "a disabled Tunnel tool changed the layout");
    if (!r.changed())
        return;
    const int step = analysis.inTunnel ? -1 : 1;
    if (static_cast<long>(layout.tunnels.size()) != static_cast<long>(tunnels) + step ||
        static_cast<long>(layout.scenery.size()) != static_cast<long>(scenery) + 2 * step)
        report.problems.push_back("the tunnel did not come or go with its two portals");
}

void applyColourStep(EditWorld& world, Rng& rng, StepReport& report)
{
    if (rng.chance(0.6))
        selectChain(world, rng);
    else
        selectSome(world, rng);
    const int index = rng.between(-1, static_cast<int>(namedTrackColours().size()));
    const SnapshotWatch watch(world.layout);
    const EditResult r = applyColour(world.layout, index);
    watch.check(r, report);
    report.did = "colour " + std::to_string(index) + ": " + outcome(r);
    if (r.changed() && anythingSelected(world.layout))
        report.problems.push_back("the selection stays after Apply");
}

void addLabelStep(EditWorld& world, Rng& rng, StepReport& report)
{
    static const std::vector<std::string> texts = {"Station", "  ", "", "Yard 2 ", "Ütliberg\t"};
    PendingLabel pending;
    if (rng.chance(0.6))
        pending = {true, pickPoint(world.layout, rng)};
    const std::string& text = rng.pick(texts);
    const size_t labels = world.layout.labels.size();
    const SnapshotWatch watch(world.layout);
    const EditResult r = addLabel(world.layout, pending, text);
    watch.check(r, report);
    report.did = "\"" + text + "\": " + outcome(r);
    const bool blank = text.find_first_not_of(" \t") == std::string::npos;
    if (world.layout.labels.size() != labels + (blank ? 0 : 1))
        report.problems.push_back(blank ? "a blank label was added" : "the label was not added");
}

} // namespace

LAYRAIL_RANDOM_EDIT("start-grade", 4, startGradeStep);
LAYRAIL_RANDOM_EDIT("end-grade", 3, endGradeStep);
LAYRAIL_RANDOM_EDIT("recalculate", 2, recalculateStep);
LAYRAIL_RANDOM_EDIT("set-height", 2, setHeightStep);
LAYRAIL_RANDOM_EDIT("set-level", 3, setLevelStep);
LAYRAIL_RANDOM_EDIT("add-helix", 2, addHelixStep);
LAYRAIL_RANDOM_EDIT("toggle-tunnel", 4, toggleTunnelStep);
LAYRAIL_RANDOM_EDIT("apply-colour", 2, applyColourStep);
LAYRAIL_RANDOM_EDIT("add-label", 2, addLabelStep);

} // namespace layrail::randomedit
