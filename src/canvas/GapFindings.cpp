#include "canvas/GapFindings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <unordered_map>

namespace layrail {

namespace {

constexpr double kSpotMargin = 250.0;

std::string format(const char* pattern, double a, double b = 0.0, double c = 0.0, double d = 0.0)
{
    char text[256];
    std::snprintf(text, sizeof text, pattern, a, b, c, d);
    return text;
}

// A coordinate to one decimal; a hair below zero shows as 0.0, not -0.0.
double tenths(double value)
{
    const double rounded = std::round(value * 10.0) / 10.0;
    return rounded == 0.0 ? 0.0 : rounded;
}

std::string where(const Point& p) { return format("x %.1f, y %.1f", tenths(p.x), tenths(p.y)); }

// The layout's pieces by id, looked up once for all rows.
class PieceLookup {
public:
    explicit PieceLookup(const Layout& layout)
    {
        byId_.reserve(layout.pieces.size() * 2);
        for (const PlacedPiece& piece : layout.pieces)
            byId_.emplace(piece.id, &piece);
    }
    const PlacedPiece* find(int id) const
    {
        const auto it = byId_.find(id);
        return it == byId_.end() ? nullptr : it->second;
    }

private:
    std::unordered_map<int, const PlacedPiece*> byId_;
};

std::string pieceText(const PieceLookup& pieces, int id, const char* word = "piece")
{
    const PlacedPiece* piece = pieces.find(id);
    return word + (" " + std::to_string(id)) + " (" + (piece ? piece->article : std::string("?")) + ")";
}

PlanArea around(const std::vector<Point>& points, double margin)
{
    PlanArea area{points.front().x, points.front().y, points.front().x, points.front().y};
    for (const Point& p : points) {
        area.minX = std::min(area.minX, p.x);
        area.minY = std::min(area.minY, p.y);
        area.maxX = std::max(area.maxX, p.x);
        area.maxY = std::max(area.maxY, p.y);
    }
    return PlanArea{area.minX - margin, area.minY - margin, area.maxX + margin, area.maxY + margin};
}

std::string plural(size_t count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

GapFinding gapFinding(const PieceLookup& pieces, const TrackGap& gap)
{
    GapFinding f;
    f.kind = gap.nearMiss ? "Near miss" : "Gap to fill";
    const Point a{gap.a.world.x, gap.a.world.y}, b{gap.b.world.x, gap.b.world.y};
    f.where = where(Point{(a.x + b.x) / 2.0, (a.y + b.y) / 2.0});
    f.details =
        "End " + std::to_string(gap.a.connector) + " of " + pieceText(pieces, gap.a.piece) + " and end " +
        std::to_string(gap.b.connector) + " of " + pieceText(pieces, gap.b.piece) + ": " +
        format("%.1f mm apart, %.1f mm to the side, %.1f\u00b0 off line; ", gap.distance, gap.offset, gap.angleError);
    f.details += gap.fillFound ? "fill " + fillLine(gap.fill) : std::string("no fill of straights");
    f.spots = {a, b};
    f.area = around(f.spots, kSpotMargin);
    return f;
}

GapFinding crossingFinding(const PieceLookup& pieces, const LowCrossing& crossing)
{
    GapFinding f;
    f.kind = "Low crossing";
    f.where = where(crossing.at);
    const double shortBy = crossing.headroom - crossing.clearance();
    f.details = pieceText(pieces, crossing.upper, "Piece") + format(" at %.1f mm over ", crossing.upperHeight) +
                pieceText(pieces, crossing.lower) +
                format(" at %.1f mm: %.1f mm clear, %.0f mm needed, %.1f mm short", crossing.lowerHeight,
                       crossing.clearance(), crossing.headroom, shortBy);
    f.spots = {crossing.at};
    f.area = around(f.spots, kSpotMargin);
    return f;
}

GapFinding gradeFinding(const PieceLookup& pieces, const SteepGrade& grade)
{
    GapFinding f;
    f.kind = "Steep grade";
    const Point middle{(grade.minX + grade.maxX) / 2.0, (grade.minY + grade.maxY) / 2.0};
    f.where = where(middle);
    std::string ids;
    for (int id : grade.pieces)
        ids += (ids.empty() ? "" : ", ") + std::to_string(id);
    const double magnitude = grade.grade < 0.0 ? -grade.grade : grade.grade;
    f.details = plural(grade.pieces.size(), "piece", "pieces") + " (" + ids + ")" +
                format(" at %+.1f\u00b0, limit %.0f\u00b0: %.1f\u00b0 too steep", grade.grade, kSteepGradeLimit,
                       magnitude - kSteepGradeLimit);
    for (int id : grade.pieces)
        if (const PlacedPiece* piece = pieces.find(id))
            f.spots.push_back(Point{piece->x, piece->y});
    f.area = PlanArea{grade.minX - kSpotMargin / 2.0, grade.minY - kSpotMargin / 2.0, grade.maxX + kSpotMargin / 2.0,
                      grade.maxY + kSpotMargin / 2.0};
    return f;
}

GapFinding endFinding(const PieceLookup& pieces, const TrackEnd& end)
{
    GapFinding f;
    f.kind = "Open end";
    const Point at{end.world.x, end.world.y};
    f.where = where(at);
    f.details = "End " + std::to_string(end.connector) + " of " + pieceText(pieces, end.piece) +
                format(", pointing %.1f\u00b0", end.world.heading);
    f.spots = {at};
    f.area = around(f.spots, kSpotMargin);
    return f;
}

} // namespace

std::vector<GapFinding> gapFindings(const Layout& layout, const GapReport& report)
{
    const PieceLookup pieces(layout);
    std::vector<GapFinding> findings;
    findings.reserve(report.gaps.size() + report.crossings.size() + report.grades.size() + report.openEnds.size());
    for (const TrackGap& gap : report.gaps)
        findings.push_back(gapFinding(pieces, gap));
    for (const LowCrossing& crossing : report.crossings)
        findings.push_back(crossingFinding(pieces, crossing));
    for (const SteepGrade& grade : report.grades)
        findings.push_back(gradeFinding(pieces, grade));
    for (const TrackEnd& end : report.openEnds)
        findings.push_back(endFinding(pieces, end));
    return findings;
}

std::string gapSummary(const GapReport& report)
{
    const size_t near = static_cast<size_t>(
        std::count_if(report.gaps.begin(), report.gaps.end(), [](const TrackGap& g) { return g.nearMiss; }));
    return plural(report.openEnds.size(), "open end", "open ends") + ", " + plural(near, "near miss", "near misses") +
           ", " + plural(report.gaps.size() - near, "gap to fill", "gaps to fill") + ", " +
           plural(report.crossings.size(), "low crossing", "low crossings") + ", " +
           plural(report.grades.size(), "steep grade", "steep grades");
}

} // namespace layrail
