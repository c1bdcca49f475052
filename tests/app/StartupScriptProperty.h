#pragma once

#include <string>

// The property the start-up script fuzzer holds the test hook's reader to, shared with the test that
// replays its corpus.
namespace layrail::test {

// Reads the text as a start-up script. Every line must be skipped (blank or a comment), taken (exactly
// "answer" with ok, yes, no or cancel, or "command" with a number of at most six digits, between any
// blanks) or named once among the problems; a documented line is never refused, and the answers and
// commands taken are those of the documented lines in file order. Returns what broke, empty when the
// property holds.
std::string startupScriptFailure(const std::string& text);

} // namespace layrail::test
