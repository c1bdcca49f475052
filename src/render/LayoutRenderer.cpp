#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "catalog/Articles.h"
#include "catalog/HelixKits.h"
#include "catalog/SceneryCatalog.h"
#include "catalog/TrackCatalog.h"
#include "render/Annotations.h"
#include "render/PieceDrawing.h"
#include "render/PieceGroups.h"
#include "render/RenderColours.h"
#include "render/RenderSupport.h"
#include "render/Renderer.h"
#include "render/ScaledTarget.h"
#include "render/SceneryDrawing.h"

namespace layrail {

namespace {

constexpr double kMinGridPixels = 6.0;
constexpr double kMaxGridPixels = 400.0;
constexpr int kOriginCrossArm = 10;
constexpr double kHelixRingStep = 30.0;
constexpr double kHelixRingFirst = -120.0;
constexpr int kHelixRingCount = 12;
constexpr double kLabelMinZoom = 0.2;

// A piece that survived the level, catalog and window tests of this paint.
struct VisiblePiece {
    const PlacedPiece* piece;
    const CatalogPiece* catalogPiece;
    bool lower;
    bool inTunnel;
};

struct HelixState {
    int level = 1;
    bool levelKnown = false;
    bool selected = false;
};

// Per-paint working storage, kept between paints so a frame does not allocate once warmed up.
struct FrameScratch {
    PieceGroups groups;
    std::vector<VisiblePiece> pieces;
    std::vector<size_t> order;
    std::unordered_set<int> portals;
};

FrameScratch& frameScratch()
{
    thread_local FrameScratch scratch;
    return scratch;
}

double levelHeight(const Layout& layout, int id)
{
    for (const Level& level : layout.levels)
        if (level.id == id)
            return level.height;
    return 0.0;
}

void polygonOf(std::vector<PixelPoint>& out, const CanvasView& view, const std::vector<Point>& points)
{
    out.clear();
    for (const Point& p : points)
        out.push_back(toScreen(view, p));
}

void drawBaseboard(DrawTarget& target, const CanvasView& view, const Layout& layout)
{
    std::vector<PixelPoint>& points = renderScratch().points;
    polygonOf(points, view, layout.baseboard.vertices);
    target.setBrush(colours::kBaseboardFill);
    target.setPen(colours::kBaseboardEdge, 2);
    target.polygon(points);
}

void drawDecks(DrawTarget& target, const CanvasView& view, const Layout& layout, const RenderOptions& options,
               std::vector<size_t>& order)
{
    order.clear();
    for (size_t i = 0; i < layout.levels.size(); ++i)
        if (options.showsLevel(layout, layout.levels[i].id) && layout.levels[i].outline.size() >= 3)
            order.push_back(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return layout.levels[a].height < layout.levels[b].height; });
    std::vector<PixelPoint>& points = renderScratch().points;
    target.setPen(colours::kBaseboardEdge, 2);
    for (size_t i : order) {
        const Level& level = layout.levels[i];
        // The deck takes a third of the level's colour over two thirds of the baseboard colour.
        Colour fill = level.trackColour
                          ? rgb((level.red + 490) / 3, (level.green + 470) / 3, (level.blue + 420) / 3)
                          : colours::kDeckFill;
        target.setBrush(fill);
        polygonOf(points, view, level.outline);
        target.polygon(points);
    }
}

void drawGrid(DrawTarget& target, const CanvasView& view, const Layout& layout, int width, int height)
{
    double spacing = layout.gridSpacing * view.zoom;
    if (spacing >= kMinGridPixels && spacing <= kMaxGridPixels) {
        target.setPen(colours::kGrid, 1);
        for (double x = view.panX + std::floor(-view.panX / spacing) * spacing; x < width; x += spacing) {
            double px = view.wholePixels ? static_cast<int>(x) : x;
            target.line(PixelPoint{px, 0.0}, PixelPoint{px, double(height)});
        }
        for (double y = view.panY + std::floor(-view.panY / spacing) * spacing; y < height; y += spacing) {
            double py = view.wholePixels ? static_cast<int>(y) : y;
            target.line(PixelPoint{0.0, py}, PixelPoint{double(width), py});
        }
    }
    double ox = view.projectX(0.0), oy = view.projectY(0.0);
    target.setPen(colours::kOriginCross, 2);
    target.line(PixelPoint{ox - kOriginCrossArm, oy}, PixelPoint{ox + kOriginCrossArm, oy});
    target.line(PixelPoint{ox, oy - kOriginCrossArm}, PixelPoint{ox, oy + kOriginCrossArm});
}

void drawShapes(DrawTarget& target, const CanvasView& view, const Layout& layout, const RenderOptions& options,
                const WorldRect& visible, std::vector<size_t>& order)
{
    order.clear();
    for (size_t i = 0; i < layout.shapes.size(); ++i) {
        const LayoutShape& shape = layout.shapes[i];
        if (shape.points.size() < 3 || !options.showsLevel(layout, shape.level))
            continue;
        double x0 = shape.points[0].x, y0 = shape.points[0].y, x1 = x0, y1 = y0;
        for (const Point& p : shape.points) {
            x0 = std::min(x0, p.x);
            y0 = std::min(y0, p.y);
            x1 = std::max(x1, p.x);
            y1 = std::max(y1, p.y);
        }
        // The name may stick out of a small shape: allow for a line of text around its centre.
        double nameMargin = (8.0 + 6.0 * shape.label.size()) * options.textScale / view.zoom;
        if (visible.overlaps(x0 - nameMargin, y0 - nameMargin, x1 + nameMargin, y1 + nameMargin))
            order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return levelHeight(layout, layout.shapes[a].level) < levelHeight(layout, layout.shapes[b].level);
    });

