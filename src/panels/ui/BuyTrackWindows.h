#pragma once

#include <wx/image.h>

#include "panels/BuyTrackTexts.h"
#include "panels/StoreCart.h"

class wxDialog;
class wxWindow;

namespace layrail {

// Opens the cart in the desktop's default browser.
class WxBrowserLauncher : public BrowserLauncher {
public:
    bool open(const std::string& url) override;
};

// Shows each notice modally over the parent's top-level window: a message box, or, when the notice
// carries an address to copy, a small dialog with that address in a read-only field.
class WxNoticeShower : public NoticeShower {
public:
    explicit WxNoticeShower(wxWindow* parent) : parent_(parent) {}
    void show(const Notice& notice) override;

private:
    wxWindow* parent_;
};

// The dialog of a notice that carries an address to copy; its field is named "copyable".
wxDialog* buildCopyableNoticeDialog(wxWindow* parent, const Notice& notice);

// The "?" dialog: the picture (left out when invalid), the text, the store link and "Got it!".
wxDialog* buildAboutBuyTrackDialog(wxWindow* parent, const AboutBuyTrack& about, const wxImage& picture);

} // namespace layrail
