#pragma once

#include <string>
#include <vector>

#include "canvas/Autofill.h"
#include "catalog/Geometry.h"
#include "catalog/TrackTypes.h"
#include "document/Layout.h"

namespace layrail {

// Open ends this close and this far from facing each other nearly meet.
constexpr double kNearMissDistance = 60.0;
constexpr double kNearMissAngle = 20.0;
// Ends further apart than this are never offered a fill of straights.
constexpr double kFillGapReach = 2000.0;
constexpr double kSteepGradeLimit = 6.0;

// The clear height a train needs above the rail of the track it runs on, in mm.
struct Headroom {
    double h0 = 70.0; // Märklin C- and K-Track, TRIX C-Track
    double n = 40.0;  // Minitrix, Kato
    double z = 35.0;  // Märklin Z-Track, Rokuhan
    double forSystem(TrackSystem system) const;
};

struct TrackEnd {
    int piece = -1;
    int connector = -1;
    Connector world;
    TrackSystem system = TrackSystem::MarklinC;
    int level = 1;
};

// Two open ends of one track system on one level that face each other: either within 60 mm and
// 20 degrees of meeting (a near miss), or further apart in line where straights close the gap.
struct TrackGap {
    TrackEnd a;
    TrackEnd b;
    double distance = 0.0;
    double offset = 0.0;     // how far B lies to the side of the line A's end points along
    double angleError = 0.0; // degrees by which the ends miss pointing at each other
    bool nearMiss = false;
    bool fillFound = false;
    FillSolution fill; // the fewest straights, the closest total
};

// Two tracks that cross in plan closer in height than a train on the lower one needs.
struct LowCrossing {
    int lower = -1; // piece ids
    int upper = -1;
    Point at;
    double lowerHeight = 0.0;
    double upperHeight = 0.0;
    double headroom = 0.0; // what the lower track's trains need
    double clearance() const { return upperHeight - lowerHeight; }
};

// Joined pieces laid steeper than the grade limit.
struct SteepGrade {
    std::vector<int> pieces; // in layout order
    double grade = 0.0;      // the steepest of them, signed
    double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;
};

// What a layout would trip over when built: every open end, near misses and fillable gaps
// between open ends, low crossings and steep grades. Each list is in a fixed order (pieces in
// layout order, connectors by index).
struct GapReport {
    std::vector<TrackEnd> openEnds;
    std::vector<TrackGap> gaps;
    std::vector<LowCrossing> crossings;
    std::vector<SteepGrade> grades;
};

// Ends and crossings are found through a grid of the plan, so a large layout is searched near
// each place instead of pair by pair. Turntable positions are not ends, and a helix's own pieces
// are not crossings of each other.
GapReport buildGapReport(const Layout& layout, const Headroom& headroom = Headroom{});

// "24188 + 24188" for a fill, "-" for none.
std::string fillArticles(const TrackGap& gap);

} // namespace layrail