    std::vector<PixelPoint>& points = renderScratch().points;
    const FontSpec font = fixedFont(11, options.textScale);
    for (size_t i : order) {
        const LayoutShape& shape = layout.shapes[i];
        target.setBrush(rgb(shape.red, shape.green, shape.blue, shape.alpha));
        if (options.selection && shape.selected)
            target.setPen(rgb(40, 80, 200), 3);
        else if (shape.outline)
            target.setPen(rgb(shape.red / 2, shape.green / 2, shape.blue / 2), 2);
        else
            target.setNoPen();
        polygonOf(points, view, shape.points);
        target.polygon(points);
        if (!shape.label.empty()) {
            double cx = 0.0, cy = 0.0;
            for (const Point& p : shape.points) {
                cx += p.x;
                cy += p.y;
            }
            PixelPoint at = toScreen(view, cx / shape.points.size(), cy / shape.points.size());
            drawCentredText(target, shape.label, at.x, at.y, font, colours::kDarkText);
        }
    }
}

// Scenery items in two passes, unselected first: either the tunnel portals or everything else.
void drawScenery(DrawTarget& target, const CanvasView& view, const Layout& layout, const RenderOptions& options,
                 const WorldRect& visible, const std::unordered_set<int>& portals, bool wantPortals)
{
    if (wantPortals && portals.empty())
        return;
    const SceneryCatalog& catalog = SceneryCatalog::instance();
    // Text primitives are at least 8 px high and may reach past a small footprint.
    double textMargin = 60.0 / view.zoom + 40.0;
    for (int pass = 0; pass < 2; ++pass) {
        bool selectedPass = pass == 1;
        for (const SceneryItem& item : layout.scenery) {
            const bool selected = options.selection && item.selected;
            if (selected != selectedPass)
                continue;
            bool portal = !portals.empty() && portals.count(item.id) != 0;
            if (portal != wantPortals || !options.showsLevel(layout, item.level))
                continue;
            const SceneryDef* def = catalog.find(item.item);
            if (!def || !visible.overlapsCircle(item.x, item.y, sceneryReach(item, *def) + textMargin))
                continue;
            drawSceneryItem(target, view, item, *def, selected);
        }
    }
}

