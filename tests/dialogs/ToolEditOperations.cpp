#include "ToolEditOperations.h"

#include <algorithm>
#include <cstdint>
#include <cmath>
#include <sstream>
#include <tuple>

#include "document/Joints.h"
#include "canvas/tools/DimensionTool.h"
#include "canvas/tools/LevelOutlineTool.h"
#include "canvas/tools/MeasureTool.h"
#include "canvas/tools/OutlineDrawingTool.h"
#include "canvas/tools/SceneryResizeTool.h"
#include "canvas/tools/ShapeTool.h"
#include "catalog/TrackCatalog.h"
#include "dialogs/BaseboardOutline.h"
#include "dialogs/LevelManager.h"
#include "document/ConnectorMatching.h"
#include "document/WorldConnectors.h"

namespace layrail::randomedit {

namespace {

// From the generator's own numbers, which the standard fixes, rather than through the standard
// distributions, which it does not: a seed then replays alike on every machine.
double uniform(std::mt19937& rng, double from, double to)
{
    return from + (to - from) * (static_cast<double>(rng()) / 4294967296.0);
}
int pick(std::mt19937& rng, int from, int to)
{
    if (to <= from)
        return from;
    return from + static_cast<int>(rng() % static_cast<std::uint32_t>(to - from + 1));
}
bool chance(std::mt19937& rng, double p) { return uniform(rng, 0.0, 1.0) < p; }

CanvasView randomView(std::mt19937& rng)
{
    CanvasView view;
    view.zoom = uniform(rng, 0.2, 3.0);
    view.panX = uniform(rng, -200.0, 200.0);
    view.panY = uniform(rng, -200.0, 200.0);
    return view;
}

ToolPointer pointer(const CanvasView& view, Point world, bool shift = false)
{
    ToolPointer p;
    p.world = world;
    p.pixel = PixelPoint{view.zoom * world.x + view.panX, view.zoom * world.y + view.panY};
    p.shift = shift;
    return p;
}

Point randomPoint(std::mt19937& rng) { return Point{uniform(rng, -500.0, 2500.0), uniform(rng, -500.0, 1500.0)}; }

// Press, a few motions and the release of a drag tool from one point by a random offset.
bool dragFrom(CanvasTool& tool, Layout& layout, const CanvasView& view, Point from, std::mt19937& rng,
              bool shift = false)
{
    tool.press(layout, view, pointer(view, from, shift));
    if (!tool.busy())
        return false;
    Point to = from;
    const int steps = pick(rng, 0, 3);
    for (int i = 0; i < steps; ++i) {
        to = Point{from.x + uniform(rng, -300.0, 300.0), from.y + uniform(rng, -300.0, 300.0)};
        tool.motion(layout, view, pointer(view, to, shift));
    }
    return tool.release(layout, view, pointer(view, to, shift)).changed();
}

int randomLevelId(const Layout& layout, std::mt19937& rng)
{
    return layout.levels[static_cast<size_t>(pick(rng, 0, static_cast<int>(layout.levels.size()) - 1))].id;
}

std::vector<Point> randomOutline(std::mt19937& rng, int count)
{
    std::vector<Point> points;
    const Point centre = randomPoint(rng);
    for (int i = 0; i < count; ++i) {
        const double a = 2.0 * kPi * i / count;
        const double r = uniform(rng, 50.0, 400.0);
        points.push_back(Point{centre.x + r * std::cos(a), centre.y + r * std::sin(a)});
    }
    return points;
}

bool drawOutline(Layout& layout, std::mt19937& rng, OutlineDrawingTool::Target target)
{
    const CanvasView view = randomView(rng);
    OutlineDrawingTool tool(target);
    const std::vector<Point> points = randomOutline(rng, pick(rng, 2, 7));
    for (const Point& p : points) {
        tool.motion(layout, view, pointer(view, p));
        tool.press(layout, view, pointer(view, p));
    }
    if (chance(rng, 0.2))
        tool.key(layout, ToolKey::Backspace);
    EditResult result;
    switch (pick(rng, 0, 3)) {
    case 0:
        result = tool.key(layout, ToolKey::Escape);
        break;
    case 1:
        result = tool.press(layout, view, pointer(view, points.front()));
        break;
    default:
        result = tool.key(layout, ToolKey::Enter);
        break;
    }
    return result.changed();
}

} // namespace

bool randomMeasure(Layout& layout, std::mt19937& rng)
{
    const CanvasView view = randomView(rng);
    MeasureTool tool;
    const Point start = randomPoint(rng);
    tool.press(layout, view, pointer(view, start));
    tool.motion(layout, view, pointer(view, randomPoint(rng)));
    if (chance(rng, 0.15))
        return tool.key(layout, ToolKey::Escape).changed();
    const Point end = chance(rng, 0.2) ? Point{start.x + 0.5, start.y} : randomPoint(rng);
    return tool.press(layout, view, pointer(view, end)).changed();
}

bool randomPolygon(Layout& layout, std::mt19937& rng)
{
    return drawOutline(layout, rng, OutlineDrawingTool::Target::Shape);
}

bool randomBaseboardDrawing(Layout& layout, std::mt19937& rng)
{
    return drawOutline(layout, rng, OutlineDrawingTool::Target::Baseboard);
}

bool randomShapeDrag(Layout& layout, std::mt19937& rng)
{
    if (layout.shapes.empty())
        return false;
    const LayoutShape& shape =
        layout.shapes[static_cast<size_t>(pick(rng, 0, static_cast<int>(layout.shapes.size()) - 1))];
    if (shape.points.size() < 3)
        return false;
    // The middle of the first three vertices lies inside the shapes drawn here.
    const Point inside{(shape.points[0].x + shape.points[1].x + shape.points[2].x) / 3.0,
                       (shape.points[0].y + shape.points[1].y + shape.points[2].y) / 3.0};
    ShapeDragTool tool;
    return dragFrom(tool, layout, randomView(rng), inside, rng);
}

bool randomShapeProperties(Layout& layout, std::mt19937& rng)
{
    if (layout.shapes.empty())
        return false;
    const int id = layout.shapes[static_cast<size_t>(pick(rng, 0, static_cast<int>(layout.shapes.size()) - 1))].id;
    ShapeProperties p;
    p.name = chance(rng, 0.5) ? "Lake" : "";
    p.red = static_cast<std::uint8_t>(pick(rng, 0, 255));
    p.green = static_cast<std::uint8_t>(pick(rng, 0, 255));
    p.blue = static_cast<std::uint8_t>(pick(rng, 0, 255));
    p.opacityPercent = pick(rng, -10, 110);
    p.height = uniform(rng, -10.0, 6000.0);
    p.outline = chance(rng, 0.5);
    return applyShapeProperties(layout, id, p, static_cast<LengthUnit>(pick(rng, 0, 2))).changed();
}

bool randomDimensionDrag(Layout& layout, std::mt19937& rng)
{
    if (layout.dimensionLines.empty())
        return false;
    const DimensionLine& d =
        layout.dimensionLines[static_cast<size_t>(pick(rng, 0, static_cast<int>(layout.dimensionLines.size()) - 1))];
    const double t = uniform(rng, 0.0, 1.0);
    const Point on{d.x1 + t * (d.x2 - d.x1), d.y1 + t * (d.y2 - d.y1)};
    DimensionDragTool tool;
    return dragFrom(tool, layout, randomView(rng), on, rng);
}

bool randomLevelOutlineDrag(Layout& layout, std::mt19937& rng)
{
    std::vector<const Level*> outlined;
    for (const Level& level : layout.levels)
        if (level.outline.size() >= 3)
            outlined.push_back(&level);
    if (outlined.empty())
        return false;
    const Level& level = *outlined[static_cast<size_t>(pick(rng, 0, static_cast<int>(outlined.size()) - 1))];
    const Point edge{(level.outline[0].x + level.outline[1].x) / 2.0, (level.outline[0].y + level.outline[1].y) / 2.0};
    LevelOutlineDragTool tool;
    return dragFrom(tool, layout, randomView(rng), edge, rng, true);
}

bool randomSceneryResize(Layout& layout, std::mt19937& rng)
{
    std::vector<int> platforms;
    for (const SceneryItem& s : layout.scenery)
        if (s.item == "platform" || s.item == "platform_island")
            platforms.push_back(s.id);
    if (platforms.empty())
        return false;
    for (PlacedPiece& p : layout.pieces)
        p.selected = false;
    for (LayoutShape& s : layout.shapes)
        s.selected = false;
    const int id = platforms[static_cast<size_t>(pick(rng, 0, static_cast<int>(platforms.size()) - 1))];
    for (SceneryItem& s : layout.scenery)
        s.selected = s.id == id;
    const SceneryItem& item = *layout.findScenery(id);
    const auto handles = handlePositions(item, *SceneryCatalog::instance().find(item.item));
    SceneryResizeTool tool;
    return dragFrom(tool, layout, randomView(rng), handles[static_cast<size_t>(pick(rng, 0, kHandleCount - 1))], rng);
}

bool randomSceneryScale(Layout& layout, std::mt19937& rng)
{
    if (layout.scenery.empty())
        return false;
    const int id = layout.scenery[static_cast<size_t>(pick(rng, 0, static_cast<int>(layout.scenery.size()) - 1))].id;
    if (chance(rng, 0.3))
        return resetSceneryScale(layout, id).changed();
    return applySceneryScale(layout, id, uniform(rng, 0.0, 12.0), uniform(rng, 0.0, 12.0)).changed();
}

bool randomBaseboardShape(Layout& layout, std::mt19937& rng)
{
    const auto shape = static_cast<BaseboardShape>(pick(rng, 0, kBaseboardShapeCount - 1));
    const auto unit = static_cast<LengthUnit>(pick(rng, 0, 2));
    if (shape == BaseboardShape::CustomPolygon) {
        const VertexText text = parseVertexText(initialVertexText(randomOutline(rng, pick(rng, 0, 6)), unit), unit);
        return applyBaseboard(layout, applyCustomPolygon(layout.baseboard.lastShape, text.vertices));
    }
    std::vector<int> rows;
    for (size_t i = 0; i < baseboardShapeInfo(shape).rows.size(); ++i)
        rows.push_back(pick(rng, 1, 5000));
    return applyBaseboard(layout, applyBaseboardShape(layout.baseboard.lastShape, shape, rows, unit));
}

bool randomLevelAdd(Layout& layout, std::mt19937& rng)
{
    addLevel(layout, chance(rng, 0.1) ? std::string() : proposedLevelName(layout));
    return false;
}

bool randomLevelEdit(Layout& layout, std::mt19937& rng)
{
    const int id = randomLevelId(layout, rng);
    const auto unit = static_cast<LengthUnit>(pick(rng, 0, 2));
    LevelProperties p = levelProperties(*layout.findLevel(id), unit);
    p.height = uniform(rng, 0.0, 500.0);
    p.trackColour = chance(rng, 0.5);
    p.name = chance(rng, 0.2) ? " " : "Deck";
    applyLevelProperties(layout, id, p, unit);
    if (chance(rng, 0.3))
        setLevelVisible(layout, id, chance(rng, 0.5));
    if (chance(rng, 0.3))
        setActiveLevel(layout, randomLevelId(layout, rng));
    return false;
}

bool randomLevelRemoval(Layout& layout, std::mt19937& rng) { return removeLevel(layout, randomLevelId(layout, rng)); }

bool randomPieceLaying(Layout& layout, std::mt19937& rng)
{
    const TrackCatalog& catalog = TrackCatalog::instance();
    const CatalogPiece& straight = *catalog.find("24188");
    std::vector<std::pair<int, int>> openEnds;
    for (const PlacedPiece& p : layout.pieces) {
        if (p.helix != -1)
            continue;
        const CatalogPiece* cat = catalog.find(p.article);
        for (int c = 0; cat != nullptr && c < static_cast<int>(cat->connectors.size()); ++c)
            if (p.isOpen(c))
                openEnds.emplace_back(p.id, c);
    }
    PlacedPiece piece;
    piece.article = "24188";
    piece.level = randomLevelId(layout, rng);
    int target = -1;
    int targetConnector = -1;
    if (!openEnds.empty() && chance(rng, 0.8)) {
        std::tie(target, targetConnector) =
            openEnds[static_cast<size_t>(pick(rng, 0, static_cast<int>(openEnds.size()) - 1))];
        const PlacedPiece& t = *layout.findPiece(target);
        const Connector exit = worldConnectors(t, *catalog.find(t.article))[static_cast<size_t>(targetConnector)];
        const Pose pose = poseOnConnector(straight, 0, exit);
        piece.x = pose.x;
        piece.y = pose.y;
        piece.heading = pose.heading;
    } else {
        const Point at = randomPoint(rng);
        piece.x = at.x;
        piece.y = at.y;
    }
    EditSnapshot snapshot(layout);
    const int id = addPiece(layout, snapshot, piece);
    if (target != -1)
        joinBoth(layout, id, 0, target, targetConnector);
    return true;
}

const std::vector<NamedOperation>& toolEditOperations()
{
    static const std::vector<NamedOperation> operations{
        {"measure", randomMeasure},
        {"polygon", randomPolygon},
        {"baseboard drawing", randomBaseboardDrawing},
        {"shape drag", randomShapeDrag},
        {"shape properties", randomShapeProperties},
        {"dimension drag", randomDimensionDrag},
        {"level outline drag", randomLevelOutlineDrag},
        {"scenery resize", randomSceneryResize},
        {"scenery scale", randomSceneryScale},
        {"baseboard shape", randomBaseboardShape},
        {"level add", randomLevelAdd},
        {"level edit", randomLevelEdit},
        {"level removal", randomLevelRemoval},
        {"piece laying", randomPieceLaying},
    };
    return operations;
}

Layout makeToolTestLayout()
{
    Layout layout;
    layout.ensureDefaultLevel();
    layout.levels[0].outline = {{-100, -100}, {2000, -100}, {2000, 1000}, {-100, 1000}};
    addLevel(layout, "Upper");
    layout.levels[1].height = 120;
    layout.levels[1].outline = {{0, 0}, {800, 0}, {800, 400}};
    layout.activeLevel = 1;

    const TrackCatalog& catalog = TrackCatalog::instance();
    int previous = -1;
    for (int i = 0; i < 6; ++i) {
        PlacedPiece piece;
        piece.id = layout.takeId();
        piece.article = "24188";
        piece.level = i < 3 ? 1 : 2;
        if (previous != -1) {
            const PlacedPiece& before = *layout.findPiece(previous);
            const Connector exit = worldConnectors(before, *catalog.find(before.article))[1];
            const Pose pose = poseOnConnector(*catalog.find("24188"), 0, exit);
            piece.x = pose.x;
            piece.y = pose.y;
            piece.heading = pose.heading;
        }
        layout.pieces.push_back(piece);
        if (previous != -1)
            joinBoth(layout, previous, 1, piece.id, 0);
        previous = piece.id;
    }
    const int first = layout.pieces[0].id;
    const int fourth = layout.pieces[3].id;
    const int fifth = layout.pieces[4].id;

    for (int end : {0, 1}) {
        SceneryItem portal;
        portal.id = layout.takeId();
        portal.item = "tunnel_portal_single";
        portal.x = end * 900.0;
        layout.scenery.push_back(portal);
    }
    Tunnel tunnel;
    tunnel.id = layout.takeId();
    tunnel.portalA = layout.scenery[0].id;
    tunnel.portalB = layout.scenery[1].id;
    tunnel.anchorA = fourth;
    tunnel.anchorB = fifth;
    tunnel.coveredPieces = {fourth, fifth};
    layout.tunnels.push_back(tunnel);

    Helix helix;
    helix.id = layout.takeId();
    helix.cx = 1500;
    helix.cy = 600;
    int* stubs[] = {&helix.bottomR1, &helix.bottomR2, &helix.topR1, &helix.topR2};
    for (int i = 0; i < 4; ++i) {
        PlacedPiece stub;
        stub.id = layout.takeId();
        stub.article = "24188";
        stub.x = 1300 + 100 * i;
        stub.y = 600;
        stub.helix = helix.id;
        stub.level = i < 2 ? 1 : 2;
        layout.pieces.push_back(stub);
        *stubs[i] = stub.id;
    }
    layout.helices.push_back(helix);

    layout.gradeRuns = {GradeRun{1.5, first, 1}, GradeRun{-2.0, fifth, 1}};
    layout.updateCurrentGradeRun();

    SceneryItem platform;
    platform.id = layout.takeId();
    platform.item = "platform";
    platform.x = 400;
    platform.y = 300;
    platform.heading = 30;
    platform.level = 2;
    layout.scenery.push_back(platform);

    LayoutShape lake;
    lake.id = layout.takeId();
    lake.points = {{100, 500}, {500, 500}, {300, 800}};
    layout.shapes.push_back(lake);
    LayoutShape hill = lake;
    hill.id = layout.takeId();
    hill.level = 2;
    for (Point& p : hill.points)
        p.x += 600;
    layout.shapes.push_back(hill);

    DimensionLine tape;
    tape.id = layout.takeId();
    tape.x1 = 0;
    tape.y1 = 900;
    tape.x2 = 1000;
    tape.y2 = 900;
    layout.dimensionLines.push_back(tape);
    return layout;
}

std::string layoutFingerprint(const Layout& layout)
{
    std::ostringstream out;
    out.precision(17);
    for (const PlacedPiece& p : layout.pieces) {
        out << "P" << p.id << ' ' << p.article << ' ' << p.x << ' ' << p.y << ' ' << p.heading << ' ' << p.z << ' '
            << p.level << ' ' << p.helix;
        for (const Joint& j : p.joints)
            out << ' ' << j.target << ':' << j.targetConnector;
        out << '\n';
    }
    for (const SceneryItem& s : layout.scenery)
        out << "S" << s.id << ' ' << s.item << ' ' << s.x << ' ' << s.y << ' ' << s.heading << ' ' << s.scaleX << ' '
            << s.scaleY << ' ' << s.level << '\n';
    for (const DimensionLine& d : layout.dimensionLines)
        out << "D" << d.id << ' ' << d.x1 << ' ' << d.y1 << ' ' << d.x2 << ' ' << d.y2 << ' ' << d.labelX << ' '
            << d.labelY << '\n';
    for (const LayoutShape& s : layout.shapes) {
        out << "H" << s.id << ' ' << int(s.red) << ' ' << int(s.green) << ' ' << int(s.blue) << ' ' << int(s.alpha)
            << ' ' << s.outline << ' ' << s.level << ' ' << s.height << ' ' << s.label;
        for (const Point& p : s.points)
            out << ' ' << p.x << ',' << p.y;
        out << '\n';
    }
    for (const Tunnel& t : layout.tunnels) {
        out << "T" << t.id << ' ' << t.portalA << ' ' << t.portalB << ' ' << t.anchorA << ' ' << t.anchorB;
        for (int c : t.coveredPieces)
            out << ' ' << c;
        out << '\n';
    }
    for (const Helix& h : layout.helices)
        out << "X" << h.id << ' ' << h.bottomR1 << ' ' << h.bottomR2 << ' ' << h.topR1 << ' ' << h.topR2 << '\n';
    for (const GradeRun& g : layout.gradeRuns)
        out << "G" << g.angle << ' ' << g.anchor << ' ' << g.connector << '\n';
    out << "C" << layout.currentGradeRun.active << ' ' << layout.currentGradeRun.anchor << '\n';
    for (const Level& l : layout.levels) {
        out << "L" << l.id << ' ' << l.name << ' ' << l.height << ' ' << l.visible;
        for (const Point& p : l.outline)
            out << ' ' << p.x << ',' << p.y;
        out << '\n';
    }
    out << "A" << layout.activeLevel << "\nB" << layout.baseboard.lastShape.id;
    for (const Point& p : layout.baseboard.vertices)
        out << ' ' << p.x << ',' << p.y;
    out << '\n';
    return out.str();
}

} // namespace layrail::randomedit
