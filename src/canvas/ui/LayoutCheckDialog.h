#pragma once

#include <vector>

#include <wx/dialog.h>

#include "canvas/GapFindings.h"
#include "canvas/GapReport.h"
#include "document/Session.h"

class wxListCtrl;
class wxListEvent;
class wxSpinCtrlDouble;
class wxSpinDoubleEvent;
class wxStaticText;

namespace layrail {

class CanvasPanel;

// "Check Layout": a list of what the layout would trip over (near misses and gaps with the fill
// that closes them, low crossings, steep grades, open ends). Choosing a row zooms the plan to the
// spot and marks it. It stays open beside the plan and checks again after every change of the
// layout or of the headroom the trains need. Its list is named "findings", the headroom fields
// "headroomH0", "headroomN" and "headroomZ", the text under it that shows the chosen row in full
// "details".
class LayoutCheckDialog : public wxDialog {
public:
    // The window name the main window finds an open one by.
    static constexpr const char* kWindowName = "layoutCheck";

    LayoutCheckDialog(wxWindow* parent, Session& session, CanvasPanel& canvas);

    // Runs the check again on the layout as it is now; the plan's marks go.
    void recheck();
    const std::vector<GapFinding>& findings() const { return findings_; }
    Headroom headroom() const;

private:
    void onSelected(wxListEvent& event);
    void onHeadroom(wxSpinDoubleEvent& event);
    void onClose(wxCloseEvent& event);
    void onCloseButton(wxCommandEvent& event);
    void onSessionChanged(const Changes& changes);
    void close();

    Session& session_;
    CanvasPanel& canvas_;
    Session::Subscription subscription_;
    wxStaticText* summary_ = nullptr;
    wxListCtrl* list_ = nullptr;
    wxStaticText* details_ = nullptr;
    wxSpinCtrlDouble* h0_ = nullptr;
    wxSpinCtrlDouble* n_ = nullptr;
    wxSpinCtrlDouble* z_ = nullptr;
    std::vector<GapFinding> findings_;
};

} // namespace layrail
