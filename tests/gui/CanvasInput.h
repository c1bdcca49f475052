#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/event.h>
#include <wx/gdicmn.h>

#include "catalog/Geometry.h"
#include "catalog/TrackTypes.h"
#include "document/Layout.h"

namespace layrail {

class CanvasPanel;
class MainFrame;

namespace gui {

// Modifier keys held during a synthesized mouse or key event.
struct Held {
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

// A mouse event with modifiers and the left button state, delivered to the canvas's handlers.
// Presses and releases carry their own button state; motion carries `leftDown`.
void mouseAt(CanvasPanel& canvas, wxEventType type, wxPoint pixel, Held held = {}, bool leftDown = false,
             int wheelRotation = 0);
// Press, motion in steps with the button held, release.
void leftDrag(CanvasPanel& canvas, wxPoint from, wxPoint to, Held held = {}, int steps = 4);
void keyDown(CanvasPanel& canvas, int keyCode, Held held = {});

// The window pixel of a world point and of a connector of a placed piece.
wxPoint pixelOf(const CanvasPanel& canvas, Point world);
Connector connectorOf(const Layout& layout, int pieceId, int connector);
wxPoint connectorPixel(const CanvasPanel& canvas, const Layout& layout, int pieceId, int connector);

// The real pointer, moved and clicked through the window system (XTest under Xvfb).
class RealMouse {
public:
    explicit RealMouse(CanvasPanel& canvas) : canvas_(canvas) {}
    void moveTo(wxPoint canvasPixel);
    void click(int button = wxMOUSE_BTN_LEFT);
    void press(int button = wxMOUSE_BTN_LEFT);
    void releaseButton(int button = wxMOUSE_BTN_LEFT);
    // Moves in a few steps, as a hand does, so the canvas sees motion on the way.
    void glideTo(wxPoint canvasPixel, int steps = 4);

private:
    CanvasPanel& canvas_;
    wxPoint last_{-1, -1};
};

// Every connector of the layout that has no partner: "piece:connector" texts, in layout order.
std::vector<std::string> openConnectors(const Layout& layout);

// The id of the piece added last.
int lastPieceId(const Layout& layout);

// A shown main window with one visible level, its canvas at zoom 1 with the origin at (100, 300).
class CanvasEditTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CanvasPanel& canvas();
    Layout& layout();
    std::string status(int field) const;
    std::string title() const;

    MainFrame* frame = nullptr;
};

} // namespace gui
} // namespace layrail
