#pragma once

#include <string>
#include <vector>

#include <wx/dialog.h>

class wxButton;
class wxListBox;

namespace layrail {

// "Open Layout": the layouts by display name, with deleting.
class OpenLayoutDialog : public wxDialog {
public:
    // paths: the listed layout files.
    OpenLayoutDialog(wxWindow* parent, std::vector<std::string> paths);

    // The selected display name; empty without a selection.
    std::string selectedName() const;
    // The listed files that are still there.
    const std::vector<std::string>& paths() const { return paths_; }
    // Files removed with "Delete...", in order.
    const std::vector<std::string>& removedFiles() const { return removed_; }

    // Selects the first row with this name as a click would; false when there is none.
    bool selectName(const std::string& name);
    // "Delete...": asks, then removes the selected layout's file.
    void deleteSelected();
    bool openEnabled() const;

private:
    void onSelection(wxCommandEvent& event);
    void onDoubleClick(wxCommandEvent& event);
    void onDelete(wxCommandEvent& event);
    void updateButtons();

    std::vector<std::string> paths_;
    std::vector<std::string> removed_;
    wxListBox* list_ = nullptr;
    wxButton* delete_ = nullptr;
    wxButton* open_ = nullptr;
};

} // namespace layrail
