#include "app/ui/MainFrame.h"

#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>
#include <wx/printdlg.h>
#include <wx/sizer.h>
#include <wx/splitter.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "app/CommandIds.h"
#include "app/WindowTitle.h"
#include "app/ui/HelpWindow.h"
#include "app/ui/Logs.h"
#include "canvas/ui/CanvasPanel.h"
#include "document/History.h"
#include "document/NewLayout.h"
#include "document/SelectionFlags.h"
#include "panels/ui/PalettePanel.h"
#include "panels/ui/PropertiesPanel.h"

namespace layrail {

namespace {

constexpr double kZoomInFactor = 1.25;
constexpr double kZoomOutFactor = 0.8;
constexpr int kPageMarginMm = 15;

constexpr long kSplitterStyle = wxSP_3DSASH | wxSP_LIVE_UPDATE | wxNO_BORDER;
constexpr int kPaletteWidth = 235;
constexpr int kPaletteMinWidth = 150;
constexpr int kPropertiesWidth = 280;
constexpr int kInnerMinPane = 200;

const char* const kHideLabels = "Hide Labels";
const char* const kShowLabels = "Show Labels";

} // namespace

MainFrame::MainFrame()
    : wxFrame(nullptr, wxID_ANY, kBaseTitle, wxDefaultPosition, wxSize(1400, 900), wxDEFAULT_FRAME_STYLE)
{
    traceStartup("A: wxFrame base constructed");

    printData_.SetPaperId(wxPAPER_LETTER);
    printData_.SetOrientation(wxLANDSCAPE);
    pageSetupData_ = wxPageSetupDialogData(printData_);
    pageSetupData_.SetMarginTopLeft(wxPoint(kPageMarginMm, kPageMarginMm));
    pageSetupData_.SetMarginBottomRight(wxPoint(kPageMarginMm, kPageMarginMm));

    buildMenuBar();
    traceStartup("B: MenuBar done");
    buildToolBar();
    traceStartup("C: ToolBar done");
    buildPanels();
    traceStartup("D: Panels done");
    buildStatusBar();
    traceStartup("E: StatusBar done");

    bindCommands();
    Centre(wxBOTH);
    traceStartup("F: MainFrame constructor complete");
}

void MainFrame::buildMenuBar()
{
    auto* file = new wxMenu;
    file->Append(kCmdNewLayout, "&New Layout\tCtrl+N", "");
    file->Append(kCmdOpenLayout, "&Open Layout...\tCtrl+O", "");
    file->AppendSeparator();
    file->Append(kCmdSave, "&Save\tCtrl+S", "");
    file->Append(kCmdSaveAs, "Save &As...\tCtrl+Shift+S", "");
    file->AppendSeparator();
    file->Append(kCmdImportLayout, "&Import Layout...", "");
    file->Append(kCmdExportLayout, "&Export Layout...", "");
    file->AppendSeparator();
    file->Append(kCmdCloseLayout, "&Close Layout\tCtrl+W", "");
    file->AppendSeparator();
    file->Append(kCmdPageSetup, "Page Set&up...", "");
    file->Append(kCmdPrintPreview, "Print Pre&view...", "");
    file->Append(kCmdPrint, "&Print...\tCtrl+P", "");
    file->AppendSeparator();
    file->Append(kCmdSaveLibraryBlock, "Save as &Library Block...", "");
    file->AppendSeparator();
    file->Append(kCmdExit, "E&xit", "");

    auto* edit = new wxMenu;
    edit->Append(kCmdUndo, "&Undo\tCtrl+Z", "");
    edit->Append(kCmdRedo, "&Redo\tCtrl+Y", "");
    edit->AppendSeparator();
    edit->Append(kCmdDelete, "&Delete\tDel", "");
    edit->Append(kCmdSelectAll, "Select &All\tCtrl+A", "");

    auto* view = new wxMenu;
    view->Append(kCmdZoomIn, "Zoom &In\t+", "");
    view->Append(kCmdZoomOut, "Zoom &Out\t-", "");
    view->Append(kCmdZoomFit, "Zoom to &Fit\tCtrl+0", "");
    view->AppendSeparator();
    view->AppendCheckItem(kCmdShowGrid, "Show &Grid\tCtrl+G", "")->Check(true);
    view->AppendCheckItem(kCmdSnap, "&Snap\tCtrl+Shift+G", "")->Check(true);

    auto* units = new wxMenu;
    units->AppendRadioItem(kCmdUnitsMillimetres, "Millimetres (mm)", "")->Check(true);
    units->AppendRadioItem(kCmdUnitsCentimetres, "Centimetres (cm)", "");
    units->AppendRadioItem(kCmdUnitsInches, "Inches (in)", "");
    auto* layoutMenu = new wxMenu;
    layoutMenu->AppendSubMenu(units, "Units of Measure", "");
    layoutMenu->AppendSeparator();
    layoutMenu->Append(kCmdLayoutShape, "Layout &Shape...", "");

    auto* help = new wxMenu;
    help->Append(kCmdHelp, "&Help\tF1", "");

    auto* bar = new wxMenuBar;
    bar->Append(file, "&File");
    bar->Append(edit, "&Edit");
    bar->Append(view, "&View");
    bar->Append(layoutMenu, "&Layout");
    bar->Append(help, "&Help");
    SetMenuBar(bar);
}

void MainFrame::buildToolBar()
{
    wxToolBar* tools = CreateToolBar(wxTB_HORIZONTAL | wxTB_TEXT | wxTB_NOICONS, wxID_ANY);
    tools->AddTool(kCmdUndo, "Undo", wxNullBitmap, "", wxITEM_NORMAL);
    tools->AddTool(kCmdRedo, "Redo", wxNullBitmap, "", wxITEM_NORMAL);
    tools->AddTool(kCmdLevels, "Levels", wxNullBitmap, "Manage layout levels (decks): height, color, and shape",
                   wxITEM_NORMAL);
    tools->AddTool(kCmd3DView, "3D View", wxNullBitmap, "", wxITEM_NORMAL);
    tools->AddTool(kCmdZoomFit, "Fit", wxNullBitmap, "", wxITEM_NORMAL);
    tools->AddTool(kCmdHideLabels, kHideLabels, wxNullBitmap, "Toggle track labels and join dots", wxITEM_CHECK);
    tools->AddTool(kCmdTunnel, "Tunnel", wxNullBitmap,
                   "Place tunnel portals on the selected chain (or remove if already in a tunnel)", wxITEM_NORMAL);
    tools->AddTool(kCmdMeasure, "Measure", wxNullBitmap,
                   "Measuring tape: click two points on the canvas to lay down a length annotation", wxITEM_CHECK);
    tools->AddTool(kCmdPolygon, "Polygon", wxNullBitmap,
                   "Draw a free-form polygon (access hatch, river, mountain, etc.)", wxITEM_CHECK);
    tools->Realize();
    tools->EnableTool(kCmdTunnel, false);
}

void MainFrame::buildPanels()
{
    traceStartup("BuildPanels: start");
    auto* root = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER);
    auto* rootSizer = new wxBoxSizer(wxHORIZONTAL);
    traceStartup("BuildPanels: root panel created");

