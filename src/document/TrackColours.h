#pragma once

#include <cstdint>
#include <vector>

namespace layrail {

// A colour of the properties panel's colour choice; "Default" takes a piece's own colour away.
struct NamedTrackColour {
    const char* name;
    bool clears;
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// In the order of the choice: Default, Red, Orange, Yellow, Green, Blue, Purple, Pink, White.
const std::vector<NamedTrackColour>& namedTrackColours();

} // namespace layrail
