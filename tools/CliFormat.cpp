#include "CliFormat.h"

#include <cstdio>

namespace layrail {

std::string cliReal(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.4f", value);
    const std::string result = text;
    if (result == "-0.0000")
        return "0.0000";
    return result;
}

std::string catalogLine(const CatalogPiece& piece)
{
    std::string flags;
    if (piece.bridge)
        flags += 'b';
    if (piece.pair)
        flags += 'p';
    if (piece.ramp)
        flags += 'r';
    if (flags.empty())
        flags = "-";

    std::string connectors;
    for (const Connector& c : piece.connectors) {
        if (!connectors.empty())
            connectors += ';';
        connectors += cliReal(c.x) + ',' + cliReal(c.y) + ',' + cliReal(c.heading);
    }

    return piece.article + '\t' + std::to_string(static_cast<int>(piece.system)) + '\t' +
           std::to_string(static_cast<int>(piece.kind)) + '\t' + cliReal(piece.length) + '\t' +
           cliReal(piece.radius) + '\t' + cliReal(piece.angle) + '\t' + flags + '\t' + connectors;
}

std::string layoutSummary(const Layout& layout, const std::string& name)
{
    return "name=" + name + " pieces=" + std::to_string(layout.pieces.size()) +
           " scenery=" + std::to_string(layout.scenery.size()) + " labels=" + std::to_string(layout.labels.size()) +
           " shapes=" + std::to_string(layout.shapes.size()) + " tunnels=" + std::to_string(layout.tunnels.size()) +
           " helices=" + std::to_string(layout.helices.size()) + " levels=" + std::to_string(layout.levels.size()) +
           " gradeRuns=" + std::to_string(layout.gradeRuns.size()) + " nextId=" + std::to_string(layout.nextId);
}

std::string snapLine(const SnapResult& snap)
{
    if (!snap.found)
        return "found=0";
    return "found=1 target=" + std::to_string(snap.targetId) + " tconn=" + std::to_string(snap.targetConnector) +
           " conn=" + std::to_string(snap.newConnector) + " x=" + cliReal(snap.x) + " y=" + cliReal(snap.y) +
           " heading=" + cliReal(snap.heading) + " distance=" + cliReal(snap.distance);
}

std::string compatLine(const CompatibilityResult& compat)
{
    if (!compat.incompatible)
        return "incompatible=0";
    return std::string("incompatible=1 moving=\"") + systemName(compat.movingSystem) + "\" other=\"" +
           systemName(compat.otherSystem) + "\"";
}

namespace {

std::string endRef(const TrackEnd& end) { return std::to_string(end.piece) + ":" + std::to_string(end.connector); }

std::string gapLine(const TrackGap& gap)
{
    std::string line = std::string(gap.nearMiss ? "near" : "gap") + " a=" + endRef(gap.a) + " b=" + endRef(gap.b) +
                       " distance=" + cliReal(gap.distance) + " offset=" + cliReal(gap.offset) +
                       " angle=" + cliReal(gap.angleError) + " fill=";
    if (!gap.fillFound)
        return line + "-";
    std::string articles;
    for (const std::string& article : gap.fill.articles)
        articles += (articles.empty() ? "" : "+") + article;
    return line + articles + " total=" + cliReal(gap.fill.total);
}

} // namespace

std::vector<std::string> gapLines(const GapReport& report)
{
    std::vector<std::string> lines;
    for (const TrackEnd& end : report.openEnds)
        lines.push_back("open piece=" + std::to_string(end.piece) + " connector=" + std::to_string(end.connector) +
                        " x=" + cliReal(end.world.x) + " y=" + cliReal(end.world.y) +
                        " heading=" + cliReal(end.world.heading) + " level=" + std::to_string(end.level));
    for (const TrackGap& gap : report.gaps)
        lines.push_back(gapLine(gap));
    for (const LowCrossing& c : report.crossings)
        lines.push_back("crossing lower=" + std::to_string(c.lower) + " upper=" + std::to_string(c.upper) +
                        " x=" + cliReal(c.at.x) + " y=" + cliReal(c.at.y) + " lowerz=" + cliReal(c.lowerHeight) +
                        " upperz=" + cliReal(c.upperHeight) + " clearance=" + cliReal(c.clearance()) +
                        " headroom=" + cliReal(c.headroom));
    for (const SteepGrade& g : report.grades) {
        std::string ids;
        for (int id : g.pieces)
            ids += (ids.empty() ? "" : ",") + std::to_string(id);
        lines.push_back("grade pieces=" + ids + " grade=" + cliReal(g.grade) + " limit=" + cliReal(kSteepGradeLimit) +
                        " x=" + cliReal((g.minX + g.maxX) / 2.0) + " y=" + cliReal((g.minY + g.maxY) / 2.0));
    }
    return lines;
}

} // namespace layrail
