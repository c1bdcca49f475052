#include "app/ui/ImportLayoutDialog.h"

#include <wx/button.h>
#include <wx/dirdlg.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/LayoutFolder.h"

namespace layrail {

ImportLayoutDialog::ImportLayoutDialog(wxWindow* parent, const std::string& startFolder)
    : wxDialog(parent, wxID_ANY, "Import Layout", wxDefaultPosition, wxSize(440, 480),
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER)
{
    auto* sizer = new wxBoxSizer(wxVERTICAL);

    auto* folderRow = new wxBoxSizer(wxHORIZONTAL);
    folderRow->Add(new wxStaticText(this, wxID_ANY, "Source folder:"), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    folder_ = new wxTextCtrl(this, wxID_ANY, wxString::FromUTF8(startFolder));
    folderRow->Add(folder_, 1, wxEXPAND);
    auto* browse = new wxButton(this, wxID_ANY, "Browse...");
    folderRow->Add(browse, 0, wxLEFT, 4);
    sizer->Add(folderRow, 0, wxEXPAND | wxALL, 8);

    sizer->Add(new wxStaticText(this, wxID_ANY, "Layout files in this folder:"), 0, wxLEFT | wxRIGHT, 8);
    list_ = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxLB_SINGLE);
    sizer->Add(list_, 1, wxEXPAND | wxALL, 8);

    auto* nameRow = new wxBoxSizer(wxHORIZONTAL);
    nameRow->Add(new wxStaticText(this, wxID_ANY, "Import as:"), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    name_ = new wxTextCtrl(this, wxID_ANY, "");
    nameRow->Add(name_, 1, wxEXPAND);
    sizer->Add(nameRow, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    import_ = new wxButton(this, wxID_OK, "Import");
    buttons->Add(import_, 0, wxRIGHT, 4);
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0);
    sizer->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);
    SetSizer(sizer);

    folder_->Bind(wxEVT_TEXT, &ImportLayoutDialog::onFolderText, this);
    browse->Bind(wxEVT_BUTTON, &ImportLayoutDialog::onBrowse, this);
    list_->Bind(wxEVT_LISTBOX, &ImportLayoutDialog::onSelection, this);
    list_->Bind(wxEVT_LISTBOX_DCLICK, &ImportLayoutDialog::onDoubleClick, this);
    name_->Bind(wxEVT_TEXT, &ImportLayoutDialog::onNameText, this);

    refillFiles();
    Centre();
}

std::string ImportLayoutDialog::sourcePath() const
{
    const int row = list_->GetSelection();
    if (row < 0 || row >= static_cast<int>(files_.size()))
        return {};
    return files_[static_cast<size_t>(row)];
}

std::string ImportLayoutDialog::importName() const { return trimBlanks(name_->GetValue().utf8_string()); }

bool ImportLayoutDialog::importEnabled() const { return import_->IsEnabled(); }

void ImportLayoutDialog::setFolder(const std::string& folder) { folder_->SetValue(wxString::FromUTF8(folder)); }

void ImportLayoutDialog::setImportName(const std::string& name) { name_->SetValue(wxString::FromUTF8(name)); }

bool ImportLayoutDialog::selectFile(const std::string& fileName)
{
    const int row = list_->FindString(wxString::FromUTF8(fileName), true);
    if (row == wxNOT_FOUND)
        return false;
    list_->SetSelection(row);
    fileSelected();
    return true;
}

void ImportLayoutDialog::refillFiles()
{
    // A folder that does not exist lists nothing.
    files_ = listLayoutFiles(trimBlanks(folder_->GetValue().utf8_string()));
    list_->Clear();
    for (const std::string& file : files_)
        list_->Append(wxString::FromUTF8(fileNameOf(file)));
    updateImportButton();
}

void ImportLayoutDialog::fileSelected()
{
    const std::string source = sourcePath();
    if (!source.empty() && name_->GetValue().empty())
        name_->SetValue(wxString::FromUTF8(displayName(source)));
    updateImportButton();
}

void ImportLayoutDialog::updateImportButton()
{
    import_->Enable(list_->GetSelection() != wxNOT_FOUND && !importName().empty());
}

void ImportLayoutDialog::onFolderText(wxCommandEvent&) { refillFiles(); }

void ImportLayoutDialog::onBrowse(wxCommandEvent&)
{
    wxDirDialog chooser(this, "Choose folder containing layout file", folder_->GetValue());
    if (chooser.ShowModal() == wxID_OK)
        folder_->SetValue(chooser.GetPath());
}

void ImportLayoutDialog::onSelection(wxCommandEvent&) { fileSelected(); }

void ImportLayoutDialog::onDoubleClick(wxCommandEvent&)
{
    if (import_->IsEnabled())
        EndModal(wxID_OK);
}

void ImportLayoutDialog::onNameText(wxCommandEvent&) { updateImportButton(); }

} // namespace layrail
