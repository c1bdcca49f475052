// The real program, started as a user starts it: with a layout named on the command line, and again
// after it was killed with unsaved changes. Each run has a home folder of its own, so its data
// folder (run log, recovery copies) is private, and answers its dialogs from a test script
// (LAYRAIL_TEST_SCRIPT, see src/app/StartupScript.h).

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "GuiTestSupport.h"
#include "support/FileTestSupport.h"
#include "document/LayoutFile.h"

extern char** environ;

namespace layrail {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Generous: the program starts on a virtual display of a loaded machine.
constexpr auto kPatience = 90s;

std::string readText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// One run of the program. A run still going when the object goes is killed.
class ProgramRun {
public:
    ProgramRun(const std::string& home, const std::vector<std::string>& arguments, const std::string& script)
        : home_(home)
    {
        const std::string scriptPath = home + "/script.txt";
        std::ofstream(scriptPath) << script;
        std::vector<std::string> environment;
        for (char** variable = environ; *variable != nullptr; ++variable) {
            const std::string entry = *variable;
            if (entry.rfind("HOME=", 0) != 0 && entry.rfind("LAYRAIL_TEST_SCRIPT=", 0) != 0)
                environment.push_back(entry);
        }
        environment.push_back("HOME=" + home);
        environment.push_back("LAYRAIL_TEST_SCRIPT=" + scriptPath);

        std::vector<std::string> command = {LAYRAIL_PROGRAM_PATH};
        command.insert(command.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& word : command)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        std::vector<char*> envp;
        for (std::string& entry : environment)
            envp.push_back(entry.data());
        envp.push_back(nullptr);

        // What GTK says on the way goes to a file the failure messages quote.
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output().c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }

    ~ProgramRun()
    {
        if (running())
            kill();
    }

    bool started() const { return pid_ > 0; }
    bool running()
    {
        if (pid_ <= 0 || exited_)
            return false;
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            exited_ = true;
            status_ = status;
        }
        return !exited_;
    }
    void kill()
    {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, &status_, 0);
        exited_ = true;
    }
    // True when the program ended by itself, with status 0, within the patience.
    bool endsCleanly()
    {
        const auto end = std::chrono::steady_clock::now() + kPatience;
        while (running() && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(50ms);
        return exited_ && WIFEXITED(status_) && WEXITSTATUS(status_) == 0;
    }

    std::string log() const { return readText(home_ + "/.layrail/layrail.log"); }
    std::string output() const { return home_ + "/output.txt"; }
    std::string report() const { return "run log:\n" + log() + "\nprogram output:\n" + readText(output()); }

private:
    std::string home_;
    pid_t pid_ = -1;
    bool exited_ = false;
    int status_ = 0;
};

std::vector<std::string> recoveryCopies(const std::string& home)
{
    std::vector<std::string> copies;
    std::error_code error;
    for (fs::directory_iterator it(home + "/.layrail/recovery", error), end; !error && it != end; it.increment(error))
        if (it->path().extension() == ".lyr")
            copies.push_back(it->path().string());
    return copies;
}

std::string exampleCopy(const test::TempFolder& folder)
{
    const std::string copy = folder.file("Oval.lyr");
    fs::copy_file(std::string(LAYRAIL_SOURCE_DATA_FOLDER) + "/examples/Oval with a siding.lyr", copy,
                  fs::copy_options::overwrite_existing);
    return copy;
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(ProgramRun, OpensTheLayoutNamedOnTheCommandLine)
{
    test::TempFolder home("home");
    const std::string layout = exampleCopy(home);
    ProgramRun run(home.path(), {layout}, "answer ok\ncommand 5006\n");
    ASSERT_TRUE(run.started());
    ASSERT_TRUE(run.endsCleanly()) << run.report();
    const std::string log = run.log();
    EXPECT_TRUE(contains(log, "Opened layout " + layout + ": 19 pieces")) << run.report();
    EXPECT_TRUE(contains(log, "Window title: Layrail v1.3 by Brindlemoor - Oval with a siding\n")) << run.report();
    // Nothing was changed, so nothing was asked on the way out, and no recovery copy is left.
    EXPECT_FALSE(contains(log, "Unsaved Changes")) << run.report();
    EXPECT_TRUE(recoveryCopies(home.path()).empty());
}

TEST(ProgramRun, AFileThatCannotBeOpenedIsReportedAsFileOpenReportsIt)
{
    test::TempFolder home("home");
    const std::string missing = home.file("Missing.lyr");
    const std::string notLayout = home.file("notes.txt");
    std::ofstream(notLayout) << "not a layout";
    for (const std::string& path : {missing, notLayout}) {
        ProgramRun run(home.path(), {path}, "answer ok\nanswer ok\ncommand 5006\n");
        ASSERT_TRUE(run.started());
        ASSERT_TRUE(run.endsCleanly()) << run.report();
        const std::string log = run.log();
        EXPECT_TRUE(contains(log, "Dialog \"Open Failed\": ")) << run.report();
        EXPECT_TRUE(contains(log, path)) << run.report();
        EXPECT_TRUE(contains(log, "Window title: Layrail v1.3 by Brindlemoor\n")) << run.report();
    }
}

TEST(ProgramRun, AKilledProgramsEditIsRecoveredAtTheNextStart)
{
    test::TempFolder home("home");
    const std::string layout = exampleCopy(home);
    {
        // Select All and Delete, then wait for the recovery copy to hold the edit, and kill.
        ProgramRun run(home.path(), {layout}, "answer ok\ncommand 2005\ncommand 2004\n");
        ASSERT_TRUE(run.started());
        const auto end = std::chrono::steady_clock::now() + kPatience;
        bool written = false;
        std::vector<std::string> problems;
        while (!written && run.running() && std::chrono::steady_clock::now() < end) {
            for (const std::string& path : recoveryCopies(home.path())) {
                Layout copy;
                std::string name;
                if (readLayout(path, copy, name).empty() && copy.pieces.empty() && name == "Oval with a siding") {
                    written = true;
                    problems = gui::layoutInvariantProblems(copy);
                }
            }
            std::this_thread::sleep_for(50ms);
        }
        ASSERT_TRUE(written) << run.report();
        EXPECT_TRUE(problems.empty()) << problems.front();
        run.kill();
    }
    // The original file was never touched.
    Layout original;
    std::string name;
    ASSERT_EQ(readLayout(layout, original, name), "");
    EXPECT_EQ(original.pieces.size(), 19u);

    // Started again: the splash, "Recover...?" answered Yes, then Exit, answering No to saving.
    ProgramRun again(home.path(), {}, "answer ok\nanswer yes\nanswer no\ncommand 5006\n");
    ASSERT_TRUE(again.started());
    ASSERT_TRUE(again.endsCleanly()) << again.report();
    const std::string log = again.log();
    EXPECT_TRUE(contains(log, "Dialog \"Recover Layout\": Recover unsaved layout from ")) << again.report();
    EXPECT_TRUE(contains(log, "Recovered layout \"Oval with a siding\" from ")) << again.report();
    EXPECT_TRUE(contains(log, ": 0 pieces")) << again.report();
    EXPECT_TRUE(contains(log, "Window title: Layrail v1.3 by Brindlemoor - Oval with a siding *\n"))
        << again.report();
    EXPECT_TRUE(contains(log, "Dialog \"Unsaved Changes\": ")) << again.report();
    // Closed without saving: the recovered copy and the program's own are both gone.
    EXPECT_TRUE(recoveryCopies(home.path()).empty()) << again.report();
}

} // namespace
} // namespace layrail
