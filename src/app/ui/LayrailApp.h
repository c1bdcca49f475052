#pragma once

#include <memory>

#include <wx/app.h>

namespace layrail {

class MainFrame;
class ScriptedRun;

// The application object: opens the run log, builds the catalog, shows the
// main window and greets the user with the splash; then offers a layout left
// behind by a program that ended without saving, and opens the layout named on
// the command line ("layrail [FILE]").
class LayrailApp : public wxApp {
public:
    LayrailApp();
    ~LayrailApp() override;

    bool OnInit() override;
    int OnExit() override;

private:
    void openCommandLineFile(MainFrame& frame, bool recovered);

    // Set only by the test hook (LAYRAIL_TEST_SCRIPT).
    std::unique_ptr<ScriptedRun> script_;
};

} // namespace layrail
