#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/CommandLineFile.h"
#include "document/LayoutFile.h"

namespace layrail {
namespace {

namespace fs = std::filesystem;

class CommandLineFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() /
                  ("layrail_argv_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "sub");
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string touch(const std::string& name)
    {
        std::ofstream(folder_ / name) << "x";
        return (folder_ / name).string();
    }
    std::string here() const { return folder_.string(); }

    fs::path folder_;
};

TEST_F(CommandLineFileTest, NoArgumentOpensNothing)
{
    EXPECT_FALSE(commandLineFile({}, here()).named());
    EXPECT_FALSE(commandLineFile({"--"}, here()).named());
}

TEST_F(CommandLineFileTest, RelativePathsAreTakenFromTheCurrentFolder)
{
    const std::string yard = touch("sub/Yard.lyr");
    const CommandLineFile file = commandLineFile({"sub/Yard.lyr"}, here());
    EXPECT_TRUE(file.openable()) << file.problem;
    EXPECT_EQ(file.path, yard);
    EXPECT_EQ(commandLineFile({"./sub/../sub/Yard.lyr"}, here()).path, yard);
    EXPECT_EQ(commandLineFile({"Yard.lyr"}, here() + "/sub").path, yard);
    // An absolute path ignores the current folder.
    EXPECT_EQ(commandLineFile({yard}, "/somewhere/else").path, yard);
    EXPECT_TRUE(commandLineFile({yard}, "/somewhere/else").openable());
}

TEST_F(CommandLineFileTest, OlderLayoutsAndAnyLetterCaseAreAccepted)
{
    for (const std::string name : {"old.xml", "SHOUT.LYR", "Mixed.Lyr"}) {
        touch(name);
        EXPECT_TRUE(commandLineFile({name}, here()).openable()) << name;
    }
}

TEST_F(CommandLineFileTest, OnlyTheFirstFileCountsAndADoubleDashEndsOptions)
{
    const std::string first = touch("first.lyr");
    touch("second.lyr");
    EXPECT_EQ(commandLineFile({"first.lyr", "second.lyr"}, here()).path, first);
    const std::string dashed = touch("-dashed.lyr");
    const CommandLineFile file = commandLineFile({"--", "-dashed.lyr"}, here());
    EXPECT_EQ(file.path, dashed);
    EXPECT_TRUE(file.openable());
}

TEST_F(CommandLineFileTest, MissingFilesAndFoldersGetTheOpenMessage)
{
    const CommandLineFile missing = commandLineFile({"nowhere.lyr"}, here());
    EXPECT_TRUE(missing.named());
    EXPECT_FALSE(missing.openable());
    // Exactly what File > Open reports when the reader cannot open the file.
    Layout scratch;
    std::string name;
    EXPECT_EQ(missing.problem, readLayout(missing.path, scratch, name));
    EXPECT_EQ(missing.problem, "Cannot open file: " + here() + "/nowhere.lyr");

    fs::create_directory(folder_ / "folder.lyr");
    EXPECT_EQ(commandLineFile({"folder.lyr"}, here()).problem, "Cannot open file: " + here() + "/folder.lyr");
}

TEST_F(CommandLineFileTest, FilesThatAreNoLayoutsAreRefusedBeforeReading)
{
    touch("photo.jpg");
    touch("notes");
    touch("archive.lyr.bak");
    for (const std::string name : {"photo.jpg", "notes", "archive.lyr.bak"}) {
        const CommandLineFile file = commandLineFile({name}, here());
        EXPECT_FALSE(file.openable()) << name;
        EXPECT_EQ(file.problem, "This is not a layout file:\n" + here() + "/" + name +
                                    "\n\nLayrail opens layouts ending in .lyr, and older layouts ending in .xml.");
    }
}

} // namespace
} // namespace layrail
