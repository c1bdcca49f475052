#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "SceneTestSupport.h"
#include "catalog/HelixKits.h"
#include "view3d/Camera.h"
#include "view3d/Scene.h"

namespace layrail {
namespace {

using namespace scenetest;

TEST(SceneBuildTest, PiecesBecomeInstancesSharingOneMeshPerArticle)
{
    Layout layout = withLevel();
    const int a = lay(layout, "24188", 100, 50, 90);
    attach(layout, a, 1, "24188");
    attach(layout, a, 0, "24130");
    lay(layout, "99999", 0, 0, 0);
    const Scene scene = buildScene(layout);

    ASSERT_EQ(scene.tracks.size(), 3u);
    EXPECT_EQ(scene.trackMeshes.size(), 2u);
    EXPECT_EQ(scene.tracks[0].mesh, scene.tracks[1].mesh);
    EXPECT_EQ(scene.trackMeshByArticle.count("99999"), 0u);

    // Layout y and headings are negated; the elevation is the scene z.
    const TrackInstance& first = scene.tracks[0];
    EXPECT_FLOAT_EQ(first.x, 100.0f);
    EXPECT_FLOAT_EQ(first.y, -50.0f);
    EXPECT_FLOAT_EQ(first.heading, -90.0f);

    // The bounds reach from each piece's start a catalog length along its heading (the curve points up
    // the plan from the first straight's start).
    EXPECT_TRUE(scene.bounds.any);
    EXPECT_NEAR(scene.bounds.maxY, -50.0 + 360.0 * kPi / 6.0, 1e-6);
    EXPECT_NEAR(scene.bounds.minY, -50.0 - 2 * 188.3, 1e-6);
}

TEST(SceneBuildTest, TheMeshOfAPlacedPieceLiesWhereThePlanDrawsIt)
{
    Layout layout = withLevel();
    const int id = lay(layout, "24130", 300, 200, 40);
    const Scene scene = buildScene(layout);
    ASSERT_EQ(scene.tracks.size(), 1u);
    const Matrix4 transform = trackTransform(scene.tracks[0]);
    const PlacedPiece& piece = *layout.findPiece(id);
    for (const Connector& c : worldConnectors(piece, catalogPiece("24130"))) {
        const Connector& local = catalogPiece("24130").connectors[static_cast<std::size_t>(c.index)];
        EXPECT_TRUE(near3(transform.apply({local.x, local.y, 0}), {c.x, -c.y, 0}, 1e-3));
    }
}

TEST(SceneBuildTest, ReversedGradeTiltsTheOtherWay)
{
    Layout layout = withLevel();
    const int up = lay(layout, "24188", 0, 0, 0);
    const int down = lay(layout, "24188", 0, 100, 0);
    for (int id : {up, down}) {
        layout.findPiece(id)->grade = 3.0;
        layout.findPiece(id)->z = 20.0;
    }
    layout.findPiece(down)->rev = true;
    const Scene scene = buildScene(layout);
    ASSERT_EQ(scene.tracks.size(), 2u);
    EXPECT_FLOAT_EQ(scene.tracks[0].tilt, 3.0f);
    EXPECT_FALSE(scene.tracks[0].reversed);
    EXPECT_TRUE(scene.tracks[1].reversed);

    // Without rev the far end climbs by L sin(grade); with it the far end falls as much.
    const double rise = 188.3 * std::sin(3.0 * kPi / 180.0);
    EXPECT_NEAR(trackTransform(scene.tracks[0]).apply({188.3, 0, 0}).z, 20.0 + rise, 1e-3);
    EXPECT_NEAR(trackTransform(scene.tracks[1]).apply({188.3, 0, 0}).z, 20.0 - rise, 1e-3);
    EXPECT_NEAR(trackTransform(scene.tracks[1]).apply({0, 0, 0}).z, 20.0, 1e-4);
}

TEST(SceneBuildTest, HiddenLevelsShowNothing)
{
    Layout layout = withLevel();
    layout.levels.push_back(level(2, 100.0, false));
    lay(layout, "24188", 0, 0, 0, 1);
    lay(layout, "24188", 0, 0, 0, 2);
    lay(layout, "24188", 0, 0, 0, 7);
    addScenery(layout, "platform", 0, 100).level = 2;
    addScenery(layout, "platform", 0, 200).level = 1;
    layout.shapes.push_back(square(0, 0, 100, 0, 2));
    layout.shapes.push_back(square(0, 0, 100, 0, 1));
    const Scene scene = buildScene(layout);
    // A piece on a level that does not exist counts as visible.
    EXPECT_EQ(scene.tracks.size(), 2u);
    EXPECT_EQ(scene.scenery.size(), 1u);
    EXPECT_NEAR(groundArea(scene.structures), 100.0 * 100.0, 1e-3);

    layout.levels[0].visible = false;
    const Scene none = buildScene(layout);
    EXPECT_EQ(none.tracks.size(), 1u);
    EXPECT_TRUE(none.scenery.empty());
    EXPECT_TRUE(none.structures.empty());
}

TEST(SceneBuildTest, JoinedBridgesSharePiersAndALoneBridgeStandsOnTwo)
{
    Layout layout = withLevel();
    const int lone = lay(layout, "74620", 0, 500, 0);
    layout.findPiece(lone)->z = 60.0;
    const Scene single = buildScene(layout);
    ASSERT_EQ(single.piers.size(), 2u);
    EXPECT_NEAR(single.piers[0].x, 0.0, 1e-9);
    EXPECT_NEAR(single.piers[1].x, 188.3, 1e-9);
    EXPECT_NEAR(single.piers[1].y, -500.0, 1e-9);
    EXPECT_DOUBLE_EQ(single.piers[0].height, 60.0);
    // A pier stands across the track: its footprint is 36 mm along its axis and 22 mm across it.
    const Box3 pier = boundsOf(single.structures);
    EXPECT_NEAR(pier.max.z, 60.0, 1e-4);
    EXPECT_GT(pier.max.y - pier.min.y, 35.0);

    // Two bridges joined end to end: no pier at the joint, one at each outer end.
    Layout pair = withLevel();
    const int a = lay(pair, "74620", 0, 0, 0);
    const int b = attach(pair, a, 1, "74636");
    attach(pair, b, 1, "24188");
    const Scene joined = buildScene(pair);
    ASSERT_EQ(joined.piers.size(), 2u);
    EXPECT_NEAR(joined.piers[0].x, 0.0, 1e-6);
    EXPECT_NEAR(joined.piers[1].x, 188.3 + 360.0, 1e-6);

    // Touching but not joined: the shared end gets one pier, not two.
    Layout touching = withLevel();
    lay(touching, "74620", 0, 0, 0);
    lay(touching, "74620", 188.3, 0.5, 0);
    EXPECT_EQ(buildScene(touching).piers.size(), 3u);
}

TEST(SceneBuildTest, HelixTurnsClimbFromTheBottomStubsToTheTopStubs)
{
    Layout layout = withLevel();
    Helix helix;
    helix.id = layout.takeId();
    helix.cx = 500;
    helix.cy = 500;
    helix.bottomR1 = lay(layout, "24188", 500, 140, 0);
    helix.bottomR2 = lay(layout, "24188", 500, 62.5, 0);
    helix.topR1 = lay(layout, "24188", 500, 860, 0);
    helix.topR2 = lay(layout, "24188", 500, 937.5, 0);
    for (int id : {helix.bottomR1, helix.bottomR2, helix.topR1, helix.topR2})
        layout.findPiece(id)->helix = helix.id;
    for (int id : {helix.topR1, helix.topR2})
        layout.findPiece(id)->z = 260.0;
    layout.helices.push_back(helix);

    const Scene scene = buildScene(layout);
    // Four stubs, then 30 segments (2.5 turns of 12) on each of the two rings.
    ASSERT_EQ(scene.tracks.size(), 4u + 60u);
    const std::vector<TrackInstance> inner(scene.tracks.begin() + 4, scene.tracks.begin() + 34);
    const std::vector<TrackInstance> outer(scene.tracks.begin() + 34, scene.tracks.end());
    EXPECT_TRUE(std::all_of(inner.begin(), inner.end(), [](const TrackInstance& t) { return t.article == "24130"; }));
    EXPECT_TRUE(std::all_of(outer.begin(), outer.end(), [](const TrackInstance& t) { return t.article == "24230"; }));

    const double rise = 260.0 / 30;
    const double tilt = std::atan(rise / (360.0 * kPi / 6.0)) * 180.0 / kPi;
    EXPECT_NEAR(inner[0].tilt, tilt, 1e-4);
    EXPECT_NEAR(inner[4].z, 5 * rise, 1e-4);

    // Each segment's far end meets the start of the one below it, the lowest ends at the bottom stub and
    // the highest starts at the top stub: the ring is one continuous climb. (Tilting a curve about its own
    // axis shortens its run by a few tenths of a millimetre.)
    for (const auto& [ring, article, radius] :
         {std::tuple{inner, "24130", 360.0}, std::tuple{outer, "24230", 437.5}}) {
        const Connector& far = catalogPiece(article).connectors[1];
        for (std::size_t i = 1; i < ring.size(); ++i)
            EXPECT_TRUE(near3(trackTransform(ring[i]).apply({far.x, far.y, 0}),
                              trackTransform(ring[i - 1]).apply({0, 0, 0}), 0.6))
                << article << " segment " << i + 1;
        EXPECT_TRUE(near3(trackTransform(ring.front()).apply({far.x, far.y, 0}), {500, -(500 - radius), 0}, 0.6));
        EXPECT_TRUE(near3(trackTransform(ring.back()).apply({0, 0, 0}), {500, -(500 + radius), 260}, 0.05));
    }

    // Thirteen posts from the ground to the top of the helix.
    EXPECT_EQ(scene.structures.triangleCount(), 13u * 12u);
    EXPECT_NEAR(boundsOf(scene.structures).max.z, 260.0, 1e-4);

    // A helix whose base lies on a hidden level is not shown; an unknown kit falls back to the default.
    layout.helices[0].variant = "no such kit";
    EXPECT_EQ(buildScene(layout).tracks.size(), 64u);
    layout.levels[0].visible = false;
    EXPECT_TRUE(buildScene(layout).tracks.empty());
}

TEST(SceneBuildTest, ShapesStandOnTheirLevelUnlessTheyHideTunnelTrack)
{
    Layout layout = withLevel();
    layout.levels.push_back(level(2, 50.0));
    LayoutShape hill = square(0, 0, 200, 30.0, 2);
    hill.red = 255;
    hill.green = 0;
    hill.blue = 0;
    layout.shapes.push_back(hill);
    const Scene solid = buildScene(layout);
    // The top at level height plus shape height, four walls facing out.
    const Box3 box = boundsOf(solid.structures);
    EXPECT_NEAR(box.min.z, 50.0, 1e-4);
    EXPECT_NEAR(box.max.z, 80.0, 1e-4);
    EXPECT_NEAR(groundArea(solid.structures), 200.0 * 200.0, 1e-2);
    int walls = 0;
    for (std::size_t i = 0; i < solid.structures.vertexCount(); ++i) {
        const Vec3 n = solid.structures.normal(i);
        if (std::fabs(n.z) > 0.5)
            continue;
        ++walls;
        const Vec3 p = solid.structures.position(i);
        const Vec3 outward = p - Vec3{100, -100, p.z};
        EXPECT_GT(dot(n, outward), 0.0);
        EXPECT_FLOAT_EQ(solid.structures.colour(i).r, 0.7f);
    }
    EXPECT_EQ(walls, 16);
    EXPECT_TRUE(solid.outlines.empty());

    // Tunnel track on another level does not count; on the shape's own level it leaves only the outline.
    const int a = lay(layout, "24188", 10, 100, 0, 1);
    const int b = attach(layout, a, 1, "24188");
    Tunnel tunnel;
    tunnel.id = layout.takeId();
    tunnel.coveredPieces = {a, b};
    layout.tunnels.push_back(tunnel);
    EXPECT_FALSE(buildScene(layout).structures.empty());
    for (int id : {a, b})
        layout.findPiece(id)->level = 2;
    const Scene hollow = buildScene(layout);
    EXPECT_TRUE(hollow.structures.empty());
    // Top and bottom edges and the four vertical edges.
    ASSERT_EQ(hollow.outlines.size(), 12u);
    EXPECT_FLOAT_EQ(hollow.outlines[0].colour.r, 1.0f);
    EXPECT_NEAR(hollow.outlines[0].a.z, 80.0, 1e-9);

    // A flat shape over the tunnel keeps only its top edges.
    layout.shapes[0].height = 0.0;
    EXPECT_EQ(buildScene(layout).outlines.size(), 4u);
}

TEST(SceneBuildTest, ConcaveShapesAndTheBaseboardAreFilledExactly)
{
    Layout layout = withLevel();
    // An L: a fan around the centroid would spill outside it.
    LayoutShape ell;
    ell.points = {{0, 0}, {300, 0}, {300, 100}, {100, 100}, {100, 300}, {0, 300}};
    layout.shapes.push_back(ell);
    layout.baseboard.vertices = {{0, 0}, {2400, 0}, {2400, 1200}, {1200, 1200}, {1200, 600}, {0, 600}};
    const Scene scene = buildScene(layout);
    EXPECT_NEAR(groundArea(scene.structures), 300.0 * 100 + 100.0 * 200, 1e-2);
    EXPECT_NEAR(groundArea(scene.baseboard), 2400.0 * 600 + 1200.0 * 600, 1.0);
    for (std::size_t i = 0; i < scene.baseboard.vertexCount(); ++i) {
        EXPECT_FLOAT_EQ(scene.baseboard.position(i).z, -0.5f);
        EXPECT_FLOAT_EQ(scene.baseboard.colour(i).g, 0.5f);
        EXPECT_LE(scene.baseboard.position(i).y, 0.0f);
    }
    // Fewer than three vertices: no baseboard.
    layout.baseboard.vertices.resize(2);
    EXPECT_TRUE(buildScene(layout).baseboard.empty());
}

TEST(SceneBuildTest, TunnelTubeFollowsTheCoveredChain)
{
    Layout layout = withLevel();
    const int a = lay(layout, "24188", 0, 0, 0);
    const int b = attach(layout, a, 1, "24188");
    const int c = attach(layout, b, 1, "24188");
    for (int id : {a, b, c})
        layout.findPiece(id)->z = 10.0;
    Tunnel tunnel;
    tunnel.id = layout.takeId();
    // Listed from the middle: the walk still starts at an end of the chain.
    tunnel.coveredPieces = {b, c, a};
    layout.tunnels.push_back(tunnel);
    Tunnel empty;
    empty.id = layout.takeId();
    layout.tunnels.push_back(empty);

    const Mesh tube = buildScene(layout).tunnels;
    // The entry, the two joints and the exit: four rings of 15, 14 steps of two triangles between rings.
    ASSERT_EQ(tube.vertexCount(), 4u * 15u);
    EXPECT_EQ(tube.triangleCount(), 3u * 28u);
    // The walk starts at the end the list reaches first, here the far one, and crosses every piece.
    const double xs[4] = {564.9, 376.6, 188.3, 0.0};
    for (std::size_t ring = 0; ring < 4; ++ring) {
        const Vec3 crown = tube.position(ring * 15 + 7);
        EXPECT_NEAR(crown.x, xs[ring], 1e-3);
        EXPECT_NEAR(crown.z, 10.0 + 90.0, 1e-4);
        // 60 mm either side of the track, on the same side for every ring.
        EXPECT_NEAR(tube.position(ring * 15).y - tube.position(ring * 15 + 14).y, 120.0, 1e-4);
        EXPECT_NEAR(tube.position(ring * 15).z, 10.0, 1e-4);
    }
    // Earth-coloured, lighter towards the crown.
    EXPECT_NEAR(tube.colour(0).r, 0.55f, 1e-6);
    EXPECT_NEAR(tube.colour(7).r, 0.40f, 1e-3);
    EXPECT_GT(tube.colour(7).g, tube.colour(0).g);

    // The same chain listed from its first piece gives the same tube the other way round.
    layout.tunnels[0].coveredPieces = {a, b, c};
    const Mesh forward = buildScene(layout).tunnels;
    ASSERT_EQ(forward.vertexCount(), 60u);
    EXPECT_NEAR(forward.position(7).x, 0.0, 1e-3);
    EXPECT_NEAR(forward.position(3 * 15 + 7).x, 564.9, 1e-3);
}

TEST(SceneBuildTest, SceneryItemsShareModelsAndScaleOnlyTheirOwnInstance)
{
    Layout layout = withLevel();
    layout.levels[0].height = 40.0;
    addScenery(layout, "platform", 1000, 500);
    SceneryItem& wide = addScenery(layout, "platform", 1000, 800, 90);
    wide.scaleX = 2.0;
    addScenery(layout, "bridge_truss", 0, 0);
    addScenery(layout, "no_such_item", 0, 0);
    const Scene scene = buildScene(layout);

    ASSERT_EQ(scene.scenery.size(), 3u);
    EXPECT_EQ(scene.sceneryModels.size(), 2u);
    EXPECT_EQ(scene.scenery[0].model, scene.scenery[1].model);
    EXPECT_FLOAT_EQ(scene.scenery[0].scaleX, 1.0f);
    EXPECT_FLOAT_EQ(scene.scenery[1].scaleX, 2.0f);
    EXPECT_FLOAT_EQ(scene.scenery[0].z + scene.scenery[0].drop, 39.0f);
    EXPECT_FLOAT_EQ(scene.scenery[2].drop, -4.0f);

    // The model's footprint lies centred on the item, as the plan shows it: 885..1115 by 470..530.
    const Matrix4 place = sceneryTransform(scene.scenery[0]);
    EXPECT_TRUE(near3(place.apply({0, 0, 0}), {885, -470, 39}, 1e-3));
    EXPECT_TRUE(near3(place.apply({230, 60, 0}), {1115, -530, 39}, 1e-3));
    // Turned a quarter and stretched to twice its width: it now runs down the plan, 460 mm long.
    const Matrix4 turned = sceneryTransform(scene.scenery[1]);
    EXPECT_TRUE(near3(turned.apply({0, 30, 0}), {1000, -(800 - 230), 39}, 1e-3));
    EXPECT_TRUE(near3(turned.apply({230, 30, 0}), {1000, -(800 + 230), 39}, 1e-3));

    // The bounds hold each footprint.
    EXPECT_NEAR(scene.bounds.maxY, 40.0, 1e-6);
    EXPECT_NEAR(scene.bounds.maxX, 1115.0, 1e-6);
    EXPECT_NEAR(scene.bounds.minY, -(800 + 230), 1e-6);
}

TEST(SceneBuildTest, AutoFramingCentresOnTheSceneAndKeepsItsDistanceFloor)
{
    Layout empty = withLevel();
    Camera camera;
    camera.frame(buildScene(empty).bounds);
    EXPECT_FLOAT_EQ(camera.centreX, 0.0f);
    EXPECT_FLOAT_EQ(camera.centreY, 0.0f);
    EXPECT_FLOAT_EQ(camera.distance, 800.0f);

    Layout small = withLevel();
    lay(small, "24188", 100, 100, 0);
    camera.frame(buildScene(small).bounds);
    EXPECT_FLOAT_EQ(camera.centreX, 100.0f + 188.3f / 2);
    EXPECT_FLOAT_EQ(camera.centreY, -100.0f);
    EXPECT_FLOAT_EQ(camera.distance, 400.0f);

    Layout wide = withLevel();
    lay(wide, "24188", 0, 0, 0);
    lay(wide, "24188", 1811.7, 300, 0);
    camera.pitch = 10.0f;
    camera.panX = 5.0f;
    camera.frame(buildScene(wide).bounds);
    EXPECT_FLOAT_EQ(camera.distance, 2000.0f * 1.8f);
    EXPECT_FLOAT_EQ(camera.centreX, 1000.0f);
    EXPECT_FLOAT_EQ(camera.centreY, -150.0f);
    // Framing leaves the angles and the pan alone.
    EXPECT_FLOAT_EQ(camera.pitch, 10.0f);
    EXPECT_FLOAT_EQ(camera.panX, 5.0f);
}

} // namespace
} // namespace layrail
