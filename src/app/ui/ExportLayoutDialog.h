#pragma once

#include <string>
#include <vector>

#include <wx/dialog.h>

class wxButton;
class wxListBox;
class wxTextCtrl;

namespace layrail {

// "Export Layout": a layout of the layouts folder, the folder to copy it to and its name there.
class ExportLayoutDialog : public wxDialog {
public:
    // The current layout's name is preselected when listed (in any case).
    ExportLayoutDialog(wxWindow* parent, const std::vector<std::string>& names, const std::string& currentName,
                       const std::string& startFolder);

    // The selected display name; empty without a selection.
    std::string selectedName() const;
    std::string destination() const;
    std::string saveAsText() const;
    bool exportEnabled() const;

    // Selects the row with this name as a click would; false when there is none.
    bool selectName(const std::string& name);
    void setDestination(const std::string& folder);
    void setSaveAs(const std::string& text);

private:
    void onSelection(wxCommandEvent& event);
    void onDoubleClick(wxCommandEvent& event);
    void onBrowse(wxCommandEvent& event);
    void onSaveAsText(wxCommandEvent& event);
    void rowSelected();
    void updateExportButton();

    wxListBox* list_ = nullptr;
    wxTextCtrl* destination_ = nullptr;
    wxTextCtrl* saveAs_ = nullptr;
    wxButton* export_ = nullptr;
};

} // namespace layrail