    auto* outerSplit = new wxSplitterWindow(root, wxID_ANY, wxDefaultPosition, wxDefaultSize, kSplitterStyle,
                                            "splitter");
    outerSplit->SetSashGravity(0.0);
    palette_ = new PalettePanel(outerSplit, *this);
    palette_->SetMinSize(wxSize(kPaletteMinWidth, -1));
    traceStartup("BuildPanels: palette created");

    auto* innerSplit = new wxSplitterWindow(outerSplit, wxID_ANY, wxDefaultPosition, wxDefaultSize, kSplitterStyle,
                                            "splitter");
    innerSplit->SetSashGravity(1.0);
    traceStartup("BuildPanels: splitter created");
    canvas_ = new CanvasPanel(innerSplit, *this);
    traceStartup("BuildPanels: canvas created");
    properties_ = new PropertiesPanel(innerSplit, *this);
    traceStartup("BuildPanels: properties created");

    innerSplit->SplitVertically(canvas_, properties_, -kPropertiesWidth);
    innerSplit->SetMinimumPaneSize(kInnerMinPane);
    outerSplit->SplitVertically(palette_, innerSplit, kPaletteWidth);
    outerSplit->SetMinimumPaneSize(kPaletteMinWidth);
    traceStartup("BuildPanels: split done");

