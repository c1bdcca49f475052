#include "document/LayoutFile.h"

#include "document/DocumentElements.h"
#include "document/XmlLine.h"

namespace layrail {

namespace {

void appendPoint(std::string& out, std::string_view start, const Point& p)
{
    out += start;
    appendRealAttribute(out, "x", p.x);
    appendRealAttribute(out, "y", p.y);
    out += "/>\n";
}

void appendGradeRuns(std::string& out, const Layout& layout)
{
    if (layout.gradeRuns.empty())
        return;
    out += "  <grade_runs>\n";
    for (const GradeRun& run : layout.gradeRuns) {
        out += "    <run";
        appendRealAttribute(out, "deg", run.angle);
        appendIntAttribute(out, "anchor", run.anchor);
        appendIntAttribute(out, "conn", run.connector);
        out += "/>\n";
    }
    out += "  </grade_runs>\n";
}

void appendLevels(std::string& out, const Layout& layout)
{
    if (layout.levels.empty())
        return;
    out += "  <levels";
    appendIntAttribute(out, "active", layout.activeLevel);
    out += ">\n";
    for (const Level& level : layout.levels) {
        out += "    <level";
        appendIntAttribute(out, "id", level.id);
        appendTextAttribute(out, "name", level.name);
        appendIntAttribute(out, "visible", level.visible ? 1 : 0);
        appendRealAttribute(out, "height", level.height);
        appendIntAttribute(out, "trackcolor", level.trackColour ? 1 : 0);
        appendIntAttribute(out, "r", level.red);
        appendIntAttribute(out, "g", level.green);
        appendIntAttribute(out, "b", level.blue);
        // An outline needs three points to enclose anything.
        if (level.outline.size() < 3) {
            out += "/>\n";
            continue;
        }
        out += ">\n";
        for (const Point& p : level.outline)
            appendPoint(out, "      <pt", p);
        out += "    </level>\n";
    }
    out += "  </levels>\n";
}

void appendBaseboard(std::string& out, const Baseboard& baseboard)
{
    if (!baseboard.vertices.empty()) {
        out += "  <baseboard>\n";
        for (const Point& p : baseboard.vertices)
            appendPoint(out, "    <vertex", p);
        out += "  </baseboard>\n";
    }
    const LastShape& last = baseboard.lastShape;
    out += "  <lastshape";
    appendIntAttribute(out, "id", last.id);
    appendRealAttribute(out, "w_mm", last.width);
    appendRealAttribute(out, "h_mm", last.height);
    appendRealAttribute(out, "w2_mm", last.width2);
    appendRealAttribute(out, "h2_mm", last.height2);
    out += "/>\n";
}

void appendLabels(std::string& out, const Layout& layout)
{
    if (layout.labels.empty())
        return;
    out += "  <labels>\n";
    for (const LayoutLabel& label : layout.labels) {
        out += "    <label";
        appendIntAttribute(out, "id", label.id);
        appendRealAttribute(out, "x", label.x);
        appendRealAttribute(out, "y", label.y);
        appendTextAttribute(out, "text", label.text);
        out += "/>\n";
    }
    out += "  </labels>\n";
}

void appendShapes(std::string& out, const Layout& layout)
{
    if (layout.shapes.empty())
        return;
    out += "  <shapes>\n";
    for (const LayoutShape& shape : layout.shapes) {
        out += "    <shape";
        appendIntAttribute(out, "id", shape.id);
        appendIntAttribute(out, "r", shape.red);
        appendIntAttribute(out, "g", shape.green);
        appendIntAttribute(out, "b", shape.blue);
        appendIntAttribute(out, "a", shape.alpha);
        appendIntAttribute(out, "outline", shape.outline ? 1 : 0);
        appendIntAttribute(out, "level", shape.level);
        appendRealAttribute(out, "height", shape.height);
        appendTextAttribute(out, "label", shape.label);
        out += ">\n";
        for (const Point& p : shape.points)
            appendPoint(out, "      <v", p);
        out += "    </shape>\n";
    }
    out += "  </shapes>\n";
}

void appendTunnels(std::string& out, const Layout& layout)
{
    if (layout.tunnels.empty())
        return;
    out += "  <tunnels>\n";
    for (const Tunnel& tunnel : layout.tunnels) {
        out += "    <tunnel";
        appendIntAttribute(out, "id", tunnel.id);
        appendIntAttribute(out, "portalA", tunnel.portalA);
        appendIntAttribute(out, "portalB", tunnel.portalB);
        appendIntAttribute(out, "anchorA", tunnel.anchorA);
        appendIntAttribute(out, "anchorB", tunnel.anchorB);
        out += ">\n";
        for (int piece : tunnel.coveredPieces) {
            out += "      <covers";
            appendIntAttribute(out, "piece", piece);
            out += "/>\n";
        }
        out += "    </tunnel>\n";
    }
    out += "  </tunnels>\n";
}

void appendHelices(std::string& out, const Layout& layout)
{
    if (layout.helices.empty())
        return;
    out += "  <helices>\n";
    for (const Helix& helix : layout.helices) {
        out += "    <helix";
        appendIntAttribute(out, "id", helix.id);
        appendRealAttribute(out, "cx", helix.cx);
        appendRealAttribute(out, "cy", helix.cy);
        appendRealAttribute(out, "heading", helix.heading);
        appendTextAttribute(out, "variant", helix.variant);
        appendIntAttribute(out, "bottomR1", helix.bottomR1);
        appendIntAttribute(out, "bottomR2", helix.bottomR2);
        appendIntAttribute(out, "topR1", helix.topR1);
        appendIntAttribute(out, "topR2", helix.topR2);
        out += "/>\n";
    }
    out += "  </helices>\n";
}

} // namespace

std::string writeLayout(const Layout& layout, const std::string& path, const std::string& name)
{
    return writeDocument(path, layoutText(layout, name));
}

std::string layoutText(const Layout& layout, const std::string& name)
{
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<layout";
    appendTextAttribute(out, "name", name);
    out += " version=\"1\"";
    appendIntAttribute(out, "units", static_cast<int>(layout.units));
    out += ">\n";
    appendGradeRuns(out, layout);
    out += "  <pieces>\n";
    for (const PlacedPiece& piece : layout.pieces)
        appendPieceElement(out, piece, "    ");
    out += "  </pieces>\n";
    if (!layout.scenery.empty()) {
        out += "  <scenery>\n";
        for (const SceneryItem& item : layout.scenery)
            appendSceneryElement(out, item, item.selected);
        out += "  </scenery>\n";
    }
    appendLevels(out, layout);
    appendBaseboard(out, layout.baseboard);
    appendLabels(out, layout);
    appendShapes(out, layout);
    appendTunnels(out, layout);
    appendHelices(out, layout);
    out += "</layout>\n";
    return out;
}

} // namespace layrail
