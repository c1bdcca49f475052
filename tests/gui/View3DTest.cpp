#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include <wx/app.h>
#include <wx/utils.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/imagpng.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>

#include "GuiTestSupport.h"
#include "View3DShowcase.h"
#include "catalog/TrackCatalog.h"
#include "view3d/PieceMeshes.h"
#include "view3d/TrackMesh.h"
#include "view3d/ui/GLAvailability.h"
#include "view3d/ui/View3DFrame.h"

namespace layrail {
namespace {

constexpr unsigned char kClear[3] = {36, 41, 48};

struct Pixel {
    int r = 0, g = 0, b = 0;
};

// The pixel whose square holds the window point (x, y).
Pixel pixelAt(const wxImage& image, double x, double y)
{
    const int px = static_cast<int>(std::floor(x)), py = static_cast<int>(std::floor(y));
    if (px < 0 || py < 0 || px >= image.GetWidth() || py >= image.GetHeight())
        return {-1, -1, -1};
    return {image.GetRed(px, py), image.GetGreen(px, py), image.GetBlue(px, py)};
}

::testing::AssertionResult closeTo(Pixel p, Pixel expected, int tolerance)
{
    if (std::abs(p.r - expected.r) <= tolerance && std::abs(p.g - expected.g) <= tolerance &&
        std::abs(p.b - expected.b) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << p.r << ", " << p.g << ", " << p.b << ") is not near ("
                                         << expected.r << ", " << expected.g << ", " << expected.b << ")";
}

bool isClear(Pixel p)
{
    return std::abs(p.r - kClear[0]) <= 3 && std::abs(p.g - kClear[1]) <= 3 && std::abs(p.b - kClear[2]) <= 3;
}

// Thin lines may fall on a neighbour of the pixel their exact position names.
::testing::AssertionResult lineNear(const wxImage& image, double x, double y, Pixel expected)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (closeTo(pixelAt(image, x + dx, y + dy), expected, 3))
                return ::testing::AssertionSuccess();
    const Pixel p = pixelAt(image, x, y);
    return ::testing::AssertionFailure() << "no pixel near (" << x << ", " << y << ") is (" << expected.r << ", "
                                         << expected.g << ", " << expected.b << "); the middle one is (" << p.r
                                         << ", " << p.g << ", " << p.b << ")";
}

// The fixed-function lighting of an upward face at a scene point: the global ambient 0.2, both lights'
// ambient and diffuse parts, and the first light's highlight for a viewer at infinity.
Pixel litTop(const Camera& camera, Rgb colour, Vec3 at)
{
    const Matrix4 view = camera.modelView();
    const Vec3 position = view.apply(at);
    const Vec3 normal = normalized(view.apply({0, 0, 1}) - view.apply({0, 0, 0}));
    struct Light {
        Vec3 position;
        double ambient[3];
        double diffuse[3];
        double specular[3];
    };
    const Light lights[2] = {
        {{700, 500, 1000}, {0.22, 0.22, 0.2}, {0.92, 0.9, 0.84}, {0.35, 0.35, 0.38}},
        {{-500, -700, 250}, {0.04, 0.04, 0.07}, {0.22, 0.26, 0.34}, {0, 0, 0}},
    };
    const double material[3] = {0.35, 0.35, 0.38};
    const double c[3] = {colour.r, colour.g, colour.b};
    double out[3] = {0.2 * c[0], 0.2 * c[1], 0.2 * c[2]};
    for (const Light& light : lights) {
        const Vec3 l = normalized(light.position - position);
        const double diffuse = std::max(0.0, dot(normal, l));
        const double highlight =
            diffuse > 0.0 ? std::pow(std::max(0.0, dot(normal, normalized(l + Vec3{0, 0, 1}))), 20.0) : 0.0;
        for (int k = 0; k < 3; ++k)
            out[k] += light.ambient[k] * c[k] + diffuse * light.diffuse[k] * c[k] +
                      highlight * light.specular[k] * material[k];
    }
    auto channel = [](double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); };
    return {channel(out[0]), channel(out[1]), channel(out[2])};
}

class View3DTest : public ::testing::Test {
protected:
    void SetUp() override { layout_.ensureDefaultLevel(); }

