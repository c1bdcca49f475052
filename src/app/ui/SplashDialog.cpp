#include "app/ui/SplashDialog.h"

#include "app/MakerSite.h"
#include "app/ui/EmbeddedImages.h"

#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/hyperlink.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace layrail {

namespace {

constexpr int kPictureWidth = 900;
constexpr int kPictureHeight = 600;

wxFont oneLarger(wxFont font)
{
    font.SetPointSize(font.GetPointSize() + 1);
    return font;
}

wxBitmap scaledPicture(int resourceId, int width, int height)
{
    const wxImage image = loadEmbeddedImage(resourceId);
    if (!image.IsOk())
        return wxBitmap();
    return wxBitmap(image.Scale(width, height, wxIMAGE_QUALITY_HIGH));
}

} // namespace

void paintSplash(wxDC& dc, const wxBitmap& background, const wxBitmap& corner)
{
    if (background.IsOk()) {
        dc.DrawBitmap(background, 0, 0);
    } else {
        dc.SetBackground(wxBrush(wxColour(30, 40, 60)));
        dc.Clear();
        dc.SetTextForeground(*wxWHITE);
        dc.SetFont(wxFont(wxFontInfo(20).Family(wxFONTFAMILY_SWISS).Bold()));
        dc.DrawText("Layrail", 20, 20);
        dc.SetFont(wxFont(wxFontInfo(13).Family(wxFONTFAMILY_SWISS)));
        dc.DrawText("by Brindlemoor", 20, 60);
    }
    if (corner.IsOk())
        dc.DrawBitmap(corner, kPictureWidth - 10 - corner.GetWidth(), kPictureHeight - 10 - corner.GetHeight());
}

SplashDialog::SplashDialog(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, "Layrail v1.3 by Brindlemoor", wxDefaultPosition, wxSize(900, 700),
               wxDEFAULT_DIALOG_STYLE)
{
    {
        // A second splash would re-add every handler; wx reports each duplicate, which is harmless.
        wxLogNull quiet;
        wxInitAllImageHandlers();
    }
    background_ = scaledPicture(kSplashImage, kPictureWidth, kPictureHeight);
    corner_ = scaledPicture(kCornerImage, 120, 160);

    auto* top = new wxBoxSizer(wxVERTICAL);

    picturePanel_ = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxSize(kPictureWidth, kPictureHeight),
                                wxTAB_TRAVERSAL | wxNO_BORDER);
    picturePanel_->SetMinSize(wxSize(kPictureWidth, kPictureHeight));
    picturePanel_->Bind(wxEVT_PAINT, &SplashDialog::onPaintPictures, this);
    top->Add(picturePanel_, 0);

    auto* credits = new wxBoxSizer(wxVERTICAL);
    auto* byText = new wxStaticText(this, wxID_ANY, "Layrail by", wxDefaultPosition, wxDefaultSize,
                                    wxALIGN_CENTRE_HORIZONTAL);
    byText->SetFont(oneLarger(byText->GetFont()));
    credits->Add(byText, 0, wxTOP | wxALIGN_CENTRE_HORIZONTAL, 6);
    auto* link = new wxHyperlinkCtrl(this, wxID_ANY, kMakerName, kMakerSiteUrl);
    link->SetFont(oneLarger(link->GetFont()).Bold());
    credits->Add(link, 0, wxBOTTOM | wxALIGN_CENTRE_HORIZONTAL, 4);
    top->Add(credits, 0, wxEXPAND);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    okButton_ = new wxButton(this, kSplashDoneId, "  Done Staring  ");
    okButton_->SetFont(oneLarger(okButton_->GetFont()).Bold());
    okButton_->SetMinSize(wxSize(280, 40));
    buttons->Add(okButton_, 0, wxALL, 8);
    buttons->AddStretchSpacer();
    top->Add(buttons, 0, wxEXPAND);

    SetSizerAndFit(top);
    CentreOnScreen(wxBOTH);
    okButton_->SetFocus();

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndDialog(kSplashDoneId); }, kSplashDoneId);
    // The hook sees keys pressed in any child, so Enter and Escape work wherever the focus is.
    Bind(wxEVT_CHAR_HOOK, &SplashDialog::onCharHook, this);
}

void SplashDialog::onPaintPictures(wxPaintEvent&)
{
    wxPaintDC dc(picturePanel_);
    paintSplash(dc, background_, corner_);
}

void SplashDialog::onCharHook(wxKeyEvent& event)
{
    const int key = event.GetKeyCode();
    if (key == WXK_RETURN || key == WXK_ESCAPE) {
        EndDialog(kSplashDoneId);
        return;
    }
    event.Skip();
}

} // namespace layrail
