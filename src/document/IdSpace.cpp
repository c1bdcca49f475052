#include "document/IdSpace.h"

#include <algorithm>

namespace layrail {

namespace {

template <typename Records>
int largestIdOf(const Records& records, int largest)
{
    for (const auto& record : records)
        largest = std::max(largest, record.id);
    return largest;
}

} // namespace

int largestContentId(const Layout& layout)
{
    int largest = 0;
    largest = largestIdOf(layout.pieces, largest);
    largest = largestIdOf(layout.scenery, largest);
    largest = largestIdOf(layout.labels, largest);
    largest = largestIdOf(layout.dimensionLines, largest);
    largest = largestIdOf(layout.shapes, largest);
    largest = largestIdOf(layout.tunnels, largest);
    largest = largestIdOf(layout.helices, largest);
    return largest;
}

void raiseNextIdAboveContent(Layout& layout)
{
    const int largest = largestContentId(layout);
    if (layout.nextId <= largest)
        layout.nextId = largest + 1;
}

} // namespace layrail
