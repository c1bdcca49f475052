#include <fstream>

#include <gtest/gtest.h>
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/splitter.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "CanvasInput.h"
#include "GuiTestSupport.h"
#include "app/CommandIds.h"
#include "app/ui/Logs.h"
#include "app/ui/MainFrame.h"
#include "canvas/ui/CanvasPanel.h"
#include "document/History.h"
#include "panels/ui/PalettePanel.h"
#include "panels/ui/PropertiesPanel.h"

namespace layrail {
namespace {

using gui::DialogAnswerer;

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override { frame = gui::createMainFrame(); }
    void TearDown() override
    {
        if (frame != nullptr) {
            EXPECT_LAYOUT_CONSISTENT(frame->layout());
            gui::destroyMainFrame(frame);
        }
    }

    Layout& layout() { return frame->layout(); }
    std::string title() const { return frame->GetTitle().utf8_string(); }
    std::string status(int field) const { return frame->GetStatusBar()->GetStatusText(field).utf8_string(); }
    wxToolBar& tools() const { return *frame->GetToolBar(); }

    MainFrame* frame = nullptr;
};

TEST_F(MainFrameTest, StartsWithBaseTitleStatusTextsAndSize)
{
    EXPECT_EQ(title(), "Layrail v1.3 by Brindlemoor");
    ASSERT_EQ(frame->GetStatusBar()->GetFieldsCount(), 3);
    EXPECT_EQ(status(0), "Ready");
    EXPECT_EQ(status(1), "Pieces: 0");
    EXPECT_EQ(status(2), "x: 0  y: 0 mm");
    EXPECT_EQ(frame->GetSize(), wxSize(1400, 900));
    EXPECT_FALSE(frame->session().modified());
    EXPECT_TRUE(frame->session().name().empty());
    EXPECT_TRUE(frame->session().path().empty());
}

TEST_F(MainFrameTest, MenuBarHoldsEveryCommandWithItsLabelAndKind)
{
    wxMenuBar& bar = *frame->GetMenuBar();
    ASSERT_EQ(bar.GetMenuCount(), 5u);
    const char* menus[] = {"&File", "&Edit", "&View", "&Layout", "&Help"};
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(bar.GetMenuLabel(i).utf8_string(), menus[i]);

    struct Item {
        int id;
        const char* label;
        wxItemKind kind;
    };
    const Item items[] = {
        {kCmdNewLayout, "&New Layout\tCtrl+N", wxITEM_NORMAL},
        {kCmdOpenLayout, "&Open Layout...\tCtrl+O", wxITEM_NORMAL},
        {kCmdSave, "&Save\tCtrl+S", wxITEM_NORMAL},
        {kCmdSaveAs, "Save &As...\tCtrl+Shift+S", wxITEM_NORMAL},
        {kCmdImportLayout, "&Import Layout...", wxITEM_NORMAL},
        {kCmdExportLayout, "&Export Layout...", wxITEM_NORMAL},
        {kCmdExportPlan, "Expor&t Plan...", wxITEM_NORMAL},
        {kCmdExportPieceList, "Expo&rt Piece List...", wxITEM_NORMAL},
        {kCmdCloseLayout, "&Close Layout\tCtrl+W", wxITEM_NORMAL},
        {kCmdPageSetup, "Page Set&up...", wxITEM_NORMAL},
        {kCmdPrintPreview, "Print Pre&view...", wxITEM_NORMAL},
        {kCmdPrint, "&Print...\tCtrl+P", wxITEM_NORMAL},
        {kCmdSaveLibraryBlock, "Save as &Library Block...", wxITEM_NORMAL},
        {kCmdExit, "E&xit", wxITEM_NORMAL},
        {kCmdUndo, "&Undo\tCtrl+Z", wxITEM_NORMAL},
        {kCmdRedo, "&Redo\tCtrl+Y", wxITEM_NORMAL},
        {kCmdDelete, "&Delete\tDel", wxITEM_NORMAL},
        {kCmdSelectAll, "Select &All\tCtrl+A", wxITEM_NORMAL},
        {kCmdZoomIn, "Zoom &In\t+", wxITEM_NORMAL},
        {kCmdZoomOut, "Zoom &Out\t-", wxITEM_NORMAL},
        {kCmdZoomFit, "Zoom to &Fit\tCtrl+0", wxITEM_NORMAL},
        {kCmdShowGrid, "Show &Grid\tCtrl+G", wxITEM_CHECK},
        {kCmdSnap, "&Snap\tCtrl+Shift+G", wxITEM_CHECK},
        {kCmdUnitsMillimetres, "Millimetres (mm)", wxITEM_RADIO},
        {kCmdUnitsCentimetres, "Centimetres (cm)", wxITEM_RADIO},
        {kCmdUnitsInches, "Inches (in)", wxITEM_RADIO},
        {kCmdLayoutShape, "Layout &Shape...", wxITEM_NORMAL},
        {kCmdCheckLayout, "&Check Layout...", wxITEM_NORMAL},
        {kCmdHelp, "&Help\tF1", wxITEM_NORMAL},
    };
    for (const Item& item : items) {
        const wxMenuItem* found = bar.FindItem(item.id);
        ASSERT_NE(found, nullptr) << item.label;
        EXPECT_EQ(found->GetItemLabel().utf8_string(), item.label);
        EXPECT_EQ(found->GetKind(), item.kind) << item.label;
        // wx gives its stock ids (5000 and up) a stock help text of its own.
        if (item.id < 5000) {
            EXPECT_TRUE(found->GetHelp().empty()) << item.label;
        }
    }
    EXPECT_TRUE(bar.IsChecked(kCmdShowGrid));
    EXPECT_TRUE(bar.IsChecked(kCmdSnap));
    EXPECT_TRUE(bar.IsChecked(kCmdUnitsMillimetres));
    EXPECT_EQ(bar.GetMenu(0)->GetMenuItemCount(), 20u);

    const wxMenu* layoutMenu = bar.GetMenu(3);
    ASSERT_GE(layoutMenu->GetMenuItemCount(), 1u);
    EXPECT_EQ(layoutMenu->FindItemByPosition(0)->GetItemLabel().utf8_string(), "Units of Measure");
}

TEST_F(MainFrameTest, ToolbarShowsTextToolsInOrderWithTips)
{
    struct Tool {
        int id;
        const char* label;
        wxItemKind kind;
        const char* tip;
    };
    const Tool expected[] = {
        {kCmdUndo, "Undo", wxITEM_NORMAL, ""},
        {kCmdRedo, "Redo", wxITEM_NORMAL, ""},
        {kCmdLevels, "Levels", wxITEM_NORMAL, "Manage layout levels (decks): height, color, and shape"},
        {kCmd3DView, "3D View", wxITEM_NORMAL, ""},
        {kCmdZoomFit, "Fit", wxITEM_NORMAL, ""},
        {kCmdHideLabels, "Hide Labels", wxITEM_CHECK, "Toggle track labels and join dots"},
        {kCmdTunnel, "Tunnel", wxITEM_NORMAL,
         "Place tunnel portals on the selected chain (or remove if already in a tunnel)"},
        {kCmdMeasure, "Measure", wxITEM_CHECK,
         "Measuring tape: click two points on the canvas to lay down a length annotation"},
        {kCmdPolygon, "Polygon", wxITEM_CHECK, "Draw a free-form polygon (access hatch, river, mountain, etc.)"},
    };
    EXPECT_TRUE(tools().HasFlag(wxTB_TEXT));
    EXPECT_TRUE(tools().HasFlag(wxTB_NOICONS));
    ASSERT_EQ(tools().GetToolsCount(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const wxToolBarToolBase* tool = tools().GetToolByPos(static_cast<int>(i));
        EXPECT_EQ(tool->GetId(), expected[i].id);
        EXPECT_EQ(tool->GetLabel().utf8_string(), expected[i].label);
        EXPECT_EQ(tool->GetKind(), expected[i].kind) << expected[i].label;
        EXPECT_EQ(tool->GetShortHelp().utf8_string(), expected[i].tip);
    }
    gui::pumpEvents();
    EXPECT_FALSE(tools().GetToolEnabled(kCmdTunnel));
    EXPECT_TRUE(tools().GetToolEnabled(kCmdMeasure));
}

TEST_F(MainFrameTest, PanesSitInSplittersAtTheirStartingWidths)
{
    auto* outer = wxDynamicCast(frame->palette()->GetParent(), wxSplitterWindow);
    auto* inner = wxDynamicCast(frame->canvas()->GetParent(), wxSplitterWindow);
    ASSERT_NE(outer, nullptr);
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(outer->GetName(), "splitter");
    EXPECT_EQ(inner->GetParent(), outer);
    EXPECT_EQ(frame->properties()->GetParent(), inner);
    EXPECT_EQ(outer->GetWindow1(), frame->palette());
    EXPECT_EQ(outer->GetWindow2(), inner);
    EXPECT_EQ(inner->GetWindow1(), frame->canvas());
    EXPECT_EQ(inner->GetWindow2(), frame->properties());
    EXPECT_EQ(outer->GetSplitMode(), wxSPLIT_VERTICAL);
    EXPECT_DOUBLE_EQ(outer->GetSashGravity(), 0.0);
    EXPECT_DOUBLE_EQ(inner->GetSashGravity(), 1.0);
    EXPECT_EQ(outer->GetMinimumPaneSize(), 150);
    EXPECT_EQ(inner->GetMinimumPaneSize(), 200);
    EXPECT_EQ(frame->palette()->GetMinSize().x, 150);

    EXPECT_EQ(outer->GetSashPosition(), 235);
    EXPECT_NEAR(frame->palette()->GetSize().x, 235, 2);
    EXPECT_NEAR(frame->properties()->GetSize().x, 280, 8);
}

TEST_F(MainFrameTest, StartupTraceEndsWithTheConstructionSteps)
{
    const wxString path = logFolder() + wxFileName::GetPathSeparator() + "mainframe.log";
    std::ifstream in(path.fn_str());
    ASSERT_TRUE(in.good()) << path;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    const std::vector<std::string> steps = {
        "A: wxFrame base constructed", "B: MenuBar done", "C: ToolBar done", "BuildPanels: start",
        "BuildPanels: root panel created", "BuildPanels: palette created", "BuildPanels: splitter created",
        "BuildPanels: canvas created", "BuildPanels: properties created", "BuildPanels: split done",
        "BuildPanels: adding to sizer", "BuildPanels: outerSplit added", "BuildPanels: sizer set",
        "BuildPanels: layout done", "BuildPanels: palette populated", "D: Panels done", "E: StatusBar done",
        "F: MainFrame constructor complete"};
    ASSERT_GE(lines.size(), steps.size());
    for (size_t i = 0; i < steps.size(); ++i)
        EXPECT_EQ(lines[lines.size() - steps.size() + i], steps[i] + "\r");
}

TEST_F(MainFrameTest, ModifiedLayoutIsMarkedInTheTitle)
{
    frame->session().commit(Changes::ofContent());
    EXPECT_TRUE(frame->session().modified());
    EXPECT_EQ(title(), "Layrail v1.3 by Brindlemoor *");
}

TEST_F(MainFrameTest, NewAnsweredCancelChangesNothing)
{
    gui::buildOvalWithTurnout(layout());
    frame->session().commit(Changes::ofContent());
    const size_t pieces = layout().pieces.size();
    {
        DialogAnswerer answers({wxID_CANCEL});
        gui::sendCommand(*frame, kCmdNewLayout);
        ASSERT_EQ(answers.asked().size(), 1u);
        EXPECT_EQ(answers.asked()[0].message, "You have unsaved changes. Save before continuing?");
        EXPECT_EQ(answers.asked()[0].title, "Unsaved Changes");
    }
    EXPECT_EQ(layout().pieces.size(), pieces);
    EXPECT_TRUE(frame->session().modified());
    EXPECT_EQ(title(), "Layrail v1.3 by Brindlemoor *");
    EXPECT_FALSE(canUndo(layout()));
}

TEST_F(MainFrameTest, NewAnsweredNoClearsAndUndoBringsThePiecesBack)
{
    gui::buildOvalWithTurnout(layout());
    Level upper;
    upper.id = 2;
    layout().levels.push_back(upper);
    layout().activeLevel = 2;
    layout().baseboard.vertices = {{0, 0}, {900, 0}, {900, 900}};
    frame->session().commit(Changes::ofContent());
    frame->canvas()->view().zoom = 3.0;
    frame->SetStatusText("Something else", 0);
    const size_t pieces = layout().pieces.size();
    {
        DialogAnswerer answers({wxID_NO});
        gui::sendCommand(*frame, kCmdCloseLayout);
        EXPECT_EQ(answers.asked().size(), 1u);
    }
    EXPECT_TRUE(layout().pieces.empty());
    EXPECT_EQ(layout().nextId, 1);
    ASSERT_EQ(layout().levels.size(), 1u);
    EXPECT_EQ(layout().activeLevel, 1);
    EXPECT_FALSE(frame->session().modified());
    EXPECT_EQ(title(), "Layrail v1.3 by Brindlemoor");
    EXPECT_EQ(status(0), "Ready");
    EXPECT_EQ(status(1), "Pieces: 0");
    EXPECT_DOUBLE_EQ(frame->canvas()->view().zoom, 0.4);
    EXPECT_DOUBLE_EQ(frame->canvas()->view().panX, 60.0);

    ASSERT_TRUE(gui::toolEnabled(*frame, kCmdUndo));
    gui::clickTool(*frame, kCmdUndo);
    EXPECT_EQ(layout().pieces.size(), pieces);
    EXPECT_EQ(layout().levels.size(), 1u);
    EXPECT_TRUE(layout().baseboard.vertices.empty());
    EXPECT_TRUE(frame->session().modified());
    EXPECT_EQ(title(), "Layrail v1.3 by Brindlemoor *");
}

TEST_F(MainFrameTest, NewOnAnUnmodifiedLayoutAsksNothing)
{
    gui::buildOvalWithTurnout(layout());
    DialogAnswerer answers;
    gui::sendCommand(*frame, kCmdNewLayout);
    EXPECT_TRUE(answers.asked().empty());
    EXPECT_TRUE(layout().pieces.empty());
}

TEST_F(MainFrameTest, UndoAndRedoFollowTheHistoryStacks)
{
    EXPECT_FALSE(gui::toolEnabled(*frame, kCmdUndo));
    EXPECT_FALSE(gui::toolEnabled(*frame, kCmdRedo));
    EXPECT_FALSE(gui::menuItemEnabled(*frame, kCmdUndo));

    pushHistory(layout());
    gui::placePiece(layout(), "24188", 0, 0, 0);
    EXPECT_TRUE(gui::toolEnabled(*frame, kCmdUndo));
    EXPECT_TRUE(gui::menuItemEnabled(*frame, kCmdUndo));
    EXPECT_FALSE(gui::menuItemEnabled(*frame, kCmdRedo));

    gui::sendCommand(*frame, kCmdUndo);
    EXPECT_TRUE(layout().pieces.empty());
    EXPECT_EQ(status(1), "Pieces: 0");
    EXPECT_TRUE(frame->session().modified());
    EXPECT_FALSE(gui::toolEnabled(*frame, kCmdUndo));
    EXPECT_TRUE(gui::toolEnabled(*frame, kCmdRedo));
    EXPECT_TRUE(gui::menuItemEnabled(*frame, kCmdRedo));

    gui::sendCommand(*frame, kCmdRedo);
    EXPECT_EQ(layout().pieces.size(), 1u);
    EXPECT_EQ(status(1), "Pieces: 1");
    gui::sendCommand(*frame, kCmdUndo);
    pushHistory(layout());
    EXPECT_FALSE(gui::toolEnabled(*frame, kCmdRedo));
}

TEST_F(MainFrameTest, DeleteIsEnabledOnlyByASelectedPieceOrSceneryItem)
{
    const int piece = gui::placePiece(layout(), "24188", 0, 0, 0);
    SceneryItem tree;
    tree.id = layout().takeId();
    tree.item = "tree";
    layout().scenery.push_back(tree);
    LayoutLabel label;
    label.id = layout().takeId();
    label.selected = true;
    layout().labels.push_back(label);

    EXPECT_FALSE(gui::menuItemEnabled(*frame, kCmdDelete));
    layout().scenery[0].selected = true;
    EXPECT_TRUE(gui::menuItemEnabled(*frame, kCmdDelete));
    layout().scenery[0].selected = false;
    layout().findPiece(piece)->selected = true;
    EXPECT_TRUE(gui::menuItemEnabled(*frame, kCmdDelete));
}

TEST_F(MainFrameTest, DeleteRemovesTheSelectionAndMarksTheLayout)
{
    const int turnout = gui::buildOvalWithTurnout(layout());
    const int neighbour = layout().findPiece(turnout)->joints[1].target;
    layout().findPiece(turnout)->selected = true;
    const size_t pieces = layout().pieces.size();

    DialogAnswerer answers;
    gui::sendCommand(*frame, kCmdDelete);
    EXPECT_TRUE(answers.asked().empty());
    EXPECT_EQ(layout().pieces.size(), pieces - 1);
    EXPECT_TRUE(layout().findPiece(neighbour)->isOpen(0));
    EXPECT_TRUE(frame->session().modified());
    EXPECT_EQ(title(), "Layrail v1.3 by Brindlemoor *");
}

TEST_F(MainFrameTest, DeletingGradedTrackAsksFirst)
{
    const int piece = gui::placePiece(layout(), "24188", 0, 0, 0);
    layout().findPiece(piece)->selected = true;
    layout().findPiece(piece)->grade = 2.0;
    {
        DialogAnswerer answers({wxID_NO});
        gui::sendCommand(*frame, kCmdDelete);
        ASSERT_EQ(answers.asked().size(), 1u);
        EXPECT_EQ(answers.asked()[0].message, "Selection includes graded pieces. Delete?");
        EXPECT_EQ(answers.asked()[0].title, "Delete");
    }
    EXPECT_EQ(layout().pieces.size(), 1u);
    EXPECT_FALSE(frame->session().modified());
    EXPECT_FALSE(canUndo(layout()));
    {
        DialogAnswerer answers({wxID_YES});
        gui::sendCommand(*frame, kCmdDelete);
    }
    EXPECT_TRUE(layout().pieces.empty());
}

TEST_F(MainFrameTest, SelectAllMarksPiecesAndSceneryOnly)
{
    gui::buildOvalWithTurnout(layout());
    layout().scenery.push_back(SceneryItem{});
    layout().scenery.back().id = layout().takeId();
    layout().labels.push_back(LayoutLabel{});
    layout().labels.back().id = layout().takeId();
    gui::sendCommand(*frame, kCmdSelectAll);
    for (const PlacedPiece& piece : layout().pieces)
        EXPECT_TRUE(piece.selected);
    EXPECT_TRUE(layout().scenery[0].selected);
    EXPECT_FALSE(layout().labels[0].selected);
    EXPECT_FALSE(frame->session().modified());
}

TEST_F(MainFrameTest, MeasureAndPolygonExcludeEachOther)
{
    CanvasPanel& canvas = *frame->canvas();
    const int piece = gui::placePiece(layout(), "24188", 0, 0, 0);
    layout().findPiece(piece)->selected = true;
    EXPECT_FALSE(canvas.GetCursor().IsOk());

    gui::clickTool(*frame, kCmdMeasure);
    EXPECT_EQ(canvas.toolMode(), ToolMode::Measure);
    EXPECT_TRUE(tools().GetToolState(kCmdMeasure));
    EXPECT_FALSE(layout().findPiece(piece)->selected);
    EXPECT_TRUE(canvas.GetCursor().IsOk());

    gui::clickTool(*frame, kCmdPolygon);
    EXPECT_EQ(canvas.toolMode(), ToolMode::Polygon);
    EXPECT_TRUE(tools().GetToolState(kCmdPolygon));
    EXPECT_FALSE(tools().GetToolState(kCmdMeasure));
    EXPECT_TRUE(canvas.GetCursor().IsOk());

    gui::clickTool(*frame, kCmdMeasure);
    EXPECT_EQ(canvas.toolMode(), ToolMode::Measure);
    EXPECT_FALSE(tools().GetToolState(kCmdPolygon));

    gui::clickTool(*frame, kCmdMeasure);
    EXPECT_EQ(canvas.toolMode(), ToolMode::None);
    EXPECT_FALSE(tools().GetToolState(kCmdMeasure));
    EXPECT_FALSE(canvas.GetCursor().IsOk());
}

TEST_F(MainFrameTest, EndingAToolReleasesBothTools)
{
    gui::clickTool(*frame, kCmdPolygon);
    gui::keyDown(*frame->canvas(), WXK_ESCAPE);
    EXPECT_EQ(frame->canvas()->toolMode(), ToolMode::None);
    EXPECT_FALSE(tools().GetToolState(kCmdPolygon));
    EXPECT_FALSE(frame->canvas()->GetCursor().IsOk());
}

TEST_F(MainFrameTest, HideLabelsToolRelabelsItselfAndSwitchesLabels)
{
    gui::clickTool(*frame, kCmdHideLabels);
    EXPECT_FALSE(layout().labelsOn);
    EXPECT_EQ(tools().FindById(kCmdHideLabels)->GetLabel(), "Show Labels");
    EXPECT_TRUE(tools().GetToolState(kCmdHideLabels));

    gui::clickTool(*frame, kCmdHideLabels);
    EXPECT_TRUE(layout().labelsOn);
    EXPECT_EQ(tools().FindById(kCmdHideLabels)->GetLabel(), "Hide Labels");
}

TEST_F(MainFrameTest, UnitsGridAndSnapFollowTheirMenuItems)
{
    // The view switches are not saved with the layout: they leave it unmodified.
    gui::sendCommand(*frame, kCmdShowGrid, false);
    EXPECT_FALSE(layout().gridOn);
    gui::sendCommand(*frame, kCmdShowGrid, true);
    EXPECT_TRUE(layout().gridOn);
    gui::sendCommand(*frame, kCmdSnap, false);
    EXPECT_FALSE(layout().snapOn);
    EXPECT_FALSE(frame->session().modified());

    // The unit is saved with the layout: changing it is an unsaved change.
    gui::sendCommand(*frame, kCmdUnitsCentimetres, true);
    EXPECT_EQ(layout().units, LengthUnit::Centimetres);
    EXPECT_TRUE(frame->session().modified());
    gui::sendCommand(*frame, kCmdUnitsInches, true);
    EXPECT_EQ(layout().units, LengthUnit::Inches);
    gui::sendCommand(*frame, kCmdUnitsMillimetres, true);
    EXPECT_EQ(layout().units, LengthUnit::Millimetres);
}

TEST_F(MainFrameTest, ZoomCommandsScaleAboutTheCanvasCentreWithinLimits)
{
    CanvasPanel& canvas = *frame->canvas();
    const wxSize size = canvas.GetClientSize();
    const double cx = size.x / 2, cy = size.y / 2;
    const double worldX = canvas.view().toWorldX(cx), worldY = canvas.view().toWorldY(cy);

    gui::sendCommand(*frame, kCmdZoomIn);
    EXPECT_NEAR(canvas.view().zoom, 0.5, 1e-12);
    EXPECT_NEAR(canvas.view().toWorldX(cx), worldX, 1e-9);
    EXPECT_NEAR(canvas.view().toWorldY(cy), worldY, 1e-9);
    gui::sendCommand(*frame, kCmdZoomOut);
    EXPECT_NEAR(canvas.view().zoom, 0.4, 1e-12);

    for (int i = 0; i < 40; ++i)
        gui::sendCommand(*frame, kCmdZoomIn);
    EXPECT_DOUBLE_EQ(canvas.view().zoom, 20.0);
    for (int i = 0; i < 40; ++i)
        gui::sendCommand(*frame, kCmdZoomOut);
    EXPECT_DOUBLE_EQ(canvas.view().zoom, 0.3);
}

TEST_F(MainFrameTest, FitFramesTheLayoutInsideTheMargin)
{
    gui::buildOvalWithTurnout(layout());
    gui::clickTool(*frame, kCmdZoomFit);
    const CanvasView& view = frame->canvas()->view();
    const wxSize size = frame->canvas()->GetClientSize();
    for (const PlacedPiece& piece : layout().pieces) {
        EXPECT_GE(view.toScreenX(piece.x), 79);
        EXPECT_LE(view.toScreenX(piece.x), size.x - 79);
        EXPECT_GE(view.toScreenY(piece.y), 79);
        EXPECT_LE(view.toScreenY(piece.y), size.y - 79);
    }
}

TEST_F(MainFrameTest, HelpCommandOpensTheHelpWindowModally)
{
    DialogAnswerer answers({5100});
    gui::sendCommand(*frame, kCmdHelp);
    ASSERT_EQ(answers.asked().size(), 1u);
    EXPECT_EQ(answers.asked()[0].title, "Layrail v1.3 Help");
}

TEST_F(MainFrameTest, CloseAnsweredCancelKeepsTheWindowAndNoClosesIt)
{
    frame->session().commit(Changes::ofContent());
    {
        DialogAnswerer answers({wxID_CANCEL});
        frame->Close();
        EXPECT_EQ(answers.asked().size(), 1u);
    }
    gui::pumpEvents();
    EXPECT_FALSE(frame->IsBeingDeleted());
    EXPECT_TRUE(frame->IsShown());

    bool gone = false;
    frame->Bind(wxEVT_DESTROY, [&](wxWindowDestroyEvent& event) {
        if (event.GetEventObject() == frame)
            gone = true;
        event.Skip();
    });
    {
        DialogAnswerer answers({wxID_NO});
        gui::sendCommand(*frame, kCmdExit);
        EXPECT_EQ(answers.asked().size(), 1u);
    }
    gui::pumpEvents();
    EXPECT_TRUE(gone);
    frame = nullptr;
}

} // namespace
} // namespace layrail
