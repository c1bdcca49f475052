#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>

#include "InstallSupport.h"
#include "app/ProgramData.h"

namespace layrail::install {
namespace {

namespace fs = std::filesystem;

const ProgramPlaces kPlaces{LAYRAIL_INSTALL_PREFIX, LAYRAIL_BUILD_DIR, LAYRAIL_SOURCE_DATA_FOLDER};
const std::vector<std::string> kPrograms = {"usr/bin/layrail", "usr/bin/layrail-cli"};

std::string trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\n");
    const size_t last = text.find_last_not_of(" \t\n");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        parts.push_back(trimmed(part));
    return parts;
}

// "libc6 (>= 2.35), libglu1-mesa | libglu1" as groups of alternative package names.
std::vector<std::vector<std::string>> dependencyGroups(const std::string& line)
{
    std::vector<std::vector<std::string>> groups;
    for (const std::string& group : split(line, ',')) {
        std::vector<std::string> names;
        for (const std::string& alternative : split(group, '|'))
            names.push_back(alternative.substr(0, alternative.find_first_of(" (")));
        groups.push_back(names);
    }
    return groups;
}

bool isInstalledPackage(const std::string& name)
{
    return runCommand("dpkg-query -W -f='${Status}' " + shellQuoted(name)).output == "install ok installed";
}

// The package that holds a library, found through the path the loader resolves it to. With
// merged /usr, dpkg knows some libraries under /lib and others under /usr/lib.
std::string packageOfLibrary(const std::string& path)
{
    std::vector<std::string> candidates = {path};
    if (path.rfind("/usr/", 0) == 0)
        candidates.push_back(path.substr(4));
    else
        candidates.push_back("/usr" + path);
    for (const std::string& candidate : candidates) {
        const CommandResult owner = runCommand("dpkg-query -S " + shellQuoted(candidate));
        if (owner.status == 0) {
            const std::string line = splitLines(owner.output).front();
            return line.substr(0, line.find_first_of(":"));
        }
    }
    return {};
}

// The shared libraries a program names itself (not those pulled in by them), with the paths
// the loader finds them at.
std::vector<std::pair<std::string, std::string>> neededLibraries(const std::string& program)
{
    std::set<std::string> needed;
    for (const std::string& line : splitLines(runCommand("readelf -d " + shellQuoted(program)).output)) {
        const size_t open = line.find("(NEEDED)");
        const size_t start = line.find('[');
        if (open != std::string::npos && start != std::string::npos)
            needed.insert(line.substr(start + 1, line.find(']') - start - 1));
    }
    std::vector<std::pair<std::string, std::string>> libraries;
    for (const std::string& line : splitLines(runCommand("ldd " + shellQuoted(program)).output)) {
        const size_t arrow = line.find(" => ");
        if (arrow == std::string::npos)
            continue;
        const std::string name = trimmed(line.substr(0, arrow));
        const std::string rest = line.substr(arrow + 4);
        if (needed.count(name) != 0)
            libraries.emplace_back(name, rest.substr(0, rest.find(" (")));
    }
    return libraries;
}

// One `make package`, built into a temporary folder, shared by the checks of this file.
class DebianPackage : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        scratch_ = new ScratchFolder;
        log_ = new std::string;
        deb_ = new std::string;
        const CommandResult build = runCommand("cd " + shellQuoted(LAYRAIL_BUILD_DIR) + " && " + shellQuoted(LAYRAIL_CPACK) +
                                               " -G DEB -B " + shellQuoted(scratch_->path() + "/out"));
        *log_ = build.output;
        if (build.status != 0)
            return;
        for (const auto& entry : fs::directory_iterator(scratch_->path() + "/out"))
            if (entry.path().extension() == ".deb")
                *deb_ = entry.path().string();
        const CommandResult unpack =
            runCommand("dpkg-deb -x " + shellQuoted(*deb_) + " " + shellQuoted(scratch_->path() + "/root"));
        *log_ += unpack.output;
        if (unpack.status != 0)
            deb_->clear();
    }
    static void TearDownTestSuite()
    {
        delete scratch_;
        delete log_;
        delete deb_;
    }
    void SetUp() override { ASSERT_FALSE(deb_->empty()) << *log_; }

    static std::string field(const std::string& name)
    {
        return trimmed(runCommand("dpkg-deb -f " + shellQuoted(*deb_) + " " + name).output);
    }
    static std::string unpacked(const std::string& relative) { return scratch_->path() + "/root/" + relative; }

    static ScratchFolder* scratch_;
    static std::string* log_;
    static std::string* deb_;
};

ScratchFolder* DebianPackage::scratch_ = nullptr;
std::string* DebianPackage::log_ = nullptr;
std::string* DebianPackage::deb_ = nullptr;

