#include <gtest/gtest.h>

#include <cmath>

#include "support/EditTestSupport.h"
#include "canvas/Clipboard.h"
#include "canvas/HitTest.h"
#include "canvas/Selection.h"
#include "catalog/HelixKits.h"

using namespace layrail;
using namespace layrail::edittest;

namespace {

int hitAt(const Layout& layout, double x, double y) { return hitPiece(layout, unitView(), x, y); }

} // namespace

TEST(HitTest, StraightBandHasFiveMillimetresOfSlackAtTheEnds)
{
    Layout layout = withLevel();
    const int id = lay(layout, "24188", 100, 100, 0);
    EXPECT_EQ(hitAt(layout, 96, 100), id);
    EXPECT_EQ(hitAt(layout, 94, 100), -1);
    EXPECT_EQ(hitAt(layout, 100 + 188.3 + 4.9, 100), id);
    EXPECT_EQ(hitAt(layout, 150, 119.5), id);
    EXPECT_EQ(hitAt(layout, 150, 120.5), -1);

    Layout z = withLevel();
    const int zid = lay(z, "8500", 0, 100, 0);
    EXPECT_EQ(hitAt(z, 50, 106.5), zid);
    EXPECT_EQ(hitAt(z, 50, 107.5), -1);
}

TEST(HitTest, CurveIsHitAlongItsArcWithinTolerances)
{
    Layout layout = withLevel();
    const int id = lay(layout, "24130", 0, 0, 0); // R 360, 30 degrees, centre (0, 360)
    auto onRadius = [](double r, double deg) {
        const double a = (deg - 90.0) * kPi / 180.0;
        return Point{r * std::cos(a), 360 + r * std::sin(a)};
    };
    Point p = onRadius(360, 15);
    EXPECT_EQ(hitAt(layout, p.x, p.y), id);
    p = onRadius(360 + 24, 15);
    EXPECT_EQ(hitAt(layout, p.x, p.y), id);
    p = onRadius(360 + 26, 15);
    EXPECT_EQ(hitAt(layout, p.x, p.y), -1);
    p = onRadius(360, 32.5);
    EXPECT_EQ(hitAt(layout, p.x, p.y), id);
    p = onRadius(360, 33.5);
    EXPECT_EQ(hitAt(layout, p.x, p.y), -1);
    p = onRadius(360, -2.5);
    EXPECT_EQ(hitAt(layout, p.x, p.y), id);
}

TEST(HitTest, TurntableAndParallelCurvedTurnout)
{
    Layout layout = withLevel();
    const int tt = lay(layout, "74861", 0, 0, 0);
    EXPECT_EQ(hitAt(layout, 198, 0), tt);
    EXPECT_EQ(hitAt(layout, 0, -200), -1);

    const int pct = lay(layout, "2269", 1000, 0, 0); // K-Track right curved turnout, spacing 64.6
    EXPECT_EQ(hitAt(layout, 1030, 24), pct); // straight band, a + 5
    EXPECT_EQ(hitAt(layout, 1030, -26), -1);
    const double a = 20 * kPi / 180;
    EXPECT_EQ(hitAt(layout, 1000 + 64.6 + 360 * std::sin(a), 360 - 360 * std::cos(a)), pct); // second curve
}

TEST(HitTest, LevelsDecideThenDistanceThenLayoutOrder)
{
    Layout layout = withLevel();
    layout.levels.push_back(level(2, 80));
    layout.levels.push_back(level(3, 200, false));
    const int low = lay(layout, "24188", 0, 0, 0, 1);
    const int high = lay(layout, "24188", 0, 10, 0, 2);
    lay(layout, "24188", 0, 5, 0, 3); // hidden: never hit
    EXPECT_EQ(hitAt(layout, 50, 5), high);
    piece(layout, high).level = 1;
    // Equal heights: the origin nearest the mouse.
    EXPECT_EQ(hitAt(layout, 5, 1), low);
    EXPECT_EQ(hitAt(layout, 5, 9), high);
    // Full tie: the later piece.
    const int twin = lay(layout, "24188", 0, 0, 0, 1);
    EXPECT_EQ(hitAt(layout, 5, 1), twin);
}

