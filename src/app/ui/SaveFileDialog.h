#pragma once

#include <string>

#include <wx/dialog.h>

class wxButton;
class wxTextCtrl;

namespace layrail {

// A file to write, typed or chosen with "Browse...": the name gets the extension when it has none.
// The text field is named "path".
class SaveFileDialog : public wxDialog {
public:
    // extension without the dot ("csv"); wildcard as wxFileDialog takes it.
    SaveFileDialog(wxWindow* parent, const wxString& title, const std::string& path, const std::string& extension,
                   const wxString& wildcard);

    // Trimmed, with the extension added when the name has none; empty when nothing was typed.
    std::string path() const;
    bool saveEnabled() const;

private:
    void onBrowse(wxCommandEvent& event);

    wxTextCtrl* path_ = nullptr;
    wxButton* save_ = nullptr;
    std::string extension_;
    wxString wildcard_;
};

} // namespace layrail
