#include "app/LayoutFolder.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace layrail {

namespace fs = std::filesystem;

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

bool isControl(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

bool isSeparator(char c) { return c == '/' || c == '\\'; }

// Control characters would garble the message box, so they show as "?".
std::string printable(const std::string& name)
{
    std::string shown = name;
    std::replace_if(shown.begin(), shown.end(), isControl, '?');
    return shown;
}

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

bool isVisibleFileWithExtension(const fs::directory_entry& entry, const std::string& extension)
{
    const std::string name = entry.path().filename().string();
    if (name.empty() || name[0] == '.' || entry.path().extension() != extension)
        return false;
    std::error_code error;
    return entry.is_regular_file(error);
}

} // namespace

std::string chooseDataFolder(const std::string& executableFolder, bool executableFolderWritable,
                             const std::string& userDataFolder)
{
    if (executableFolderWritable || userDataFolder.empty())
        return executableFolder;
    return userDataFolder;
}

bool ensureFolder(const std::string& folder)
{
    std::error_code error;
    fs::create_directories(folder, error);
    return fs::is_directory(folder, error);
}

std::string transferStartFolder(const std::string& downloadsFolder, const std::string& homeFolder)
{
    std::error_code error;
    if (!downloadsFolder.empty() && fs::is_directory(downloadsFolder, error))
        return downloadsFolder;
    return homeFolder;
}

std::string trimBlanks(const std::string& text)
{
    const auto first = std::find_if_not(text.begin(), text.end(), isBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isBlank).base();
    if (first >= last)
        return {};
    return std::string(first, last);
}

std::string layoutNameFromEntry(const std::string& entry)
{
    const std::string name = trimBlanks(entry);
    return name.empty() ? kDefaultLayoutName : name;
}

std::string nameProblem(const std::string& name)
{
    if (trimBlanks(name).empty())
        return "Please enter a name.";
    if (name.size() > kMaxNameBytes)
        return "The name is too long. Names may be at most 200 bytes long.";
    const bool refused = name[0] == '.' || std::any_of(name.begin(), name.end(), isSeparator) ||
                         std::any_of(name.begin(), name.end(), isControl);
    if (!refused)
        return {};
    return "The name \"" + printable(name) +
           "\" cannot be used for a file.\n\n"
           "Names may not start with a dot and may not contain / or \\ or control characters.";
}

NamedPath namedFilePath(const std::string& folder, const std::string& name, const std::string& extension)
{
    NamedPath result;
    result.problem = nameProblem(name);
    if (result.ok())
        result.path = (fs::path(folder) / (name + extension)).string();
    return result;
}

std::vector<std::string> listLayoutFiles(const std::string& folder)
{
    std::vector<std::string> layouts;
    std::vector<std::string> older;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (isVisibleFileWithExtension(*it, kLayoutExtension))
            layouts.push_back(it->path().string());
        else if (isVisibleFileWithExtension(*it, kBlockExtension))
            older.push_back(it->path().string());
    }
    std::sort(layouts.begin(), layouts.end());
    std::sort(older.begin(), older.end());
    layouts.insert(layouts.end(), older.begin(), older.end());
    return layouts;
}

std::string displayName(const std::string& path) { return fs::path(path).stem().string(); }

std::string fileNameOf(const std::string& path) { return fs::path(path).filename().string(); }

std::vector<std::string> sortedDisplayNames(const std::vector<std::string>& paths)
{
    std::vector<std::string> names;
    names.reserve(paths.size());
    for (const std::string& path : paths)
        names.push_back(displayName(path));
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

int layoutFileIndex(const std::vector<std::string>& paths, const std::string& name)
{
    for (size_t i = 0; i < paths.size(); ++i) {
        const fs::path path(paths[i]);
        if (path.extension() == kLayoutExtension && path.stem().string() == name)
            return static_cast<int>(i);
    }
    return lastWithDisplayName(paths, name);
}

int lastWithDisplayName(const std::vector<std::string>& paths, const std::string& name)
{
    for (int i = static_cast<int>(paths.size()) - 1; i >= 0; --i) {
        if (displayName(paths[static_cast<size_t>(i)]) == name)
            return i;
    }
    return -1;
}

int findIgnoringCase(const std::vector<std::string>& names, const std::string& name)
{
    if (name.empty())
        return -1;
    for (size_t i = 0; i < names.size(); ++i) {
        if (equalIgnoringCase(names[i], name))
            return static_cast<int>(i);
    }
    return -1;
}

std::string exportName(const std::string& saveAsText)
{
    const std::string name = trimBlanks(saveAsText);
    // Only a layout extension after some name is dropped: "Yard.backup" is a name of its own, and
    // a name with a separator is left whole so that the name check refuses it.
    for (const std::string extension : {kLayoutExtension, kBlockExtension}) {
        if (name.size() <= extension.size())
            continue;
        const size_t dot = name.size() - extension.size();
        if (equalIgnoringCase(name.substr(dot), extension) && !isSeparator(name[dot - 1]))
            return name.substr(0, dot);
    }
    return name;
}

} // namespace layrail
