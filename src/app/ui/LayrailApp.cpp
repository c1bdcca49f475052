#include "app/ui/LayrailApp.h"

#include "app/LogText.h"
#include "app/ui/Logs.h"
#include "app/ui/MainFrame.h"
#include "app/ui/SplashDialog.h"
#include "catalog/TrackCatalog.h"

#include <exception>

namespace layrail {

namespace {

void logText(const std::string& text)
{
    logLine(wxString::FromUTF8(text));
}

} // namespace

bool LayrailApp::OnInit()
{
    openRunLog();
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

    auto* splash = new SplashDialog(frame);
    splash->ShowModal();
    splash->Destroy();
    return true;
}

int LayrailApp::OnExit()
{
    logLine("OnExit");
    closeRunLog();
    return 0;
}

} // namespace layrail
