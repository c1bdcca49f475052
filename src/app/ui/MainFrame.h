#pragma once

#include <string>

#include <wx/cmndata.h>
#include <wx/frame.h>

#include "app/ui/DataFolders.h"
#include "canvas/ToolMode.h"
#include "document/Layout.h"

namespace layrail {

class CanvasPanel;
class PalettePanel;
class PropertiesPanel;

// The one top-level window: owns the layout, the menus, the toolbar, the three panes and the
// status bar, and routes every command.
class MainFrame : public wxFrame {
public:
    MainFrame();

    layrail::Layout& layout() { return layout_; }
    const layrail::Layout& layout() const { return layout_; }

    CanvasPanel* canvas() const { return canvas_; }
    PalettePanel* palette() const { return palette_; }
    PropertiesPanel* properties() const { return properties_; }

    // Called after every change of the layout: modified flag, title, tally.
    void markModified();
    // Repaints the canvas after a change.
    void refreshViews();
    void refreshTally();
    void updateTitle();

    // Leaves the measuring, polygon or outline tool: mode 0, tools released, normal cursor.
    void endToolMode();

    bool isModified() const { return modified_; }
    const std::string& layoutName() const { return layoutName_; }
    const std::string& currentFile() const { return currentFile_; }

    // Asks about unsaved changes; false when the command that asked must stop.
    bool confirmUnsavedChanges();
    // True when the layout was written.
    bool saveLayout(bool forceName);
    // Reads a layout file into the document; on failure the document stays as it was.
    bool loadLayoutFile(const std::string& path);
    // Writes the selection as a block of the palette's track system; true when written.
    bool saveLibraryBlock();

    // Layouts live here by name; library blocks in a folder per track system below it.
    const std::string& layoutsFolder() const { return layoutsFolder_; }
    void setLayoutsFolder(const std::string& folder);

private:
    void buildMenuBar();
    void buildToolBar();
    void buildPanels();
    void buildStatusBar();
    void bindCommands();

    void onNewLayout(wxCommandEvent& event);
    void onExit(wxCommandEvent& event);
    void onClose(wxCloseEvent& event);
    void onPageSetup(wxCommandEvent& event);
    void onUndo(wxCommandEvent& event);
    void onRedo(wxCommandEvent& event);
    void onDelete(wxCommandEvent& event);
    void onSelectAll(wxCommandEvent& event);
    void onZoomIn(wxCommandEvent& event);
    void onZoomOut(wxCommandEvent& event);
    void onZoomFit(wxCommandEvent& event);
    void onShowGrid(wxCommandEvent& event);
    void onSnap(wxCommandEvent& event);
    void onHideLabels(wxCommandEvent& event);
    void onMeasure(wxCommandEvent& event);
    void onPolygon(wxCommandEvent& event);
    void onUnits(wxCommandEvent& event);
    void onHelp(wxCommandEvent& event);
    void onOpenLayout(wxCommandEvent& event);
    void onSave(wxCommandEvent& event);
    void onSaveAs(wxCommandEvent& event);
    void onImportLayout(wxCommandEvent& event);
    void onExportLayout(wxCommandEvent& event);
    void onSaveLibraryBlock(wxCommandEvent& event);
    void onUpdateUI(wxUpdateUIEvent& event);

    void afterHistoryStep();
    void toggleDrawingTool(bool checked, ToolMode mode, int otherTool);

    PalettePanel* palette_ = nullptr;
    CanvasPanel* canvas_ = nullptr;
    PropertiesPanel* properties_ = nullptr;

    layrail::Layout layout_;
    std::string currentFile_;
    std::string layoutName_;
    bool modified_ = false;
    std::string layoutsFolder_ = defaultLayoutsFolder();

    wxPrintData printData_;
    wxPageSetupDialogData pageSetupData_;
};

} // namespace layrail
