#include "dialogs/ui/LayoutShapeDialog.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "render/ui/SpinWidth.h"
#include "document/LengthUnits.h"

namespace layrail {

namespace {

constexpr int kDialogWidth = 420;
constexpr int kLabelWidth = 160;
constexpr int kFieldWidth = 90;
constexpr int kSmallestDimension = 1;
constexpr int kLargestDimension = 99000;

} // namespace

LayoutShapeDialog::LayoutShapeDialog(wxWindow* parent, const std::vector<Point>& currentOutline, LengthUnit unit,
                                     const LastShape& lastShape)
    : wxDialog(parent, wxID_ANY, "Layout Baseboard"), currentOutline_(currentOutline), unit_(unit),
      lastShape_(lastShape)
{
    auto* sizer = new wxBoxSizer(wxVERTICAL);

    auto* shapeRow = new wxBoxSizer(wxHORIZONTAL);
    shapeRow->Add(new wxStaticText(this, wxID_ANY, "Shape:"), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
    choice_ =
        new wxChoice(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr, 0, wxDefaultValidator, "shape");
    for (int i = 0; i < kBaseboardShapeCount; ++i)
        choice_->Append(baseboardShapeInfo(static_cast<BaseboardShape>(i)).label);
    const int last = lastShape.id >= 0 && lastShape.id < kBaseboardShapeCount ? lastShape.id : 0;
    choice_->SetSelection(last);
    shapeRow->Add(choice_, 1);
    sizer->Add(shapeRow, 0, wxEXPAND | wxALL, 8);
    sizer->Add(new wxStaticLine(this), 0, wxEXPAND);

    rowsPanel_ = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL, "rows");
    rowsPanel_->SetSizer(new wxBoxSizer(wxVERTICAL));
    sizer->Add(rowsPanel_, 1, wxEXPAND | wxALL, 8);

    sizer->Add(new wxStaticText(this, wxID_ANY, wxString::Format("All dimensions in %s.", unitShortName(unit))), 0,
               wxLEFT | wxBOTTOM, 8);
    sizer->Add(new wxStaticLine(this), 0, wxEXPAND);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    buttons->Add(new wxButton(this, kApplyId, "Apply"), 0, wxRIGHT, 8);
    buttons->Add(new wxButton(this, kCancelId, "Cancel"), 0);
    sizer->Add(buttons, 0, wxEXPAND | wxALL, 8);
    SetSizer(sizer);
    SetEscapeId(kCancelId);
    SetAffirmativeId(kApplyId);

    buildRows();
    Fit();
    SetSize(wxSize(kDialogWidth, GetSize().GetHeight()));
    Centre();

    choice_->Bind(wxEVT_CHOICE, &LayoutShapeDialog::onChoice, this);
    Bind(wxEVT_BUTTON, &LayoutShapeDialog::onApply, this, kApplyId);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(wxID_CANCEL); }, kCancelId);
}

BaseboardShape LayoutShapeDialog::chosenShape() const
{
    const int index = choice_->GetSelection();
    return index >= 0 && index < kBaseboardShapeCount ? static_cast<BaseboardShape>(index) : BaseboardShape::Rectangle;
}

std::vector<int> LayoutShapeDialog::dimensions() const
{
    std::vector<int> values;
    for (const wxSpinCtrl* field : dimensionFields_)
        values.push_back(field->GetValue());
    return values;
}

std::string LayoutShapeDialog::vertexText() const
{
    return vertices_ == nullptr ? std::string() : vertices_->GetValue().utf8_string();
}

std::string LayoutShapeDialog::explanation() const { return explanation_->GetLabel().utf8_string(); }

void LayoutShapeDialog::buildRows()
{
    // Values typed before switching shapes are lost, as the rows are new controls.
    rowsPanel_->DestroyChildren();
    dimensionFields_.clear();
    vertices_ = nullptr;
    wxSizer* rows = rowsPanel_->GetSizer();
    rows->Clear();

    const BaseboardShape shape = chosenShape();
    const BaseboardShapeInfo& info = baseboardShapeInfo(shape);
    explanation_ = new wxStaticText(rowsPanel_, wxID_ANY, info.explanation);
    rows->Add(explanation_, 0, wxBOTTOM, 8);

    const std::vector<int> values = initialDimensions(lastShape_, shape, unit_);
    for (size_t i = 0; i < info.rows.size(); ++i) {
        auto* row = new wxBoxSizer(wxHORIZONTAL);
        auto* label = new wxStaticText(rowsPanel_, wxID_ANY, info.rows[i].label);
        label->SetMinSize(wxSize(kLabelWidth, -1));
        row->Add(label, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
        auto* field =
            new wxSpinCtrl(rowsPanel_, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS,
                           kSmallestDimension, kLargestDimension, values[i], "dimension" + std::to_string(i));
        widenSpin(field, kFieldWidth);
        row->Add(field, 0, wxALIGN_CENTER_VERTICAL);
        row->Add(new wxStaticText(rowsPanel_, wxID_ANY, unitShortName(unit_)), 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 6);
        rows->Add(row, 0, wxBOTTOM, 6);
        dimensionFields_.push_back(field);
    }
    if (shape == BaseboardShape::CustomPolygon) {
        vertices_ = new wxTextCtrl(rowsPanel_, wxID_ANY, wxString::FromUTF8(initialVertexText(currentOutline_, unit_)),
                                   wxDefaultPosition, wxSize(300, 120), wxTE_MULTILINE | wxTE_DONTWRAP,
                                   wxDefaultValidator, "vertices");
        rows->Add(vertices_, 1, wxEXPAND);
    }
    rowsPanel_->Layout();
}

void LayoutShapeDialog::onChoice(wxCommandEvent&)
{
    buildRows();
    GetSizer()->Layout();
    Fit();
    SetSize(wxSize(kDialogWidth, GetSize().GetHeight()));
}

bool LayoutShapeDialog::readResult()
{
    const BaseboardShape shape = chosenShape();
    if (shape != BaseboardShape::CustomPolygon) {
        result_ = applyBaseboardShape(lastShape_, shape, dimensions(), unit_);
        return true;
    }
    const VertexText parsed = parseVertexText(vertexText(), unit_);
    if (!parsed.errors.empty()) {
        std::string text = "Some lines of the vertex list cannot be read:\n\n";
        for (const std::string& error : parsed.errors)
            text += error + "\n";
        text += "\nWrite each vertex as two numbers separated by a comma, then apply again.";
        wxMessageBox(wxString::FromUTF8(text), "Layout Baseboard", wxOK | wxICON_WARNING, this);
        return false;
    }
    result_ = applyCustomPolygon(lastShape_, parsed.vertices);
    return true;
}

void LayoutShapeDialog::onApply(wxCommandEvent&)
{
    if (readResult())
        EndModal(wxID_OK);
}

} // namespace layrail