TEST_F(DebianPackage, ControlFieldsNameThePackageForThisMachine)
{
    EXPECT_EQ(field("Package"), "layrail");
    EXPECT_EQ(field("Architecture"), trimmed(runCommand("dpkg --print-architecture").output));
    EXPECT_EQ(fs::path(*deb_).filename().string(),
              "layrail_" + field("Version") + "_" + field("Architecture") + ".deb");
    EXPECT_FALSE(field("Maintainer").empty());
    EXPECT_EQ(splitLines(field("Description")).front(), "model railway track layout planner");
}

TEST_F(DebianPackage, HoldsTheProgramsAndTheirDesktopFilesUnderUsr)
{
    const std::string listing = runCommand("dpkg-deb -c " + shellQuoted(*deb_)).output;
    std::set<std::string> paths;
    for (const std::string& line : splitLines(listing)) {
        const size_t at = line.find(" ./");
        ASSERT_NE(at, std::string::npos) << line;
        paths.insert(line.substr(at + 3));
    }
    for (const std::string expected :
         {"usr/bin/layrail", "usr/bin/layrail-cli", "usr/share/applications/layrail.desktop",
          "usr/share/mime/packages/layrail.xml", "usr/share/icons/hicolor/48x48/apps/layrail.png",
          "usr/share/icons/hicolor/256x256/apps/layrail.png", "usr/share/man/man1/layrail-cli.1.gz",
          "usr/share/man/man1/layrail.1.gz", "usr/share/layrail/examples/Oval with a siding.lyr"})
        EXPECT_EQ(paths.count(expected), 1u) << expected << "\n" << listing;
    for (const std::string& path : paths) {
        EXPECT_EQ(path.rfind("usr/", 0), 0u) << path;
        EXPECT_EQ(path.find("local/"), std::string::npos) << path;
    }
}

TEST_F(DebianPackage, DependsOnExactlyTheRuntimePackagesTheProgramsLink)
{
    const std::string depends = field("Depends");
    const std::vector<std::vector<std::string>> groups = dependencyGroups(depends);
    std::set<std::string> named;
    for (const std::vector<std::string>& group : groups) {
        bool anyInstalled = false;
        for (const std::string& name : group) {
            named.insert(name);
            EXPECT_EQ(name.find("-dev"), std::string::npos) << depends;
            anyInstalled = anyInstalled || isInstalledPackage(name);
        }
        // Real package names of this system, not guesses.
        EXPECT_TRUE(anyInstalled) << depends;
    }
    // Every library a packaged program links comes from a package it depends on.
    std::set<std::string> owners;
    for (const std::string& program : kPrograms) {
        const auto libraries = neededLibraries(unpacked(program));
        ASSERT_FALSE(libraries.empty()) << program;
        for (const auto& [name, path] : libraries) {
            const std::string owner = packageOfLibrary(path);
            ASSERT_FALSE(owner.empty()) << name << " at " << path;
            EXPECT_EQ(named.count(owner), 1u) << name << " comes from " << owner << ", not in: " << depends;
            owners.insert(owner);
        }
    }
    // And nothing the programs do not link: every dependency, or one of its alternatives
    // ("libglu1-mesa | libglu1"), owns a linked library.
    for (const std::vector<std::string>& group : groups) {
        const bool linked =
            std::any_of(group.begin(), group.end(), [&](const std::string& name) { return owners.count(name) != 0; });
        EXPECT_TRUE(linked) << group.front() << " in: " << depends;
    }
    for (const std::string wx : {"libwxgtk3.2-1", "libwxbase3.2-1"})
        EXPECT_EQ(named.count(wx) + named.count(wx + "t64"), 1u) << depends;
}

TEST_F(DebianPackage, UnpackedProgramFindsItsDataAndTheToolRuns)
{
    const std::string data = programDataFolder(unpacked("usr/bin/layrail"), kPlaces);
    EXPECT_EQ(fs::path(data), fs::path(unpacked("usr/share/layrail")));
    EXPECT_EQ(filesBelow(data), filesBelow(LAYRAIL_SOURCE_DATA_FOLDER));
    const CommandResult check = runCommand(shellQuoted(unpacked("usr/bin/layrail-cli")) + " check " +
                                           shellQuoted(data + "/examples/Oval with a siding.lyr"));
    EXPECT_EQ(check.status, 0) << check.output;
    EXPECT_EQ(check.output.rfind("name=Oval with a siding pieces=19 ", 0), 0u) << check.output;
    // The package's programs are stripped of their symbol tables.
    for (const std::string& program : kPrograms)
        EXPECT_EQ(runCommand("readelf -S " + shellQuoted(unpacked(program))).output.find(".symtab"), std::string::npos)
            << program;
}

} // namespace
} // namespace layrail::install
