// The window's Check Layout list, Export Plan and Export Piece List, driven through the menu.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>
#include <wx/listctrl.h>
#include <wx/radiobox.h>
#include <wx/spinctrl.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>

#include "ControlDriving.h"
#include "DialogScript.h"
#include "GuiTestSupport.h"
#include "support/FileTestSupport.h"
#include "app/CommandIds.h"
#include "app/ui/ExportPlanDialog.h"
#include "app/ui/MainFrame.h"
#include "app/ui/SaveFileDialog.h"
#include "canvas/GapScenarios.h"
#include "canvas/ui/CanvasPanel.h"
#include "canvas/ui/LayoutCheckDialog.h"
#include "document/Session.h"
#include "panels/PieceList.h"
#include "panels/StoreTable.h"

namespace layrail {
namespace {

namespace fs = std::filesystem;
using gui::DialogScript;
using gui::named;

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string commandOutput(const std::string& command)
{
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe))
            output += buffer;
        pclose(pipe);
    }
    return output;
}

class ExportCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { frame = gui::createMainFrame(); }
    void TearDown() override
    {
        EXPECT_LAYOUT_CONSISTENT(frame->layout());
        gui::destroyMainFrame(frame);
    }

    void load(Layout layout)
    {
        frame->session().layout() = std::move(layout);
        frame->session().commit(Changes::everything());
        gui::pumpEvents();
    }
    CanvasPanel& canvas() { return *frame->canvas(); }
    LayoutCheckDialog* checkDialog()
    {
        return dynamic_cast<LayoutCheckDialog*>(wxWindow::FindWindowByName(LayoutCheckDialog::kWindowName, frame));
    }
    std::string row(wxListCtrl& list, long item, int column) { return list.GetItemText(item, column).utf8_string(); }
    std::string status() const { return frame->GetStatusBar()->GetStatusText(0).utf8_string(); }

    MainFrame* frame = nullptr;
    test::TempFolder folder{"export"};
};

TEST_F(ExportCommandsTest, CheckLayoutListsTheMissAndShowsItOnThePlan)
{
    load(gapscenario::almostClosedLoop(2.3));
    gui::sendCommand(*frame, kCmdCheckLayout);
    LayoutCheckDialog* dialog = checkDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->IsShown());
    EXPECT_EQ(dialog->GetTitle(), "Check Layout");
    wxListCtrl& list = *named<wxListCtrl>(*dialog, "findings");
    ASSERT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(row(list, 0, 0), "Near miss");
    EXPECT_NE(row(list, 0, 2).find("2.3 mm apart"), std::string::npos) << row(list, 0, 2);
    EXPECT_EQ(row(list, 1, 0), "Open end");

    gui::selectRow(list, 0);
    gui::pumpEvents();
    ASSERT_EQ(canvas().spots().size(), 2u);
    // The plan is zoomed onto the gap, which now sits in the middle of the canvas, ringed.
    const CanvasView& view = canvas().view();
    const wxSize size = canvas().GetClientSize();
    EXPECT_GT(view.zoom, 0.5);
    const double gapX = view.projectX(-1.15), gapY = view.projectY(0.0);
    EXPECT_NEAR(gapX, size.x / 2.0, 2.0);
    EXPECT_NEAR(gapY, size.y / 2.0, 2.0);
    const wxImage image = gui::captureCanvas(canvas());
    const int ringX = static_cast<int>(view.projectX(0.0) + kSpotRingRadius);
    EXPECT_TRUE(gui::colourNear(image, ringX, static_cast<int>(gapY), kSpotRing.r, kSpotRing.g, kSpotRing.b, 1, 30))
        << gui::pixelText(image, ringX, static_cast<int>(gapY));

    // The same command brings the open list forward instead of opening another.
    gui::sendCommand(*frame, kCmdCheckLayout);
    EXPECT_EQ(checkDialog(), dialog);

    gui::clickButton(*dialog, wxID_CLOSE);
    gui::pumpEvents();
    EXPECT_EQ(checkDialog(), nullptr);
    EXPECT_TRUE(canvas().spots().empty());
}

