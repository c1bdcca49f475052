#include "catalog/SceneryCatalog.h"
#include "catalog/TrackCatalog.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

using namespace layrail;

namespace {

const SceneryDef& def(const std::string& id)
{
    const SceneryDef* d = SceneryCatalog::instance().find(id);
    if (!d)
        throw std::runtime_error("missing scenery " + id);
    return *d;
}

bool sameColour(const Rgba& c, int r, int g, int b, int a = 255)
{
    return c.r == r && c.g == g && c.b == b && c.a == a;
}

std::vector<Point> cornerPoints(const SceneryPrimitive& p)
{
    switch (p.kind) {
    case PrimitiveKind::FilledPolygon:
        return p.points;
    case PrimitiveKind::Line:
        return {{p.a, p.b}, {p.c, p.d}};
    case PrimitiveKind::Text:
        return {{p.a, p.b}};
    default:
        return {{p.a, p.b}, {p.a + p.c, p.b + p.d}};
    }
}

} // namespace

TEST(SceneryCatalog, DefinitionsInOrder)
{
    struct Row {
        const char* id;
        const char* name;
        int category;
        double width, depth;
    };
    const std::vector<Row> rows = {
        {"platform", "Platform", 0, 230, 60},
        {"platform_island", "Island platform 460mm", 0, 460, 120},
        {"station_small", "Station Gueglingen", 2, 308, 140},
        {"station_large", "Station Schwarzburg", 2, 550, 185},
        {"signal_box", "Signal box", 1, 60, 50},
        {"shed_1road", "Engine shed (1 road)", 1, 300, 80},
        {"shed_2road", "Engine shed (2 roads)", 1, 300, 160},
        {"goods_shed", "Goods shed", 1, 200, 80},
        {"warehouse", "Warehouse", 1, 400, 200},
        {"signal_semaphore_stop", "Semaphore (Stop)", 3, 20, 20},
        {"signal_semaphore_clear", "Semaphore (Clear)", 3, 20, 20},
        {"signal_color_stop", "Color light (Stop)", 3, 20, 20},
        {"signal_color_clear", "Color light (Clear)", 3, 20, 20},
        {"signal_z_semaphore_stop", "Semaphore Z (Stop)", 3, 12, 12},
        {"signal_z_semaphore_clear", "Semaphore Z (Clear)", 3, 12, 12},
        {"signal_z_color_stop", "Color light Z (Stop)", 3, 12, 12},
        {"signal_z_color_clear", "Color light Z (Clear)", 3, 12, 12},
        {"bridge_truss_scenery", "Truss bridge (scenery)", 4, 188, 64},
        {"bridge_arch_scenery", "Arch bridge (scenery)", 4, 360, 64},
        {"crossing_1track", "Level crossing (1 track)", 6, 120, 80},
        {"crossing_2track", "Level crossing (2 tracks)", 6, 120, 160},
        {"road_straight", "Road straight 188mm", 6, 188, 60},
        {"74861", "Turntable 74861 (pit 278mm)", 9, 278, 278},
        {"72886", "Roundhouse 72886 (3-stall)", 10, 386, 343},
        {"water_tower", "Water tower", 9, 50, 50},
        {"coaling_tower", "Coaling tower", 9, 80, 80},
        {"tree_sm_dec", "Deciduous tree (small)", 7, 34, 34},
        {"tree_lg_dec", "Deciduous tree (large)", 7, 57, 57},
        {"tree_conifer", "Conifer tree", 7, 23, 40},
        {"tree_group", "Tree group (3 mixed)", 7, 115, 80},
        {"bush", "Bush / shrub", 7, 23, 17},
        {"car", "Car", 8, 50, 20},
        {"truck", "Truck", 8, 80, 25},
        {"parking_lot", "Parking lot (10 spaces)", 9, 250, 120},
        {"ped_zone", "Pedestrian zone", 9, 115, 57},
        {"bridge_truss", "Steel truss bridge (1 track)", 9, 188, 80},
        {"viaduct_pier", "Viaduct pier (concrete)", 9, 40, 60},
        {"tunnel_portal_single", "Tunnel portal (1 track)", 5, 40, 80},
        {"retaining_wall", "Retaining wall 188mm", 9, 188, 30},
    };
    const std::vector<SceneryDef>& all = SceneryCatalog::instance().all();
    ASSERT_EQ(all.size(), 39u);
    ASSERT_EQ(rows.size(), all.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].id);
        EXPECT_EQ(all[i].id, rows[i].id);
        EXPECT_EQ(all[i].name, rows[i].name);
        EXPECT_EQ(static_cast<int>(all[i].category), rows[i].category);
        EXPECT_DOUBLE_EQ(all[i].width, rows[i].width);
        EXPECT_DOUBLE_EQ(all[i].depth, rows[i].depth);
        EXPECT_EQ(all[i].zScale, std::string(rows[i].id).rfind("signal_z_", 0) == 0);
        EXPECT_EQ(SceneryCatalog::instance().find(rows[i].id), &all[i]);
    }
}

