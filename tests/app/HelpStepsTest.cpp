#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "app/HelpContent.h"
#include "canvas/PlacementDrag.h"
#include "canvas/Rotate.h"

namespace layrail {
namespace {

// The shortcut line for the keys, empty when the list has none.
std::string shortcutFor(const std::string& keys)
{
    for (const HelpTopic& topic : helpTopics()) {
        if (topic.heading != "Keyboard Shortcuts")
            continue;
        std::istringstream lines(topic.body);
        std::string line;
        while (std::getline(lines, line))
            if (line.rfind(keys + " ", 0) == 0)
                return line;
    }
    return {};
}

std::string degrees(double step) { return std::to_string(static_cast<int>(std::lround(step))) + " deg"; }

// The turn a rotation gives one straight at the origin.
template <typename Turn>
double selectionTurn(Turn turn)
{
    Layout layout;
    layout.ensureDefaultLevel();
    PlacedPiece p;
    p.id = layout.takeId();
    p.article = "24188";
    p.selected = true;
    layout.pieces.push_back(p);
    turn(layout);
    return layout.pieces[0].heading;
}

double ghostTurn(bool wheel, bool shift)
{
    PlacementState state;
    Layout layout;
    beginPaletteDrag(state, "24188", CanvasView{});
    if (wheel)
        turnGhostByWheel(state, layout, 120, shift);
    else
        turnGhostByStep(state, layout);
    return state.palette.ghost.heading;
}

// The shortcut list states the steps the canvas really turns by.
TEST(HelpSteps, ShortcutListStatesTheRotationStepsTheCanvasUses)
{
    const double wheel = selectionTurn([](Layout& l) { rotateSelectionByWheel(l, 120, false); });
    const double wheelShift = selectionTurn([](Layout& l) { rotateSelectionByWheel(l, 120, true); });
    const double altRight = selectionTurn([](Layout& l) { rotateSelectionStep(l); });
    const std::string ctrlWheel = shortcutFor("Ctrl+wheel");
    EXPECT_NE(ctrlWheel.find(degrees(wheel)), std::string::npos) << ctrlWheel;
    EXPECT_NE(ctrlWheel.find("Shift: " + degrees(wheelShift)), std::string::npos) << ctrlWheel;
    const std::string step = shortcutFor("Alt+right-click");
    EXPECT_NE(step.find(degrees(altRight)), std::string::npos) << step;

    const std::string paletteWheel = shortcutFor("Wheel (palette)");
    EXPECT_NE(paletteWheel.find(degrees(ghostTurn(true, false))), std::string::npos) << paletteWheel;
    EXPECT_NE(paletteWheel.find("Shift: " + degrees(ghostTurn(true, true))), std::string::npos) << paletteWheel;
    const std::string key = shortcutFor("R (palette)");
    EXPECT_NE(key.find(degrees(ghostTurn(false, false))), std::string::npos) << key;
}

} // namespace
} // namespace layrail
