// Operations on the document as a whole: delete, copy and paste, undo and redo, New, save and open.
#include <filesystem>

#include "RandomEdits.h"
#include "WorldSupport.h"
#include "document/NewLayout.h"
#include "document/DeleteSelection.h"
#include "canvas/Clipboard.h"
#include "canvas/Locks.h"
#include "document/History.h"
#include "document/LayoutFile.h"

namespace layrail::randomedit {

namespace {

void deleteStep(EditWorld& world, Rng& rng, StepReport& report)
{
    if (rng.chance(0.7))
        selectSome(world, rng);
    const GateCheck gate = checkDelete(world.layout);
    if (gate.gate == Gate::Refused || (gate.gate == Gate::Ask && rng.chance(0.3))) {
        report.did = gate.gate == Gate::Refused ? "refused: " + gate.message.title : "answered No";
        return;
    }
    const size_t before = world.layout.pieces.size();
    deleteSelection(world.layout);
    report.did = "removed " + std::to_string(before - world.layout.pieces.size()) + " pieces";
    for (const PlacedPiece& p : world.layout.pieces)
        if (p.selected)
            report.problems.push_back("piece " + std::to_string(p.id) + " is still selected after Delete");
}

void copyPaste(EditWorld& world, Rng& rng, StepReport& report)
{
    if (rng.chance(0.7))
        selectSome(world, rng);
    if (rng.chance(0.8))
        copySelection(world.layout, world.clipboard);
    if (world.clipboard.empty()) {
        report.did = "empty clipboard";
        return;
    }
    const int firstNewId = world.layout.nextId;
    const Point at = pickPoint(world.layout, rng);
    pasteAt(world.layout, world.clipboard, at);
    report.did = std::to_string(world.clipboard.pieces.size()) + " pieces at " + describe(at);
    size_t selected = 0;
    for (const PlacedPiece& p : world.layout.pieces) {
        if (p.selected && p.id < firstNewId)
            report.problems.push_back("piece " + std::to_string(p.id) + " stays selected after Paste");
        selected += p.selected ? 1 : 0;
    }
    if (selected != world.clipboard.pieces.size())
        report.problems.push_back("Paste selected " + std::to_string(selected) + " pieces of " +
                                  std::to_string(world.clipboard.pieces.size()));
}

void undoStep(EditWorld& world, Rng& rng, StepReport& report)
{
    // Now and then Undo and Redo at once, which must come back to exactly the same document.
    const bool andBack = rng.chance(0.3);
    const std::string before = layoutText(world.layout, "Undo");
    const bool undone = undo(world.layout);
    report.did = undone ? "undone" : "nothing to undo";
    if (undone && andBack) {
        redo(world.layout);
        report.did += ", redone";
        if (layoutText(world.layout, "Undo") != before)
            report.problems.push_back("Undo then Redo does not come back to the same layout");
    }
}

void redoStep(EditWorld& world, Rng&, StepReport& report)
{
    report.did = redo(world.layout) ? "redone" : "nothing to redo";
}

void newLayout(EditWorld& world, Rng&, StepReport& report)
{
    startNewLayout(world.layout);
    report.did = "new";
}

// Save, then Open the file just saved: it must come back as the same document.
void saveOpen(EditWorld& world, Rng&, StepReport& report)
{
    const std::string path = (std::filesystem::path(world.scratchFolder) / "layout.lyr").string();
    const std::string saved = layoutText(world.layout, "Random");
    if (const std::string error = writeLayout(world.layout, path, "Random"); !error.empty()) {
        report.problems.push_back("saving failed: " + error);
        return;
    }
    std::string name;
    if (const std::string error = readLayout(path, world.layout, name); !error.empty()) {
        report.problems.push_back("a file the program saved does not open: " + error);
        return;
    }
    report.did = std::to_string(world.layout.pieces.size()) + " pieces";
    if (layoutText(world.layout, name) != saved)
        report.problems.push_back("a saved layout reopens as a different document");
}

} // namespace

LAYRAIL_RANDOM_EDIT("delete", 4, deleteStep);
LAYRAIL_RANDOM_EDIT("copy-paste", 3, copyPaste);
LAYRAIL_RANDOM_EDIT("undo", 5, undoStep);
LAYRAIL_RANDOM_EDIT("redo", 3, redoStep);
LAYRAIL_RANDOM_EDIT("new", 1, newLayout);
LAYRAIL_RANDOM_EDIT("save-open", 2, saveOpen);

} // namespace layrail::randomedit
