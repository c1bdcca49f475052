#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>

#include "SceneTestSupport.h"
#include "view3d/PieceMeshes.h"
#include "view3d/Strip.h"
#include "view3d/TrackMesh.h"

namespace layrail {
namespace {

using scenetest::near3;

TEST(StripTest, StraightsTakeOneSegmentPer20MillimetresAndAtLeastTwo)
{
    EXPECT_EQ(straightSegments(40.0), 2);
    EXPECT_EQ(straightSegments(188.3), 9);
    EXPECT_EQ(straightSegments(59.9), 2);
    EXPECT_EQ(straightSegments(60.0), 3);
    EXPECT_EQ(straightSegments(5.0), 2);
    EXPECT_EQ(straightStrip({0, 0}, {40, 0}).size(), 3u);
    EXPECT_EQ(straightStrip({0, 0}, {188.3, 0}).size(), 10u);
}

TEST(StripTest, CurvesTakeOneSegmentPer2Point5DegreesAndAtLeastEight)
{
    EXPECT_EQ(curveSegments(30.0), 12);
    EXPECT_EQ(curveSegments(22.5), 9);
    EXPECT_EQ(curveSegments(15.0), 8);
    EXPECT_EQ(curveSegments(-30.0), 12);
    EXPECT_EQ(curveStrip({0, 0}, 0.0, 360.0, 30.0, 1).size(), 13u);
}

TEST(StripTest, CurveLeavesAlongItsHeadingAndEndsWhereTheCatalogPutsConnectorOne)
{
    // 24130: R1 360 mm, 30 degrees, connector 1 at (180, 48.2309) heading 30.
    const Strip strip = curveStrip({0, 0}, 0.0, 360.0, 30.0, 1);
    EXPECT_TRUE(near3(strip.front().position, {0, 0, 0}, 1e-9));
    EXPECT_TRUE(near3(strip.front().tangent, {1, 0, 0}, 1e-9));
    EXPECT_TRUE(near3(strip.back().position, {180.0, 48.2309, 0}, 1e-3));
    EXPECT_NEAR(std::atan2(strip.back().tangent.y, strip.back().tangent.x) * 180.0 / kPi, 30.0, 1e-9);

    // Frames are evenly spaced in angle: every chord has the same length, every side vector is the
    // tangent turned a quarter toward +y.
    const double chord = length(strip[1].position - strip[0].position);
    for (std::size_t i = 1; i < strip.size(); ++i) {
        EXPECT_NEAR(length(strip[i].position - strip[i - 1].position), chord, 1e-9);
        EXPECT_NEAR(length(strip[i].tangent), 1.0, 1e-12);
        EXPECT_TRUE(near3(strip[i].side, {-strip[i].tangent.y, strip[i].tangent.x, 0}, 1e-12));
    }

    // The mirror image bends the other way; a start pose turns and moves the whole arc.
    const Strip left = curveStrip({0, 0}, 0.0, 360.0, 30.0, -1);
    EXPECT_TRUE(near3(left.back().position, {180.0, -48.2309, 0}, 1e-3));
    const Strip turned = curveStrip({100, 50}, 90.0, 360.0, 30.0, 1);
    EXPECT_TRUE(near3(turned.back().position, {100 - 48.2309, 50 + 180.0, 0}, 1e-3));
}

TEST(TrackSectionTest, SleepersEvery13MillimetresFromHalfASpacing)
{
    const Strip strip = straightStrip({0, 0}, {188.3, 0});
    const std::vector<double> sleepers = sleeperPositions(strip);
    ASSERT_EQ(sleepers.size(), 14u);
    EXPECT_DOUBLE_EQ(sleepers.front(), 6.5);
    EXPECT_DOUBLE_EQ(sleepers.back(), 6.5 + 13 * 13);
    // A sleeper exactly at the end of the strip (up to 0.001 mm) still counts.
    EXPECT_EQ(sleeperPositions(straightStrip({0, 0}, {32.4995, 0})).size(), 3u);
    EXPECT_EQ(sleeperPositions(straightStrip({0, 0}, {32.498, 0})).size(), 2u);
}

TEST(TrackSectionTest, CrossSectionHasTheBallastSleepersAndRailsAtTheirSizes)
{
    const TrackMesh track = buildPieceMesh(scenetest::catalogPiece("24188"));

    const Box3 box = boundsOf(track.mesh);
    EXPECT_NEAR(box.min.x, 0.0, 1e-4);
    EXPECT_NEAR(box.max.x, 188.3, 1e-4);
    EXPECT_NEAR(box.min.y, -18.7, 1e-4);
    EXPECT_NEAR(box.max.y, 18.7, 1e-4);
    EXPECT_NEAR(box.min.z, 0.0, 1e-6);
    EXPECT_NEAR(box.max.z, 6.7, 1e-5);

    // Quads only: 9 segments of ballast (top and two sides) and rails (top and two sides each),
    // 14 sleepers of a top and four sides.
    EXPECT_EQ(track.mesh.vertexCount(), 4u * (9 * 3 + 9 * 6 + 14 * 5));
    EXPECT_EQ(track.mesh.indices.size(), 6u * (9 * 3 + 9 * 6 + 14 * 5));

    // Every vertex's colour says what it belongs to, and each part lies where it should.
    std::set<std::tuple<float, float, float>> colours;
    for (std::size_t i = 0; i < track.mesh.vertexCount(); ++i) {
        const Rgb c = track.mesh.colour(i);
        const Vec3 p = track.mesh.position(i);
        colours.insert({c.r, c.g, c.b});
        if (c.r == kRailTopColour.r && c.b == kRailTopColour.b) {
            EXPECT_NEAR(p.z, 6.7, 1e-5);
            EXPECT_NEAR(std::fabs(p.y), 8.25, 0.6 + 1e-5);
        }
        if (c.r == kSleeperTopColour.r) {
            EXPECT_NEAR(p.z, 4.2, 1e-5);
            EXPECT_NEAR(std::fabs(p.y), 13.0, 1e-5);
        }
    }
    EXPECT_EQ(colours.size(), 6u);
}

TEST(TrackSectionTest, DetailLevelsLeaveOutWhatIsSmallerThanAPixel)
{
    const TrackMesh track = buildPieceMesh(scenetest::catalogPiece("24188"));
    // Without sides: ballast (3 quads) and rail tops (2 quads) per segment, and the 14 sleeper tops.
    const std::uint32_t withoutSides = track.indexCount(TrackDetail::NoSides);
    EXPECT_EQ(withoutSides, 6u * (9 * 5 + 14));
    EXPECT_EQ(track.indexCount(TrackDetail::Full), track.mesh.indices.size());
    EXPECT_EQ(&track.meshFor(TrackDetail::NoSides), &track.mesh);
    for (std::uint32_t k = 0; k < withoutSides; ++k) {
        const Rgb c = track.mesh.colour(track.mesh.indices[k]);
        EXPECT_NE(c.r, kSleeperSideColour.r);
        EXPECT_NE(c.r, kRailSideColour.r);
    }
    for (std::size_t k = withoutSides; k < track.mesh.indices.size(); ++k) {
        const Rgb c = track.mesh.colour(track.mesh.indices[k]);
        EXPECT_TRUE(c.r == kSleeperSideColour.r || c.r == kRailSideColour.r);
    }

    // Far away a straight is one quad of ballast top, the same size as the near one.
    const Mesh& distant = track.meshFor(TrackDetail::Distant);
    EXPECT_EQ(distant.indices.size(), 6u);
    EXPECT_EQ(track.indexCount(TrackDetail::Distant), 6u);
    const Box3 near = boundsOf(track.mesh), far = boundsOf(distant);
    EXPECT_NEAR(far.max.x, near.max.x, 1e-4);
    EXPECT_NEAR(far.max.y, near.max.y, 1e-4);
    EXPECT_FLOAT_EQ(distant.colour(0).r, kBallastTopColour.r);

    // A curve keeps one distant segment per 10 degrees, so it stays round to well under a pixel; bridges
    // and bumpers keep their structures.
    EXPECT_EQ(buildPieceMesh(scenetest::catalogPiece("24130")).distant.indices.size(), 3u * 6u);
    const TrackMesh truss = buildPieceMesh(scenetest::catalogPiece("74620"));
    EXPECT_NEAR(boundsOf(truss.distant).max.z, boundsOf(truss.mesh).max.z, 1e-4);
    const TrackMesh bumper = buildPieceMesh(scenetest::catalogPiece("24977"));
    EXPECT_NEAR(boundsOf(bumper.distant).max.z, boundsOf(bumper.mesh).max.z, 1e-4);
}

// Where a strip ends at a connector, it must run out of the piece along the connector's heading.
bool stripMeetsConnector(const Strip& strip, const Connector& c)
{
    const Vec3 at{c.x, c.y, 0.0};
    const StripFrame ends[2] = {strip.front(), strip.back()};
    for (int e = 0; e < 2; ++e) {
        if (length(ends[e].position - at) > 0.5)
            continue;
        const Vec3 outward = e == 0 ? ends[e].tangent * -1.0 : ends[e].tangent;
        const double heading = std::atan2(outward.y, outward.x) * 180.0 / kPi;
        const double diff = std::fabs(std::remainder(heading - c.heading, 360.0));
        if (diff < 0.5)
            return true;
    }
    return false;
}

TEST(PieceMeshTest, EveryConnectorOfEveryCatalogPieceIsTheEndOfATrack)
{
    for (const CatalogPiece& piece : TrackCatalog::instance().pieces()) {
        const std::vector<Strip> strips = pieceStrips(piece);
        ASSERT_FALSE(strips.empty()) << piece.article;
        for (const Connector& c : piece.connectors) {
            // The turntable's bridge only lines up with the first track and the one opposite it.
            if (piece.kind == PieceKind::Turntable && c.index != 0 && c.index != 15)
                continue;
            const bool met = std::any_of(strips.begin(), strips.end(),
                                         [&](const Strip& s) { return stripMeetsConnector(s, c); });
            EXPECT_TRUE(met) << piece.article << " connector " << c.index << " at (" << c.x << ", " << c.y
                             << ", " << c.heading << ")";
        }
    }
}

TEST(PieceMeshTest, StripCountsFollowTheKind)
{
    EXPECT_EQ(pieceStrips(scenetest::catalogPiece("24188")).size(), 1u);
    EXPECT_EQ(pieceStrips(scenetest::catalogPiece("24611")).size(), 2u);
    EXPECT_EQ(pieceStrips(scenetest::catalogPiece("24630")).size(), 3u);
    EXPECT_EQ(pieceStrips(scenetest::catalogPiece("24640")).size(), 2u);
    EXPECT_EQ(pieceStrips(scenetest::catalogPiece("24624")).size(), 4u);
    EXPECT_EQ(pieceStrips(scenetest::catalogPiece("24671")).size(), 3u);
    // The Z and K curved turnouts with parallel exits are curved turnouts too, not stubs of their spacing.
    EXPECT_EQ(pieceStrips(scenetest::catalogPiece("8568")).size(), 3u);
    EXPECT_EQ(pieceStrips(scenetest::catalogPiece("2269")).size(), 3u);
}

TEST(PieceMeshTest, EveryCatalogPieceHasMeshesAroundItsTrack)
{
    for (const CatalogPiece& piece : TrackCatalog::instance().pieces()) {
        const TrackMesh track = buildPieceMesh(piece);
        ASSERT_FALSE(track.mesh.empty()) << piece.article;
        ASSERT_FALSE(track.distant.empty()) << piece.article;
        EXPECT_LT(track.distant.indices.size(), track.mesh.indices.size()) << piece.article;
        EXPECT_LE(track.indexCount(TrackDetail::NoSides), track.indexCount(TrackDetail::Full));
        for (const Mesh* mesh : {&track.mesh, &track.distant}) {
            EXPECT_EQ(mesh->indices.size() % 3, 0u);
            for (std::uint32_t index : mesh->indices)
                ASSERT_LT(index, mesh->vertexCount()) << piece.article;
            // The culling sphere holds every vertex.
            for (std::size_t i = 0; i < mesh->vertexCount(); ++i)
                ASSERT_LE(length(mesh->position(i) - track.centre), track.radius + 1e-3) << piece.article;
            for (std::size_t i = 0; i < mesh->vertexCount(); ++i)
                ASSERT_NEAR(length(mesh->normal(i)), 1.0, 1e-4) << piece.article;
        }
        // The coarse centre lines end where the fine ones do.
        const std::vector<Strip> fine = pieceStrips(piece), coarse = pieceStrips(piece, Sampling::Coarse);
        ASSERT_EQ(fine.size(), coarse.size()) << piece.article;
        for (std::size_t k = 0; k < fine.size(); ++k)
            EXPECT_TRUE(near3(fine[k].back().position, coarse[k].back().position, 1e-6)) << piece.article;
    }
}

TEST(PieceMeshTest, BridgesCarryTheirSuperstructure)
{
    EXPECT_EQ(bridgeStyle(scenetest::catalogPiece("24188")), BridgeStyle::None);
    EXPECT_EQ(bridgeStyle(scenetest::catalogPiece("74620")), BridgeStyle::Truss);
    EXPECT_EQ(bridgeStyle(scenetest::catalogPiece("89759")), BridgeStyle::Truss);
    EXPECT_EQ(bridgeStyle(scenetest::catalogPiece("74636")), BridgeStyle::Arch);
    EXPECT_EQ(bridgeStyle(scenetest::catalogPiece("8975")), BridgeStyle::Arch);
    EXPECT_EQ(bridgeStyle(scenetest::catalogPiece("74618")), BridgeStyle::Ramp);
    EXPECT_EQ(bridgeStyle(scenetest::catalogPiece("74613")), BridgeStyle::Ramp);
    EXPECT_EQ(bridgeStyle(scenetest::catalogPiece("8977")), BridgeStyle::Ramp);

    // Trusses and arches rise well above the rails; ramps keep low walls; the deck lies under the track.
    const Box3 truss = boundsOf(buildPieceMesh(scenetest::catalogPiece("74620")).mesh);
    const Box3 arch = boundsOf(buildPieceMesh(scenetest::catalogPiece("74636")).mesh);
    const Box3 ramp = boundsOf(buildPieceMesh(scenetest::catalogPiece("74613")).mesh);
    EXPECT_GT(truss.max.z, 30.0);
    EXPECT_GT(arch.max.z, 60.0);
    EXPECT_LT(ramp.max.z, 10.0);
    for (const Box3& box : {truss, arch, ramp})
        EXPECT_LT(box.min.z, -5.0);
}

TEST(PieceMeshTest, BumperEndsInAStopAndTurntableFillsItsPit)
{
    const TrackMesh bumper = buildPieceMesh(scenetest::catalogPiece("24977"));
    const Box3 b = boundsOf(bumper.mesh);
    EXPECT_NEAR(b.max.x, 48.3, 1e-3);
    EXPECT_GT(b.max.z, 12.0);

    const TrackMesh turntable = buildPieceMesh(scenetest::catalogPiece("74861"));
    const Box3 t = boundsOf(turntable.mesh);
    // Pit radius 139 and an 8 mm rim, centred on the origin.
    EXPECT_NEAR(t.max.x, 147.0, 0.1);
    EXPECT_NEAR(t.min.x, -147.0, 0.1);
    EXPECT_NEAR(t.max.y, 147.0, 0.1);
}

} // namespace
} // namespace layrail
