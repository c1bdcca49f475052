#include "app/ui/ExportPlanDialog.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/radiobox.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace layrail {

namespace {

constexpr int kBorder = 8;
const PlanFormat kFormats[] = {PlanFormat::Png, PlanFormat::Svg, PlanFormat::Pdf};

int formatIndex(PlanFormat format)
{
    for (int i = 0; i < 3; ++i)
        if (kFormats[i] == format)
            return i;
    return 2;
}

// The path with its extension, if it is one of the three formats', replaced by the format's.
std::string withExtension(const std::string& path, PlanFormat format)
{
    PlanFormat current = format;
    std::string stem = path;
    if (formatFromPath(path, current))
        stem = path.substr(0, path.find_last_of('.'));
    return stem + "." + formatExtension(format);
}

wxRadioBox* radioBox(wxWindow* parent, const char* name, const wxString& title,
                     std::initializer_list<const char*> choices, int columns)
{
    wxArrayString labels;
    for (const char* choice : choices)
        labels.Add(choice);
    return new wxRadioBox(parent, wxID_ANY, title, wxDefaultPosition, wxDefaultSize, labels, columns, wxRA_SPECIFY_COLS,
                          wxDefaultValidator, name);
}

} // namespace

ExportPlanDialog::ExportPlanDialog(wxWindow* parent, const PlanExportOptions& options, const std::string& path)
    : wxDialog(parent, wxID_ANY, "Export Plan", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER)
{
    auto* sizer = new wxBoxSizer(wxVERTICAL);

    auto* fileRow = new wxBoxSizer(wxHORIZONTAL);
    fileRow->Add(new wxStaticText(this, wxID_ANY, "File:"), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    path_ = new wxTextCtrl(this, wxID_ANY, wxString::FromUTF8(path), wxDefaultPosition, wxSize(360, -1), 0,
                           wxDefaultValidator, "path");
    fileRow->Add(path_, 1, wxEXPAND);
    auto* browse = new wxButton(this, wxID_ANY, "Browse...");
    fileRow->Add(browse, 0, wxLEFT, 4);
    sizer->Add(fileRow, 0, wxEXPAND | wxALL, kBorder);

    format_ = radioBox(this, "format", "Format", {"PNG picture", "SVG drawing", "PDF document"}, 3);
    sizer->Add(format_, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kBorder);

    scaling_ = radioBox(this, "scaling", "Scaling", {"Fit to page", "True scale 1 : N"}, 1);
    sizer->Add(scaling_, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kBorder);
    auto* scaleRow = new wxBoxSizer(wxHORIZONTAL);
    scaleRow->Add(new wxStaticText(this, wxID_ANY, "    1 :"), 0, wxALIGN_CENTER_VERTICAL);
    denominator_ = new wxSpinCtrl(this, wxID_ANY, "", wxDefaultPosition, wxSize(80, -1), wxSP_ARROW_KEYS,
                                  kMinScaleDenominator, kMaxScaleDenominator, options.scaleDenominator, "denominator");
    scaleRow->Add(denominator_, 0, wxLEFT, 4);
    scaleRow->Add(new wxStaticText(this, wxID_ANY, "  (1 : 1 prints a full-size template over several pages)"), 0,
                  wxALIGN_CENTER_VERTICAL);
    sizer->Add(scaleRow, 0, wxLEFT | wxRIGHT | wxBOTTOM, kBorder);

    levels_ = radioBox(this, "levels", "Levels", {"Active level only", "All levels (composite)"}, 1);
    sizer->Add(levels_, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kBorder);
    colour_ = radioBox(this, "colour", "Color", {"Color", "Grayscale"}, 2);
    sizer->Add(colour_, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kBorder);

    auto* include = new wxStaticBoxSizer(wxVERTICAL, this, "Include");
    auto checkBox = [&](const char* name, const char* label) {
        return new wxCheckBox(include->GetStaticBox(), wxID_ANY, label, wxDefaultPosition, wxDefaultSize, 0,
                              wxDefaultValidator, name);
    };
    grid_ = checkBox("grid", "Grid");
    baseboard_ = checkBox("baseboard", "Baseboard outline");
    labels_ = checkBox("labels", "Labels and join dots");
    for (wxCheckBox* box : {grid_, baseboard_, labels_})
        include->Add(box, 0, wxALL, 4);
    sizer->Add(include, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kBorder);

    auto* output = new wxFlexGridSizer(2, 6, 6);
    dpiLabel_ = new wxStaticText(this, wxID_ANY, "Resolution (dpi):");
    dpi_ = new wxSpinCtrl(this, wxID_ANY, "", wxDefaultPosition, wxSize(90, -1), wxSP_ARROW_KEYS, kMinExportDpi,
                          kMaxExportDpi, options.dpi, "dpi");
    paperLabel_ = new wxStaticText(this, wxID_ANY, "Paper:");
    paper_ = new wxChoice(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr, 0, wxDefaultValidator, "paper");
    paper_->Append(paperName(Paper::A4));
    paper_->Append(paperName(Paper::Letter));
    output->Add(dpiLabel_, 0, wxALIGN_CENTER_VERTICAL);
    output->Add(dpi_);
    output->Add(paperLabel_, 0, wxALIGN_CENTER_VERTICAL);
    output->Add(paper_);
    sizer->Add(output, 0, wxLEFT | wxRIGHT | wxBOTTOM, kBorder);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    export_ = new wxButton(this, wxID_OK, "Export");
    buttons->Add(export_, 0, wxRIGHT, 4);
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"));
    sizer->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kBorder);
    SetSizerAndFit(sizer);

    format_->SetSelection(formatIndex(options.format));
    scaling_->SetSelection(options.scaling == PlanScaling::TrueScale ? 1 : 0);
    levels_->SetSelection(options.levels == PlanLevels::All ? 1 : 0);
    colour_->SetSelection(options.greyscale ? 1 : 0);
    grid_->SetValue(options.grid);
    baseboard_->SetValue(options.baseboard);
    labels_->SetValue(options.labels);
    paper_->SetSelection(options.paper == Paper::Letter ? 1 : 0);
    PlanFormat fromPath = options.format;
    if (formatFromPath(path, fromPath))
        format_->SetSelection(formatIndex(fromPath));

    path_->Bind(wxEVT_TEXT, &ExportPlanDialog::onPathText, this);
    format_->Bind(wxEVT_RADIOBOX, &ExportPlanDialog::onFormat, this);
    scaling_->Bind(wxEVT_RADIOBOX, &ExportPlanDialog::onScaling, this);
    denominator_->Bind(wxEVT_SPINCTRL, [this](wxSpinEvent&) { updateControls(); });
    browse->Bind(wxEVT_BUTTON, &ExportPlanDialog::onBrowse, this);
    updateControls();
    CentreOnParent();
}

