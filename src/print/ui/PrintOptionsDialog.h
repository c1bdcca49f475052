#pragma once

#include <wx/dialog.h>

#include "print/PrintOptions.h"

class wxCheckBox;
class wxRadioBox;
class wxSpinCtrl;
class wxStaticText;

namespace layrail {

// "Print Options": scaling (fit, 1 : N, percentage), levels, colour or greyscale, grid and
// baseboard. The main window runs it modally with its current options and, on wxID_OK, takes
// options() as its own before printing.
class PrintOptionsDialog : public wxDialog {
public:
    static constexpr int kScalingId = 6001;

    PrintOptionsDialog(wxWindow* parent, const PrintOptions& options);

    // The options the controls show now.
    PrintOptions options() const;

    // The 1 : N and percentage rows are usable only while their scaling is chosen.
    bool scaleRowEnabled() const;
    bool percentageRowEnabled() const;

private:
    void updateEnabling();

    wxRadioBox* scaling_ = nullptr;
    wxStaticText* scaleLabel_ = nullptr;
    wxSpinCtrl* scale_ = nullptr;
    wxStaticText* percentageLabel_ = nullptr;
    wxSpinCtrl* percentage_ = nullptr;
    wxRadioBox* levels_ = nullptr;
    wxRadioBox* colour_ = nullptr;
    wxCheckBox* grid_ = nullptr;
    wxCheckBox* baseboard_ = nullptr;
};

} // namespace layrail
