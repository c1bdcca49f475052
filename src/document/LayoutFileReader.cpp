#include "document/LayoutFile.h"

#include <algorithm>
#include <set>

#include "catalog/TrackCatalog.h"
#include "document/DocumentElements.h"
#include "document/IdRepair.h"
#include "document/IdSpace.h"
#include "document/LineReader.h"
#include "document/XmlLine.h"

namespace layrail {

namespace {

// An optional colour component; one outside a byte is clamped rather than wrapped.
void optionalColourByte(XmlLine& xml, std::string_view name, std::uint8_t& component)
{
    int value = component;
    xml.optionalInt(name, value);
    component = static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

bool isConnectorIndex(int connector)
{
    return connector >= 0 && connector < TrackCatalog::instance().maxConnectorCount();
}

// The content a file sets. It is filled apart from the target layout so that a
// failed read leaves the layout exactly as it was.
struct FileContent {
    std::string name;
    std::vector<PlacedPiece> pieces;
    std::vector<SceneryItem> scenery;
    std::vector<LayoutLabel> labels;
    std::vector<LayoutShape> shapes;
    std::vector<Tunnel> tunnels;
    std::vector<Helix> helices;
    std::vector<Level> levels;
    std::vector<GradeRun> gradeRuns;
    std::vector<Point> vertices;
    int activeLevel = 1;
    LengthUnit units = LengthUnit::Millimetres;
    LastShape lastShape;
    int maxId = 0;
};

class LayoutReader {
public:
    LayoutReader(const std::string& path, FileContent& content) : path_(path), reader_(path), content_(content) {}

    std::string read();

private:
    std::string readPieces();
    void applyRules(XmlLine& xml);
    void noteId(int id) { content_.maxId = std::max(content_.maxId, id); }

    const std::string& path_;
    LineReader reader_;
    FileContent& content_;
    std::string error_;
    bool inLevels_ = false;
    bool inScenery_ = false;
    bool inBaseboard_ = false;
};

std::string LayoutReader::read()
{
    if (!reader_.isOpen())
        return cannotOpenText(path_);
    std::string_view line;
    std::string kept;
    while (nextDocumentLine(reader_, path_, line, error_)) {
        XmlLine xml(line, reader_.lineNumber(), error_);
        if (xml.has(Tag::Pieces)) {
            // The piece reader moves on in the file: the rules after it need their own copy of the line.
            kept.assign(line);
            XmlLine own(kept, reader_.lineNumber(), error_);
            applyRules(own);
        } else {
            applyRules(xml);
        }
        if (!error_.empty())
            return error_;
    }
    return error_;
}

// Reads the lines after "<pieces>" up to and including the end line.
std::string LayoutReader::readPieces()
{
    std::string_view line;
    while (nextDocumentLine(reader_, path_, line, error_)) {
        XmlLine xml(line, reader_.lineNumber(), error_);
        if (xml.has(Tag::PiecesEnd) || xml.has(Tag::BlockEnd) || xml.has(Tag::LayoutEnd))
            return {};
        if (xml.has(Tag::Piece)) {
            PlacedPiece piece;
            if (!readPieceLine(xml, PieceAttributes::All, piece))
                return error_;
            noteId(piece.id);
            content_.pieces.push_back(std::move(piece));
        }
        if (xml.has(Tag::Joint) && !content_.pieces.empty() && !readJointLine(xml, content_.pieces.back()))
            return error_;
    }
    return error_;
}

void LayoutReader::applyRules(XmlLine& xml)
{
    FileContent& c = content_;
    if (xml.has(Tag::Layout)) {
        c.name = xml.text("name");
        int units = 0;
        xml.optionalInt("units", units);
        // An unknown unit shows lengths in millimetres.
        c.units = units >= 0 && units <= 2 ? static_cast<LengthUnit>(units) : LengthUnit::Millimetres;
    }
    if (xml.has(Tag::Run)) {
        GradeRun run;
        xml.optionalReal("deg", run.angle);
        xml.optionalInt("anchor", run.anchor);
        xml.optionalInt("conn", run.connector);
        if (xml.ok() && isConnectorIndex(run.connector))
            c.gradeRuns.push_back(run);
    }
    if (xml.has(Tag::Pieces)) {
        const std::string error = readPieces();
        if (!error.empty()) {
            error_ = error;
            return;
        }
    }
    if (xml.has(Tag::Levels)) {
        inLevels_ = true;
        c.activeLevel = 1;
        xml.optionalInt("active", c.activeLevel);
    }
    const bool closesLevels = xml.has(Tag::LevelsEnd);
    if (closesLevels)
        inLevels_ = false;
    if (xml.has(Tag::Level) && inLevels_ && !closesLevels) {
        Level level;
        xml.requiredInt("id", level.id);
        level.name = xml.text("name");
        level.visible = xml.flagDefaultOn("visible");
        xml.optionalReal("height", level.height);
        level.trackColour = xml.flag("trackcolor");
        optionalColourByte(xml, "r", level.red);
        optionalColourByte(xml, "g", level.green);
        optionalColourByte(xml, "b", level.blue);
        c.levels.push_back(std::move(level));
    }
    if (xml.has(Tag::Pt) && inLevels_ && !closesLevels && !c.levels.empty()) {
        Point p;
        if (xml.requiredReal("x", p.x) && xml.requiredReal("y", p.y))
            c.levels.back().outline.push_back(p);
    }
    if (xml.has(Tag::Scenery))
        inScenery_ = true;
    if (xml.has(Tag::SceneryEnd))
        inScenery_ = false;
    if (xml.has(Tag::Baseboard)) {
        inBaseboard_ = true;
        c.vertices.clear();
    }
    const bool closesBaseboard = xml.has(Tag::BaseboardEnd);
    if (closesBaseboard)
        inBaseboard_ = false;
    if (xml.has(Tag::Vertex) && inBaseboard_ && !closesBaseboard) {
        Point p;
        if (xml.requiredReal("x", p.x) && xml.requiredReal("y", p.y))
            c.vertices.push_back(p);
    }
    if (xml.has(Tag::LastShape)) {
        xml.optionalInt("id", c.lastShape.id);
        xml.optionalReal("w_mm", c.lastShape.width);
        xml.optionalReal("h_mm", c.lastShape.height);
        xml.optionalReal("w2_mm", c.lastShape.width2);
        xml.optionalReal("h2_mm", c.lastShape.height2);
    }
    if (xml.has(Tag::SceneryItem) && inScenery_) {
        SceneryItem item;
        if (readSceneryLine(xml, true, item)) {
            noteId(item.id);
            c.scenery.push_back(std::move(item));
        }
    }
    if (xml.has(Tag::Label)) {
        LayoutLabel label;
        xml.requiredId("id", label.id);
        xml.requiredReal("x", label.x);
        xml.requiredReal("y", label.y);
        label.text = xml.text("text");
        noteId(label.id);
        c.labels.push_back(std::move(label));
    }
    if (xml.has(Tag::Shape) && !xml.has(Tag::ShapeEnd) && !xml.isEmpty("id")) {
        LayoutShape shape;
        xml.requiredId("id", shape.id);
        optionalColourByte(xml, "r", shape.red);
        optionalColourByte(xml, "g", shape.green);
        optionalColourByte(xml, "b", shape.blue);
        optionalColourByte(xml, "a", shape.alpha);
        if (!xml.isEmpty("outline"))
            shape.outline = xml.flag("outline");
        xml.optionalInt("level", shape.level);
        xml.optionalReal("height", shape.height);
        shape.label = xml.text("label");
        noteId(shape.id);
        c.shapes.push_back(std::move(shape));
    }
    if (xml.has(Tag::V) && !c.shapes.empty() && !xml.isEmpty("x") && !xml.isEmpty("y")) {
        Point p;
        if (xml.optionalReal("x", p.x) && xml.optionalReal("y", p.y))
            c.shapes.back().points.push_back(p);
    }
    if (xml.has(Tag::Tunnel)) {
        Tunnel tunnel;
        xml.requiredId("id", tunnel.id);
        xml.requiredInt("portalA", tunnel.portalA);
        xml.requiredInt("portalB", tunnel.portalB);
        xml.optionalInt("anchorA", tunnel.anchorA);
        xml.optionalInt("anchorB", tunnel.anchorB);
        noteId(tunnel.id);
        c.tunnels.push_back(std::move(tunnel));
    }
    if (xml.has(Tag::Covers) && !c.tunnels.empty()) {
        int piece = -1;
        if (xml.requiredInt("piece", piece))
            c.tunnels.back().coveredPieces.push_back(piece);
    }
    if (xml.has(Tag::Helix)) {
        Helix helix;
        xml.requiredId("id", helix.id);
        xml.requiredReal("cx", helix.cx);
        xml.requiredReal("cy", helix.cy);
        xml.requiredReal("heading", helix.heading);
        const std::string variant = xml.text("variant");
        if (!variant.empty())
            helix.variant = variant;
        xml.requiredInt("bottomR1", helix.bottomR1);
        xml.requiredInt("bottomR2", helix.bottomR2);
        xml.requiredInt("topR1", helix.topR1);
        xml.requiredInt("topR2", helix.topR2);
        noteId(helix.id);
        c.helices.push_back(std::move(helix));
    }
}

// A helix is selected as a whole: one selected piece selects all of its pieces.
void spreadHelixSelection(std::vector<PlacedPiece>& pieces)
{
    std::set<int> selectedHelices;
    for (const PlacedPiece& piece : pieces)
        if (piece.selected && piece.helix != -1)
            selectedHelices.insert(piece.helix);
    if (selectedHelices.empty())
        return;
    for (PlacedPiece& piece : pieces)
        if (selectedHelices.count(piece.helix) != 0)
            piece.selected = true;
}

} // namespace

std::string readLayout(const std::string& path, Layout& layout, std::string& name, bool repairIds)
{
    FileContent content;
    content.activeLevel = layout.activeLevel;
    content.units = layout.units;
    content.lastShape = layout.baseboard.lastShape;
    std::string error = LayoutReader(path, content).read();
    if (!error.empty())
        return error;

    spreadHelixSelection(content.pieces);
    layout.pieces = std::move(content.pieces);
    layout.scenery = std::move(content.scenery);
    layout.labels = std::move(content.labels);
    layout.shapes = std::move(content.shapes);
    layout.tunnels = std::move(content.tunnels);
    layout.helices = std::move(content.helices);
    layout.levels = std::move(content.levels);
    layout.gradeRuns = std::move(content.gradeRuns);
    layout.baseboard.vertices = std::move(content.vertices);
    layout.baseboard.lastShape = content.lastShape;
    layout.activeLevel = content.activeLevel;
    layout.units = content.units;
    layout.nextId = content.maxId + 1;
    // The dimension lines stay from before the read and keep their ids out of the file's way.
    raiseNextIdAboveContent(layout);
    if (repairIds)
        renumberDuplicateIds(layout);
    layout.ensureDefaultLevel();
    layout.updateCurrentGradeRun();
    name = std::move(content.name);
    return {};
}

} // namespace layrail
