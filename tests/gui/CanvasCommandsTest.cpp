#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include "CanvasInput.h"
#include "GuiTestSupport.h"
#include "app/CommandIds.h"
#include "app/ui/MainFrame.h"
#include "canvas/ui/CanvasPanel.h"

namespace layrail {
namespace {

using gui::CanvasEditTest;
using gui::Held;
using gui::mouseAt;

using CanvasCommandsTest = CanvasEditTest;

constexpr Held kCtrl{true, false, false};

// Picks an item of the popup menu the next right click opens, with the keyboard as a user would:
// once the menu is open, `downs` presses of the Down key, then Return. A watchdog closes a menu
// left open, so a broken menu fails the test instead of hanging it.
class PopupChooser {
public:
    PopupChooser(wxWindow& window, int downs) : window_(window)
    {
        window_.Bind(wxEVT_MENU_OPEN, &PopupChooser::onOpen, this);
        keys_.Bind(wxEVT_TIMER, [downs](wxTimerEvent&) {
            wxUIActionSimulator sim;
            for (int i = 0; i < downs; ++i)
                sim.Char(WXK_DOWN);
            sim.Char(WXK_RETURN);
        });
        watchdog_.Bind(wxEVT_TIMER, [](wxTimerEvent&) { wxUIActionSimulator().Char(WXK_ESCAPE); });
        watchdog_.StartOnce(3000);
    }
    ~PopupChooser()
    {
        watchdog_.Stop();
        keys_.Stop();
        window_.Unbind(wxEVT_MENU_OPEN, &PopupChooser::onOpen, this);
    }

    bool opened = false;

private:
    void onOpen(wxMenuEvent& event)
    {
        opened = true;
        // The menu takes the keyboard once it is mapped.
        keys_.StartOnce(150);
        event.Skip();
    }

    wxWindow& window_;
    wxTimer keys_;
    wxTimer watchdog_;
};

// Answers the "Autofill Gap" dialog with its pre-selected line and records what it offered.
class AutofillAnswerer : public wxModalDialogHook {
public:
    explicit AutofillAnswerer(int answer) : answer_(answer) { Register(); }
    ~AutofillAnswerer() override { Unregister(); }

