#pragma once

#include <functional>
#include <string>

#include <wx/panel.h>
#include <wx/timer.h>

#include "canvas/Clipboard.h"
#include "canvas/Move.h"
#include "canvas/PlacementDrag.h"
#include "canvas/Rotate.h"
#include "canvas/ToolMode.h"
#include "document/EditResult.h"
#include "document/Layout.h"
#include "render/CanvasView.h"

class wxGCDC;

namespace layrail {

class MainFrame;
class DrawTarget;

// The plan view of the layout: paints it through the renderer with the canvas's own overlays,
// lays and edits track with the mouse and keyboard, zooms with the wheel, pans with the middle
// button and reports the pointer position in the status bar.
class CanvasPanel : public wxPanel {
public:
    CanvasPanel(wxWindow* parent, MainFrame& frame);
    ~CanvasPanel() override;

    CanvasView& view() { return view_; }
    const CanvasView& view() const { return view_; }

    void zoomCentre(double factor);
    void zoomToFit(bool ignoreOutlines);
    void resetView();
    void zoomActual();

    ToolMode toolMode() const { return toolMode_; }
    // Also sets the cursor the mode works with.
    void setToolMode(ToolMode mode);

    bool isPanning() const { return panning_ != PanButton::None; }

    // Palette entry points: start carrying a ghost of the article or scenery item under the
    // pointer, place the article against the selected piece's open end, or drop whatever is
    // being carried.
    void beginPaletteDrag(const std::string& article);
    void beginSceneryDrag(const std::string& itemId);
    void autoConnectArticle(const std::string& article);
    void cancelDrag();

    // Delete and Backspace on the canvas and Edit > Delete: the locks, the graded-track question,
    // then the removal.
    void deleteSelection();
    // The context menu's commands; paste lays the clipboard around a window point.
    void copySelection();
    void pasteAt(wxPoint pixel);
    void autofillGap();

    // What the canvas is carrying or dragging, for the panes around it.
    const PlacementState& placement() const { return placement_; }
    const MoveDrag& moveDrag() const { return move_; }
    const RotateDrag& rotateDrag() const { return rotate_; }
    bool rubberBandActive() const { return rubberBand_; }
    const Clipboard& clipboard() const { return clipboard_; }
    // The point of the last Ctrl+left press on empty canvas, handed out once for the next label.
    bool takeLabelDropPoint(Point& point);

    // Everything the canvas shows, in paint order, onto an anti-aliasing context of the client size.
    void paintCanvas(wxGCDC& dc);

private:
    enum class PanButton { None, Left, Middle };

    layrail::Layout& layout();

    void onPaint(wxPaintEvent& event);
    void onMouseWheel(wxMouseEvent& event);
    void onMiddleDown(wxMouseEvent& event);
    void onMiddleUp(wxMouseEvent& event);
    void onLeftDown(wxMouseEvent& event);
    void onLeftUp(wxMouseEvent& event);
    void onLeftDoubleClick(wxMouseEvent& event);
    void onRightDown(wxMouseEvent& event);
    void onMotion(wxMouseEvent& event);
    void onKeyDown(wxKeyEvent& event);
    void onCaptureLost(wxMouseCaptureLostEvent& event);
    void onFlashTimer(wxTimerEvent& event);

    // Left press, tried in order; each returns true when it took the press.
    bool pressDropsCarriedItem();
    bool pressOnLabel(wxPoint pixel);
    bool pressOnPieceAt(const wxMouseEvent& event);
    bool pressOnSceneryAt(const wxMouseEvent& event);
    void pressOnEmptyCanvas(const wxMouseEvent& event);

    // Left release: ends whichever left-button drag is active.
    bool leftDragActive() const;
    void finishLeftDrags(wxPoint pixel);
    // Motion during a drag: the ghost, a move, a rotation, a label or the rubber band follows.
    void dragMotion(const wxMouseEvent& event);
    void startPendingMove(wxPoint pixel);
    void moveLabel(wxPoint pixel);
    void rotateMotion(wxPoint pixel);

    void showContextMenu(wxPoint pixel);
    void showPasteMenu(wxPoint pixel);

    void paintOverlays(DrawTarget& target);
    void paintRubberBand(DrawTarget& target);
    void paintPaletteGhost(DrawTarget& target);
    void paintSceneryGhost(DrawTarget& target);
    void paintRotationReadout(DrawTarget& target);

    // The window's part of every edit: message, status, modified mark, properties, repaint.
    void applyResult(const EditResult& result);
    void showMessage(const EditMessage& message);
    bool askYesNo(const EditMessage& question);
    void refreshProperties();
    // The selection changed without an edit: the properties panel follows, the canvas repaints.
    void selectionChanged();
    // Runs a handler body; a failure inside ends every drag instead of leaving the handler.
    void guarded(const std::function<void()>& body);
    void abandonDrags();

    int pieceUnder(wxPoint pixel);
    bool anythingToRotate();
    Point toWorld(wxPoint pixel) const;

    void showPointerPosition(wxPoint pixel);
    void updateElevationStatus();
    void beginPan(wxPoint pixel, PanButton button);
    void panTo(wxPoint pixel);
    void endPan();
    void capture();
    void release();
    void restoreCursor();

    MainFrame& frame_;
    CanvasView view_;
    ToolMode toolMode_ = ToolMode::None;

    PlacementState placement_;
    MoveDrag move_;
    RotateDrag rotate_;
    Clipboard clipboard_;
    wxTimer flashTimer_;

    bool rubberBand_ = false;
    wxPoint bandStart_;
    wxPoint bandEnd_;

    int labelDrag_ = -1;
    Point labelGrab_; // mouse minus label position at the press, mm
    bool labelMoved_ = false;

    bool swallowNextPress_ = false;
    wxLongLong swallowUntil_ = 0;

    bool hasLabelDropPoint_ = false;
    Point labelDropPoint_;

    PanButton panning_ = PanButton::None;
    wxPoint panPress_;
    double panXAtPress_ = 0.0;
    double panYAtPress_ = 0.0;
};

} // namespace layrail
