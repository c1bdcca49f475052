#pragma once

#include <string>
#include <vector>

#include <wx/dialog.h>

class wxButton;
class wxListBox;
class wxTextCtrl;

namespace layrail {

// "Import Layout": a layout file from any folder and the name it gets in the layouts folder.
class ImportLayoutDialog : public wxDialog {
public:
    ImportLayoutDialog(wxWindow* parent, const std::string& startFolder);

    // The selected file's full path; empty without a selection.
    std::string sourcePath() const;
    // The "Import as:" text, trimmed.
    std::string importName() const;
    bool importEnabled() const;

    // The same as typing: the file list follows the folder text.
    void setFolder(const std::string& folder);
    void setImportName(const std::string& name);
    // Selects the file with this name (extension included) as a click would.
    bool selectFile(const std::string& fileName);

private:
    void onFolderText(wxCommandEvent& event);
    void onBrowse(wxCommandEvent& event);
    void onSelection(wxCommandEvent& event);
    void onDoubleClick(wxCommandEvent& event);
    void onNameText(wxCommandEvent& event);
    void refillFiles();
    void fileSelected();
    void updateImportButton();

    std::vector<std::string> files_;
    wxTextCtrl* folder_ = nullptr;
    wxListBox* list_ = nullptr;
    wxTextCtrl* name_ = nullptr;
    wxButton* import_ = nullptr;
};

} // namespace layrail
