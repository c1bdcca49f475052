#pragma once

#include <unordered_map>
#include <vector>

#include "canvas/GapReport.h"

namespace layrail {

// What every part of the gap report looks up: each piece's catalog entry (null when unknown) and
// where each id first stands in the piece list.
struct ReportPieces {
    explicit ReportPieces(const Layout& layout);

    const Layout& layout;
    std::vector<const CatalogPiece*> catalog;
    std::unordered_map<int, size_t> index;

    bool exists(int id) const { return index.count(id) != 0; }
    // Open: nothing is joined there, or the joined piece does not exist.
    bool open(const PlacedPiece& piece, int connector) const;
};

std::vector<TrackEnd> findOpenEnds(const ReportPieces& pieces);
std::vector<TrackGap> findGaps(const std::vector<TrackEnd>& ends);
std::vector<LowCrossing> findLowCrossings(const ReportPieces& pieces, const Headroom& headroom);
std::vector<SteepGrade> findSteepGrades(const ReportPieces& pieces);

} // namespace layrail
