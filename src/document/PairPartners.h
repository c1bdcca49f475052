#pragma once

#include "document/Layout.h"

namespace layrail {

// The piece a pair piece was laid with, or -1. A pair is two pieces of one pair article joined
// first's connector 1 to second's connector 0. When a run of such pieces leaves two candidates,
// the one whose id follows on (a partner takes the next id when it is laid) wins; otherwise the
// run is paired off from its start.
int pairPartnerOf(const Layout& layout, int pieceId);

} // namespace layrail
