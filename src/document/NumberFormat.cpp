#include "document/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace layrail {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Skips leading blanks and a plus sign, which from_chars does not accept.
// Returns false when a sign is followed by another sign.
bool skipPrefix(std::string_view& text)
{
    size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    text.remove_prefix(i);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '-' || text.front() == '+'))
            return false;
    }
    return true;
}

} // namespace

void appendReal(std::string& out, double value)
{
    if (!std::isfinite(value))
        value = 0.0;
    // The largest double has 309 integer digits.
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 4);
    out.append(buffer, result.ptr);
}

std::string formatReal(double value)
{
    std::string text;
    appendReal(text, value);
    return text;
}

void appendInt(std::string& out, long long value)
{
    char buffer[24];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

bool parseInt(std::string_view text, int& value)
{
    if (!skipPrefix(text))
        return false;
    int parsed = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), parsed, 10);
    if (result.ec != std::errc())
        return false;
    value = parsed;
    return true;
}

bool parseReal(std::string_view text, double& value)
{
    if (!skipPrefix(text))
        return false;
    double parsed = 0.0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), parsed, std::chars_format::general);
    if (result.ec != std::errc() || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

} // namespace layrail