    std::string title;
    std::vector<std::string> lines;
    int selected = -1;

protected:
    int Enter(wxDialog* dialog) override
    {
        title = dialog->GetTitle().utf8_string();
        for (wxWindow* child : dialog->GetChildren()) {
            if (auto* list = dynamic_cast<wxListBox*>(child)) {
                for (unsigned i = 0; i < list->GetCount(); ++i)
                    lines.push_back(list->GetString(i).utf8_string());
                selected = list->GetSelection();
            }
        }
        return answer_;
    }
    void Exit(wxDialog*) override {}

private:
    int answer_;
};

TEST_F(CanvasCommandsTest, ContextMenuCopyThenPasteAtThePointer)
{
    const int a = gui::placePiece(layout(), "24188", 0.0, 0.0, 0.0);
    const int b = gui::attachPiece(layout(), a, 1, "24188");
    const int lone = gui::placePiece(layout(), "24130", 0.0, 300.0, 0.0);
    gui::leftDrag(canvas(), {80, 250}, {500, 350});
    ASSERT_TRUE(layout().findPiece(a)->selected && layout().findPiece(b)->selected);

    gui::RealMouse mouse(canvas());
    mouse.moveTo(gui::pixelOf(canvas(), {90.0, 0.0}));
    {
        // "Autofill Gap..." comes first with two pieces selected, then "Copy".
        PopupChooser choose(canvas(), 2);
        mouse.click(wxMOUSE_BTN_RIGHT);
        EXPECT_TRUE(choose.opened);
    }
    ASSERT_EQ(canvas().clipboard().pieces.size(), 2u);

    const wxPoint pastePixel(600, 600);
    mouse.moveTo(pastePixel);
    {
        PopupChooser choose(canvas(), 1);
        mouse.click(wxMOUSE_BTN_RIGHT);
        EXPECT_TRUE(choose.opened);
    }
    ASSERT_EQ(layout().pieces.size(), 5u);
    const PlacedPiece& first = layout().pieces[3];
    const PlacedPiece& second = layout().pieces[4];
    // The copies lie with their average origin on the pointer.
    EXPECT_NEAR((first.x + second.x) / 2.0, 500.0, 1e-9);
    EXPECT_NEAR((first.y + second.y) / 2.0, 300.0, 1e-9);
    EXPECT_EQ(first.joints[1].target, second.id);
    EXPECT_EQ(second.joints[0].target, first.id);
    EXPECT_TRUE(first.isOpen(0));
    EXPECT_TRUE(second.isOpen(1));
    EXPECT_NE(first.id, a);
    EXPECT_EQ(status(1), "Pieces: 5");
    EXPECT_FALSE(layout().findPiece(lone)->selected);
}

TEST_F(CanvasCommandsTest, RightClickOnEmptyCanvasWithoutClipboardClearsTheSelection)
{
    const int a = gui::placePiece(layout(), "24188", 0.0, 0.0, 0.0);
    layout().findPiece(a)->selected = true;
    mouseAt(canvas(), wxEVT_RIGHT_DOWN, {600, 600}, Held{false, true, false});
    EXPECT_TRUE(layout().findPiece(a)->selected);
    mouseAt(canvas(), wxEVT_RIGHT_DOWN, {600, 600});
    EXPECT_FALSE(layout().findPiece(a)->selected);
}

TEST_F(CanvasCommandsTest, AutofillClosesAStraightGapOf188)
{
    const int a = gui::placePiece(layout(), "24188", 0.0, 0.0, 0.0);
    const int b = gui::placePiece(layout(), "24188", 376.6, 0.0, 0.0);
    const wxPoint onA = gui::pixelOf(canvas(), {90.0, 0.0});
    const wxPoint onB = gui::pixelOf(canvas(), {470.0, 0.0});
    gui::leftDrag(canvas(), onA, onA, {}, 1);
    gui::leftDrag(canvas(), onB, onB, kCtrl, 1);

    AutofillAnswerer answer(wxID_OK);
    gui::RealMouse mouse(canvas());
    mouse.moveTo(onB);
    {
        PopupChooser choose(canvas(), 1);
        mouse.click(wxMOUSE_BTN_RIGHT);
        EXPECT_TRUE(choose.opened);
    }
    EXPECT_EQ(answer.title, "Autofill Gap");
    ASSERT_FALSE(answer.lines.empty());
    EXPECT_EQ(answer.lines[0], "24188  (188.3 mm)");
    EXPECT_EQ(answer.selected, 0);

    ASSERT_EQ(layout().pieces.size(), 3u);
    const PlacedPiece& fill = layout().pieces.back();
    EXPECT_EQ(fill.article, "24188");
    EXPECT_NEAR(fill.x, 188.3, 1e-9);
    EXPECT_EQ(fill.joints[0].target, a);
    EXPECT_EQ(fill.joints[1].target, b);
    EXPECT_EQ(layout().findPiece(b)->joints[0].target, fill.id);
    EXPECT_EQ(status(1), "Pieces: 3");
    EXPECT_EQ(layout().undoStack.size(), 1u);
}

TEST_F(CanvasCommandsTest, AutofillRefusalsAndCancel)
{
    const int a = gui::placePiece(layout(), "24188", 0.0, 0.0, 0.0);
    const int b = gui::placePiece(layout(), "24188", 188.8, 0.0, 0.0);
    layout().findPiece(a)->selected = true;
    layout().findPiece(b)->selected = true;
    {
        gui::DialogAnswerer answers({wxID_OK});
        canvas().autofillGap();
        ASSERT_EQ(answers.asked().size(), 1u);
        EXPECT_EQ(answers.asked()[0].title, "Autofill");
        EXPECT_EQ(answers.asked()[0].message, "The two pieces are already touching - no gap to fill.");
        EXPECT_FALSE(layout().findPiece(a)->selected);
    }
    layout().findPiece(b)->x = 376.6;
    layout().findPiece(a)->selected = true;
    layout().findPiece(b)->selected = true;
    {
        AutofillAnswerer answer(wxID_CANCEL);
        canvas().autofillGap();
        EXPECT_EQ(answer.title, "Autofill Gap");
        EXPECT_EQ(layout().pieces.size(), 2u);
        EXPECT_TRUE(layout().undoStack.empty());
    }
}

TEST_F(CanvasCommandsTest, DeleteRefusesHelixAndTunnelTrackWithTheirTexts)
{
    Helix helix;
    helix.id = layout().takeId();
    const int stub = gui::placePiece(layout(), "24188", 0.0, 0.0, 0.0);
    layout().findPiece(stub)->helix = helix.id;
    helix.bottomR1 = stub;
    layout().helices.push_back(helix);
    const int plain = gui::placePiece(layout(), "24188", 0.0, 200.0, 0.0);
    layout().findPiece(stub)->selected = true;
    layout().findPiece(plain)->selected = true;
    {
        gui::DialogAnswerer answers({wxID_OK});
        gui::keyDown(canvas(), WXK_DELETE);
        ASSERT_EQ(answers.asked().size(), 1u);
        EXPECT_EQ(answers.asked()[0].title, "Helix track is locked");
        EXPECT_EQ(answers.asked()[0].message,
                  "Selection includes track that is part of a helix. Helix track cannot be deleted individually.");
        EXPECT_EQ(layout().pieces.size(), 2u);
    }

    layout().findPiece(stub)->selected = false;
    Tunnel tunnel;
    tunnel.id = layout().takeId();
    tunnel.coveredPieces = {plain};
    layout().tunnels.push_back(tunnel);
    {
        gui::DialogAnswerer answers({wxID_OK});
        gui::sendCommand(*frame, kCmdDelete);
        ASSERT_EQ(answers.asked().size(), 1u);
        EXPECT_EQ(answers.asked()[0].title, "Tunnel is locked");
        EXPECT_EQ(answers.asked()[0].message,
                  "Selection includes tunnel track or portals. Remove the tunnel first, then delete.");
        EXPECT_EQ(layout().pieces.size(), 2u);
        EXPECT_TRUE(layout().undoStack.empty());
    }
}

TEST_F(CanvasCommandsTest, DeleteAsksAboutGradedTrackAndRemovesOnYes)
{
    const int a = gui::placePiece(layout(), "24188", 0.0, 0.0, 0.0);
    const int b = gui::attachPiece(layout(), a, 1, "24188");
    layout().findPiece(b)->grade = 1.5;
    layout().findPiece(b)->selected = true;
    {
        gui::DialogAnswerer answers({wxID_NO});
        gui::keyDown(canvas(), WXK_BACK);
        ASSERT_EQ(answers.asked().size(), 1u);
        EXPECT_EQ(answers.asked()[0].title, "Delete");
        EXPECT_EQ(answers.asked()[0].message, "Selection includes graded pieces. Delete?");
        EXPECT_EQ(layout().pieces.size(), 2u);
    }
    {
        gui::DialogAnswerer answers({wxID_YES});
        gui::sendCommand(*frame, kCmdDelete);
        EXPECT_EQ(answers.asked().size(), 1u);
    }
    ASSERT_EQ(layout().pieces.size(), 1u);
    EXPECT_TRUE(layout().findPiece(a)->isOpen(1));
    EXPECT_EQ(status(1), "Pieces: 1");
    EXPECT_EQ(title().substr(title().size() - 2), " *");
}

TEST_F(CanvasCommandsTest, RealDeleteKeyAsksOnce)
{
    const int a = gui::placePiece(layout(), "24188", 0.0, 0.0, 0.0);
    layout().findPiece(a)->grade = 1.5;
    gui::RealMouse mouse(canvas());
    mouse.moveTo(gui::pixelOf(canvas(), {90.0, 0.0}));
    mouse.click();
    ASSERT_TRUE(layout().findPiece(a)->selected);
    gui::DialogAnswerer answers({wxID_YES, wxID_YES});
    wxUIActionSimulator().Char(WXK_DELETE);
    gui::pumpEvents();
    EXPECT_EQ(answers.asked().size(), 1u);
    EXPECT_TRUE(layout().pieces.empty());
}

} // namespace
} // namespace layrail
