#pragma once

#include <string>

// The property the store table fuzzer holds the reader to, shared with the test that replays its corpus.
namespace layrail::test {

// Reads the bytes as a store table (through a file in the scratch folder). A table the reader accepts
// must send the cart and the About link only to https addresses that name a host and carry nothing but
// web address characters, and every article it lists must reach the cart as "identifier:count". A
// refused file must leave the table as it was and name the line at fault (or say that no line names
// the store). Returns what broke, empty when the property holds.
std::string storeTableFailure(const std::string& bytes, const std::string& scratchFolder);

} // namespace layrail::test
