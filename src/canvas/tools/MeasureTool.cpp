#include "canvas/tools/MeasureTool.h"

#include <cmath>

#include "render/LengthFormat.h"
#include "render/RenderColours.h"
#include "render/RenderSupport.h"
#include "canvas/tools/ToolFeedback.h"

namespace layrail {

namespace {

constexpr Colour kTape = rgb(40, 80, 200);
constexpr double kEndDotRadius = 4.0;
constexpr double kReadoutGap = 8.0;
constexpr ReadoutStyle kReadout{rgb(20, 20, 20), rgb(255, 248, 220, 235), kTape};

} // namespace

EditResult MeasureTool::press(Layout& layout, const CanvasView&, const ToolPointer& pointer)
{
    EditResult result;
    if (ended())
        return result;
    if (!measuring_) {
        measuring_ = true;
        start_ = end_ = pointer.world;
        return result;
    }
    end_ = pointer.world;
    EditSnapshot snapshot(layout);
    snapshot.record();
    if (std::hypot(end_.x - start_.x, end_.y - start_.y) >= kShortestMeasurement) {
        DimensionLine line;
        line.id = layout.takeId();
        line.x1 = start_.x;
        line.y1 = start_.y;
        line.x2 = end_.x;
        line.y2 = end_.y;
        layout.dimensionLines.push_back(line);
    }
    measuring_ = false;
    result.changes.content = true;
    finish();
    return result;
}

EditResult MeasureTool::motion(Layout&, const CanvasView&, const ToolPointer& pointer)
{
    pointerSeen_ = true;
    if (measuring_)
        end_ = pointer.world;
    return {};
}

bool MeasureTool::wantsKey(ToolKey key) const { return key == ToolKey::Escape; }

EditResult MeasureTool::key(Layout&, ToolKey key)
{
    if (key == ToolKey::Escape) {
        measuring_ = false;
        finish();
    }
    return {};
}

ToolCursor MeasureTool::cursor() const { return pointerSeen_ ? ToolCursor::Cross : ToolCursor::Pencil; }

void MeasureTool::paintOverlay(DrawTarget& target, const CanvasView& view, const Layout& layout) const
{
    if (!measuring_)
        return;
    const PixelPoint a = toScreen(view, start_);
    const PixelPoint b = toScreen(view, end_);
    target.setPen(kTape, 2, PenStyle::LongDash);
    target.line(a, b);
    target.setPen(kTape, 1);
    target.setBrush(kTape);
    drawDot(target, a, kEndDotRadius);
    drawDot(target, b, kEndDotRadius);

    const std::string text = formatLength(std::hypot(end_.x - start_.x, end_.y - start_.y), layout.units);
    const TextExtent box = readoutBoxSize(target, text);
    drawReadout(target, text, b.x + kReadoutGap, b.y - box.height / 2.0, kReadout);
}

} // namespace layrail
