#include "canvas/tools/GrabDrag.h"

namespace layrail {

void GrabDrag::start(Layout& layout, Point grab, SnapshotExtras extras)
{
    grab_ = grab;
    snapshot_.emplace(layout, extras);
}

std::optional<Point> GrabDrag::travel(Point world)
{
    if (!snapshot_)
        return std::nullopt;
    const Point offset{world.x - grab_.x, world.y - grab_.y};
    if (offset.x == 0.0 && offset.y == 0.0 && !snapshot_->recorded())
        return std::nullopt;
    snapshot_->record();
    return offset;
}

bool GrabDrag::end()
{
    const bool recorded = snapshot_ && snapshot_->recorded();
    snapshot_.reset();
    return recorded;
}

std::vector<Point> shifted(const std::vector<Point>& points, Point offset)
{
    std::vector<Point> result;
    result.reserve(points.size());
    for (const Point& p : points)
        result.push_back(Point{p.x + offset.x, p.y + offset.y});
    return result;
}

} // namespace layrail
