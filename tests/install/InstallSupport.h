#pragma once

#include <string>
#include <vector>

namespace layrail::install {

struct CommandResult {
    int status = -1; // the exit status; -1 when the command did not end normally
    std::string output; // standard output and standard error together
};

// Runs a shell command line.
CommandResult runCommand(const std::string& command);
// Quotes one argument for the shell.
std::string shellQuoted(const std::string& argument);

std::string readText(const std::string& path);
std::vector<std::string> splitLines(const std::string& text);

// Every regular file below the folder, as paths relative to it, sorted.
std::vector<std::string> filesBelow(const std::string& folder);

// The width and height a PNG file's header gives; {0, 0} when it is no PNG.
struct PngSize {
    unsigned width = 0;
    unsigned height = 0;
};
PngSize pngSize(const std::string& path);

// A fresh folder under the temporary folder, removed with everything in it.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

} // namespace layrail::install
