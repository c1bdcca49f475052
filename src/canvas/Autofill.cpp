#include "canvas/Autofill.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <functional>

#include "catalog/TrackCatalog.h"
#include "document/ConnectorMatching.h"
#include "document/JointGeometry.h"
#include "document/Joints.h"
#include "document/SelectionFlags.h"

namespace layrail {

namespace {

constexpr double kPairFacing = 150.0;
constexpr double kStraightFacing = 170.0;
constexpr double kTouching = 1.0;
constexpr double kEndMatch = 1.0;
constexpr const char* kSpokeExtension = "74871";

double foldedDifference(double h1, double h2)
{
    double dh = std::fmod(std::fabs(h1 - h2), 360.0);
    if (dh > 180.0)
        dh = 360.0 - dh;
    return dh;
}

std::string format(const char* pattern, double value)
{
    char text[160];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

class FillSearch {
public:
    FillSearch(const std::vector<const CatalogPiece*>& candidates, double gap) : candidates_(candidates), gap_(gap) {}

    std::vector<FillSolution> run()
    {
        if (candidates_.empty())
            return {};
        const double shortest = candidates_.back()->length;
        const int maxPieces = std::min(static_cast<int>(std::ceil(gap_ / shortest)) + 2, kMaxFillPieces);
        for (k_ = 1; k_ <= maxPieces; ++k_) {
            search(0, 0.0);
            if (static_cast<int>(solutions_.size()) >= kEnoughFillSolutions)
                break;
        }
        return solutions_;
    }

private:
    bool full() const { return static_cast<int>(solutions_.size()) >= kMaxFillSolutions; }

    void search(size_t start, double length)
    {
        if (full())
            return;
        const int used = static_cast<int>(combination_.size());
        if (used == k_) {
            if (std::fabs(length - gap_) <= kFillTolerance) {
                FillSolution s;
                for (size_t c : combination_)
                    s.articles.push_back(candidates_[c]->article);
                s.total = length;
                solutions_.push_back(std::move(s));
            }
            return;
        }
        if (length > gap_ + kFillTolerance)
            return;
        // Even repeating the longest usable candidate cannot reach the gap.
        if (gap_ - kFillTolerance > (k_ - used) * candidates_[start]->length + length)
            return;
        for (size_t c = start; c < candidates_.size(); ++c) {
            const double next = length + candidates_[c]->length;
            if (next <= gap_ + kFillTolerance) {
                combination_.push_back(c);
                search(c, next);
                combination_.pop_back();
            }
            if (full())
                break;
        }
    }

    const std::vector<const CatalogPiece*>& candidates_;
    double gap_;
    int k_ = 0;
    std::vector<size_t> combination_;
    std::vector<FillSolution> solutions_;
};

// The connector of a piece lying within 1 mm of a point, or -1.
int connectorAt(const Layout& layout, const PlacedPiece& piece, const Connector& at)
{
    const CatalogPiece* cat = catalogPieceOf(piece);
    if (cat == nullptr)
        return -1;
    for (const Connector& c : worldConnectorsOf(layout, piece, *cat))
        if (std::hypot(c.x - at.x, c.y - at.y) < kEndMatch)
            return c.index;
    return -1;
}

AutofillPlan refuse(Layout& layout, AutofillPlan plan, EditMessage message)
{
    plan.message = std::move(message);
    deselectAll(layout);
    return plan;
}

} // namespace

GapPair findGapPair(const Layout& layout, const PlacedPiece& a, const PlacedPiece& b)
{
    GapPair pair;
    const CatalogPiece* catA = catalogPieceOf(a);
    const CatalogPiece* catB = catalogPieceOf(b);
    if (catA == nullptr || catB == nullptr)
        return pair;
    double best = DBL_MAX;
    const std::vector<Connector> endsA = worldConnectorsOf(layout, a, *catA);
    const std::vector<Connector> endsB = worldConnectorsOf(layout, b, *catB);
    for (const Connector& i : endsA) {
        if (!i.open)
            continue;
        for (const Connector& j : endsB) {
            if (!j.open)
                continue;
            const double dh = foldedDifference(i.heading, j.heading);
            const double d = std::hypot(i.x - j.x, i.y - j.y);
            if (dh < kPairFacing || d >= best)
                continue;
            best = d;
            pair.found = true;
            pair.a = {a.id, i.index, i};
            pair.b = {b.id, j.index, j};
            pair.distance = d;
            pair.headingDifference = dh;
        }
    }
    return pair;
}

std::vector<const CatalogPiece*> fillCandidates(TrackSystem system)
{
    const TrackCatalog& catalog = TrackCatalog::instance();
    std::vector<const CatalogPiece*> out;
    for (int i = 0; i < catalog.count(); ++i) {
        const CatalogPiece* p = catalog.at(i);
        // Plain track only: no bridge or ramp, no piece laid in pairs, no adapter between systems.
        const bool plain = !p->bridge && !p->ramp && !p->pair && p->connectorSystems.empty() &&
                           p->article != kSpokeExtension;
        if (p->system == system && p->kind == PieceKind::Straight && p->length > 0.0 && plain)
            out.push_back(p);
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const CatalogPiece* l, const CatalogPiece* r) { return l->length > r->length; });
    return out;
}

std::vector<FillSolution> searchFills(const std::vector<const CatalogPiece*>& candidates, double gap)
{
    return searchFills(candidates, gap, [](const FillSolution&) { return true; });
}

std::vector<FillSolution> searchFills(const std::vector<const CatalogPiece*>& candidates, double gap,
                                      const std::function<bool(const FillSolution&)>& accept)
{
    std::vector<FillSolution> solutions = FillSearch(candidates, gap).run();
    solutions.erase(std::remove_if(solutions.begin(), solutions.end(),
                                   [&](const FillSolution& s) { return !accept(s); }),
                    solutions.end());
    std::stable_sort(solutions.begin(), solutions.end(), [gap](const FillSolution& l, const FillSolution& r) {
        if (l.articles.size() != r.articles.size())
            return l.articles.size() < r.articles.size();
        return std::fabs(l.total - gap) < std::fabs(r.total - gap);
    });
    if (solutions.size() > static_cast<size_t>(kShownFillSolutions))
        solutions.resize(kShownFillSolutions);
    return solutions;
}

std::vector<FillSolution> straightFills(const Connector& from, const Connector& to, TrackSystem system)
{
    const double d = std::hypot(to.x - from.x, to.y - from.y);
    if (d < kTouching || facingError(from.heading, to.heading) > kJointFacingTolerance)
        return {};
    const double h = degToRad(from.heading);
    return searchFills(fillCandidates(system), d, [&](const FillSolution& s) {
        const double farX = from.x + std::cos(h) * s.total;
        const double farY = from.y + std::sin(h) * s.total;
        return std::hypot(farX - to.x, farY - to.y) <= kEndMatch;
    });
}

std::string fillLine(const FillSolution& solution)
{
    std::string line;
    for (const std::string& article : solution.articles) {
        if (!line.empty())
            line += " + ";
        line += article;
    }
    return line + format("  (%.1f mm)", solution.total);
}

AutofillPlan planAutofill(Layout& layout)
{
    AutofillPlan plan;
    const PlacedPiece* a = nullptr;
    const PlacedPiece* b = nullptr;
    for (const PlacedPiece& p : layout.pieces) {
        if (!p.selected)
            continue;
        if (a == nullptr)
            a = &p;
        else if (b == nullptr)
            b = &p;
    }
    const CatalogPiece* catA = a ? catalogPieceOf(*a) : nullptr;
    if (catA == nullptr || b == nullptr || catalogPieceOf(*b) == nullptr)
        return plan;
    plan.ran = true;

    plan.gap = findGapPair(layout, *a, *b);
    if (!plan.gap.found)
        return refuse(layout, std::move(plan),
                      {"Autofill", "Could not find facing free connectors on the two selected pieces."});
    const double d = plan.gap.distance;
    if (d < kTouching)
        return refuse(layout, std::move(plan),
                      {"Autofill", "The two pieces are already touching - no gap to fill."});
    const CatalogPiece* catB = catalogPieceOf(*b);
    const TrackSystem system = catA->connectorSystem(plan.gap.a.connector);
    // Straights run on from A's end; a fill is offered only when its far end lands on B's end.
    const bool sameTrack = system == catB->connectorSystem(plan.gap.b.connector) && a->level == b->level;
    if (plan.gap.headingDifference > kStraightFacing && sameTrack)
        plan.solutions = straightFills(plan.gap.a.world, plan.gap.b.world, system);
    if (plan.solutions.empty())
        return refuse(
            layout, std::move(plan),
            {"Autofill - No Solution",
             format("Gap is %.1fmm. No combination of catalog straights fills it within tolerance.", d)});

    plan.prompt = format("Gap: %.1f mm. Select fill:", d);
    for (const FillSolution& s : plan.solutions)
        plan.lines.push_back(fillLine(s));
    return plan;
}

EditResult placeFill(Layout& layout, const GapPair& gap, const FillSolution& solution)
{
    EditResult result;
    const PlacedPiece* a = layout.findPiece(gap.a.piece);
    const PlacedPiece* b = layout.findPiece(gap.b.piece);
    if (a == nullptr || b == nullptr || solution.articles.empty())
        return result;
    const int endA = connectorAt(layout, *a, gap.a.world);
    const int endB = connectorAt(layout, *b, gap.b.world);
    if (endA == -1 || endB == -1)
        return result;
    const int level = a->level;
    const double z = a->z;
    const TrackCatalog& catalog = TrackCatalog::instance();

    EditSnapshot snapshot(layout);
    int currentPiece = gap.a.piece;
    int currentConnector = endA;
    Connector currentEnd = gap.a.world;
    for (const std::string& article : solution.articles) {
        const CatalogPiece* cat = catalog.find(article);
        if (cat == nullptr || cat->connectors.size() < 2)
            continue;
        const Pose pose = poseOnConnector(*cat, 0, currentEnd);
        PlacedPiece piece;
        piece.article = article;
        piece.x = pose.x;
        piece.y = pose.y;
        piece.heading = pose.heading;
        piece.level = level;
        piece.z = z;
        const int id = addPiece(layout, snapshot, piece);
        joinBoth(layout, id, 0, currentPiece, currentConnector);
        currentPiece = id;
        currentConnector = 1;
        currentEnd = worldConnectorsOf(layout, *layout.findPiece(id), *cat)[1];
    }
    if (!snapshot.recorded())
        return result;
    joinBoth(layout, currentPiece, currentConnector, gap.b.piece, endB);
    result.changes = Changes::ofContent();
    result.status = piecesStatus(layout);
    return result;
}

} // namespace layrail
