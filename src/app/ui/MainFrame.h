#pragma once

#include <memory>
#include <string>

#include <wx/cmndata.h>
#include <wx/frame.h>

#include "app/ui/CommandTable.h"
#include "app/ui/DataFolders.h"
#include "canvas/CanvasHost.h"
#include "document/Session.h"
#include "print/PrintOptions.h"

namespace layrail {

class CanvasPanel;
class PalettePanel;
class PropertiesPanel;
class RecoveryKeeper;
class View3DFrame;
struct BuyTrackSetup;

// The one top-level window: owns the session, builds its menus and toolbar from the command table,
// lays out the three panes and the status bar, and hands every command to its handler. The title
// and the status bar follow the session as listeners; the panes listen for themselves.
class MainFrame : public wxFrame, public CanvasHost {
public:
    MainFrame();
    ~MainFrame() override;

    Session& session() { return session_; }
    const Session& session() const { return session_; }
    layrail::Layout& layout() { return session_.layout(); }
    const layrail::Layout& layout() const { return session_.layout(); }

    CanvasPanel* canvas() const { return canvas_; }
    PalettePanel* palette() const { return palette_; }
    PropertiesPanel* properties() const { return properties_; }
    // What the command handlers work with.
    CommandContext& commands() { return *commands_; }

    // Layouts live here by name; library blocks in a folder per track system below it.
    const std::string& layoutsFolder() const { return layoutsFolder_; }
    void setLayoutsFolder(const std::string& folder);

    wxPrintData& printData() { return printData_; }
    wxPageSetupDialogData& pageSetupData() { return pageSetupData_; }
    // How the layout is printed, kept for the run.
    PrintOptions& printOptions() { return printOptions_; }

    // Brings menu items and tools in line with the command table's rules.
    void updateCommandStates();

    // The "3D View" command: opens the 3D window on the layout, or rebuilds and raises the open one.
    void show3DView();
    // The open 3D window, or null.
    View3DFrame* view3D() const { return view3D_; }

    // Keeps a recovery copy of unsaved changes below the user's data folder from now on.
    void keepRecoveryCopies(const std::string& userDataFolder);
    // The recovery keeper, or null before keepRecoveryCopies.
    RecoveryKeeper* recovery() const { return recovery_.get(); }

    // CanvasHost
    void setStatusText(StatusField field, const std::string& text) override;
    std::string statusText(StatusField field) const override;
    void toolEnded() override;
    void labelPointChosen() override;
    void logLine(const std::string& line) override;

private:
    void buildToolBar();
    void buildPanels();
    // Where the properties panel finds the store table, and the About dialog's link and picture.
    BuyTrackSetup buyTrackSetup() const;
    void buildStatusBar();
    void bindCommands();

    void onCommand(wxCommandEvent& event);
    void onUpdateUI(wxUpdateUIEvent& event);
    void onClose(wxCloseEvent& event);
    void onCharHook(wxKeyEvent& event);
    void onSessionChanged(const Changes& changes);

    Session session_;
    wxWindow* panes_ = nullptr; // the root panel holding the splitters and the three panes
    PalettePanel* palette_ = nullptr;
    CanvasPanel* canvas_ = nullptr;
    PropertiesPanel* properties_ = nullptr;
    std::unique_ptr<CommandContext> commands_;
    Session::Subscription subscription_;
    View3DFrame* view3D_ = nullptr;
    std::unique_ptr<RecoveryKeeper> recovery_;

    std::string layoutsFolder_ = defaultLayoutsFolder();
    wxPrintData printData_;
    wxPageSetupDialogData pageSetupData_;
    PrintOptions printOptions_;
};

} // namespace layrail
