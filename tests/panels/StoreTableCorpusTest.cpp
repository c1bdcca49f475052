#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <vector>

#include "panels/StoreTableProperty.h"
#include "support/FileTestSupport.h"
#include "support/FuzzCorpus.h"

namespace layrail {
namespace {

// The store table fuzzer's corpus and findings, and random damage to them, hold to its property.
TEST(FuzzCorpus, StoreTablesSendTheCartOnlyToSafeAddressesOrNameTheLineAtFault)
{
    test::TempFolder scratch;
    const std::vector<std::filesystem::path> files = test::fuzzInputs("store");
    EXPECT_GE(files.size(), 5u);
    std::mt19937 rng(20241);
    for (const auto& file : files) {
        const std::string bytes = test::readFile(file.string());
        EXPECT_EQ(test::storeTableFailure(bytes, scratch.path()), "") << file;
        for (int i = 0; i < 40; ++i) {
            const std::string input = test::damaged(bytes, rng);
            ASSERT_EQ(test::storeTableFailure(input, scratch.path()), "") << file << " damaged to:\n" << input;
        }
    }
}

} // namespace
} // namespace layrail
