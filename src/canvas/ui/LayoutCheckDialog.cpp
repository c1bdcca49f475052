#include "canvas/ui/LayoutCheckDialog.h"

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>

#include "canvas/ui/CanvasPanel.h"

namespace layrail {

namespace {

constexpr int kBorder = 8;
constexpr double kMaxHeadroom = 1000.0;

wxString text(const std::string& utf8) { return wxString::FromUTF8(utf8); }

} // namespace

LayoutCheckDialog::LayoutCheckDialog(wxWindow* parent, Session& session, CanvasPanel& canvas)
    : wxDialog(parent, wxID_ANY, "Check Layout", wxDefaultPosition, wxSize(860, 460),
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER, kWindowName),
      session_(session), canvas_(canvas)
{
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    summary_ = new wxStaticText(this, wxID_ANY, "");
    sizer->Add(summary_, 0, wxEXPAND | wxALL, kBorder);

    list_ = new wxListCtrl(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxLC_REPORT | wxLC_SINGLE_SEL,
                           wxDefaultValidator, "findings");
    list_->AppendColumn("Finding", wxLIST_FORMAT_LEFT, 110);
    list_->AppendColumn("Where", wxLIST_FORMAT_LEFT, 150);
    list_->AppendColumn("Details", wxLIST_FORMAT_LEFT, 520);
    sizer->Add(list_, 1, wxEXPAND | wxLEFT | wxRIGHT, kBorder);
    // The chosen row in full: the list's columns cut long details short.
    details_ = new wxStaticText(this, wxID_ANY, "", wxDefaultPosition, wxSize(-1, 36), wxST_NO_AUTORESIZE, "details");
    sizer->Add(details_, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, kBorder);

    const Headroom defaults;
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticText(this, wxID_ANY, "Headroom above the rail (mm):"), 0, wxALIGN_CENTER_VERTICAL);
    auto spin = [&](const char* label, const char* name, double value) {
        row->Add(new wxStaticText(this, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 10);
        auto* control = new wxSpinCtrlDouble(this, wxID_ANY, "", wxDefaultPosition, wxSize(90, -1), wxSP_ARROW_KEYS,
                                             0.0, kMaxHeadroom, value, 1.0, name);
        control->SetDigits(1);
        row->Add(control, 0, wxLEFT, 4);
        control->Bind(wxEVT_SPINCTRLDOUBLE, &LayoutCheckDialog::onHeadroom, this);
        return control;
    };
    h0_ = spin("H0", "headroomH0", defaults.h0);
    n_ = spin("N", "headroomN", defaults.n);
    z_ = spin("Z", "headroomZ", defaults.z);
    row->AddStretchSpacer();
    auto* again = new wxButton(this, wxID_ANY, "Check Again");
    row->Add(again, 0, wxLEFT, 10);
    auto* closeButton = new wxButton(this, wxID_CLOSE, "Close");
    row->Add(closeButton, 0, wxLEFT, 4);
    sizer->Add(row, 0, wxEXPAND | wxALL, kBorder);
    SetSizer(sizer);
    SetEscapeId(wxID_CLOSE);

    list_->Bind(wxEVT_LIST_ITEM_SELECTED, &LayoutCheckDialog::onSelected, this);
    again->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { recheck(); });
    closeButton->Bind(wxEVT_BUTTON, &LayoutCheckDialog::onCloseButton, this);
    Bind(wxEVT_CLOSE_WINDOW, &LayoutCheckDialog::onClose, this);
    subscription_ = session_.subscribe([this](const Changes& changes) { onSessionChanged(changes); });
    recheck();
    CentreOnParent();
}

void LayoutCheckDialog::recheck()
{
    const GapReport report = buildGapReport(session_.layout(), headroom());
    findings_ = gapFindings(session_.layout(), report);
    canvas_.clearSpots();
    summary_->SetLabel(text(gapSummary(report)));
    details_->SetLabel("");
    list_->Freeze();
    list_->DeleteAllItems();
    for (size_t i = 0; i < findings_.size(); ++i) {
        const GapFinding& f = findings_[i];
        const long item = list_->InsertItem(static_cast<long>(i), text(f.kind));
        list_->SetItem(item, 1, text(f.where));
        list_->SetItem(item, 2, text(f.details));
    }
    list_->Thaw();
}

Headroom LayoutCheckDialog::headroom() const
{
    Headroom h;
    h.h0 = h0_->GetValue();
    h.n = n_->GetValue();
    h.z = z_->GetValue();
    return h;
}

void LayoutCheckDialog::onSelected(wxListEvent& event)
{
    const long row = event.GetIndex();
    if (row < 0 || row >= static_cast<long>(findings_.size()))
        return;
    const GapFinding& f = findings_[static_cast<size_t>(row)];
    details_->SetLabel(text(f.kind + " at " + f.where + ": " + f.details));
    details_->Wrap(details_->GetClientSize().x);
    canvas_.showSpots(f.spots, f.area);
}

void LayoutCheckDialog::onHeadroom(wxSpinDoubleEvent&) { recheck(); }

void LayoutCheckDialog::onSessionChanged(const Changes& changes)
{
    if (changes.content || changes.levels)
        recheck();
}

void LayoutCheckDialog::onCloseButton(wxCommandEvent&) { close(); }

void LayoutCheckDialog::onClose(wxCloseEvent&) { close(); }

void LayoutCheckDialog::close()
{
    subscription_.reset();
    canvas_.clearSpots();
    Destroy();
}

} // namespace layrail
