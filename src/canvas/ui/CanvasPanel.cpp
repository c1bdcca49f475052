#include "canvas/ui/CanvasPanel.h"

#include <exception>

#include <wx/dcbuffer.h>
#include <wx/dcgraph.h>
#include <wx/msgdlg.h>

#include "canvas/CanvasStatus.h"
#include "canvas/Placement.h"
#include "canvas/Rulers.h"
#include "document/History.h"
#include "render/Renderer.h"
#include "render/ui/WxDrawTarget.h"

namespace layrail {

namespace {

long iconStyle(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Warning:
        return wxICON_WARNING;
    case MessageIcon::Question:
        return wxICON_QUESTION;
    default:
        return wxICON_INFORMATION;
    }
}

} // namespace

CanvasPanel::CanvasPanel(wxWindow* parent, Session& session, CanvasHost& host)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
              wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE | wxNO_BORDER),
      session_(session), host_(host), flashTimer_(this)
{
    subscription_ = session_.subscribe([this](const Changes& changes) { onSessionChanged(changes); });

    // Every pixel is painted by the renderer, on every paint and after every resize.
    SetBackgroundStyle(wxBG_STYLE_PAINT);

    Bind(wxEVT_PAINT, &CanvasPanel::onPaint, this);
    Bind(wxEVT_MOUSEWHEEL, &CanvasPanel::onMouseWheel, this);
    Bind(wxEVT_MIDDLE_DOWN, &CanvasPanel::onMiddleDown, this);
    Bind(wxEVT_MIDDLE_UP, &CanvasPanel::onMiddleUp, this);
    Bind(wxEVT_LEFT_DOWN, &CanvasPanel::onLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CanvasPanel::onLeftUp, this);
    Bind(wxEVT_LEFT_DCLICK, &CanvasPanel::onLeftDoubleClick, this);
    Bind(wxEVT_RIGHT_DOWN, &CanvasPanel::onRightDown, this);
    Bind(wxEVT_MOTION, &CanvasPanel::onMotion, this);
    Bind(wxEVT_KEY_DOWN, &CanvasPanel::onKeyDown, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CanvasPanel::onCaptureLost, this);
    Bind(wxEVT_TIMER, &CanvasPanel::onFlashTimer, this, flashTimer_.GetId());
}

CanvasPanel::~CanvasPanel() { flashTimer_.Stop(); }

void CanvasPanel::onSessionChanged(const Changes& changes)
{
    // A new file or modified mark changes nothing on the plan.
    if (changes.content || changes.selection || changes.levels || changes.units || changes.view)
        Refresh();
}

Point CanvasPanel::toWorld(wxPoint pixel) const { return {view_.toWorldX(pixel.x), view_.toWorldY(pixel.y)}; }

void CanvasPanel::zoomCentre(double factor)
{
    const wxSize size = GetClientSize();
    view_.zoomCentre(factor, size.x, size.y);
    Refresh();
}

void CanvasPanel::zoomToFit(bool ignoreOutlines)
{
    const wxSize size = GetClientSize();
    view_.zoomToFit(layout(), ignoreOutlines, size.x, size.y);
    Refresh();
}

void CanvasPanel::resetView()
{
    view_.reset();
    Refresh();
}

void CanvasPanel::zoomActual()
{
    view_.zoomActual();
    Refresh();
}

void CanvasPanel::paintCanvas(wxGCDC& dc)
{
    const wxSize size = GetClientSize();
    WxDrawTarget target(dc);
    renderLayout(layout(), target, view_, size.x, size.y, switchedOptions(layout()));
    drawRulers(target, view_, layout().units, size.x, size.y);
    paintResizeHandles(target);
    updateElevationStatus();
    paintOverlays(target);
}

void CanvasPanel::updateElevationStatus()
{
    const std::string current = host_.statusText(StatusField::Prompt);
    const std::string wanted = elevationStatusText(layout(), current);
    // Setting an unchanged text would repaint the status bar on every canvas paint.
    if (wanted != current)
        host_.setStatusText(StatusField::Prompt, wanted);
}

void CanvasPanel::onPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC buffered(this);
    try {
        wxGCDC dc(buffered);
        paintCanvas(dc);
    } catch (const std::exception& failure) {
        host_.logLine(std::string("Canvas paint: ") + failure.what());
    }
}

void CanvasPanel::beginPaletteDrag(const std::string& article)
{
    guarded([&] {
        if (!layrail::beginPaletteDrag(placement_, article, view_))
            return;
        SetFocus();
        capture();
        Refresh();
    });
}

