#pragma once

#include "document/Layout.h"

namespace layrail {

// Takes a tunnel record out with its two portals; false when there is none with the id.
bool removeTunnel(Layout& layout, int tunnelId);

} // namespace layrail
