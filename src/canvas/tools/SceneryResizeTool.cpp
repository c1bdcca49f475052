#include "canvas/tools/SceneryResizeTool.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "render/RenderColours.h"
#include "render/RenderSupport.h"

namespace layrail {

namespace {

constexpr double kHandleReachSquared = 37.0; // within 6 px
constexpr double kSmallestExtent = 5.0;
// A corner square 9 pixels across with its edges on the pixels from -4 to +4, so its 1-pixel pen is
// sharp.
constexpr double kCornerHalfSize = 4.0;
constexpr double kEdgeRadius = 3.0;
constexpr Colour kHandlePen = rgb(40, 90, 200);
constexpr Colour kHandleFill = rgb(255, 255, 255);

constexpr std::array<Point, kHandleCount> kOffsets{
    {{-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}}};

const SceneryDef* definitionOf(const SceneryItem& item) { return SceneryCatalog::instance().find(item.item); }

bool hasUsableSize(const SceneryDef* def) { return def != nullptr && def->width > 0.0 && def->depth > 0.0; }

bool isCorner(int handle) { return handle % 2 == 0; }

EditResult setSceneryScale(Layout& layout, int itemId, double scaleX, double scaleY)
{
    EditResult result;
    SceneryItem* item = layout.findScenery(itemId);
    if (item == nullptr || definitionOf(*item) == nullptr)
        return result;
    EditSnapshot snapshot(layout);
    snapshot.record();
    auto bounded = [](double s) { return std::isfinite(s) ? std::clamp(s, kMinSceneryScale, kMaxSceneryScale) : 1.0; };
    item->scaleX = bounded(scaleX);
    item->scaleY = bounded(scaleY);
    result.changes.content = true;
    return result;
}

} // namespace

Point handleOffset(int handle) { return kOffsets[static_cast<size_t>(handle)]; }

int resizableSceneryItem(const Layout& layout)
{
    for (const PlacedPiece& p : layout.pieces)
        if (p.selected)
            return -1;
    for (const LayoutShape& s : layout.shapes)
        if (s.selected)
            return -1;
    const SceneryItem* found = nullptr;
    for (const SceneryItem& s : layout.scenery) {
        if (!s.selected)
            continue;
        if (found != nullptr)
            return -1;
        found = &s;
    }
    if (found == nullptr)
        return -1;
    const SceneryDef* def = definitionOf(*found);
    if (!hasUsableSize(def) || def->category != SceneryCategory::Platforms)
        return -1;
    return found->id;
}

std::array<Point, kHandleCount> handlePositions(const SceneryItem& item, const SceneryDef& def)
{
    const Frame frame(item.x, item.y, item.heading);
    const double halfW = def.width * item.scaleX / 2.0;
    const double halfD = def.depth * item.scaleY / 2.0;
    std::array<Point, kHandleCount> out;
    for (int i = 0; i < kHandleCount; ++i) {
        const Point o = handleOffset(i);
        out[static_cast<size_t>(i)] = frame.at(o.x * halfW, o.y * halfD);
    }
    return out;
}

int handleAt(const Layout& layout, const CanvasView& view, PixelPoint pixel)
{
    const SceneryItem* item = layout.findScenery(resizableSceneryItem(layout));
    if (item == nullptr)
        return -1;
    const auto handles = handlePositions(*item, *definitionOf(*item));
    for (int i = 0; i < kHandleCount; ++i) {
        const PixelPoint at = toScreen(view, handles[static_cast<size_t>(i)]);
        const double dx = pixel.x - at.x;
        const double dy = pixel.y - at.y;
        if (dx * dx + dy * dy < kHandleReachSquared)
            return i;
    }
    return -1;
}

ToolCursor handleCursor(int handle, double headingDegrees)
{
    const Point o = handleOffset(handle);
    const double angle = radToDeg(std::atan2(o.y, o.x)) + headingDegrees;
    // Fold into [0, 180) and pick the nearest of the four screen axes.
    double folded = std::fmod(angle, 180.0);
    if (folded < 0.0)
        folded += 180.0;
    const int sector = static_cast<int>(std::floor((folded + 22.5) / 45.0)) % 4;
    switch (sector) {
    case 0:
        return ToolCursor::SizeWE;
    case 1:
        return ToolCursor::SizeNWSE;
    case 2:
        return ToolCursor::SizeNS;
    default:
        return ToolCursor::SizeNESW;
    }
}

ToolCursor hoverCursor(const Layout& layout, const CanvasView& view, PixelPoint pixel)
{
    const int handle = handleAt(layout, view, pixel);
    if (handle == -1)
        return ToolCursor::Normal;
    return handleCursor(handle, layout.findScenery(resizableSceneryItem(layout))->heading);
}

void drawResizeHandles(DrawTarget& target, const CanvasView& view, const Layout& layout)
{
    const SceneryItem* item = layout.findScenery(resizableSceneryItem(layout));
    if (item == nullptr)
        return;
    const auto handles = handlePositions(*item, *definitionOf(*item));
    target.setPen(kHandlePen, 1);
    target.setBrush(kHandleFill);
    for (int i = 0; i < kHandleCount; ++i) {
        const PixelPoint at = toScreen(view, handles[static_cast<size_t>(i)]);
        if (isCorner(i)) {
            const double l = at.x - kCornerHalfSize, t = at.y - kCornerHalfSize;
            const double r = at.x + kCornerHalfSize, b = at.y + kCornerHalfSize;
            target.polygon({{l, t}, {r, t}, {r, b}, {l, b}});
        } else {
            target.ellipse(at, kEdgeRadius, kEdgeRadius);
        }
    }
}

EditResult SceneryResizeTool::press(Layout& layout, const CanvasView& view, const ToolPointer& pointer)
{
    if (pointer.alt)
        return {};
    const int handle = handleAt(layout, view, pointer.pixel);
    if (handle == -1)
        return {};
    const SceneryItem* item = layout.findScenery(resizableSceneryItem(layout));
    itemId_ = item->id;
    handle_ = handle;
    anchor_ = handlePositions(*item, *definitionOf(*item))[static_cast<size_t>(oppositeHandle(handle))];
    start_ = *item;
    cursor_ = handleCursor(handle, item->heading);
    snapshot_.emplace(layout);
    return {};
}

EditResult SceneryResizeTool::motion(Layout& layout, const CanvasView&, const ToolPointer& pointer)
{
    SceneryItem* item = layout.findScenery(itemId_);
    if (item == nullptr)
        return {};
    const SceneryDef* def = definitionOf(*item);
    if (!hasUsableSize(def))
        return {};
    const Frame frame(0.0, 0.0, start_.heading);
    const double dx = pointer.world.x - anchor_.x;
    const double dy = pointer.world.y - anchor_.y;
    const double along = std::max(std::fabs(dx * frame.c + dy * frame.s), kSmallestExtent);
    const double across = std::max(std::fabs(-dx * frame.s + dy * frame.c), kSmallestExtent);

    const Point o = handleOffset(handle_);
    double width = def->width * start_.scaleX;
    double depth = def->depth * start_.scaleY;
    if (o.x != 0.0)
        width = along;
    if (o.y != 0.0)
        depth = across;
    const Point centre = Frame(anchor_.x, anchor_.y, start_.heading).at(o.x * width / 2.0, o.y * depth / 2.0);
    const double scaleX = width / def->width;
    const double scaleY = depth / def->depth;
    if (!snapshot_->recorded() && scaleX == item->scaleX && scaleY == item->scaleY && centre.x == item->x &&
        centre.y == item->y)
        return {};
    snapshot_->record();
    item->scaleX = scaleX;
    item->scaleY = scaleY;
    item->x = centre.x;
    item->y = centre.y;
    return {};
}

EditResult SceneryResizeTool::release(Layout& layout, const CanvasView& view, const ToolPointer& pointer)
{
    EditResult result;
    if (itemId_ == -1)
        return result;
    motion(layout, view, pointer);
    result.changes.content = snapshot_->recorded();
    itemId_ = -1;
    handle_ = -1;
    cursor_ = ToolCursor::Normal;
    snapshot_.reset();
    return result;
}

std::string scenerySizeText(const SceneryItem& item, const SceneryDef& def)
{
    char text[160];
    std::snprintf(text, sizeof text, "Catalog size: %.0f x %.0f mm    Current: %.0f x %.0f mm", def.width, def.depth,
                  def.width * item.scaleX, def.depth * item.scaleY);
    return text;
}

double lockedDepthScale(double widthScale, double openingWidthScale, double openingDepthScale)
{
    if (openingWidthScale <= 0.0)
        return openingDepthScale;
    return std::clamp(widthScale * openingDepthScale / openingWidthScale, kMinSceneryScale, kMaxSceneryScale);
}

EditResult applySceneryScale(Layout& layout, int itemId, double scaleX, double scaleY)
{
    return setSceneryScale(layout, itemId, scaleX, scaleY);
}

EditResult resetSceneryScale(Layout& layout, int itemId) { return setSceneryScale(layout, itemId, 1.0, 1.0); }

} // namespace layrail
