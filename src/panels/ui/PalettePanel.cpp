#include "panels/ui/PalettePanel.h"

#include <filesystem>
#include <system_error>

#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/notebook.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "canvas/Helices.h"
#include "canvas/ui/CanvasPanel.h"
#include "catalog/HelixKits.h"
#include "catalog/SceneryCatalog.h"
#include "catalog/TrackCatalog.h"
#include "document/LibraryBlock.h"
#include "panels/BlockPlacement.h"
#include "panels/LibraryList.h"

namespace layrail {

namespace {

constexpr int kDeleteBlockMenuId = 6001;

wxArrayString toArray(const std::vector<std::string>& rows)
{
    wxArrayString array;
    array.reserve(rows.size());
    for (const std::string& row : rows)
        array.push_back(wxString::FromUTF8(row));
    return array;
}

} // namespace

PalettePanel::PalettePanel(wxWindow* parent, Session& session, const std::string& layoutsFolder)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL), session_(session),
      layoutsFolder_(layoutsFolder)
{
    auto* sizer = new wxBoxSizer(wxVERTICAL);

    chooser_ = new wxChoice(this, kPaletteSystemChoice, wxDefaultPosition, wxDefaultSize,
                            toArray(paletteSystemNames()));
    chooser_->SetSelection(kPaletteMarklinC);
    sizer->Add(chooser_, 0, wxEXPAND | wxALL, 4);
    sizer->Add(new wxStaticText(this, wxID_ANY, "Double-click to place on canvas."), 0,
               wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 4);

    notebook_ = new wxNotebook(this, wxID_ANY);
    trackList_ = makeList(kPaletteTrackList);
    libraryList_ = makeList(kPaletteLibraryList);
    sceneryList_ = makeList(kPaletteSceneryList);
    signalsList_ = makeList(kPaletteSignalsList);
    notebook_->AddPage(trackList_, "Track");
    notebook_->AddPage(libraryList_, "Library");
    notebook_->AddPage(sceneryList_, "Scenery");
    notebook_->AddPage(signalsList_, "Signals");
    sizer->Add(notebook_, 1, wxEXPAND | wxALL, 4);
    SetSizer(sizer);

    chooser_->Bind(wxEVT_CHOICE, &PalettePanel::onSystemChanged, this);
    trackList_->Bind(wxEVT_LISTBOX_DCLICK, &PalettePanel::onTrackDoubleClick, this);
    libraryList_->Bind(wxEVT_LISTBOX_DCLICK, &PalettePanel::onLibraryDoubleClick, this);
    sceneryList_->Bind(wxEVT_LISTBOX_DCLICK, &PalettePanel::onSceneryDoubleClick, this);
    signalsList_->Bind(wxEVT_LISTBOX_DCLICK, &PalettePanel::onSceneryDoubleClick, this);
    trackList_->Bind(wxEVT_LEFT_DOWN, &PalettePanel::onTrackLeftDown, this);
    trackList_->Bind(wxEVT_MOTION, &PalettePanel::onTrackMotion, this);
    trackList_->Bind(wxEVT_LEAVE_WINDOW, &PalettePanel::onTrackLeave, this);
    libraryList_->Bind(wxEVT_CONTEXT_MENU, &PalettePanel::onLibraryContextMenu, this);
    for (wxListBox* list : {sceneryList_, signalsList_}) {
        list->Bind(wxEVT_LEFT_DOWN, &PalettePanel::onSceneryLeftDown, this);
        list->Bind(wxEVT_MOTION, &PalettePanel::onSceneryMotion, this);
    }

    popup_ = new PiecePreviewPopup(wxGetTopLevelParent(this));
}

PalettePanel::~PalettePanel()
{
    if (popup_)
        popup_->Destroy();
}

wxListBox* PalettePanel::makeList(int id)
{
    return new wxListBox(notebook_, id, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxLB_SINGLE);
}

void PalettePanel::fillList(wxListBox* box, PaletteList& contents, PaletteList rows)
{
    contents = std::move(rows);
    box->Set(toArray(contents.rows));
}

