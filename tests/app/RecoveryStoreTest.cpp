#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <set>

#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/RecoveryStore.h"
#include "document/LayoutCheck.h"
#include "document/LayoutFile.h"

namespace layrail {
namespace {

namespace fs = std::filesystem;

// A layout whose size and name tell which one it was: generation g has 50 + g pieces and is
// named "gen g".
Layout generation(int g)
{
    Layout layout;
    layout.ensureDefaultLevel();
    for (int i = 0; i < 50 + g; ++i) {
        PlacedPiece piece;
        piece.id = layout.nextId++;
        piece.article = "24188";
        piece.x = 200.0 * (i % 40);
        piece.y = 100.0 * (i / 40);
        layout.pieces.push_back(piece);
    }
    return layout;
}

std::string generationName(int g) { return "gen " + std::to_string(g); }

std::vector<std::string> filesIn(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void setModificationTime(const std::string& path, std::time_t time)
{
    const timeval times[2] = {{time, 0}, {time, 0}};
    ASSERT_EQ(::utimes(path.c_str(), times), 0);
}

class RecoveryStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dataFolder_ = fs::temp_directory_path() / ("layrail_recovery_" + std::to_string(::getpid()) + "_" +
                                                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dataFolder_);
    }
    void TearDown() override { fs::remove_all(dataFolder_); }

    std::string data() const { return dataFolder_.string(); }
    std::string recovery() const { return (dataFolder_ / "recovery").string(); }

    // Reads a copy as the window would, checking that it is whole.
    static void expectGeneration(const std::string& path, int g)
    {
        Layout layout;
        std::string name;
        ASSERT_EQ(readLayout(path, layout, name), "");
        EXPECT_EQ(name, generationName(g));
        EXPECT_EQ(layout.pieces.size(), static_cast<size_t>(50 + g));
        EXPECT_TRUE(findLayoutProblems(layout).empty());
    }

    fs::path dataFolder_;
};

TEST_F(RecoveryStoreTest, CopyOfARunningProgramIsNeverOffered)
{
    RecoveryStore running(data());
    ASSERT_EQ(running.write(generation(1), generationName(1)), "");
    EXPECT_EQ(fs::path(running.copyPath()).parent_path(), fs::path(recovery()));
    EXPECT_EQ(fs::path(running.copyPath()).extension(), ".lyr");

    RecoveryStore starting(data());
    EXPECT_NE(starting.copyPath(), running.copyPath());
    EXPECT_TRUE(starting.leftBehind().empty());
    EXPECT_TRUE(running.leftBehind().empty());
    expectGeneration(running.copyPath(), 1);
}

TEST_F(RecoveryStoreTest, CopyLeftByAProgramThatEndedIsFoundWithItsNameAndTime)
{
    std::string path;
    {
        RecoveryStore crashed(data());
        ASSERT_EQ(crashed.write(generation(2), generationName(2)), "");
        ASSERT_EQ(crashed.write(generation(3), generationName(3)), "");
        path = crashed.copyPath();
    }
    setModificationTime(path, 1700000000);

    RecoveryStore next(data());
    const std::vector<RecoveryCopy> copies = next.leftBehind();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].path, path);
    EXPECT_EQ(copies[0].savedAt, 1700000000);
    expectGeneration(copies[0].path, 3);

    // Claimed by the program that found it: a second one starting now does not offer it too.
    RecoveryStore another(data());
    EXPECT_TRUE(another.leftBehind().empty());

    next.discard(copies[0]);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(filesIn(recovery()).empty());
    EXPECT_TRUE(another.leftBehind().empty());
}

TEST_F(RecoveryStoreTest, CopiesOfAStoreThatEndsUnclaimedAreOfferedAgain)
{
    {
        RecoveryStore crashed(data());
        ASSERT_EQ(crashed.write(generation(1), generationName(1)), "");
    }
    {
        RecoveryStore askedButQuit(data());
        EXPECT_EQ(askedButQuit.leftBehind().size(), 1u);
    }
    RecoveryStore later(data());
    EXPECT_EQ(later.leftBehind().size(), 1u);
}

TEST_F(RecoveryStoreTest, RemoveLeavesNothingBehindAndWritingAgainWorks)
{
    RecoveryStore store(data());
    store.remove(); // nothing written yet
    ASSERT_EQ(store.write(generation(1), generationName(1)), "");
    store.remove();
    EXPECT_FALSE(fs::exists(store.copyPath()));
    EXPECT_TRUE(filesIn(recovery()).empty());

    ASSERT_EQ(store.write(generation(4), generationName(4)), "");
    RecoveryStore other(data());
    EXPECT_TRUE(other.leftBehind().empty());
    expectGeneration(store.copyPath(), 4);
}