TEST(HitTest, HelixSceneryAndLabels)
{
    Layout layout = withLevel();
    const int helix = addHelix(layout).id;
    const HelixKit* kit = findHelixKit("proses_2_5_r1r2");
    ASSERT_NE(kit, nullptr);
    EXPECT_EQ(hitHelix(layout, unitView(), 500 + kit->innerRadius + 24, 500), helix);
    EXPECT_EQ(hitHelix(layout, unitView(), 500 + kit->outerRadius - 24, 500), helix);
    EXPECT_EQ(hitHelix(layout, unitView(), 500 + 398, 500), -1);
    EXPECT_EQ(helixStandIn(layout, helix), layout.helices[0].bottomR1);

    SceneryItem platform; // 230 x 60
    platform.id = layout.takeId();
    platform.item = "platform";
    platform.x = 1000;
    platform.y = 500;
    platform.scaleX = 2.0;
    layout.scenery.push_back(platform);
    EXPECT_EQ(hitScenery(layout, unitView(), 1000 + 232, 500), platform.id);
    EXPECT_EQ(hitScenery(layout, unitView(), 1000 + 234, 500), -1);
    EXPECT_EQ(hitScenery(layout, unitView(), 1000, 500 + 34), -1);
    layout.levels[0].visible = false;
    EXPECT_EQ(hitScenery(layout, unitView(), 1000, 500), -1);

    LayoutLabel label;
    label.id = layout.takeId();
    label.x = 100;
    label.y = 100;
    layout.labels.push_back(label);
    EXPECT_EQ(hitLabel(layout, unitView(), 97, 123), label.id);
    EXPECT_EQ(hitLabel(layout, unitView(), 221, 110), -1);
}

TEST(SelectOnPress, PlainPressSelectsWholeHelixOrTurntableWithItsSpokes)
{
    Layout layout = withLevel();
    const int other = lay(layout, "24188", 0, 0, 0);
    piece(layout, other).selected = true;
    const Helix h = addHelix(layout);
    EXPECT_TRUE(selectOnPiecePress(layout, h.topR1, false, false));
    EXPECT_EQ(selectedIds(layout), (std::vector<int>{h.bottomR1, h.bottomR2, h.topR1, h.topR2}));
    // Pressing an already selected piece keeps the selection and needs no update.
    EXPECT_FALSE(selectOnPiecePress(layout, h.bottomR2, false, false));

    const int tt = lay(layout, "74861", 2000, 0, 0);
    const int spoke = lay(layout, "74871", 2139, 0, 0);
    joinBoth(layout, tt, 0, spoke, 0);
    selectOnPiecePress(layout, tt, false, false);
    EXPECT_EQ(selectedIds(layout), (std::vector<int>{tt, spoke}));

    selectOnPiecePress(layout, other, true, false); // Ctrl toggles
    EXPECT_EQ(selectedIds(layout), (std::vector<int>{other, tt, spoke}));
    selectOnPiecePress(layout, tt, true, false);
    EXPECT_EQ(selectedIds(layout), (std::vector<int>{other, spoke}));
}

TEST(ChainSelect, SelectsThePathFromTheAnchorAndTogglesOtherwise)
{
    Layout layout = withLevel();
    const int a = lay(layout, "24188", 0, 0, 0);
    const int b = lay(layout, "24611", 188.3, 0, 0);
    const int c = lay(layout, "24188", 376.6, 0, 0);
    const int d = lay(layout, "24188", 564.9, 0, 0);
    const int branch = lay(layout, "24188", 400, -100, 0);
    const int island = lay(layout, "24188", 0, 900, 0);
    joinBoth(layout, a, 1, b, 0);
    joinBoth(layout, b, 1, c, 0);
    joinBoth(layout, c, 1, d, 0);
    joinBoth(layout, b, 2, branch, 0);
    piece(layout, b).setJoint(3, 777, 0); // points at nothing

    piece(layout, a).selected = true;
    selectOnPiecePress(layout, d, false, true);
    EXPECT_EQ(selectedIds(layout), (std::vector<int>{a, b, c, d}));

    selectOnPiecePress(layout, island, false, true);
    EXPECT_EQ(selectedIds(layout), (std::vector<int>{a, b, c, d, island}));
    // The anchor itself toggles.
    chainSelect(layout, island);
    EXPECT_EQ(selectedIds(layout), (std::vector<int>{a, b, c, d}));

    for (PlacedPiece& p : layout.pieces)
        p.selected = false;
    chainSelect(layout, c); // no anchor
    EXPECT_EQ(selectedIds(layout), std::vector<int>{c});
}

