#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/LayoutFolder.h"

namespace layrail {
namespace {

namespace fs = std::filesystem;

const std::string kSep(1, fs::path::preferred_separator);

class LayoutFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() /
                  ("layrail_layouts_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string touch(const std::string& name)
    {
        std::ofstream(folder_ / name) << "x";
        return (folder_ / name).string();
    }

    fs::path folder_;
};

TEST(LayoutNames, RefusedNamesNeverBecomePaths)
{
    const std::vector<std::string> refused = {"../x", "a/b", "a\\b", "..", ".", "", "   ", ".hidden", "tab\there",
                                   std::string("nul\0byte", 8), "bell\a", "del\x7F"};
    for (const std::string& name : refused) {
        const NamedPath target = layoutPath("/layouts", name);
        EXPECT_FALSE(target.ok()) << name;
        EXPECT_TRUE(target.path.empty()) << name;
        EXPECT_FALSE(nameProblem(name).empty()) << name;
    }
}

TEST(LayoutNames, ProblemTextsNameTheFault)
{
    EXPECT_EQ(nameProblem("a/b"), "The name \"a/b\" cannot be used for a file.\n\n"
                                  "Names may not start with a dot and may not contain / or \\ or control characters.");
    // Control characters are shown as "?" so the message stays readable.
    EXPECT_NE(nameProblem("a\nb").find("\"a?b\""), std::string::npos);
    EXPECT_EQ(nameProblem(""), "Please enter a name.");
    EXPECT_EQ(nameProblem(std::string(201, 'a')), "The name is too long. Names may be at most 200 bytes long.");
}

TEST(LayoutNames, AcceptedNamesAreUsedAsTyped)
{
    const NamedPath target = layoutPath("/layouts", "ok name");
    ASSERT_TRUE(target.ok());
    EXPECT_EQ(target.path, "/layouts" + kSep + "ok name.lyr");
    EXPECT_EQ(blockPath("/lib", "Station 2 (ver.1)").path, "/lib" + kSep + "Station 2 (ver.1).xml");
    EXPECT_TRUE(nameProblem(std::string(200, 'a')).empty());
    EXPECT_TRUE(nameProblem("Bahnhof M\xC3\xBCnchen").empty());
    EXPECT_TRUE(nameProblem("a..b").empty());
    EXPECT_TRUE(nameProblem(" leading blank").empty());
}

TEST(LayoutNames, SaveEntryIsTrimmedAndDefaults)
{
    EXPECT_EQ(layoutNameFromEntry("  Yard \t"), "Yard");
    EXPECT_EQ(layoutNameFromEntry(""), "My Layout");
    EXPECT_EQ(layoutNameFromEntry(" \t "), "My Layout");
    EXPECT_EQ(layoutPath("/layouts", layoutNameFromEntry("  ")).path, "/layouts" + kSep + "My Layout.lyr");
    EXPECT_EQ(trimBlanks("\n a b \r"), "a b");
}

TEST(LayoutsFolder, ExecutableFolderUnlessItIsNotWritable)
{
    EXPECT_EQ(chooseDataFolder("/home/u/layrail", true, "/home/u/.layrail"), "/home/u/layrail");
    EXPECT_EQ(chooseDataFolder("/usr/bin", false, "/home/u/.layrail"), "/home/u/.layrail");
    EXPECT_EQ(chooseDataFolder("/usr/bin", false, ""), "/usr/bin");
}

TEST_F(LayoutFolderTest, EnsureFolderCreatesMissingParents)
{
    const fs::path deep = folder_ / "library" / "Marklin_C-Track";
    EXPECT_TRUE(ensureFolder(deep.string()));
    EXPECT_TRUE(fs::is_directory(deep));
    EXPECT_TRUE(ensureFolder(deep.string()));
    const std::string file = touch("plain");
    EXPECT_FALSE(ensureFolder(file));
}

TEST_F(LayoutFolderTest, TransferStartsInDownloadsWhenItExists)
{
    EXPECT_EQ(transferStartFolder(folder_.string(), "/home/u"), folder_.string());
    EXPECT_EQ(transferStartFolder((folder_ / "missing").string(), "/home/u"), "/home/u");
    EXPECT_EQ(transferStartFolder("", "/home/u"), "/home/u");
}

TEST_F(LayoutFolderTest, ListsLyrFilesFirstThenXmlWithoutHiddenOrNested)
{
    const std::string oldB = touch("b.xml");
    const std::string newA = touch("a.lyr");
    const std::string oldA = touch("a.xml");
    const std::string newC = touch("c.lyr");
    touch(".secret.lyr");
    touch(".lyr");
    touch("notes.txt");
    touch("upper.LYR");
    fs::create_directories(folder_ / "nested.lyr");
    fs::create_directories(folder_ / "sub");
    std::ofstream(folder_ / "sub" / "deep.lyr") << "x";

    EXPECT_EQ(listLayoutFiles(folder_.string()), (std::vector<std::string>{newA, newC, oldA, oldB}));
    EXPECT_TRUE(listLayoutFiles((folder_ / "missing").string()).empty());
}

TEST(LayoutListing, DisplayNamesAndLookups)
{
    const std::vector<std::string> paths = {"/l/Yard.lyr", "/l/main.line.lyr", "/l/Loop.lyr", "/l/Yard.xml"};
    EXPECT_EQ(displayName("/l/main.line.lyr"), "main.line");
    EXPECT_EQ(fileNameOf("/l/Yard.xml"), "Yard.xml");
    // A saved Yard.lyr beside an older Yard.xml is one row, and that row opens the file the
    // program saved.
    EXPECT_EQ(sortedDisplayNames(paths), (std::vector<std::string>{"Loop", "Yard", "main.line"}));
    EXPECT_EQ(layoutFileIndex(paths, "Yard"), 0);
    EXPECT_EQ(layoutFileIndex({"/l/Old.xml", "/l/Old.lyr.xml"}, "Old"), 0);
    EXPECT_EQ(layoutFileIndex(paths, "main.line"), 1);
    EXPECT_EQ(layoutFileIndex(paths, "None"), -1);

    EXPECT_EQ(lastWithDisplayName(paths, "Yard"), 3);
    EXPECT_EQ(lastWithDisplayName(paths, "Loop"), 2);
    EXPECT_EQ(lastWithDisplayName(paths, "None"), -1);

    const std::vector<std::string> names = {"Loop", "Yard"};
    EXPECT_EQ(findIgnoringCase(names, "yARD"), 1);
    EXPECT_EQ(findIgnoringCase(names, ""), -1);
    EXPECT_EQ(findIgnoringCase(names, "Yar"), -1);
}

TEST(ExportName, DropsOneExtensionSoLyrIsNotDoubled)
{
    EXPECT_EQ(exportName("Yard"), "Yard");
    EXPECT_EQ(exportName(" Yard.lyr "), "Yard");
    EXPECT_EQ(exportName("Yard.xml"), "Yard");
    EXPECT_EQ(exportName("Yard.backup.lyr"), "Yard.backup");
    EXPECT_EQ(exportName("Yard.LYR"), "Yard");
    // A dot that starts no layout extension belongs to the name.
    EXPECT_EQ(exportName("Yard.backup"), "Yard.backup");
    EXPECT_EQ(exportName("Layout v1.2"), "Layout v1.2");
    EXPECT_EQ(exportName("   "), "");
    EXPECT_EQ(layoutPath("/dest", exportName("Yard.xml")).path, "/dest" + kSep + "Yard.lyr");
}

TEST(ExportName, PathLikeNamesStayRefused)
{
    for (const char* text : {"../x.lyr", "a.b/c", "..lyr", ".lyr", "dir\\x.lyr"}) {
        const std::string name = exportName(text);
        EXPECT_FALSE(nameProblem(name).empty()) << text << " -> " << name;
    }
}

} // namespace
} // namespace layrail
