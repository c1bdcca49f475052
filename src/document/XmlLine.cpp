#include "document/XmlLine.h"

#include "document/NumberFormat.h"

namespace layrail {

void appendEscaped(std::string& out, std::string_view text)
{
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c; break;
        }
    }
}

namespace {

void appendAttributeStart(std::string& out, std::string_view name)
{
    out += ' ';
    out += name;
    out += "=\"";
}

} // namespace

void appendIntAttribute(std::string& out, std::string_view name, long long value)
{
    appendAttributeStart(out, name);
    appendInt(out, value);
    out += '"';
}

void appendRealAttribute(std::string& out, std::string_view name, double value)
{
    appendAttributeStart(out, name);
    appendReal(out, value);
    out += '"';
}

void appendTextAttribute(std::string& out, std::string_view name, std::string_view text)
{
    appendAttributeStart(out, name);
    appendEscaped(out, text);
    out += '"';
}

std::string unescapeXml(std::string_view text)
{
    static constexpr struct {
        std::string_view reference;
        char character;
    } kReferences[] = {{"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&amp;", '&'}};

    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        bool replaced = false;
        if (text[i] == '&') {
            for (const auto& r : kReferences) {
                if (text.compare(i, r.reference.size(), r.reference) == 0) {
                    out += r.character;
                    i += r.reference.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced)
            out += text[i++];
    }
    return out;
}

std::string_view rawAttribute(std::string_view line, std::string_view name)
{
    std::string pattern;
    pattern.reserve(name.size() + 3);
    pattern += ' ';
    pattern += name;
    pattern += "=\"";
    const size_t at = line.find(pattern);
    if (at == std::string_view::npos)
        return {};
    const size_t start = at + pattern.size();
    const size_t end = line.find('"', start);
    if (end == std::string_view::npos)
        return {};
    return line.substr(start, end - start);
}

std::string XmlLine::text(std::string_view name) const { return unescapeXml(rawAttribute(line_, name)); }

bool XmlLine::flag(std::string_view name) const { return rawAttribute(line_, name) == "1"; }

bool XmlLine::flagDefaultOn(std::string_view name) const { return rawAttribute(line_, name) != "0"; }

bool XmlLine::fail(const char* what, std::string_view name)
{
    if (error_.empty()) {
        error_ = "Line " + std::to_string(lineNumber_) + ": " + what + " in attribute \"";
        error_ += name;
        error_ += '"';
    }
    return false;
}

bool XmlLine::requiredInt(std::string_view name, int& value)
{
    const std::string raw = text(name);
    if (raw.empty())
        return fail("missing number", name);
    if (!parseInt(raw, value))
        return fail("bad number", name);
    return true;
}

bool XmlLine::requiredReal(std::string_view name, double& value)
{
    const std::string raw = text(name);
    if (raw.empty())
        return fail("missing number", name);
    if (!parseReal(raw, value))
        return fail("bad number", name);
    return true;
}

bool XmlLine::requiredId(std::string_view name, int& value)
{
    int id = 0;
    if (!requiredInt(name, id))
        return false;
    if (id < 0 || id > kMaxFileId)
        return fail("id out of range", name);
    value = id;
    return true;
}

bool XmlLine::optionalInt(std::string_view name, int& value)
{
    const std::string raw = text(name);
    if (raw.empty())
        return true;
    if (!parseInt(raw, value))
        return fail("bad number", name);
    return true;
}

bool XmlLine::optionalReal(std::string_view name, double& value)
{
    const std::string raw = text(name);
    if (raw.empty())
        return true;
    if (!parseReal(raw, value))
        return fail("bad number", name);
    return true;
}

} // namespace layrail
