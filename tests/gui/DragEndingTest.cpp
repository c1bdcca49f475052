// Drags that end without a release (the mouse taken away, a failure half-way) and the wheel during a
// drag: the layout is never left half-edited, and every change carries the modified mark.

#include <stdexcept>

#include <gtest/gtest.h>

#include "CanvasInput.h"
#include "GuiTestSupport.h"
#include "app/CommandIds.h"
#include "app/ui/MainFrame.h"
#include "canvas/ui/CanvasPanel.h"
#include "document/Session.h"

namespace layrail {
namespace {

using gui::CanvasEditTest;
using gui::Held;
using gui::mouseAt;

constexpr Held kCtrl{true, false, false};
constexpr Held kAlt{false, false, true};

class DragEndingTest : public CanvasEditTest {
protected:
    void loseCapture()
    {
        wxMouseCaptureLostEvent lost(canvas().GetId());
        lost.SetEventObject(&canvas());
        canvas().GetEventHandler()->ProcessEvent(lost);
    }

    bool markedModified() const { return title().size() > 2 && title().substr(title().size() - 2) == " *"; }

    // Two joined straights from the origin; the second one is pressed and carried 60 px down, so its
    // joint to the first no longer meets while the button is held.
    int carrySecondOfTwo()
    {
        const int a = gui::placePiece(layout(), "24188", 0.0, 0.0, 0.0);
        const int b = gui::attachPiece(layout(), a, 1, "24188");
        const wxPoint onB = gui::pixelOf(canvas(), {280.0, 0.0});
        mouseAt(canvas(), wxEVT_LEFT_DOWN, onB);
        for (int i = 1; i <= 4; ++i)
            mouseAt(canvas(), wxEVT_MOTION, onB + wxPoint(0, 15 * i), {}, true);
        EXPECT_TRUE(canvas().moveDrag().moving);
        return b;
    }
};

TEST_F(DragEndingTest, CtrlWheelDuringAMoveNeitherTurnsNorRecords)
{
    const int b = carrySecondOfTwo();
    ASSERT_EQ(layout().undoStack.size(), 1u);
    mouseAt(canvas(), wxEVT_MOUSEWHEEL, gui::pixelOf(canvas(), {280.0, 60.0}), kCtrl, true, 120);
    EXPECT_DOUBLE_EQ(layout().findPiece(b)->heading, 0.0);
    EXPECT_EQ(layout().undoStack.size(), 1u);
    EXPECT_TRUE(canvas().moveDrag().moving);

    mouseAt(canvas(), wxEVT_LEFT_UP, gui::pixelOf(canvas(), {280.0, 60.0}));
    EXPECT_DOUBLE_EQ(layout().findPiece(b)->heading, 0.0);
    EXPECT_NEAR(layout().findPiece(b)->y, 60.0, 1e-9);
    EXPECT_EQ(layout().undoStack.size(), 1u);
    EXPECT_LAYOUT_CONSISTENT(layout());

    // A press that has not yet become a move keeps the heading too.
    mouseAt(canvas(), wxEVT_LEFT_DOWN, gui::pixelOf(canvas(), {280.0, 60.0}));
    ASSERT_TRUE(canvas().moveDrag().pending);
    mouseAt(canvas(), wxEVT_MOUSEWHEEL, gui::pixelOf(canvas(), {280.0, 60.0}), kCtrl, true, 120);
    EXPECT_DOUBLE_EQ(layout().findPiece(b)->heading, 0.0);
    mouseAt(canvas(), wxEVT_LEFT_UP, gui::pixelOf(canvas(), {280.0, 60.0}));
    EXPECT_EQ(layout().undoStack.size(), 1u);
}

TEST_F(DragEndingTest, AMoveWhoseMouseIsTakenAwayEndsAsAReleaseWould)
{
    const int b = carrySecondOfTwo();
    EXPECT_FALSE(markedModified());
    loseCapture();

    EXPECT_FALSE(canvas().moveDrag().moving);
    EXPECT_FALSE(canvas().HasCapture());
    EXPECT_NEAR(layout().findPiece(b)->y, 60.0, 1e-9);
    // The joint the move pulled apart is gone from both pieces.
    EXPECT_TRUE(layout().findPiece(b)->isOpen(0));
    EXPECT_LAYOUT_CONSISTENT(layout());
    EXPECT_TRUE(markedModified());
    EXPECT_EQ(status(1), "Pieces: 2");
    EXPECT_EQ(layout().undoStack.size(), 1u);

    // Undo takes the whole move back, joint and all.
    frame->session().undo();
    EXPECT_NEAR(layout().findPiece(b)->y, 0.0, 1e-9);
    EXPECT_FALSE(layout().findPiece(b)->isOpen(0));
    EXPECT_LAYOUT_CONSISTENT(layout());
}

TEST_F(DragEndingTest, AMoveWhoseReleaseWentToAQuestionEndsAtTheNextMotion)
{
    const int a = gui::placePiece(layout(), "24188", 0.0, 0.0, 0.0);
    const int b = gui::attachPiece(layout(), a, 1, "24188");
    layout().findPiece(b)->grade = 1.0;
    const wxPoint onB = gui::pixelOf(canvas(), {280.0, 0.0});
    {
        // "Move anyway?" comes up as the move starts; the button is let go while it is open.
        gui::DialogAnswerer answers({wxID_YES});
        mouseAt(canvas(), wxEVT_LEFT_DOWN, onB);
        mouseAt(canvas(), wxEVT_MOTION, onB + wxPoint(0, 40), {}, true);
        EXPECT_EQ(answers.asked().size(), 1u);
    }
    ASSERT_TRUE(canvas().moveDrag().moving);
    mouseAt(canvas(), wxEVT_MOTION, onB + wxPoint(0, 50), {}, false);
    EXPECT_FALSE(canvas().moveDrag().moving);
    EXPECT_FALSE(canvas().HasCapture());
    EXPECT_NEAR(layout().findPiece(b)->y, 40.0, 1e-9);
    EXPECT_TRUE(layout().findPiece(b)->isOpen(0));
    EXPECT_LAYOUT_CONSISTENT(layout());
    EXPECT_TRUE(markedModified());
}

TEST_F(DragEndingTest, ARotationWhoseMouseIsTakenAwayIsCommittedWhereItStands)
{
    const int a = gui::placePiece(layout(), "24188", 0.0, 0.0, 0.0);
    layout().findPiece(a)->selected = true;
    mouseAt(canvas(), wxEVT_LEFT_DOWN, {400, 300}, kAlt);
    ASSERT_TRUE(canvas().rotateDrag().active);
    mouseAt(canvas(), wxEVT_MOTION, {400, 400}, kAlt, true);
    const double turned = layout().findPiece(a)->heading;
    EXPECT_GT(turned, 10.0);

    int contentCommits = 0;
    auto counting = frame->session().subscribe([&](const Changes& c) { contentCommits += c.content ? 1 : 0; });
    loseCapture();
    EXPECT_FALSE(canvas().rotateDrag().active);
    EXPECT_FALSE(canvas().HasCapture());
    EXPECT_EQ(contentCommits, 1);
    EXPECT_DOUBLE_EQ(layout().findPiece(a)->heading, turned);
    EXPECT_TRUE(markedModified());
    EXPECT_EQ(layout().undoStack.size(), 1u);
}

TEST_F(DragEndingTest, ALabelDragWhoseMouseIsTakenAwayMarksTheLayout)
{
    LayoutLabel label;
    label.id = layout().takeId();
    label.text = "Yard";
    label.x = 50.0;
    label.y = 50.0;
    layout().labels.push_back(label);
    mouseAt(canvas(), wxEVT_LEFT_DOWN, {160, 360});
    mouseAt(canvas(), wxEVT_MOTION, {200, 340}, {}, true);
    EXPECT_NEAR(layout().labels[0].x, 90.0, 1e-9);
    loseCapture();
    EXPECT_FALSE(canvas().HasCapture());
    EXPECT_TRUE(markedModified());
    EXPECT_EQ(layout().undoStack.size(), 1u);
    // The drag is over: motion no longer carries the label.
    mouseAt(canvas(), wxEVT_MOTION, {260, 340}, {}, true);
    EXPECT_NEAR(layout().labels[0].x, 90.0, 1e-9);
}

TEST_F(DragEndingTest, UndoDuringAMoveEndsTheMoveAndUndoesItWhole)
{
    const int b = carrySecondOfTwo();
    gui::sendCommand(*frame, kCmdUndo);
    EXPECT_FALSE(canvas().moveDrag().moving);
    EXPECT_FALSE(canvas().HasCapture());
    EXPECT_NEAR(layout().findPiece(b)->y, 0.0, 1e-9);
    EXPECT_FALSE(layout().findPiece(b)->isOpen(0)) << "the joint comes back with the place";
    EXPECT_LAYOUT_CONSISTENT(layout());

    // The rest of the gesture moves nothing, and Redo brings the whole move back.
    mouseAt(canvas(), wxEVT_MOTION, gui::pixelOf(canvas(), {280.0, 120.0}), {}, true);
    mouseAt(canvas(), wxEVT_LEFT_UP, gui::pixelOf(canvas(), {280.0, 120.0}));
    EXPECT_NEAR(layout().findPiece(b)->y, 0.0, 1e-9);
    gui::sendCommand(*frame, kCmdRedo);
    EXPECT_NEAR(layout().findPiece(b)->y, 60.0, 1e-9);
    EXPECT_TRUE(layout().findPiece(b)->isOpen(0));
    EXPECT_LAYOUT_CONSISTENT(layout());
}

TEST_F(DragEndingTest, DeleteDuringAMoveDeletesWhatTheMoveLeft)
{
    const int b = carrySecondOfTwo();
    gui::keyDown(canvas(), WXK_DELETE);
    EXPECT_EQ(layout().findPiece(b), nullptr);
    EXPECT_FALSE(canvas().moveDrag().moving);
    mouseAt(canvas(), wxEVT_LEFT_UP, gui::pixelOf(canvas(), {280.0, 60.0}));
    EXPECT_LAYOUT_CONSISTENT(layout());

    // Two steps back: the delete, then the move.
    gui::sendCommand(*frame, kCmdUndo);
    ASSERT_NE(layout().findPiece(b), nullptr);
    EXPECT_NEAR(layout().findPiece(b)->y, 60.0, 1e-9);
    gui::sendCommand(*frame, kCmdUndo);
    EXPECT_NEAR(layout().findPiece(b)->y, 0.0, 1e-9);
    EXPECT_LAYOUT_CONSISTENT(layout());
}

TEST_F(DragEndingTest, UndoDuringAShapeDragEndsTheDragAndUndoesIt)
{
    LayoutShape square;
    square.id = layout().takeId();
    square.points = {{0, -100}, {300, -100}, {300, 100}, {0, 100}};
    layout().shapes.push_back(square);
    const wxPoint grab = gui::pixelOf(canvas(), {50.0, -50.0});
    mouseAt(canvas(), wxEVT_LEFT_DOWN, grab);
    for (int i = 1; i <= 4; ++i)
        mouseAt(canvas(), wxEVT_MOTION, grab + wxPoint(10 * i, 5 * i), {}, true);
    ASSERT_GT(layout().shapes[0].points[0].x, 1.0);

    gui::sendCommand(*frame, kCmdUndo);
    EXPECT_DOUBLE_EQ(layout().shapes[0].points[0].x, 0.0);
    EXPECT_FALSE(canvas().HasCapture());
    mouseAt(canvas(), wxEVT_MOTION, grab + wxPoint(80, 80), {}, true);
    mouseAt(canvas(), wxEVT_LEFT_UP, grab + wxPoint(80, 80));
    EXPECT_DOUBLE_EQ(layout().shapes[0].points[0].x, 0.0) << "the rest of the gesture drags nothing";
    EXPECT_TRUE(layout().undoStack.empty());
    gui::sendCommand(*frame, kCmdRedo);
    EXPECT_GT(layout().shapes[0].points[0].x, 1.0);
}

TEST_F(DragEndingTest, ADragThatFailsHalfWayIsUndoneAsAWhole)
{
    const int a = gui::placePiece(layout(), "24188", 0.0, 0.0, 0.0);
    layout().findPiece(a)->selected = true;
    bool fail = true;
    auto failing = frame->session().subscribe([&](const Changes& c) {
        if (c.content && fail) {
            fail = false;
            throw std::runtime_error("listener failed");
        }
    });
    // The rotation records its snapshot and commits as it begins; the commit fails.
    mouseAt(canvas(), wxEVT_LEFT_DOWN, {400, 300}, kAlt);
    EXPECT_FALSE(canvas().rotateDrag().active);
    EXPECT_FALSE(canvas().HasCapture());
    EXPECT_TRUE(layout().undoStack.empty());
    EXPECT_TRUE(layout().redoStack.empty());
    EXPECT_TRUE(layout().findPiece(a)->selected);
    mouseAt(canvas(), wxEVT_MOTION, {400, 400}, kAlt, true);
    EXPECT_DOUBLE_EQ(layout().findPiece(a)->heading, 0.0);
}

} // namespace
} // namespace layrail
