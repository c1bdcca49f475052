// The window's commands and the canvas's mouse all change the layout through the session: a
// recording listener hears each change with its flags, and the views that listen follow it.

#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "CanvasInput.h"
#include "GuiTestSupport.h"
#include "app/CommandIds.h"
#include "app/ui/MainFrame.h"
#include "canvas/ui/CanvasPanel.h"
#include "document/Session.h"

namespace layrail {
namespace {

class CommitPathGuiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = gui::createMainFrame();
        recorder = frame->session().subscribe([this](const Changes& changes) { told.push_back(changes); });
    }
    void TearDown() override
    {
        recorder.reset();
        EXPECT_LAYOUT_CONSISTENT(frame->layout());
        gui::destroyMainFrame(frame);
    }

    Layout& layout() { return frame->layout(); }
    CanvasPanel& canvas() { return *frame->canvas(); }
    std::string title() const { return frame->GetTitle().utf8_string(); }
    std::string status(int field) const { return frame->GetStatusBar()->GetStatusText(field).utf8_string(); }
    // What the recorder heard since the last call.
    std::vector<Changes> heard() { return std::exchange(told, {}); }

    MainFrame* frame = nullptr;
    std::vector<Changes> told;
    Session::Subscription recorder;
};

TEST_F(CommitPathGuiTest, EditsThroughMenusToolsAndMouseAreEachOneCommit)
{
    const int turnout = gui::buildOvalWithTurnout(layout());
    const size_t pieces = layout().pieces.size();

    gui::sendCommand(*frame, kCmdSelectAll);
    EXPECT_EQ(heard(), std::vector<Changes>{Changes::ofSelection()});
    EXPECT_FALSE(frame->session().modified());

    gui::sendCommand(*frame, kCmdShowGrid, false);
    gui::clickTool(*frame, kCmdHideLabels);
    gui::sendCommand(*frame, kCmdSnap, false);
    EXPECT_EQ(heard(), std::vector<Changes>(3, Changes::ofView()));
    gui::sendCommand(*frame, kCmdSnap, true);
    heard();

    // Delete from the menu: one commit of content and selection, the first also tells the title.
    for (PlacedPiece& piece : layout().pieces)
        piece.selected = piece.id == turnout;
    layout().scenery.clear();
    gui::sendCommand(*frame, kCmdDelete);
    EXPECT_EQ(heard(), std::vector<Changes>{Changes::ofEdit() | Changes::ofFile()});
    EXPECT_EQ(layout().pieces.size(), pieces - 1);
    EXPECT_EQ(title(), "Layrail v1.3 by Brindlemoor *");

    // The piece count follows every content change, undo and redo included.
    gui::sendCommand(*frame, kCmdUndo);
    EXPECT_EQ(heard(), std::vector<Changes>{Changes::ofEdit()});
    EXPECT_EQ(status(1), "Pieces: " + std::to_string(pieces));
    gui::sendCommand(*frame, kCmdRedo);
    heard();
    EXPECT_EQ(status(1), "Pieces: " + std::to_string(pieces - 1));

    gui::sendCommand(*frame, kCmdUnitsInches, true);
    EXPECT_EQ(heard(), std::vector<Changes>{Changes::ofUnits()});
    EXPECT_TRUE(frame->GetMenuBar()->IsChecked(kCmdUnitsInches));

    // A drop from the palette, through the mouse.
    canvas().beginPaletteDrag("24188");
    gui::mouseAt(canvas(), wxEVT_MOTION, {900, 600});
    gui::mouseAt(canvas(), wxEVT_LEFT_DOWN, {900, 600});
    gui::mouseAt(canvas(), wxEVT_LEFT_UP, {900, 600});
    EXPECT_EQ(heard(), std::vector<Changes>{Changes::ofEdit()});
    EXPECT_EQ(status(1), "Pieces: " + std::to_string(pieces));

    // Escape with the new piece selected clears the selection: a selection commit, nothing saved.
    gui::keyDown(canvas(), WXK_ESCAPE);
    EXPECT_EQ(heard(), std::vector<Changes>{Changes::ofSelection()});
}

TEST_F(CommitPathGuiTest, NewAndToolsTellTheViewsWithoutMarkingTheLayout)
{
    gui::placePiece(layout(), "24188", 0, 0, 0);
    frame->session().commit(Changes::ofContent());
    heard();

    gui::clickTool(*frame, kCmdMeasure);
    EXPECT_EQ(heard(), std::vector<Changes>{Changes::ofSelection() | Changes::ofView()});
    gui::keyDown(canvas(), WXK_ESCAPE);
    EXPECT_FALSE(frame->GetToolBar()->GetToolState(kCmdMeasure));

    gui::DialogAnswerer answers({wxID_NO});
    gui::sendCommand(*frame, kCmdNewLayout);
    EXPECT_EQ(heard(), std::vector<Changes>{Changes::ofEdit() | Changes::ofLevels() | Changes::ofFile()});
    EXPECT_FALSE(frame->session().modified());
    EXPECT_EQ(title(), "Layrail v1.3 by Brindlemoor");
    EXPECT_EQ(status(1), "Pieces: 0");
}

} // namespace
} // namespace layrail
