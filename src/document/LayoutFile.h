#pragma once

#include <string>

#include "document/Layout.h"

namespace layrail {

// Both return an error text, empty on success.
std::string writeLayout(const Layout& layout, const std::string& path, const std::string& name);
// On failure the layout is left exactly as it was.
std::string readLayout(const std::string& path, Layout& layout, std::string& name);

} // namespace layrail
