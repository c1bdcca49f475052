#pragma once

#include "document/Layout.h"

namespace layrail {

// Files written while ids could repeat (Undo across New) may hold two records with one id; an
// edit would then reach the wrong one. After reading, every record whose id an earlier record
// already holds takes a fresh id from the counter: pieces keep theirs first, then scenery items,
// labels, shapes, tunnels, helices, and last the dimension lines the layout kept. References
// follow their kind's first record of the id (portals name scenery items, a piece's helix a
// helix, the others pieces), and each joint follows the piece of that id that records it back
// (or, failing that, whose connector meets it), so joints keep pointing where the file meant.
// Returns the number of records that took a new id.
int renumberDuplicateIds(Layout& layout);

} // namespace layrail