TEST_F(ExportCommandsTest, CheckLayoutFollowsTheLayoutAndTheHeadroom)
{
    load(gapscenario::straightGap(188.3));
    gui::sendCommand(*frame, kCmdCheckLayout);
    LayoutCheckDialog* dialog = checkDialog();
    ASSERT_NE(dialog, nullptr);
    wxListCtrl& list = *named<wxListCtrl>(*dialog, "findings");
    ASSERT_GE(list.GetItemCount(), 1);
    EXPECT_EQ(row(list, 0, 0), "Gap to fill");
    EXPECT_NE(row(list, 0, 2).find("fill 24188  (188.3 mm)"), std::string::npos) << row(list, 0, 2);

    // Another layout: the list checks it at once.
    load(gapscenario::crossingOver(50.0));
    ASSERT_GE(list.GetItemCount(), 1);
    EXPECT_EQ(row(list, 0, 0), "Low crossing");
    EXPECT_NE(row(list, 0, 2).find("50.0 mm clear, 70 mm needed"), std::string::npos) << row(list, 0, 2);
    gui::selectRow(list, 0);
    gui::pumpEvents();
    ASSERT_EQ(canvas().spots().size(), 1u);
    EXPECT_NEAR(canvas().spots()[0].x, 94.15, 1e-6);

    // Trains that need only 45 mm pass under.
    gui::setSpinDouble(*named<wxSpinCtrlDouble>(*dialog, "headroomH0"), 45.0);
    gui::pumpEvents();
    for (long i = 0; i < list.GetItemCount(); ++i)
        EXPECT_NE(row(list, i, 0), "Low crossing");
    EXPECT_TRUE(canvas().spots().empty()) << "a new check clears the old marks";
    dialog->Close();
    gui::pumpEvents();
    EXPECT_EQ(checkDialog(), nullptr);
}

TEST_F(ExportCommandsTest, ExportPlanWritesThePdfAndPngChosen)
{
    load(gapscenario::straightGap(188.3));
    const std::string pdf = folder.file("plan.pdf");
    {
        DialogScript script({DialogScript::with<ExportPlanDialog>([&](ExportPlanDialog& dialog) {
            gui::typeText(*named<wxTextCtrl>(dialog, "path"), folder.file("plan"));
            gui::chooseRadio(*named<wxRadioBox>(dialog, "format"), 2);
            gui::chooseRadio(*named<wxRadioBox>(dialog, "scaling"), 1);
            gui::setSpin(*named<wxSpinCtrl>(dialog, "denominator"), 1);
            EXPECT_FALSE(named<wxSpinCtrl>(dialog, "dpi")->IsEnabled()) << "no resolution for a PDF";
            EXPECT_EQ(dialog.path(), pdf);
            return static_cast<int>(wxID_OK);
        })});
        gui::sendCommand(*frame, kCmdExportPlan);
        EXPECT_TRUE(script.allPlayed());
        EXPECT_EQ(script.unexpected(), 0);
    }
    const std::string info = commandOutput("pdfinfo '" + pdf + "'");
    // 564.9 mm of track at 1:1 over A4 sheets turned wide: three of them.
    EXPECT_NE(info.find("Pages:           3"), std::string::npos) << info;
    EXPECT_EQ(status(), "Plan exported to " + pdf);

    const std::string png = folder.file("plan.png");
    {
        DialogScript script({DialogScript::with<ExportPlanDialog>([&](ExportPlanDialog& dialog) {
            // The last export's choices come back; typing a .png name chooses the format.
            EXPECT_EQ(named<wxRadioBox>(dialog, "scaling")->GetSelection(), 1);
            gui::chooseRadio(*named<wxRadioBox>(dialog, "scaling"), 0);
            gui::typeText(*named<wxTextCtrl>(dialog, "path"), png);
            EXPECT_EQ(named<wxRadioBox>(dialog, "format")->GetSelection(), 0);
            EXPECT_TRUE(named<wxSpinCtrl>(dialog, "dpi")->IsEnabled());
            gui::setSpin(*named<wxSpinCtrl>(dialog, "dpi"), 50);
            return static_cast<int>(wxID_OK);
        })});
        gui::sendCommand(*frame, kCmdExportPlan);
        EXPECT_TRUE(script.allPlayed());
    }
    // The picture's size from its header: A4 turned wide at 50 dots per inch.
    const std::string bytes = fileBytes(png);
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    auto bigEndian = [&](size_t at) {
        return (static_cast<unsigned char>(bytes[at]) << 24) | (static_cast<unsigned char>(bytes[at + 1]) << 16) |
               (static_cast<unsigned char>(bytes[at + 2]) << 8) | static_cast<unsigned char>(bytes[at + 3]);
    };
    EXPECT_EQ(bigEndian(16), 585);
    EXPECT_EQ(bigEndian(20), 413);
}

