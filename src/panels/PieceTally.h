#pragma once

#include <map>
#include <string>
#include <vector>

#include "catalog/Articles.h"
#include "catalog/SceneryCatalog.h"
#include "document/Layout.h"
#include "panels/StoreTable.h"

namespace layrail {

// Article number to count, in byte-wise article order.
using TallyMap = std::map<std::string, int>;

// Turnout motors and decoders a tally calls for.
struct Accessories {
    int motors = 0;          // 74491, C-Track and TRIX turnouts
    int kTrackMotors = 0;    // 75491
    int decoders = 0;        // 74462
    int specialDecoders = 0; // 74467, the slim double slip 24720
    int total() const { return motors + kTrackMotors + decoders + specialDecoders; }
};

inline constexpr const char* kTurnoutMotorArticle = "74491";
inline constexpr const char* kKTrackMotorArticle = "75491";
inline constexpr const char* kDecoderArticle = "74462";
inline constexpr const char* kSpecialDecoderArticle = "74467";

// The track a bridge or ramp carries, counted once more for every one counted; empty for others.
const std::vector<std::string>& deckTrackOf(const std::string& article);

// Spoke extensions come in packs of three: their count becomes the number of packs.
void applyPackRule(TallyMap& counts);

Accessories accessoriesFor(const TallyMap& counts);

// One row of the piece-count list.
struct TallyRow {
    std::string piece; // column "Piece"
    std::string count; // column "Count"; empty on the heading row
    bool heading = false;

    bool operator==(const TallyRow& other) const
    {
        return piece == other.piece && count == other.count && heading == other.heading;
    }
    bool operator!=(const TallyRow& other) const { return !(*this == other); }
};

// The "We Recommend" heading is bold and drawn in this colour.
inline constexpr Rgba kRecommendColour{60, 60, 160, 255};

struct Tally {
    TallyMap counts;
    std::vector<TallyRow> rows;
};

// What the layout needs: every piece not marked free (with the track its bridges carry), the
// spoke extensions in packs, the scenery the store sells and the curves of every helix.
TallyMap countTally(const Layout& layout, const StoreTable& store);

// What the list calls an article: the track catalog's description, the scenery catalog's name,
// else the article itself.
std::string tallyName(const std::string& article);

// The rows of the list: one per article in map order, named by the track or scenery catalog,
// then, when any is needed, "We Recommend" and the accessory rows.
std::vector<TallyRow> tallyRows(const TallyMap& counts);

Tally computeTally(const Layout& layout, const StoreTable& store);

} // namespace layrail
