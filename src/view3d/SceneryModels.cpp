#include "view3d/SceneryModels.h"

#include <algorithm>
#include <functional>
#include <unordered_map>

#include "view3d/BridgeModels.h"
#include "view3d/ModelShapes.h"
#include "view3d/SceneryRecipes.h"

namespace layrail {

namespace {

using Recipe = std::function<void(Mesh&, double, double)>;

const std::unordered_map<std::string, Recipe>& recipeTable()
{
    using namespace recipes;
    auto signal = [](bool light, bool clear) {
        return [light, clear](Mesh& m, double w, double d) {
            if (light)
                colourLight(m, w, d, clear);
            else
                semaphore(m, w, d, clear);
        };
    };
    static const std::unordered_map<std::string, Recipe> table = {
        {"tunnel_portal_single", [](Mesh& m, double w, double d) { tunnelPortal(m, w, d, 1); }},
        {"tunnel_portal", [](Mesh& m, double w, double d) { tunnelPortal(m, w, d, 1); }},
        {"tunnel_portal_2", [](Mesh& m, double w, double d) { tunnelPortal(m, w, d, 2); }},
        {"platform", platform},
        {"platform_island", islandPlatform},
        {"station_small", smallStation},
        {"station_large", largeStation},
        {"signal_box", signalBox},
        {"shed_1road", [](Mesh& m, double w, double d) { engineShed(m, w, d, 1); }},
        {"shed_2road", [](Mesh& m, double w, double d) { engineShed(m, w, d, 2); }},
        {"goods_shed", goodsShed},
        {"warehouse", warehouse},
        {"crossing_1track", [](Mesh& m, double w, double d) { levelCrossing(m, w, d, 1); }},
        {"crossing_2track", [](Mesh& m, double w, double d) { levelCrossing(m, w, d, 2); }},
        {"road_straight", road},
        {"water_tower", waterTower},
        {"coaling_tower", coalingTower},
        {"signal_semaphore_stop", signal(false, false)},
        {"signal_semaphore_clear", signal(false, true)},
        {"signal_color_stop", signal(true, false)},
        {"signal_color_clear", signal(true, true)},
        {"signal_z_semaphore_stop", signal(false, false)},
        {"signal_z_semaphore_clear", signal(false, true)},
        {"signal_z_color_stop", signal(true, false)},
        {"signal_z_color_clear", signal(true, true)},
        {"bridge_truss_scenery", trussBridge},
        {"bridge_arch_scenery", archBridge},
        {"bridge_arch", archBridge},
        {"bridge_truss", trussBridge},
        {"tree_sm_dec", [](Mesh& m, double w, double d) { deciduousTree(m, w, d, false); }},
        {"tree_lg_dec", [](Mesh& m, double w, double d) { deciduousTree(m, w, d, true); }},
        {"tree_conifer", conifer},
        {"tree_group", treeGroup},
        {"bush", bush},
        {"car", car},
        {"truck", truck},
        {"parking_lot", parkingLot},
        {"ped_zone", pedestrianZone},
        {"viaduct_pier", viaductPier},
        {"retaining_wall", retainingWall},
        // The turntable and roundhouse scenery items look like what they are rather than plain blocks.
        {"74861", turntable},
        {"72886", roundhouse},
    };
    return table;
}

} // namespace

Mesh buildSceneryModel(const std::string& id, double width, double depth)
{
    Mesh mesh;
    const auto& table = recipeTable();
    auto it = table.find(id);
    if (it != table.end())
        it->second(mesh, width, depth);
    else
        recipes::fallback(mesh, width, depth);
    return mesh;
}

float sceneryDrop(const std::string& id)
{
    if (id == "bridge_arch")
        return -18.0f;
    if (id == "bridge_truss")
        return -4.0f;
    return -1.0f;
}

namespace recipes {

using shapes::beam;
using shapes::box;

void platform(Mesh& m, double w, double d)
{
    box(m, {0, 0, 0}, {w, d, 12}, kPavingTop, kPavingSide);
    box(m, {0, d - 8, 12.05}, {w, 8, 0.1}, kSafetyYellow, kSafetyYellow);
}

void islandPlatform(Mesh& m, double w, double d)
{
    constexpr double top = 12.0;
    box(m, {0, 0, 0}, {w, d, top}, kPavingTop, kPavingSide);
    box(m, {0, 0, top + 0.05}, {w, 8, 0.1}, kSafetyYellow, kSafetyYellow);
    box(m, {0, d - 8, top + 0.05}, {w, 8, 0.1}, kSafetyYellow, kSafetyYellow);
    // A canopy on a row of posts down the middle, over the centre of the platform.
    const double x0 = 0.28 * w, x1 = 0.72 * w, eave = top + 0.45 * d;
    for (int k = 0; k <= 4; ++k) {
        const double x = x0 + 6.0 + (x1 - x0 - 12.0) * k / 4.0;
        box(m, {x - 1.5, d / 2 - 1.5, top}, {3, 3, eave - top}, {0.35f, 0.38f, 0.35f}, {0.28f, 0.30f, 0.28f});
    }
    shapes::gableRoofX(m, x0, 0.33 * d, x1, 0.67 * d, eave, eave + 0.08 * d, {0.58f, 0.25f, 0.2f},
                       {0.5f, 0.22f, 0.18f});
    // Benches and a timetable board beyond the canopy.
    for (double x : {0.15 * w, 0.8 * w})
        box(m, {x, 0.46 * d, top}, {0.045 * w, 0.08 * d, 5}, {0.52f, 0.38f, 0.24f}, {0.42f, 0.30f, 0.18f});
    box(m, {0.25 * w, d / 2 - 1, top}, {1.5, 2, 22}, {0.3f, 0.3f, 0.3f}, {0.3f, 0.3f, 0.3f});
    box(m, {0.25 * w - 6, d / 2 - 1.5, top + 22}, {13.5, 3, 9}, {0.9f, 0.9f, 0.9f}, {0.15f, 0.25f, 0.55f});
}

void trussBridge(Mesh& m, double w, double d)
{
    bridges::truss(m, w);
    m.translate({0, d / 2, 0});
}

void archBridge(Mesh& m, double w, double d)
{
    bridges::arch(m, w);
    m.translate({0, d / 2, 0});
}

void fallback(Mesh& m, double w, double d)
{
    constexpr Rgb body{0.58f, 0.42f, 0.24f};
    constexpr Rgb slab{0.4f, 0.22f, 0.14f};
    box(m, {0, 0, 0}, {w, d, 28}, body, body);
    box(m, {0, 0, 28}, {w, d, 7}, slab, slab);
}

namespace {

constexpr Rgb kStopLamp{220 / 255.0f, 40 / 255.0f, 40 / 255.0f};
constexpr Rgb kClearLamp{60 / 255.0f, 200 / 255.0f, 80 / 255.0f};

void signalFoot(Mesh& m, double w, double d, double s)
{
    box(m, {0.15 * w, 0.15 * d, 0}, {0.7 * w, 0.7 * d, 0.08 * s}, kConcrete, kConcreteShade);
}

} // namespace

// A mast with its arm across the track at the top; the arm is level at stop and raised when clear.
void semaphore(Mesh& m, double w, double d, bool clear)
{
    const double s = std::min(w, d), height = 5.0 * s;
    const double mx = 0.5 * w, my = 0.2 * d, half = 0.06 * s;
    constexpr Rgb mast{0.56f, 0.58f, 0.62f};
    constexpr Rgb mastShade{0.42f, 0.44f, 0.47f};
    signalFoot(m, w, d, s);
    box(m, {mx - half, my - half, 0}, {2 * half, 2 * half, height}, mast, mastShade);
    box(m, {mx - 1.5 * half, my - 1.5 * half, height}, {3 * half, 3 * half, 0.1 * s}, mast, mastShade);
    beam(m, {mx + 1.6 * half, my, 0.05 * s}, {mx + 1.6 * half, my, 0.8 * height}, 0.04 * s, {0.2f, 0.2f, 0.2f});

    const double pivotZ = 0.85 * height, armX = mx - 1.8 * half, reach = 0.72 * d;
    const Vec3 pivot{armX, my, pivotZ};
    const Vec3 tip = clear ? Vec3{armX, my + reach * 0.7071, pivotZ + reach * 0.7071} : Vec3{armX, my + reach, pivotZ};
    beam(m, pivot, tip, 0.1 * s, {0.80f, 0.16f, 0.13f});
    beam(m, pivot + (tip - pivot) * 0.62, pivot + (tip - pivot) * 0.8, 0.11 * s, {0.95f, 0.95f, 0.92f});
    const Rgb lamp = clear ? kClearLamp : kStopLamp;
    box(m, {armX - 0.06 * s, my - 0.09 * s, pivotZ - 0.3 * s}, {0.06 * s, 0.18 * s, 0.18 * s}, lamp, lamp);
}

// A dark mast carrying a signal head with two lamps facing the track; the upper one is lit.
void colourLight(Mesh& m, double w, double d, bool clear)
{
    const double s = std::min(w, d), height = 4.5 * s;
    const double mx = 0.5 * w, my = 0.5 * d, half = 0.06 * s;
    constexpr Rgb mast{0.36f, 0.36f, 0.38f};
    constexpr Rgb mastShade{0.26f, 0.26f, 0.28f};
    constexpr Rgb head{0.14f, 0.14f, 0.15f};
    constexpr Rgb headShade{0.08f, 0.08f, 0.09f};
    signalFoot(m, w, d, s);
    box(m, {mx - half, my - half, 0}, {2 * half, 2 * half, height - 1.1 * s}, mast, mastShade);
    const double headX = mx - 0.15 * s, headZ = height - 1.2 * s;
    box(m, {headX, my - 0.25 * s, headZ}, {0.3 * s, 0.5 * s, 1.2 * s}, head, headShade);
    const Rgb lit = clear ? kClearLamp : kStopLamp;
    const Rgb dark = scaled(clear ? kStopLamp : kClearLamp, 0.3f);
    const double lampSize = 0.22 * s;
    for (int k = 0; k < 2; ++k) {
        const double z = headZ + 1.2 * s - (0.35 + 0.45 * k) * s;
        box(m, {headX - 0.04 * s, my - lampSize / 2, z - lampSize / 2}, {0.04 * s, lampSize, lampSize},
            k == 0 ? lit : dark, k == 0 ? lit : dark);
        box(m, {headX - 0.14 * s, my - lampSize / 2 - 0.02 * s, z + lampSize / 2}, {0.14 * s, lampSize + 0.04 * s,
                                                                                     0.03 * s},
            head, headShade);
    }
}

} // namespace recipes
} // namespace layrail
