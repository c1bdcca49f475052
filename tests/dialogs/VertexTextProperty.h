#pragma once

#include <string>

// The property the vertex text fuzzer holds the baseboard dialog's reader to, shared with the test that
// replays its corpus.
namespace layrail::test {

// Reads the text as the custom polygon's vertex list in each display unit. The vertices read must be
// finite and within the largest coordinate, every refused line must be named in order, and the text
// the dialog shows for the vertices read must read back to the same vertices within the hundredth it
// prints, and show again as the same text. Returns what broke, empty when the property holds.
std::string vertexTextFailure(const std::string& text);

} // namespace layrail::test