double pieceMarginPixels(const RenderOptions& options, const CanvasView& view)
{
    double margin = 8.0 + std::max({4.0, view.zoom * 3.0, view.zoom * 8.0});
    if (options.labels && view.zoom >= kLabelMinZoom) {
        margin = std::max(margin, 8.0 + view.zoom * 2.5);
        margin = std::max(margin, 8.0 + 4.0 * scaledFontSize(view.zoom, 9.0, 7, 6));
    }
    return margin;
}

// A bound of the piece's reach that needs no square roots.
double quickReach(const CatalogPiece& cp)
{
    double reach = cp.length;
    for (const Connector& c : cp.connectors)
        reach = std::max(reach, std::fabs(c.x) + std::fabs(c.y));
    return reach + 20.0;
}

// The largest reach of any catalog piece: pieces further than this from the window need no lookup.
double catalogReach()
{
    static const double reach = [] {
        double r = 0.0;
        for (const CatalogPiece& cp : TrackCatalog::instance().pieces())
            r = std::max(r, quickReach(cp));
        return r;
    }();
    return reach;
}

void collectPieces(const Layout& layout, const RenderOptions& options, const WorldRect& visible,
                   const PieceGroups& groups, std::vector<VisiblePiece>& out)
{
    out.clear();
    const TrackCatalog& catalog = TrackCatalog::instance();
    const double maxReach = catalogReach();
    int lastLevel = 0;
    bool lastVisible = true;
    bool levelCached = false;
    bool tunnels = !groups.inTunnel.empty();
    for (size_t i = 0; i < layout.pieces.size(); ++i) {
        const PlacedPiece& piece = layout.pieces[i];
        if (!visible.overlapsCircle(piece.x, piece.y, maxReach))
            continue;
        if (!levelCached || piece.level != lastLevel) {
            lastLevel = piece.level;
            lastVisible = options.showsLevel(layout, piece.level);
            levelCached = true;
        }
        if (!lastVisible)
            continue;
        const CatalogPiece* cp = catalog.find(piece.article);
        if (!cp || !visible.overlapsCircle(piece.x, piece.y, quickReach(*cp)))
            continue;
        out.push_back(VisiblePiece{&piece, cp, groups.anyLower && groups.lower[i] != 0,
                                   tunnels && groups.inTunnel.count(piece.id) != 0});
    }
}

void drawPieceGroup(DrawTarget& target, const CanvasView& view, const Layout& layout, const RenderOptions& options,
                    const PieceGroups& groups, const std::vector<VisiblePiece>& pieces, bool lower)
{
    for (int pass = 0; pass < 2; ++pass) {
        bool selectedPass = pass == 1;
        for (const VisiblePiece& v : pieces) {
            if (v.lower != lower || (options.selection && v.piece->selected) != selectedPass)
                continue;
            drawPlacedPiece(groups.helixSet, target, layout, *v.piece, *v.catalogPiece, view, selectedPass,
                            options.labels, v.inTunnel);
        }
    }
}

HelixState helixState(const Layout& layout, const Helix& helix)
{
    HelixState state;
    for (const PlacedPiece& piece : layout.pieces) {
        if (piece.helix != helix.id)
            continue;
        if (!state.levelKnown) {
            state.level = piece.level;
            state.levelKnown = true;
        }
        state.selected = state.selected || piece.selected;
    }
    return state;
}

