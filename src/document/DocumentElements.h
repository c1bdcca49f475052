#pragma once

#include <string>
#include <string_view>

#include "document/Layout.h"
#include "document/XmlLine.h"

namespace layrail {

class LineReader;

// What layout files and library blocks share: reading and writing the whole file, and the
// piece and scenery-item elements.

// The next line: false at the end of the file and on a failure, whose text goes to error.
bool nextDocumentLine(LineReader& reader, const std::string& path, std::string_view& line, std::string& error);
// Writes the text through SafeFileWriter; returns the error text, empty on success.
std::string writeDocument(const std::string& path, std::string_view text);

// The piece line, its joint lines and the end line, each starting with the indent.
void appendPieceElement(std::string& out, const PlacedPiece& piece, std::string_view indent);
void appendSceneryElement(std::string& out, const SceneryItem& item, bool selected);

// What a "<piece " line sets: a layout reads every attribute, a block only the plan.
enum class PieceAttributes { All, PlanOnly };

// A new piece from a "<piece " line, with the record defaults for what is not read.
bool readPieceLine(XmlLine& line, PieceAttributes attributes, PlacedPiece& piece);
// A "<joint " line into the piece. A joint on a connector index that no catalog piece
// has, or pointing to no valid piece, is dropped: it could only be a damaged file.
bool readJointLine(XmlLine& line, PlacedPiece& piece);
// A new scenery item from a "<sceneryitem " line; a block leaves it unselected.
bool readSceneryLine(XmlLine& line, bool readSelected, SceneryItem& item);

} // namespace layrail