TEST_F(ExportCommandsTest, ExportPlanReportsFailuresAndAsksBeforeReplacing)
{
    load(gapscenario::straightGap(188.3));
    const std::string nowhere = folder.file("missing/plan.svg");
    {
        DialogScript script({DialogScript::with<ExportPlanDialog>([&](ExportPlanDialog& dialog) {
                                 gui::typeText(*named<wxTextCtrl>(dialog, "path"), nowhere);
                                 return static_cast<int>(wxID_OK);
                             }),
                             DialogScript::answer(wxID_OK)});
        gui::sendCommand(*frame, kCmdExportPlan);
        ASSERT_EQ(script.shown().size(), 2u);
        EXPECT_EQ(script.shown()[1].title, "Export Plan");
        EXPECT_EQ(script.shown()[1].message, "Cannot open file: " + nowhere);
    }

    const std::string existing = folder.file("old.svg");
    std::ofstream(existing) << "keep me";
    {
        DialogScript script({DialogScript::with<ExportPlanDialog>([&](ExportPlanDialog& dialog) {
                                 gui::typeText(*named<wxTextCtrl>(dialog, "path"), existing);
                                 return static_cast<int>(wxID_OK);
                             }),
                             DialogScript::answer(wxID_NO)});
        gui::sendCommand(*frame, kCmdExportPlan);
        ASSERT_EQ(script.shown().size(), 2u);
        EXPECT_EQ(script.shown()[1].title, "Confirm Replace");
    }
    EXPECT_EQ(fileBytes(existing), "keep me");

    {
        DialogScript script({DialogScript::with<ExportPlanDialog>([&](ExportPlanDialog& dialog) {
            gui::typeText(*named<wxTextCtrl>(dialog, "path"), "  ");
            EXPECT_FALSE(dialog.exportEnabled());
            return static_cast<int>(wxID_CANCEL);
        })});
        gui::sendCommand(*frame, kCmdExportPlan);
        EXPECT_EQ(script.unexpected(), 0);
    }
}

TEST_F(ExportCommandsTest, ExportPieceListWritesTheTallyAsCsv)
{
    Layout layout = gapscenario::straightGap(188.3);
    gapscenario::layPiece(layout, "24611", Pose{0.0, 500.0, 0.0});
    load(layout);
    const std::string csv = folder.file("pieces");
    {
        DialogScript script({DialogScript::with<SaveFileDialog>([&](SaveFileDialog& dialog) {
            EXPECT_EQ(dialog.GetTitle(), "Export Piece List");
            gui::typeText(*named<wxTextCtrl>(dialog, "path"), csv);
            EXPECT_EQ(dialog.path(), csv + ".csv");
            return static_cast<int>(wxID_OK);
        })});
        gui::sendCommand(*frame, kCmdExportPieceList);
        EXPECT_TRUE(script.allPlayed());
    }
    const std::string written = fileBytes(csv + ".csv");
    EXPECT_EQ(written, pieceListCsv(pieceListLines(countTally(frame->layout(), StoreTable{}))));
    EXPECT_NE(written.find("\n24188,"), std::string::npos) << written;
    EXPECT_NE(written.find(",2,\n"), std::string::npos) << written;
    EXPECT_NE(written.find("74491,Turnout Motor,1,recommended"), std::string::npos) << written;
}

} // namespace
} // namespace layrail
