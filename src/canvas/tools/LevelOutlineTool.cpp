#include "canvas/tools/LevelOutlineTool.h"

#include "canvas/tools/DimensionTool.h"

namespace layrail {

namespace {

constexpr double kEdgeReachPixels = 8.0;

} // namespace

int hitLevelOutline(const Layout& layout, const CanvasView& view, Point world)
{
    const double reach = kEdgeReachPixels / view.zoom;
    int best = -1;
    double bestDistance = reach;
    for (const Level& level : layout.levels) {
        const std::vector<Point>& outline = level.outline;
        if (!level.visible || outline.size() < 3)
            continue;
        for (size_t i = 0; i < outline.size(); ++i) {
            const double d = distanceToSegment(world, outline[i], outline[(i + 1) % outline.size()]);
            if (d <= bestDistance) {
                bestDistance = d;
                best = level.id;
            }
        }
    }
    return best;
}

EditResult LevelOutlineDragTool::press(Layout& layout, const CanvasView& view, const ToolPointer& pointer)
{
    if (!pointer.shift || pointer.ctrl)
        return {};
    const Level* level = layout.findLevel(hitLevelOutline(layout, view, pointer.world));
    if (level == nullptr)
        return {};
    levelId_ = level->id;
    start_ = level->outline;
    // Level outlines live outside the content lists: the snapshot records the levels too.
    drag_.start(layout, pointer.world, SnapshotExtras{true, false});
    return {};
}

EditResult LevelOutlineDragTool::motion(Layout& layout, const CanvasView&, const ToolPointer& pointer)
{
    Level* level = layout.findLevel(levelId_);
    if (level == nullptr || level->outline.size() != start_.size())
        return {};
    if (const std::optional<Point> offset = drag_.travel(pointer.world))
        level->outline = shifted(start_, *offset);
    return {};
}

EditResult LevelOutlineDragTool::release(Layout& layout, const CanvasView& view, const ToolPointer& pointer)
{
    EditResult result;
    if (levelId_ == -1)
        return result;
    motion(layout, view, pointer);
    result.changes.content = drag_.end();
    levelId_ = -1;
    start_.clear();
    return result;
}

} // namespace layrail