std::string ExportPlanDialog::path() const
{
    wxString text = path_->GetValue();
    text.Trim(true).Trim(false);
    const std::string path = text.utf8_string();
    if (path.empty())
        return path;
    PlanFormat ignored = PlanFormat::Pdf;
    return formatFromPath(path, ignored) ? path : path + "." + formatExtension(options().format);
}

PlanExportOptions ExportPlanDialog::options() const
{
    PlanExportOptions o;
    o.format = kFormats[std::max(0, format_->GetSelection())];
    o.scaling = scaling_->GetSelection() == 1 ? PlanScaling::TrueScale : PlanScaling::FitToPage;
    o.scaleDenominator = denominator_->GetValue();
    o.levels = levels_->GetSelection() == 1 ? PlanLevels::All : PlanLevels::Active;
    o.greyscale = colour_->GetSelection() == 1;
    o.grid = grid_->GetValue();
    o.baseboard = baseboard_->GetValue();
    o.labels = labels_->GetValue();
    o.dpi = dpi_->GetValue();
    o.paper = paper_->GetSelection() == 1 ? Paper::Letter : Paper::A4;
    return o;
}

bool ExportPlanDialog::exportEnabled() const { return export_->IsEnabled(); }

void ExportPlanDialog::onPathText(wxCommandEvent&)
{
    if (syncing_)
        return;
    PlanFormat format = PlanFormat::Pdf;
    if (formatFromPath(path_->GetValue().utf8_string(), format))
        format_->SetSelection(formatIndex(format));
    updateControls();
}

void ExportPlanDialog::onFormat(wxCommandEvent&)
{
    const std::string current = path_->GetValue().utf8_string();
    if (!current.empty()) {
        syncing_ = true;
        path_->ChangeValue(wxString::FromUTF8(withExtension(current, options().format)));
        syncing_ = false;
    }
    updateControls();
}

void ExportPlanDialog::onScaling(wxCommandEvent&) { updateControls(); }

void ExportPlanDialog::onBrowse(wxCommandEvent&)
{
    const wxFileName current(path_->GetValue());
    wxFileDialog chooser(this, "Export Plan", current.GetPath(), current.GetFullName(),
                         "PNG pictures (*.png)|*.png|SVG drawings (*.svg)|*.svg|PDF documents (*.pdf)|*.pdf",
                         wxFD_SAVE);
    chooser.SetFilterIndex(format_->GetSelection());
    if (chooser.ShowModal() != wxID_OK)
        return;
    std::string chosen = chooser.GetPath().utf8_string();
    PlanFormat format = PlanFormat::Pdf;
    if (!formatFromPath(chosen, format))
        chosen = withExtension(chosen, kFormats[std::max(0, chooser.GetFilterIndex())]);
    path_->SetValue(wxString::FromUTF8(chosen));
}

void ExportPlanDialog::updateControls()
{
    const PlanExportOptions o = options();
    const bool trueScale = o.scaling == PlanScaling::TrueScale;
    denominator_->Enable(trueScale);
    dpiLabel_->Enable(o.format == PlanFormat::Png);
    dpi_->Enable(o.format == PlanFormat::Png);
    // A picture at true scale is as large as the plan; pages need paper.
    const bool paper = !trueScale || o.format == PlanFormat::Pdf;
    paperLabel_->Enable(paper);
    paper_->Enable(paper);
    wxString text = path_->GetValue();
    export_->Enable(!text.Trim(true).Trim(false).empty());
}

} // namespace layrail
