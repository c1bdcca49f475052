#include "app/WindowTitle.h"

namespace layrail {

namespace {

// Both separators count: layouts may have been written on either kind of system.
std::string fileStem(const std::string& path)
{
    const size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

} // namespace

std::string windowTitle(const std::string& layoutName, const std::string& currentFile, bool modified)
{
    std::string title = kBaseTitle;
    if (!layoutName.empty())
        title += " - " + layoutName;
    else if (!currentFile.empty())
        title += " - " + fileStem(currentFile);
    if (modified)
        title += " *";
    return title;
}

} // namespace layrail
