#include "View3DShowcase.h"

#include <cmath>
#include <string>

#include "GuiTestSupport.h"
#include "catalog/HelixKits.h"
#include "catalog/SceneryCatalog.h"
#include "catalog/TrackCatalog.h"
#include "support/LayoutBuilding.h"

namespace layrail::gui {

namespace {

int addItem(Layout& layout, const std::string& item, double x, double y, double heading)
{
    SceneryItem s;
    s.id = layout.takeId();
    s.item = item;
    s.x = x;
    s.y = y;
    s.heading = heading;
    layout.scenery.push_back(s);
    return s.id;
}

} // namespace

Layout buildShowcaseLayout(ShowcaseMarks* marks)
{
    Layout layout;
    layout.ensureDefaultLevel();
    layout.baseboard.vertices = {{-250, -150}, {2850, -150}, {2850, 1400}, {-250, 1400}};
    ShowcaseMarks m;

    // The oval: east along the top, a half circle of R2 curves, west along the bottom and back.
    const int start = placePiece(layout, "24188", 300, 300, 0);
    const int turnout = attachPiece(layout, start, 1, "24611");
    int last = attachPiece(layout, turnout, 1, "24188");
    last = attachPiece(layout, last, 1, "24188");
    for (int i = 0; i < 6; ++i)
        last = attachPiece(layout, last, 1, "24230");
    std::vector<int> bottom;
    for (int i = 0; i < 4; ++i)
        bottom.push_back(last = attachPiece(layout, last, 1, "24188"));
    for (int i = 0; i < 6; ++i)
        last = attachPiece(layout, last, 1, "24230");
    joinPieces(layout, last, 1, start, 0);

    // The tunnel covers the middle of the bottom straight, with a portal at each end and a hill over it.
    Tunnel tunnel;
    const Connector east = test::worldConnector(layout, bottom[1], 0);
    const Connector west = test::worldConnector(layout, bottom[2], 1);
    tunnel.portalA = addItem(layout, "tunnel_portal_single", east.x, east.y, east.heading);
    tunnel.portalB = addItem(layout, "tunnel_portal_single", west.x, west.y, west.heading);
    tunnel.id = layout.takeId();
    tunnel.anchorA = bottom[1];
    tunnel.anchorB = bottom[2];
    tunnel.coveredPieces = {bottom[1], bottom[2]};
    layout.tunnels.push_back(tunnel);
    m.tunnelMiddle = bottom[1];
    LayoutShape hill;
    hill.id = layout.takeId();
    hill.points = {{west.x + 20, 1080}, {east.x - 20, 1080}, {east.x - 20, 1270}, {west.x + 20, 1270}};
    hill.red = 130;
    hill.green = 110;
    hill.blue = 80;
    hill.height = 70;
    hill.label = "Hill";
    layout.shapes.push_back(hill);
    // A flat pond inside the oval.
    LayoutShape pond;
    pond.id = layout.takeId();
    pond.points = {{380, 900}, {520, 860}, {600, 930}, {560, 1020}, {420, 1030}};
    pond.red = 70;
    pond.green = 120;
    pond.blue = 190;
    layout.shapes.push_back(pond);

    // The branch: a curve back to the east, three straights up a 3 degree grade, a truss and an arch
    // bridge on the level, and a bumper.
    int branch = attachPiece(layout, turnout, 2, "24224");
    const double climb = 188.3 * std::sin(3.0 * kPi / 180.0);
    double z = 0.0;
    for (int i = 0; i < 3; ++i) {
        branch = attachPiece(layout, branch, 1, "24188");
        PlacedPiece& piece = *layout.findPiece(branch);
        piece.z = z;
        piece.grade = 3.0;
        z += climb;
    }
    GradeRun run;
    run.angle = 3.0;
    run.anchor = branch;
    layout.gradeRuns.push_back(run);
    layout.updateCurrentGradeRun();
    m.trussBridge = branch = attachPiece(layout, branch, 1, "74620");
    layout.findPiece(branch)->z = z;
    m.archBridge = branch = attachPiece(layout, branch, 1, "74636");
    layout.findPiece(branch)->z = z;
    branch = attachPiece(layout, branch, 1, "24977");
    layout.findPiece(branch)->z = z;

    // A helix east of the oval: four stubs on the kit's radii, the top ones at its rise.
    const HelixKit& kit = *findHelixKit(defaultHelixKitId());
    Helix helix;
    helix.id = layout.takeId();
    helix.cx = 2300;
    helix.cy = 800;
    const double offsets[4] = {-kit.innerRadius, -kit.outerRadius, kit.innerRadius, kit.outerRadius};
    int stubs[4];
    for (int i = 0; i < 4; ++i) {
        stubs[i] = placePiece(layout, kit.stubArticle, helix.cx, helix.cy + offsets[i], 0);
        PlacedPiece& stub = *layout.findPiece(stubs[i]);
        stub.helix = helix.id;
        stub.z = i < 2 ? 0.0 : kit.rise;
    }
    helix.bottomR1 = stubs[0];
    helix.bottomR2 = stubs[1];
    helix.topR1 = stubs[2];
    helix.topR2 = stubs[3];
    layout.helices.push_back(helix);
    m.helixTopStub = stubs[3];

    // A station inside the oval facing the top track, and the rest of the scenery.
    m.station = addItem(layout, "station_small", 700, 394, 180);
    addItem(layout, "tree_lg_dec", 430, 640, 0);
    addItem(layout, "tree_sm_dec", 500, 720, 0);
    addItem(layout, "tree_conifer", 940, 600, 0);
    addItem(layout, "tree_group", 760, 800, 0);
    addItem(layout, "bush", 620, 640, 0);
    addItem(layout, "truck", 700, 560, 0);
    addItem(layout, "car", 820, 600, 20);
    addItem(layout, "signal_semaphore_stop", 1000, 265, 0);
    addItem(layout, "signal_color_clear", 420, 1215, 180);
    addItem(layout, "water_tower", 1700, 420, 0);
    addItem(layout, "road_straight", 1700, 1300, 0);
    addItem(layout, "road_straight", 1888, 1300, 0);
    if (marks != nullptr)
        *marks = m;
    return layout;
}

Layout buildTrackGallery(int perRow, double pitch)
{
    Layout layout;
    layout.ensureDefaultLevel();
    int i = 0;
    for (const CatalogPiece& piece : TrackCatalog::instance().pieces()) {
        placePiece(layout, piece.article, (i % perRow) * pitch, (i / perRow) * pitch, 0);
        ++i;
    }
    return layout;
}

Layout buildSceneryGallery(int perRow, double pitch)
{
    Layout layout;
    layout.ensureDefaultLevel();
    int i = 0;
    for (const SceneryDef& def : SceneryCatalog::instance().all()) {
        addItem(layout, def.id, (i % perRow) * pitch, (i / perRow) * pitch, 0);
        ++i;
    }
    return layout;
}

} // namespace layrail::gui
