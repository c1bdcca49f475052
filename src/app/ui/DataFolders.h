#pragma once

#include <string>

namespace layrail {

// The layouts folder of this run: next to the executable when that folder is writable and not
// an installed program's bin folder, otherwise the user's data folder (~/.layrail on Linux).
std::string defaultLayoutsFolder();

// The user's data folder (~/.layrail on Linux); recovery copies live below it.
std::string userDataFolder();

// The program's installed data files (share/layrail), or the source tree's data folder when
// the program runs from its build folder.
std::string dataFilesFolder();

// Where Import and Export start: Downloads, or the home folder.
std::string transferFolder();

} // namespace layrail
