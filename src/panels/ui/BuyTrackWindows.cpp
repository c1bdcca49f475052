#include "panels/ui/BuyTrackWindows.h"

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/hyperlink.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

namespace layrail {

namespace {

constexpr int kCopyFieldWidth = 460;

wxColour toColour(Rgba c) { return wxColour(c.r, c.g, c.b); }

long iconStyle(NoticeIcon icon)
{
    switch (icon) {
    case NoticeIcon::Warning:
        return wxICON_WARNING;
    case NoticeIcon::Error:
        return wxICON_ERROR;
    default:
        return wxICON_INFORMATION;
    }
}

wxArtID iconArt(NoticeIcon icon)
{
    switch (icon) {
    case NoticeIcon::Warning:
        return wxART_WARNING;
    case NoticeIcon::Error:
        return wxART_ERROR;
    default:
        return wxART_INFORMATION;
    }
}

wxWindow* topLevelOf(wxWindow* window) { return window == nullptr ? nullptr : wxGetTopLevelParent(window); }

} // namespace

bool WxBrowserLauncher::open(const std::string& url)
{
    // The failure is reported by the caller with the address to copy, not by a log box of wx's own.
    wxLogNull quiet;
    return wxLaunchDefaultBrowser(wxString::FromUTF8(url));
}

void WxNoticeShower::show(const Notice& notice)
{
    wxWindow* parent = topLevelOf(parent_);
    if (notice.copyable.empty()) {
        wxMessageBox(wxString::FromUTF8(notice.text), wxString::FromUTF8(notice.title), wxOK | iconStyle(notice.icon),
                     parent);
        return;
    }
    wxDialog* dialog = buildCopyableNoticeDialog(parent, notice);
    dialog->ShowModal();
    dialog->Destroy();
}

wxDialog* buildCopyableNoticeDialog(wxWindow* parent, const Notice& notice)
{
    auto* dialog = new wxDialog(parent, wxID_ANY, wxString::FromUTF8(notice.title));
    auto* sizer = new wxBoxSizer(wxVERTICAL);

    auto* message = new wxBoxSizer(wxHORIZONTAL);
    const wxBitmap icon = wxArtProvider::GetBitmap(iconArt(notice.icon), wxART_MESSAGE_BOX);
    message->Add(new wxStaticBitmap(dialog, wxID_ANY, icon), 0, wxRIGHT, 10);
    message->Add(new wxStaticText(dialog, wxID_ANY, wxString::FromUTF8(notice.text)), 1, wxEXPAND);
    sizer->Add(message, 0, wxEXPAND | wxALL, 10);

    // Read-only but selectable: the user copies the address into a browser by hand.
    auto* field = new wxTextCtrl(dialog, wxID_ANY, wxString::FromUTF8(notice.copyable), wxDefaultPosition,
                                 wxSize(kCopyFieldWidth, -1), wxTE_READONLY, wxDefaultValidator, "copyable");
    sizer->Add(field, 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
    sizer->Add(dialog->CreateStdDialogButtonSizer(wxOK), 0, wxEXPAND | wxALL, 10);

    dialog->SetSizerAndFit(sizer);
    dialog->CentreOnParent();
    field->SetFocus();
    field->SelectAll();
    return dialog;
}

wxDialog* buildAboutBuyTrackDialog(wxWindow* parent, const AboutBuyTrack& about, const wxImage& picture)
{
    auto* dialog = new wxDialog(parent, wxID_ANY, wxString::FromUTF8(about.title), wxDefaultPosition,
                                wxSize(about.width, about.height), wxDEFAULT_DIALOG_STYLE | wxSTAY_ON_TOP);
    auto* sizer = new wxBoxSizer(wxVERTICAL);

    if (picture.IsOk()) {
        const wxImage scaled = picture.Scale(about.pictureWidth, about.pictureHeight, wxIMAGE_QUALITY_HIGH);
        sizer->Add(new wxStaticBitmap(dialog, wxID_ANY, wxBitmap(scaled), wxDefaultPosition, wxDefaultSize, 0,
                                      "picture"),
                   0, wxALIGN_CENTER_HORIZONTAL | wxALL, 10);
    }

    auto* text = new wxStaticText(dialog, wxID_ANY, wxString::FromUTF8(about.text));
    wxFont font = text->GetFont();
    font.SetPointSize(font.GetPointSize() + 1);
    text->SetFont(font);
    sizer->Add(text, 0, wxEXPAND | wxLEFT | wxRIGHT, 14);

    sizer->Add(new wxHyperlinkCtrl(dialog, wxID_ANY, wxString::FromUTF8(about.linkLabel),
                                   wxString::FromUTF8(about.linkUrl), wxDefaultPosition, wxDefaultSize,
                                   wxHL_DEFAULT_STYLE, "link"),
               0, wxALIGN_CENTER_HORIZONTAL | wxALL, 10);

    auto* gotIt = new wxButton(dialog, wxID_OK, wxString::FromUTF8(about.buttonLabel));
    gotIt->SetBackgroundColour(toColour(kBuyTrackGreen));
    gotIt->SetForegroundColour(toColour(kBuyTrackText));
    sizer->Add(gotIt, 0, wxALIGN_CENTER_HORIZONTAL | wxBOTTOM, 10);

    dialog->SetSizer(sizer);
    dialog->CentreOnScreen();
    return dialog;
}

} // namespace layrail
