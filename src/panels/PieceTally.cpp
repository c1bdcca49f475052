#include "panels/PieceTally.h"

#include <unordered_map>
#include <utility>

#include "catalog/HelixKits.h"
#include "catalog/TrackCatalog.h"

namespace layrail {

namespace {

struct PerPiece {
    const char* article;
    int count;
};

// Motors (74491) each C-Track or TRIX turnout needs.
constexpr PerPiece kTurnoutMotors[] = {
    {"24611", 1}, {"24612", 1}, {"24630", 2}, {"24671", 1}, {"24672", 1}, {"24711", 1}, {"24712", 1}, {"24771", 1},
    {"24772", 1}, {"24720", 1}, {"62611", 1}, {"62612", 1}, {"62630", 2}, {"62671", 1}, {"62672", 1},
};

// Motors (75491) each K-Track turnout needs; the left turnout 2262 needs one like its right twin 2263.
constexpr PerPiece kKTrackMotors[] = {
    {"2261", 1}, {"2262", 1}, {"2263", 1}, {"2264", 1}, {"2265", 1}, {"2266", 1}, {"2267", 1},
    {"2268", 1}, {"2269", 1}, {"2271", 1}, {"2272", 1}, {"2276", 1}, {"2277", 1},
};

constexpr const char* kDecoded[] = {
    "24611", "24612", "24630", "24671", "24672", "24711", "24712", "24771",
    "24772", "24624", "62611", "62612", "62630", "62671", "62672", "62624",
};
constexpr const char* kSpecialDecoded[] = {"24720"};

template <typename Table> int perPiece(const Table& table, const std::string& article)
{
    for (const PerPiece& entry : table)
        if (article == entry.article)
            return entry.count;
    return 0;
}

template <typename Table> bool listed(const Table& table, const std::string& article)
{
    for (const char* entry : table)
        if (article == entry)
            return true;
    return false;
}

const HelixKit* kitOrDefault(const std::string& kitId)
{
    const HelixKit* kit = findHelixKit(kitId);
    return kit ? kit : findHelixKit(defaultHelixKitId());
}

} // namespace

std::string tallyName(const std::string& article)
{
    if (const CatalogPiece* piece = TrackCatalog::instance().find(article))
        return piece->description;
    if (const SceneryDef* def = SceneryCatalog::instance().find(article))
        return def->name;
    return article;
}

const std::vector<std::string>& deckTrackOf(const std::string& article)
{
    static const std::unordered_map<std::string, std::vector<std::string>> table = {
        {"74636", {"24360"}},
        {"74620", {"24188"}},
        {"74623", {"24230"}},
        {"74613", {"24130"}},
        {"74618", {"24188", "24172"}},
        {"7263", {"2200", "2200"}},
        {"7262", {"2200"}},
        {"7569", {"2221"}},
        {"7267", {"2221"}},
        {"62636", {"62188", "62172"}},
        {"62620", {"62188"}},
        {"62623", {"62230"}},
        {"62613", {"62130"}},
        {"8975", {"8505"}},
        {"89759", {"8500"}},
        {"8976", {"8500"}},
        {"8977", {"8510"}},
    };
    static const std::vector<std::string> none;
    const auto it = table.find(article);
    return it == table.end() ? none : it->second;
}

void applyPackRule(TallyMap& counts)
{
    const auto it = counts.find(kSpokeExtensionArticle);
    if (it != counts.end())
        it->second = (it->second + 2) / 3;
}

Accessories accessoriesFor(const TallyMap& counts)
{
    Accessories result;
    for (const auto& [article, count] : counts) {
        result.motors += count * perPiece(kTurnoutMotors, article);
        result.kTrackMotors += count * perPiece(kKTrackMotors, article);
        if (listed(kDecoded, article))
            result.decoders += count;
        if (listed(kSpecialDecoded, article))
            result.specialDecoders += count;
    }
    return result;
}

TallyMap countTally(const Layout& layout, const StoreTable& store)
{
    // Counted per article first, so the ordered map and the deck rule see each article once.
    std::unordered_map<std::string, int> perArticle;
    for (const PlacedPiece& piece : layout.pieces)
        if (!piece.free)
            ++perArticle[piece.article];

    TallyMap counts;
    for (const auto& [article, count] : perArticle) {
        counts[article] += count;
        for (const std::string& carried : deckTrackOf(article))
            counts[carried] += count;
    }
    applyPackRule(counts);

    for (const SceneryItem& item : layout.scenery)
        if (store.purchasable(item.item))
            ++counts[item.item];

    // The layout holds only a helix's stubs; its spiral is built from twelve curves a turn on each track.
    for (const Helix& helix : layout.helices) {
        if (const HelixKit* kit = kitOrDefault(helix.variant)) {
            const int curves = static_cast<int>(kit->turns * 12.0);
            counts[kit->innerCurveArticle] += curves;
            counts[kit->outerCurveArticle] += curves;
        }
    }
    return counts;
}

std::vector<TallyRow> tallyRows(const TallyMap& counts)
{
    std::vector<TallyRow> rows;
    rows.reserve(counts.size() + 5);
    for (const auto& [article, count] : counts)
        rows.push_back({tallyName(article), std::to_string(count), false});

    const Accessories needed = accessoriesFor(counts);
    if (needed.total() > 0) {
        rows.push_back({"We Recommend", "", true});
        const std::pair<const char*, int> accessoryRows[] = {
            {"74491 Turnout Motor", needed.motors},
            {"75491 K-Track Motor", needed.kTrackMotors},
            {"74462 Decoder", needed.decoders},
            {"74467 Decoder (24720)", needed.specialDecoders},
        };
        for (const auto& [text, count] : accessoryRows)
            if (count > 0)
                rows.push_back({text, std::to_string(count), false});
    }
    return rows;
}

Tally computeTally(const Layout& layout, const StoreTable& store)
{
    Tally tally;
    tally.counts = countTally(layout, store);
    tally.rows = tallyRows(tally.counts);
    return tally;
}

} // namespace layrail
