// One sitting at the real window: measure a distance and draw a polygon with the pointer, lay an
// L-shaped baseboard, add a level and move a piece onto it, remove the level with its piece and
// undo that, then look at the print preview.

#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/print.h>
#include <wx/spinctrl.h>

#include "CanvasInput.h"
#include "ControlDriving.h"
#include "DialogScript.h"
#include "GuiTestSupport.h"
#include "app/CommandIds.h"
#include "app/ui/MainFrame.h"
#include "canvas/PropertyEdits.h"
#include "canvas/ui/CanvasPanel.h"
#include "dialogs/LevelManager.h"
#include "dialogs/ui/LayoutShapeDialog.h"
#include "dialogs/ui/LevelManagerDialog.h"

namespace layrail {
namespace {

using gui::DialogScript;

using ToolScenarioTest = gui::CanvasEditTest;

TEST_F(ToolScenarioTest, MeasureDrawBoardLevelsUndoAndPreview)
{
    frame->Raise();
    gui::pumpEvents();
    // Three straights joined in a row along y = 100.
    const int first = gui::placePiece(layout(), "24188", 0, 100, 0);
    const int middle = gui::attachPiece(layout(), first, 1, "24188");
    const int last = gui::attachPiece(layout(), middle, 1, "24188");
    frame->session().commit(Changes::ofContent());
    auto at = [&](double x, double y) { return gui::pixelOf(canvas(), Point{x, y}); };
    gui::RealMouse mouse(canvas());

    // A tape from (0, -100) to (250, -100), laid with the pointer.
    gui::clickTool(*frame, kCmdMeasure);
    mouse.moveTo(at(0, -100));
    mouse.click();
    mouse.glideTo(at(250, -100));
    mouse.click();
    ASSERT_EQ(layout().dimensionLines.size(), 1u);
    EXPECT_NEAR(layout().dimensionLines[0].x2 - layout().dimensionLines[0].x1, 250.0, 1.0);
    EXPECT_EQ(canvas().toolMode(), ToolMode::None);

    // A triangle, closed by a click beside its first vertex.
    gui::clickTool(*frame, kCmdPolygon);
    for (const Point& p : {Point{300, -200}, Point{450, -200}, Point{450, -60}, Point{304, -197}}) {
        mouse.glideTo(at(p.x, p.y));
        mouse.click();
    }
    ASSERT_EQ(layout().shapes.size(), 1u);
    EXPECT_EQ(layout().shapes[0].points.size(), 3u);
    EXPECT_EQ(canvas().toolMode(), ToolMode::None);

    // An L-shaped board whose cutout is wider than the board: the cutout leaves 1 mm.
    {
        DialogScript script({DialogScript::playing<LayoutShapeDialog>([](LayoutShapeDialog& dialog) {
            gui::choose(*gui::named<wxChoice>(dialog, "shape"), 1);
            gui::setSpin(*gui::named<wxSpinCtrl>(dialog, "dimension0"), 2400);
            gui::setSpin(*gui::named<wxSpinCtrl>(dialog, "dimension1"), 1200);
            gui::setSpin(*gui::named<wxSpinCtrl>(dialog, "dimension2"), 3000);
            gui::setSpin(*gui::named<wxSpinCtrl>(dialog, "dimension3"), 600);
            gui::clickButton(dialog, LayoutShapeDialog::kApplyId);
        })});
        gui::sendCommand(*frame, kCmdLayoutShape);
        EXPECT_TRUE(script.allPlayed());
    }
    const std::vector<Point>& board = layout().baseboard.vertices;
    ASSERT_EQ(board.size(), 6u);
    EXPECT_DOUBLE_EQ(board[2].y, 600.0);
    EXPECT_DOUBLE_EQ(board[3].x, 1.0);
    EXPECT_EQ(layout().baseboard.lastShape.id, 1);

    // A level "Upper", and the middle straight moved onto it as the properties panel does.
    {
        DialogScript script({DialogScript::with<LevelManagerDialog>([](LevelManagerDialog& dialog) {
                                 gui::clickButtonLabelled(dialog, "Add Level");
                                 return static_cast<int>(LevelManagerDialog::kCloseId);
                             }),
                             DialogScript::enter("Upper")});
        gui::sendCommand(*frame, kCmdLevels);
        EXPECT_TRUE(script.allPlayed());
    }
    ASSERT_EQ(layout().levels.size(), 2u);
    const int upper = layout().levels[1].id;
    EXPECT_EQ(layout().activeLevel, upper);
    mouse.glideTo(at(250, 100));
    mouse.click();
    ASSERT_TRUE(layout().findPiece(middle)->selected);
    frame->session().commit(setLevel(layout(), ShownRecord{}, upper).changes);
    EXPECT_EQ(layout().findPiece(middle)->level, upper);
    EXPECT_LAYOUT_CONSISTENT(layout());

    // Removing "Upper" takes the straight and frees its neighbours' ends; Undo brings both back.
    std::vector<DialogScript::Shown> asked;
    {
        DialogScript script({DialogScript::with<LevelManagerDialog>([](LevelManagerDialog& dialog) {
                                 gui::selectRow(dialog.list(), 1);
                                 gui::clickButtonLabelled(dialog, "Remove Level");
                                 return static_cast<int>(LevelManagerDialog::kCloseId);
                             }),
                             DialogScript::answer(wxID_YES)});
        gui::sendCommand(*frame, kCmdLevels);
        EXPECT_TRUE(script.allPlayed());
        asked = script.shown();
    }
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1].title, removeLevelTitle());
    EXPECT_NE(asked[1].message.find("1 track piece(s)"), std::string::npos);
    EXPECT_EQ(layout().levels.size(), 1u);
    EXPECT_EQ(layout().findPiece(middle), nullptr);
    EXPECT_TRUE(layout().findPiece(first)->isOpen(1));
    EXPECT_TRUE(layout().findPiece(last)->isOpen(0));
    EXPECT_LAYOUT_CONSISTENT(layout());

    gui::sendCommand(*frame, kCmdUndo);
    ASSERT_EQ(layout().levels.size(), 2u);
    ASSERT_NE(layout().findPiece(middle), nullptr);
    EXPECT_EQ(layout().findPiece(middle)->level, upper);
    EXPECT_FALSE(layout().findPiece(first)->isOpen(1));
    EXPECT_FALSE(layout().findPiece(last)->isOpen(0));
    EXPECT_EQ(layout().baseboard.vertices.size(), 6u);
    EXPECT_LAYOUT_CONSISTENT(layout());

    // The preview opens on the whole layout and closes again.
    gui::sendCommand(*frame, kCmdPrintPreview);
    wxPreviewFrame* preview = nullptr;
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* found = dynamic_cast<wxPreviewFrame*>(window))
            preview = found;
    ASSERT_NE(preview, nullptr);
    gui::pumpEvents();
    EXPECT_TRUE(preview->IsShown());
    preview->Close(true);
    gui::pumpEvents();
}

} // namespace
} // namespace layrail
