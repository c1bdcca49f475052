#include "app/ui/DataFolders.h"

#include <wx/filename.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

#include "app/LayoutFolder.h"

namespace layrail {

std::string defaultLayoutsFolder()
{
    const wxStandardPaths& paths = wxStandardPaths::Get();
    const wxString executableFolder = wxFileName(paths.GetExecutablePath()).GetPath();
    return chooseDataFolder(executableFolder.utf8_string(), wxFileName::IsDirWritable(executableFolder),
                            paths.GetUserDataDir().utf8_string());
}

std::string transferFolder()
{
    return transferStartFolder(wxStandardPaths::Get().GetUserDir(wxStandardPaths::Dir_Downloads).utf8_string(),
                               wxGetHomeDir().utf8_string());
}

} // namespace layrail
