#pragma once

#include <wx/dialog.h>

#include "dialogs/LevelManager.h"

class wxButton;
class wxCheckBox;
class wxColourPickerCtrl;
class wxListCtrl;
class wxListEvent;
class wxSpinCtrlDouble;
class wxTextCtrl;

namespace layrail {

// "Manage Levels": shows or hides levels, picks the active one, adds levels, edits their
// properties and removes a level with everything on it.
//
// The main window makes sure a level exists, runs it modally on its layout and then repaints,
// rebuilds the 3D view and marks the layout modified. Every change lands in the layout at once;
// a removal records an undo snapshot, so Edit > Undo brings the level back.
class LevelManagerDialog : public wxDialog {
public:
    static constexpr int kCloseId = 5100;

    LevelManagerDialog(wxWindow* parent, layrail::Layout& layout);

    // Anything in the layout changed while the dialog was open.
    bool changed() const { return changed_; }

    wxListCtrl& list() { return *list_; }
    wxButton& removeButton() { return *remove_; }
    // The row shown in bold: the active level's.
    int boldRow() const;

private:
    void fill();
    void updateBoldRow();
    int selectedLevel() const;

    void onChecked(wxListEvent& event);
    void onUnchecked(wxListEvent& event);
    void onSelected(wxListEvent& event);
    void onActivated(wxListEvent& event);
    void onAdd(wxCommandEvent& event);
    void onRemove(wxCommandEvent& event);
    void editProperties();

    layrail::Layout& layout_;
    wxListCtrl* list_ = nullptr;
    wxButton* remove_ = nullptr;
    bool filling_ = false;
    bool changed_ = false;
};

// "Level Properties: <name>": name, height in the display unit, the track colour switch and colour.
class LevelPropertiesDialog : public wxDialog {
public:
    LevelPropertiesDialog(wxWindow* parent, const Level& level, LengthUnit unit);

    LevelProperties properties() const;

private:
    wxTextCtrl* name_ = nullptr;
    wxSpinCtrlDouble* height_ = nullptr;
    wxCheckBox* trackColour_ = nullptr;
    wxColourPickerCtrl* colour_ = nullptr;
};

} // namespace layrail