    void TearDown() override
    {
        if (frame_ != nullptr)
            frame_->Destroy();
        gui::pumpEvents();
    }

    TrackGLCanvas& open()
    {
        frame_ = new View3DFrame(nullptr, layout_);
        gui::pumpEvents();
        EXPECT_NE(frame_->canvas(), nullptr) << "no OpenGL on this display";
        return *frame_->canvas();
    }

    bool project(const TrackGLCanvas& canvas, Vec3 p, double& x, double& y) const
    {
        const wxSize size = canvas.GetClientSize();
        return canvas.camera().project(p, size.x, size.y, x, y);
    }

    Pixel pixelOf(const TrackGLCanvas& canvas, const wxImage& image, Vec3 p) const
    {
        double x = 0, y = 0;
        if (!project(canvas, p, x, y))
            return {-1, -1, -1};
        return pixelAt(image, x, y);
    }

    // Handles events and paints until the canvas has rebuilt `count` times, for at most two seconds: a
    // window the X server has yet to map gets its first paint late on a busy machine.
    bool waitForRebuilds(TrackGLCanvas& canvas, int count)
    {
        for (int i = 0; i < 100 && canvas.rebuildCount() < count; ++i) {
            gui::pumpEvents(2);
            canvas.Update();
            if (canvas.rebuildCount() < count)
                wxMilliSleep(20);
        }
        return canvas.rebuildCount() >= count;
    }

    void mouse(TrackGLCanvas& canvas, wxEventType type, int x, int y, bool left, bool right, int wheel = 0)
    {
        wxMouseEvent event(type);
        event.SetPosition({x, y});
        event.m_leftDown = left;
        event.m_rightDown = right;
        event.m_wheelRotation = wheel;
        event.m_wheelDelta = 120;
        event.SetEventObject(&canvas);
        canvas.ProcessWindowEvent(event);
    }

    void key(TrackGLCanvas& canvas, int code)
    {
        wxKeyEvent event(wxEVT_KEY_DOWN);
        event.m_keyCode = code;
        event.SetEventObject(&canvas);
        canvas.ProcessWindowEvent(event);
    }

