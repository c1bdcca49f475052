#pragma once

#include <string>

namespace layrail {

// The layouts folder of this run: next to the executable when that folder is writable,
// otherwise the user's data folder (~/.layrail on Linux).
std::string defaultLayoutsFolder();

// Where Import and Export start: Downloads, or the home folder.
std::string transferFolder();

} // namespace layrail
