#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/FileTestSupport.h"
#include "document/LayoutFile.h"
#include "document/SafeFileWriter.h"

namespace layrail {
namespace {

using test::readFile;
using test::TempFolder;
using test::writeFile;

size_t entriesIn(const std::string& folder)
{
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++count;
    return count;
}

std::string writeWhole(const std::string& path, const std::string& text)
{
    SafeFileWriter writer;
    std::string error = writer.open(path);
    if (!error.empty())
        return error;
    writer.write(text);
    return writer.commit();
}

// Permission checks do not apply to root, so the test takes an ordinary user's
// identity for the duration of the write when it runs as root.
class AsOrdinaryUser {
public:
    AsOrdinaryUser()
    {
        if (geteuid() == 0)
            switched_ = seteuid(65534) == 0;
    }
    ~AsOrdinaryUser()
    {
        if (switched_) {
            EXPECT_EQ(seteuid(0), 0);
        }
    }
    bool denied() const { return geteuid() != 0; }

private:
    bool switched_ = false;
};

TEST(SafeFileWriter, ReplacesTheFileAndLeavesNoTemporaryFile)
{
    TempFolder folder;
    const std::string path = folder.file("a.lyr");
    writeFile(path, "old content that is longer than the new one\n");
    chmod(path.c_str(), 0640);
    const std::string big(300 * 1024, 'z');
    ASSERT_EQ(writeWhole(path, "new\n" + big), "");
    EXPECT_EQ(readFile(path), "new\n" + big);
    EXPECT_EQ(entriesIn(folder.path()), 1u);
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    ASSERT_EQ(writeWhole(folder.file("fresh.lyr"), ""), "");
    EXPECT_TRUE(std::filesystem::is_regular_file(folder.file("fresh.lyr")));
}

TEST(SafeFileWriter, WritesThroughALinkAndKeepsTheLink)
{
    TempFolder folder;
    const std::string real = folder.file("real.lyr");
    const std::string link = folder.file("link.lyr");
    writeFile(real, "old");
    std::filesystem::create_symlink(real, link);
    ASSERT_EQ(writeWhole(link, "new"), "");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readFile(real), "new");
    EXPECT_EQ(entriesIn(folder.path()), 2u);
}

TEST(SafeFileWriter, FolderThatCannotTakeTheFileIsReportedAsCannotOpen)
{
    TempFolder folder;
    const std::string missing = folder.file("no/such/folder/a.lyr");
    const Layout empty;
    EXPECT_EQ(writeLayout(empty, missing, "x"), "Cannot open file: " + missing);

    const std::string sub = folder.file("sub");
    std::filesystem::create_directory(sub);
    EXPECT_EQ(writeWhole(sub, "x"), "Cannot open file: " + sub);
    EXPECT_TRUE(std::filesystem::is_directory(sub));
}

TEST(SafeFileWriter, ReadOnlyFolderOrFileKeepsTheOldFile)
{
    TempFolder folder;
    const std::string locked = folder.file("locked");
    std::filesystem::create_directory(locked);
    const std::string path = locked + "/a.lyr";
    writeFile(path, "previous layout\n");
    const std::string protectedFile = folder.file("protected.lyr");
    writeFile(protectedFile, "protected\n");
    chmod(protectedFile.c_str(), 0444);
    chmod(locked.c_str(), 0555);
    chmod(folder.path().c_str(), 0755);

    const Layout empty;
    std::string folderError;
    std::string fileError;
    bool denied = false;
    {
        AsOrdinaryUser user;
        denied = user.denied();
        folderError = writeLayout(empty, path, "x");
        fileError = writeWhole(protectedFile, "replaced\n");
    }
    chmod(locked.c_str(), 0755);
    if (!denied)
        GTEST_SKIP() << "cannot drop root rights";
    EXPECT_EQ(folderError, "Cannot open file: " + path);
    EXPECT_EQ(fileError, "Cannot open file: " + protectedFile);
    EXPECT_EQ(readFile(path), "previous layout\n");
    EXPECT_EQ(readFile(protectedFile), "protected\n");
    EXPECT_EQ(entriesIn(locked), 1u);
}

// A file size limit makes the writes fail part way, as a full disk would.
TEST(SafeFileWriter, WriteErrorIsReportedAndKeepsTheOldFile)
{
    TempFolder folder;
    const std::string path = folder.file("a.lyr");
    writeFile(path, "previous layout\n");
    Layout layout;
    layout.pieces.resize(2000);

    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous {};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit small = previous;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string error = writeLayout(layout, path, "big");
    const std::string smallError = writeWhole(path, std::string(5000, 'x'));
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(error, "Cannot write file: " + path);
    EXPECT_EQ(smallError, "Cannot write file: " + path);
    EXPECT_EQ(readFile(path), "previous layout\n");
    EXPECT_EQ(entriesIn(folder.path()), 1u);
}

TEST(SafeFileWriter, UnfinishedWriteRemovesItsTemporaryFile)
{
    TempFolder folder;
    const std::string path = folder.file("a.lyr");
    writeFile(path, "kept");
    {
        SafeFileWriter writer;
        ASSERT_EQ(writer.open(path), "");
        writer.write("never committed");
        EXPECT_EQ(entriesIn(folder.path()), 2u);
    }
    EXPECT_EQ(entriesIn(folder.path()), 1u);
    EXPECT_EQ(readFile(path), "kept");
}

} // namespace
} // namespace layrail
