#pragma once

#include <string>
#include <vector>

#include "document/Layout.h"

namespace layrail {

// Consistency problems of a layout, one readable text each: in piece order (unknown article,
// missing helix, joints), then duplicate ids, the id counter and the references of tunnels,
// helices and grade runs. An empty list means every article is known, every joint is recorded on
// both pieces between connectors of one track system that meet (see JointGeometry.h), every id is
// unique and below the counter, and every reference names a record that exists.
std::vector<std::string> findLayoutProblems(const Layout& layout);

} // namespace layrail
