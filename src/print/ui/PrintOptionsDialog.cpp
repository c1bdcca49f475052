#include "print/ui/PrintOptionsDialog.h"

#include <algorithm>

#include <wx/checkbox.h>
#include <wx/radiobox.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

namespace layrail {

namespace {

int clampedNumber(int value) { return std::clamp(value, kMinPrintNumber, kMaxPrintNumber); }

// GTK draws a spin control's buttons inside it: a width below its natural one would squeeze them,
// so the wanted width is only a minimum.
void widenSpin(wxWindow* spin, int width)
{
    spin->SetInitialSize(wxSize(std::max(width, spin->GetBestSize().GetWidth()), -1));
}

} // namespace

PrintOptionsDialog::PrintOptionsDialog(wxWindow* parent, const PrintOptions& options)
    : wxDialog(parent, wxID_ANY, "Print Options")
{
    auto* sizer = new wxBoxSizer(wxVERTICAL);

    const wxString scalings[] = {"Fit to page", "Actual scale 1 : N", "Custom percentage"};
    scaling_ = new wxRadioBox(this, kScalingId, "Scaling", wxDefaultPosition, wxDefaultSize, 3, scalings, 1,
                              wxRA_SPECIFY_COLS, wxDefaultValidator, "scaling");
    scaling_->SetSelection(std::clamp(static_cast<int>(options.scaling), 0, 2));
    sizer->Add(scaling_, 0, wxEXPAND | wxALL, 8);

    auto* scaleRow = new wxBoxSizer(wxHORIZONTAL);
    scaleLabel_ = new wxStaticText(this, wxID_ANY, "    1 :");
    scaleRow->Add(scaleLabel_, 0, wxALIGN_CENTER_VERTICAL);
    scale_ = new wxSpinCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS,
                            kMinPrintNumber, kMaxPrintNumber, clampedNumber(options.scaleDenominator), "denominator");
    widenSpin(scale_, 80);
    scaleRow->Add(scale_, 0, wxALIGN_CENTER_VERTICAL);
    scaleRow->Add(new wxStaticText(this, wxID_ANY, "  (e.g. 1:10 -- 10 mm on layout = 1 mm on paper)"), 0,
                  wxALIGN_CENTER_VERTICAL);
    sizer->Add(scaleRow, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);

    auto* percentageRow = new wxBoxSizer(wxHORIZONTAL);
    percentageLabel_ = new wxStaticText(this, wxID_ANY, "    Scale:");
    percentageRow->Add(percentageLabel_, 0, wxALIGN_CENTER_VERTICAL);
    percentage_ =
        new wxSpinCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS,
                       kMinPrintNumber, kMaxPrintNumber, clampedNumber(options.customPercentage), "percentage");
    widenSpin(percentage_, 80);
    percentageRow->Add(percentage_, 0, wxALIGN_CENTER_VERTICAL);
    percentageRow->Add(new wxStaticText(this, wxID_ANY, "  %"), 0, wxALIGN_CENTER_VERTICAL);
    sizer->Add(percentageRow, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);

    const wxString levels[] = {"Active level only", "All levels (composite)"};
    levels_ = new wxRadioBox(this, wxID_ANY, "Levels", wxDefaultPosition, wxDefaultSize, 2, levels, 1,
                             wxRA_SPECIFY_COLS, wxDefaultValidator, "levels");
    levels_->SetSelection(options.levels == PrintLevels::All ? 1 : 0);
    sizer->Add(levels_, 0, wxEXPAND | wxALL, 8);

    const wxString colours[] = {"Color", "Grayscale"};
    colour_ = new wxRadioBox(this, wxID_ANY, "Color", wxDefaultPosition, wxDefaultSize, 2, colours, 2,
                             wxRA_SPECIFY_COLS, wxDefaultValidator, "colour");
    colour_->SetSelection(options.colour == PrintColour::Greyscale ? 1 : 0);
    sizer->Add(colour_, 0, wxEXPAND | wxALL, 8);

    auto* include = new wxStaticBoxSizer(wxVERTICAL, this, "Include");
    grid_ = new wxCheckBox(include->GetStaticBox(), wxID_ANY, "Grid", wxDefaultPosition, wxDefaultSize, 0,
                           wxDefaultValidator, "grid");
    grid_->SetValue(options.includeGrid);
    include->Add(grid_, 0, wxALL, 4);
    baseboard_ = new wxCheckBox(include->GetStaticBox(), wxID_ANY, "Baseboard outline", wxDefaultPosition,
                                wxDefaultSize, 0, wxDefaultValidator, "baseboard");
    baseboard_->SetValue(options.includeBaseboard);
    include->Add(baseboard_, 0, wxALL, 4);
    sizer->Add(include, 0, wxEXPAND | wxALL, 8);

    sizer->Add(CreateButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 8);
    SetSizerAndFit(sizer);
    CentreOnParent();

    updateEnabling();
    scaling_->Bind(wxEVT_RADIOBOX, [this](wxCommandEvent&) { updateEnabling(); });
}

void PrintOptionsDialog::updateEnabling()
{
    const int choice = scaling_->GetSelection();
    scaleLabel_->Enable(choice == static_cast<int>(PrintScaling::ActualScale));
    scale_->Enable(choice == static_cast<int>(PrintScaling::ActualScale));
    percentageLabel_->Enable(choice == static_cast<int>(PrintScaling::CustomPercentage));
    percentage_->Enable(choice == static_cast<int>(PrintScaling::CustomPercentage));
}

bool PrintOptionsDialog::scaleRowEnabled() const { return scale_->IsEnabled() && scaleLabel_->IsEnabled(); }

bool PrintOptionsDialog::percentageRowEnabled() const
{
    return percentage_->IsEnabled() && percentageLabel_->IsEnabled();
}

PrintOptions PrintOptionsDialog::options() const
{
    PrintOptions o;
    o.scaling = static_cast<PrintScaling>(scaling_->GetSelection());
    o.scaleDenominator = scale_->GetValue();
    o.customPercentage = percentage_->GetValue();
    o.levels = levels_->GetSelection() == 1 ? PrintLevels::All : PrintLevels::ActiveOnly;
    o.colour = colour_->GetSelection() == 1 ? PrintColour::Greyscale : PrintColour::Colour;
    o.includeGrid = grid_->GetValue();
    o.includeBaseboard = baseboard_->GetValue();
    return o;
}

} // namespace layrail
