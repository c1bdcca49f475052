#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "document/Layout.h"

namespace layrail {

struct LevelColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// New levels take their colour from this table by the highest existing level id modulo 6.
extern const std::array<LevelColour, 6> kNewLevelColours;

// The highest level id, 0 without levels.
int highestLevelId(const Layout& layout);
// "Level %d" with the id a new level would get.
std::string proposedLevelName(const Layout& layout);

// "Add Level": appends a visible level at height 0 with the next id (one above the highest), the
// name as given (UTF-8), the table colour and no outline, and makes it active. A blank name adds
// nothing. Returns the new id, or -1.
int addLevel(Layout& layout, const std::string& name);

// Whether the level's row is ticked, and which row is bold: the list's plain side of the dialog.
bool setLevelVisible(Layout& layout, int levelId, bool visible);
bool setActiveLevel(Layout& layout, int levelId);

// "Level Properties", with the height in the display unit.
struct LevelProperties {
    std::string name;
    double height = 0.0;
    bool trackColour = false;
    LevelColour colour;
};
LevelProperties levelProperties(const Level& level, LengthUnit unit);

// The height spin box of "Level Properties" in the display unit.
struct HeightField {
    double max = 0.0;
    double step = 1.0;
    int digits = 1;
};
HeightField levelHeightField(LengthUnit unit);

// "OK" of "Level Properties": the trimmed name unless it is blank, the height (kept within the
// field's range, converted back to mm), the colour flag and colour. Flat track on the level that
// is not part of a helix moves to the new height; graded pieces and helix stubs keep theirs.
bool applyLevelProperties(Layout& layout, int levelId, const LevelProperties& properties, LengthUnit unit);

// What removing a level deletes, for the confirmation: the pieces on it that are not helix
// pieces, its scenery items and the helices whose inner-bottom stub lies on it.
struct LevelContents {
    int pieces = 0;
    int scenery = 0;
    int helices = 0;
};
LevelContents levelContents(const Layout& layout, int levelId);

// The confirmation's title and text.
std::string removeLevelTitle();
std::string removeLevelQuestion(const std::string& levelName, const LevelContents& contents);

// Removes a level with everything on it, after one undo snapshot that also holds the levels, so
// Undo brings the level and its content back. The last level is never removed (returns false).
// Nothing is left pointing at what went: joints into removed pieces are opened, tunnels that lost
// a covered piece, an anchor or a portal go with their remaining portal, grade runs anchored on
// removed pieces are dropped. Shapes on the level move to the first remaining level, and so do
// stubs of helices that stay; when the active level goes, the first remaining level becomes active.
bool removeLevel(Layout& layout, int levelId);

// One row of the level list.
struct LevelRow {
    int id = 0;
    std::string name;
    std::string height; // "%.0f mm", "%.1f cm" or "%.2f in"
    std::string colour; // "custom" or "-"
    std::string idText;
    bool visible = true;
    bool active = false;
};
std::vector<LevelRow> levelRows(const Layout& layout);
std::string levelHeightText(double mm, LengthUnit unit);

} // namespace layrail