void PalettePanel::populate()
{
    fillList(trackList_, track_, buildTrackList(kPaletteMarklinC, TrackCatalog::instance(), helixKits()));
    refreshLibraryList();
    fillList(sceneryList_, scenery_, buildSceneryList(SceneryCatalog::instance().all()));
    fillList(signalsList_, signals_, buildSignalsList(systemIndex(), SceneryCatalog::instance().all()));
    if (!sceneryPagePresent_) {
        notebook_->AddPage(sceneryList_, "Scenery");
        sceneryPagePresent_ = true;
    }
}

void PalettePanel::selectSystemForLayout()
{
    const int index = paletteIndexForLayout(session_.layout(), TrackCatalog::instance());
    chooser_->SetSelection(index);
    applySystem(index);
}

void PalettePanel::setLayoutsFolder(const std::string& folder)
{
    layoutsFolder_ = folder;
    refreshLibraryList();
}

void PalettePanel::refreshLibraryList() { fillList(libraryList_, library_, buildLibraryList(libraryFolder())); }

int PalettePanel::systemIndex() const { return chooser_->GetSelection(); }

std::string PalettePanel::systemText() const { return chooser_->GetStringSelection().utf8_string(); }

std::string PalettePanel::libraryFolder() const
{
    return layrail::libraryFolder(layoutsFolder_, systemText());
}

const PaletteList& PalettePanel::listContents(int controlId) const
{
    switch (controlId) {
    case kPaletteLibraryList:
        return library_;
    case kPaletteSceneryList:
        return scenery_;
    case kPaletteSignalsList:
        return signals_;
    default:
        return track_;
    }
}

void PalettePanel::applySystem(int index)
{
    fillList(trackList_, track_, buildTrackList(index, TrackCatalog::instance(), helixKits()));
    refreshLibraryList();
    fillList(signalsList_, signals_, buildSignalsList(index, SceneryCatalog::instance().all()));
    showSceneryPage(sceneryPageWanted(index));
}

void PalettePanel::showSceneryPage(bool wanted)
{
    if (wanted && !sceneryPagePresent_) {
        notebook_->AddPage(sceneryList_, "Scenery");
        sceneryPagePresent_ = true;
    } else if (!wanted && sceneryPagePresent_) {
        const int page = notebook_->FindPage(sceneryList_);
        if (page == wxNOT_FOUND)
            return;
        if (notebook_->GetSelection() == page)
            notebook_->SetSelection(0);
        // RemovePage keeps the list box alive for when the page comes back.
        notebook_->RemovePage(static_cast<size_t>(page));
        sceneryPagePresent_ = false;
    }
}

void PalettePanel::onSystemChanged(wxCommandEvent&) { applySystem(systemIndex()); }

void PalettePanel::hidePreview() { popup_->hidePreview(); }

void PalettePanel::onTrackDoubleClick(wxCommandEvent& event)
{
    const TrackRowRequest request = trackRowRequest(track_.keyAt(event.GetInt()));
    if (request.action == TrackRowAction::None)
        return;
    pointer_.doubleClicked();
    hidePreview();
    if (request.action == TrackRowAction::PlaceHelix)
        session_.commit(addHelix(session_.layout(), kHelixRowCentre.x, kHelixRowCentre.y, 0.0, request.id).changes);
    else if (canvas_ != nullptr)
        canvas_->autoConnectArticle(request.id);
}

void PalettePanel::onTrackLeftDown(wxMouseEvent& event)
{
    pointer_.leftDown();
    hidePreview();
    event.Skip();
}

void PalettePanel::onTrackMotion(wxMouseEvent& event)
{
    event.Skip();
    // Once the canvas carries the piece the preview would only hang over the list.
    if (startTrackDrag(event))
        return;
    hoverPreview(event);
}

bool PalettePanel::startTrackDrag(const wxMouseEvent& event)
{
    if (!pointer_.mayStartDrag(event.LeftIsDown(), event.Dragging()))
        return false;
    const TrackRowRequest request = trackRowRequest(track_.keyAt(trackList_->GetSelection()));
    if (request.action == TrackRowAction::None)
        return false;
    hidePreview();
    pointer_.forgetHover();
    if (canvas_ == nullptr)
        return true;
    if (request.action == TrackRowAction::PlaceHelix)
        canvas_->beginHelixPlacement(request.id);
    else
        canvas_->beginPaletteDrag(request.id);
    return true;
}

