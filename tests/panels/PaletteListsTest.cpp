#include <gtest/gtest.h>

#include "catalog/HelixKits.h"
#include "catalog/SceneryCatalog.h"
#include "catalog/TrackCatalog.h"
#include "panels/PaletteLists.h"

namespace layrail {
namespace {

// "--- " entries are headers; every other entry is the article key of an item row, whose text
// must be the catalog's description. Compares the first expected.size() rows.
void expectTrackRows(const PaletteList& list, const std::vector<std::string>& expected)
{
    const TrackCatalog& catalog = TrackCatalog::instance();
    ASSERT_EQ(list.rows.size(), list.keys.size());
    ASSERT_GE(list.rows.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        if (expected[i].rfind("--- ", 0) == 0) {
            EXPECT_EQ(list.rows[i], expected[i]) << "row " << i;
            EXPECT_EQ(list.keys[i], "") << "row " << i;
        } else {
            EXPECT_EQ(list.keys[i], expected[i]) << "row " << i;
            const CatalogPiece* piece = catalog.find(expected[i]);
            ASSERT_NE(piece, nullptr) << expected[i];
            EXPECT_EQ(list.rows[i], piece->description) << "row " << i;
        }
    }
}

PaletteList trackList(int systemIndex)
{
    return buildTrackList(systemIndex, TrackCatalog::instance(), helixKits());
}

TEST(TrackList, MarklinCGroupsEndWithTheHelixKits)
{
    const std::vector<std::string> expected = {
        "--- Straights", "24064", "24071", "24077", "24094", "24172", "24188", "24229", "24236", "24360",
        "--- Curves", "24130", "24115", "24107", "24230", "24294", "24224", "24215", "24207", "24206", "24330",
        "24315", "24430", "24530", "24912",
        "--- Switches", "24611", "24612", "24671", "24672", "24630",
        "--- Crossings", "24640", "24649", "24740",
        "--- Double Slip Switches", "24624", "24720",
        "--- Slim Switches", "24711", "24712", "24771", "24772",
        "--- Circuit Tracks", "24994", "24294",
        "--- Other", "24997", "24977", "24978", "24922", "74861", "74871",
        "--- Bridges", "74636", "74620", "74623", "74613", "74618",
    };
    const PaletteList list = trackList(kPaletteMarklinC);
    ASSERT_EQ(list.rows.size(), expected.size() + 1 + helixKits().size());
    expectTrackRows(list, expected);
    EXPECT_EQ(list.rows[6], "24188 - 188.3mm");

    size_t row = expected.size();
    EXPECT_EQ(list.rows[row], "--- Helix");
    EXPECT_EQ(list.keys[row], "");
    for (const HelixKit& kit : helixKits()) {
        ++row;
        EXPECT_EQ(list.rows[row], kit.name);
        EXPECT_EQ(list.keys[row], "@helix:" + kit.kitId);
    }
    EXPECT_EQ(list.rows[expected.size() + 1], "Proses 2.5 R1&R2 26cm/10.2\"");
    EXPECT_EQ(list.keys.back(), "@helix:proses_4_5_r4r5");
}

TEST(TrackList, MarklinKGroups)
{
    const std::vector<std::string> expected = {
        "--- Straights", "2200", "2201", "2202", "2203", "2204", "2205", "2206", "2207", "2208", "2209", "2293",
        "--- Special Track", "2290", "2291", "2292", "2295", "2297", "2299",
        "--- Curves R0 (295.4mm)", "2210",
        "--- Curves R1 (360mm)", "2229", "2221",
        "--- Curves R2 (424.6mm)", "2223", "2224", "2239", "2231", "2232",
        "--- Curves R3 (515mm)", "2233", "2234", "2235",
        "--- Curves R4 (573.6mm)", "2241", "2251",
        "--- Curves R5 (636mm)", "2274",
        "--- Crossings", "2257", "2258", "2259",
        "--- Turnouts", "2262", "2263", "2265", "2266", "2268", "2269", "2270", "22715", "22716",
        "--- Double Slip Switches", "2260", "2275",
        "--- Bumpers", "7389", "7391",
        "--- Bridges", "7263", "7262", "7569", "7267",
    };
    const PaletteList list = trackList(kPaletteMarklinK);
    ASSERT_EQ(list.rows.size(), expected.size());
    expectTrackRows(list, expected);
    EXPECT_EQ(list.rows[1], "2200 Straight Track Length 180 mm / 7-3/32\"");
}

// A header "Curves Rn (r mm)" promises the radius of every piece beneath it.
TEST(TrackList, CurveHeadersNameTheRadiusOfTheirPieces)
{
    const TrackCatalog& catalog = TrackCatalog::instance();
    for (int system = 0; system < kPaletteSystemCount; ++system) {
        for (const TrackGroup& group : trackGroups(system)) {
            const size_t open = group.name.find(" (");
            const double headerRadius = group.name.rfind("Curves R", 0) == 0 && open != std::string::npos
                               ? std::stod(group.name.substr(open + 2))
                               : -1.0;
            if (headerRadius < 0.0)
                continue;
            for (const std::string& article : group.articles) {
                const CatalogPiece* piece = catalog.find(article);
                ASSERT_NE(piece, nullptr) << article;
                EXPECT_DOUBLE_EQ(piece->radius, headerRadius) << group.name << " holds " << piece->description;
            }
        }
    }
}

TEST(TrackList, TrixCGroups)
{
    const std::vector<std::string> expected = {
        "--- Straights", "62064", "62071", "62077", "62094", "62172", "62188", "62229", "62236", "62360",
        "--- Curves R1 (360mm)", "62107", "62115", "62130",
        "--- Curves R2 (437.5mm)", "62206", "62207", "62215", "62224", "62230",
        "--- Curves R3 (515mm)", "62315", "62330",
        "--- Curves R9 (1114.6mm)", "62912",
        "--- Switches", "62611", "62612", "62671", "62672", "62630",
        "--- Double Slip Switches", "62624",
        "--- Other", "62977", "62997",
        "--- Bridges", "62636", "62620", "62623", "62613",
    };
    const PaletteList list = trackList(kPaletteTrixC);
    ASSERT_EQ(list.rows.size(), expected.size());
    expectTrackRows(list, expected);
    EXPECT_EQ(list.rows[1], "62064 Straight 64.3mm / 2-9/16\"");
}

TEST(TrackList, MarklinZGroupsHaveNoHelix)
{
    const std::vector<std::string> expected = {
        "--- Straights", "8500", "8501", "8502", "8503", "8504", "8505", "8506", "8507",
        "--- Curves R1 (145mm)", "8510", "8511",
        "--- Curves R2 (195mm)", "8520", "8521", "8529",
        "--- Curves R3 (220mm)", "8530", "8531", "8539",
        "--- Turnout Branch Curve", "8591",
        "--- Turnouts", "8562", "8563", "8565", "8566",
        "--- Curved Turnouts", "8568", "8569",
        "--- Crossings", "8559", "8560",
        "--- Other", "8587", "8588", "8590", "8598", "8991",
        "--- Bridges", "8975", "89759", "8976", "8977",
    };
    const PaletteList list = trackList(kPaletteMarklinZ);
    ASSERT_EQ(list.rows.size(), expected.size());
    expectTrackRows(list, expected);
    EXPECT_EQ(list.rows[1], "8500 Straight 110mm / 4-3/8\"");
    EXPECT_EQ(list.rows.back(), "8977 Curved Ramp R1=145mm 45deg");
}

TEST(TrackList, MissingArticlesAreSkippedButHeadersStay)
{
    const TrackCatalog& catalog = TrackCatalog::instance();
    PaletteList list;
    appendTrackGroup(list, TrackGroup{"Mixed", {"24188", "99999", "24172"}}, catalog);
    appendTrackGroup(list, TrackGroup{"Gone", {"99998"}}, catalog);
    EXPECT_EQ(list.rows, (std::vector<std::string>{"--- Mixed", "24188 - 188.3mm", "24172 - 171.7mm", "--- Gone"}));
    EXPECT_EQ(list.keys, (std::vector<std::string>{"", "24188", "24172", ""}));
}

TEST(TrackKeys, HelixPrefix)
{
    EXPECT_TRUE(isHelixKey("@helix:proses_2_5_r1r2"));
    EXPECT_EQ(helixKitIdOf("@helix:proses_2_5_r1r2"), "proses_2_5_r1r2");
    EXPECT_FALSE(isHelixKey("24188"));
    EXPECT_EQ(helixKitIdOf("24188"), "");
    EXPECT_FALSE(isHelixKey("@helix"));

    PaletteList list;
    list.addHeader("Straights");
    list.addItem("24188 - 188.3mm", "24188");
    EXPECT_EQ(list.keyAt(0), "");
    EXPECT_EQ(list.keyAt(1), "24188");
    EXPECT_EQ(list.keyAt(2), "");
    EXPECT_EQ(list.keyAt(-1), "");
}

SceneryDef def(const std::string& id, SceneryCategory category, bool zScale = false)
{
    SceneryDef d;
    d.id = id;
    d.name = "Name of " + id;
    d.category = category;
    d.zScale = zScale;
    return d;
}

TEST(SceneryList, RealCatalogKeepsOnlyItsFiveCategories)
{
    const PaletteList list = buildSceneryList(SceneryCatalog::instance().all());
    const std::vector<std::string> rows = {
        "--- Platforms", "Platform", "Island platform 460mm",
        "--- Stations", "Station Gueglingen", "Station Schwarzburg",
        "--- Bridges", "Truss bridge (scenery)", "Arch bridge (scenery)",
        "--- Other", "Roundhouse 72886 (3-stall)",
        "--- Nature", "Deciduous tree (small)", "Deciduous tree (large)", "Conifer tree",
        "Tree group (3 mixed)", "Bush / shrub",
    };
    const std::vector<std::string> keys = {
        "", "platform", "platform_island", "", "station_small", "station_large", "", "bridge_truss_scenery",
        "bridge_arch_scenery", "", "72886", "", "tree_sm_dec", "tree_lg_dec", "tree_conifer", "tree_group", "bush",
    };
    EXPECT_EQ(list.rows, rows);
    EXPECT_EQ(list.keys, keys);
}

TEST(SceneryList, ReappearingGroupGetsASecondHeaderAndUnknownCategoriesAreLeftOut)
{
    const std::vector<SceneryDef> defs = {
        def("a", SceneryCategory::Nature),
        def("b", SceneryCategory::Buildings),
        def("c", static_cast<SceneryCategory>(12)),
        def("d", SceneryCategory::Nature),
        def("e", SceneryCategory::Platforms),
        def("f", SceneryCategory::Nature),
        def("g", SceneryCategory::Other),
    };
    const PaletteList list = buildSceneryList(defs);
    const std::vector<std::string> rows = {"--- Nature", "Name of a", "Name of d", "--- Platforms", "Name of e",
                                           "--- Nature", "Name of f", "--- Other",     "Name of g"};
    EXPECT_EQ(list.rows, rows);
    EXPECT_EQ(list.keys, (std::vector<std::string>{"", "a", "d", "", "e", "", "f", "", "g"}));
}

TEST(SignalsList, RealCatalogSplitsZScaleFromTheOthers)
{
    const std::vector<SceneryDef>& all = SceneryCatalog::instance().all();
    for (int system : {kPaletteMarklinC, kPaletteMarklinK, kPaletteTrixC}) {
        const PaletteList list = buildSignalsList(system, all);
        EXPECT_EQ(list.rows, (std::vector<std::string>{"--- Semaphore", "Semaphore (Stop)", "Semaphore (Clear)",
                                                       "--- Color light", "Color light (Stop)",
                                                       "Color light (Clear)"}));
        EXPECT_EQ(list.keys, (std::vector<std::string>{"", "signal_semaphore_stop", "signal_semaphore_clear", "",
                                                       "signal_color_stop", "signal_color_clear"}));
    }
    const PaletteList z = buildSignalsList(kPaletteMarklinZ, all);
    EXPECT_EQ(z.keys, (std::vector<std::string>{"", "signal_z_semaphore_stop", "signal_z_semaphore_clear", "",
                                                "signal_z_color_stop", "signal_z_color_clear"}));
    EXPECT_EQ(z.rows[1], "Semaphore Z (Stop)");
}

TEST(SignalsList, GroupNamesFollowTheIdInOrderOfTests)
{
    EXPECT_EQ(signalGroupName("signal_semaphore_color"), "Semaphore");
    EXPECT_EQ(signalGroupName("color_distant"), "Color light");
    EXPECT_EQ(signalGroupName("signal_distant"), "Distant");
    EXPECT_EQ(signalGroupName("signal_Semaphore"), "Other");
    EXPECT_EQ(signalGroupName("dwarf"), "Other");

    const std::vector<SceneryDef> defs = {
        def("platform", SceneryCategory::Platforms),
        def("sig_distant", SceneryCategory::Signals),
        def("sig_dwarf", SceneryCategory::Signals),
        def("sig_z_distant", SceneryCategory::Signals, true),
    };
    const PaletteList list = buildSignalsList(kPaletteMarklinK, defs);
    EXPECT_EQ(list.rows,
              (std::vector<std::string>{"--- Distant", "Name of sig_distant", "--- Other", "Name of sig_dwarf"}));
    EXPECT_EQ(buildSignalsList(kPaletteMarklinZ, defs).keys, (std::vector<std::string>{"", "sig_z_distant"}));
}

TEST(PaletteSystems, ChooserEntriesAndSceneryPage)
{
    EXPECT_EQ(paletteSystemNames(),
              (std::vector<std::string>{"Marklin C-Track", "Marklin K-Track", "TRIX C-Track", "Marklin Z-Track"}));
    EXPECT_EQ(paletteIndexOf(TrackSystem::MarklinC), 0);
    EXPECT_EQ(paletteIndexOf(TrackSystem::MarklinK), 1);
    EXPECT_EQ(paletteIndexOf(TrackSystem::TrixC), 2);
    EXPECT_EQ(paletteIndexOf(TrackSystem::MarklinZ), 3);
    EXPECT_EQ(paletteIndexOf(TrackSystem::KatoN), -1);
    EXPECT_TRUE(sceneryPageWanted(kPaletteMarklinC));
    EXPECT_TRUE(sceneryPageWanted(kPaletteTrixC));
    EXPECT_FALSE(sceneryPageWanted(kPaletteMarklinZ));
}

Layout layoutOf(const std::vector<std::string>& articles)
{
    Layout layout;
    for (const std::string& article : articles) {
        PlacedPiece piece;
        piece.id = layout.takeId();
        piece.article = article;
        layout.pieces.push_back(piece);
    }
    return layout;
}

TEST(PaletteSystems, LoadedLayoutPicksTheFirstSystemInChooserOrder)
{
    const TrackCatalog& catalog = TrackCatalog::instance();
    EXPECT_EQ(paletteIndexForLayout(layoutOf({}), catalog), 0);
    EXPECT_EQ(paletteIndexForLayout(layoutOf({"unknown"}), catalog), 0);
    EXPECT_EQ(paletteIndexForLayout(layoutOf({"8500"}), catalog), 3);
    EXPECT_EQ(paletteIndexForLayout(layoutOf({"8500", "62064", "unknown"}), catalog), 2);
    EXPECT_EQ(paletteIndexForLayout(layoutOf({"8500", "62064", "2200"}), catalog), 1);
    EXPECT_EQ(paletteIndexForLayout(layoutOf({"2200", "8500", "24188"}), catalog), 0);
}

} // namespace
} // namespace layrail
