#include "app/ui/ExportLayoutDialog.h"

#include <wx/button.h>
#include <wx/dirdlg.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/LayoutFolder.h"

namespace layrail {

namespace {

bool blankAfterTrimmingRight(const wxString& text)
{
    wxString trimmed = text;
    trimmed.Trim(true);
    return trimmed.empty();
}

} // namespace

ExportLayoutDialog::ExportLayoutDialog(wxWindow* parent, const std::vector<std::string>& names,
                                       const std::string& currentName, const std::string& startFolder)
    : wxDialog(parent, wxID_ANY, "Export Layout", wxDefaultPosition, wxSize(440, 480),
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER)
{
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(new wxStaticText(this, wxID_ANY, "Choose a layout to export:"), 0, wxTOP | wxLEFT | wxRIGHT, 8);
    list_ = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxLB_SINGLE | wxLB_SORT);
    for (const std::string& name : names)
        list_->Append(wxString::FromUTF8(name));
    sizer->Add(list_, 1, wxEXPAND | wxALL, 8);

    auto* destinationRow = new wxBoxSizer(wxHORIZONTAL);
    destinationRow->Add(new wxStaticText(this, wxID_ANY, "Destination:"), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    destination_ = new wxTextCtrl(this, wxID_ANY, wxString::FromUTF8(startFolder));
    destinationRow->Add(destination_, 1, wxEXPAND);
    auto* browse = new wxButton(this, wxID_ANY, "Browse...");
    destinationRow->Add(browse, 0, wxLEFT, 4);
    sizer->Add(destinationRow, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);

    auto* saveAsRow = new wxBoxSizer(wxHORIZONTAL);
    saveAsRow->Add(new wxStaticText(this, wxID_ANY, "Save as (no extension):"), 0,
                   wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    saveAs_ = new wxTextCtrl(this, wxID_ANY, "");
    saveAsRow->Add(saveAs_, 1, wxEXPAND);
    sizer->Add(saveAsRow, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    export_ = new wxButton(this, wxID_OK, "Export");
    buttons->Add(export_, 0, wxRIGHT, 4);
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0);
    sizer->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);
    SetSizer(sizer);

    const int current = findIgnoringCase(names, currentName);
    if (current >= 0)
        selectName(names[static_cast<size_t>(current)]);

    list_->Bind(wxEVT_LISTBOX, &ExportLayoutDialog::onSelection, this);
    list_->Bind(wxEVT_LISTBOX_DCLICK, &ExportLayoutDialog::onDoubleClick, this);
    browse->Bind(wxEVT_BUTTON, &ExportLayoutDialog::onBrowse, this);
    saveAs_->Bind(wxEVT_TEXT, &ExportLayoutDialog::onSaveAsText, this);
    updateExportButton();
    Centre();
}

std::string ExportLayoutDialog::selectedName() const
{
    if (list_->GetSelection() == wxNOT_FOUND)
        return {};
    return list_->GetStringSelection().utf8_string();
}

std::string ExportLayoutDialog::destination() const { return destination_->GetValue().utf8_string(); }

std::string ExportLayoutDialog::saveAsText() const { return saveAs_->GetValue().utf8_string(); }

bool ExportLayoutDialog::exportEnabled() const { return export_->IsEnabled(); }

bool ExportLayoutDialog::selectName(const std::string& name)
{
    const int row = list_->FindString(wxString::FromUTF8(name), true);
    if (row == wxNOT_FOUND)
        return false;
    list_->SetSelection(row);
    rowSelected();
    return true;
}

void ExportLayoutDialog::setDestination(const std::string& folder)
{
    destination_->SetValue(wxString::FromUTF8(folder));
}

void ExportLayoutDialog::setSaveAs(const std::string& text) { saveAs_->SetValue(wxString::FromUTF8(text)); }

void ExportLayoutDialog::rowSelected()
{
    if (list_->GetSelection() != wxNOT_FOUND)
        saveAs_->SetValue(list_->GetStringSelection());
    updateExportButton();
}

void ExportLayoutDialog::updateExportButton()
{
    export_->Enable(list_->GetSelection() != wxNOT_FOUND && !blankAfterTrimmingRight(saveAs_->GetValue()));
}

void ExportLayoutDialog::onSelection(wxCommandEvent&) { rowSelected(); }

void ExportLayoutDialog::onDoubleClick(wxCommandEvent&)
{
    if (export_->IsEnabled())
        EndModal(wxID_OK);
}

void ExportLayoutDialog::onBrowse(wxCommandEvent&)
{
    wxDirDialog chooser(this, "Choose destination folder", destination_->GetValue());
    if (chooser.ShowModal() == wxID_OK)
        destination_->SetValue(chooser.GetPath());
}

void ExportLayoutDialog::onSaveAsText(wxCommandEvent&) { updateExportButton(); }

} // namespace layrail
