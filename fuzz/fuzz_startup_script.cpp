// libFuzzer target: the test hook's start-up script reader never crashes and takes only the documented
// lines: answers and commands, in file order, naming every other line that is not blank or a comment.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/StartupScriptProperty.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string failure =
        layrail::test::startupScriptFailure(std::string(reinterpret_cast<const char*>(data), size));
    if (!failure.empty()) {
        std::fprintf(stderr, "%s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
