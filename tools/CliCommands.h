#pragma once

#include <string>
#include <vector>

namespace layrail {

struct Layout;

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1; // an unreadable file, an unknown article, a failed export
constexpr int kExitUsage = 2;   // wrong arguments, including malformed numbers

// Each command gets the arguments after its name, already counted, and returns the exit status.
int runCatalog(const std::vector<std::string>& args);
int runCheck(const std::vector<std::string>& args);
int runRoundtrip(const std::vector<std::string>& args);
int runSnap(const std::vector<std::string>& args);
int runCompat(const std::vector<std::string>& args);
int runTally(const std::vector<std::string>& args);
int runRender(const std::vector<std::string>& args);
int runGaps(const std::vector<std::string>& args);

// Reads a layout file, printing the reader's error; false when it could not be read.
bool readLayoutFile(const std::string& path, Layout& layout);

} // namespace layrail
