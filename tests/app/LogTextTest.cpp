#include "app/LogText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace layrail {
namespace {

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(LogLineFormat, PadsEveryFieldAndEndsWithOneLineFeed)
{
    EXPECT_EQ(formatLogLine(7, 5, 3, 9, "Show OK"), "07:05:03.009 Show OK\n");
    EXPECT_EQ(formatLogLine(23, 59, 59, 999, ""), "23:59:59.999 \n");
    EXPECT_EQ(formatLogLine(0, 0, 0, 0, "Größe"), "00:00:00.000 Größe\n");
}

TEST(LogLineFormat, StartupMessages)
{
    EXPECT_EQ(catalogLoadedText(166), "Built-in catalog loaded - 166 pieces");
    EXPECT_EQ(catalogLoadedText(0), "Built-in catalog loaded - 0 pieces");
    EXPECT_EQ(exceptionText("bad alloc"), "EXCEPTION: bad alloc");
    EXPECT_EQ(exceptionText(""), "EXCEPTION: Unknown exception");
    EXPECT_EQ(exceptionText(nullptr), "EXCEPTION: Unknown exception");
}

class StartupTraceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path() /
                  ("layrail_trace_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        path_ = (folder_ / "mainframe.log").string();
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path folder_;
    std::string path_;
};

TEST_F(StartupTraceTest, EachRunStartsAfreshAndAppendsCrLfLines)
{
    {
        StartupTrace firstRun(path_);
        firstRun.write("A: wxFrame base constructed");
        firstRun.write("B: MenuBar done");
    }
    EXPECT_EQ(readAll(path_), "A: wxFrame base constructed\r\nB: MenuBar done\r\n");

    StartupTrace secondRun(path_);
    secondRun.write("A: wxFrame base constructed");
    EXPECT_EQ(readAll(path_), "A: wxFrame base constructed\r\n");
    secondRun.write("F: MainFrame constructor complete");
    EXPECT_EQ(readAll(path_), "A: wxFrame base constructed\r\nF: MainFrame constructor complete\r\n");
}

TEST_F(StartupTraceTest, FileIsClosedAfterEveryLine)
{
    StartupTrace trace(path_);
    trace.write("one");
    // Another writer can remove and recreate the file between lines: nothing is held open.
    std::filesystem::remove(path_);
    trace.write("two");
    EXPECT_EQ(readAll(path_), "two\r\n");
}

TEST_F(StartupTraceTest, UnwritablePathIsIgnored)
{
    StartupTrace trace((folder_ / "missing" / "deeper" / "mainframe.log").string());
    trace.write("A: wxFrame base constructed");
    trace.write(nullptr);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "missing"));
}

} // namespace
} // namespace layrail
