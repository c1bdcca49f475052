#pragma once

#include <functional>
#include <string>
#include <vector>

#include "catalog/TrackTypes.h"
#include "document/EditResult.h"
#include "document/Layout.h"

namespace layrail {

constexpr double kFillTolerance = 1.5;
constexpr int kMaxFillSolutions = 64;
constexpr int kEnoughFillSolutions = 16;
constexpr int kShownFillSolutions = 12;
constexpr int kMaxFillPieces = 32;

// One open end of the gap: a piece's free connector and where it lies.
struct GapEnd {
    int piece = -1;
    int connector = -1;
    Connector world;
};

// The two free connectors, one on each piece, that face each other (at least 150 degrees apart)
// with the smallest distance; the first found on equal distances.
struct GapPair {
    bool found = false;
    GapEnd a;
    GapEnd b;
    double distance = 0.0;
    double headingDifference = 0.0; // folded into [0, 180]
};

GapPair findGapPair(const Layout& layout, const PlacedPiece& a, const PlacedPiece& b);

// The plain straights of a system (no bridges, ramps, pair pieces, adapters or spoke extensions),
// longest first, catalog order among equal lengths.
std::vector<const CatalogPiece*> fillCandidates(TrackSystem system);

struct FillSolution {
    std::vector<std::string> articles; // in placing order
    double total = 0.0;
};

// The combinations of candidates whose length matches the gap within the tolerance: fewest pieces
// first, then the closest total, at most 12.
std::vector<FillSolution> searchFills(const std::vector<const CatalogPiece*>& candidates, double gap);
// The same, keeping only the combinations that accept allows.
std::vector<FillSolution> searchFills(const std::vector<const CatalogPiece*>& candidates, double gap,
                                      const std::function<bool(const FillSolution&)>& accept);

// The fills of straights of the system that close the gap from one end to the other: laid from
// the first end, their far end lands on the second (within 1 mm), which faces the first.
std::vector<FillSolution> straightFills(const Connector& from, const Connector& to, TrackSystem system);

// A line of the choice list: "24188  (188.3 mm)".
std::string fillLine(const FillSolution& solution);

// What "Autofill Gap..." found for the two selected pieces.
struct AutofillPlan {
    bool ran = false;  // false: the selection does not name two known pieces, nothing happens
    EditMessage message; // a refusal; the selection has been cleared
    GapPair gap;
    std::vector<FillSolution> solutions; // non-empty: show the "Autofill Gap" dialog
    std::string prompt;                  // "Gap: %.1f mm. Select fill:"
    std::vector<std::string> lines;      // one per solution; the first is pre-selected
};

// Fills are offered only when the straights' far end lands on B's end (within 1 mm, facing it)
// and both ends are of one track system on one level; any other gap gets "No Solution".
AutofillPlan planAutofill(Layout& layout);

// "Place": the chosen straights laid from A's end, each joined to the one before, the last joined
// to B's end. One undo snapshot.
EditResult placeFill(Layout& layout, const GapPair& gap, const FillSolution& solution);

} // namespace layrail
