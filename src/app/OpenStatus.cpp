#include "app/OpenStatus.h"

#include "canvas/CanvasStatus.h"

namespace layrail {

std::string openStatusText(const Layout& layout)
{
    // Without grade runs the canvas keeps the text it is given.
    return elevationStatusText(layout, "Ready");
}

} // namespace layrail
