#include <gtest/gtest.h>

#include "app/ProgramData.h"

namespace layrail {
namespace {

const ProgramPlaces kPlaces{"/usr/local", "/home/u/layrail/build", "/home/u/layrail/data"};

TEST(ProgramData, BuildFolderUsesTheSourceTreesData)
{
    EXPECT_EQ(programDataFolder("/home/u/layrail/build/layrail", kPlaces), "/home/u/layrail/data");
    // However the path to the build folder is spelled.
    EXPECT_EQ(programDataFolder("/home/u/layrail/./build/layrail", kPlaces), "/home/u/layrail/data");
    const ProgramPlaces trailing{"/usr/local", "/home/u/layrail/build/", "/home/u/layrail/data"};
    EXPECT_EQ(programDataFolder("/home/u/layrail/build/layrail", trailing), "/home/u/layrail/data");
}

TEST(ProgramData, InstalledProgramFindsShareNextToItsBinFolder)
{
    EXPECT_EQ(programDataFolder("/usr/local/bin/layrail", kPlaces), "/usr/local/share/layrail");
    // A package installs to /usr whatever prefix the build was configured with, and a staged
    // or unpacked tree lies anywhere.
    EXPECT_EQ(programDataFolder("/usr/bin/layrail", kPlaces), "/usr/share/layrail");
    EXPECT_EQ(programDataFolder("/tmp/stage/opt/lr/bin/layrail", kPlaces), "/tmp/stage/opt/lr/share/layrail");
    EXPECT_EQ(programDataFolder("/tmp/stage/usr/bin/../bin/layrail", kPlaces), "/tmp/stage/usr/share/layrail");
}

TEST(ProgramData, ProgramElsewhereUsesTheInstallPrefix)
{
    EXPECT_EQ(programDataFolder("/home/u/apps/layrail", kPlaces), "/usr/local/share/layrail");
    // A folder merely named like the build folder's parent is not the build folder.
    EXPECT_EQ(programDataFolder("/home/u/layrail/layrail", kPlaces), "/usr/local/share/layrail");
    EXPECT_EQ(programDataFolder("/home/u/layrail/build/tests/test_gui", kPlaces), "/usr/local/share/layrail");
    const ProgramPlaces noBuild{"/opt/layrail", "", ""};
    EXPECT_EQ(programDataFolder("/srv/layrail", noBuild), "/opt/layrail/share/layrail");
}

TEST(ProgramData, OnlyBinFoldersCountAsInstalled)
{
    EXPECT_TRUE(isInstalledProgramFolder("/usr/bin"));
    EXPECT_TRUE(isInstalledProgramFolder("/usr/local/bin/"));
    EXPECT_TRUE(isInstalledProgramFolder("/home/u/bin"));
    EXPECT_FALSE(isInstalledProgramFolder("/home/u/layrail/build"));
    EXPECT_FALSE(isInstalledProgramFolder("/home/u/binaries"));
    EXPECT_FALSE(isInstalledProgramFolder("/bin/layrail"));
}

} // namespace
} // namespace layrail
