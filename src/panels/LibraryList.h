#pragma once

#include <string>

#include "panels/PaletteLists.h"

namespace layrail {

// The folder name under "library" for a system chooser text ("Marklin C-Track" ->
// "Marklin_C-Track"); unknown texts get their blanks replaced by "_".
std::string librarySystemFolderName(const std::string& chooserText);

// The library folder of a system: the data folder, "library", the system folder name.
std::string libraryFolder(const std::string& dataFolder, const std::string& chooserText);

// One row per visible plain "*.xml" file of the folder, in directory order: the row is the
// file name without extension, the key its full path. Empty when the folder cannot be read.
PaletteList buildLibraryList(const std::string& folder);

} // namespace layrail
