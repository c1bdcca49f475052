#pragma once

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace layrail::test {

// A fuzzer's seed corpus (fuzz/corpus/<reader>) and every input that ever broke its property
// (fuzz/findings/<reader>), so the ordinary tests replay them without libFuzzer.
inline std::vector<std::filesystem::path> fuzzInputs(const std::string& reader)
{
    std::vector<std::filesystem::path> files;
    for (const char* set : {"corpus", "findings"}) {
        const std::filesystem::path folder = std::filesystem::path(LAYRAIL_FUZZ_DIR) / set / reader;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error))
            if (entry.is_regular_file())
                files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The input with a few random bytes replaced, inserted or removed, and now and then a span of it
// repeated: small damage of the kind the fuzzers start from, for the tests that cannot run them.
inline std::string damaged(std::string bytes, std::mt19937& rng)
{
    const int edits = std::uniform_int_distribution<int>(1, 4)(rng);
    for (int i = 0; i < edits; ++i) {
        const size_t at = std::uniform_int_distribution<size_t>(0, bytes.size())(rng);
        const char byte = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(rng));
        switch (std::uniform_int_distribution<int>(0, 3)(rng)) {
        case 0:
            if (at < bytes.size())
                bytes[at] = byte;
            break;
        case 1:
            bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), byte);
            break;
        case 2:
            if (at < bytes.size())
                bytes.erase(at, 1);
            break;
        default: {
            const size_t length = std::uniform_int_distribution<size_t>(0, bytes.size() - at)(rng);
            bytes.insert(at, bytes.substr(at, length));
            break;
        }
        }
    }
    return bytes;
}

} // namespace layrail::test
