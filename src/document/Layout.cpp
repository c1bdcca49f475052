#include "document/Layout.h"

#include <algorithm>

namespace layrail {

void PlacedPiece::setJoint(int connector, int target, int targetConnector)
{
    if (connector < 0)
        return;
    const auto index = static_cast<size_t>(connector);
    if (joints.size() <= index)
        joints.resize(index + 1);
    joints[index] = Joint{target, targetConnector};
}

void Layout::ensureDefaultLevel()
{
    if (!levels.empty())
        return;
    Level level;
    level.id = 1;
    level.name = "Level 1";
    level.visible = true;
    level.height = 0.0;
    level.trackColour = false;
    level.red = 180;
    level.green = 200;
    level.blue = 220;
    levels.push_back(level);
}

void Layout::updateCurrentGradeRun()
{
    if (gradeRuns.empty()) {
        currentGradeRun = CurrentGradeRun{};
        return;
    }
    const GradeRun& last = gradeRuns.back();
    currentGradeRun = CurrentGradeRun{true, last.angle, last.anchor, last.connector};
}

namespace {

template <typename Record>
Record* findById(std::vector<Record>& list, int id)
{
    auto it = std::find_if(list.begin(), list.end(), [id](const Record& r) { return r.id == id; });
    return it == list.end() ? nullptr : &*it;
}

template <typename Record>
const Record* findById(const std::vector<Record>& list, int id)
{
    auto it = std::find_if(list.begin(), list.end(), [id](const Record& r) { return r.id == id; });
    return it == list.end() ? nullptr : &*it;
}

} // namespace

// A reference holding -1 points to nothing, even while a record not yet added carries -1.
PlacedPiece* Layout::findPiece(int id) { return id == -1 ? nullptr : findById(pieces, id); }
const PlacedPiece* Layout::findPiece(int id) const { return id == -1 ? nullptr : findById(pieces, id); }
SceneryItem* Layout::findScenery(int id) { return id == -1 ? nullptr : findById(scenery, id); }
const SceneryItem* Layout::findScenery(int id) const { return id == -1 ? nullptr : findById(scenery, id); }
Level* Layout::findLevel(int id) { return findById(levels, id); }
const Level* Layout::findLevel(int id) const { return findById(levels, id); }

} // namespace layrail
