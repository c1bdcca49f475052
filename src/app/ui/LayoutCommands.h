#pragma once

#include <string>

#include "app/ui/CommandTable.h"

namespace layrail {

// The Layout menu: the unit of measure (ids 2016 to 2018) and its radio rules; the Tunnel tool.
void unitsCommand(CommandContext& context, const CommandCall& call);
// "Layout Shape...": the baseboard dialog, then the new outline, or the outline drawn on the canvas.
void layoutShapeCommand(CommandContext& context, const CommandCall& call);
// The "Levels" tool: the level manager on a layout that has at least one level.
void levelsCommand(CommandContext& context, const CommandCall& call);

bool millimetresChosen(const CommandContext& context);
bool centimetresChosen(const CommandContext& context);
bool inchesChosen(const CommandContext& context);

// The Tunnel tool (2012): places a tunnel over the selected chain or removes the selected tunnel.
void tunnelCommand(CommandContext& context, const CommandCall& call);
bool tunnelPossible(const CommandContext& context);
// "Remove Tunnel" while the selection is exactly a tunnel, else "Tunnel".
std::string tunnelLabel(const CommandContext& context);

} // namespace layrail
