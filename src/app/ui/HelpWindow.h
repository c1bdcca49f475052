#pragma once

class wxDialog;
class wxImage;
class wxWindow;

namespace layrail {

// Builds the help window afresh, shows it modally and destroys it when closed.
void showHelpWindow(wxWindow* parent);

// Builds the help window without showing it; the picture column is left out
// when the picture is not valid. The caller destroys the dialog.
wxDialog* buildHelpWindow(wxWindow* parent, const wxImage& picture);

} // namespace layrail
