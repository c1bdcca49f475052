#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "FileRoundTrip.h"
#include "support/FileTestSupport.h"

namespace layrail {
namespace {

using test::TempFolder;

// The fuzzers' corpus and every input that ever broke the round trip (fuzz/findings), replayed
// without libFuzzer.
std::vector<std::filesystem::path> inputs(const std::string& reader)
{
    std::vector<std::filesystem::path> files;
    for (const char* set : {"corpus", "findings"}) {
        const std::filesystem::path folder = std::filesystem::path(LAYRAIL_FUZZ_DIR) / set / reader;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error))
            if (entry.is_regular_file())
                files.push_back(entry.path());
    }
    return files;
}

TEST(FuzzCorpus, LayoutFilesReadAndWriteToTheSameBytes)
{
    TempFolder scratch;
    const std::vector<std::filesystem::path> files = inputs("layout");
    EXPECT_GE(files.size(), 5u);
    for (const auto& file : files)
        EXPECT_EQ(test::layoutRoundTripFailure(test::readFile(file.string()), scratch.path()), "") << file;
}

TEST(FuzzCorpus, LibraryBlocksReadAndWriteToTheSameBytes)
{
    TempFolder scratch;
    const std::vector<std::filesystem::path> files = inputs("block");
    EXPECT_GE(files.size(), 3u);
    for (const auto& file : files)
        EXPECT_EQ(test::blockRoundTripFailure(test::readFile(file.string()), scratch.path()), "") << file;
}

} // namespace
} // namespace layrail
