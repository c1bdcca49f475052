#include "view3d/ui/View3DFrame.h"

#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace layrail {

namespace {

const char* const kTitle = "3D View - Layrail";
const char* const kHelp = "Left drag: rotate  |  Right drag: pan  |  Scroll: zoom  |  R: reset view";
const char* const kNoOpenGL = "The 3D view needs OpenGL, which is not available on this display.";

} // namespace

View3DFrame::View3DFrame(wxWindow* parent, const layrail::Layout& layout)
    : View3DFrame(parent, [&layout]() -> const layrail::Layout& { return layout; })
{
}

View3DFrame::View3DFrame(wxWindow* parent, TrackGLCanvas::LayoutSource layout)
    : wxFrame(parent, wxID_ANY, kTitle, wxDefaultPosition, wxSize(1000, 700),
              wxDEFAULT_FRAME_STYLE | wxFRAME_FLOAT_ON_PARENT)
{
    CreateStatusBar(1);
    SetStatusText(kHelp);

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    wxGLAttributes attributes;
    if (TrackGLCanvas::chooseAttributes(attributes)) {
        canvas_ = new TrackGLCanvas(this, attributes, std::move(layout));
        if (!canvas_->hasContext()) {
            canvas_->Destroy();
            canvas_ = nullptr;
        }
    }
    if (canvas_ != nullptr)
        sizer->Add(canvas_, 1, wxEXPAND);
    SetSizer(sizer);
    if (canvas_ == nullptr)
        showUnavailable();

    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
        if (closed_) {
            auto handler = std::move(closed_);
            closed_ = nullptr;
            handler();
        }
        event.Skip();
    });

    Maximize();
    Show();
}

void View3DFrame::showUnavailable()
{
    auto* panel = new wxPanel(this);
    auto* text = new wxStaticText(panel, wxID_ANY, kNoOpenGL);
    auto* inner = new wxBoxSizer(wxVERTICAL);
    inner->AddStretchSpacer();
    inner->Add(text, 0, wxALIGN_CENTER_HORIZONTAL | wxALL, 20);
    inner->AddStretchSpacer();
    panel->SetSizer(inner);
    GetSizer()->Add(panel, 1, wxEXPAND);
}

void View3DFrame::markStale()
{
    if (canvas_ != nullptr)
        canvas_->markStale();
}

void View3DFrame::rebuildAndRaise()
{
    if (IsIconized())
        Iconize(false);
    if (!IsShown())
        Show();
    markStale();
    Raise();
}

} // namespace layrail
