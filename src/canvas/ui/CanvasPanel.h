#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <wx/panel.h>
#include <wx/timer.h>

#include "canvas/CanvasHost.h"
#include "canvas/Clipboard.h"
#include "canvas/LabelDrag.h"
#include "canvas/Move.h"
#include "canvas/PlacementDrag.h"
#include "canvas/Rotate.h"
#include "canvas/SpotHighlight.h"
#include "canvas/ToolMode.h"
#include "canvas/tools/CanvasTool.h"
#include "document/EditResult.h"
#include "document/Layout.h"
#include "document/Session.h"
#include "render/CanvasView.h"

class wxGCDC;

namespace layrail {

class DrawTarget;

// The plan view of the layout: paints it through the renderer with the canvas's own overlays,
// lays and edits track with the mouse and keyboard, zooms with the wheel, pans with the middle
// button and reports the pointer position in the status bar.
//
// Every edit goes to the session as one commit; the canvas repaints when the session announces a
// change, whoever made it. It knows the window around it only as a CanvasHost.
class CanvasPanel : public wxPanel {
public:
    CanvasPanel(wxWindow* parent, Session& session, CanvasHost& host);
    ~CanvasPanel() override;

    CanvasView& view() { return view_; }
    const CanvasView& view() const { return view_; }

    void zoomCentre(double factor);
    void zoomToFit(bool ignoreOutlines);
    void resetView();
    void zoomActual();

    // The drawing tool the toolbar or the baseboard dialog chose; None for plain editing (the drags
    // of shapes, dimension lines, level outlines and resize handles included).
    ToolMode toolMode() const;
    // Starts the mode's tool (None: plain editing) and sets the cursor the tool works with.
    void setToolMode(ToolMode mode);
    // Leaves the measuring, polygon or outline tool (mode 0, normal cursor) and tells the host.
    void endToolMode();
    // The tool that has the mouse now: the drawing tool, or the drag under way; null for neither.
    const CanvasTool* activeTool() const { return tool_.get(); }

    bool isPanning() const { return panning_ != PanButton::None; }

    // Palette entry points: start carrying a ghost of the article, scenery item or helix kit under
    // the pointer, place the article against the selected piece's open end, or drop whatever is
    // being carried.
    void beginPaletteDrag(const std::string& article);
    void beginSceneryDrag(const std::string& itemId);
    void beginHelixPlacement(const std::string& kitId);
    void autoConnectArticle(const std::string& article);
    void cancelDrag();
    // Ends every button drag as a release would, so a command given with the button still held
    // (Undo, Delete, Open...) finds the drag committed and undoable as a whole; the rest of the
    // gesture then drags nothing.
    void finishDrags();

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

    // Marks spots over the plan (the two ends of a gap, a crossing) and shows the area around them,
    // until clearSpots.
    void showSpots(const std::vector<Point>& spots, const PlanArea& area);
    void clearSpots();
    const std::vector<Point>& spots() const { return spots_; }

private:
    enum class PanButton { None, Left, Middle };

    layrail::Layout& layout() { return session_.layout(); }

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

    // The active tool (CanvasTools.cpp). A drawing tool takes every press until it ends; the drags of
    // plain editing take the press their rule wants and give the mouse back at the release.
    ToolPointer toolPointer(wxPoint pixel, bool shift = false, bool ctrl = false, bool alt = false) const;
    ToolPointer toolPointer(const wxMouseEvent& event) const;
    bool drawingToolActive() const;
    bool toolDragActive() const;
    bool pressOnTool(const wxMouseEvent& event);
    bool pressOnLevelOutline(const wxMouseEvent& event);
    bool startToolDrag(std::unique_ptr<CanvasTool> tool, const ToolPointer& pointer);
    bool toolMotion(const wxMouseEvent& event);
    void finishToolDrag(const ToolPointer& pointer);
    bool toolKey(int keyCode);
    void applyToolResult(const EditResult& result);
    void dropTool();
    // A double-click on something that is not a piece: "Resize Scenery" or "Shape Properties".
    void doubleClickOnItem(const wxMouseEvent& event);
    void editSceneryScale(int itemId);
    void editShapeProperties(int shapeId);
    void paintToolOverlay(DrawTarget& target);
    void paintResizeHandles(DrawTarget& target);
    void showCursor(ToolCursor cursor);
    void updateHoverCursor(wxPoint pixel);

    // Left press, tried in order; each returns true when it took the press.
    bool pressDropsCarriedItem();
    bool pressOnLabel(wxPoint pixel);
    bool pressOnPieceAt(const wxMouseEvent& event);
    bool pressOnSceneryAt(const wxMouseEvent& event);
    void pressOnEmptyCanvas(const wxMouseEvent& event);

    // Left release: ends whichever left-button drag is active.
    bool leftDragActive() const;
    // A move (pending or under way), a rotation or a label drag holds the selection.
    bool selectionDragActive() const;
    void finishLeftDrags(wxPoint pixel);
    // Motion during a drag: the ghost, a move, a rotation, a label or the rubber band follows.
    void dragMotion(const wxMouseEvent& event);
    void startPendingMove(wxPoint pixel);
    void rotateMotion(wxPoint pixel);

    void showContextMenu(wxPoint pixel);
    void showPasteMenu(wxPoint pixel);

    void paintOverlays(DrawTarget& target);
    void paintRubberBand(DrawTarget& target);
    void paintPaletteGhost(DrawTarget& target);
    void paintSceneryGhost(DrawTarget& target);
    void paintRotationReadout(DrawTarget& target);

    // The window's part of every edit: message, status and view, then the commit.
    void applyResult(const EditResult& result);
    // Message boxes belong to the top-level window.
    void showMessage(const EditMessage& message);
    bool askYesNo(const EditMessage& question);
    // The selection changed without an edit: committed, so the properties panel follows.
    void selectionChanged();
    void onSessionChanged(const Changes& changes);
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

    Session& session_;
    CanvasHost& host_;
    Session::Subscription subscription_;
    CanvasView view_;

    std::unique_ptr<CanvasTool> tool_;
    ToolPointer lastToolPointer_;
    ToolCursor cursorShown_ = ToolCursor::Normal;

    PlacementState placement_;
    MoveDrag move_;
    RotateDrag rotate_;
    Clipboard clipboard_;
    wxTimer flashTimer_;

    bool rubberBand_ = false;
    wxPoint bandStart_;
    wxPoint bandEnd_;

    LabelDrag labelDrag_;
    // "Move anyway?" answered Yes: graded selections move without asking for the rest of the run.
    bool gradedMoveConfirmed_ = false;

    bool swallowNextPress_ = false;
    wxLongLong swallowUntil_ = 0;

    bool hasLabelDropPoint_ = false;
    Point labelDropPoint_;
    // The pan under way began with a Ctrl+press on empty canvas, which chose the label point.
    bool labelClick_ = false;

    std::vector<Point> spots_;

    PanButton panning_ = PanButton::None;
    wxPoint panPress_;
    double panXAtPress_ = 0.0;
    double panYAtPress_ = 0.0;
};

} // namespace layrail