TEST(SceneryCatalog, LookupIsExactAndSeparateFromTrack)
{
    const SceneryCatalog& cat = SceneryCatalog::instance();
    EXPECT_EQ(&cat, &SceneryCatalog::instance());
    EXPECT_EQ(cat.find(""), nullptr);
    EXPECT_EQ(cat.find("Platform"), nullptr);
    EXPECT_EQ(cat.find("tunnel_portal"), nullptr);

    const SceneryDef& turntable = def("74861");
    EXPECT_EQ(turntable.category, SceneryCategory::Special);
    EXPECT_DOUBLE_EQ(turntable.width, 278);
    const CatalogPiece* piece = TrackCatalog::instance().find("74861");
    ASSERT_NE(piece, nullptr);
    EXPECT_EQ(piece->kind, PieceKind::Turntable);
    EXPECT_DOUBLE_EQ(piece->length, 378);
}

TEST(SceneryCatalog, PlatformDrawing)
{
    const std::vector<SceneryPrimitive>& d = def("platform").drawing;
    ASSERT_EQ(d.size(), 7u);
    EXPECT_EQ(d[0].kind, PrimitiveKind::FilledRect);
    EXPECT_EQ(d[0].c, 230);
    EXPECT_EQ(d[0].d, 60);
    EXPECT_TRUE(sameColour(d[0].fill, 180, 175, 170));
    EXPECT_TRUE(sameColour(d[0].line, 120, 115, 110));
    EXPECT_EQ(d[0].lineWidth, 1);

    EXPECT_EQ(d[1].kind, PrimitiveKind::FilledRect);
    EXPECT_EQ(d[1].b, 52);
    EXPECT_EQ(d[1].d, 8);
    EXPECT_TRUE(sameColour(d[1].fill, 220, 200, 100));
    EXPECT_TRUE(d[1].line.a == 0 || d[1].lineWidth == 0);

    const double xs[] = {40, 80, 120, 160, 190};
    for (int i = 0; i < 5; ++i) {
        const SceneryPrimitive& l = d[static_cast<size_t>(2 + i)];
        EXPECT_EQ(l.kind, PrimitiveKind::Line);
        EXPECT_EQ(l.a, xs[i]);
        EXPECT_EQ(l.b, 0);
        EXPECT_EQ(l.c, xs[i]);
        EXPECT_EQ(l.d, 60);
        EXPECT_EQ(l.lineWidth, 1);
        EXPECT_EQ(l.fill.a, 0);
        EXPECT_TRUE(sameColour(l.line, 150, 145, 140, 80));
    }
}

TEST(SceneryCatalog, SignalsShareTwoDrawings)
{
    for (const SceneryDef& d : SceneryCatalog::instance().all()) {
        if (d.category != SceneryCategory::Signals)
            continue;
        SCOPED_TRACE(d.id);
        const double s = d.zScale ? 12.0 : 20.0;
        const bool colourLight = d.id.find("color") != std::string::npos;
        const bool clear = d.id.find("clear") != std::string::npos;
        ASSERT_EQ(d.drawing.size(), colourLight ? 5u : 3u);

        const SceneryPrimitive& disc = d.drawing[0];
        EXPECT_EQ(disc.kind, PrimitiveKind::FilledEllipse);
        EXPECT_EQ(disc.c, s);
        EXPECT_TRUE(sameColour(disc.fill, 255, 255, 255));

        const SceneryPrimitive& lamp = d.drawing[1];
        EXPECT_EQ(lamp.kind, PrimitiveKind::FilledEllipse);
        EXPECT_NEAR(lamp.a, 0.74 * s, 1e-9);
        EXPECT_NEAR(lamp.c, 0.16 * s, 1e-9);
        EXPECT_TRUE(clear ? sameColour(lamp.fill, 60, 200, 80) : sameColour(lamp.fill, 220, 40, 40));

        for (const SceneryPrimitive& p : d.drawing) {
            EXPECT_TRUE(sameColour(p.line, 20, 20, 20));
            EXPECT_EQ(p.lineWidth, 1);
        }
        if (colourLight) {
            ASSERT_EQ(d.drawing[2].kind, PrimitiveKind::FilledPolygon);
            ASSERT_EQ(d.drawing[2].points.size(), 3u);
            EXPECT_NEAR(d.drawing[2].points[0].x, 0.1 * s, 1e-9);
            EXPECT_NEAR(d.drawing[2].points[2].y, 0.86 * s, 1e-9);
            EXPECT_EQ(d.drawing[3].kind, PrimitiveKind::Line);
            EXPECT_NEAR(d.drawing[3].c, 0.55 * s, 1e-9);
        }
        const SceneryPrimitive& label = d.drawing.back();
        EXPECT_EQ(label.kind, PrimitiveKind::Text);
        EXPECT_EQ(label.text, colourLight ? "SL" : "SS");
        EXPECT_NEAR(label.a, 0.5 * s, 1e-9);
        EXPECT_NEAR(label.b, 0.42 * s, 1e-9);
        EXPECT_EQ(label.d, 10);
        EXPECT_TRUE(sameColour(label.fill, 20, 20, 20));
    }
}

