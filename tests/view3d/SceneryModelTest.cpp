#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>

#include "SceneTestSupport.h"
#include "catalog/SceneryCatalog.h"
#include "view3d/SceneryModels.h"

namespace layrail {
namespace {

std::set<std::tuple<float, float, float>> coloursOf(const Mesh& mesh)
{
    std::set<std::tuple<float, float, float>> colours;
    for (std::size_t i = 0; i < mesh.vertexCount(); ++i) {
        const Rgb c = mesh.colour(i);
        colours.insert({c.r, c.g, c.b});
    }
    return colours;
}

// The colour of the highest vertex at a ground position (up to half a millimetre away).
Rgb topColourAt(const Mesh& mesh, double x, double y, double* z = nullptr)
{
    Rgb best{};
    double bestZ = -1e9;
    for (std::size_t i = 0; i < mesh.vertexCount(); ++i) {
        const Vec3 p = mesh.position(i);
        if (std::fabs(p.x - x) <= 0.5 && std::fabs(p.y - y) <= 0.5 && p.z > bestZ) {
            bestZ = p.z;
            best = mesh.colour(i);
        }
    }
    if (z != nullptr)
        *z = bestZ;
    return best;
}

TEST(SceneryModelTest, EveryCatalogItemHasASolidTwoToneModelOnItsFootprint)
{
    for (const SceneryDef& def : SceneryCatalog::instance().all()) {
        const Mesh model = buildSceneryModel(def.id, def.width, def.depth);
        ASSERT_FALSE(model.empty()) << def.id;
        EXPECT_GE(coloursOf(model).size(), 2u) << def.id;
        for (std::uint32_t index : model.indices)
            ASSERT_LT(index, model.vertexCount()) << def.id;
        for (std::size_t i = 0; i < model.vertexCount(); ++i)
            ASSERT_NEAR(length(model.normal(i)), 1.0, 1e-3) << def.id << " vertex " << i;

        // Within the footprint (a little slack for crowns, eaves and arms), standing on the ground, and
        // tall enough to read as what it is.
        const Box3 box = boundsOf(model);
        const double slack = 3.5;
        EXPECT_GE(box.min.x, -slack) << def.id;
        EXPECT_GE(box.min.y, -slack) << def.id;
        EXPECT_LE(box.max.x, def.width + slack) << def.id;
        EXPECT_LE(box.max.y, def.depth + slack) << def.id;
        EXPECT_GT(box.max.z, 1.0) << def.id;
        // Only bridge decks and the parts of portals reach below the ground.
        EXPECT_GE(box.min.z, -12.0) << def.id;
        // Each model fills its footprint rather than a corner of it.
        EXPECT_GT(box.max.x - box.min.x, 0.6 * def.width) << def.id;
        EXPECT_GT(box.max.y - box.min.y, 0.6 * def.depth) << def.id;
    }
}

TEST(SceneryModelTest, PlatformFollowsItsRecipe)
{
    const Mesh model = buildSceneryModel("platform", 230, 60);
    // A 12 mm slab of two greys, a yellow strip along the far long edge just above it.
    double z = 0;
    const Rgb slab = topColourAt(model, 0, 0, &z);
    EXPECT_NEAR(z, 12.0, 1e-5);
    EXPECT_FLOAT_EQ(slab.r, 0.72f);
    const Rgb strip = topColourAt(model, 230, 60, &z);
    EXPECT_NEAR(z, 12.15, 1e-5);
    EXPECT_FLOAT_EQ(strip.r, 0.86f);
    EXPECT_FLOAT_EQ(strip.g, 0.78f);
    topColourAt(model, 230, 52, &z);
    EXPECT_NEAR(z, 12.15, 1e-5);
    EXPECT_EQ(coloursOf(model).size(), 3u);
    const Box3 box = boundsOf(model);
    EXPECT_NEAR(box.max.x, 230.0, 1e-4);
    EXPECT_NEAR(box.max.y, 60.0, 1e-4);
}

TEST(SceneryModelTest, TunnelPortalFollowsItsRecipe)
{
    const double w = 40, d = 80;
    const Mesh model = buildSceneryModel("tunnel_portal_single", w, d);
    // Two piers of 0.75 D on either side of the opening, twelve voussoirs and a cap block: 15 boxes.
    EXPECT_EQ(model.vertexCount(), 15u * 24u);
    double z = 0;
    topColourAt(model, 0, 0, &z);
    EXPECT_NEAR(z, 60.0, 1e-4);
    topColourAt(model, w, d, &z);
    EXPECT_NEAR(z, 60.0, 1e-4);
    // The opening between the piers is 0.64 D wide; the arch's crown stands over its middle.
    const Box3 box = boundsOf(model);
    EXPECT_NEAR(box.max.z, 0.55 * d + 0.32 * d + 4.0, 0.5);
    EXPECT_EQ(coloursOf(model).size(), 5u);
}

TEST(SceneryModelTest, UnknownIdsGetTheFallbackBlock)
{
    const Mesh model = buildSceneryModel("something_else", 100, 50);
    EXPECT_EQ(model.vertexCount(), 2u * 24u);
    const Box3 box = boundsOf(model);
    EXPECT_NEAR(box.max.z, 35.0, 1e-5);
    double z = 0;
    const Rgb top = topColourAt(model, 100, 50, &z);
    EXPECT_FLOAT_EQ(top.r, 0.4f);
    EXPECT_EQ(coloursOf(model).size(), 2u);
}

TEST(SceneryModelTest, ModelsAreSizedFromTheirFootprint)
{
    // The same recipe at twice the size is twice as large, not a copy.
    for (const char* id : {"station_small", "warehouse", "truck", "tree_group", "shed_2road"}) {
        const SceneryDef& def = *SceneryCatalog::instance().find(id);
        const Box3 one = boundsOf(buildSceneryModel(id, def.width, def.depth));
        const Box3 two = boundsOf(buildSceneryModel(id, 2 * def.width, 2 * def.depth));
        EXPECT_NEAR(two.max.x - two.min.x, 2 * (one.max.x - one.min.x), 0.15 * def.width) << id;
        EXPECT_NEAR(two.max.y - two.min.y, 2 * (one.max.y - one.min.y), 0.15 * def.depth) << id;
    }
}

TEST(SceneryModelTest, SignalsShowTheirAspect)
{
    // The lit lamp is red at stop and green when clear, for both kinds and both scales.
    auto hasColour = [](const Mesh& m, Rgb c) {
        const auto colours = coloursOf(m);
        return colours.count({c.r, c.g, c.b}) != 0;
    };
    const Rgb red{220 / 255.0f, 40 / 255.0f, 40 / 255.0f};
    const Rgb green{60 / 255.0f, 200 / 255.0f, 80 / 255.0f};
    for (const char* kind : {"signal_semaphore_", "signal_color_", "signal_z_semaphore_", "signal_z_color_"}) {
        const SceneryDef& stop = *SceneryCatalog::instance().find(std::string(kind) + "stop");
        const Mesh stopModel = buildSceneryModel(stop.id, stop.width, stop.depth);
        const Mesh clearModel = buildSceneryModel(std::string(kind) + "clear", stop.width, stop.depth);
        EXPECT_TRUE(hasColour(stopModel, red)) << kind;
        EXPECT_TRUE(hasColour(clearModel, green)) << kind;
        EXPECT_GT(boundsOf(stopModel).max.z, 3.5 * stop.width) << kind;
    }
    // A semaphore's arm is level at stop and raised when clear.
    auto armTip = [](const Mesh& m) {
        double top = 0.0;
        for (std::size_t i = 0; i < m.vertexCount(); ++i)
            if (m.colour(i).r == 0.80f && m.colour(i).g == 0.16f)
                top = std::max(top, m.position(i).z);
        return top;
    };
    const double stop = armTip(buildSceneryModel("signal_semaphore_stop", 20, 20));
    const double clear = armTip(buildSceneryModel("signal_semaphore_clear", 20, 20));
    EXPECT_GT(stop, 80.0);
    EXPECT_LT(stop, 90.0);
    EXPECT_GT(clear, stop + 8.0);
}

TEST(SceneryModelTest, DropsSinkTheBridges)
{
    EXPECT_FLOAT_EQ(sceneryDrop("bridge_arch"), -18.0f);
    EXPECT_FLOAT_EQ(sceneryDrop("bridge_truss"), -4.0f);
    EXPECT_FLOAT_EQ(sceneryDrop("platform"), -1.0f);
}

} // namespace
} // namespace layrail
