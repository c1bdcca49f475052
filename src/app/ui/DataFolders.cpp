#include "app/ui/DataFolders.h"

#include <wx/filename.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

#include "app/LayoutFolder.h"
#include "app/ProgramData.h"

namespace layrail {

namespace {

wxString executableFolder() { return wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetPath(); }

} // namespace

std::string defaultLayoutsFolder()
{
    const wxString folder = executableFolder();
    const bool usable = wxFileName::IsDirWritable(folder) && !isInstalledProgramFolder(folder.utf8_string());
    return chooseDataFolder(folder.utf8_string(), usable, userDataFolder());
}

std::string userDataFolder() { return wxStandardPaths::Get().GetUserDataDir().utf8_string(); }

std::string dataFilesFolder()
{
    // The build writes these three into this one file (see CMakeLists.txt).
    const ProgramPlaces places{LAYRAIL_INSTALL_PREFIX, LAYRAIL_BUILD_FOLDER, LAYRAIL_SOURCE_DATA_FOLDER};
    return programDataFolder(wxStandardPaths::Get().GetExecutablePath().utf8_string(), places);
}

std::string transferFolder()
{
    return transferStartFolder(wxStandardPaths::Get().GetUserDir(wxStandardPaths::Dir_Downloads).utf8_string(),
                               wxGetHomeDir().utf8_string());
}

} // namespace layrail
