#include "app/ui/MainFrame.h"

#include <exception>

#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/splitter.h>
#include <wx/statusbr.h>
#include <wx/textentry.h>
#include <wx/toolbar.h>

#include "app/CommandIds.h"
#include "app/MakerSite.h"
#include "app/WindowTitle.h"
#include "app/ui/EmbeddedImages.h"
#include "app/ui/FileCommands.h"
#include "app/ui/Logs.h"
#include "app/ui/RecoveryKeeper.h"
#include "canvas/ui/CanvasPanel.h"
#include "document/Joints.h"
#include "panels/ui/PalettePanel.h"
#include "panels/ui/PropertiesPanel.h"
#include "view3d/ui/View3DFrame.h"

namespace layrail {

namespace {

constexpr int kPageMarginMm = 15;

constexpr long kSplitterStyle = wxSP_3DSASH | wxSP_LIVE_UPDATE | wxNO_BORDER;
constexpr int kPaletteWidth = 235;
constexpr int kPaletteMinWidth = 150;
constexpr int kPropertiesWidth = 280;
constexpr int kInnerMinPane = 200;

// The View menu's "+" and "-", from the main keyboard or the keypad; 0 for any other key.
int zoomKeyCommand(const wxKeyEvent& event)
{
    if (event.ControlDown() || event.AltDown() || event.MetaDown())
        return 0;
    const int code = event.GetKeyCode();
    const wxChar typed = event.GetUnicodeKey();
    if (code == '+' || code == '=' || code == WXK_NUMPAD_ADD || typed == '+')
        return kCmdZoomIn;
    if (code == '-' || code == WXK_NUMPAD_SUBTRACT || typed == '-')
        return kCmdZoomOut;
    return 0;
}

} // namespace

MainFrame::MainFrame()
    : wxFrame(nullptr, wxID_ANY, kBaseTitle, wxDefaultPosition, wxSize(1400, 900), wxDEFAULT_FRAME_STYLE)
{
    traceStartup("A: wxFrame base constructed");
    SetIcons(programIcons());

    printData_.SetPaperId(wxPAPER_LETTER);
    printData_.SetOrientation(wxLANDSCAPE);
    pageSetupData_ = wxPageSetupDialogData(printData_);
    pageSetupData_.SetMarginTopLeft(wxPoint(kPageMarginMm, kPageMarginMm));
    pageSetupData_.SetMarginBottomRight(wxPoint(kPageMarginMm, kPageMarginMm));

    SetMenuBar(buildMenuBar(commandTable()));
    traceStartup("B: MenuBar done");
    buildToolBar();
    traceStartup("C: ToolBar done");
    buildPanels();
    traceStartup("D: Panels done");
    buildStatusBar();
    traceStartup("E: StatusBar done");

    subscription_ = session_.subscribe([this](const Changes& changes) { onSessionChanged(changes); });
    bindCommands();
    Centre(wxBOTH);
    traceStartup("F: MainFrame constructor complete");
}

MainFrame::~MainFrame()
{
    // The recovery keeper, the 3D view and the panes listen to the session or read its layout:
    // they go while it is still there.
    recovery_.reset();
    subscription_.reset();
    if (view3D_ != nullptr)
        view3D_->Destroy();
    if (panes_ != nullptr)
        panes_->Destroy();
}

void MainFrame::buildToolBar()
{
    wxToolBar* tools = CreateToolBar(wxTB_HORIZONTAL | wxTB_TEXT | wxTB_NOICONS, wxID_ANY);
    fillToolBar(*tools, commandTable(), toolbarOrder());
}

void MainFrame::buildPanels()
{
    traceStartup("BuildPanels: start");
    auto* root = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER);
    panes_ = root;
    auto* rootSizer = new wxBoxSizer(wxHORIZONTAL);
    traceStartup("BuildPanels: root panel created");

    auto* outerSplit =
        new wxSplitterWindow(root, wxID_ANY, wxDefaultPosition, wxDefaultSize, kSplitterStyle, "splitter");
    outerSplit->SetSashGravity(0.0);
    palette_ = new PalettePanel(outerSplit, session_, layoutsFolder_);
    palette_->SetMinSize(wxSize(kPaletteMinWidth, -1));
    traceStartup("BuildPanels: palette created");

    auto* innerSplit =
        new wxSplitterWindow(outerSplit, wxID_ANY, wxDefaultPosition, wxDefaultSize, kSplitterStyle, "splitter");
    innerSplit->SetSashGravity(1.0);
    traceStartup("BuildPanels: splitter created");
    canvas_ = new CanvasPanel(innerSplit, session_, *this);
    palette_->setCanvas(*canvas_);
    traceStartup("BuildPanels: canvas created");
    properties_ = new PropertiesPanel(innerSplit, session_, *this, buyTrackSetup());
    properties_->setCanvas(*canvas_);
    traceStartup("BuildPanels: properties created");
    commands_.reset(new CommandContext{*this, session_, *canvas_, *palette_, *properties_});

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
    SetTitle(wxString::FromUTF8(windowTitle(session_.name(), session_.path(), session_.modified())));
}

