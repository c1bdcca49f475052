#include "document/LibraryBlock.h"

#include <algorithm>

#include "document/DocumentElements.h"
#include "document/LineReader.h"
#include "document/XmlLine.h"

namespace layrail {

std::string writeBlock(const Layout& layout, const std::string& path, const std::string& name)
{
    const std::string text = blockText(layout, name);
    if (text.empty())
        return "No pieces or scenery selected";
    return writeDocument(path, text);
}

std::string blockText(const Layout& layout, const std::string& name)
{
    const auto isSelectedPiece = [](const PlacedPiece& p) { return p.selected; };
    const auto isSelectedItem = [](const SceneryItem& s) { return s.selected; };
    const bool anyPiece = std::any_of(layout.pieces.begin(), layout.pieces.end(), isSelectedPiece);
    const bool anyItem = std::any_of(layout.scenery.begin(), layout.scenery.end(), isSelectedItem);
    if (!anyPiece && !anyItem)
        return {};

    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<block";
    appendTextAttribute(out, "name", name);
    out += " version=\"1\">\n";
    for (const PlacedPiece& piece : layout.pieces)
        if (piece.selected)
            appendPieceElement(out, piece, "  ");
    if (anyItem) {
        out += "  <scenery>\n";
        for (const SceneryItem& item : layout.scenery)
            if (item.selected)
                appendSceneryElement(out, item, false);
        out += "  </scenery>\n";
    }
    out += "</block>\n";
    return out;
}

std::string readBlock(const std::string& path, LibraryBlock& block)
{
    LineReader reader(path);
    if (!reader.isOpen())
        return cannotOpenText(path);

    LibraryBlock read;
    bool inScenery = false;
    std::string_view line;
    std::string error;
    while (nextDocumentLine(reader, path, line, error)) {
        XmlLine xml(line, reader.lineNumber(), error);
        if (xml.has(Tag::Block))
            read.name = xml.text("name");
        if (xml.has(Tag::Scenery))
            inScenery = true;
        if (xml.has(Tag::SceneryEnd))
            inScenery = false;
        // Of the element rules, the first that matches takes the line.
        if (xml.has(Tag::SceneryItem) && inScenery) {
            SceneryItem item;
            if (!readSceneryLine(xml, false, item))
                return error;
            read.scenery.push_back(std::move(item));
        } else if (xml.has(Tag::Piece)) {
            PlacedPiece piece;
            if (!readPieceLine(xml, PieceAttributes::PlanOnly, piece))
                return error;
            read.pieces.push_back(std::move(piece));
        } else if (xml.has(Tag::Joint) && !read.pieces.empty()) {
            if (!readJointLine(xml, read.pieces.back()))
                return error;
        }
    }
    if (!error.empty())
        return error;
    block = std::move(read);
    return {};
}

} // namespace layrail
