#pragma once

#include <cstddef>
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
// equals sign and double quote in the line, up to the next double quote. Empty when
// missing or when the closing quote is missing.
std::string_view rawAttribute(std::string_view line, std::string_view name);

inline bool contains(std::string_view line, std::string_view part)
{
    return line.find(part) != std::string_view::npos;
}

// The attributes of one line of a document file. Number readers record the first
// failure in the error text (naming the line and attribute) and return false.
class XmlLine {
public:
    XmlLine(std::string_view line, std::size_t lineNumber, std::string& error)
        : line_(line), lineNumber_(lineNumber), error_(error)
    {
    }

    std::string text(std::string_view name) const;
    bool isEmpty(std::string_view name) const { return rawAttribute(line_, name).empty(); }
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
    bool fail(const char* what, std::string_view name);

    std::string_view line_;
    std::size_t lineNumber_;
    std::string& error_;
};

} // namespace layrail
