#pragma once

#include <optional>
#include <vector>

#include "catalog/Geometry.h"
#include "document/EditSnapshot.h"
#include "document/Layout.h"

namespace layrail {

// What every drag that shifts something by the pointer's travel since the press keeps: the grab
// point and the drag's one undo snapshot, taken with the first travel so that a press without
// travel records nothing.
class GrabDrag {
public:
    void start(Layout& layout, Point grab, SnapshotExtras extras = {});
    // The travel since the press once the pointer has moved away from it (the snapshot is recorded
    // then); nothing before that, or when no drag runs.
    std::optional<Point> travel(Point world);
    // Ends the drag; whether it recorded its snapshot, that is changed the layout.
    bool end();

private:
    Point grab_;
    std::optional<EditSnapshot> snapshot_;
};

// Every point moved by the offset.
std::vector<Point> shifted(const std::vector<Point>& points, Point offset);

} // namespace layrail
