#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <vector>

#include "dialogs/VertexTextProperty.h"
#include "support/FileTestSupport.h"
#include "support/FuzzCorpus.h"

namespace layrail {
namespace {

// The vertex text fuzzer's corpus and findings, and random damage to them, hold to its property.
TEST(FuzzCorpus, VertexTextsReadWithinBoundsAndShowAsTextThatReadsBack)
{
    const std::vector<std::filesystem::path> files = test::fuzzInputs("vertex");
    EXPECT_GE(files.size(), 4u);
    std::mt19937 rng(7);
    for (const auto& file : files) {
        const std::string text = test::readFile(file.string());
        EXPECT_EQ(test::vertexTextFailure(text), "") << file;
        for (int i = 0; i < 200; ++i) {
            const std::string input = test::damaged(text, rng);
            ASSERT_EQ(test::vertexTextFailure(input), "") << file << " damaged to:\n" << input;
        }
    }
}

} // namespace
} // namespace layrail
