#include "document/TrackColours.h"

namespace layrail {

const std::vector<NamedTrackColour>& namedTrackColours()
{
    static const std::vector<NamedTrackColour> colours = {
        {"Default", true, 0, 0, 0},      {"Red", false, 220, 60, 60},   {"Orange", false, 230, 140, 40},
        {"Yellow", false, 220, 200, 50}, {"Green", false, 60, 170, 60}, {"Blue", false, 60, 100, 200},
        {"Purple", false, 140, 60, 180}, {"Pink", false, 210, 90, 150}, {"White", false, 240, 240, 240},
    };
    return colours;
}

} // namespace layrail