    Layout layout_;
    View3DFrame* frame_ = nullptr;
};

TEST_F(View3DTest, WindowOpensWithItsTitleHelpAndAnAcceleratedCanvas)
{
    gui::placePiece(layout_, "24188", 0, 0, 0);
    TrackGLCanvas& canvas = open();
    EXPECT_EQ(frame_->GetTitle(), "3D View - Layrail");
    EXPECT_EQ(frame_->GetStatusBar()->GetStatusText(0),
              "Left drag: rotate  |  Right drag: pan  |  Scroll: zoom  |  R: reset view");
    EXPECT_TRUE(frame_->IsShown());
    EXPECT_TRUE(frame_->HasFlag(wxFRAME_FLOAT_ON_PARENT));
    EXPECT_TRUE(canvas.hasContext());
    EXPECT_EQ(canvas.GetName(), "GLCanvas");
    EXPECT_EQ(canvas.rebuildCount(), 1);
    EXPECT_EQ(canvas.scene().tracks.size(), 1u);
    // Framed on the piece: its middle, at the closest framing distance.
    EXPECT_FLOAT_EQ(canvas.camera().centreX, 94.15f);
    EXPECT_FLOAT_EQ(canvas.camera().distance, 400.0f);

    const FrameStats stats = canvas.renderFrame();
    EXPECT_TRUE(canvas.usesBufferObjects());
    EXPECT_EQ(stats.trackDraws, 1u);
    EXPECT_GT(stats.triangles, 300u);
}

TEST_F(View3DTest, TrackShowsItsColoursWhereItLiesAndTheClearColourElsewhere)
{
    gui::placePiece(layout_, "24188", 0, 0, 0);
    TrackGLCanvas& canvas = open();
    Camera& camera = canvas.camera();
    camera.pitch = 0.0f;
    camera.yaw = 0.0f;
    camera.centreX = 40.0f;
    camera.centreY = 0.0f;
    const wxImage image = canvas.renderToImage();
    ASSERT_TRUE(image.IsOk());

    // Between two sleepers the ballast shows; on a sleeper between the rails the sleeper; the rail tops;
    // the ballast shoulder beyond the sleeper ends.
    const Vec3 ballast{13.0, 0.0, kBallastTop}, sleeper{19.5, 3.0, kSleeperTop}, rail{26.0, 8.25, kRailTop},
        shoulder{13.0, -16.0, kBallastTop};
    EXPECT_TRUE(closeTo(pixelOf(canvas, image, ballast), litTop(camera, kBallastTopColour, ballast), 10));
    EXPECT_TRUE(closeTo(pixelOf(canvas, image, sleeper), litTop(camera, kSleeperTopColour, sleeper), 10));
    EXPECT_TRUE(closeTo(pixelOf(canvas, image, rail), litTop(camera, kRailTopColour, rail), 10));
    EXPECT_TRUE(closeTo(pixelOf(canvas, image, shoulder), litTop(camera, kBallastTopColour, shoulder), 10));
    const Pixel brown = pixelOf(canvas, image, sleeper);
    EXPECT_GT(brown.r, brown.b + 30);

    // Beside the track, between grid lines, and beyond its end there is nothing but the clear colour.
    EXPECT_TRUE(isClear(pixelOf(canvas, image, {50, 50, 0})));
    EXPECT_TRUE(isClear(pixelOf(canvas, image, {50, -50, 0})));
    EXPECT_TRUE(isClear(pixelOf(canvas, image, {230, 30, 0})));
    // A grid line and the line x = 0 in their own colours.
    double x = 0, y = 0;
    ASSERT_TRUE(project(canvas, {100, 50, -0.5}, x, y));
    EXPECT_TRUE(lineNear(image, x, y, {56, 61, 56}));
    ASSERT_TRUE(project(canvas, {0, 50, -0.3}, x, y));
    EXPECT_TRUE(lineNear(image, x, y, {115, 46, 46}));
}

TEST_F(View3DTest, DragsTurnAndPanTheViewAndTheTrackFollows)
{
    gui::placePiece(layout_, "24188", 0, 0, 0);
    TrackGLCanvas& canvas = open();
    Camera& camera = canvas.camera();
    const Vec3 middle{94.15, 0.0, kBallastTop};

    // Left drag: half a degree per pixel.
    mouse(canvas, wxEVT_LEFT_DOWN, 300, 300, true, false);
    mouse(canvas, wxEVT_MOTION, 340, 280, true, false);
    mouse(canvas, wxEVT_LEFT_UP, 340, 280, false, false);
    EXPECT_FLOAT_EQ(camera.yaw, 50.0f);
    EXPECT_FLOAT_EQ(camera.pitch, 25.0f);
    EXPECT_FALSE(canvas.HasCapture());
    // Motion without a button changes nothing.
    mouse(canvas, wxEVT_MOTION, 400, 400, false, false);
    EXPECT_FLOAT_EQ(camera.yaw, 50.0f);
    // Far down the pitch stops at 89 degrees.
    mouse(canvas, wxEVT_LEFT_DOWN, 0, 0, true, false);
    mouse(canvas, wxEVT_MOTION, 0, 2000, true, false);
    mouse(canvas, wxEVT_LEFT_UP, 0, 2000, false, false);
    EXPECT_FLOAT_EQ(camera.pitch, 89.0f);
    camera.pitch = 25.0f;

    // Right drag pans along the turned screen; the track is drawn where the camera now puts it.
    mouse(canvas, wxEVT_RIGHT_DOWN, 300, 300, false, true);
    mouse(canvas, wxEVT_MOTION, 390, 300, false, true);
    mouse(canvas, wxEVT_RIGHT_UP, 390, 300, false, false);
    const float a = 50.0f * 3.14159265f / 180.0f;
    EXPECT_NEAR(camera.panX, std::cos(a) * 90 * 400 / 900.0, 1e-3);
    EXPECT_NEAR(camera.panY, -std::sin(a) * 90 * 400 / 900.0, 1e-3);
    const wxImage image = canvas.renderToImage();
    EXPECT_FALSE(isClear(pixelOf(canvas, image, middle)));
    double x = 0, y = 0;
    ASSERT_TRUE(project(canvas, middle, x, y));
    EXPECT_GT(x, canvas.GetClientSize().x / 2.0 + 20);

    // Both buttons: turns and pans at once.
    const float panX = camera.panX;
    mouse(canvas, wxEVT_LEFT_DOWN, 300, 300, true, true);
    mouse(canvas, wxEVT_MOTION, 310, 300, true, true);
    mouse(canvas, wxEVT_LEFT_UP, 310, 300, false, false);
    EXPECT_FLOAT_EQ(camera.yaw, 55.0f);
    EXPECT_NE(camera.panX, panX);
}

TEST_F(View3DTest, WheelZoomsWithinItsLimitsAndRResetsTheAngles)
{
    gui::placePiece(layout_, "24188", 0, 0, 0);
    TrackGLCanvas& canvas = open();
    Camera& camera = canvas.camera();
    mouse(canvas, wxEVT_MOUSEWHEEL, 300, 300, false, false, 120);
    EXPECT_FLOAT_EQ(camera.distance, 400.0f * 0.88f);
    for (int i = 0; i < 60; ++i)
        mouse(canvas, wxEVT_MOUSEWHEEL, 300, 300, false, false, 120);
    EXPECT_FLOAT_EQ(camera.distance, 50.0f);
    // From 50 mm the track fills the middle of the view.
    EXPECT_FALSE(isClear(pixelAt(canvas.renderToImage(), canvas.GetClientSize().x / 2.0,
                                 canvas.GetClientSize().y / 2.0)));
    for (int i = 0; i < 60; ++i)
        mouse(canvas, wxEVT_MOUSEWHEEL, 300, 300, false, false, -120);
    EXPECT_FLOAT_EQ(camera.distance, 15000.0f);

    mouse(canvas, wxEVT_LEFT_DOWN, 300, 300, true, true);
    mouse(canvas, wxEVT_MOTION, 200, 350, true, true);
    mouse(canvas, wxEVT_LEFT_UP, 200, 350, false, false);
    key(canvas, 'r');
    EXPECT_FLOAT_EQ(camera.pitch, 35.0f);
    EXPECT_FLOAT_EQ(camera.yaw, 30.0f);
    EXPECT_FLOAT_EQ(camera.panX, 0.0f);
    EXPECT_FLOAT_EQ(camera.panY, 0.0f);
    EXPECT_FLOAT_EQ(camera.distance, 15000.0f);
    camera.yaw = 10.0f;
    key(canvas, 'R');
    EXPECT_FLOAT_EQ(camera.yaw, 30.0f);
    // Other keys go on to the window.
    camera.yaw = 10.0f;
    key(canvas, 'Q');
    EXPECT_FLOAT_EQ(camera.yaw, 10.0f);
}

TEST_F(View3DTest, AChangedLayoutIsRebuiltAtTheNextPaintOnlyWhileShown)
{
    gui::placePiece(layout_, "24188", 0, 0, 0);
    TrackGLCanvas& canvas = open();
    ASSERT_EQ(canvas.rebuildCount(), 1);
    canvas.camera().pitch = 0.0f;

    // A second straight further along: the next paint rebuilds and re-frames on both.
    gui::placePiece(layout_, "24188", 400, 0, 0);
    frame_->markStale();
    EXPECT_TRUE(canvas.isStale());
    EXPECT_TRUE(waitForRebuilds(canvas, 2));
    EXPECT_EQ(canvas.rebuildCount(), 2);
    EXPECT_FALSE(canvas.isStale());
    EXPECT_EQ(canvas.scene().tracks.size(), 2u);
    EXPECT_FLOAT_EQ(canvas.camera().centreX, 294.15f);
    EXPECT_FLOAT_EQ(canvas.camera().distance, 588.3f * 1.8f);
    const wxImage image = canvas.renderToImage();
    EXPECT_FALSE(isClear(pixelOf(canvas, image, {494.15, 0, kBallastTop})));
    EXPECT_TRUE(isClear(pixelOf(canvas, image, {294.15, 40, 0})));

    // Hidden, the window rebuilds nothing however often it is told; shown again, it catches up once.
    frame_->Hide();
    gui::pumpEvents();
    layout_.levels[0].visible = false;
    frame_->markStale();
    frame_->markStale();
    gui::pumpEvents();
    EXPECT_EQ(canvas.rebuildCount(), 2);
    EXPECT_TRUE(canvas.isStale());
    frame_->rebuildAndRaise();
    EXPECT_TRUE(waitForRebuilds(canvas, 3));
    EXPECT_EQ(canvas.rebuildCount(), 3);
    EXPECT_TRUE(frame_->IsShown());
    EXPECT_TRUE(canvas.scene().tracks.empty());
}

TEST_F(View3DTest, AnEmptyLayoutShowsTheGroundAroundTheOrigin)
{
    TrackGLCanvas& canvas = open();
    EXPECT_FLOAT_EQ(canvas.camera().centreX, 0.0f);
    EXPECT_FLOAT_EQ(canvas.camera().centreY, 0.0f);
    EXPECT_FLOAT_EQ(canvas.camera().distance, 800.0f);
    EXPECT_EQ(canvas.renderFrame().trackDraws, 0u);
    const wxImage image = canvas.renderToImage();
    EXPECT_TRUE(isClear(pixelOf(canvas, image, {50, 50, 0})));
    double x = 0, y = 0;
    ASSERT_TRUE(project(canvas, {0, 50, -0.3}, x, y));
    EXPECT_TRUE(lineNear(image, x, y, {115, 46, 46}));
}

TEST_F(View3DTest, ClosingTheWindowTellsItsOwner)
{
    TrackGLCanvas& canvas = open();
    (void)canvas;
    int closed = 0;
    frame_->setClosedHandler([&] { ++closed; });
    frame_->Close();
    frame_ = nullptr;
    gui::pumpEvents();
    EXPECT_EQ(closed, 1);
}

// The showcase in the 3D view: every landmark is drawn where the camera puts it. With
// LAYRAIL_VIEW3D_SHOTS set to a folder, the overview and two close views are saved there as PNG files.
TEST_F(View3DTest, ShowcaseLayoutDrawsItsBridgesHelixTunnelAndScenery)
{
    gui::ShowcaseMarks marks;
    layout_ = gui::buildShowcaseLayout(&marks);
    TrackGLCanvas& canvas = open();
    const Scene& scene = canvas.scene();
    EXPECT_EQ(scene.piers.size(), 2u);
    EXPECT_FALSE(scene.tunnels.empty());
    EXPECT_FALSE(scene.baseboard.empty());
    EXPECT_EQ(scene.outlines.size(), 12u);
    EXPECT_GE(scene.scenery.size(), 14u);

    const char* folder = std::getenv("LAYRAIL_VIEW3D_SHOTS");
    auto save = [&](const wxImage& image, const std::string& name) {
        if (folder == nullptr)
            return;
        if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr)
            wxImage::AddHandler(new wxPNGHandler);
        EXPECT_TRUE(image.SaveFile(std::string(folder) + "/" + name, wxBITMAP_TYPE_PNG));
    };

