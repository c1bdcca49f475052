// libFuzzer target: the store table reader never crashes; a table it accepts sends the cart only to a
// safe https address holding every article it lists, and a file it refuses leaves the table alone and
// names the line at fault.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzScratch.h"
#include "panels/StoreTableProperty.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string failure = layrail::test::storeTableFailure(
        std::string(reinterpret_cast<const char*>(data), size), layrail::fuzz::scratchFolder());
    if (!failure.empty()) {
        std::fprintf(stderr, "%s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
