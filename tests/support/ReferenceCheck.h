#pragma once

#include <set>
#include <string>
#include <vector>

#include "document/Layout.h"
#include "document/LayoutCheck.h"

namespace layrail {

// findLayoutProblems and, beyond it, every reference between records: helix stubs and members,
// tunnel portals, anchors and covered pieces, grade-run anchors and the current run, and the levels
// that pieces, scenery items and shapes sit on.
inline std::vector<std::string> referenceProblems(const Layout& layout)
{
    std::vector<std::string> problems = findLayoutProblems(layout);
    auto text = [](const char* what, int id, const char* problem, int other) {
        return std::string(what) + " " + std::to_string(id) + " " + problem + " " + std::to_string(other);
    };
    std::set<int> helixIds;
    for (const Helix& h : layout.helices) {
        helixIds.insert(h.id);
        for (int stub : {h.bottomR1, h.bottomR2, h.topR1, h.topR2})
            if (stub != -1 && layout.findPiece(stub) == nullptr)
                problems.push_back(text("helix", h.id, "names missing stub", stub));
    }
    const bool levelsKnown = !layout.levels.empty();
    auto levelMissing = [&](int level) { return levelsKnown && layout.findLevel(level) == nullptr; };
    for (const PlacedPiece& p : layout.pieces) {
        if (p.helix != -1 && helixIds.count(p.helix) == 0)
            problems.push_back(text("piece", p.id, "in missing helix", p.helix));
        if (levelMissing(p.level))
            problems.push_back(text("piece", p.id, "on missing level", p.level));
    }
    for (const SceneryItem& s : layout.scenery)
        if (levelMissing(s.level))
            problems.push_back(text("scenery item", s.id, "on missing level", s.level));
    for (const LayoutShape& s : layout.shapes)
        if (levelMissing(s.level))
            problems.push_back(text("shape", s.id, "on missing level", s.level));
    for (const Tunnel& t : layout.tunnels) {
        for (int portal : {t.portalA, t.portalB})
            if (portal != -1 && layout.findScenery(portal) == nullptr)
                problems.push_back(text("tunnel", t.id, "names missing portal", portal));
        for (int piece : {t.anchorA, t.anchorB})
            if (piece != -1 && layout.findPiece(piece) == nullptr)
                problems.push_back(text("tunnel", t.id, "anchored on missing piece", piece));
        for (int piece : t.coveredPieces)
            if (layout.findPiece(piece) == nullptr)
                problems.push_back(text("tunnel", t.id, "covers missing piece", piece));
    }
    for (const GradeRun& run : layout.gradeRuns)
        if (layout.findPiece(run.anchor) == nullptr)
            problems.push_back(text("grade run", run.anchor, "anchored on missing piece", run.anchor));
    const CurrentGradeRun& current = layout.currentGradeRun;
    if (current.active != !layout.gradeRuns.empty() ||
        (current.active &&
         (current.anchor != layout.gradeRuns.back().anchor || current.connector != layout.gradeRuns.back().connector)))
        problems.push_back("current grade run does not mirror the last run");
    if (levelsKnown && layout.findLevel(layout.activeLevel) == nullptr)
        problems.push_back("active level " + std::to_string(layout.activeLevel) + " does not exist");
    return problems;
}

} // namespace layrail
