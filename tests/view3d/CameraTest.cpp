#include <gtest/gtest.h>

#include <cmath>

#include "SceneTestSupport.h"
#include "view3d/Camera.h"
#include "view3d/FramePlan.h"

namespace layrail {
namespace {

using scenetest::near3;

TEST(CameraTest, LeftDragTurnsHalfADegreePerPixelAndStopsThePitchAt89)
{
    Camera camera;
    EXPECT_TRUE(camera.drag(10, -4, true, false));
    EXPECT_FLOAT_EQ(camera.yaw, 35.0f);
    EXPECT_FLOAT_EQ(camera.pitch, 33.0f);
    camera.drag(0, 1000, true, false);
    EXPECT_FLOAT_EQ(camera.pitch, 89.0f);
    camera.drag(0, -5000, true, false);
    EXPECT_FLOAT_EQ(camera.pitch, -89.0f);
    EXPECT_FALSE(camera.drag(50, 50, false, false));
    EXPECT_FLOAT_EQ(camera.pitch, -89.0f);
}

TEST(CameraTest, RightDragPansAlongTheTurnedScreenScaledByDistance)
{
    Camera camera;
    camera.yaw = 0.0f;
    camera.distance = 900.0f;
    camera.drag(3, 4, false, true);
    EXPECT_FLOAT_EQ(camera.panX, 3.0f);
    EXPECT_FLOAT_EQ(camera.panY, 4.0f);

    camera = Camera{};
    camera.yaw = 90.0f;
    camera.distance = 1800.0f;
    camera.drag(1, 0, false, true);
    EXPECT_NEAR(camera.panX, 0.0, 1e-5);
    EXPECT_NEAR(camera.panY, -2.0, 1e-5);

    // Both buttons: turns and pans in one step.
    camera = Camera{};
    camera.drag(10, 0, true, true);
    EXPECT_FLOAT_EQ(camera.yaw, 35.0f);
    const float a = 35.0f * 3.14159265f / 180.0f;
    EXPECT_NEAR(camera.panX, std::cos(a) * 10.0f * 800.0f / 900.0f, 1e-4);
}

TEST(CameraTest, WheelZoomsByTwelvePercentWithinItsLimits)
{
    Camera camera;
    camera.zoom(120);
    EXPECT_FLOAT_EQ(camera.distance, 800.0f * 0.88f);
    camera.zoom(-120);
    EXPECT_NEAR(camera.distance, 800.0f, 1e-3);
    for (int i = 0; i < 100; ++i)
        camera.zoom(120);
    EXPECT_FLOAT_EQ(camera.distance, 50.0f);
    for (int i = 0; i < 100; ++i)
        camera.zoom(-120);
    EXPECT_FLOAT_EQ(camera.distance, 15000.0f);
}

TEST(CameraTest, ResetRestoresTheAnglesAndDropsThePanButKeepsTheZoom)
{
    Camera camera;
    camera.drag(40, 30, true, true);
    camera.zoom(120);
    camera.centreX = 70.0f;
    camera.reset();
    EXPECT_FLOAT_EQ(camera.pitch, 35.0f);
    EXPECT_FLOAT_EQ(camera.yaw, 30.0f);
    EXPECT_FLOAT_EQ(camera.panX, 0.0f);
    EXPECT_FLOAT_EQ(camera.panY, 0.0f);
    EXPECT_FLOAT_EQ(camera.distance, 704.0f);
    EXPECT_FLOAT_EQ(camera.centreX, 70.0f);
}

TEST(CameraTest, FramingAHugeLayoutStaysWithinTheZoomRange)
{
    SceneBounds bounds;
    bounds.add(0, 0);
    bounds.add(40000, 18000);
    Camera camera;
    camera.frame(bounds);
    EXPECT_FLOAT_EQ(camera.distance, 15000.0f);
    EXPECT_FLOAT_EQ(camera.centreX, 20000.0f);
}

TEST(CameraTest, ProjectionPutsTheCentreMidWindowAndStandsTheSceneUpright)
{
    Camera camera;
    camera.centreX = 100.0f;
    camera.centreY = -50.0f;
    double px = 0, py = 0;
    ASSERT_TRUE(camera.project({100, -50, 0}, 1000, 700, px, py));
    EXPECT_NEAR(px, 500.0, 1e-3);
    EXPECT_NEAR(py, 350.0, 1e-3);

    // Straight down with no turn: x to the right and the plan's top (scene +y) at the top of the window.
    camera.pitch = 0.0f;
    camera.yaw = 0.0f;
    double rx = 0, ry = 0, ux = 0, uy = 0;
    camera.project({200, -50, 0}, 1000, 700, rx, ry);
    camera.project({100, 50, 0}, 1000, 700, ux, uy);
    EXPECT_GT(rx, 500.0);
    EXPECT_NEAR(ry, 350.0, 1e-3);
    EXPECT_LT(uy, 350.0);
    // At a distance of 800 mm a millimetre covers 350 / (800 tan 20 deg) pixels.
    EXPECT_NEAR(rx - 500.0, 100.0 * 350.0 / (800.0 * std::tan(20.0 * kPi / 180.0)), 1e-2);

    // Tilted, things that stand up point up the window and the far side of the layout lies higher.
    camera.pitch = 35.0f;
    double bx = 0, by = 0, tx = 0, ty = 0, fx = 0, fy = 0;
    camera.project({100, -50, 0}, 1000, 700, bx, by);
    camera.project({100, -50, 50}, 1000, 700, tx, ty);
    camera.project({100, 150, 0}, 1000, 700, fx, fy);
    EXPECT_LT(ty, by);
    EXPECT_LT(fy, by);
    // Behind the eye nothing projects.
    EXPECT_FALSE(camera.project({100, -50, 5000}, 1000, 700, px, py));
}

TEST(CameraTest, MatricesMatchTheFixedFunctionCalls)
{
    // glRotate about Y by +90 turns +x into -z.
    EXPECT_TRUE(near3(Matrix4::rotation(90, 0, 1, 0).apply({1, 0, 0}), {0, 0, -1}, 1e-6));
    EXPECT_TRUE(near3(Matrix4::rotation(90, 0, 0, 1).apply({1, 0, 0}), {0, 1, 0}, 1e-6));
    const Matrix4 m = Matrix4::translation(1, 2, 3) * Matrix4::scaling(2, 2, 2);
    EXPECT_TRUE(near3(m.apply({1, 1, 1}), {3, 4, 5}, 1e-6));
    // gluPerspective maps the near plane to -1 and the far plane to +1.
    const Matrix4 p = Matrix4::perspective(40, 1.5, 1, 60000);
    double w = 0;
    EXPECT_NEAR(p.apply({0, 0, -1}, &w).z / w, -1.0, 1e-5);
    EXPECT_NEAR(p.apply({0, 0, -60000}, &w).z / w, 1.0, 1e-3);
}

TEST(FramePlanTest, DetailDropsSidesThenSleepersAsPiecesShrink)
{
    // Rails stand 2.5 mm above the sleepers, which are 3.5 mm wide.
    EXPECT_EQ(detailFor(2.0), TrackDetail::Full);
    EXPECT_EQ(detailFor(0.41), TrackDetail::Full);
    EXPECT_EQ(detailFor(0.39), TrackDetail::NoSides);
    EXPECT_EQ(detailFor(0.29), TrackDetail::NoSides);
    EXPECT_EQ(detailFor(0.28), TrackDetail::Distant);
}

TEST(FramePlanTest, CloseViewsDrawEverythingInFullAndCullWhatIsOutOfView)
{
    Layout layout = scenetest::withLevel();
    scenetest::lay(layout, "24188", 0, 0, 0);
    scenetest::lay(layout, "24130", 0, 100, 0);
    scenetest::lay(layout, "24188", 30000, 0, 0);
    scenetest::lay(layout, "24188", 200, 200, 0);
    const Scene scene = buildScene(layout);
    Camera camera;
    camera.centreX = 100.0f;
    camera.distance = 600.0f;
    const std::vector<TrackDraw> draws = planTrackDraws(scene, camera, 1000, 700);
    // The far piece is culled; the rest are grouped by mesh and drawn whole.
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_EQ(draws[0].mesh, draws[1].mesh);
    for (const TrackDraw& d : draws) {
        EXPECT_NE(d.instance, 2);
        EXPECT_EQ(d.detail, TrackDetail::Full);
    }
    // Each draw carries the view and the instance's own transform.
    const Vec3 eye = draws[0].modelView.apply({0, 0, 0});
    const Vec3 expected = camera.modelView().apply({0, 0, 0});
    EXPECT_TRUE(near3(eye, expected, 1e-3));

    // From far away the same pieces are drawn from their distant meshes; an empty window draws nothing.
    camera.distance = 15000.0f;
    for (const TrackDraw& d : planTrackDraws(scene, camera, 1000, 700))
        EXPECT_EQ(d.detail, TrackDetail::Distant);
    EXPECT_TRUE(planTrackDraws(scene, camera, 0, 700).empty());
}

} // namespace
} // namespace layrail
