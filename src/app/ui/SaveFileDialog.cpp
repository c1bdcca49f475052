#include "app/ui/SaveFileDialog.h"

#include <filesystem>

#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace layrail {

namespace {

wxString trimmed(wxString text) { return text.Trim(true).Trim(false); }

} // namespace

SaveFileDialog::SaveFileDialog(wxWindow* parent, const wxString& title, const std::string& path,
                               const std::string& extension, const wxString& wildcard)
    : wxDialog(parent, wxID_ANY, title, wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      extension_(extension), wildcard_(wildcard)
{
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticText(this, wxID_ANY, "File:"), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    path_ = new wxTextCtrl(this, wxID_ANY, wxString::FromUTF8(path), wxDefaultPosition, wxSize(380, -1), 0,
                           wxDefaultValidator, "path");
    row->Add(path_, 1, wxEXPAND);
    auto* browse = new wxButton(this, wxID_ANY, "Browse...");
    row->Add(browse, 0, wxLEFT, 4);
    sizer->Add(row, 0, wxEXPAND | wxALL, 8);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    save_ = new wxButton(this, wxID_OK, "Export");
    buttons->Add(save_, 0, wxRIGHT, 4);
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"));
    sizer->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);
    SetSizerAndFit(sizer);

    path_->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { save_->Enable(!trimmed(path_->GetValue()).empty()); });
    browse->Bind(wxEVT_BUTTON, &SaveFileDialog::onBrowse, this);
    save_->Enable(!trimmed(path_->GetValue()).empty());
    CentreOnParent();
}

std::string SaveFileDialog::path() const
{
    const std::string text = trimmed(path_->GetValue()).utf8_string();
    if (text.empty() || !std::filesystem::path(text).extension().empty())
        return text;
    return text + "." + extension_;
}

bool SaveFileDialog::saveEnabled() const { return save_->IsEnabled(); }

void SaveFileDialog::onBrowse(wxCommandEvent&)
{
    const wxFileName current(path_->GetValue());
    wxFileDialog chooser(this, GetTitle(), current.GetPath(), current.GetFullName(), wildcard_, wxFD_SAVE);
    if (chooser.ShowModal() == wxID_OK)
        path_->SetValue(chooser.GetPath());
}

} // namespace layrail