    traceStartup("BuildPanels: adding to sizer");
    rootSizer->Add(outerSplit, 1, wxEXPAND, 0);
    traceStartup("BuildPanels: outerSplit added");
    root->SetSizer(rootSizer);
    traceStartup("BuildPanels: sizer set");
    Layout();
    traceStartup("BuildPanels: layout done");
    palette_->populate();
    traceStartup("BuildPanels: palette populated");
    updateTitle();
}

void MainFrame::buildStatusBar()
{
    CreateStatusBar(3);
    SetStatusText("Ready", 0);
    SetStatusText("Pieces: 0", 1);
    SetStatusText("x: 0  y: 0 mm", 2);
}

void MainFrame::bindCommands()
{
    Bind(wxEVT_MENU, &MainFrame::onNewLayout, this, kCmdNewLayout);
    Bind(wxEVT_MENU, &MainFrame::onNewLayout, this, kCmdCloseLayout);
    Bind(wxEVT_MENU, &MainFrame::onExit, this, kCmdExit);
    Bind(wxEVT_MENU, &MainFrame::onPageSetup, this, kCmdPageSetup);
    Bind(wxEVT_MENU, &MainFrame::onUndo, this, kCmdUndo);
    Bind(wxEVT_MENU, &MainFrame::onRedo, this, kCmdRedo);
    Bind(wxEVT_MENU, &MainFrame::onDelete, this, kCmdDelete);
    Bind(wxEVT_MENU, &MainFrame::onSelectAll, this, kCmdSelectAll);
    Bind(wxEVT_MENU, &MainFrame::onZoomIn, this, kCmdZoomIn);
    Bind(wxEVT_MENU, &MainFrame::onZoomOut, this, kCmdZoomOut);
    Bind(wxEVT_MENU, &MainFrame::onZoomFit, this, kCmdZoomFit);
    Bind(wxEVT_MENU, &MainFrame::onShowGrid, this, kCmdShowGrid);
    Bind(wxEVT_MENU, &MainFrame::onSnap, this, kCmdSnap);
    Bind(wxEVT_MENU, &MainFrame::onHideLabels, this, kCmdHideLabels);
    Bind(wxEVT_MENU, &MainFrame::onMeasure, this, kCmdMeasure);
    Bind(wxEVT_MENU, &MainFrame::onPolygon, this, kCmdPolygon);
    Bind(wxEVT_MENU, &MainFrame::onUnits, this, kCmdUnitsMillimetres, kCmdUnitsInches);
    Bind(wxEVT_MENU, &MainFrame::onHelp, this, kCmdHelp);
    Bind(wxEVT_MENU, &MainFrame::onOpenLayout, this, kCmdOpenLayout);
    Bind(wxEVT_MENU, &MainFrame::onSave, this, kCmdSave);
    Bind(wxEVT_MENU, &MainFrame::onSaveAs, this, kCmdSaveAs);
    Bind(wxEVT_MENU, &MainFrame::onImportLayout, this, kCmdImportLayout);
    Bind(wxEVT_MENU, &MainFrame::onExportLayout, this, kCmdExportLayout);
    Bind(wxEVT_MENU, &MainFrame::onSaveLibraryBlock, this, kCmdSaveLibraryBlock);
    Bind(wxEVT_UPDATE_UI, &MainFrame::onUpdateUI, this);
    Bind(wxEVT_CLOSE_WINDOW, &MainFrame::onClose, this);
}

void MainFrame::markModified()
{
    modified_ = true;
    updateTitle();
    refreshTally();
}

void MainFrame::refreshViews() { canvas_->Refresh(); }

void MainFrame::refreshTally() { properties_->refreshTally(); }

void MainFrame::updateTitle() { SetTitle(wxString::FromUTF8(windowTitle(layoutName_, currentFile_, modified_))); }

void MainFrame::endToolMode()
{
    canvas_->setToolMode(ToolMode::None);
    GetToolBar()->ToggleTool(kCmdMeasure, false);
    GetToolBar()->ToggleTool(kCmdPolygon, false);
    canvas_->Refresh();
}

bool MainFrame::confirmUnsavedChanges()
{
    if (!modified_)
        return true;
    const int answer = wxMessageBox("You have unsaved changes. Save before continuing?", "Unsaved Changes",
                                    wxYES_NO | wxCANCEL | wxICON_QUESTION, this);
    if (answer == wxYES)
        return saveLayout(false);
    return answer == wxNO;
}

