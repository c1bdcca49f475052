// libFuzzer target: the layout reader never crashes, and any file it accepts writes, reads and writes
// again to the same bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FileRoundTrip.h"
#include "FuzzScratch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string failure = layrail::test::layoutRoundTripFailure(
        std::string(reinterpret_cast<const char*>(data), size), layrail::fuzz::scratchFolder());
    if (!failure.empty()) {
        std::fprintf(stderr, "%s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
