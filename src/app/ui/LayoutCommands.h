#pragma once

#include "app/ui/CommandTable.h"

namespace layrail {

// The Layout menu: the unit of measure (ids 2016 to 2018) and its radio rules.
void unitsCommand(CommandContext& context, const CommandCall& call);

bool millimetresChosen(const CommandContext& context);
bool centimetresChosen(const CommandContext& context);
bool inchesChosen(const CommandContext& context);

} // namespace layrail
