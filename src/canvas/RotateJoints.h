#pragma once

#include "document/Layout.h"

namespace layrail {

// After the selected pieces turned: every joint between a turned piece and one left in place
// whose connectors no longer meet is freed on both pieces, then the turned pieces' free ends that
// now meet open track are joined as after a move.
void rejoinAfterTurn(Layout& layout);

} // namespace layrail
