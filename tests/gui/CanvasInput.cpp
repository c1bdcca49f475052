#include "CanvasInput.h"

#include <cmath>

#include <wx/statusbr.h>
#include <wx/uiaction.h>

#include "GuiTestSupport.h"
#include "app/ui/MainFrame.h"
#include "canvas/ui/CanvasPanel.h"
#include "catalog/TrackCatalog.h"
#include "document/WorldConnectors.h"

namespace layrail {
namespace gui {

namespace {

// Enough loop turns for an XTest event to come back from the server and be handled.
constexpr int kRealEventRounds = 6;

} // namespace

void mouseAt(CanvasPanel& canvas, wxEventType type, wxPoint pixel, Held held, bool leftDown, int wheelRotation)
{
    wxMouseEvent event(type);
    event.SetEventObject(&canvas);
    event.SetId(canvas.GetId());
    event.m_x = pixel.x;
    event.m_y = pixel.y;
    event.m_controlDown = held.ctrl;
    event.m_shiftDown = held.shift;
    event.m_altDown = held.alt;
    event.m_leftDown = type == wxEVT_LEFT_DOWN || type == wxEVT_LEFT_DCLICK || (type == wxEVT_MOTION && leftDown);
    event.m_rightDown = type == wxEVT_RIGHT_DOWN;
    if (type == wxEVT_MOUSEWHEEL) {
        event.m_wheelRotation = wheelRotation;
        event.m_wheelDelta = 120;
        event.m_linesPerAction = 3;
    }
    canvas.GetEventHandler()->ProcessEvent(event);
}

void leftDrag(CanvasPanel& canvas, wxPoint from, wxPoint to, Held held, int steps)
{
    mouseAt(canvas, wxEVT_LEFT_DOWN, from, held);
    for (int i = 1; i <= steps; ++i) {
        const wxPoint at(from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps);
        mouseAt(canvas, wxEVT_MOTION, at, held, true);
    }
    mouseAt(canvas, wxEVT_LEFT_UP, to, held);
}

void keyDown(CanvasPanel& canvas, int keyCode, Held held)
{
    wxKeyEvent key(wxEVT_KEY_DOWN);
    key.m_keyCode = keyCode;
    key.m_controlDown = held.ctrl;
    key.m_shiftDown = held.shift;
    key.m_altDown = held.alt;
    key.SetEventObject(&canvas);
    canvas.GetEventHandler()->ProcessEvent(key);
}

wxPoint pixelOf(const CanvasPanel& canvas, Point world)
{
    // The nearest pixel, so the world point under it is off by at most half a pixel.
    return wxPoint(static_cast<int>(std::lround(canvas.view().zoom * world.x + canvas.view().panX)),
                   static_cast<int>(std::lround(canvas.view().zoom * world.y + canvas.view().panY)));
}

Connector connectorOf(const Layout& layout, int pieceId, int connector)
{
    const PlacedPiece& piece = *layout.findPiece(pieceId);
    return worldConnectors(piece, *TrackCatalog::instance().find(piece.article))[static_cast<size_t>(connector)];
}

wxPoint connectorPixel(const CanvasPanel& canvas, const Layout& layout, int pieceId, int connector)
{
    const Connector c = connectorOf(layout, pieceId, connector);
    return pixelOf(canvas, {c.x, c.y});
}

void RealMouse::moveTo(wxPoint canvasPixel)
{
    wxUIActionSimulator sim;
    sim.MouseMove(canvas_.ClientToScreen(canvasPixel));
    last_ = canvasPixel;
    pumpEvents(kRealEventRounds);
}

void RealMouse::glideTo(wxPoint canvasPixel, int steps)
{
    const wxPoint from = last_ == wxPoint(-1, -1) ? canvasPixel : last_;
    for (int i = 1; i <= steps; ++i)
        moveTo(wxPoint(from.x + (canvasPixel.x - from.x) * i / steps, from.y + (canvasPixel.y - from.y) * i / steps));
}

void RealMouse::click(int button)
{
    press(button);
    releaseButton(button);
}

void RealMouse::press(int button)
{
    wxUIActionSimulator sim;
    sim.MouseDown(button);
    pumpEvents(kRealEventRounds);
}

void RealMouse::releaseButton(int button)
{
    wxUIActionSimulator sim;
    sim.MouseUp(button);
    pumpEvents(kRealEventRounds);
}

std::vector<std::string> openConnectors(const Layout& layout)
{
    std::vector<std::string> open;
    for (const PlacedPiece& piece : layout.pieces) {
        const CatalogPiece* cat = TrackCatalog::instance().find(piece.article);
        if (cat == nullptr)
            continue;
        for (int c = 0; c < static_cast<int>(cat->connectors.size()); ++c)
            if (piece.isOpen(c))
                open.push_back(std::to_string(piece.id) + ":" + std::to_string(c));
    }
    return open;
}

int lastPieceId(const Layout& layout) { return layout.pieces.empty() ? -1 : layout.pieces.back().id; }

void CanvasEditTest::SetUp()
{
    frame = createMainFrame();
    canvas().view().zoom = 1.0;
    canvas().view().panX = 100.0;
    canvas().view().panY = 300.0;
}

void CanvasEditTest::TearDown()
{
    EXPECT_LAYOUT_CONSISTENT(layout());
    EXPECT_FALSE(canvas().HasCapture());
    if (canvas().HasCapture())
        canvas().ReleaseMouse();
    destroyMainFrame(frame);
}

CanvasPanel& CanvasEditTest::canvas() { return *frame->canvas(); }

Layout& CanvasEditTest::layout() { return frame->layout(); }

std::string CanvasEditTest::status(int field) const { return frame->GetStatusBar()->GetStatusText(field).utf8_string(); }

std::string CanvasEditTest::title() const { return frame->GetTitle().utf8_string(); }

} // namespace gui
} // namespace layrail
