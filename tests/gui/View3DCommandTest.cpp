// The "3D View" command of the main window: opens the 3D window on the session's layout, rebuilds
// and raises it when used again, and keeps it up to date with every edit. With
// LAYRAIL_SCREENSHOT_DIR set (make screenshots), the view of the showcase layout is saved there for
// the README.

#include <cstdlib>

#include <gtest/gtest.h>
#include <wx/imagpng.h>
#include <wx/utils.h>

#include "GuiTestSupport.h"
#include "View3DShowcase.h"
#include "app/CommandIds.h"
#include "app/ui/MainFrame.h"
#include "document/Session.h"
#include "view3d/ui/TrackGLCanvas.h"
#include "view3d/ui/View3DFrame.h"

namespace layrail {
namespace {

// Handles events and paints until the canvas has rebuilt `count` times, for at most ten seconds.
bool waitForRebuilds(TrackGLCanvas& canvas, int count)
{
    for (int i = 0; i < 500 && canvas.rebuildCount() < count; ++i) {
        gui::pumpEvents(2);
        canvas.Update();
        if (canvas.rebuildCount() < count)
            wxMilliSleep(20);
    }
    return canvas.rebuildCount() >= count;
}

class View3DCommandTest : public ::testing::Test {
protected:
    void SetUp() override { frame = gui::createMainFrame(); }
    void TearDown() override
    {
        EXPECT_LAYOUT_CONSISTENT(frame->layout());
        gui::destroyMainFrame(frame);
    }

    TrackGLCanvas& openedCanvas()
    {
        gui::sendCommand(*frame, kCmd3DView);
        View3DFrame* view = frame->view3D();
        EXPECT_NE(view, nullptr);
        EXPECT_NE(view->canvas(), nullptr);
        return *view->canvas();
    }

    MainFrame* frame = nullptr;
};

TEST_F(View3DCommandTest, OpensOnTheLayoutFollowsEveryEditAndIsForgottenWhenClosed)
{
    const int a = gui::placePiece(frame->layout(), "24188", 0, 0, 0);
    gui::placePiece(frame->layout(), "24188", 400, 0, 0);
    frame->session().commit(Changes::ofEdit());

    TrackGLCanvas& canvas = openedCanvas();
    View3DFrame* view = frame->view3D();
    EXPECT_TRUE(view->IsShown());
    EXPECT_EQ(view->GetParent(), frame);
    ASSERT_TRUE(waitForRebuilds(canvas, 1));
    EXPECT_EQ(canvas.scene().tracks.size(), 2u);

    // An edit in the main window: the view rebuilds without being asked.
    frame->layout().findPiece(a)->selected = true;
    gui::sendCommand(*frame, kCmdDelete);
    EXPECT_TRUE(canvas.isStale());
    ASSERT_TRUE(waitForRebuilds(canvas, 2));
    EXPECT_EQ(canvas.scene().tracks.size(), 1u);
    // Undo too, through the same change path.
    gui::sendCommand(*frame, kCmdUndo);
    ASSERT_TRUE(waitForRebuilds(canvas, 3));
    EXPECT_EQ(canvas.scene().tracks.size(), 2u);
    // A selection alone changes nothing the view shows.
    gui::sendCommand(*frame, kCmdSelectAll);
    EXPECT_FALSE(canvas.isStale());

    // The command again: the same window, rebuilt and in front.
    gui::sendCommand(*frame, kCmd3DView);
    EXPECT_EQ(frame->view3D(), view);
    ASSERT_TRUE(waitForRebuilds(canvas, 4));

    // Closed by the user, it is forgotten; the command opens a new one.
    view->Close();
    gui::pumpEvents();
    EXPECT_EQ(frame->view3D(), nullptr);
    gui::placePiece(frame->layout(), "24188", 800, 0, 0);
    frame->session().commit(Changes::ofEdit());
    TrackGLCanvas& again = openedCanvas();
    ASSERT_TRUE(waitForRebuilds(again, 1));
    EXPECT_EQ(again.scene().tracks.size(), 3u);
}

TEST_F(View3DCommandTest, ALevelChangeRebuildsAndTheMainWindowMayCloseOverAnOpenView)
{
    gui::placePiece(frame->layout(), "24188", 0, 0, 0);
    TrackGLCanvas& canvas = openedCanvas();
    ASSERT_TRUE(waitForRebuilds(canvas, 1));
    ASSERT_EQ(canvas.scene().tracks.size(), 1u);
    frame->layout().levels[0].visible = false;
    frame->session().commit(Changes::ofLevels());
    ASSERT_TRUE(waitForRebuilds(canvas, 2));
    EXPECT_TRUE(canvas.scene().tracks.empty());
    frame->layout().levels[0].visible = true;
}

// The README's picture of the 3D view: the showcase layout in the window the command opens.
TEST_F(View3DCommandTest, ShowcaseLayoutInTheWindowTheCommandOpens)
{
    frame->layout() = gui::buildShowcaseLayout();
    frame->session().commit(Changes::everything());
    TrackGLCanvas& canvas = openedCanvas();
    ASSERT_TRUE(waitForRebuilds(canvas, 1));
    EXPECT_FALSE(canvas.scene().tracks.empty());
    EXPECT_FALSE(canvas.scene().scenery.empty());
    // Closer than the framing, the way a user looks at it first.
    canvas.camera().pitch = 48.0f;
    canvas.camera().yaw = 15.0f;
    canvas.camera().distance *= 0.55f;
    const wxImage image = canvas.renderToImage();
    ASSERT_TRUE(image.IsOk());
    // The baseboard, track and scenery fill much of the view: few pixels keep the clear colour.
    long clear = 0;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x)
            clear += image.GetRed(x, y) == 36 && image.GetGreen(x, y) == 41 && image.GetBlue(x, y) == 48 ? 1 : 0;
    EXPECT_LT(clear, static_cast<long>(image.GetWidth()) * image.GetHeight() / 2);

    // What the window's canvas shows, read back from the driver.
    const char* folder = std::getenv("LAYRAIL_SCREENSHOT_DIR");
    if (folder == nullptr)
        return;
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr)
        wxImage::AddHandler(new wxPNGHandler);
    const std::string path = std::string(folder) + "/3d-view.png";
    EXPECT_TRUE(image.SaveFile(wxString::FromUTF8(path), wxBITMAP_TYPE_PNG)) << path;
}

} // namespace
} // namespace layrail
