// The example layout that ships with the program, opened in the real window. With
// LAYRAIL_SCREENSHOT_DIR set (make screenshots), the window is saved there for the README.

#include <filesystem>

#include <gtest/gtest.h>

#include "CanvasInput.h"
#include "DialogScript.h"
#include "GuiTestSupport.h"
#include "Screenshot.h"
#include "support/FileTestSupport.h"
#include "app/CommandIds.h"
#include "app/CommandLineFile.h"
#include "app/ui/FileCommands.h"
#include "app/ui/MainFrame.h"
#include "canvas/ui/CanvasPanel.h"
#include "document/LayoutFile.h"

namespace layrail {
namespace {

using gui::saveScreenshot;

TEST(ExampleLayout, OpensWholeAndFitsTheCanvas)
{
    MainFrame* frame = gui::createMainFrame();
    frame->SetSize(0, 0, 1280, 800);
    gui::pumpEvents();

    const std::string path = std::string(LAYRAIL_SOURCE_DATA_FOLDER) + "/examples/Oval with a siding.lyr";
    ASSERT_TRUE(loadLayoutFile(frame->commands(), path));
    gui::pumpEvents();
    const Layout& layout = frame->layout();
    EXPECT_EQ(frame->session().name(), "Oval with a siding");
    EXPECT_EQ(layout.pieces.size(), 19u);
    EXPECT_LAYOUT_CONSISTENT(layout);
    // The oval is closed and the siding ends in a buffer stop: no end is left open.
    EXPECT_TRUE(gui::openConnectors(layout).empty());

    // Opening zooms to fit: every piece end is on the canvas, and its join is drawn there.
    const wxImage canvas = gui::captureCanvas(*frame->canvas());
    for (const PlacedPiece& piece : layout.pieces) {
        const wxPoint end = gui::connectorPixel(*frame->canvas(), layout, piece.id, 0);
        EXPECT_TRUE(wxRect(canvas.GetSize()).Contains(end)) << piece.id;
        EXPECT_TRUE(gui::colourNear(canvas, end.x, end.y, 60, 180, 60, 2, 30))
            << piece.id << " " << gui::pixelText(canvas, end.x, end.y);
    }

    saveScreenshot(*frame, "main-window.png");
    gui::destroyMainFrame(frame);
}

// A layout opened from anywhere (the command line, a file manager) belongs to its own file:
// Save writes it back there, not into the layouts folder.
TEST(ExampleLayout, FileOutsideTheLayoutsFolderIsSavedWhereItIs)
{
    test::TempFolder layouts("layouts");
    test::TempFolder elsewhere("elsewhere");
    const std::string copy = elsewhere.file("Oval.lyr");
    std::filesystem::copy_file(std::string(LAYRAIL_SOURCE_DATA_FOLDER) + "/examples/Oval with a siding.lyr", copy);
    const CommandLineFile named = commandLineFile({"Oval.lyr"}, elsewhere.path());
    ASSERT_TRUE(named.openable()) << named.problem;

    MainFrame* frame = gui::createMainFrame();
    frame->setLayoutsFolder(layouts.path());
    ASSERT_TRUE(loadLayoutFile(frame->commands(), named.path));
    EXPECT_EQ(frame->session().path(), copy);

    gui::placePiece(frame->layout(), "24188", 0, 360, 0);
    frame->session().commit(Changes::ofContent());
    {
        gui::DialogScript script;
        gui::sendCommand(*frame, kCmdSave);
        EXPECT_TRUE(script.shown().empty());
    }
    EXPECT_FALSE(frame->session().modified());
    EXPECT_EQ(frame->session().path(), copy);
    Layout reread;
    std::string name;
    ASSERT_EQ(readLayout(copy, reread, name), "");
    EXPECT_EQ(name, "Oval with a siding");
    EXPECT_EQ(reread.pieces.size(), 20u);
    EXPECT_LAYOUT_CONSISTENT(reread);
    EXPECT_TRUE(std::filesystem::is_empty(layouts.path()));
    gui::destroyMainFrame(frame);
}

} // namespace
} // namespace layrail
