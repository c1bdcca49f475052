#pragma once

#include <cstdint>
#include <vector>

namespace layrail {

// The entries of the panel's colour choice, by index; index 0 "Default" removes a piece's own colour.
struct NamedTrackColour {
    const char* name;
    bool isDefault;
    std::uint8_t red, green, blue;
};

const std::vector<NamedTrackColour>& namedTrackColours();

} // namespace layrail
