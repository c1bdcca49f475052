#pragma once

#include "document/Layout.h"

namespace layrail {

constexpr size_t kUndoLimit = 50;

// What a snapshot holds besides the content lists.
struct SnapshotExtras {
    bool levels = false;    // the level list and the active level
    bool baseboard = false; // the baseboard outline and its last shape
};

HistorySnapshot takeSnapshot(const Layout& layout, SnapshotExtras extras = {});
// Also puts back the levels and the baseboard when the snapshot holds them.
void restoreSnapshot(Layout& layout, const HistorySnapshot& snapshot);

// Records the current content before a change; drops the oldest beyond the limit and clears redo.
void pushHistory(Layout& layout, SnapshotExtras extras = {});
bool undo(Layout& layout);
bool redo(Layout& layout);
inline bool canUndo(const Layout& layout) { return !layout.undoStack.empty(); }
inline bool canRedo(const Layout& layout) { return !layout.redoStack.empty(); }

} // namespace layrail
