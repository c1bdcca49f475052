#include "canvas/ui/AutofillDialog.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace layrail {

AutofillDialog::AutofillDialog(wxWindow* parent, const std::string& prompt, const std::vector<std::string>& lines)
    : wxDialog(parent, wxID_ANY, "Autofill Gap", wxDefaultPosition, wxSize(380, 320),
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER)
{
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(prompt)), 0, wxALL, 8);

    list_ = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxLB_SINGLE);
    for (const std::string& line : lines)
        list_->Append(wxString::FromUTF8(line));
    if (!lines.empty())
        list_->SetSelection(0);
    column->Add(list_, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    buttons->Add(new wxButton(this, wxID_OK, "Place"), 0, wxRIGHT, 8);
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0);
    column->Add(buttons, 0, wxEXPAND | wxALL, 8);
    SetSizer(column);
    SetSize(wxSize(380, 320));
    CentreOnParent();

    Bind(wxEVT_BUTTON, &AutofillDialog::onPlace, this, wxID_OK);
    list_->Bind(wxEVT_LISTBOX_DCLICK, &AutofillDialog::onPlace, this);
}

void AutofillDialog::onPlace(wxCommandEvent&)
{
    if (list_->GetSelection() != wxNOT_FOUND)
        EndModal(wxID_OK);
}

int AutofillDialog::choose()
{
    if (ShowModal() != wxID_OK)
        return -1;
    const int line = list_->GetSelection();
    return line == wxNOT_FOUND ? -1 : line;
}

} // namespace layrail
