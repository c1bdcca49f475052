#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace layrail {

// The largest id a file may hold: keeps nextId and every id taken after a load
// far from the end of the int range.
constexpr int kMaxFileId = 1000000000;

// Appends the text with & < > and " replaced by their references; every other byte unchanged.
void appendEscaped(std::string& out, std::string_view text);
// Turns "&lt;", "&gt;", "&quot;" and "&amp;" back into their characters, in one pass.
std::string unescapeXml(std::string_view text);

// Each attribute is written as a blank, the name, an equals sign and the quoted value.
void appendIntAttribute(std::string& out, std::string_view name, long long value);
void appendRealAttribute(std::string& out, std::string_view name, double value);
void appendTextAttribute(std::string& out, std::string_view name, std::string_view text);

// The raw value of an attribute, found by its whole name: the first blank, name,
// equals sign and double quote in the line that lies outside every quoted value, up
// to the next double quote. Empty when missing or when the closing quote is missing.
std::string_view rawAttribute(std::string_view line, std::string_view name);

// The element tags the document readers look for, each with its text: Piece is "<piece ",
// LastShape is "<lastshape", PiecesEnd is "</pieces>".
enum class Tag : std::uint8_t {
    Layout,
    LayoutEnd,
    Block,
    BlockEnd,
    Run,
    Pieces,
    PiecesEnd,
    Piece,
    Joint,
    Levels,
    LevelsEnd,
    Level,
    Pt,
    Scenery,
    SceneryEnd,
    SceneryItem,
    Baseboard,
    BaseboardEnd,
    Vertex,
    LastShape,
    Label,
    Shape,
    ShapeEnd,
    V,
    Tunnel,
    Covers,
    Helix,
    Count
};

std::string_view tagText(Tag tag);

// One line of a document file: the tag texts it contains and its attributes, found
// in one pass over the line. Number readers record the first failure in the error
// text (naming the line and attribute) and return false.
class XmlLine {
public:
    XmlLine(std::string_view line, std::size_t lineNumber, std::string& error);

    // True when the tag's text occurs anywhere in the line.
    bool has(Tag tag) const { return (tags_ >> static_cast<unsigned>(tag)) & 1U; }

    // The same value as rawAttribute gives for the line. Names are words: not empty,
    // without blank, equals sign or double quote, as every attribute name of the files.
    std::string_view raw(std::string_view name) const;
    std::string text(std::string_view name) const;
    bool isEmpty(std::string_view name) const { return raw(name).empty(); }
    // True only for exactly "1".
    bool flag(std::string_view name) const;
    // True unless exactly "0".
    bool flagDefaultOn(std::string_view name) const;

    // Required numbers fail when empty or malformed.
    bool requiredInt(std::string_view name, int& value);
    bool requiredReal(std::string_view name, double& value);
    // An id of the shared id space: a required integer from 0 to kMaxFileId.
    bool requiredId(std::string_view name, int& value);
    // Optional numbers leave the value alone when empty and fail when malformed.
    bool optionalInt(std::string_view name, int& value);
    bool optionalReal(std::string_view name, double& value);

    bool ok() const { return error_.empty(); }

private:
    // Offsets into the line.
    struct Attribute {
        std::uint32_t nameStart;
        std::uint32_t nameSize;
        std::uint32_t valueStart;
        std::uint32_t valueSize;
    };
    // Every " name=\"" of the line in a small open-addressed table. A line with more
    // than kMaxAttributes leaves the rest to a search of the line.
    static constexpr std::size_t kSlots = 64;
    static constexpr std::size_t kMaxAttributes = kSlots / 2;

    static std::size_t slotOf(const char* name, std::size_t size)
    {
        return (static_cast<unsigned char>(name[0]) * 5U + static_cast<unsigned char>(name[size - 1]) * 3U + size) %
               kSlots;
    }
    void scan();
    void noteTags(std::size_t base, std::uint64_t opens);
    // False when the table is full.
    bool insert(std::size_t nameStart, std::size_t nameSize, std::size_t valueStart, std::size_t valueSize);
    bool fail(const char* what, std::string_view name);

    std::string_view line_;
    std::size_t lineNumber_;
    std::string& error_;
    std::uint32_t tags_ = 0;
    bool complete_ = true;
    std::uint64_t occupied_ = 0;
    std::size_t count_ = 0;
    // Left uninitialised: the occupied bits say which slots hold an attribute.
    Attribute slots_[kSlots];
};

} // namespace layrail
