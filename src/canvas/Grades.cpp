#include "canvas/Grades.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <unordered_set>

#include "canvas/GradeContinuation.h"
#include "document/Joints.h"

namespace layrail {

namespace {

constexpr double kFlatGrade = 0.001;

struct ChainStep {
    int piece = -1;
    int entered = -1; // the connector of `piece` the walk came in by
    int left = -1;    // the connector of the previous piece the walk left by
};

// The next piece along a chain. The walk leaves by connector 1, except that a piece entered at its
// connector 1 (laid the other way round) is left by connector 0, so the walk never turns back.
std::optional<ChainStep> nextAlongChain(const Layout& layout, const PlacedPiece& current, int entered)
{
    const int exit = entered == 1 ? 0 : 1;
    if (current.isOpen(exit))
        return std::nullopt;
    const Joint& joint = current.joints[static_cast<size_t>(exit)];
    if (layout.findPiece(joint.target) == nullptr)
        return std::nullopt;
    return ChainStep{joint.target, joint.targetConnector, exit};
}

// The piece's origin end takes the height of the connector it is joined to there.
void takeHeightFromConnectorZeroNeighbour(Layout& layout, PlacedPiece& piece)
{
    if (piece.isOpen(0))
        return;
    const Joint joint = piece.joints[0];
    const PlacedPiece* neighbour = layout.findPiece(joint.target);
    const CatalogPiece* cat = neighbour ? catalogPieceOf(*neighbour) : nullptr;
    if (cat == nullptr)
        return;
    piece.z = heightAtConnector(*neighbour, *cat, joint.targetConnector);
}

// The flat track after the piece follows its height, piece by piece, until a graded piece, an open
// end, a piece already visited or the step limit.
void levelFlatTrackAfter(Layout& layout, int startId)
{
    std::unordered_set<int> visited{startId};
    int currentId = startId;
    int entered = -1;
    for (int step = 0; step < kElevationWalkSteps; ++step) {
        const PlacedPiece* current = layout.findPiece(currentId);
        const CatalogPiece* cat = current ? catalogPieceOf(*current) : nullptr;
        if (cat == nullptr)
            return;
        const std::optional<ChainStep> next = nextAlongChain(layout, *current, entered);
        if (!next || !visited.insert(next->piece).second)
            return;
        PlacedPiece* following = layout.findPiece(next->piece);
        if (std::fabs(following->grade) > kFlatGrade)
            return;
        following->z = heightAtConnector(*current, *cat, next->left);
        currentId = next->piece;
        entered = next->entered;
    }
}

bool anchorsRun(const Layout& layout, int pieceId)
{
    return std::any_of(layout.gradeRuns.begin(), layout.gradeRuns.end(),
                       [pieceId](const GradeRun& run) { return run.anchor == pieceId; });
}

// The run that the chain from the piece leads to: the first piece along it that anchors one.
void removeRunReachedFrom(Layout& layout, int startId)
{
    int currentId = startId;
    int entered = -1;
    for (int step = 0; step < kRunSearchSteps && !anchorsRun(layout, currentId); ++step) {
        const PlacedPiece* current = layout.findPiece(currentId);
        const std::optional<ChainStep> next = current ? nextAlongChain(layout, *current, entered) : std::nullopt;
        if (!next)
            break;
        currentId = next->piece;
        entered = next->entered;
    }
    layout.gradeRuns.erase(std::remove_if(layout.gradeRuns.begin(), layout.gradeRuns.end(),
                                          [currentId](const GradeRun& run) { return run.anchor == currentId; }),
                           layout.gradeRuns.end());
    layout.updateCurrentGradeRun();
}

EditResult contentChanged()
{
    EditResult result;
    result.changes.content = true;
    result.changes.selection = true;
    return result;
}

} // namespace

std::string gradeStartedStatus(double angle, bool up)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "Elevation: %s %.1f deg", up ? "UP" : "DOWN", std::fabs(angle));
    return buffer;
}

EditResult startGrade(Layout& layout, int pieceId, double angle, bool up)
{
    if (layout.findPiece(pieceId) == nullptr || !std::isfinite(angle))
        return {};
    const double grade = up ? angle : -angle;
    // The run is content like any other: Undo takes it back and the layout counts as modified.
    EditSnapshot snapshot(layout);
    snapshot.record();
    auto run = std::find_if(layout.gradeRuns.begin(), layout.gradeRuns.end(),
                            [pieceId](const GradeRun& r) { return r.anchor == pieceId; });
    if (run != layout.gradeRuns.end()) {
        run->angle = grade;
        run->connector = 0;
    } else {
        layout.gradeRuns.push_back({grade, pieceId, 0});
    }
    layout.updateCurrentGradeRun();
    layout.findPiece(pieceId)->grade = grade;

    EditResult result = contentChanged();
    result.mainStatus = gradeStartedStatus(angle, up);
    return result;
}

EditResult endGrade(Layout& layout, int pieceId)
{
    if (layout.findPiece(pieceId) == nullptr)
        return {};
    EditSnapshot snapshot(layout);
    snapshot.record();
    PlacedPiece& piece = *layout.findPiece(pieceId);
    piece.grade = 0.0;
    takeHeightFromConnectorZeroNeighbour(layout, piece);
    levelFlatTrackAfter(layout, pieceId);
    removeRunReachedFrom(layout, pieceId);

    EditResult result = contentChanged();
    result.mainStatus = kGradeEndedStatus;
    return result;
}

EditResult recalculate(Layout& layout, int pieceId)
{
    if (layout.findPiece(pieceId) == nullptr)
        return {};
    EditSnapshot snapshot(layout);
    snapshot.record();
    takeHeightFromConnectorZeroNeighbour(layout, *layout.findPiece(pieceId));
    levelFlatTrackAfter(layout, pieceId);
    return contentChanged();
}

std::optional<double> parseLengthInUnit(const std::string& text, LengthUnit unit)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    while (begin != end && blank(*begin))
        ++begin;
    while (end != begin && blank(*(end - 1)))
        --end;
    if (begin != end && *begin == '+')
        ++begin;
    double value = 0.0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (begin == end || error != std::errc{} || stop != end || !std::isfinite(value))
        return std::nullopt;
    switch (unit) {
    case LengthUnit::Centimetres:
        return value * 10.0;
    case LengthUnit::Inches:
        return value * 25.4;
    case LengthUnit::Millimetres:
        break;
    }
    return value;
}

EditResult setHeight(Layout& layout, int pieceId, const std::string& text)
{
    const std::optional<double> mm = parseLengthInUnit(text, layout.units);
    if (!mm || layout.findPiece(pieceId) == nullptr)
        return {};
    EditSnapshot snapshot(layout);
    snapshot.record();
    layout.findPiece(pieceId)->z = *mm;
    return contentChanged();
}

} // namespace layrail
