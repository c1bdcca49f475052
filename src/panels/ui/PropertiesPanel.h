#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <wx/image.h>
#include <wx/panel.h>

#include "canvas/CanvasHost.h"
#include "canvas/PropertyEdits.h"
#include "document/Session.h"
#include "panels/PieceTally.h"
#include "panels/PropertiesView.h"
#include "panels/StoreCart.h"
#include "panels/StoreTable.h"

class wxButton;
class wxChoice;
class wxRadioButton;
class wxSpinCtrlDouble;
class wxStaticText;
class wxTextCtrl;

namespace layrail {

class CanvasPanel;
class TallyList;

// What the Buy Track buttons need from the program around the panel.
struct BuyTrackSetup {
    std::vector<std::string> storeFolders; // searched in order for the store table (storeTableFolders)
    std::string fallbackHome;              // the About dialog's link when no store table reads
    std::function<wxImage()> picture;      // the About dialog's picture, decoded when it opens
};

// The right pane: the details of the selection with the controls that edit it (label, level,
// colour, height and grade), the piece tally and the Buy Track buttons.
//
// It listens to the session: the details follow selection, content, level and unit changes, the
// tally follows content and level changes. Its own edits go to the session as commits like every
// other edit, so nothing refreshes it by hand. A refresh touches only the controls whose contents
// changed.
class PropertiesPanel : public wxPanel {
public:
    PropertiesPanel(wxWindow* parent, Session& session, CanvasHost& host, const BuyTrackSetup& setup);

    // The canvas whose Ctrl+click on empty canvas sets where the next label goes.
    void setCanvas(CanvasPanel& canvas) { canvas_ = &canvas; }

    // Shows the details of what is selected now.
    void refreshSelection();
    // Counts the pieces of the layout again.
    void refreshTally();

    const PropertiesView& shown() const { return shown_; }
    const Tally& tally() const { return tally_; }
    const StoreTableLoad& store() const { return store_; }
    TallyList& tallyList() const { return *tallyList_; }

    // Where "  Buy Track  " opens the cart; tests put a stand-in here.
    void setBrowser(std::unique_ptr<BrowserLauncher> browser);

    // The label box takes the keyboard focus with its text selected, ready for the next label.
    void focusLabelBox();

    // The control actions, as the events run them.
    void addLabelFromBox();
    void applyColourChoice();
    void setHeightFromBox();
    void setLevelFromChoice();
    void startGradeFromControls();
    void endGradeOfShown();
    void recalculateShown();
    void buyTrackNow();
    void showAboutBuyTrack();

private:
    void buildDetails(wxSizer* sizer);
    void buildGradeBox(wxSizer* sizer);
    void buildTally(wxSizer* sizer);
    void bindEvents();

    void onSessionChanged(const Changes& changes);
    // Puts the view into the controls, changing only what differs from what they show.
    void showView(const PropertiesView& view);
    void showLevels(const PropertiesView& view);
    // The window's part of every edit: message, status texts, then the commit.
    void commitEdit(const EditResult& result);
    // Runs an event's action; a failure is logged instead of leaving the handler.
    void guarded(const char* action, const std::function<void()>& body);

    Session& session_;
    CanvasHost& host_;
    Session::Subscription subscription_;
    CanvasPanel* canvas_ = nullptr;
    BuyTrackSetup setup_;
    StoreTableLoad store_;
    std::unique_ptr<BrowserLauncher> browser_;

    PropertiesView shown_;
    bool viewShown_ = false;
    Tally tally_;
    PendingLabel pendingLabel_;

    wxTextCtrl* labelBox_ = nullptr;
    wxButton* labelOk_ = nullptr;
    wxStaticText* title_ = nullptr;
    wxStaticText* detail_ = nullptr;
    wxChoice* levelChoice_ = nullptr;
    wxChoice* colourChoice_ = nullptr;
    wxButton* applyColour_ = nullptr;
    wxStaticText* heightLabel_ = nullptr;
    wxTextCtrl* heightBox_ = nullptr;
    wxStaticText* gradeText_ = nullptr;
    wxStaticText* warning_ = nullptr;
    wxRadioButton* up_ = nullptr;
    wxRadioButton* down_ = nullptr;
    wxSpinCtrlDouble* angle_ = nullptr;
    wxButton* startGrade_ = nullptr;
    wxButton* endGrade_ = nullptr;
    wxButton* recalc_ = nullptr;
    TallyList* tallyList_ = nullptr;
};

} // namespace layrail
