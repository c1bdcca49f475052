#include "document/DocumentElements.h"

#include <algorithm>

#include "catalog/TrackCatalog.h"
#include "document/LineReader.h"
#include "document/SafeFileWriter.h"

namespace layrail {

namespace {
// Straights and curves have two connectors, turnouts three, crossings four.
constexpr size_t kUsualConnectorCount = 4;
} // namespace

bool nextDocumentLine(LineReader& reader, const std::string& path, std::string_view& line, std::string& error)
{
    const LineReader::Status status = reader.next(line);
    if (status == LineReader::Status::TooLong)
        error = lineTooLongText(reader.lineNumber());
    else if (status == LineReader::Status::ReadError)
        error = cannotReadText(path);
    return status == LineReader::Status::Line;
}

std::string writeDocument(const std::string& path, std::string_view text)
{
    SafeFileWriter writer;
    std::string error = writer.open(path);
    if (!error.empty())
        return error;
    writer.write(text);
    return writer.commit();
}

void appendPieceElement(std::string& out, const PlacedPiece& piece, std::string_view indent)
{
    out += indent;
    out += "<piece";
    appendIntAttribute(out, "id", piece.id);
    appendTextAttribute(out, "cat", piece.article);
    appendRealAttribute(out, "x", piece.x);
    appendRealAttribute(out, "y", piece.y);
    appendRealAttribute(out, "heading", piece.heading);
    appendRealAttribute(out, "z", piece.z);
    appendRealAttribute(out, "grade", piece.grade);
    if (piece.rev)
        out += " rev=\"1\"";
    if (piece.free)
        out += " free=\"1\"";
    appendIntAttribute(out, "level", piece.level);
    if (piece.helix != -1)
        appendIntAttribute(out, "helix", piece.helix);
    appendIntAttribute(out, "sel", piece.selected ? 1 : 0);
    if (piece.hasColour)
        appendIntAttribute(out, "color", piece.red * 65536L + piece.green * 256L + piece.blue);
    out += ">\n";
    for (size_t i = 0; i < piece.joints.size(); ++i) {
        const Joint& joint = piece.joints[i];
        if (joint.target == -1)
            continue;
        out += indent;
        out += "  <joint";
        appendIntAttribute(out, "conn", static_cast<long long>(i));
        appendIntAttribute(out, "target", joint.target);
        appendIntAttribute(out, "tconn", joint.targetConnector);
        out += "/>\n";
    }
    out += indent;
    out += "</piece>\n";
}

void appendSceneryElement(std::string& out, const SceneryItem& item, bool selected)
{
    out += "    <sceneryitem";
    appendIntAttribute(out, "id", item.id);
    appendTextAttribute(out, "item", item.item);
    appendRealAttribute(out, "x", item.x);
    appendRealAttribute(out, "y", item.y);
    appendRealAttribute(out, "heading", item.heading);
    appendRealAttribute(out, "scalex", item.scaleX);
    appendRealAttribute(out, "scaley", item.scaleY);
    appendIntAttribute(out, "level", item.level);
    appendIntAttribute(out, "sel", selected ? 1 : 0);
    out += "/>\n";
}

bool readPieceLine(XmlLine& line, PieceAttributes attributes, PlacedPiece& piece)
{
    piece = PlacedPiece{};
    line.requiredId("id", piece.id);
    piece.article = line.text("cat");
    line.requiredReal("x", piece.x);
    line.requiredReal("y", piece.y);
    line.requiredReal("heading", piece.heading);
    if (attributes == PieceAttributes::PlanOnly)
        return line.ok();
    piece.selected = line.flag("sel");
    line.optionalReal("z", piece.z);
    line.optionalReal("grade", piece.grade);
    piece.rev = line.flag("rev");
    piece.free = line.flag("free");
    int colour = 0;
    if (!line.isEmpty("color") && line.optionalInt("color", colour)) {
        const auto bits = static_cast<unsigned>(colour);
        piece.red = static_cast<std::uint8_t>((bits >> 16) & 0xFF);
        piece.green = static_cast<std::uint8_t>((bits >> 8) & 0xFF);
        piece.blue = static_cast<std::uint8_t>(bits & 0xFF);
        piece.hasColour = true;
    }
    line.optionalInt("level", piece.level);
    line.optionalInt("helix", piece.helix);
    return line.ok();
}

bool readJointLine(XmlLine& line, PlacedPiece& piece)
{
    int conn = 0;
    int target = 0;
    int targetConnector = 0;
    line.requiredInt("conn", conn);
    line.requiredInt("target", target);
    line.requiredInt("tconn", targetConnector);
    if (!line.ok())
        return false;
    const int connectors = TrackCatalog::instance().maxConnectorCount();
    if (conn < 0 || conn >= connectors)
        return true;
    // Room for the joints of most pieces at once, rather than growing one by one.
    if (piece.joints.capacity() == 0)
        piece.joints.reserve(std::max(static_cast<size_t>(conn) + 1, kUsualConnectorCount));
    if (target == -1) {
        piece.setJoint(conn, -1, -1);
        return true;
    }
    if (target < 0 || target > kMaxFileId || targetConnector < 0 || targetConnector >= connectors)
        return true;
    piece.setJoint(conn, target, targetConnector);
    return true;
}

bool readSceneryLine(XmlLine& line, bool readSelected, SceneryItem& item)
{
    item = SceneryItem{};
    line.requiredId("id", item.id);
    item.item = line.text("item");
    line.requiredReal("x", item.x);
    line.requiredReal("y", item.y);
    line.requiredReal("heading", item.heading);
    if (readSelected)
        item.selected = line.flag("sel");
    line.optionalReal("scalex", item.scaleX);
    line.optionalReal("scaley", item.scaleY);
    line.optionalInt("level", item.level);
    return line.ok();
}

} // namespace layrail
