#pragma once

#include <string>
#include <vector>

namespace layrail {

// The program's one test hook. With the environment variable LAYRAIL_TEST_SCRIPT naming a file,
// the program answers its modal dialogs from that file instead of showing them (writing each
// dialog's title and text to the run log), and runs menu commands once it has started. The GUI
// tests drive the real program with it; without the variable nothing changes. The file:
//
//   # a comment; blank lines are skipped
//   answer ok          the next dialog ends with OK (the splash included); also yes, no, cancel
//   command 2005       once started, run this menu command (commands run in file order)
//
// A dialog with no answer left is cancelled.
constexpr const char* kTestScriptVariable = "LAYRAIL_TEST_SCRIPT";

enum class ScriptAnswer { Ok, Yes, No, Cancel };

struct StartupScript {
    std::vector<ScriptAnswer> answers;
    std::vector<int> commands;
    // One text per line that could not be read, e.g. "line 3: unknown step \"click\"".
    std::vector<std::string> problems;
};

StartupScript parseStartupScript(const std::string& text);

} // namespace layrail
