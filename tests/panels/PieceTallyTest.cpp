#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "PanelTestSupport.h"
#include "panels/PieceTally.h"

namespace layrail {
namespace {

using namespace paneltest;

// Rows as "name = count", the heading as "[We Recommend]".
std::vector<std::string> rowTexts(const Layout& layout)
{
    std::vector<std::string> texts;
    for (const TallyRow& row : computeTally(layout, testStore()).rows)
        texts.push_back(row.heading ? "[" + row.piece + "]" : row.piece + " = " + row.count);
    return texts;
}

struct TallyCase {
    const char* name;
    std::vector<std::string> articles;
    std::vector<std::string> expected;
};

TEST(PieceTally, RowsFollowTheDeckPackAndAccessoryRules)
{
    const std::vector<TallyCase> cases = {
        {"empty layout", {}, {}},
        {"arch bridge carries its track", {"74636"}, {"24360 - 360mm = 1", "74636 Arch Bridge 360mm = 1"}},
        {"straight ramp pair carries two pieces",
         {"74618"},
         {"24172 - 171.7mm = 1", "24188 - 188.3mm = 1", "74618 Straight Ramp 180mm (pair) = 1"}},
        {"K-Track arch bridge carries two straights",
         {"7263", "2200"},
         {"2200 Straight Track Length 180 mm / 7-3/32\" = 3", "7263 Arch Bridge 360mm = 1"}},
        {"Z and TRIX bridges",
         {"8977", "62636"},
         {"62172 Straight 171.7mm / 6-3/4\" = 1", "62188 Straight 188.3mm / 7-3/8\" = 1", "62636 Arch Bridge 360mm = 1",
          "8510 Curve R1=145mm 45deg = 1", "8977 Curved Ramp R1=145mm 45deg = 1"}},
        {"spoke extensions in packs of three, one", {"74871"}, {"74871 Turntable Spoke Extension 57.5mm = 1"}},
        {"three", {"74871", "74871", "74871"}, {"74871 Turntable Spoke Extension 57.5mm = 1"}},
        {"four", {"74871", "74871", "74871", "74871"}, {"74871 Turntable Spoke Extension 57.5mm = 2"}},
        {"three-way turnout",
         {"24630"},
         {"24630 Three-Way Turnout 2x24.3° = 1", "[We Recommend]", "74491 Turnout Motor = 2", "74462 Decoder = 1"}},
        {"slim double slip",
         {"24720"},
         {"24720 Double Slip Switch slim 12.1° = 1", "[We Recommend]", "74491 Turnout Motor = 1",
          "74467 Decoder (24720) = 1"}},
        {"double slip needs a decoder only",
         {"24624"},
         {"24624 Double Slip Switch 24.3° = 1", "[We Recommend]", "74462 Decoder = 1"}},
        {"both K-Track turnouts get a motor",
         {"2262", "2263"},
         {"2262 Left Turnout Length 168.9 mm / 6-5/8\" = 1", "2263 Right Turnout Length 168.9 mm / 6-5/8\" = 1",
          "[We Recommend]", "75491 K-Track Motor = 2"}},
        {"every accessory row, in order",
         {"2263", "24720", "62611", "62611"},
         {"2263 Right Turnout Length 168.9 mm / 6-5/8\" = 1", "24720 Double Slip Switch slim 12.1° = 1",
          "62611 Left Turnout R2=437.5mm 24.3deg = 2", "[We Recommend]", "74491 Turnout Motor = 3",
          "75491 K-Track Motor = 1", "74462 Decoder = 2", "74467 Decoder (24720) = 1"}},
        {"unknown articles are counted under their number", {"9999", "9999"}, {"9999 = 2"}},
        {"articles in byte order",
         {"8500", "7263", "62188", "24188", "2200"},
         {"2200 Straight Track Length 180 mm / 7-3/32\" = 3", "24188 - 188.3mm = 1",
          "62188 Straight 188.3mm / 7-3/8\" = 1", "7263 Arch Bridge 360mm = 1", "8500 Straight 110mm / 4-3/8\" = 1"}},
    };
    for (const TallyCase& c : cases) {
        Layout layout = withLevel();
        layArticles(layout, c.articles);
        EXPECT_EQ(rowTexts(layout), c.expected) << c.name;
    }
}

TEST(PieceTally, FreePiecesScenerySoldByTheStoreAndHelixCurves)
{
    Layout layout = withLevel();
    const std::vector<int> ids = layArticles(layout, {"24188", "24612", "24612"});
    piece(layout, ids[0]).free = true;
    piece(layout, ids[1]).free = true;
    addScenery(layout, "72886");
    addScenery(layout, "platform"); // not sold: left out
    addHelix(layout);               // 2.5 turns of R1 and R2 curves, and four 24188 stubs
    addHelix(layout);
    layout.helices.back().variant = "proses_9_9_none"; // falls back to the default kit
    addHelix(layout);
    layout.helices.back().variant = "proses_4_5_r4r5";

    EXPECT_EQ(rowTexts(layout),
              (std::vector<std::string>{
                  "24130 (30°) R1 - 360mm (14-3/16) = 60", "24188 - 188.3mm = 12",
                  "24230 (30°) R2 - 437.5mm (17-1/4) = 60", "24430 (30°) R4 - 579.3mm (22-13/16) = 54",
                  "24530 (30°) R5 - 643.6mm (25-11/32) = 54", "24612 Right Turnout R2=437.5mm 24.3° = 1",
                  "Roundhouse 72886 (3-stall) = 1", "[We Recommend]", "74491 Turnout Motor = 1", "74462 Decoder = 1"}));
}

TEST(PieceTally, TheHeadingRowIsMarked)
{
    Layout layout = withLevel();
    layArticles(layout, {"24611"});
    const std::vector<TallyRow> rows = computeTally(layout, testStore()).rows;
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_FALSE(rows[0].heading);
    EXPECT_TRUE(rows[1].heading);
    EXPECT_EQ(rows[1].piece, "We Recommend");
    EXPECT_EQ(rows[1].count, "");
    EXPECT_FALSE(rows[2].heading);
}

// The straightforward count, piece by piece, that the tally must agree with.
TallyMap recount(const Layout& layout, const StoreTable& store)
{
    TallyMap counts;
    for (const PlacedPiece& p : layout.pieces) {
        if (p.free)
            continue;
        counts[p.article] += 1;
        for (const std::string& carried : deckTrackOf(p.article))
            counts[carried] += 1;
    }
    if (counts.count("74871"))
        counts["74871"] = (counts["74871"] + 2) / 3;
    for (const SceneryItem& s : layout.scenery)
        if (store.purchasable(s.item))
            counts[s.item] += 1;
    for (const Helix& h : layout.helices) {
        const HelixKit* kit = findHelixKit(h.variant) ? findHelixKit(h.variant) : findHelixKit(defaultHelixKitId());
        for (int turn = 0; turn < static_cast<int>(kit->turns * 12); ++turn) {
            counts[kit->innerCurveArticle] += 1;
            counts[kit->outerCurveArticle] += 1;
        }
    }
    return counts;
}

TEST(PieceTally, CountsMatchAPieceByPieceRecountOverRandomLayouts)
{
    const StoreTable store = testStore();
    RandomLayouts layouts(20240611);
    for (int round = 0; round < 300; ++round) {
        const Layout layout = layouts.next();
        const Tally tally = computeTally(layout, store);
        ASSERT_EQ(tally.counts, recount(layout, store)) << "round " << round;

        // Accessories add up piece by piece, and each map entry has its row, in map order.
        Accessories sum;
        for (const PlacedPiece& p : layout.pieces) {
            if (p.free)
                continue;
            const Accessories one = accessoriesFor({{p.article, 1}});
            sum.motors += one.motors;
            sum.kTrackMotors += one.kTrackMotors;
            sum.decoders += one.decoders;
            sum.specialDecoders += one.specialDecoders;
        }
        const Accessories needed = accessoriesFor(tally.counts);
        EXPECT_EQ(needed.motors, sum.motors);
        EXPECT_EQ(needed.kTrackMotors, sum.kTrackMotors);
        EXPECT_EQ(needed.decoders, sum.decoders);
        EXPECT_EQ(needed.specialDecoders, sum.specialDecoders);

        const size_t accessoryRows = (needed.total() > 0 ? 1 : 0) + (needed.motors > 0) + (needed.kTrackMotors > 0) +
                                     (needed.decoders > 0) + (needed.specialDecoders > 0);
        ASSERT_EQ(tally.rows.size(), tally.counts.size() + accessoryRows);
        size_t row = 0;
        for (const auto& [article, count] : tally.counts) {
            EXPECT_EQ(tally.rows[row].count, std::to_string(count));
            EXPECT_NE(tally.rows[row].piece.find(article), std::string::npos) << tally.rows[row].piece;
            ++row;
        }
    }
}

} // namespace
} // namespace layrail