void MainFrame::onNewLayout(wxCommandEvent&)
{
    if (!confirmUnsavedChanges())
        return;
    startNewLayout(layout_);
    currentFile_.clear();
    layoutName_.clear();
    modified_ = false;
    updateTitle();
    canvas_->resetView();
    SetStatusText("Ready", 0);
    SetStatusText("Pieces: 0", 1);
    properties_->refreshSelection();
    refreshTally();
}

void MainFrame::onExit(wxCommandEvent&) { Close(false); }

void MainFrame::onClose(wxCloseEvent& event)
{
    if (event.CanVeto() && !confirmUnsavedChanges()) {
        event.Veto();
        return;
    }
    Destroy();
}

void MainFrame::onPageSetup(wxCommandEvent&)
{
    pageSetupData_.SetPrintData(printData_);
    wxPageSetupDialog dialog(this, &pageSetupData_);
    if (dialog.ShowModal() != wxID_OK)
        return;
    pageSetupData_ = dialog.GetPageSetupDialogData();
    printData_ = pageSetupData_.GetPrintData();
}

void MainFrame::afterHistoryStep()
{
    canvas_->Refresh();
    properties_->refreshSelection();
    markModified();
}

void MainFrame::onUndo(wxCommandEvent&)
{
    if (undo(layout_))
        afterHistoryStep();
}

void MainFrame::onRedo(wxCommandEvent&)
{
    if (redo(layout_))
        afterHistoryStep();
}

// The canvas's Delete key and this command share one delete, with its locks and question.
void MainFrame::onDelete(wxCommandEvent&) { canvas_->deleteSelection(); }

void MainFrame::onSelectAll(wxCommandEvent&)
{
    selectAllPiecesAndScenery(layout_);
    canvas_->Refresh();
    properties_->refreshSelection();
    refreshTally();
}

void MainFrame::onZoomIn(wxCommandEvent&) { canvas_->zoomCentre(kZoomInFactor); }

void MainFrame::onZoomOut(wxCommandEvent&) { canvas_->zoomCentre(kZoomOutFactor); }

void MainFrame::onZoomFit(wxCommandEvent&) { canvas_->zoomToFit(false); }

void MainFrame::onShowGrid(wxCommandEvent& event)
{
    layout_.gridOn = event.IsChecked();
    canvas_->Refresh();
}

void MainFrame::onSnap(wxCommandEvent& event) { layout_.snapOn = event.IsChecked(); }

void MainFrame::onHideLabels(wxCommandEvent& event)
{
    layout_.labelsOn = !event.IsChecked();
    wxToolBar* tools = GetToolBar();
    tools->FindById(kCmdHideLabels)->SetLabel(layout_.labelsOn ? kHideLabels : kShowLabels);
    tools->Realize();
    canvas_->Refresh();
}

void MainFrame::toggleDrawingTool(bool checked, ToolMode mode, int otherTool)
{
    if (checked) {
        canvas_->setToolMode(mode);
        deselectAll(layout_);
        properties_->refreshSelection();
        GetToolBar()->ToggleTool(otherTool, false);
    } else {
        canvas_->setToolMode(ToolMode::None);
    }
    canvas_->Refresh();
}

void MainFrame::onMeasure(wxCommandEvent& event) { toggleDrawingTool(event.IsChecked(), ToolMode::Measure, kCmdPolygon); }

void MainFrame::onPolygon(wxCommandEvent& event) { toggleDrawingTool(event.IsChecked(), ToolMode::Polygon, kCmdMeasure); }

void MainFrame::onUnits(wxCommandEvent& event)
{
    switch (event.GetId()) {
    case kCmdUnitsCentimetres:
        layout_.units = LengthUnit::Centimetres;
        break;
    case kCmdUnitsInches:
        layout_.units = LengthUnit::Inches;
        break;
    default:
        layout_.units = LengthUnit::Millimetres;
        break;
    }
    canvas_->Refresh();
    properties_->refreshSelection();
}

void MainFrame::onHelp(wxCommandEvent&) { showHelpWindow(this); }

void MainFrame::onUpdateUI(wxUpdateUIEvent& event)
{
    switch (event.GetId()) {
    case kCmdUndo:
        event.Enable(canUndo(layout_));
        break;
    case kCmdRedo:
        event.Enable(canRedo(layout_));
        break;
    case kCmdDelete:
        event.Enable(anyPieceOrScenerySelected(layout_));
        break;
    default:
        event.Skip();
        break;
    }
}

} // namespace layrail