TEST(SceneryCatalog, TunnelPortalRingAndStones)
{
    const std::vector<SceneryPrimitive>& d = def("tunnel_portal_single").drawing;
    ASSERT_EQ(d.size(), 7u);
    const SceneryPrimitive& ring = d[0];
    ASSERT_EQ(ring.kind, PrimitiveKind::FilledPolygon);
    ASSERT_EQ(ring.points.size(), 38u);
    EXPECT_TRUE(sameColour(ring.fill, 140, 130, 118));
    EXPECT_TRUE(sameColour(ring.line, 40, 35, 30));
    // Outer arc from the bottom (90 degrees) round the left to the top, then the inner arc back.
    EXPECT_NEAR(ring.points[0].x, 40, 1e-9);
    EXPECT_NEAR(ring.points[0].y, 80, 1e-9);
    EXPECT_NEAR(ring.points[9].x, 0, 1e-9);
    EXPECT_NEAR(ring.points[9].y, 40, 1e-9);
    EXPECT_NEAR(ring.points[18].y, 0, 1e-9);
    EXPECT_NEAR(ring.points[19].x, 40, 1e-9);
    EXPECT_NEAR(ring.points[19].y, 14, 1e-9);
    EXPECT_NEAR(ring.points[28].x, 14, 1e-9);
    EXPECT_NEAR(ring.points[37].y, 66, 1e-9);
    for (size_t i = 0; i < ring.points.size(); ++i) {
        const double r = std::hypot(ring.points[i].x - 40, ring.points[i].y - 40);
        EXPECT_NEAR(r, i < 19 ? 40 : 26, 1e-9);
        EXPECT_LE(ring.points[i].x, 40 + 1e-9);
    }

    for (int k = 0; k < 6; ++k) {
        const SceneryPrimitive& stone = d[static_cast<size_t>(1 + k)];
        ASSERT_EQ(stone.kind, PrimitiveKind::FilledPolygon);
        ASSERT_EQ(stone.points.size(), 4u);
        EXPECT_TRUE(sameColour(stone.fill, 95, 85, 75));
        EXPECT_TRUE(sameColour(stone.line, 95, 85, 75));
        // The 2nd, 4th, ... sector: from 105 + 30k degrees to 120 + 30k.
        const double from = (105.0 + 30.0 * k) * 3.141592653589793 / 180.0;
        EXPECT_NEAR(stone.points[0].x, 40 + 40 * std::cos(from), 1e-9);
        EXPECT_NEAR(stone.points[0].y, 40 + 40 * std::sin(from), 1e-9);
        EXPECT_NEAR(std::hypot(stone.points[2].x - 40, stone.points[2].y - 40), 26, 1e-9);
    }
}

TEST(SceneryCatalog, EveryDrawingFitsItsFootprint)
{
    const double tol = 1e-6;
    for (const SceneryDef& d : SceneryCatalog::instance().all()) {
        SCOPED_TRACE(d.id);
        ASSERT_FALSE(d.drawing.empty());
        for (const SceneryPrimitive& p : d.drawing) {
            switch (p.kind) {
            case PrimitiveKind::FilledRect:
            case PrimitiveKind::FilledEllipse:
            case PrimitiveKind::RectOutline:
            case PrimitiveKind::EllipseOutline:
                EXPECT_GT(p.c, 0);
                EXPECT_GT(p.d, 0);
                break;
            case PrimitiveKind::FilledPolygon:
                EXPECT_GE(p.points.size(), 3u);
                break;
            case PrimitiveKind::Text:
                EXPECT_FALSE(p.text.empty());
                EXPECT_GT(p.d, 0);
                break;
            case PrimitiveKind::Line:
                break;
            }
            // Something of every primitive must show: a fill, or a visible stroke.
            EXPECT_TRUE(p.fill.a > 0 || (p.line.a > 0 && p.lineWidth > 0)) << static_cast<int>(p.kind);
            for (const Point& pt : cornerPoints(p)) {
                EXPECT_GE(pt.x, -tol);
                EXPECT_GE(pt.y, -tol);
                EXPECT_LE(pt.x, d.width + tol);
                EXPECT_LE(pt.y, d.depth + tol);
            }
        }
    }
}
