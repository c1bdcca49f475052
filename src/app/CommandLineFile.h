#pragma once

#include <string>
#include <vector>

namespace layrail {

constexpr const char* kOpenFailedTitle = "Open Failed";

// The layout named on the command line ("layrail PATH"), decided before anything is read.
struct CommandLineFile {
    // Absolute and normalised; empty when the command line names no file.
    std::string path;
    // When not empty, the message to show titled "Open Failed" instead of opening the file.
    std::string problem;

    bool named() const { return !path.empty(); }
    bool openable() const { return named() && problem.empty(); }
};

// Takes the first argument after the program name ("--" before it is skipped, so a file whose
// name starts with a dash can be given); further arguments are ignored, as the window holds one
// layout. A relative path is taken from the current folder. The file must exist and end in
// ".lyr", or ".xml" as older layouts did (either in any letter case); anything else is refused
// before it is read, so that a later Save can never overwrite a file that is no layout.
CommandLineFile commandLineFile(const std::vector<std::string>& arguments, const std::string& currentFolder);

} // namespace layrail