BuyTrackSetup MainFrame::buyTrackSetup() const
{
    BuyTrackSetup setup;
    setup.storeFolders = storeTableFolders(userDataFolder(), dataFilesFolder());
    setup.fallbackHome = kMakerSiteUrl;
    setup.picture = [] { return loadEmbeddedImage(kCornerImage); };
    return setup;
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
    for (const Command& command : commandTable())
        Bind(wxEVT_MENU, &MainFrame::onCommand, this, command.id);
    Bind(wxEVT_UPDATE_UI, &MainFrame::onUpdateUI, this);
    Bind(wxEVT_CLOSE_WINDOW, &MainFrame::onClose, this);
    Bind(wxEVT_CHAR_HOOK, &MainFrame::onCharHook, this);
}

void MainFrame::onCharHook(wxKeyEvent& event)
{
    // Lists would take "+" for a type-ahead search; text fields keep their minus sign, and the
    // 3D view, a window of its own, its keys.
    const int command = zoomKeyCommand(event);
    wxWindow* focus = wxWindow::FindFocus();
    if (command == 0 || focus == nullptr || wxGetTopLevelParent(focus) != this ||
        dynamic_cast<wxTextEntry*>(focus) != nullptr) {
        event.Skip();
        return;
    }
    wxCommandEvent zoom(wxEVT_MENU, command);
    zoom.SetEventObject(this);
    ProcessWindowEvent(zoom);
}

void MainFrame::onCommand(wxCommandEvent& event)
{
    const Command* command = findCommand(event.GetId());
    if (command == nullptr || command->handler == nullptr)
        return;
    try {
        if (command->endsDrags)
            canvas_->finishDrags();
        command->handler(*commands_, CommandCall{event.GetId(), event.IsChecked()});
    } catch (const std::exception& failure) {
        logLine(std::string("Command ") + std::to_string(event.GetId()) + ": " + failure.what());
    } catch (...) {
        logLine(std::string("Command ") + std::to_string(event.GetId()) + ": unknown failure");
    }
    updateCommandStates();
}

void MainFrame::onUpdateUI(wxUpdateUIEvent& event)
{
    const Command* command = findCommand(event.GetId());
    if (command == nullptr || !commands_ ||
        (command->enabled == nullptr && command->checked == nullptr && command->toolLabelRule == nullptr)) {
        event.Skip();
        return;
    }
    if (command->enabled != nullptr)
        event.Enable(command->enabled(*commands_));
    if (command->checked != nullptr) {
        const bool checked = command->checked(*commands_);
        // A radio item is unchecked only by checking another of its group.
        if (checked || command->kind != CommandKind::Radio)
            event.Check(checked);
    }
    if (relabelTool(*command, *commands_, GetToolBar()))
        GetToolBar()->Realize();
}

void MainFrame::updateCommandStates()
{
    if (commands_)
        applyCommandRules(commandTable(), *commands_, GetMenuBar(), GetToolBar());
}

void MainFrame::onSessionChanged(const Changes& changes)
{
    if (changes.file)
        SetTitle(wxString::FromUTF8(windowTitle(session_.name(), session_.path(), session_.modified())));
    if (changes.content)
        SetStatusText(wxString::FromUTF8(piecesStatus(session_.layout())), static_cast<int>(StatusField::Pieces));
    if (view3D_ != nullptr && (changes.content || changes.levels))
        view3D_->markStale();
    updateCommandStates();
}

void MainFrame::show3DView()
{
    if (view3D_ != nullptr) {
        view3D_->rebuildAndRaise();
        return;
    }
    view3D_ = new View3DFrame(this, [this]() -> const layrail::Layout& { return session_.layout(); });
    view3D_->setClosedHandler([this] { view3D_ = nullptr; });
}

void MainFrame::keepRecoveryCopies(const std::string& userDataFolder)
{
    recovery_ = std::make_unique<RecoveryKeeper>(session_, userDataFolder,
                                                 [this](const std::string& line) { logLine(line); });
}

void MainFrame::setLayoutsFolder(const std::string& folder)
{
    layoutsFolder_ = folder;
    palette_->setLayoutsFolder(folder);
}

void MainFrame::onClose(wxCloseEvent& event)
{
    if (event.CanVeto() && !confirmUnsavedChanges(*commands_)) {
        event.Veto();
        return;
    }
    // Made to close without asking (the session ends): the unsaved changes wait for the next start.
    if (!event.CanVeto() && recovery_)
        recovery_->keepForNextStart();
    Destroy();
}

void MainFrame::setStatusText(StatusField field, const std::string& text)
{
    SetStatusText(wxString::FromUTF8(text), static_cast<int>(field));
}

std::string MainFrame::statusText(StatusField field) const
{
    const wxStatusBar* status = GetStatusBar();
    return status == nullptr ? std::string() : status->GetStatusText(static_cast<int>(field)).utf8_string();
}

void MainFrame::toolEnded() { updateCommandStates(); }

void MainFrame::labelPointChosen() { properties_->focusLabelBox(); }

void MainFrame::logLine(const std::string& line) { layrail::logLine(wxString::FromUTF8(line)); }

} // namespace layrail
