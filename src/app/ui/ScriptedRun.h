#pragma once

#include <cstddef>
#include <memory>

#include <wx/modalhook.h>

#include "app/StartupScript.h"

namespace layrail {

class MainFrame;

// The test hook of StartupScript.h at work: answers modal dialogs from the script and logs what
// each one asked; once the program has started, runs the script's commands one after the other.
class ScriptedRun : public wxModalDialogHook {
public:
    // The script named by LAYRAIL_TEST_SCRIPT, or null when the variable is not set. A file that
    // cannot be read, and every line that cannot, is logged; the rest of the script still runs.
    static std::unique_ptr<ScriptedRun> fromEnvironment();

    explicit ScriptedRun(StartupScript script);
    ~ScriptedRun() override;

    // Logs the window title, then runs the commands, each after the previous one has finished.
    void start(MainFrame& frame);

protected:
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog*) override {}

private:
    void runNext(MainFrame& frame);

    StartupScript script_;
    std::size_t nextAnswer_ = 0;
    std::size_t nextCommand_ = 0;
};

} // namespace layrail
