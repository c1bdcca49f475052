#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/FileCopy.h"
#include "app/OpenStatus.h"

namespace layrail {
namespace {

namespace fs = std::filesystem;

class FileCopyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() /
                  ("layrail_copy_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override
    {
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder_);
    }

    std::string write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
        return (folder_ / name).string();
    }
    static std::string read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    size_t fileCount() const
    {
        return static_cast<size_t>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }

    fs::path folder_;
};

TEST_F(FileCopyTest, CopiesEveryByteAndReplacesTheTarget)
{
    std::string bytes;
    for (int i = 0; i < 200000; ++i)
        bytes.push_back(static_cast<char>(i * 7 % 256));
    const std::string source = write("src.lyr", bytes);
    const std::string target = write("dst.lyr", "old and longer than nothing");

    EXPECT_TRUE(copyFileReplacing(source, target));
    EXPECT_EQ(read(target), bytes);
    EXPECT_EQ(read(source), bytes);
    EXPECT_EQ(fileCount(), 2u);
}

TEST_F(FileCopyTest, EmptyFileAndCopyOntoItself)
{
    const std::string empty = write("empty.lyr", "");
    const std::string target = (folder_ / "new.lyr").string();
    EXPECT_TRUE(copyFileReplacing(empty, target));
    EXPECT_TRUE(fs::exists(target));
    EXPECT_EQ(read(target), "");

    const std::string self = write("self.lyr", "same");
    EXPECT_TRUE(copyFileReplacing(self, self));
    EXPECT_EQ(read(self), "same");
}

TEST_F(FileCopyTest, FailuresLeaveTheTargetAsItWas)
{
    const std::string target = write("dst.lyr", "keep me");
    EXPECT_FALSE(copyFileReplacing((folder_ / "missing.lyr").string(), target));
    fs::create_directories(folder_ / "dir.lyr");
    EXPECT_FALSE(copyFileReplacing((folder_ / "dir.lyr").string(), target));
    EXPECT_EQ(read(target), "keep me");

    const std::string source = write("src.lyr", "new");
    EXPECT_FALSE(copyFileReplacing(source, (folder_ / "no" / "such" / "x.lyr").string()));
    EXPECT_FALSE(copyFileReplacing(source, (folder_ / "dir.lyr").string()));
    EXPECT_EQ(fileCount(), 3u);
}

TEST_F(FileCopyTest, ReadOnlyFolderLeavesNoTemporaryFile)
{
    const std::string source = write("src.lyr", "new");
    const fs::path locked = folder_ / "locked";
    fs::create_directories(locked);
    std::ofstream(locked / "dst.lyr") << "old";
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    if (std::ofstream(locked / "probe"))
        GTEST_SKIP() << "running with rights that ignore folder permissions";

    EXPECT_FALSE(copyFileReplacing(source, (locked / "dst.lyr").string()));
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_EQ(read((locked / "dst.lyr").string()), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(locked), fs::directory_iterator()), 1);
}

TEST(OpenStatus, ReadyOrTheGradesOfTheRuns)
{
    Layout layout;
    EXPECT_EQ(openStatusText(layout), "Ready");
    layout.gradeRuns.push_back(GradeRun{2.5, 3, 1});
    layout.gradeRuns.push_back(GradeRun{-1.34, 7, 0});
    EXPECT_EQ(openStatusText(layout), "[ELEV] 2.5 deg -1.3 deg  (right-click piece to stop)");
}

} // namespace
} // namespace layrail
