#include "app/ui/HelpWindow.h"

#include "app/HelpContent.h"
#include "app/MakerSite.h"
#include "app/ui/EmbeddedImages.h"

#include <wx/bitmap.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/hyperlink.h>
#include <wx/image.h>
#include <wx/scrolwin.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

namespace layrail {

namespace {

constexpr int kCloseId = 5100;
constexpr int kBodyWrapWidth = 490;

void addHeading(wxWindow* parent, wxSizer* sizer, const std::string& text)
{
    auto* heading = new wxStaticText(parent, wxID_ANY, wxString::FromUTF8(text));
    heading->SetFont(wxFont(wxFontInfo(11).Family(wxFONTFAMILY_SWISS).Bold()));
    sizer->Add(heading, 0, wxTOP | wxLEFT, 8);
}

void addBody(wxWindow* parent, wxSizer* sizer, const std::string& text, bool fixedPitch)
{
    auto* body = new wxStaticText(parent, wxID_ANY, wxString::FromUTF8(text));
    body->SetFont(wxFont(wxFontInfo(10).Family(fixedPitch ? wxFONTFAMILY_TELETYPE : wxFONTFAMILY_SWISS)));
    body->Wrap(kBodyWrapWidth);
    sizer->Add(body, 0, wxLEFT | wxRIGHT | wxBOTTOM, 8);
}

void addMakerLink(wxWindow* parent, wxSizer* sizer)
{
    auto* link = new wxHyperlinkCtrl(parent, wxID_ANY, kMakerName, kMakerSiteUrl);
    link->SetFont(wxFont(wxFontInfo(10).Family(wxFONTFAMILY_SWISS)));
    sizer->Add(link, 0, wxLEFT | wxRIGHT | wxBOTTOM, 8);
}

wxScrolledWindow* buildTopicColumn(wxWindow* parent)
{
    auto* scroller = new wxScrolledWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                          wxVSCROLL | wxBORDER_NONE);
    scroller->SetBackgroundColour(parent->GetBackgroundColour());
    scroller->SetScrollRate(0, 12);

    auto* items = new wxBoxSizer(wxVERTICAL);
    for (const HelpTopic& topic : helpTopics()) {
        addHeading(scroller, items, topic.heading);
        if (!topic.body.empty())
            addBody(scroller, items, topic.body, topic.fixedPitch);
        if (topic.linkAfterBody) {
            addMakerLink(scroller, items);
            if (!topic.bodyAfterLink.empty())
                addBody(scroller, items, topic.bodyAfterLink, topic.fixedPitch);
        }
    }
    scroller->SetSizer(items);
    scroller->FitInside();
    return scroller;
}

} // namespace

wxDialog* buildHelpWindow(wxWindow* parent, const wxImage& picture)
{
    auto* dialog = new wxDialog(parent, wxID_ANY, "Layrail v1.3 Help", wxDefaultPosition, wxSize(925, 700),
                                wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    if (picture.IsOk()) {
        const wxBitmap bitmap(picture.Scale(368, 660, wxIMAGE_QUALITY_HIGH));
        row->Add(new wxStaticBitmap(dialog, wxID_ANY, bitmap), 0, wxALL, 8);
    }

    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(buildTopicColumn(dialog), 1, wxEXPAND | wxALL, 4);
    column->Add(new wxButton(dialog, kCloseId, "Close"), 0, wxALIGN_RIGHT | wxRIGHT | wxBOTTOM, 8);
    row->Add(column, 1, wxEXPAND);

    dialog->SetSizer(row);
    dialog->Layout();
    dialog->CentreOnScreen(wxBOTH);
    dialog->Bind(wxEVT_BUTTON, [dialog](wxCommandEvent&) { dialog->EndModal(kCloseId); }, kCloseId);
    return dialog;
}

void showHelpWindow(wxWindow* parent)
{
    wxDialog* dialog = buildHelpWindow(parent, loadEmbeddedImage(kHelpImage));
    dialog->ShowModal();
    dialog->Destroy();
}

} // namespace layrail
