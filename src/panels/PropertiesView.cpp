#include "panels/PropertiesView.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <limits>
#include <unordered_map>

#include "catalog/Geometry.h"
#include "catalog/HelixKits.h"
#include "catalog/TrackCatalog.h"
#include "document/LengthUnits.h"

namespace layrail {

namespace {

constexpr double kFlatGrade = 0.001;

std::string formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string formatted(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    if (length > 0)
        std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    return text;
}

// Refills the level choice with the layout's levels (its default level when it has none yet),
// selecting the given level, or the first entry when none matches; "(mixed)" goes first and is chosen.
void fillLevels(PropertiesView& view, const Layout& layout, int levelId, bool mixed)
{
    view.levels.clear();
    if (mixed)
        view.levels.push_back({kMixedLevelText, -1});
    if (layout.levels.empty())
        view.levels.push_back({Level().name, Level().id});
    for (const Level& level : layout.levels)
        view.levels.push_back({level.name, level.id});
    view.levelSelection = 0;
    if (!mixed)
        for (size_t i = 0; i < view.levels.size(); ++i)
            if (view.levels[i].levelId == levelId) {
                view.levelSelection = static_cast<int>(i);
                break;
            }
    view.levelEnabled = true;
}

// Scenery, shape, helix and run details show no height of their own and offer no grade buttons.
void showNoHeight(PropertiesView& view, const char* heightLabel)
{
    view.heightLabel = heightLabel;
    view.heightText = "-";
    view.heightEnabled = false;
    view.gradeText = "-";
    view.warning.clear();
}

void showPiece(PropertiesView& view, const Layout& layout, const PlacedPiece& piece, bool mixedLevels)
{
    view.kind = DetailsKind::Piece;
    view.pieceId = piece.id;
    if (const CatalogPiece* c = TrackCatalog::instance().find(piece.article)) {
        view.title = c->description;
        view.detail = std::string(systemDisplayName(c->system)) + "  |  ";
        if (c->length > 0.0)
            view.detail += formatted("%.1f mm", c->length);
    } else {
        view.title = piece.article;
        view.detail = "Not in the catalog";
    }
    view.heightLabel = formatted("Height (%s):", unitShortName(layout.units));
    view.heightText = formatHeight(piece.z, layout.units);
    view.heightEnabled = true;

    const double g = piece.grade;
    view.gradeText = formatGrade(g);
    view.gradeTooSteep = std::fabs(g) > kMaxGradeDegrees;
    if (view.gradeTooSteep)
        view.warning = formatted("WARNING: Grade %.1f deg exceeds %.0f deg max!", std::fabs(g), kMaxGradeDegrees);

    fillLevels(view, layout, piece.level, mixedLevels);

    if (std::fabs(g) > kFlatGrade) {
        view.gradeUp = g > 0.0;
        view.gradeAngle = std::min(std::fabs(g), kMaxGradeDegrees);
    }
    view.startGradeEnabled = true;
    view.recalcEnabled = true;
    view.endGradeEnabled = layout.currentGradeRun.active;
}

void showHelix(PropertiesView& view, const Layout& layout, const Helix& helix)
{
    view.kind = DetailsKind::Helix;
    view.helixId = helix.id;
    const HelixKit* kit = findHelixKit(helix.variant);
    if (!kit)
        kit = findHelixKit(defaultHelixKitId());
    const char* unit = unitShortName(layout.units);
    if (kit) {
        view.title = kit->name;
        view.detail = formatted("%.1f turns  |  rise %.1f %s  |  R1 %.1f / R2 %.1f mm", kit->turns,
                                toDisplayUnit(kit->rise, layout.units), unit, kit->innerRadius, kit->outerRadius);
    } else {
        view.title = "Helix";
    }
    const PlacedPiece* base = layout.findPiece(helix.bottomR1);
    showNoHeight(view, "");
    view.heightLabel = formatted("Base height (%s):", unit);
    view.heightText = formatHeight(base ? base->z : 0.0, layout.units);
    fillLevels(view, layout, base ? base->level : 1, false);
}

void showScenery(PropertiesView& view, const Layout& layout, const SceneryItem& item)
{
    view.kind = DetailsKind::Scenery;
    view.sceneryId = item.id;
    const SceneryDef* def = SceneryCatalog::instance().find(item.item);
    view.title = def ? def->name : item.item;
    view.detail = "Scenery";
    if (def && def->width > 0.0)
        view.detail += formatted("  |  %.0f x %.0f mm", item.scaleX * def->width, item.scaleY * def->depth);
    showNoHeight(view, "Height:");
    fillLevels(view, layout, item.level, false);
}

void showShape(PropertiesView& view, const Layout& layout, const LayoutShape& shape)
{
    view.kind = DetailsKind::Shape;
    view.shapeId = shape.id;
    view.title = shape.label.empty() ? "(unnamed shape)" : shape.label;
    if (shape.points.empty()) {
        view.detail = "Polygon  |  (no vertices)";
    } else {
        double minX = shape.points[0].x, maxX = minX, minY = shape.points[0].y, maxY = minY;
        for (const Point& p : shape.points) {
            minX = std::min(minX, p.x);
            maxX = std::max(maxX, p.x);
            minY = std::min(minY, p.y);
            maxY = std::max(maxY, p.y);
        }
        view.detail = formatted("Polygon  |  %zu verts  |  %.0f x %.0f mm  |  height %.0f mm", shape.points.size(),
                                maxX - minX, maxY - minY, shape.height);
    }
    showNoHeight(view, "Height:");
    fillLevels(view, layout, shape.level, false);
}

using Selection = std::vector<const PlacedPiece*>;

// Position of each selected piece in the selection, by id.
std::unordered_map<int, size_t> positions(const Selection& pieces)
{
    std::unordered_map<int, size_t> at;
    at.reserve(pieces.size());
    for (size_t i = 0; i < pieces.size(); ++i)
        at.emplace(pieces[i]->id, i);
    return at;
}

// Positions of the selected pieces a piece is joined to, one per joint.
template <typename Visit>
void forJoinedInSelection(const PlacedPiece& piece, const std::unordered_map<int, size_t>& at, Visit visit)
{
    for (const Joint& joint : piece.joints) {
        if (joint.target == -1 || joint.target == piece.id)
            continue;
        const auto it = at.find(joint.target);
        if (it != at.end())
            visit(it->second);
    }
}

bool headingsAgree(double a, double b)
{
    const double d = std::fmod(std::fabs(a - b), 180.0);
    return !(d > 1.0 && d < 179.0);
}

// Two or more parallel catalog straights outside any helix; their catalog lengths are summed.
bool parallelStraights(const Selection& pieces, double& length)
{
    if (pieces.size() < 2)
        return false;
    const TrackCatalog& catalog = TrackCatalog::instance();
    const CatalogPiece* c = nullptr;
    length = 0.0;
    for (const PlacedPiece* piece : pieces) {
        // Runs are mostly one article: the lookup is skipped while it repeats.
        if (!c || c->article != piece->article)
            c = catalog.find(piece->article);
        if (!c || c->kind != PieceKind::Straight || piece->helix != -1 ||
            !headingsAgree(piece->heading, pieces[0]->heading))
            return false;
        length += c->length;
    }
    return true;
}

// The selection is one group through the joints between its pieces.
bool connected(const Selection& pieces, const std::unordered_map<int, size_t>& at)
{
    std::vector<char> reached(pieces.size(), 0);
    std::vector<size_t> pending = {0};
    reached[0] = 1;
    size_t count = 1;
    while (!pending.empty()) {
        const size_t i = pending.back();
        pending.pop_back();
        forJoinedInSelection(*pieces[i], at, [&](size_t j) {
            if (!reached[j]) {
                reached[j] = 1;
                ++count;
                pending.push_back(j);
            }
        });
    }
    return count == pieces.size();
}

// The run as a chain from one end; the selection order when the joints do not make one chain.
Selection chainOrder(const Selection& pieces, const std::unordered_map<int, size_t>& at)
{
    size_t start = 0;
    for (size_t i = 0; i < pieces.size(); ++i) {
        int joined = 0;
        forJoinedInSelection(*pieces[i], at, [&](size_t) { ++joined; });
        if (joined == 1) {
            start = i;
            break;
        }
    }
    Selection chain = {pieces[start]};
    std::vector<char> visited(pieces.size(), 0);
    visited[start] = 1;
    size_t current = start;
    size_t previous = std::numeric_limits<size_t>::max();
    while (chain.size() < pieces.size()) {
        size_t next = previous;
        forJoinedInSelection(*pieces[current], at, [&](size_t j) {
            if (next == previous && j != previous)
                next = j;
        });
        if (next == previous || visited[next])
            break;
        visited[next] = 1;
        chain.push_back(pieces[next]);
        previous = current;
        current = next;
    }
    return chain.size() == pieces.size() ? chain : pieces;
}

bool allOnOneLevel(const Selection& pieces)
{
    for (const PlacedPiece* piece : pieces)
        if (piece->level != pieces[0]->level)
            return false;
    return true;
}

void showRun(PropertiesView& view, const Layout& layout, const Selection& pieces,
             const std::unordered_map<int, size_t>& at, double length)
{
    view.kind = DetailsKind::Run;
    view.title.clear();
    for (const PlacedPiece* piece : chainOrder(pieces, at)) {
        if (!view.title.empty())
            view.title += " + ";
        view.title += piece->article;
    }
    switch (layout.units) {
    case LengthUnit::Centimetres:
        view.detail = formatted("%zu pieces  |  %.1f cm", pieces.size(), length / 10.0);
        break;
    case LengthUnit::Inches:
        view.detail = formatted("%zu pieces  |  %.2f in", pieces.size(), length / 25.4);
        break;
    default:
        view.detail = formatted("%zu pieces  |  %.1f mm", pieces.size(), length);
        break;
    }
    showNoHeight(view, "");
    const bool mixed = !allOnOneLevel(pieces);
    fillLevels(view, layout, pieces[0]->level, mixed);
}

// The helix all selected pieces belong to, or null.
const Helix* commonHelix(const Layout& layout, const Selection& pieces)
{
    const int id = pieces[0]->helix;
    if (id == -1)
        return nullptr;
    for (const PlacedPiece* piece : pieces)
        if (piece->helix != id)
            return nullptr;
    for (const Helix& helix : layout.helices)
        if (helix.id == id)
            return &helix;
    return nullptr;
}

} // namespace

const char* systemDisplayName(TrackSystem system)
{
    switch (system) {
    case TrackSystem::MarklinC:
        return "Märklin C";
    case TrackSystem::MarklinK:
        return "Märklin K";
    case TrackSystem::MarklinZ:
        return "Märklin Z";
    case TrackSystem::TrixC:
        return "TRIX C";
    case TrackSystem::RokuhanZ:
        return "Rokuhan Z";
    case TrackSystem::MinitrixN:
        return "Minitrix N";
    case TrackSystem::KatoN:
        return "Kato N";
    }
    return "Unknown";
}

std::string formatHeight(double mm, LengthUnit unit)
{
    return formatted(unit == LengthUnit::Inches ? "%.3f" : "%.1f", toDisplayUnit(mm, unit));
}

std::string formatGrade(double degrees)
{
    if (std::fabs(degrees) <= kFlatGrade)
        return "-";
    const double slope = std::fabs(degrees);
    return formatted("%s%.2f deg (%.1f%%)", degrees >= 0.0 ? "+" : "-", slope, std::tan(degToRad(slope)) * 100.0);
}

PropertiesView buildPropertiesView(const Layout& layout)
{
    PropertiesView view;
    view.heightLabel = formatted("Height (%s):", unitShortName(layout.units));

    Selection pieces;
    for (const PlacedPiece& piece : layout.pieces)
        if (piece.selected)
            pieces.push_back(&piece);
    const SceneryItem* onlyScenery = nullptr;
    int sceneryCount = 0;
    for (const SceneryItem& item : layout.scenery)
        if (item.selected && ++sceneryCount == 1)
            onlyScenery = &item;
    const LayoutShape* onlyShape = nullptr;
    int shapeCount = 0;
    for (const LayoutShape& shape : layout.shapes)
        if (shape.selected && ++shapeCount == 1)
            onlyShape = &shape;

    view.colourEnabled = !pieces.empty();
    if (pieces.empty()) {
        if (sceneryCount == 1)
            showScenery(view, layout, *onlyScenery);
        else if (shapeCount == 1)
            showShape(view, layout, *onlyShape);
        return view;
    }
    if (sceneryCount == 0)
        if (const Helix* helix = commonHelix(layout, pieces)) {
            showHelix(view, layout, *helix);
            return view;
        }
    double runLength = 0.0;
    if (parallelStraights(pieces, runLength)) {
        const std::unordered_map<int, size_t> at = positions(pieces);
        if (connected(pieces, at)) {
            showRun(view, layout, pieces, at, runLength);
            return view;
        }
    }
    const PlacedPiece* newest = *std::max_element(
        pieces.begin(), pieces.end(), [](const PlacedPiece* a, const PlacedPiece* b) { return a->id < b->id; });
    showPiece(view, layout, *newest, pieces.size() >= 2 && !allOnOneLevel(pieces));
    return view;
}

} // namespace layrail