// Each helix as two rings of its kit's curves around the centre. The rings are not pieces of the
// layout, so they carry no article labels and no join dots.
void drawHelixRings(DrawTarget& target, const CanvasView& view, const Layout& layout, const RenderOptions& options,
                    const PieceGroups& groups, const WorldRect& visible)
{
    const TrackCatalog& catalog = TrackCatalog::instance();
    for (const Helix& helix : layout.helices) {
        const HelixKit* kit = findHelixKit(helix.variant);
        if (!kit)
            kit = findHelixKit(defaultHelixKitId());
        if (!kit || !visible.overlapsCircle(helix.cx, helix.cy, kit->outerRadius + 20.0))
            continue;
        HelixState state = helixState(layout, helix);
        if (!options.showsLevel(layout, state.level))
            continue;
        const bool selected = options.selection && state.selected;
        for (const std::string* article : {&kit->innerCurveArticle, &kit->outerCurveArticle}) {
            const CatalogPiece* cp = catalog.find(*article);
            if (!cp)
                continue;
            PlacedPiece ring;
            ring.article = cp->article;
            ring.level = state.level;
            for (int k = 0; k < kHelixRingCount; ++k) {
                double heading = helix.heading + kHelixRingFirst + kHelixRingStep * k;
                double h = degToRad(heading);
                // The curve's own centre of arc falls on the helix centre.
                ring.x = helix.cx + cp->radius * std::sin(h);
                ring.y = helix.cy - cp->radius * std::cos(h);
                ring.heading = normalizeHeading(heading);
                drawPlacedPiece(groups.helixSet, target, layout, ring, *cp, view, selected, false, false);
            }
        }
    }
}

void drawSpokeExtensions(DrawTarget& target, const CanvasView& view, const Layout& layout,
                         const RenderOptions& options, const PieceGroups& groups,
                         const std::vector<VisiblePiece>& pieces)
{
    for (const VisiblePiece& v : pieces)
        if (v.piece->article == kSpokeExtensionArticle)
            drawPlacedPiece(groups.helixSet, target, layout, *v.piece, *v.catalogPiece, view,
                            options.selection && v.piece->selected, options.labels, v.inTunnel);
}

} // namespace

void renderLayout(const Layout& layout, DrawTarget& output, const CanvasView& view, int width, int height,
                  const RenderOptions& options)
{
    ScaledTarget scaled(output, options.lineScale, 1.0);
    DrawTarget& target = options.lineScale == 1.0 ? output : scaled;
    CanvasView projection = view;
    projection.wholePixels = !options.printing;

    FrameScratch& scratch = frameScratch();
    bool board = options.baseboard && layout.baseboard.vertices.size() >= 3;

    target.clear(colours::kBackground);
    if (board)
        drawBaseboard(target, projection, layout);
    drawDecks(target, projection, layout, options, scratch.order);
    if (options.grid)
        drawGrid(target, projection, layout, width, height);
    if (board)
        drawBaseboardEdges(target, projection, layout, options.textScale);

    WorldRect visible = visibleWorld(projection, width, height, 8.0);
    drawShapes(target, projection, layout, options, visible, scratch.order);

    scratch.portals.clear();
    for (const Tunnel& tunnel : layout.tunnels) {
        scratch.portals.insert(tunnel.portalA);
        scratch.portals.insert(tunnel.portalB);
    }
    drawScenery(target, projection, layout, options, visible, scratch.portals, false);

    computePieceGroups(layout, scratch.groups);
    WorldRect pieceWindow = visibleWorld(projection, width, height, pieceMarginPixels(options, projection));
    collectPieces(layout, options, pieceWindow, scratch.groups, scratch.pieces);
    if (scratch.groups.anyLower)
        drawPieceGroup(target, projection, layout, options, scratch.groups, scratch.pieces, true);
    drawHelixRings(target, projection, layout, options, scratch.groups, pieceWindow);
    drawPieceGroup(target, projection, layout, options, scratch.groups, scratch.pieces, false);
    drawSpokeExtensions(target, projection, layout, options, scratch.groups, scratch.pieces);

    drawScenery(target, projection, layout, options, visible, scratch.portals, true);

    WorldRect annotationWindow = visibleWorld(projection, width, height, 80.0);
    drawGradeArrows(target, projection, layout, annotationWindow);
    drawLabels(target, projection, layout, width, height, options.selection);
    drawDimensionLines(target, projection, layout, annotationWindow, options.selection, options.textScale);
}

} // namespace layrail
