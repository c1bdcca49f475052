#pragma once

#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/dialog.h>

class wxButton;
class wxPanel;

namespace layrail {

// The greeting shown once the main window is up: the splash picture with
// the corner picture over it, the maker's name and a button to end it.
// Every way out ends the dialog with kSplashDoneId.
class SplashDialog : public wxDialog {
public:
    static constexpr int kSplashDoneId = 5100;

    explicit SplashDialog(wxWindow* parent);

    // For tests: the pictures the splash holds, and the panel they are painted on.
    const wxBitmap& background() const { return background_; }
    const wxBitmap& cornerPicture() const { return corner_; }
    wxPanel* picturePanel() const { return picturePanel_; }
    wxButton* doneButton() const { return okButton_; }

private:
    void onPaintPictures(wxPaintEvent& event);
    void onCharHook(wxKeyEvent& event);

    wxBitmap background_;
    wxBitmap corner_;
    wxPanel* picturePanel_ = nullptr;
    wxButton* okButton_ = nullptr;
};

// Paints the splash pictures into any device context: the background, or the
// painted title when it is missing, then the corner picture 10 pixels in
// from the bottom-right corner of the 900 x 600 area.
void paintSplash(wxDC& dc, const wxBitmap& background, const wxBitmap& corner);

} // namespace layrail
