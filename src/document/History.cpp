#include "document/History.h"

namespace layrail {

HistorySnapshot takeSnapshot(const Layout& layout)
{
    HistorySnapshot s;
    s.pieces = layout.pieces;
    s.scenery = layout.scenery;
    s.labels = layout.labels;
    s.dimensionLines = layout.dimensionLines;
    s.shapes = layout.shapes;
    s.tunnels = layout.tunnels;
    s.helices = layout.helices;
    s.gradeRuns = layout.gradeRuns;
    s.currentGradeRun = layout.currentGradeRun;
    return s;
}

void restoreSnapshot(Layout& layout, const HistorySnapshot& s)
{
    layout.pieces = s.pieces;
    layout.scenery = s.scenery;
    layout.labels = s.labels;
    layout.dimensionLines = s.dimensionLines;
    layout.shapes = s.shapes;
    layout.tunnels = s.tunnels;
    layout.helices = s.helices;
    layout.gradeRuns = s.gradeRuns;
    layout.currentGradeRun = s.currentGradeRun;
}

namespace {

// Moves the current content into a snapshot and the given one into the layout, without copying.
HistorySnapshot swapContent(Layout& layout, HistorySnapshot&& incoming)
{
    HistorySnapshot outgoing;
    outgoing.pieces = std::move(layout.pieces);
    outgoing.scenery = std::move(layout.scenery);
    outgoing.labels = std::move(layout.labels);
    outgoing.dimensionLines = std::move(layout.dimensionLines);
    outgoing.shapes = std::move(layout.shapes);
    outgoing.tunnels = std::move(layout.tunnels);
    outgoing.helices = std::move(layout.helices);
    outgoing.gradeRuns = std::move(layout.gradeRuns);
    outgoing.currentGradeRun = layout.currentGradeRun;

    layout.pieces = std::move(incoming.pieces);
    layout.scenery = std::move(incoming.scenery);
    layout.labels = std::move(incoming.labels);
    layout.dimensionLines = std::move(incoming.dimensionLines);
    layout.shapes = std::move(incoming.shapes);
    layout.tunnels = std::move(incoming.tunnels);
    layout.helices = std::move(incoming.helices);
    layout.gradeRuns = std::move(incoming.gradeRuns);
    layout.currentGradeRun = incoming.currentGradeRun;
    return outgoing;
}

} // namespace

void pushHistory(Layout& layout)
{
    layout.undoStack.push_back(takeSnapshot(layout));
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
    return true;
}

bool redo(Layout& layout)
{
    if (layout.redoStack.empty())
        return false;
    HistorySnapshot next = std::move(layout.redoStack.back());
    layout.redoStack.pop_back();
    layout.undoStack.push_back(swapContent(layout, std::move(next)));
    return true;
}

} // namespace layrail
