#include <cmath>

#include <gtest/gtest.h>
#include <wx/utils.h>

#include "CanvasInput.h"
#include "GuiTestSupport.h"
#include "app/ui/MainFrame.h"
#include "canvas/ui/CanvasPanel.h"

namespace layrail {
namespace {

using gui::CanvasEditTest;
using gui::Held;
using gui::mouseAt;

using SelectionMoveTest = CanvasEditTest;

constexpr Held kCtrl{true, false, false};
constexpr Held kAlt{false, false, true};

TEST_F(SelectionMoveTest, RubberBandSelectsTheOriginsInsideAndIsPaintedDotted)
{
    const int a = gui::placePiece(layout(), "24188", 0.0, 0.0, 0.0);
    const int b = gui::placePiece(layout(), "24188", 300.0, 0.0, 0.0);
    const int c = gui::placePiece(layout(), "24188", 0.0, 300.0, 0.0);

    mouseAt(canvas(), wxEVT_LEFT_DOWN, {80, 250});
    mouseAt(canvas(), wxEVT_MOTION, {300, 330}, {}, true);
    mouseAt(canvas(), wxEVT_MOTION, {450, 350}, {}, true);
    ASSERT_TRUE(canvas().rubberBandActive());
    EXPECT_TRUE(canvas().HasCapture());
    const wxImage image = gui::captureCanvas(canvas());
    int bandPixels = 0;
    for (int x = 150; x < 400; ++x)
        if (gui::colourNear(image, x, 250, 0, 120, 215, 0, 40))
            ++bandPixels;
    // Dotted: many band pixels along the top edge, but not all of them.
    EXPECT_GT(bandPixels, 60);
    EXPECT_LT(bandPixels, 240);

    mouseAt(canvas(), wxEVT_LEFT_UP, {450, 350});
    EXPECT_FALSE(canvas().rubberBandActive());
    EXPECT_TRUE(layout().findPiece(a)->selected);
    EXPECT_TRUE(layout().findPiece(b)->selected);
    EXPECT_FALSE(layout().findPiece(c)->selected);

    // A press on empty canvas clears; a band of 4 px selects nothing.
    gui::leftDrag(canvas(), {80, 250}, {84, 254});
    EXPECT_FALSE(layout().findPiece(a)->selected);
    EXPECT_FALSE(layout().findPiece(b)->selected);
}

TEST_F(SelectionMoveTest, CtrlClickTogglesAndEscapeDeselects)
{
    const int a = gui::placePiece(layout(), "24188", 0.0, 0.0, 0.0);
    const int b = gui::placePiece(layout(), "24188", 300.0, 0.0, 0.0);
    const wxPoint onA = gui::pixelOf(canvas(), {90.0, 5.0});
    const wxPoint onB = gui::pixelOf(canvas(), {390.0, -5.0});
    gui::leftDrag(canvas(), onA, onA, {}, 1);
    gui::leftDrag(canvas(), onB, onB, kCtrl, 1);
    EXPECT_TRUE(layout().findPiece(a)->selected);
    EXPECT_TRUE(layout().findPiece(b)->selected);
    gui::leftDrag(canvas(), onA, onA, kCtrl, 1);
    EXPECT_FALSE(layout().findPiece(a)->selected);
    EXPECT_TRUE(layout().findPiece(b)->selected);
    gui::keyDown(canvas(), WXK_ESCAPE);
    EXPECT_FALSE(layout().findPiece(b)->selected);
    EXPECT_TRUE(layout().undoStack.empty());
}

TEST_F(SelectionMoveTest, DraggedSelectionSnapsOntoAnotherOpenEnd)
{
    const int a = gui::placePiece(layout(), "24188", 0.0, 0.0, 0.0);
    const int b = gui::placePiece(layout(), "24188", 500.0, 200.0, 10.0);
    const wxPoint onB = gui::pixelOf(canvas(), {500.0 + 94.0 * std::cos(0.1745), 200.0 + 94.0 * std::sin(0.1745)});
    // Carry B so that its origin end lands 6 mm right and 4 mm below A's far end.
    const wxPoint to = onB + wxPoint(static_cast<int>(std::lround(188.3 - 500.0 + 6.0)), -200 + 4);
    mouseAt(canvas(), wxEVT_LEFT_DOWN, onB);
    for (int i = 1; i <= 5; ++i)
        mouseAt(canvas(), wxEVT_MOTION, onB + (to - onB) * i / 5, {}, true);
    ASSERT_TRUE(canvas().moveDrag().moving);
    EXPECT_TRUE(canvas().moveDrag().snap.found);
    EXPECT_EQ(canvas().moveDrag().snap.targetId, a);
    mouseAt(canvas(), wxEVT_LEFT_UP, to);

    const PlacedPiece& moved = *layout().findPiece(b);
    EXPECT_NEAR(moved.x, 188.3, 1e-9);
    EXPECT_NEAR(moved.y, 0.0, 1e-9);
    EXPECT_NEAR(moved.heading, 0.0, 1e-9);
    EXPECT_EQ(moved.joints[0].target, a);
    EXPECT_EQ(layout().findPiece(a)->joints[1].target, b);
    EXPECT_EQ(layout().undoStack.size(), 1u);
    EXPECT_EQ(title().substr(title().size() - 2), " *");
    EXPECT_FALSE(canvas().moveDrag().moving);
}

TEST_F(SelectionMoveTest, AJiggleNeverMovesAndTheGradedQuestionIsAskedOnce)
{
    const int b = gui::placePiece(layout(), "24188", 300.0, 0.0, 0.0);
    layout().findPiece(b)->grade = 2.0;
    const wxPoint onB = gui::pixelOf(canvas(), {390.0, 0.0});
    {
        gui::DialogAnswerer answers;
        gui::leftDrag(canvas(), onB, onB + wxPoint(3, 2));
        EXPECT_TRUE(answers.asked().empty());
        EXPECT_DOUBLE_EQ(layout().findPiece(b)->x, 300.0);
        EXPECT_TRUE(layout().undoStack.empty());
    }
    {
        gui::DialogAnswerer answers({wxID_NO});
        gui::leftDrag(canvas(), onB, onB + wxPoint(60, 0));
        ASSERT_EQ(answers.asked().size(), 1u);
        EXPECT_EQ(answers.asked()[0].title, "Move");
        EXPECT_EQ(answers.asked()[0].message,
                  "Selection includes graded pieces. Moving will break joints and leave the chain's elevation "
                  "inconsistent.\n\nMove anyway? (This warning will not appear again this session.)");
        EXPECT_DOUBLE_EQ(layout().findPiece(b)->x, 300.0);
        EXPECT_TRUE(layout().undoStack.empty());
    }
    {
        gui::DialogAnswerer answers({wxID_YES});
        gui::leftDrag(canvas(), onB, onB + wxPoint(60, 0));
        EXPECT_EQ(answers.asked().size(), 1u);
        EXPECT_NEAR(layout().findPiece(b)->x, 360.0, 1e-9);
    }
    {
        gui::DialogAnswerer answers;
        const wxPoint now = gui::pixelOf(canvas(), {450.0, 0.0});
        gui::leftDrag(canvas(), now, now + wxPoint(0, 40));
        EXPECT_TRUE(answers.asked().empty());
        EXPECT_NEAR(layout().findPiece(b)->y, 40.0, 1e-9);
    }
}

TEST_F(SelectionMoveTest, PartOfAHelixCannotBeMoved)
{
    Helix helix;
    helix.id = layout().takeId();
    std::vector<int> stubs;
    for (int i = 0; i < 4; ++i) {
        stubs.push_back(gui::placePiece(layout(), "24188", 0.0, 100.0 * i, 0.0));
        layout().findPiece(stubs.back())->helix = helix.id;
    }
    helix.bottomR1 = stubs[0];
    helix.bottomR2 = stubs[1];
    helix.topR1 = stubs[2];
    helix.topR2 = stubs[3];
    layout().helices.push_back(helix);
    for (int i = 0; i < 3; ++i)
        layout().findPiece(stubs[static_cast<size_t>(i)])->selected = true;

    gui::DialogAnswerer answers({wxID_OK});
    const wxPoint onStub = gui::pixelOf(canvas(), {90.0, 0.0});
    gui::leftDrag(canvas(), onStub, onStub + wxPoint(50, 50));
    ASSERT_EQ(answers.asked().size(), 1u);
    EXPECT_EQ(answers.asked()[0].title, "Helix partially selected");
    EXPECT_EQ(answers.asked()[0].message,
              "Selection contains part of a helix. Either select the whole helix (click any of its stubs) or exclude "
              "it from the selection before moving.");
    EXPECT_DOUBLE_EQ(layout().findPiece(stubs[0])->x, 0.0);
    EXPECT_TRUE(layout().undoStack.empty());
}

TEST_F(SelectionMoveTest, CtrlWheelTurnsTheSelectionAboutItsMiddle)
{
    const int a = gui::placePiece(layout(), "24188", 0.0, 0.0, 0.0);
    // Without a selection Ctrl+wheel zooms.
    mouseAt(canvas(), wxEVT_MOUSEWHEEL, {500, 500}, kCtrl, false, 120);
    EXPECT_NEAR(canvas().view().zoom, 1.15, 1e-12);
    canvas().view() = CanvasView{1.0, 100.0, 300.0};

    layout().findPiece(a)->selected = true;
    mouseAt(canvas(), wxEVT_MOUSEWHEEL, {500, 500}, kCtrl, false, 120);
    const PlacedPiece& p = *layout().findPiece(a);
    const double t = 15.0 * M_PI / 180.0;
    EXPECT_NEAR(p.heading, 15.0, 1e-9);
    EXPECT_NEAR(p.x, 94.15 - 94.15 * std::cos(t), 1e-9);
    EXPECT_NEAR(p.y, -94.15 * std::sin(t), 1e-9);
    EXPECT_DOUBLE_EQ(canvas().view().zoom, 1.0);

    mouseAt(canvas(), wxEVT_MOUSEWHEEL, {500, 500}, Held{true, true, false}, false, -120);
    EXPECT_NEAR(layout().findPiece(a)->heading, 10.0, 1e-9);
    EXPECT_EQ(layout().undoStack.size(), 2u);
}

TEST_F(SelectionMoveTest, AltDragSnapsToRightAnglesWithAGreenFlash)
{
    const int a = gui::placePiece(layout(), "24188", 0.0, 0.0, 0.0);
    layout().findPiece(a)->selected = true;
    // The piece's origin, (100, 300) on screen, is the centre; the press lies straight right of it.
    mouseAt(canvas(), wxEVT_LEFT_DOWN, {400, 300}, kAlt);
    ASSERT_TRUE(canvas().rotateDrag().active);
    EXPECT_TRUE(canvas().HasCapture());

    mouseAt(canvas(), wxEVT_MOTION, {108, 600}, kAlt, true); // 88.5 degrees round
    EXPECT_DOUBLE_EQ(layout().findPiece(a)->heading, 90.0);
    EXPECT_TRUE(canvas().rotateDrag().flash);
    wxImage image = gui::captureCanvas(canvas());
    EXPECT_TRUE(gui::colourNear(image, 100, 284, 0, 160, 60, 1, 40)) << gui::pixelText(image, 100, 284);

    // The flash ends after 400 ms while the heading stays snapped.
    for (int i = 0; i < 10 && canvas().rotateDrag().flash; ++i) {
        wxMilliSleep(60);
        gui::pumpEvents(3);
    }
    EXPECT_FALSE(canvas().rotateDrag().flash);
    EXPECT_DOUBLE_EQ(layout().findPiece(a)->heading, 90.0);

    mouseAt(canvas(), wxEVT_MOTION, {112, 600}, kAlt, true); // 87.7 degrees round
    EXPECT_NEAR(layout().findPiece(a)->heading, std::atan2(300.0, 12.0) * 180.0 / M_PI, 1e-9);
    EXPECT_FALSE(canvas().rotateDrag().snapped);
    image = gui::captureCanvas(canvas());
    // The small amber dot of an unsnapped turn, over white canvas above the centre.
    EXPECT_TRUE(gui::colourNear(image, 100, 295, 255, 208, 95, 1, 30)) << gui::pixelText(image, 100, 295);

    mouseAt(canvas(), wxEVT_LEFT_UP, {112, 600}, kAlt);
    EXPECT_FALSE(canvas().rotateDrag().active);
    EXPECT_FALSE(canvas().HasCapture());
    EXPECT_EQ(layout().undoStack.size(), 1u);
}

TEST_F(SelectionMoveTest, AltRightClickTurnsBy30AboutTheFirstPiece)
{
    const int a = gui::placePiece(layout(), "24188", 0.0, 0.0, 0.0);
    const int b = gui::placePiece(layout(), "24188", 300.0, 0.0, 0.0);
    layout().findPiece(a)->selected = true;
    layout().findPiece(b)->selected = true;
    mouseAt(canvas(), wxEVT_RIGHT_DOWN, {600, 600}, kAlt);
    EXPECT_NEAR(layout().findPiece(a)->heading, 30.0, 1e-9);
    EXPECT_NEAR(layout().findPiece(b)->x, 300.0 * std::cos(M_PI / 6.0), 1e-9);
    EXPECT_NEAR(layout().findPiece(b)->y, 300.0 * std::sin(M_PI / 6.0), 1e-9);
    EXPECT_EQ(layout().undoStack.size(), 1u);
}

TEST_F(SelectionMoveTest, LabelsAndSceneryFollowThePointer)
{
    LayoutLabel label;
    label.id = layout().takeId();
    label.text = "Yard";
    label.x = 50.0;
    label.y = 50.0;
    layout().labels.push_back(label);
    SceneryItem house;
    house.id = layout().takeId();
    house.item = "72886";
    house.x = 400.0;
    house.y = 200.0;
    layout().scenery.push_back(house);

    gui::leftDrag(canvas(), {160, 360}, {200, 340});
    EXPECT_TRUE(layout().labels[0].selected);
    EXPECT_NEAR(layout().labels[0].x, 90.0, 1e-9);
    EXPECT_NEAR(layout().labels[0].y, 30.0, 1e-9);
    EXPECT_EQ(layout().undoStack.size(), 1u);

    // A press on scenery moves it at once, without the 5 px threshold.
    gui::leftDrag(canvas(), {500, 500}, {503, 501});
    EXPECT_TRUE(layout().scenery[0].selected);
    EXPECT_NEAR(layout().scenery[0].x, 403.0, 1e-9);
    EXPECT_NEAR(layout().scenery[0].y, 201.0, 1e-9);
    EXPECT_EQ(layout().undoStack.size(), 2u);
    EXPECT_EQ(title().substr(title().size() - 2), " *");
}

TEST_F(SelectionMoveTest, CtrlPressOnEmptyCanvasPansAndMarksTheNextLabelPoint)
{
    const int a = gui::placePiece(layout(), "24188", 0.0, 0.0, 0.0);
    layout().findPiece(a)->selected = true;
    gui::leftDrag(canvas(), {600, 600}, {650, 640}, kCtrl, 5);
    EXPECT_DOUBLE_EQ(canvas().view().panX, 150.0);
    EXPECT_DOUBLE_EQ(canvas().view().panY, 340.0);
    EXPECT_FALSE(canvas().isPanning());
    EXPECT_FALSE(layout().findPiece(a)->selected);

    Point drop;
    ASSERT_TRUE(canvas().takeLabelDropPoint(drop));
    EXPECT_DOUBLE_EQ(drop.x, 500.0);
    EXPECT_DOUBLE_EQ(drop.y, 300.0);
    EXPECT_FALSE(canvas().takeLabelDropPoint(drop));
}

} // namespace
} // namespace layrail
