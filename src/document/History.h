#pragma once

#include "document/Layout.h"

namespace layrail {

constexpr size_t kUndoLimit = 50;

HistorySnapshot takeSnapshot(const Layout& layout);
void restoreSnapshot(Layout& layout, const HistorySnapshot& snapshot);

// Records the current content before a change; drops the oldest beyond the limit and clears redo.
void pushHistory(Layout& layout);
bool undo(Layout& layout);
bool redo(Layout& layout);
inline bool canUndo(const Layout& layout) { return !layout.undoStack.empty(); }
inline bool canRedo(const Layout& layout) { return !layout.redoStack.empty(); }

} // namespace layrail
