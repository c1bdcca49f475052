#include "app/ui/LayoutCommands.h"

#include "app/CommandIds.h"
#include "app/ui/MainFrame.h"
#include "canvas/Tunnels.h"
#include "canvas/tools/OutlineDrawingTool.h"
#include "canvas/ui/CanvasPanel.h"
#include "dialogs/ui/LayoutShapeDialog.h"
#include "dialogs/ui/LevelManagerDialog.h"
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

void layoutShapeCommand(CommandContext& context, const CommandCall&)
{
    Layout& layout = context.session.layout();
    LayoutShapeDialog dialog(&context.frame, layout.baseboard.vertices, layout.units, layout.baseboard.lastShape);
    if (dialog.ShowModal() != wxID_OK)
        return;
    const BaseboardResult& result = dialog.result();
    applyBaseboard(layout, result);
    // Both keep the chosen shape in the layout; only an applied outline is an undoable edit.
    context.session.commit(result.freeForm ? Changes::ofLevels() : Changes::ofContent() | Changes::ofLevels());
    if (result.freeForm) {
        context.canvas.setToolMode(ToolMode::BaseboardOutline);
        context.canvas.SetFocus();
        context.frame.setStatusText(StatusField::Prompt, kBaseboardDrawingPrompt);
    }
}

void levelsCommand(CommandContext& context, const CommandCall&)
{
    Layout& layout = context.session.layout();
    const bool levelAdded = layout.levels.empty();
    layout.ensureDefaultLevel();
    LevelManagerDialog dialog(&context.frame, layout);
    dialog.ShowModal();
    if (levelAdded || dialog.changed())
        context.session.commit(Changes::ofEdit() | Changes::ofLevels());
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
