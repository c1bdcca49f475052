#pragma once

#include <string>
#include <vector>

#include "document/Layout.h"

namespace layrail {

// Consistency problems of a layout, one readable text each, in piece order, then duplicate ids.
// An empty list means the joints are symmetric, every article is known, every id is unique and the
// tunnels, helices and grade runs refer to records that exist.
std::vector<std::string> findLayoutProblems(const Layout& layout);

} // namespace layrail
