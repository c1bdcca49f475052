#pragma once

#include <string>

#include "document/Layout.h"

namespace layrail {

// Both return an error text, empty on success.
std::string writeLayout(const Layout& layout, const std::string& path, const std::string& name);
// The text writeLayout puts in the file.
std::string layoutText(const Layout& layout, const std::string& name);
// On failure the layout is left exactly as it was. Joints are kept as written, true or not;
// records whose id an earlier record already holds take fresh ids (see renumberDuplicateIds)
// unless repairIds is false, which shows a file exactly as written (for checking it).
std::string readLayout(const std::string& path, Layout& layout, std::string& name, bool repairIds = true);

} // namespace layrail
