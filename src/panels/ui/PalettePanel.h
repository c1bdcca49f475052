#pragma once

#include <string>

#include <wx/panel.h>
#include <wx/weakref.h>

#include "document/Session.h"
#include "panels/PaletteLists.h"
#include "panels/PalettePointer.h"
#include "panels/ui/PiecePreviewPopup.h"

class wxChoice;
class wxListBox;
class wxNotebook;

namespace layrail {

class CanvasPanel;

// Control ids of the palette.
enum PaletteControlId : int {
    kPaletteSystemChoice = 3000,
    kPaletteTrackList = 3001,
    kPaletteLibraryList = 3002,
    kPaletteSceneryList = 3003,
    kPaletteSignalsList = 3004,
};

// The left pane: the track system chooser and the Track, Library, Scenery and Signals lists.
// Rows leave the palette by double-click or by dragging onto the canvas; the palette itself
// only changes the layout when it loads a library block, which it commits to the session.
class PalettePanel : public wxPanel {
public:
    // Blocks are listed from the folder per track system below the layouts folder.
    PalettePanel(wxWindow* parent, Session& session, const std::string& layoutsFolder);
    ~PalettePanel() override;

    // The canvas that receives the rows; until it is set, rows go nowhere.
    void setCanvas(CanvasPanel& canvas) { canvas_ = &canvas; }
    // Lists the blocks of the new folder.
    void setLayoutsFolder(const std::string& folder);

    // Fills every list once the frame's panes are laid out.
    void populate();
    // Follows the track system of a layout that was just opened.
    void selectSystemForLayout();
    void refreshLibraryList();

    int systemIndex() const;
    std::string systemText() const;
    // Where the blocks of the chosen system are kept.
    std::string libraryFolder() const;

    // The rows and keys behind one of the four list boxes, by control id.
    const PaletteList& listContents(int controlId) const;
    bool sceneryPagePresent() const { return sceneryPagePresent_; }
    const PalettePointer& pointer() const { return pointer_; }
    PiecePreviewPopup& previewPopup() const { return *popup_; }

    // Asks before removing the block file of a Library list row.
    void askToDeleteBlock(int row);

private:
    wxListBox* makeList(int id);
    void fillList(wxListBox* box, PaletteList& contents, PaletteList rows);
    void applySystem(int index);
    void showSceneryPage(bool wanted);

    void onSystemChanged(wxCommandEvent& event);
    void onTrackDoubleClick(wxCommandEvent& event);
    void onLibraryDoubleClick(wxCommandEvent& event);
    void onSceneryDoubleClick(wxCommandEvent& event);
    void onTrackLeftDown(wxMouseEvent& event);
    void onTrackMotion(wxMouseEvent& event);
    void onTrackLeave(wxMouseEvent& event);
    void onLibraryContextMenu(wxContextMenuEvent& event);
    void onSceneryLeftDown(wxMouseEvent& event);
    void onSceneryMotion(wxMouseEvent& event);

    void hidePreview();
    bool startTrackDrag(const wxMouseEvent& event);
    void hoverPreview(const wxMouseEvent& event);
    // The selected key of whichever of the Scenery and Signals lists is showing.
    std::string currentSceneryKey() const;
    void loadBlock(int row);

    Session& session_;
    CanvasPanel* canvas_ = nullptr;
    std::string layoutsFolder_;
    wxChoice* chooser_ = nullptr;
    wxNotebook* notebook_ = nullptr;
    wxListBox* trackList_ = nullptr;
    wxListBox* libraryList_ = nullptr;
    wxListBox* sceneryList_ = nullptr;
    wxListBox* signalsList_ = nullptr;
    PaletteList track_;
    PaletteList library_;
    PaletteList scenery_;
    PaletteList signals_;
    bool sceneryPagePresent_ = true;
    PalettePointer pointer_;
    // A child of the top-level window, which may destroy it first when it closes.
    wxWeakRef<PiecePreviewPopup> popup_;
};

} // namespace layrail
