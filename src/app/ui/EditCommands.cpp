#include "app/ui/EditCommands.h"

#include "canvas/ui/CanvasPanel.h"
#include "document/SelectionFlags.h"
#include "document/Session.h"

namespace layrail {

void undoCommand(CommandContext& context, const CommandCall&) { context.session.undo(); }

void redoCommand(CommandContext& context, const CommandCall&) { context.session.redo(); }

// The canvas's Delete key and this command share one delete, with its locks and question.
void deleteCommand(CommandContext& context, const CommandCall&) { context.canvas.deleteSelection(); }

void selectAllCommand(CommandContext& context, const CommandCall&)
{
    selectAllPiecesAndScenery(context.session.layout());
    context.session.commit(Changes::ofSelection());
}

bool undoPossible(const CommandContext& context) { return context.session.canUndo(); }

bool redoPossible(const CommandContext& context) { return context.session.canRedo(); }

bool deletePossible(const CommandContext& context) { return anyPieceOrScenerySelected(context.session.layout()); }

} // namespace layrail
