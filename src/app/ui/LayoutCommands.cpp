#include "app/ui/LayoutCommands.h"

#include "app/CommandIds.h"
#include "canvas/Tunnels.h"
#include "document/Session.h"

namespace layrail {

void unitsCommand(CommandContext& context, const CommandCall& call)
{
    LengthUnit unit = LengthUnit::Millimetres;
    if (call.id == kCmdUnitsCentimetres)
        unit = LengthUnit::Centimetres;
    else if (call.id == kCmdUnitsInches)
        unit = LengthUnit::Inches;
    context.session.layout().units = unit;
    context.session.commit(Changes::ofUnits());
}

bool millimetresChosen(const CommandContext& context)
{
    return context.session.layout().units == LengthUnit::Millimetres;
}

bool centimetresChosen(const CommandContext& context)
{
    return context.session.layout().units == LengthUnit::Centimetres;
}

bool inchesChosen(const CommandContext& context) { return context.session.layout().units == LengthUnit::Inches; }

void tunnelCommand(CommandContext& context, const CommandCall&)
{
    context.session.commit(toggleTunnel(context.session.layout()).changes);
}

bool tunnelPossible(const CommandContext& context) { return analyseTunnel(context.session.layout()).canAct; }

std::string tunnelLabel(const CommandContext& context)
{
    return tunnelToolLabel(analyseTunnel(context.session.layout()));
}

} // namespace layrail
