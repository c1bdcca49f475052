#include "catalog/SceneryCatalog.h"

#include "catalog/SceneryDrawings.h"

#include <utility>

namespace layrail {

namespace {

using scenery::Drawing;

SceneryDef def(const char* id, const char* name, SceneryCategory category, double width, double depth,
               Drawing drawing)
{
    SceneryDef d;
    d.id = id;
    d.name = name;
    d.category = category;
    d.width = width;
    d.depth = depth;
    d.drawing = std::move(drawing);
    return d;
}

SceneryDef signalDef(const char* id, const char* name, bool clear, bool z, bool colourLight)
{
    const double size = z ? 12.0 : 20.0;
    SceneryDef d = def(id, name, SceneryCategory::Signals, size, size, scenery::signal(size, clear, colourLight));
    d.zScale = z;
    return d;
}

SceneryDef semaphore(const char* id, const char* name, bool clear, bool z)
{
    return signalDef(id, name, clear, z, false);
}

SceneryDef colourLight(const char* id, const char* name, bool clear, bool z)
{
    return signalDef(id, name, clear, z, true);
}

std::vector<SceneryDef> buildDefinitions()
{
    using C = SceneryCategory;
    namespace s = scenery;
    return {
        def("platform", "Platform", C::Platforms, 230, 60, s::platform()),
        def("platform_island", "Island platform 460mm", C::Platforms, 460, 120, s::islandPlatform()),
        def("station_small", "Station Gueglingen", C::Stations, 308, 140, s::smallStation()),
        def("station_large", "Station Schwarzburg", C::Stations, 550, 185, s::largeStation()),
        def("signal_box", "Signal box", C::Buildings, 60, 50, s::signalBox()),
        def("shed_1road", "Engine shed (1 road)", C::Buildings, 300, 80, s::engineShed(1)),
        def("shed_2road", "Engine shed (2 roads)", C::Buildings, 300, 160, s::engineShed(2)),
        def("goods_shed", "Goods shed", C::Buildings, 200, 80, s::goodsShed()),
        def("warehouse", "Warehouse", C::Buildings, 400, 200, s::warehouse()),
        semaphore("signal_semaphore_stop", "Semaphore (Stop)", false, false),
        semaphore("signal_semaphore_clear", "Semaphore (Clear)", true, false),
        colourLight("signal_color_stop", "Color light (Stop)", false, false),
        colourLight("signal_color_clear", "Color light (Clear)", true, false),
        semaphore("signal_z_semaphore_stop", "Semaphore Z (Stop)", false, true),
        semaphore("signal_z_semaphore_clear", "Semaphore Z (Clear)", true, true),
        colourLight("signal_z_color_stop", "Color light Z (Stop)", false, true),
        colourLight("signal_z_color_clear", "Color light Z (Clear)", true, true),
        def("bridge_truss_scenery", "Truss bridge (scenery)", C::Bridges, 188, 64, s::trussBridgeScenery()),
        def("bridge_arch_scenery", "Arch bridge (scenery)", C::Bridges, 360, 64, s::archBridgeScenery()),
        def("crossing_1track", "Level crossing (1 track)", C::Roads, 120, 80, s::levelCrossing(1)),
        def("crossing_2track", "Level crossing (2 tracks)", C::Roads, 120, 160, s::levelCrossing(2)),
        def("road_straight", "Road straight 188mm", C::Roads, 188, 60, s::roadStraight()),
        def("74861", "Turntable 74861 (pit 278mm)", C::Special, 278, 278, s::turntable()),
        def("72886", "Roundhouse 72886 (3-stall)", C::Other, 386, 343, s::roundhouse()),
        def("water_tower", "Water tower", C::Special, 50, 50, s::waterTower()),
        def("coaling_tower", "Coaling tower", C::Special, 80, 80, s::coalingTower()),
        def("tree_sm_dec", "Deciduous tree (small)", C::Nature, 34, 34, s::smallTree()),
        def("tree_lg_dec", "Deciduous tree (large)", C::Nature, 57, 57, s::largeTree()),
        def("tree_conifer", "Conifer tree", C::Nature, 23, 40, s::conifer()),
        def("tree_group", "Tree group (3 mixed)", C::Nature, 115, 80, s::treeGroup()),
        def("bush", "Bush / shrub", C::Nature, 23, 17, s::bush()),
        def("car", "Car", C::Vehicles, 50, 20, s::car()),
        def("truck", "Truck", C::Vehicles, 80, 25, s::truck()),
        def("parking_lot", "Parking lot (10 spaces)", C::Special, 250, 120, s::parkingLot()),
        def("ped_zone", "Pedestrian zone", C::Special, 115, 57, s::pedestrianZone()),
        def("bridge_truss", "Steel truss bridge (1 track)", C::Special, 188, 80, s::steelTrussBridge()),
        def("viaduct_pier", "Viaduct pier (concrete)", C::Special, 40, 60, s::viaductPier()),
        def("tunnel_portal_single", "Tunnel portal (1 track)", C::Tunnels, 40, 80, s::tunnelPortal()),
        def("retaining_wall", "Retaining wall 188mm", C::Special, 188, 30, s::retainingWall()),
    };
}

} // namespace

SceneryCatalog::SceneryCatalog()
    : defs_(buildDefinitions())
{
    for (size_t i = 0; i < defs_.size(); ++i)
        index_[defs_[i].id] = i;
}

const SceneryCatalog& SceneryCatalog::instance()
{
    static const SceneryCatalog catalog;
    return catalog;
}

const SceneryDef* SceneryCatalog::find(const std::string& id) const
{
    auto it = index_.find(id);
    return it == index_.end() ? nullptr : &defs_[it->second];
}

} // namespace layrail
