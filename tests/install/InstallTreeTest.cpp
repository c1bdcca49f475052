#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

#include "InstallSupport.h"
#include "app/ProgramData.h"

namespace layrail::install {
namespace {

namespace fs = std::filesystem;

const ProgramPlaces kPlaces{LAYRAIL_INSTALL_PREFIX, LAYRAIL_BUILD_DIR, LAYRAIL_SOURCE_DATA_FOLDER};

bool hasLine(const std::string& text, const std::string& line)
{
    for (const std::string& each : splitLines(text))
        if (each == line)
            return true;
    return false;
}

// One install into a temporary DESTDIR, as `make install DESTDIR=...` does it, shared by the
// checks of this file.
class InstallTree : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        stage_ = new ScratchFolder;
        const CommandResult install = runCommand("DESTDIR=" + shellQuoted(stage_->path()) + " " + shellQuoted(LAYRAIL_CMAKE) +
                                                 " --install " + shellQuoted(LAYRAIL_BUILD_DIR));
        installed_ = install.status == 0;
        installOutput_ = new std::string(install.output);
    }
    static void TearDownTestSuite()
    {
        delete stage_;
        delete installOutput_;
    }
    void SetUp() override { ASSERT_TRUE(installed_) << *installOutput_; }

    // A path of the installed tree, e.g. "bin/layrail".
    static std::string at(const std::string& relative)
    {
        return (fs::path(stage_->path() + LAYRAIL_INSTALL_PREFIX) / relative).string();
    }

    static ScratchFolder* stage_;
    static bool installed_;
    static std::string* installOutput_;
};

ScratchFolder* InstallTree::stage_ = nullptr;
bool InstallTree::installed_ = false;
std::string* InstallTree::installOutput_ = nullptr;

TEST_F(InstallTree, EverythingLandsBelowThePrefix)
{
    for (const std::string& file : filesBelow(stage_->path()))
        EXPECT_EQ(("/" + file).rfind(std::string(LAYRAIL_INSTALL_PREFIX) + "/", 0), 0u) << file;
    for (const std::string program : {"bin/layrail", "bin/layrail-cli"})
        EXPECT_EQ(::access(at(program).c_str(), X_OK), 0) << program;
}

TEST_F(InstallTree, DesktopEntryIsValidAndOpensLayouts)
{
    const std::string entry = at("share/applications/layrail.desktop");
    const CommandResult validate = runCommand("desktop-file-validate " + shellQuoted(entry));
    EXPECT_EQ(validate.status, 0) << validate.output;
    EXPECT_EQ(validate.output, "");
    const std::string text = readText(entry);
    EXPECT_TRUE(hasLine(text, "Exec=layrail %f")) << text;
    EXPECT_TRUE(hasLine(text, "Icon=layrail")) << text;
    EXPECT_TRUE(hasLine(text, "MimeType=application/x-layrail;")) << text;
}

TEST_F(InstallTree, FileTypeClaimsLyrFiles)
{
    const std::string mime = at("share/mime");
    ASSERT_TRUE(fs::is_regular_file(mime + "/packages/layrail.xml"));
    // The desktop's own tool compiles the entry, as the package's trigger does on a real system.
    const CommandResult update = runCommand("update-mime-database " + shellQuoted(mime));
    ASSERT_EQ(update.status, 0) << update.output;
    EXPECT_TRUE(hasLine(readText(mime + "/globs"), "application/x-layrail:*.lyr"));
    const std::string type = readText(mime + "/application/x-layrail.xml");
    EXPECT_NE(type.find("<comment>Layrail layout</comment>"), std::string::npos) << type;
    EXPECT_NE(readText(mime + "/subclasses").find("application/x-layrail application/xml"), std::string::npos);
}

TEST_F(InstallTree, IconComesInEverySizeItClaims)
{
    const std::string hicolor = at("share/icons/hicolor");
    std::vector<std::string> expected;
    for (unsigned size : {16u, 32u, 48u, 64u, 128u, 256u}) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        expected.push_back(folder + "/apps/layrail.png");
        const PngSize png = pngSize(hicolor + "/" + expected.back());
        EXPECT_EQ(png.width, size) << folder;
        EXPECT_EQ(png.height, size) << folder;
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(filesBelow(hicolor), expected);
}

TEST_F(InstallTree, ManPagesAreCompressedAndWellFormed)
{
    for (const std::string page : {"layrail-cli", "layrail"}) {
        const std::string path = at("share/man/man1/" + page + ".1.gz");
        const CommandResult text = runCommand("gzip -dc " + shellQuoted(path));
        ASSERT_EQ(text.status, 0) << text.output;
        std::string title = page;
        std::transform(title.begin(), title.end(), title.begin(), ::toupper);
        EXPECT_EQ(text.output.rfind(".TH " + title + " 1 ", 0), 0u) << page;
        const CommandResult check = runCommand("gzip -dc " + shellQuoted(path) + " | groff -man -ww -z");
        EXPECT_EQ(check.status, 0) << check.output;
        EXPECT_EQ(check.output, "") << page;
    }
}

TEST_F(InstallTree, InstalledProgramFindsItsDataAndTheToolRuns)
{
    const std::string data = programDataFolder(at("bin/layrail"), kPlaces);
    EXPECT_EQ(fs::path(data), fs::path(at("share/layrail")));
    const std::vector<std::string> shipped = filesBelow(LAYRAIL_SOURCE_DATA_FOLDER);
    ASSERT_FALSE(shipped.empty());
    EXPECT_EQ(filesBelow(data), shipped);
    for (const std::string& file : shipped)
        EXPECT_EQ(readText(data + "/" + file), readText(std::string(LAYRAIL_SOURCE_DATA_FOLDER) + "/" + file)) << file;

    const CommandResult catalog = runCommand(shellQuoted(at("bin/layrail-cli")) + " catalog 24188");
    EXPECT_EQ(catalog.status, 0) << catalog.output;
    EXPECT_EQ(catalog.output.rfind("24188\t0\t0\t188.3000\t", 0), 0u) << catalog.output;

    // The example layout reads without a single problem.
    const CommandResult check =
        runCommand(shellQuoted(at("bin/layrail-cli")) + " check " + shellQuoted(data + "/examples/Oval with a siding.lyr"));
    EXPECT_EQ(check.status, 0) << check.output;
    const std::vector<std::string> lines = splitLines(check.output);
    ASSERT_EQ(lines.size(), 1u) << check.output;
    EXPECT_EQ(lines[0].rfind("name=Oval with a siding pieces=19 ", 0), 0u) << lines[0];
}

} // namespace
} // namespace layrail::install
