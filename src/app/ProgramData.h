#pragma once

#include <string>

namespace layrail {

// Where the program was built and where it installs to, as compiled into it.
struct ProgramPlaces {
    std::string installPrefix;    // e.g. /usr/local
    std::string buildFolder;      // the folder the build writes the executable to
    std::string sourceDataFolder; // data/ of the source tree
};

// True when the executable sits in a "bin" folder, as every installed copy does (/usr/bin,
// /usr/local/bin, a package unpacked elsewhere). Such a folder is no place for layouts, even
// when it happens to be writable.
bool isInstalledProgramFolder(const std::string& executableFolder);

// The folder holding the program's data files (share/layrail of the installation):
// - run from its own build folder: the source tree's data folder, so a fresh build works;
// - installed in <somewhere>/bin: <somewhere>/share/layrail, so a moved or unpacked tree works;
// - anywhere else: <install prefix>/share/layrail.
// Purely a matter of names; nothing is looked up on disk.
std::string programDataFolder(const std::string& executablePath, const ProgramPlaces& places);

} // namespace layrail