TEST_F(RecoveryStoreTest, SeveralCopiesComeNewestFirst)
{
    std::vector<std::string> paths;
    for (int g = 1; g <= 3; ++g) {
        RecoveryStore crashed(data());
        ASSERT_EQ(crashed.write(generation(g), generationName(g)), "");
        paths.push_back(crashed.copyPath());
    }
    ASSERT_EQ(std::set<std::string>(paths.begin(), paths.end()).size(), 3u);
    setModificationTime(paths[0], 1700000300);
    setModificationTime(paths[1], 1700000100);
    setModificationTime(paths[2], 1700000200);

    RecoveryStore next(data());
    const std::vector<RecoveryCopy> copies = next.leftBehind();
    ASSERT_EQ(copies.size(), 3u);
    EXPECT_EQ(copies[0].path, paths[0]);
    EXPECT_EQ(copies[1].path, paths[2]);
    EXPECT_EQ(copies[2].path, paths[1]);
}

TEST_F(RecoveryStoreTest, HalfWrittenFilesOfEndedProgramsAreCleanedOthersKept)
{
    RecoveryStore running(data());
    ASSERT_EQ(running.write(generation(1), generationName(1)), "");
    std::string endedCopy;
    {
        RecoveryStore ended(data());
        ASSERT_EQ(ended.write(generation(2), generationName(2)), "");
        endedCopy = ended.copyPath();
    }
    // Temporary files as the safe writer names them, cut off mid-write.
    const std::string endedTemp = endedCopy + ".tmp4242_7";
    const std::string runningTemp = running.copyPath() + ".tmp4243_0";
    std::ofstream(endedTemp) << "<?xml version=\"1.0\"?>\n<layout name=\"half";
    std::ofstream(runningTemp) << "<?xml";
    // A program killed during its very first write leaves a lock and a temporary file only.
    const std::string firstWrite = recovery() + "/layout-99-1.lyr";
    std::ofstream(firstWrite + ".lock");
    std::ofstream(firstWrite + ".tmp99_0") << "<?x";
    std::ofstream(recovery() + "/unrelated.txt") << "kept";

    RecoveryStore next(data());
    const std::vector<RecoveryCopy> copies = next.leftBehind();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].path, endedCopy);
    expectGeneration(endedCopy, 2);
    EXPECT_FALSE(fs::exists(endedTemp));
    EXPECT_FALSE(fs::exists(firstWrite + ".tmp99_0"));
    EXPECT_FALSE(fs::exists(firstWrite + ".lock"));
    EXPECT_TRUE(fs::exists(runningTemp));
    EXPECT_TRUE(fs::exists(recovery() + "/unrelated.txt"));
}

TEST_F(RecoveryStoreTest, UnwritableFolderReportsTheCopyItCouldNotWrite)
{
    fs::create_directories(dataFolder_);
    std::ofstream(recovery()) << "a file where the folder should be";
    RecoveryStore store(data());
    EXPECT_EQ(store.write(generation(1), generationName(1)), "Cannot open file: " + store.copyPath());
    EXPECT_TRUE(store.leftBehind().empty());
}

// A program killed at any moment while it writes copy after copy leaves one whole copy: the
// last one finished, or the one it was writing if that got renamed in time.
TEST_F(RecoveryStoreTest, KillDuringWritesLeavesAWholeCopy)
{
    std::mt19937 random(7);
    std::set<int> seen;
    for (int round = 0; round < 12; ++round) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(ready[0]);
            RecoveryStore store(data());
            for (int g = 1;; ++g) {
                if (!store.write(generation(g * 40), generationName(g * 40)).empty())
                    ::_exit(2);
                if (g == 1 && ::write(ready[1], "x", 1) != 1)
                    ::_exit(3);
            }
        }
        ::close(ready[1]);
        char byte = 0;
        ASSERT_EQ(::read(ready[0], &byte, 1), 1);
        ::close(ready[0]);
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 150000)(random));
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself: " << status;

        RecoveryStore next(data());
        const std::vector<RecoveryCopy> copies = next.leftBehind();
        ASSERT_EQ(copies.size(), 1u);
        Layout layout;
        std::string name;
        ASSERT_EQ(readLayout(copies[0].path, layout, name), "");
        const int g = static_cast<int>(layout.pieces.size()) - 50;
        EXPECT_EQ(g % 40, 0);
        expectGeneration(copies[0].path, g);
        seen.insert(g);
        // Only the copy itself and its lock remain; no half-written file.
        EXPECT_EQ(filesIn(recovery()).size(), 2u);
        next.discard(copies[0]);
        EXPECT_TRUE(filesIn(recovery()).empty());
    }
    // The kills landed at different points of the writing.
    EXPECT_GT(seen.size(), 1u);
}

TEST(RecoveryQuestion, TimeIsLocalToTheMinute)
{
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    EXPECT_EQ(recoveryTimeText(0), "1970-01-01 00:00");
    EXPECT_EQ(recoveryQuestion({"/x", 1714572239}), "Recover unsaved layout from 2024-05-01 14:03?");
    ::setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    ::tzset();
    EXPECT_EQ(recoveryTimeText(1714572239), "2024-05-01 16:03");
    if (old)
        ::setenv("TZ", saved.c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

} // namespace
} // namespace layrail
