#include "app/ui/ViewCommands.h"

#include "app/ui/HelpWindow.h"
#include "app/ui/MainFrame.h"
#include "canvas/ui/CanvasPanel.h"
#include "document/SelectionFlags.h"
#include "document/Session.h"

namespace layrail {

namespace {

constexpr double kZoomInFactor = 1.25;
constexpr double kZoomOutFactor = 0.8;

// Measure and Polygon: checked starts the tool with nothing selected, unchecked leaves it. The
// other tool comes up by its checked rule.
void toggleDrawingTool(CommandContext& context, bool checked, ToolMode mode)
{
    if (checked) {
        context.canvas.setToolMode(mode);
        deselectAll(context.session.layout());
        context.session.commit(Changes::ofSelection() | Changes::ofView());
    } else {
        context.canvas.setToolMode(ToolMode::None);
        context.session.commit(Changes::ofView());
    }
}

} // namespace

void zoomInCommand(CommandContext& context, const CommandCall&) { context.canvas.zoomCentre(kZoomInFactor); }

void zoomOutCommand(CommandContext& context, const CommandCall&) { context.canvas.zoomCentre(kZoomOutFactor); }

void zoomFitCommand(CommandContext& context, const CommandCall&) { context.canvas.zoomToFit(false); }

void showGridCommand(CommandContext& context, const CommandCall& call)
{
    context.session.layout().gridOn = call.checked;
    context.session.commit(Changes::ofView());
}

void snapCommand(CommandContext& context, const CommandCall& call)
{
    context.session.layout().snapOn = call.checked;
    context.session.commit(Changes::ofView());
}

void hideLabelsCommand(CommandContext& context, const CommandCall& call)
{
    context.session.layout().labelsOn = !call.checked;
    context.session.commit(Changes::ofView());
}

void measureCommand(CommandContext& context, const CommandCall& call)
{
    toggleDrawingTool(context, call.checked, ToolMode::Measure);
}

void polygonCommand(CommandContext& context, const CommandCall& call)
{
    toggleDrawingTool(context, call.checked, ToolMode::Polygon);
}

void helpCommand(CommandContext& context, const CommandCall&) { showHelpWindow(&context.frame); }

void view3DCommand(CommandContext& context, const CommandCall&) { context.frame.show3DView(); }

bool gridShown(const CommandContext& context) { return context.session.layout().gridOn; }

bool snapOn(const CommandContext& context) { return context.session.layout().snapOn; }

bool labelsHidden(const CommandContext& context) { return !context.session.layout().labelsOn; }

bool measuring(const CommandContext& context) { return context.canvas.toolMode() == ToolMode::Measure; }

bool drawingPolygon(const CommandContext& context) { return context.canvas.toolMode() == ToolMode::Polygon; }

std::string hideLabelsLabel(const CommandContext& context)
{
    return context.session.layout().labelsOn ? "Hide Labels" : "Show Labels";
}

} // namespace layrail
