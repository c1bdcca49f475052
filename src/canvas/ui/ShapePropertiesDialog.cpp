#include "canvas/ui/ShapePropertiesDialog.h"

#include <wx/checkbox.h>
#include <wx/clrpicker.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "render/ui/SpinWidth.h"
#include "document/LengthUnits.h"

namespace layrail {

namespace {

constexpr double kMaxHeightInUnit = 5000.0;

} // namespace

ShapePropertiesDialog::ShapePropertiesDialog(wxWindow* parent, const ShapeProperties& shown, LengthUnit unit)
    : wxDialog(parent, wxID_ANY, "Shape Properties")
{
    const bool inches = unit == LengthUnit::Inches;
    auto* grid = new wxFlexGridSizer(2, 6, 8);
    grid->AddGrowableCol(1);

    grid->Add(new wxStaticText(this, wxID_ANY, "Name:"), 0, wxALIGN_CENTER_VERTICAL);
    name_ = new wxTextCtrl(this, wxID_ANY, wxString::FromUTF8(shown.name), wxDefaultPosition, wxSize(200, -1), 0,
                           wxDefaultValidator, "name");
    grid->Add(name_, 1, wxEXPAND);

    grid->Add(new wxStaticText(this, wxID_ANY, "Color:"), 0, wxALIGN_CENTER_VERTICAL);
    colour_ = new wxColourPickerCtrl(this, wxID_ANY, wxColour(shown.red, shown.green, shown.blue), wxDefaultPosition,
                                     wxDefaultSize, wxCLRP_DEFAULT_STYLE, wxDefaultValidator, "colour");
    grid->Add(colour_, 0);

    grid->Add(new wxStaticText(this, wxID_ANY, "Opacity %:"), 0, wxALIGN_CENTER_VERTICAL);
    opacity_ = new wxSpinCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS, 0, 100,
                              shown.opacityPercent, "opacity");
    widenSpin(opacity_, 90);
    grid->Add(opacity_, 0);

    grid->Add(new wxStaticText(this, wxID_ANY, wxString::Format("Height (above level deck, %s):", unitShortName(unit))),
              0, wxALIGN_CENTER_VERTICAL);
    height_ = new wxSpinCtrlDouble(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS,
                                   0.0, kMaxHeightInUnit, shown.height, inches ? 0.1 : 1.0, "height");
    widenSpin(height_, 90);
    height_->SetDigits(inches ? 2 : 1);
    height_->SetValue(shown.height);
    grid->Add(height_, 0);

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(grid, 0, wxEXPAND | wxALL, 10);
    outline_ = new wxCheckBox(this, wxID_ANY, "Show outline", wxDefaultPosition, wxDefaultSize, 0, wxDefaultValidator,
                              "outline");
    outline_->SetValue(shown.outline);
    sizer->Add(outline_, 0, wxLEFT | wxRIGHT | wxBOTTOM, 10);
    sizer->Add(CreateButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 8);
    SetSizerAndFit(sizer);
    Centre();
}

ShapeProperties ShapePropertiesDialog::properties() const
{
    ShapeProperties p;
    p.name = name_->GetValue().utf8_string();
    const wxColour c = colour_->GetColour();
    p.red = c.Red();
    p.green = c.Green();
    p.blue = c.Blue();
    p.opacityPercent = opacity_->GetValue();
    p.height = height_->GetValue();
    p.outline = outline_->GetValue();
    return p;
}

} // namespace layrail
