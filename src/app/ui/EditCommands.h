#pragma once

#include "app/ui/CommandTable.h"

namespace layrail {

// The Edit menu: Undo, Redo, Delete and Select All, with their enabled rules.
void undoCommand(CommandContext& context, const CommandCall& call);
void redoCommand(CommandContext& context, const CommandCall& call);
void deleteCommand(CommandContext& context, const CommandCall& call);
void selectAllCommand(CommandContext& context, const CommandCall& call);

bool undoPossible(const CommandContext& context);
bool redoPossible(const CommandContext& context);
// Delete is enabled while a piece or a scenery item is selected.
bool deletePossible(const CommandContext& context);

} // namespace layrail
