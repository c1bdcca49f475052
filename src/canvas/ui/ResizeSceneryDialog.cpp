#include "canvas/ui/ResizeSceneryDialog.h"

#include "render/ui/SpinWidth.h"
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>

namespace layrail {

namespace {

wxString sizeText(double mm) { return wxString::Format("(= %.0f mm)", mm); }

} // namespace

ResizeSceneryDialog::ResizeSceneryDialog(wxWindow* parent, const SceneryItem& item, const SceneryDef& def)
    : wxDialog(parent, wxID_ANY, "Resize Scenery"), def_(def), openingX_(item.scaleX), openingY_(item.scaleY)
{
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(new wxStaticText(this, wxID_ANY, scenerySizeText(item, def)), 0, wxALL, 10);

    auto* grid = new wxFlexGridSizer(3, 6, 8);
    auto addRow = [&](const char* label, double value, const char* name, wxSpinCtrlDouble*& field,
                      wxStaticText*& size) {
        grid->Add(new wxStaticText(this, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL);
        field = new wxSpinCtrlDouble(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS,
                                     kMinSceneryScale, kMaxSceneryScale, value, 0.1, name);
        widenSpin(field, 90);
        field->SetDigits(2);
        field->SetValue(value);
        grid->Add(field, 0);
        size = new wxStaticText(this, wxID_ANY, "(= 00000 mm)");
        grid->Add(size, 0, wxALIGN_CENTER_VERTICAL);
    };
    addRow("Width scale:", item.scaleX, "widthScale", width_, widthSize_);
    addRow("Depth scale:", item.scaleY, "depthScale", depth_, depthSize_);
    sizer->Add(grid, 0, wxLEFT | wxRIGHT, 10);

    lock_ = new wxCheckBox(this, wxID_ANY, "Lock aspect ratio", wxDefaultPosition, wxDefaultSize, 0, wxDefaultValidator,
                           "lock");
    lock_->SetValue(true);
    sizer->Add(lock_, 0, wxALL, 10);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, kResetId, "Reset to Default"), 0);
    buttons->AddStretchSpacer();
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    buttons->Add(ok, 0, wxRIGHT, 6);
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0);
    sizer->Add(buttons, 0, wxEXPAND | wxALL, 10);
    SetSizerAndFit(sizer);
    Centre();
    updateSizes();

    width_->Bind(wxEVT_SPINCTRLDOUBLE, &ResizeSceneryDialog::onWidth, this);
    depth_->Bind(wxEVT_SPINCTRLDOUBLE, &ResizeSceneryDialog::onDepth, this);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(kResetId); }, kResetId);
}

double ResizeSceneryDialog::scaleX() const { return width_->GetValue(); }
double ResizeSceneryDialog::scaleY() const { return depth_->GetValue(); }
std::string ResizeSceneryDialog::widthText() const { return widthSize_->GetLabel().utf8_string(); }
std::string ResizeSceneryDialog::depthText() const { return depthSize_->GetLabel().utf8_string(); }

void ResizeSceneryDialog::updateSizes()
{
    widthSize_->SetLabel(sizeText(def_.width * width_->GetValue()));
    depthSize_->SetLabel(sizeText(def_.depth * depth_->GetValue()));
}

void ResizeSceneryDialog::onWidth(wxSpinDoubleEvent&)
{
    if (lock_->GetValue())
        depth_->SetValue(lockedDepthScale(width_->GetValue(), openingX_, openingY_));
    updateSizes();
}

void ResizeSceneryDialog::onDepth(wxSpinDoubleEvent&) { updateSizes(); }

} // namespace layrail
