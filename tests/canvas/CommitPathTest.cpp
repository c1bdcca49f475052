// Every kind of edit, as the canvas makes it: the rule records one undo snapshot and returns the
// changes, the window commits them, and a listening view is told exactly those.

#include <functional>
#include <string>
#include <vector>

#include "support/EditTestSupport.h"
#include "canvas/Autofill.h"
#include "document/DeleteSelection.h"
#include "canvas/Clipboard.h"
#include "canvas/LabelDrag.h"
#include "canvas/Move.h"
#include "canvas/Placement.h"
#include "canvas/PlacementDrag.h"
#include "canvas/Rotate.h"
#include "document/Session.h"

namespace layrail {
namespace {

using namespace edittest;

struct EditCase {
    std::string name;
    std::function<void(Layout&)> setUp;
    std::function<EditResult(Layout&)> edit;
    Changes expected;
};

// Two joined straights, the second selected, a label and a free scenery item.
void smallLayout(Layout& layout)
{
    layout.ensureDefaultLevel();
    const auto ids = layJoinedStraights(layout);
    piece(layout, ids[2]).selected = true;
    LayoutLabel label;
    label.id = layout.takeId();
    label.text = "Yard";
    label.x = 100;
    label.y = 300;
    layout.labels.push_back(label);
    addScenery(layout, "bush", 900, 900);
}

int lastSelected(const Layout& layout)
{
    for (auto it = layout.pieces.rbegin(); it != layout.pieces.rend(); ++it)
        if (it->selected)
            return it->id;
    return -1;
}

std::vector<EditCase> editCases()
{
    const Changes edit = Changes::ofEdit();
    std::vector<EditCase> cases;
    cases.push_back({"drop a piece from the palette", smallLayout,
                     [](Layout& layout) {
                         PlacementState state;
                         beginPaletteDrag(state, "24188", unitView());
                         updateSnap(state, layout, {575, 5});
                         return dropPiece(layout, state);
                     },
                     edit});
    cases.push_back({"drop a scenery item", smallLayout,
                     [](Layout& layout) {
                         PlacementState state;
                         beginSceneryDrag(state, "bush", unitView());
                         updateSnap(state, layout, {400, 400});
                         return dropScenery(layout, state);
                     },
                     edit});
    cases.push_back({"clone by double-click", smallLayout,
                     [](Layout& layout) { return clonePiece(layout, lastSelected(layout)); }, edit});
    cases.push_back({"palette double-click joins the selection", smallLayout,
                     [](Layout& layout) { return autoConnect(layout, "24188"); }, edit});
    cases.push_back({"move the selection", smallLayout,
                     [](Layout& layout) {
                         MoveDrag drag;
                         pressOnPiece(drag, unitView(), 470, 0);
                         beginMove(layout, drag);
                         dragMove(layout, drag, {900, 400});
                         return endMove(layout, drag);
                     },
                     edit});
    cases.push_back({"turn by the wheel", smallLayout,
                     [](Layout& layout) { return rotateSelectionByWheel(layout, 120, false); }, edit});
    cases.push_back({"turn by a step", smallLayout, [](Layout& layout) { return rotateSelectionStep(layout); }, edit});
    cases.push_back({"start an Alt-drag turn", smallLayout,
                     [](Layout& layout) {
                         RotateDrag drag;
                         return beginRotateDrag(layout, drag, unitView(), 700, 300);
                     },
                     Changes::ofContent()});
    cases.push_back({"paste", smallLayout,
                     [](Layout& layout) {
                         Clipboard clipboard;
                         copySelection(layout, clipboard);
                         return pasteAt(layout, clipboard, {2000, 2000});
                     },
                     edit});
    cases.push_back({"delete", smallLayout, [](Layout& layout) { return deleteSelection(layout); }, edit});
    cases.push_back({"autofill a gap",
                     [](Layout& layout) {
                         layout.ensureDefaultLevel();
                         const int a = lay(layout, "24188", 0, 0, 0);
                         const int b = lay(layout, "24188", 376.6, 0, 0);
                         selectPieces(layout, {a, b});
                     },
                     [](Layout& layout) {
                         const AutofillPlan plan = planAutofill(layout);
                         return plan.solutions.empty() ? EditResult{} : placeFill(layout, plan.gap, plan.solutions[0]);
                     },
                     Changes::ofContent()});
    cases.push_back({"drag a label", smallLayout,
                     [](Layout& layout) {
                         LabelDrag drag;
                         beginLabelDrag(layout, drag, layout.labels[0].id, {110, 305});
                         dragLabel(layout, drag, {150, 305});
                         dragLabel(layout, drag, {190, 345});
                         return endLabelDrag(drag);
                     },
                     Changes::ofContent()});
    return cases;
}

TEST(CommitPath, EachEditTellsTheListenersWhatChangedAndRecordsOneSnapshot)
{
    for (const EditCase& c : editCases()) {
        SCOPED_TRACE(c.name);
        Session session;
        c.setUp(session.layout());
        std::vector<Changes> told;
        Session::Subscription view = session.subscribe([&](const Changes& changes) { told.push_back(changes); });

        const size_t snapshots = session.layout().undoStack.size();
        const EditResult result = c.edit(session.layout());
        session.commit(result.changes);

        EXPECT_EQ(result.changes, c.expected);
        ASSERT_EQ(told.size(), 1u);
        // The first change of an unmodified layout also tells the title.
        EXPECT_EQ(told[0], c.expected | Changes::ofFile());
        EXPECT_TRUE(session.modified());
        EXPECT_EQ(session.layout().undoStack.size(), snapshots + 1);
        EXPECT_TRUE(consistent(session.layout()));

        // Undo is one step back through the same path.
        told.clear();
        EXPECT_TRUE(session.undo());
        ASSERT_EQ(told.size(), 1u);
        EXPECT_TRUE(told[0].content);
    }
}

TEST(CommitPath, AClickThatMovesNothingChangesNothing)
{
    Session session;
    smallLayout(session.layout());
    std::vector<Changes> told;
    Session::Subscription view = session.subscribe([&](const Changes& changes) { told.push_back(changes); });
    Layout& layout = session.layout();

    LabelDrag label;
    beginLabelDrag(layout, label, layout.labels[0].id, {110, 305});
    EXPECT_FALSE(dragLabel(layout, label, {110, 305}));
    session.commit(endLabelDrag(label).changes);

    MoveDrag scenery;
    beginSceneryMove(layout, scenery, unitView(), 900, 900);
    dragMove(layout, scenery, {900, 900});
    session.commit(endMove(layout, scenery).changes);

    EXPECT_TRUE(told.empty());
    EXPECT_FALSE(session.modified());
    EXPECT_TRUE(layout.undoStack.empty());
}

TEST(CommitPath, ALabelDragRecordsOneSnapshotHoweverFarItGoes)
{
    Layout layout = withLevel();
    LayoutLabel label;
    label.id = layout.takeId();
    layout.labels.push_back(label);
    LabelDrag drag;
    beginLabelDrag(layout, drag, label.id, {5, 5});
    EXPECT_TRUE(layout.labels[0].selected);
    for (int step = 1; step <= 10; ++step)
        EXPECT_TRUE(dragLabel(layout, drag, {5.0 + step, 5.0}));
    EXPECT_EQ(layout.undoStack.size(), 1u);
    // The grab point stays under the pointer.
    EXPECT_DOUBLE_EQ(layout.labels[0].x, 10.0);
    EXPECT_TRUE(endLabelDrag(drag).changed());
    EXPECT_FALSE(drag.active());
}

} // namespace
} // namespace layrail
