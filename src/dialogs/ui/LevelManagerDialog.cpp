#include "dialogs/ui/LevelManagerDialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/clrpicker.h>
#include <wx/listctrl.h>
#include <wx/msgdlg.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/textdlg.h>

#include "render/ui/SpinWidth.h"
#include "document/LengthUnits.h"

namespace layrail {

namespace {

enum Column { kName = 0, kHeight, kColour, kId };

wxFont boldFont()
{
    wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    return wxFont(font.GetPointSize(), wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD);
}

} // namespace

LevelManagerDialog::LevelManagerDialog(wxWindow* parent, layrail::Layout& layout)
    : wxDialog(parent, wxID_ANY, "Manage Levels", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      layout_(layout)
{
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(new wxStaticText(this, wxID_ANY,
                                "Check to show a level.  Double-click a row to edit its properties\n(name, height, and "
                                "track color).  Single-click sets the active level\nfor new pieces."),
               0, wxALL, 8);

    list_ = new wxListCtrl(this, wxID_ANY, wxDefaultPosition, wxSize(420, 200), wxLC_REPORT | wxLC_SINGLE_SEL);
    list_->EnableCheckBoxes();
    list_->AppendColumn("Level Name", wxLIST_FORMAT_LEFT, 200);
    list_->AppendColumn("Height", wxLIST_FORMAT_RIGHT, 90);
    list_->AppendColumn("Track Color", wxLIST_FORMAT_LEFT, 90);
    list_->AppendColumn("ID", wxLIST_FORMAT_RIGHT, 40);
    sizer->Add(list_, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* add = new wxButton(this, wxID_ANY, "Add Level");
    buttons->Add(add, 0, wxRIGHT, 6);
    remove_ = new wxButton(this, wxID_ANY, "Remove Level");
    buttons->Add(remove_, 0);
    buttons->AddStretchSpacer();
    buttons->Add(new wxButton(this, kCloseId, "Close"), 0);
    sizer->Add(buttons, 0, wxEXPAND | wxALL, 8);
    SetSizerAndFit(sizer);
    SetSize(wxSize(500, 360));
    SetEscapeId(kCloseId);

    fill();

    list_->Bind(wxEVT_LIST_ITEM_CHECKED, &LevelManagerDialog::onChecked, this);
    list_->Bind(wxEVT_LIST_ITEM_UNCHECKED, &LevelManagerDialog::onUnchecked, this);
    list_->Bind(wxEVT_LIST_ITEM_SELECTED, &LevelManagerDialog::onSelected, this);
    list_->Bind(wxEVT_LIST_ITEM_ACTIVATED, &LevelManagerDialog::onActivated, this);
    add->Bind(wxEVT_BUTTON, &LevelManagerDialog::onAdd, this);
    remove_->Bind(wxEVT_BUTTON, &LevelManagerDialog::onRemove, this);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(kCloseId); }, kCloseId);
}

void LevelManagerDialog::fill()
{
    filling_ = true;
    list_->DeleteAllItems();
    const std::vector<LevelRow> rows = levelRows(layout_);
    for (size_t i = 0; i < rows.size(); ++i) {
        const long row = list_->InsertItem(static_cast<long>(i), wxString::FromUTF8(rows[i].name));
        list_->SetItem(row, kHeight, rows[i].height);
        list_->SetItem(row, kColour, rows[i].colour);
        list_->SetItem(row, kId, rows[i].idText);
        list_->SetItemData(row, rows[i].id);
        list_->CheckItem(row, rows[i].visible);
    }
    updateBoldRow();
    remove_->Enable(layout_.levels.size() > 1);
    filling_ = false;
}

void LevelManagerDialog::updateBoldRow()
{
    const wxFont normal = list_->GetFont();
    for (long row = 0; row < list_->GetItemCount(); ++row) {
        const bool active = static_cast<int>(list_->GetItemData(row)) == layout_.activeLevel;
        list_->SetItemFont(row, active ? boldFont() : normal);
    }
}

int LevelManagerDialog::boldRow() const
{
    for (long row = 0; row < list_->GetItemCount(); ++row)
        if (list_->GetItemFont(row).GetWeight() == wxFONTWEIGHT_BOLD)
            return static_cast<int>(row);
    return -1;
}

int LevelManagerDialog::selectedLevel() const
{
    const long row = list_->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    return row == -1 ? -1 : static_cast<int>(list_->GetItemData(row));
}

void LevelManagerDialog::onChecked(wxListEvent& event)
{
    if (!filling_ && setLevelVisible(layout_, static_cast<int>(list_->GetItemData(event.GetIndex())), true))
        changed_ = true;
}

void LevelManagerDialog::onUnchecked(wxListEvent& event)
{
    if (!filling_ && setLevelVisible(layout_, static_cast<int>(list_->GetItemData(event.GetIndex())), false))
        changed_ = true;
}

void LevelManagerDialog::onSelected(wxListEvent& event)
{
    if (filling_)
        return;
    if (setActiveLevel(layout_, static_cast<int>(list_->GetItemData(event.GetIndex()))))
        changed_ = true;
    updateBoldRow();
    remove_->Enable(layout_.levels.size() > 1);
}

void LevelManagerDialog::onActivated(wxListEvent&) { editProperties(); }

void LevelManagerDialog::onAdd(wxCommandEvent&)
{
    const wxString name =
        wxGetTextFromUser("Name for new level:", "Add Level", wxString::FromUTF8(proposedLevelName(layout_)), this);
    if (addLevel(layout_, name.utf8_string()) == -1)
        return;
    changed_ = true;
    fill();
}

void LevelManagerDialog::editProperties()
{
    const Level* level = layout_.findLevel(selectedLevel());
    if (level == nullptr) {
        wxMessageBox("Select a level first.", "Level Properties", wxOK | wxICON_INFORMATION, this);
        return;
    }
    LevelPropertiesDialog dialog(this, *level, layout_.units);
    if (dialog.ShowModal() != wxID_OK)
        return;
    if (applyLevelProperties(layout_, level->id, dialog.properties(), layout_.units))
        changed_ = true;
    fill();
}

void LevelManagerDialog::onRemove(wxCommandEvent&)
{
    if (layout_.levels.size() < 2) {
        wxMessageBox("A layout must have at least one level.", "Remove Level", wxOK | wxICON_INFORMATION, this);
        return;
    }
    const Level* level = layout_.findLevel(selectedLevel());
    if (level == nullptr)
        return;
    wxMessageDialog confirm(this,
                            wxString::FromUTF8(removeLevelQuestion(level->name, levelContents(layout_, level->id))),
                            wxString::FromUTF8(removeLevelTitle()), wxYES_NO | wxNO_DEFAULT | wxICON_WARNING);
    confirm.SetYesNoLabels("Delete Level && Contents", "Cancel");
    if (confirm.ShowModal() != wxID_YES)
        return;
    if (removeLevel(layout_, level->id))
        changed_ = true;
    fill();
}

LevelPropertiesDialog::LevelPropertiesDialog(wxWindow* parent, const Level& level, LengthUnit unit)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8("Level Properties: " + level.name))
{
    const LevelProperties shown = levelProperties(level, unit);
    const HeightField field = levelHeightField(unit);
    auto* sizer = new wxBoxSizer(wxVERTICAL);

    auto* nameRow = new wxBoxSizer(wxHORIZONTAL);
    nameRow->Add(new wxStaticText(this, wxID_ANY, "Name:"), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    name_ = new wxTextCtrl(this, wxID_ANY, wxString::FromUTF8(shown.name), wxDefaultPosition, wxSize(220, -1), 0,
                           wxDefaultValidator, "name");
    nameRow->Add(name_, 1);
    sizer->Add(nameRow, 0, wxEXPAND | wxALL, 10);

    auto* heightRow = new wxBoxSizer(wxHORIZONTAL);
    heightRow->Add(
        new wxStaticText(this, wxID_ANY, wxString::Format("Height off the ground (%s):", unitShortName(unit))), 0,
        wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    height_ = new wxSpinCtrlDouble(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS,
                                   0.0, field.max, shown.height, field.step, "height");
    widenSpin(height_, 110);
    height_->SetDigits(static_cast<unsigned>(field.digits));
    height_->SetValue(shown.height);
    heightRow->Add(height_, 0);
    sizer->Add(heightRow, 0, wxALL, 8);

    auto* colourRow = new wxBoxSizer(wxHORIZONTAL);
    trackColour_ = new wxCheckBox(this, wxID_ANY, "Color track on this level:", wxDefaultPosition, wxDefaultSize, 0,
                                  wxDefaultValidator, "trackColour");
    trackColour_->SetValue(shown.trackColour);
    colourRow->Add(trackColour_, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    colour_ =
        new wxColourPickerCtrl(this, wxID_ANY, wxColour(shown.colour.red, shown.colour.green, shown.colour.blue),
                               wxDefaultPosition, wxDefaultSize, wxCLRP_DEFAULT_STYLE, wxDefaultValidator, "colour");
    colourRow->Add(colour_, 0);
    sizer->Add(colourRow, 0, wxLEFT | wxRIGHT | wxBOTTOM, 8);

    sizer->Add(new wxStaticLine(this), 0, wxEXPAND | wxLEFT | wxRIGHT, 8);
    sizer->Add(CreateButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 8);
    SetSizerAndFit(sizer);
    Centre();
}

LevelProperties LevelPropertiesDialog::properties() const
{
    LevelProperties p;
    p.name = name_->GetValue().utf8_string();
    p.height = height_->GetValue();
    p.trackColour = trackColour_->GetValue();
    const wxColour c = colour_->GetColour();
    p.colour = LevelColour{c.Red(), c.Green(), c.Blue()};
    return p;
}

} // namespace layrail