    Camera& camera = canvas.camera();
    camera.pitch = 50.0f;
    camera.yaw = 20.0f;
    const wxImage overview = canvas.renderToImage();
    ASSERT_TRUE(overview.IsOk());
    save(overview, "view3d-overview.png");

    // The top of the helix, the truss over the branch and the station are drawn, not the background.
    const PlacedPiece& top = *layout_.findPiece(marks.helixTopStub);
    EXPECT_FALSE(isClear(pixelOf(canvas, overview, {top.x + 90, -top.y, top.z + kRailTop})));
    const PlacedPiece& truss = *layout_.findPiece(marks.trussBridge);
    EXPECT_FALSE(isClear(pixelOf(canvas, overview, {truss.x + 90, -truss.y, truss.z + 20})));
    const SceneryItem& station = *layout_.findScenery(marks.station);
    EXPECT_FALSE(isClear(pixelOf(canvas, overview, {station.x, -station.y, 40})));

    // Close views of the station and the bridges, and of the helix and the tunnel.
    camera.centreX = static_cast<float>(truss.x - 150);
    camera.centreY = static_cast<float>(-truss.y - 150);
    camera.distance = 1400.0f;
    camera.pitch = 55.0f;
    camera.yaw = 15.0f;
    save(canvas.renderToImage(), "view3d-bridges.png");
    camera.centreX = 1700.0f;
    camera.centreY = -1000.0f;
    camera.distance = 2300.0f;
    camera.pitch = 50.0f;
    camera.yaw = -20.0f;
    save(canvas.renderToImage(), "view3d-helix.png");
    const PlacedPiece& tunnel = *layout_.findPiece(marks.tunnelMiddle);
    camera.centreX = static_cast<float>(tunnel.x - 190);
    camera.centreY = static_cast<float>(-tunnel.y);
    camera.distance = 900.0f;
    camera.pitch = 60.0f;
    camera.yaw = -35.0f;
    save(canvas.renderToImage(), "view3d-tunnel.png");

