#include "app/ui/LayrailApp.h"

#include "app/CommandLineFile.h"
#include "app/LogText.h"
#include "app/ui/DataFolders.h"
#include "app/ui/FileCommands.h"
#include "app/ui/Logs.h"
#include "app/ui/MainFrame.h"
#include "app/ui/RecoveryKeeper.h"
#include "app/ui/ScriptedRun.h"
#include "app/ui/SplashDialog.h"
#include "catalog/TrackCatalog.h"

#include <exception>
#include <string>
#include <vector>

#include <wx/filefn.h>
#include <wx/msgdlg.h>

namespace layrail {

namespace {

void logText(const std::string& text)
{
    logLine(wxString::FromUTF8(text));
}

} // namespace

LayrailApp::LayrailApp() = default;

LayrailApp::~LayrailApp() = default;

bool LayrailApp::OnInit()
{
    openRunLog();
    script_ = ScriptedRun::fromEnvironment();
    logLine("=== Layrail starting ===");
    logText(catalogLoadedText(TrackCatalog::instance().count()));
    logLine("Creating MainFrame...");

    MainFrame* frame = nullptr;
    try {
        // A throwing constructor unwinds the frame's bases, which releases the half-built window.
        frame = new MainFrame();
        logLine("MainFrame created OK");
    } catch (const std::exception& error) {
        logText(exceptionText(error.what()));
        return false;
    } catch (...) {
        logLine("UNKNOWN EXCEPTION in MainFrame");
        return false;
    }

    frame->Show(true);
    logLine("Show OK");
    frame->layout().ensureDefaultLevel();

    frame->keepRecoveryCopies(userDataFolder());

    auto* splash = new SplashDialog(frame);
    splash->ShowModal();
    splash->Destroy();

    const bool recovered = frame->recovery()->offerLeftBehind(frame);
    openCommandLineFile(*frame, recovered);
    if (script_)
        script_->start(*frame);
    return true;
}

void LayrailApp::openCommandLineFile(MainFrame& frame, bool recovered)
{
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back(argv[i].utf8_string());
    const CommandLineFile named = commandLineFile(arguments, wxGetCwd().utf8_string());
    if (!named.named())
        return;
    // The recovered layout holds unsaved work; the named file is safe where it is.
    if (recovered) {
        logText("Not opened, a recovered layout is open: " + named.path);
        return;
    }
    if (!named.openable()) {
        wxMessageBox(wxString::FromUTF8(named.problem), kOpenFailedTitle, wxOK | wxICON_ERROR, &frame);
        return;
    }
    loadLayoutFile(frame.commands(), named.path);
}

int LayrailApp::OnExit()
{
    script_.reset();
    logLine("OnExit");
    closeRunLog();
    return 0;
}

} // namespace layrail
