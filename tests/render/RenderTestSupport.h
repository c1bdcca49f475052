#pragma once

#include <cmath>
#include <string>

#include "RecordingTarget.h"
#include "support/EditTestSupport.h"
#include "document/Layout.h"
#include "render/CanvasView.h"
#include "render/RenderColours.h"
#include "render/Renderer.h"

namespace layrail::testing {

constexpr int kWidth = 1400;
constexpr int kHeight = 900;

// One pixel per millimetre, origin at (60, 60).
inline CanvasView unitView()
{
    CanvasView view;
    view.zoom = 1.0;
    return view;
}

using edittest::catalogPiece;
using edittest::level;

inline Layout emptyLayout()
{
    Layout layout = edittest::withLevel();
    layout.gridOn = false;
    // Tests hold references to pieces while adding more.
    layout.pieces.reserve(64);
    return layout;
}

inline PlacedPiece& addPiece(Layout& layout, const std::string& article, double x, double y, double heading = 0.0)
{
    edittest::lay(layout, article, x, y, heading);
    return layout.pieces.back();
}

inline RecordingTarget render(const Layout& layout, const CanvasView& view = unitView())
{
    RecordingTarget target;
    renderLayout(layout, target, view, kWidth, kHeight, switchedOptions(layout));
    return target;
}

inline bool near(PixelPoint p, double x, double y) { return std::fabs(p.x - x) < 1e-9 && std::fabs(p.y - y) < 1e-9; }

} // namespace layrail::testing
