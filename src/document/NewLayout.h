#pragma once

#include "document/Layout.h"

namespace layrail {

// Starts a new layout in place: records one undo snapshot, empties the content, restarts the ids
// at 1 and leaves only the default level, active. The unit and the view switches stay.
void startNewLayout(Layout& layout);

} // namespace layrail
