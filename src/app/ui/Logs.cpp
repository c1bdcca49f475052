#include "app/ui/Logs.h"

#include "app/LogText.h"

#include <wx/datetime.h>
#include <wx/file.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/stdpaths.h>

#include <memory>
#include <optional>

namespace layrail {

namespace {

std::unique_ptr<wxFile>& runLog()
{
    static std::unique_ptr<wxFile> file;
    return file;
}

std::optional<StartupTrace>& startupTrace()
{
    static std::optional<StartupTrace> trace;
    return trace;
}

wxString logFilePath(const wxString& fileName)
{
    return logFolder() + wxFILE_SEP_PATH + fileName;
}

} // namespace

wxString logFolder()
{
    // Failures here must stay silent: wx would otherwise report them in a message box.
    wxLogNull quiet;
    wxString folder = wxStandardPaths::Get().GetUserLocalDataDir();
    if (!wxDirExists(folder))
        wxFileName::Mkdir(folder, 0777, wxPATH_MKDIR_FULL);
    if (!wxDirExists(folder))
        folder = wxFileName::GetTempDir();
    return folder;
}

void openRunLog()
{
    wxLogNull quiet;
    auto& file = runLog();
    file = std::make_unique<wxFile>();
    file->Open(logFilePath("layrail.log"), wxFile::write, wxS_DEFAULT);
}

void closeRunLog()
{
    auto& file = runLog();
    if (file && file->IsOpened())
        file->Close();
    file.reset();
}

void logLine(const wxString& message)
{
    auto& file = runLog();
    if (!file || !file->IsOpened())
        return;
    wxLogNull quiet;
    const wxDateTime now = wxDateTime::UNow();
    const std::string line = formatLogLine(now.GetHour(), now.GetMinute(), now.GetSecond(),
                                           now.GetMillisecond(), message.utf8_string());
    file->Write(line.data(), line.size());
    file->Flush();
}

void traceStartup(const char* message)
{
    auto& trace = startupTrace();
    if (!trace)
        trace.emplace(std::string(logFilePath("mainframe.log").mb_str(wxConvLibc)));
    trace->write(message);
}

} // namespace layrail
