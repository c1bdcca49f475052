#pragma once

#include <string>

#include <wx/dialog.h>

#include "export/ExportOptions.h"

class wxButton;
class wxCheckBox;
class wxChoice;
class wxRadioBox;
class wxSpinCtrl;
class wxStaticText;
class wxTextCtrl;

namespace layrail {

// "Export Plan": the file to write and how to draw the plan into it. The format follows the file
// name's extension and the extension follows the format; the resolution applies to pictures, the
// paper to pages. Its controls are named "path", "format", "scaling", "denominator", "levels",
// "colour", "grid", "baseboard", "labels", "dpi" and "paper".
class ExportPlanDialog : public wxDialog {
public:
    ExportPlanDialog(wxWindow* parent, const PlanExportOptions& options, const std::string& path);

    // The file, with the chosen format's extension added when it has none of the three.
    std::string path() const;
    PlanExportOptions options() const;
    bool exportEnabled() const;

private:
    void onPathText(wxCommandEvent& event);
    void onFormat(wxCommandEvent& event);
    void onScaling(wxCommandEvent& event);
    void onBrowse(wxCommandEvent& event);
    void updateControls();

    wxTextCtrl* path_ = nullptr;
    wxRadioBox* format_ = nullptr;
    wxRadioBox* scaling_ = nullptr;
    wxSpinCtrl* denominator_ = nullptr;
    wxRadioBox* levels_ = nullptr;
    wxRadioBox* colour_ = nullptr;
    wxCheckBox* grid_ = nullptr;
    wxCheckBox* baseboard_ = nullptr;
    wxCheckBox* labels_ = nullptr;
    wxStaticText* dpiLabel_ = nullptr;
    wxSpinCtrl* dpi_ = nullptr;
    wxStaticText* paperLabel_ = nullptr;
    wxChoice* paper_ = nullptr;
    wxButton* export_ = nullptr;
    bool syncing_ = false;
};

} // namespace layrail
