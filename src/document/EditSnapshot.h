#pragma once

#include "document/History.h"
#include "document/Layout.h"

namespace layrail {

// One edit, one undo snapshot: the first change records it, later ones find it taken. Every edit
// rule records its snapshot through this guard, never by calling pushHistory itself.
//
// An edit made within one call keeps the flag in the guard:
//     EditSnapshot snapshot(layout);
//     snapshot.record(); // before the first change
// An edit that spans several events (a drag) keeps the flag in its drag state, so the guard made
// at each step sees whether an earlier step already recorded:
//     EditSnapshot(layout, drag.recorded).record();
// The extras name what the edit changes besides the content (levels, the baseboard).
class EditSnapshot {
public:
    explicit EditSnapshot(Layout& layout, SnapshotExtras extras = {})
        : layout_(layout), extras_(extras), recorded_(&ownFlag_)
    {
    }
    EditSnapshot(Layout& layout, bool& recordedFlag, SnapshotExtras extras = {})
        : layout_(layout), extras_(extras), recorded_(&recordedFlag)
    {
    }
    EditSnapshot(const EditSnapshot&) = delete;
    EditSnapshot& operator=(const EditSnapshot&) = delete;

    void record()
    {
        if (!*recorded_) {
            pushHistory(layout_, extras_);
            *recorded_ = true;
        }
    }
    bool recorded() const { return *recorded_; }

private:
    Layout& layout_;
    SnapshotExtras extras_;
    bool ownFlag_ = false;
    bool* recorded_;
};

} // namespace layrail