void PalettePanel::hoverPreview(const wxMouseEvent& event)
{
    const int row = trackList_->HitTest(event.GetPosition());
    const HoverResult result = pointer_.hover(row, track_.keys, TrackCatalog::instance());
    if (result.action == HoverAction::Show)
        popup_->showPiece(*result.piece, trackList_->ClientToScreen(event.GetPosition()));
    else if (result.action == HoverAction::Hide)
        hidePreview();
}

void PalettePanel::onTrackLeave(wxMouseEvent& event)
{
    hidePreview();
    pointer_.forgetHover();
    event.Skip();
}

void PalettePanel::onSceneryLeftDown(wxMouseEvent& event)
{
    pointer_.sceneryLeftDown();
    event.Skip();
}

std::string PalettePanel::currentSceneryKey() const
{
    if (notebook_->GetCurrentPage() == signalsList_)
        return signals_.keyAt(signalsList_->GetSelection());
    return scenery_.keyAt(sceneryList_->GetSelection());
}

void PalettePanel::onSceneryMotion(wxMouseEvent& event)
{
    event.Skip();
    if (!pointer_.mayStartDrag(event.LeftIsDown(), event.Dragging()))
        return;
    const std::string key = currentSceneryKey();
    if (!key.empty() && canvas_ != nullptr)
        canvas_->beginSceneryDrag(key);
}

void PalettePanel::onSceneryDoubleClick(wxCommandEvent&)
{
    const std::string key = currentSceneryKey();
    if (!key.empty() && canvas_ != nullptr)
        canvas_->beginSceneryDrag(key);
}

void PalettePanel::onLibraryDoubleClick(wxCommandEvent& event) { loadBlock(event.GetInt()); }

void PalettePanel::loadBlock(int row)
{
    const std::string path = library_.keyAt(row);
    if (path.empty())
        return;
    LibraryBlock block;
    const std::string error = readBlock(path, block);
    if (!error.empty()) {
        wxMessageBox(wxString::FromUTF8(error), "Load Block Failed", wxOK | wxICON_ERROR, wxGetTopLevelParent(this));
        return;
    }
    if (!placeBlock(session_.layout(), block).changed())
        return;
    session_.commit(Changes::ofContent());
    if (canvas_ != nullptr)
        canvas_->zoomToFit(false);
}

void PalettePanel::onLibraryContextMenu(wxContextMenuEvent& event)
{
    int row = libraryList_->GetSelection();
    const wxPoint position = event.GetPosition();
    if (position != wxDefaultPosition) {
        const int hit = libraryList_->HitTest(libraryList_->ScreenToClient(position));
        if (hit != wxNOT_FOUND)
            row = hit;
    }
    if (row < 0 || row >= static_cast<int>(library_.keys.size()))
        return;
    libraryList_->SetSelection(row);

    wxMenu menu;
    menu.Append(kDeleteBlockMenuId, "Delete...");
    if (libraryList_->GetPopupMenuSelectionFromUser(menu) == kDeleteBlockMenuId)
        askToDeleteBlock(row);
}

void PalettePanel::askToDeleteBlock(int row)
{
    if (row < 0 || row >= static_cast<int>(library_.keys.size()))
        return;
    const std::string name = library_.rows[static_cast<size_t>(row)];
    const std::string path = library_.keys[static_cast<size_t>(row)];
    const wxString question = wxString::Format("Delete library block \"%s\"?\n\nThis cannot be undone.",
                                               wxString::FromUTF8(name));
    if (wxMessageBox(question, "Delete Library Block", wxYES_NO | wxNO_DEFAULT | wxICON_WARNING,
                     wxGetTopLevelParent(this)) != wxYES)
        return;
    std::error_code error;
    if (std::filesystem::remove(path, error)) {
        refreshLibraryList();
        return;
    }
    wxMessageBox("Could not delete:\n" + wxString::FromUTF8(path), "Delete Failed", wxOK | wxICON_ERROR,
                 wxGetTopLevelParent(this));
}

} // namespace layrail
