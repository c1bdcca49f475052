#include <cstdio>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/init.h>
#include <wx/log.h>

namespace {

class GuiTestApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

// A failed wx check fails the running test instead of opening a dialog that nobody closes.
void failOnAssert(const wxString& file, int line, const wxString& function, const wxString& condition,
                  const wxString& message)
{
    ADD_FAILURE_AT(file.utf8_str().data(), line)
        << "wx assertion \"" << condition.utf8_string() << "\" in " << function.utf8_string() << ": "
        << message.utf8_string();
}

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new GuiTestApp);
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "test_gui: wxWidgets could not start (is there a display?)\n");
        return 1;
    }
    wxSetAssertHandler(failOnAssert);
    // Logged errors would otherwise wait in a message box at the next idle time.
    delete wxLog::SetActiveTarget(new wxLogStderr);
    int result = 1;
    if (wxTheApp->CallOnInit()) {
        // Yields, idle handling and modal loops expect an active event loop, as in a running program.
        wxEventLoop loop;
        wxEventLoopActivator activate(&loop);
        result = RUN_ALL_TESTS();
        wxTheApp->OnExit();
    }
    wxEntryCleanup();
    return result;
}