TEST(RubberBand, SelectsOriginsInsideOnVisibleLevelsAndClearsTheClipboard)
{
    Layout layout = withLevel();
    layout.levels.push_back(level(2, 0, false));
    const int inside = lay(layout, "24188", 100, 100, 0);
    lay(layout, "24188", 100, 300, 0);
    lay(layout, "24188", 150, 150, 0, 2);
    const Helix h = addHelix(layout);
    addScenery(layout, "bush", 120, 120);

    Clipboard clipboard;
    clipboard.pieces.push_back(layout.pieces[0]);
    const CanvasView view = unitView();
    EXPECT_FALSE(rubberBandSelect(layout, clipboard, view, 90, 90, 94, 93));
    EXPECT_FALSE(clipboard.empty());

    // The band from (90, 50) to (520, 200) holds one helix stub; the whole helix follows.
    EXPECT_TRUE(rubberBandSelect(layout, clipboard, view, 520, 200, 90, 50));
    EXPECT_EQ(selectedIds(layout), (std::vector<int>{inside, h.bottomR1, h.bottomR2, h.topR1, h.topR2}));
    EXPECT_TRUE(layout.scenery[0].selected);
    EXPECT_TRUE(clipboard.empty());
}

TEST(SelectOnPress, SceneryLabelsAndContextMenu)
{
    Layout layout = withLevel();
    const int p = lay(layout, "24188", 0, 0, 0);
    const int q = lay(layout, "24188", 0, 100, 0);
    const SceneryItem s = addScenery(layout, "bush");
    piece(layout, p).selected = true;

    selectOnSceneryPress(layout, s.id, true);
    EXPECT_TRUE(layout.scenery[0].selected);
    EXPECT_TRUE(piece(layout, p).selected);
    selectOnSceneryPress(layout, s.id, false); // already selected: selection stays
    EXPECT_TRUE(piece(layout, p).selected);
    selectOnSceneryPress(layout, s.id, true);
    selectOnSceneryPress(layout, s.id, false);
    EXPECT_FALSE(piece(layout, p).selected);
    EXPECT_TRUE(layout.scenery[0].selected);

    selectForContextMenu(layout, q);
    EXPECT_EQ(selectedIds(layout), std::vector<int>{q});
    EXPECT_FALSE(layout.scenery[0].selected);
    EXPECT_FALSE(autofillAvailable(layout));
    piece(layout, p).selected = true;
    selectForContextMenu(layout, q); // already selected: kept
    EXPECT_TRUE(autofillAvailable(layout));

    LayoutLabel a, b;
    a.id = layout.takeId();
    b.id = layout.takeId();
    b.selected = true;
    layout.labels = {a, b};
    selectOnlyLabel(layout, a.id);
    EXPECT_TRUE(layout.labels[0].selected);
    EXPECT_FALSE(layout.labels[1].selected);
    EXPECT_EQ(selectedIds(layout), (std::vector<int>{p, q}));

    Clipboard clipboard;
    clipboard.scenery.push_back(s);
    clearSelectionAndClipboard(layout, clipboard);
    EXPECT_TRUE(selectedIds(layout).empty());
    EXPECT_FALSE(layout.labels[0].selected);
    EXPECT_TRUE(clipboard.empty());
}
