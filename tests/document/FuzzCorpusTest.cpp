#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "FileRoundTrip.h"
#include "support/FileTestSupport.h"
#include "support/FuzzCorpus.h"

namespace layrail {
namespace {

using test::fuzzInputs;
using test::TempFolder;

TEST(FuzzCorpus, LayoutFilesReadAndWriteToTheSameBytes)
{
    TempFolder scratch;
    const std::vector<std::filesystem::path> files = fuzzInputs("layout");
    EXPECT_GE(files.size(), 5u);
    for (const auto& file : files)
        EXPECT_EQ(test::layoutRoundTripFailure(test::readFile(file.string()), scratch.path()), "") << file;
}

TEST(FuzzCorpus, LibraryBlocksReadAndWriteToTheSameBytes)
{
    TempFolder scratch;
    const std::vector<std::filesystem::path> files = fuzzInputs("block");
    EXPECT_GE(files.size(), 3u);
    for (const auto& file : files)
        EXPECT_EQ(test::blockRoundTripFailure(test::readFile(file.string()), scratch.path()), "") << file;
}

} // namespace
} // namespace layrail
