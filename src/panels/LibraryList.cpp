#include "panels/LibraryList.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace layrail {

namespace fs = std::filesystem;

std::string librarySystemFolderName(const std::string& chooserText)
{
    if (chooserText == "Marklin C-Track")
        return "Marklin_C-Track";
    if (chooserText == "Marklin K-Track")
        return "Marklin_K-Track";
    if (chooserText == "TRIX C-Track")
        return "TRIX_C-Track";
    if (chooserText == "Marklin Z-Track")
        return "Marklin_Z-Track";
    if (chooserText == "Minitrix")
        return "Minitrix-Track";
    std::string name = chooserText;
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
}

std::string libraryFolder(const std::string& dataFolder, const std::string& chooserText)
{
    return (fs::path(dataFolder) / "library" / librarySystemFolderName(chooserText)).string();
}

PaletteList buildLibraryList(const std::string& folder)
{
    PaletteList list;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::directory_entry& entry = *it;
        const fs::path& path = entry.path();
        const std::string fileName = path.filename().string();
        // A name that is only ".xml" is a hidden file, not a block.
        if (fileName.empty() || fileName[0] == '.' || path.extension() != ".xml")
            continue;
        std::error_code typeError;
        if (!entry.is_regular_file(typeError))
            continue;
        list.addItem(path.stem().string(), (fs::path(folder) / fileName).string());
    }
    return list;
}

} // namespace layrail
