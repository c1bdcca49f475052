#include "app/ui/ScriptedRun.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <wx/dialog.h>
#include <wx/msgdlg.h>

#include "app/ui/Logs.h"
#include "app/ui/MainFrame.h"

namespace layrail {

namespace {

int dialogResult(ScriptAnswer answer)
{
    switch (answer) {
    case ScriptAnswer::Ok:
        return wxID_OK;
    case ScriptAnswer::Yes:
        return wxID_YES;
    case ScriptAnswer::No:
        return wxID_NO;
    default:
        return wxID_CANCEL;
    }
}

} // namespace

std::unique_ptr<ScriptedRun> ScriptedRun::fromEnvironment()
{
    const char* path = std::getenv(kTestScriptVariable);
    if (path == nullptr || *path == '\0')
        return nullptr;
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    if (!file)
        logLine(wxString::Format("Test script %s cannot be read", wxString::FromUTF8(path)));
    StartupScript script = parseStartupScript(text.str());
    for (const std::string& problem : script.problems)
        logLine("Test script " + wxString::FromUTF8(problem));
    return std::make_unique<ScriptedRun>(std::move(script));
}

ScriptedRun::ScriptedRun(StartupScript script) : script_(std::move(script)) { Register(); }

ScriptedRun::~ScriptedRun() { Unregister(); }

int ScriptedRun::Enter(wxDialog* dialog)
{
    wxString title = dialog->GetTitle();
    wxString text;
    if (auto* message = dynamic_cast<wxMessageDialogBase*>(dialog)) {
        text = message->GetMessage();
        // A native message box may keep its title in the base class only.
        if (title.empty())
            title = message->GetTitle();
    }
    text.Replace("\n", " ");
    logLine("Dialog \"" + title + "\": " + text);
    if (nextAnswer_ >= script_.answers.size())
        return wxID_CANCEL;
    return dialogResult(script_.answers[nextAnswer_++]);
}

void ScriptedRun::start(MainFrame& frame)
{
    logLine("Window title: " + frame.GetTitle());
    runNext(frame);
}

void ScriptedRun::runNext(MainFrame& frame)
{
    if (nextCommand_ >= script_.commands.size())
        return;
    const int id = script_.commands[nextCommand_++];
    // Each command runs from the event loop, as a menu choice would, and the next one after it.
    frame.CallAfter([this, &frame, id] {
        logLine(wxString::Format("Command %d", id));
        wxCommandEvent command(wxEVT_MENU, id);
        command.SetEventObject(&frame);
        frame.ProcessWindowEvent(command);
        runNext(frame);
    });
}

} // namespace layrail
