#pragma once

#include <string>

// The property the file fuzzers hold the readers to, shared with the test that replays their corpus:
// any file a reader accepts is written, read again and written again to the same bytes.
namespace layrail::test {

// Reads the bytes as a layout file (through a file in the scratch folder). When the reader accepts
// them, what the writer makes of the layout must read again and write the same bytes. Returns what
// broke, empty when the property holds or the reader refused the bytes.
std::string layoutRoundTripFailure(const std::string& bytes, const std::string& scratchFolder);

// The same for a library block: the pieces and scenery items read are written as a block again.
std::string blockRoundTripFailure(const std::string& bytes, const std::string& scratchFolder);

} // namespace layrail::test
