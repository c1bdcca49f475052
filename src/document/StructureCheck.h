#pragma once

#include <string>
#include <vector>

#include "document/Layout.h"

namespace layrail {

// Problems of the records laid over the pieces: a tunnel's portals, anchors and covered pieces, a
// helix's stubs and the pieces marked as helix track, and grade run anchors must all exist and
// agree with each other.
void appendStructureProblems(const Layout& layout, std::vector<std::string>& problems);

} // namespace layrail
