#include "app/ProgramData.h"

#include <filesystem>

namespace layrail {

namespace fs = std::filesystem;

namespace {

// "/a/b/" and "/a/./b" name the same folder as "/a/b".
fs::path normalFolder(const std::string& folder)
{
    fs::path path = fs::path(folder).lexically_normal();
    if (path.has_relative_path() && path.filename().empty())
        path = path.parent_path();
    return path;
}

const char* const kShareSubfolder = "share/layrail";

} // namespace

bool isInstalledProgramFolder(const std::string& executableFolder)
{
    return normalFolder(executableFolder).filename() == "bin";
}

std::string programDataFolder(const std::string& executablePath, const ProgramPlaces& places)
{
    const fs::path folder = normalFolder(fs::path(executablePath).parent_path().string());
    if (!places.buildFolder.empty() && folder == normalFolder(places.buildFolder))
        return places.sourceDataFolder;
    if (isInstalledProgramFolder(folder.string()))
        return (folder.parent_path() / kShareSubfolder).string();
    return (fs::path(places.installPrefix) / kShareSubfolder).string();
}

} // namespace layrail
