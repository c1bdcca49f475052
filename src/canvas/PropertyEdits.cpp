#include "canvas/PropertyEdits.h"

#include <cmath>
#include <deque>
#include <unordered_set>

#include "canvas/Helices.h"
#include "canvas/LevelRules.h"
#include "document/TrackColours.h"

namespace layrail {

namespace {

constexpr double kFlatGrade = 0.001;

bool isFlat(const PlacedPiece& piece)
{
    return std::fabs(piece.grade) < kFlatGrade;
}

// Sets a record's level (and a piece's height), recording the snapshot only for a real change.
class LevelChange {
public:
    LevelChange(Layout& layout, int levelId) : snapshot_(layout), level_(levelId) {}

    void move(int& level)
    {
        if (level != level_) {
            snapshot_.record();
            level = level_;
        }
    }
    void move(PlacedPiece& piece, bool setHeight, double z)
    {
        move(piece.level);
        if (setHeight && piece.z != z) {
            snapshot_.record();
            piece.z = z;
        }
    }
    bool changed() const { return snapshot_.recorded(); }

private:
    EditSnapshot snapshot_;
    int level_;
};

void moveHelix(Layout& layout, LevelChange& change, const Helix& helix, double deck)
{
    const HelixKit* kit = findHelixKit(helix.variant);
    const double top = deck + (kit ? kit->rise : 0.0);
    for (int id : {helix.bottomR1, helix.bottomR2})
        if (PlacedPiece* p = layout.findPiece(id))
            change.move(*p, true, deck);

    // The track leaving the helix's top climbs with it; other helices end the walk.
    std::unordered_set<int> visited;
    std::deque<int> queue;
    for (int id : {helix.topR1, helix.topR2}) {
        if (PlacedPiece* p = layout.findPiece(id); p != nullptr && visited.insert(id).second) {
            change.move(*p, true, top);
            queue.push_back(id);
        }
    }
    while (!queue.empty()) {
        const PlacedPiece* current = layout.findPiece(queue.front());
        queue.pop_front();
        std::vector<int> next;
        for (const Joint& j : current->joints)
            next.push_back(j.target);
        for (int id : next) {
            PlacedPiece* p = layout.findPiece(id);
            if (p == nullptr || p->helix != -1 || !visited.insert(id).second)
                continue;
            change.move(*p, isFlat(*p), top);
            queue.push_back(id);
        }
    }
}

LayoutShape* shapeById(Layout& layout, int id)
{
    for (LayoutShape& s : layout.shapes)
        if (s.id == id)
            return &s;
    return nullptr;
}

} // namespace

EditResult applyColour(Layout& layout, int colourIndex)
{
    const std::vector<NamedTrackColour>& colours = namedTrackColours();
    EditResult result;
    if (colourIndex < 0 || colourIndex >= static_cast<int>(colours.size()))
        return result;
    const NamedTrackColour& colour = colours[static_cast<size_t>(colourIndex)];
    EditSnapshot snapshot(layout);
    for (PlacedPiece& p : layout.pieces) {
        if (!p.selected)
            continue;
        snapshot.record();
        p.hasColour = !colour.clears;
        p.red = colour.red;
        p.green = colour.green;
        p.blue = colour.blue;
    }
    if (!snapshot.recorded())
        return result;
    for (PlacedPiece& p : layout.pieces)
        p.selected = false;
    for (SceneryItem& s : layout.scenery)
        s.selected = false;
    for (LayoutLabel& l : layout.labels)
        l.selected = false;
    for (LayoutShape& s : layout.shapes)
        s.selected = false;
    for (DimensionLine& d : layout.dimensionLines)
        d.selected = false;
    result.changes.content = true;
    result.changes.selection = true;
    return result;
}

EditResult addLabel(Layout& layout, PendingLabel& pending, const std::string& text)
{
    const size_t end = text.find_last_not_of(" \t\r\n\f\v");
    EditResult result;
    if (end == std::string::npos)
        return result;
    EditSnapshot snapshot(layout);
    snapshot.record();
    LayoutLabel label;
    label.id = layout.takeId();
    label.text = text.substr(0, end + 1);
    if (pending.set) {
        label.x = pending.at.x;
        label.y = pending.at.y;
    }
    layout.labels.push_back(label);
    pending = PendingLabel{};
    result.changes.content = true;
    return result;
}

EditResult setLevel(Layout& layout, const ShownRecord& shown, int levelId)
{
    EditResult result;
    if (levelId < 0 || layout.findLevel(levelId) == nullptr)
        return result;
    const double deck = levelHeight(layout, levelId);
    LevelChange change(layout, levelId);

    if (shown.scenery >= 0) {
        if (SceneryItem* item = layout.findScenery(shown.scenery))
            change.move(item->level);
    } else if (shown.shape >= 0) {
        if (LayoutShape* shape = shapeById(layout, shown.shape))
            change.move(shape->level);
    } else if (shown.helix >= 0) {
        if (const Helix* helix = helixById(layout, shown.helix))
            moveHelix(layout, change, *helix, deck);
    } else {
        for (PlacedPiece& p : layout.pieces)
            if (p.selected && p.helix == -1)
                change.move(p, isFlat(p), deck);
    }
    if (!change.changed())
        return result;
    layout.activeLevel = levelId;
    result.changes.content = true;
    result.changes.selection = true;
    return result;
}

} // namespace layrail
