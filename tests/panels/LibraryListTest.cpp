#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "panels/LibraryList.h"

namespace layrail {
namespace {

namespace fs = std::filesystem;

class LibraryListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() /
                  ("layrail_library_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    void touch(const std::string& name) { std::ofstream(folder_ / name) << "<block/>\n"; }

    fs::path folder_;
};

TEST(LibraryFolder, SystemFolderNames)
{
    EXPECT_EQ(librarySystemFolderName("Marklin C-Track"), "Marklin_C-Track");
    EXPECT_EQ(librarySystemFolderName("Marklin K-Track"), "Marklin_K-Track");
    EXPECT_EQ(librarySystemFolderName("TRIX C-Track"), "TRIX_C-Track");
    EXPECT_EQ(librarySystemFolderName("Marklin Z-Track"), "Marklin_Z-Track");
    EXPECT_EQ(librarySystemFolderName("Minitrix"), "Minitrix-Track");
    EXPECT_EQ(librarySystemFolderName("Kato N Unitrack"), "Kato_N_Unitrack");
    const char sep = fs::path::preferred_separator;
    EXPECT_EQ(libraryFolder("/opt/layrail", "TRIX C-Track"),
              std::string("/opt/layrail") + sep + "library" + sep + "TRIX_C-Track");
}

TEST_F(LibraryListTest, ListsVisibleXmlFilesOnly)
{
    touch("Yard.xml");
    touch("Loop.xml");
    touch(".hidden.xml");
    touch("notes.txt");
    touch("Old.lyr");
    touch("Upper.XML");
    fs::create_directories(folder_ / "Sub.xml");
    touch("Sub.xml/Inner.xml");

    const PaletteList list = buildLibraryList(folder_.string());
    ASSERT_EQ(list.rows.size(), 2u);
    ASSERT_EQ(list.keys.size(), 2u);
    std::vector<std::string> rows = list.rows;
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, (std::vector<std::string>{"Loop", "Yard"}));
    for (size_t i = 0; i < list.rows.size(); ++i)
        EXPECT_EQ(list.keys[i], (folder_ / (list.rows[i] + ".xml")).string());
}

TEST_F(LibraryListTest, MissingFolderGivesAnEmptyList)
{
    const PaletteList list = buildLibraryList((folder_ / "absent").string());
    EXPECT_TRUE(list.rows.empty());
    EXPECT_TRUE(list.keys.empty());
}

} // namespace
} // namespace layrail
