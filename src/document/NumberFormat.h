#pragma once

#include <string>
#include <string_view>

namespace layrail {

// Number text of the document files. Independent of the C and C++ locales, so a
// program that switches to a locale with a decimal comma still writes and reads ".".

// Fixed-point with exactly four decimals, as "%.4f" in the "C" locale. Values that
// are not finite are written as 0.0000 so that a saved file always reads back.
void appendReal(std::string& out, double value);
std::string formatReal(double value);
void appendInt(std::string& out, long long value);

// Like strtol (base 10) and strtod: leading blanks skipped, the longest valid prefix
// taken, trailing text ignored. False when no number begins the text, when it is out
// of the range of the type, or (for reals) when it is not finite.
bool parseInt(std::string_view text, int& value);
bool parseReal(std::string_view text, double& value);

} // namespace layrail
