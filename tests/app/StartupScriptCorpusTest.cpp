#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <vector>

#include "app/StartupScriptProperty.h"
#include "support/FileTestSupport.h"
#include "support/FuzzCorpus.h"

namespace layrail {
namespace {

// The start-up script fuzzer's corpus and findings, and random damage to them, hold to its property.
TEST(FuzzCorpus, StartupScriptsTakeTheDocumentedLinesAndNameTheRest)
{
    const std::vector<std::filesystem::path> files = test::fuzzInputs("script");
    EXPECT_GE(files.size(), 4u);
    std::mt19937 rng(2005);
    for (const auto& file : files) {
        const std::string text = test::readFile(file.string());
        EXPECT_EQ(test::startupScriptFailure(text), "") << file;
        for (int i = 0; i < 200; ++i) {
            const std::string input = test::damaged(text, rng);
            ASSERT_EQ(test::startupScriptFailure(input), "") << file << " damaged to:\n" << input;
        }
    }
}

} // namespace
} // namespace layrail
