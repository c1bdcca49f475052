// The View menu's "+" and "-" from the keyboard, wherever the focus is.

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "CanvasInput.h"
#include "GuiTestSupport.h"
#include "app/CommandIds.h"
#include "app/ui/MainFrame.h"
#include "canvas/ui/CanvasPanel.h"
#include "panels/ui/PalettePanel.h"
#include "panels/ui/PropertiesPanel.h"
#include "view3d/ui/TrackGLCanvas.h"
#include "view3d/ui/View3DFrame.h"

namespace layrail {
namespace {

class ZoomKeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = gui::createMainFrame();
        // The window system gives the keyboard to the window the user clicked into.
        gui::RealMouse mouse(canvas());
        mouse.moveTo({canvas().GetClientSize().x / 2, canvas().GetClientSize().y / 2});
        mouse.click();
    }
    void TearDown() override { gui::destroyMainFrame(frame); }

    CanvasPanel& canvas() { return *frame->canvas(); }
    double zoom() { return canvas().view().zoom; }

    // Types the key on the real keyboard and returns the zoom afterwards.
    double typed(int key, int modifiers = wxMOD_NONE)
    {
        wxUIActionSimulator().Char(key, modifiers);
        gui::pumpEvents();
        return zoom();
    }

    MainFrame* frame = nullptr;
};

TEST_F(ZoomKeysTest, PlusAndMinusZoomWhicheverPaneHasTheFocus)
{
    auto* trackList = dynamic_cast<wxListBox*>(wxWindow::FindWindowById(kPaletteTrackList, frame->palette()));
    ASSERT_NE(trackList, nullptr);
    auto* propertiesButton = new wxButton(frame->properties(), wxID_ANY, "Details");
    const std::vector<std::pair<const char*, wxWindow*>> panes = {
        {"palette list", trackList}, {"canvas", &canvas()}, {"properties", propertiesButton}};
    for (const auto& [name, pane] : panes) {
        SCOPED_TRACE(name);
        pane->SetFocus();
        gui::pumpEvents();
        ASSERT_EQ(wxWindow::FindFocus(), pane);
        const double start = zoom();
        // "+" is Shift and "=" on the main keyboard.
        EXPECT_NEAR(typed('=', wxMOD_SHIFT), start * 1.25, 1e-12);
        EXPECT_NEAR(typed('-'), start, 1e-12);
        EXPECT_NEAR(typed(WXK_NUMPAD_ADD), start * 1.25, 1e-12);
        EXPECT_NEAR(typed(WXK_NUMPAD_SUBTRACT), start, 1e-12);
    }
}

TEST_F(ZoomKeysTest, TheKeysOfThe3DViewStayWithIt)
{
    gui::sendCommand(*frame, kCmd3DView);
    ASSERT_NE(frame->view3D(), nullptr);
    TrackGLCanvas* view = frame->view3D()->canvas();
    ASSERT_NE(view, nullptr);
    gui::pumpEvents();
    wxUIActionSimulator sim;
    sim.MouseMove(view->ClientToScreen(wxPoint(100, 100)));
    gui::pumpEvents();
    sim.MouseClick();
    gui::pumpEvents();
    ASSERT_EQ(wxWindow::FindFocus(), view);
    const double start = zoom();
    EXPECT_DOUBLE_EQ(typed('=', wxMOD_SHIFT), start);
    EXPECT_DOUBLE_EQ(typed(WXK_NUMPAD_SUBTRACT), start);
}

TEST_F(ZoomKeysTest, ATextFieldKeepsItsMinusSign)
{
    auto* field = new wxTextCtrl(frame->properties(), wxID_ANY, "");
    field->SetFocus();
    gui::pumpEvents();
    ASSERT_EQ(wxWindow::FindFocus(), field);
    const double start = zoom();
    EXPECT_DOUBLE_EQ(typed('-'), start);
    EXPECT_DOUBLE_EQ(typed('=', wxMOD_SHIFT), start);
    EXPECT_EQ(field->GetValue(), "-+");
}

} // namespace
} // namespace layrail