    // The window as the screen shows it, status bar and all.
    if (folder != nullptr) {
        canvas.Refresh();
        canvas.Update();
        gui::pumpEvents();
        const wxRect rect = frame_->GetScreenRect();
        wxScreenDC screen;
        wxBitmap bitmap(rect.width, rect.height, 24);
        {
            wxMemoryDC memory(bitmap);
            memory.Blit(0, 0, rect.width, rect.height, &screen, rect.x, rect.y);
        }
        save(bitmap.ConvertToImage(), "view3d-window.png");
    }
}

// Every catalog piece is drawn where it lies: seen from above a row at a time, the middle of its first
// track shows. With LAYRAIL_VIEW3D_SHOTS set, close views of the special pieces are saved.
TEST_F(View3DTest, EveryCatalogPieceIsDrawnWhereItLies)
{
    constexpr int kPerRow = 12;
    constexpr double kPitch = 500.0;
    layout_ = gui::buildTrackGallery(kPerRow, kPitch);
    TrackGLCanvas& canvas = open();
    const Scene& scene = canvas.scene();
    ASSERT_EQ(scene.tracks.size(), layout_.pieces.size());
    Camera& camera = canvas.camera();
    camera.pitch = 0.0f;
    camera.yaw = 0.0f;
    camera.distance = 6000.0f;
    const int rows = static_cast<int>((scene.tracks.size() + kPerRow - 1) / kPerRow);
    for (int row = 0; row < rows; ++row) {
        camera.centreX = static_cast<float>(kPitch * (kPerRow - 1) / 2.0 + 100.0);
        camera.centreY = static_cast<float>(-kPitch * row);
        const wxImage image = canvas.renderToImage();
        for (std::size_t i = static_cast<std::size_t>(row * kPerRow);
             i < std::min(scene.tracks.size(), static_cast<std::size_t>((row + 1) * kPerRow)); ++i) {
            const TrackInstance& track = scene.tracks[i];
            const Strip strip = pieceStrips(*TrackCatalog::instance().find(track.article)).front();
            const Vec3 middle = trackTransform(track).apply(strip[strip.size() / 2].position + Vec3{0, 0, 2});
            EXPECT_FALSE(isClear(pixelOf(canvas, image, middle))) << track.article;
        }
    }

    const char* folder = std::getenv("LAYRAIL_VIEW3D_SHOTS");
    if (folder == nullptr)
        return;
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr)
        wxImage::AddHandler(new wxPNGHandler);
    camera.pitch = 40.0f;
    camera.yaw = 20.0f;
    camera.distance = 520.0f;
    for (const char* article : {"24630", "24624", "24640", "24672", "8569", "24977", "74861", "74613", "74618"}) {
        const auto it = std::find_if(scene.tracks.begin(), scene.tracks.end(),
                                     [&](const TrackInstance& t) { return t.article == article; });
        ASSERT_NE(it, scene.tracks.end());
        camera.centreX = it->x + 100.0f;
        camera.centreY = it->y;
        canvas.renderToImage().SaveFile(std::string(folder) + "/view3d-piece-" + article + ".png",
                                        wxBITMAP_TYPE_PNG);
    }
}

