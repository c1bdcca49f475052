#pragma once

#include <string>

#include "app/ui/CommandTable.h"

namespace layrail {

// The View menu and the view tools: zooming, the grid, snap and label switches, the measuring and
// polygon tools, the 3D view and the help window.
void zoomInCommand(CommandContext& context, const CommandCall& call);
void zoomOutCommand(CommandContext& context, const CommandCall& call);
void zoomFitCommand(CommandContext& context, const CommandCall& call);
void showGridCommand(CommandContext& context, const CommandCall& call);
void snapCommand(CommandContext& context, const CommandCall& call);
void hideLabelsCommand(CommandContext& context, const CommandCall& call);
void measureCommand(CommandContext& context, const CommandCall& call);
void polygonCommand(CommandContext& context, const CommandCall& call);
void helpCommand(CommandContext& context, const CommandCall& call);
// Opens the 3D view, or rebuilds and raises the open one.
void view3DCommand(CommandContext& context, const CommandCall& call);

bool gridShown(const CommandContext& context);
bool snapOn(const CommandContext& context);
bool labelsHidden(const CommandContext& context);
bool measuring(const CommandContext& context);
bool drawingPolygon(const CommandContext& context);
// "Hide Labels" while the labels show, "Show Labels" while they are hidden.
std::string hideLabelsLabel(const CommandContext& context);

} // namespace layrail
