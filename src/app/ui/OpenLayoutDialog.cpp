#include "app/ui/OpenLayoutDialog.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>

#include "app/LayoutFolder.h"

namespace layrail {

OpenLayoutDialog::OpenLayoutDialog(wxWindow* parent, std::vector<std::string> paths)
    : wxDialog(parent, wxID_ANY, "Open Layout", wxDefaultPosition, wxSize(320, 420),
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      paths_(std::move(paths))
{
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    list_ = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxLB_SINGLE | wxLB_SORT);
    for (const std::string& name : sortedDisplayNames(paths_))
        list_->Append(wxString::FromUTF8(name));
    sizer->Add(list_, 1, wxEXPAND | wxALL, 8);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    delete_ = new wxButton(this, wxID_ANY, "Delete...");
    open_ = new wxButton(this, wxID_OK, "Open");
    buttons->Add(delete_, 0, wxLEFT, 8);
    buttons->AddStretchSpacer();
    buttons->Add(open_, 0, wxRIGHT, 4);
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0, wxRIGHT, 8);
    sizer->Add(buttons, 0, wxEXPAND | wxBOTTOM, 8);
    SetSizer(sizer);

    list_->Bind(wxEVT_LISTBOX, &OpenLayoutDialog::onSelection, this);
    list_->Bind(wxEVT_LISTBOX_DCLICK, &OpenLayoutDialog::onDoubleClick, this);
    delete_->Bind(wxEVT_BUTTON, &OpenLayoutDialog::onDelete, this);
    updateButtons();
    Centre();
}

std::string OpenLayoutDialog::selectedName() const
{
    if (list_->GetSelection() == wxNOT_FOUND)
        return {};
    return list_->GetStringSelection().utf8_string();
}

bool OpenLayoutDialog::selectName(const std::string& name)
{
    const int row = list_->FindString(wxString::FromUTF8(name), true);
    if (row == wxNOT_FOUND)
        return false;
    list_->SetSelection(row);
    updateButtons();
    return true;
}

bool OpenLayoutDialog::openEnabled() const { return open_->IsEnabled(); }

void OpenLayoutDialog::updateButtons()
{
    const bool selected = list_->GetSelection() != wxNOT_FOUND;
    open_->Enable(selected);
    delete_->Enable(selected);
}

void OpenLayoutDialog::onSelection(wxCommandEvent&) { updateButtons(); }

void OpenLayoutDialog::onDoubleClick(wxCommandEvent&)
{
    if (list_->GetSelection() != wxNOT_FOUND)
        EndModal(wxID_OK);
}

void OpenLayoutDialog::onDelete(wxCommandEvent&) { deleteSelected(); }

void OpenLayoutDialog::deleteSelected()
{
    const int row = list_->GetSelection();
    if (row == wxNOT_FOUND)
        return;
    const std::string name = list_->GetString(static_cast<unsigned>(row)).utf8_string();
    // The file Open would read: a ".lyr" before an older ".xml" of the same name.
    const int index = layoutFileIndex(paths_, name);
    if (index < 0)
        return;
    const std::string file = paths_[static_cast<size_t>(index)];
    const wxString question =
        wxString::Format("Delete layout \"%s\"?\n\nThis cannot be undone.", wxString::FromUTF8(name));
    if (wxMessageBox(question, "Delete Layout", wxYES_NO | wxNO_DEFAULT | wxICON_WARNING, this) != wxYES)
        return;
    std::error_code error;
    if (!std::filesystem::remove(file, error)) {
        wxMessageBox("Could not delete:\n" + wxString::FromUTF8(file), "Delete Failed", wxOK | wxICON_ERROR, this);
        return;
    }
    paths_.erase(std::remove(paths_.begin(), paths_.end(), file), paths_.end());
    removed_.push_back(file);
    // An older file of the same name keeps the row; it is what Open reads now.
    if (lastWithDisplayName(paths_, name) < 0)
        list_->Delete(static_cast<unsigned>(row));
    list_->SetSelection(wxNOT_FOUND);
    updateButtons();
}

} // namespace layrail
