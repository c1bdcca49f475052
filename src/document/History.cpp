#include "document/History.h"

#include <utility>

#include "document/IdSpace.h"

namespace layrail {

namespace {

// The layout and a snapshot hold the same content fields; From may be an rvalue to move them.
template <typename From, typename To>
void transferContent(From&& from, To& to)
{
    to.pieces = std::forward<From>(from).pieces;
    to.scenery = std::forward<From>(from).scenery;
    to.labels = std::forward<From>(from).labels;
    to.dimensionLines = std::forward<From>(from).dimensionLines;
    to.shapes = std::forward<From>(from).shapes;
    to.tunnels = std::forward<From>(from).tunnels;
    to.helices = std::forward<From>(from).helices;
    to.gradeRuns = std::forward<From>(from).gradeRuns;
    to.currentGradeRun = from.currentGradeRun;
}

void captureExtras(const Layout& layout, SnapshotExtras extras, HistorySnapshot& snapshot)
{
    if (extras.levels)
        snapshot.levels = LevelsRecord{layout.levels, layout.activeLevel};
    if (extras.baseboard)
        snapshot.baseboard = layout.baseboard;
}

// Levels and outlines are short lists: copied, not moved.
void restoreExtras(const HistorySnapshot& from, Layout& layout)
{
    if (from.levels) {
        layout.levels = from.levels->levels;
        layout.activeLevel = from.levels->activeLevel;
    }
    if (from.baseboard)
        layout.baseboard = *from.baseboard;
}

// Moves the current content into a snapshot and the given one into the layout, without copying.
// The outgoing snapshot keeps the same extras as the incoming one, so redo puts them back too.
HistorySnapshot swapContent(Layout& layout, HistorySnapshot&& incoming)
{
    HistorySnapshot outgoing;
    captureExtras(layout, SnapshotExtras{incoming.levels.has_value(), incoming.baseboard.has_value()}, outgoing);
    transferContent(std::move(layout), outgoing);
    restoreExtras(incoming, layout);
    transferContent(std::move(incoming), layout);
    return outgoing;
}

} // namespace

HistorySnapshot takeSnapshot(const Layout& layout, SnapshotExtras extras)
{
    HistorySnapshot s;
    transferContent(layout, s);
    captureExtras(layout, extras, s);
    return s;
}

void restoreSnapshot(Layout& layout, const HistorySnapshot& snapshot)
{
    transferContent(snapshot, layout);
    restoreExtras(snapshot, layout);
    raiseNextIdAboveContent(layout);
}

void pushHistory(Layout& layout, SnapshotExtras extras)
{
    layout.undoStack.push_back(takeSnapshot(layout, extras));
    while (layout.undoStack.size() > kUndoLimit)
        layout.undoStack.pop_front();
    layout.redoStack.clear();
}

bool undo(Layout& layout)
{
    if (layout.undoStack.empty())
        return false;
    HistorySnapshot previous = std::move(layout.undoStack.back());
    layout.undoStack.pop_back();
    layout.redoStack.push_back(swapContent(layout, std::move(previous)));
    raiseNextIdAboveContent(layout);
    return true;
}

bool redo(Layout& layout)
{
    if (layout.redoStack.empty())
        return false;
    HistorySnapshot next = std::move(layout.redoStack.back());
    layout.redoStack.pop_back();
    layout.undoStack.push_back(swapContent(layout, std::move(next)));
    raiseNextIdAboveContent(layout);
    return true;
}

} // namespace layrail