// Share of the pixels inside a window rectangle that are not the clear colour.
double coveredShare(const wxImage& image, double x0, double y0, double x1, double y1)
{
    int covered = 0, all = 0;
    const unsigned char* data = image.GetData();
    for (int y = static_cast<int>(std::max(0.0, y0)); y < std::min<double>(image.GetHeight(), y1); ++y)
        for (int x = static_cast<int>(std::max(0.0, x0)); x < std::min<double>(image.GetWidth(), x1); ++x) {
            const unsigned char* p = data + 3 * (static_cast<std::size_t>(y) * image.GetWidth() + x);
            ++all;
            if (!isClear({p[0], p[1], p[2]}))
                ++covered;
        }
    return all == 0 ? 0.0 : static_cast<double>(covered) / all;
}

// Every scenery model stands where its item is, seen close up: a good part of the window around its
// footprint is covered. With LAYRAIL_VIEW3D_SHOTS set, each close view is saved too.
TEST_F(View3DTest, EverySceneryModelIsDrawnAtItsItem)
{
    layout_ = gui::buildSceneryGallery(5, 650.0);
    TrackGLCanvas& canvas = open();
    Camera& camera = canvas.camera();
    camera.pitch = 45.0f;
    camera.yaw = 25.0f;
    const char* folder = std::getenv("LAYRAIL_VIEW3D_SHOTS");
    const Scene& scene = canvas.scene();
    ASSERT_EQ(scene.scenery.size(), layout_.scenery.size());
    for (const SceneryInstance& item : scene.scenery) {
        const Box3 box = boundsOf(scene.sceneryModels[static_cast<std::size_t>(item.model)]);
        const double extent = std::max({box.max.x - box.min.x, box.max.y - box.min.y, box.max.z - box.min.z});
        camera.centreX = item.x;
        camera.centreY = item.y;
        camera.distance = static_cast<float>(std::max(150.0, 2.5 * extent));
        const wxImage image = canvas.renderToImage();

        double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
        for (double u : {-0.5, 0.5})
            for (double v : {-0.5, 0.5}) {
                double x = 0, y = 0;
                ASSERT_TRUE(project(canvas, {item.x + u * item.width, item.y + v * item.depth, 0}, x, y));
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x);
                y1 = std::max(y1, y);
            }
        EXPECT_GT(coveredShare(image, x0, y0, x1, y1), 0.05) << item.item;
        if (folder != nullptr) {
            if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr)
                wxImage::AddHandler(new wxPNGHandler);
            image.SaveFile(std::string(folder) + "/view3d-item-" + item.item + ".png", wxBITMAP_TYPE_PNG);
        }
    }
}

// Run on a display without OpenGL (the gui_without_opengl test starts one): the window says so instead of
// showing a black or broken view, and the owner's calls do nothing harmful.
TEST(View3DWithoutOpenGLTest, ShowsAMessageInsteadOfTheView)
{
    if (displayOffersOpenGL())
        GTEST_SKIP() << "this display has OpenGL";
    Layout layout;
    layout.ensureDefaultLevel();
    gui::placePiece(layout, "24188", 0, 0, 0);
    auto* frame = new View3DFrame(nullptr, layout);
    gui::pumpEvents();
    EXPECT_EQ(frame->canvas(), nullptr);
    EXPECT_TRUE(frame->IsShown());
    EXPECT_EQ(frame->GetTitle(), "3D View - Layrail");
    bool told = false;
    for (wxWindow* child : frame->GetChildren())
        for (wxWindow* inner : child->GetChildren())
            if (auto* text = dynamic_cast<wxStaticText*>(inner))
                told = told || text->GetLabel() == "The 3D view needs OpenGL, which is not available on this display.";
    EXPECT_TRUE(told);
    frame->markStale();
    frame->rebuildAndRaise();
    gui::pumpEvents();
    frame->Destroy();
    gui::pumpEvents();
}

} // namespace
} // namespace layrail
