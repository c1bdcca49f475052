#pragma once

#include <string>
#include <vector>

namespace layrail {

constexpr const char* kDefaultLayoutName = "My Layout";
constexpr const char* kLayoutExtension = ".lyr";
constexpr const char* kBlockExtension = ".xml";
constexpr size_t kMaxNameBytes = 200;
constexpr const char* kInvalidNameTitle = "Invalid Name";

// Layouts and library blocks live next to the executable; an installed program, whose folder
// is not writable, keeps them in the user's data folder instead.
std::string chooseDataFolder(const std::string& executableFolder, bool executableFolderWritable,
                             const std::string& userDataFolder);
// Creates the folder with its missing parents; true when it exists afterwards.
bool ensureFolder(const std::string& folder);

// Import and Export start in Downloads, or in the home folder when Downloads is missing.
std::string transferStartFolder(const std::string& downloadsFolder, const std::string& homeFolder);

// Strips white space from both ends.
std::string trimBlanks(const std::string& text);
// The name Save uses for an entry: trimmed, "My Layout" when blank.
std::string layoutNameFromEntry(const std::string& entry);

// Why a layout or block name cannot name a file in its folder, as the message to show; empty
// when it can. Refused: blank names, names starting with a dot (".", "..", hidden files that
// no list would show), path separators, control characters and names over 200 bytes.
std::string nameProblem(const std::string& name);

// The file a name stands for in a folder; no path when the name is refused.
struct NamedPath {
    std::string path;
    std::string problem;
    bool ok() const { return problem.empty(); }
};
NamedPath namedFilePath(const std::string& folder, const std::string& name, const std::string& extension);
inline NamedPath layoutPath(const std::string& folder, const std::string& name)
{
    return namedFilePath(folder, name, kLayoutExtension);
}
inline NamedPath blockPath(const std::string& folder, const std::string& name)
{
    return namedFilePath(folder, name, kBlockExtension);
}

// The visible plain files of the folder: every "*.lyr", then every "*.xml" (older layouts),
// each group in name order. Subfolders are not searched.
std::vector<std::string> listLayoutFiles(const std::string& folder);

// The file name without folder and extension.
std::string displayName(const std::string& path);
// The file name without folder.
std::string fileNameOf(const std::string& path);
// The display names of the files, ascending, each once: a ".lyr" and an older ".xml" of the same
// name are one layout to the user.
std::vector<std::string> sortedDisplayNames(const std::vector<std::string>& paths);
// The file a display name stands for: its ".lyr" (the one the program saves) when there is one,
// else the last listed file of that name; -1 when none has it.
int layoutFileIndex(const std::vector<std::string>& paths, const std::string& name);
// The last listed file with this display name, or -1.
int lastWithDisplayName(const std::vector<std::string>& paths, const std::string& name);
// The first name equal to the given one regardless of case, or -1; -1 for an empty name.
int findIgnoringCase(const std::vector<std::string>& names, const std::string& name);

// Export's target name from the "Save as" text: trimmed and without a layout extension, so that
// "Yard.xml" and "Yard.lyr" both export as Yard.lyr; any other dot belongs to the name.
std::string exportName(const std::string& saveAsText);

} // namespace layrail
