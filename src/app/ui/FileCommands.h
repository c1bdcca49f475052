#pragma once

#include <string>

#include "app/ui/CommandTable.h"

namespace layrail {

// The File menu: New and Close Layout, Open, Save, Save As, Import, Export, Page Setup, Print,
// Print Preview, Save as Library Block and Exit.
void newLayoutCommand(CommandContext& context, const CommandCall& call);
void openLayoutCommand(CommandContext& context, const CommandCall& call);
void saveCommand(CommandContext& context, const CommandCall& call);
void saveAsCommand(CommandContext& context, const CommandCall& call);
void importLayoutCommand(CommandContext& context, const CommandCall& call);
void exportLayoutCommand(CommandContext& context, const CommandCall& call);
void pageSetupCommand(CommandContext& context, const CommandCall& call);
void saveLibraryBlockCommand(CommandContext& context, const CommandCall& call);
void exitCommand(CommandContext& context, const CommandCall& call);

// Asks about unsaved changes; false when the command that asked must stop.
bool confirmUnsavedChanges(CommandContext& context);
// Save (forceName false) and Save As (true); true when the layout was written.
bool saveLayout(CommandContext& context, bool forceName);
// Opens a layout file; on failure the open layout stays as it was.
bool loadLayoutFile(CommandContext& context, const std::string& path);
// Writes the selection as a block of the palette's track system; true when written.
bool saveLibraryBlock(CommandContext& context);

} // namespace layrail