void CanvasPanel::beginSceneryDrag(const std::string& itemId)
{
    guarded([&] {
        if (!layrail::beginSceneryDrag(placement_, itemId, view_))
            return;
        SetFocus();
        capture();
        Refresh();
    });
}

void CanvasPanel::beginHelixPlacement(const std::string& kitId)
{
    guarded([&] {
        if (!layrail::beginHelixPlacement(placement_, kitId, view_))
            return;
        SetFocus();
        capture();
        Refresh();
    });
}

void CanvasPanel::autoConnectArticle(const std::string& article)
{
    guarded([&] { applyResult(autoConnect(layout(), article)); });
}

void CanvasPanel::cancelDrag()
{
    layrail::cancelDrag(placement_);
    release();
    Refresh();
}

bool CanvasPanel::takeLabelDropPoint(Point& point)
{
    if (!hasLabelDropPoint_)
        return false;
    point = labelDropPoint_;
    hasLabelDropPoint_ = false;
    return true;
}

void CanvasPanel::applyResult(const EditResult& result)
{
    if (!result.message.empty())
        showMessage(result.message);
    if (result.zoomActual)
        view_.zoomActual();
    if (result.swallowNextPress) {
        swallowNextPress_ = true;
        // Only the press that belongs to the same double-click is swallowed.
        swallowUntil_ = wxGetUTCTimeMillis() + 500;
    }
    if (!result.status.empty())
        host_.setStatusText(StatusField::Pieces, result.status);
    session_.commit(result.changes);
    Refresh();
}

void CanvasPanel::selectionChanged()
{
    session_.commit(Changes::ofSelection());
    Refresh();
}

void CanvasPanel::showMessage(const EditMessage& message)
{
    release();
    wxMessageBox(wxString::FromUTF8(message.text), wxString::FromUTF8(message.title), wxOK | iconStyle(message.icon),
                 wxGetTopLevelParent(this));
}

bool CanvasPanel::askYesNo(const EditMessage& question)
{
    release();
    return wxMessageBox(wxString::FromUTF8(question.text), wxString::FromUTF8(question.title),
                        wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION, wxGetTopLevelParent(this)) == wxYES;
}

void CanvasPanel::guarded(const std::function<void()>& body)
{
    try {
        body();
    } catch (const std::exception& failure) {
        abandonDrags();
        host_.logLine(std::string("Canvas: ") + failure.what());
    } catch (...) {
        abandonDrags();
        host_.logLine("Canvas: unknown failure");
    }
}

void CanvasPanel::abandonDrags()
{
    // A drag that failed half-way is undone as a whole: its pieces may stand where their joints
    // no longer meet.
    const bool recorded = move_.recorded || rotate_.active || labelDrag_.recorded;
    layrail::cancelDrag(placement_);
    cancelMove(move_);
    endRotateDrag(rotate_);
    flashTimer_.Stop();
    rubberBand_ = false;
    labelDrag_ = LabelDrag{};
    if (toolDragActive())
        tool_.reset();
    if (panning_ != PanButton::None)
        endPan();
    release();
    if (recorded && layrail::undo(layout())) {
        // Nobody may redo into the broken state.
        layout().redoStack.pop_back();
        try {
            session_.commit(Changes::ofEdit());
        } catch (const std::exception& failure) {
            host_.logLine(std::string("Canvas: ") + failure.what());
        } catch (...) {
            host_.logLine("Canvas: unknown failure");
        }
    }
    Refresh();
}

void CanvasPanel::capture()
{
    if (!HasCapture())
        CaptureMouse();
}

void CanvasPanel::release()
{
    if (HasCapture())
        ReleaseMouse();
}

void CanvasPanel::onCaptureLost(wxMouseCaptureLostEvent&)
{
    // Another window took the mouse (a message box, the window manager).
    finishDrags();
}

void CanvasPanel::finishDrags()
{
    // A moved or turned selection is joined where it stands and committed. The rubber band selects
    // nothing; the palette ghost keeps following the pointer; a drag of a shape, a line, an outline
    // or a handle ends where the pointer was last seen.
    guarded([&] {
        rubberBand_ = false;
        if (panning_ != PanButton::None)
            endPan();
        if (toolDragActive())
            finishToolDrag(lastToolPointer_);
        finishLeftDrags(wxPoint());
    });
    Refresh();
}

void CanvasPanel::onFlashTimer(wxTimerEvent&)
{
    endRotateFlash(rotate_);
    Refresh();
}

} // namespace layrail
