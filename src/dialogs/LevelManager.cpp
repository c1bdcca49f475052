#include "dialogs/LevelManager.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

#include "document/EditSnapshot.h"
#include "document/LengthUnits.h"

namespace layrail {

const std::array<LevelColour, 6> kNewLevelColours{{
    {180, 200, 220},
    {220, 180, 180},
    {180, 220, 180},
    {220, 210, 160},
    {200, 180, 220},
    {160, 220, 220},
}};

namespace {

constexpr double kGradedThreshold = 0.001;

std::string trimmed(const std::string& text)
{
    const char* blanks = " \t\r\n\v\f";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string format(const char* pattern, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

bool isCollectedHelixPiece(const PlacedPiece& piece, const std::set<int>& helices)
{
    return piece.helix != -1 && helices.count(piece.helix) != 0;
}

// The helices whose inner-bottom stub lies on the level.
std::set<int> helicesOnLevel(const Layout& layout, int levelId)
{
    std::set<int> ids;
    for (const Helix& helix : layout.helices) {
        const PlacedPiece* stub = layout.findPiece(helix.bottomR1);
        if (stub != nullptr && stub->level == levelId)
            ids.insert(helix.id);
    }
    return ids;
}

template <typename Records, typename Test>
void eraseIf(Records& records, Test test)
{
    records.erase(std::remove_if(records.begin(), records.end(), test), records.end());
}

// Tunnels that lost a covered piece, an anchor or a portal go, and their remaining portals with them.
void dropBrokenTunnels(Layout& layout, const std::set<int>& removedPieces, const std::set<int>& removedScenery)
{
    std::set<int> orphanPortals;
    auto broken = [&](const Tunnel& t) {
        const bool lost = removedPieces.count(t.anchorA) != 0 || removedPieces.count(t.anchorB) != 0 ||
                          removedScenery.count(t.portalA) != 0 || removedScenery.count(t.portalB) != 0 ||
                          std::any_of(t.coveredPieces.begin(), t.coveredPieces.end(),
                                      [&](int id) { return removedPieces.count(id) != 0; });
        if (lost) {
            orphanPortals.insert(t.portalA);
            orphanPortals.insert(t.portalB);
        }
        return lost;
    };
    eraseIf(layout.tunnels, broken);
    eraseIf(layout.scenery, [&](const SceneryItem& s) { return orphanPortals.count(s.id) != 0; });
}

} // namespace

int highestLevelId(const Layout& layout)
{
    int highest = 0;
    for (const Level& level : layout.levels)
        highest = std::max(highest, level.id);
    return highest;
}

std::string proposedLevelName(const Layout& layout) { return "Level " + std::to_string(highestLevelId(layout) + 1); }

int addLevel(Layout& layout, const std::string& name)
{
    if (trimmed(name).empty())
        return -1;
    const int highest = highestLevelId(layout);
    const LevelColour colour = kNewLevelColours[static_cast<size_t>(highest % 6)];
    Level level;
    level.id = highest + 1;
    level.name = name;
    level.visible = true;
    level.height = 0.0;
    level.trackColour = false;
    level.red = colour.red;
    level.green = colour.green;
    level.blue = colour.blue;
    layout.levels.push_back(level);
    layout.activeLevel = level.id;
    return level.id;
}

bool setLevelVisible(Layout& layout, int levelId, bool visible)
{
    Level* level = layout.findLevel(levelId);
    if (level == nullptr || level->visible == visible)
        return false;
    level->visible = visible;
    return true;
}

bool setActiveLevel(Layout& layout, int levelId)
{
    if (layout.findLevel(levelId) == nullptr || layout.activeLevel == levelId)
        return false;
    layout.activeLevel = levelId;
    return true;
}

LevelProperties levelProperties(const Level& level, LengthUnit unit)
{
    LevelProperties p;
    p.name = level.name;
    p.height = toDisplayUnit(level.height, unit);
    p.trackColour = level.trackColour;
    p.colour = LevelColour{level.red, level.green, level.blue};
    return p;
}

HeightField levelHeightField(LengthUnit unit)
{
    switch (unit) {
    case LengthUnit::Centimetres:
        return HeightField{1000.0, 1.0, 1};
    case LengthUnit::Inches:
        return HeightField{400.0, 0.1, 2};
    default:
        return HeightField{10000.0, 1.0, 1};
    }
}

bool applyLevelProperties(Layout& layout, int levelId, const LevelProperties& properties, LengthUnit unit)
{
    Level* level = layout.findLevel(levelId);
    if (level == nullptr)
        return false;
    const std::string name = trimmed(properties.name);
    if (!name.empty())
        level->name = name;
    const double height = std::isfinite(properties.height) ? properties.height : 0.0;
    level->height = fromDisplayUnit(std::clamp(height, 0.0, levelHeightField(unit).max), unit);
    level->trackColour = properties.trackColour;
    level->red = properties.colour.red;
    level->green = properties.colour.green;
    level->blue = properties.colour.blue;
    for (PlacedPiece& piece : layout.pieces) {
        if (piece.level == levelId && piece.helix == -1 && std::fabs(piece.grade) < kGradedThreshold)
            piece.z = level->height;
    }
    return true;
}

LevelContents levelContents(const Layout& layout, int levelId)
{
    LevelContents c;
    for (const PlacedPiece& piece : layout.pieces)
        if (piece.level == levelId && piece.helix == -1)
            ++c.pieces;
    for (const SceneryItem& item : layout.scenery)
        if (item.level == levelId)
            ++c.scenery;
    c.helices = static_cast<int>(helicesOnLevel(layout, levelId).size());
    return c;
}

std::string removeLevelTitle() { return "Remove Level \u2014 Confirm Deletion"; }

std::string removeLevelQuestion(const std::string& levelName, const LevelContents& contents)
{
    const std::string bullet = "    \u2022 ";
    return "Remove level \"" + levelName + "\"?\n\nThis will PERMANENTLY DELETE everything on this level:\n" + bullet +
           std::to_string(contents.pieces) + " track piece(s)\n" + bullet + std::to_string(contents.scenery) +
           " scenery item(s)\n" + bullet + std::to_string(contents.helices) +
           " helix/helices\n\nThis cannot be undone from this dialog. Are you sure?";
}

bool removeLevel(Layout& layout, int levelId)
{
    if (layout.levels.size() < 2 || layout.findLevel(levelId) == nullptr)
        return false;
    EditSnapshot(layout, SnapshotExtras{true, false}).record();

    const std::set<int> helices = helicesOnLevel(layout, levelId);
    std::set<int> removedPieces;
    for (const PlacedPiece& piece : layout.pieces)
        if ((piece.helix == -1 && piece.level == levelId) || isCollectedHelixPiece(piece, helices))
            removedPieces.insert(piece.id);
    std::set<int> removedScenery;
    for (const SceneryItem& item : layout.scenery)
        if (item.level == levelId)
            removedScenery.insert(item.id);

    for (PlacedPiece& piece : layout.pieces) {
        if (removedPieces.count(piece.id) != 0)
            continue;
        for (Joint& joint : piece.joints)
            if (removedPieces.count(joint.target) != 0)
                joint = Joint{};
    }
    dropBrokenTunnels(layout, removedPieces, removedScenery);
    eraseIf(layout.gradeRuns, [&](const GradeRun& run) { return removedPieces.count(run.anchor) != 0; });
    layout.updateCurrentGradeRun();
    eraseIf(layout.helices, [&](const Helix& h) { return helices.count(h.id) != 0; });
    eraseIf(layout.pieces, [&](const PlacedPiece& p) { return removedPieces.count(p.id) != 0; });
    eraseIf(layout.scenery, [&](const SceneryItem& s) { return removedScenery.count(s.id) != 0; });

    eraseIf(layout.levels, [&](const Level& l) { return l.id == levelId; });
    const int fallback = layout.levels.front().id;
    for (LayoutShape& shape : layout.shapes)
        if (shape.level == levelId)
            shape.level = fallback;
    // Stubs of a helix that stays follow the helix's inner-bottom stub.
    for (PlacedPiece& piece : layout.pieces) {
        if (piece.level != levelId)
            continue;
        const PlacedPiece* inner = nullptr;
        for (const Helix& h : layout.helices)
            if (h.id == piece.helix)
                inner = layout.findPiece(h.bottomR1);
        piece.level = inner != nullptr && inner->level != levelId ? inner->level : fallback;
    }
    if (layout.activeLevel == levelId)
        layout.activeLevel = fallback;
    return true;
}

std::string levelHeightText(double mm, LengthUnit unit)
{
    switch (unit) {
    case LengthUnit::Centimetres:
        return format("%.1f cm", mm / 10.0);
    case LengthUnit::Inches:
        return format("%.2f in", mm / 25.4);
    default:
        return format("%.0f mm", mm);
    }
}

std::vector<LevelRow> levelRows(const Layout& layout)
{
    std::vector<LevelRow> rows;
    for (const Level& level : layout.levels) {
        LevelRow row;
        row.id = level.id;
        row.name = level.name;
        row.height = levelHeightText(level.height, layout.units);
        row.colour = level.trackColour ? "custom" : "-";
        row.idText = std::to_string(level.id);
        row.visible = level.visible;
        row.active = level.id == layout.activeLevel;
        rows.push_back(row);
    }
    return rows;
}

} // namespace layrail
