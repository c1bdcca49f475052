// libFuzzer target: the baseboard dialog's vertex text reader never crashes; the vertices it reads lie
// within the largest coordinate, and the text the dialog shows for them reads back to the same vertices.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "dialogs/VertexTextProperty.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string failure =
        layrail::test::vertexTextFailure(std::string(reinterpret_cast<const char*>(data), size));
    if (!failure.empty()) {
        std::fprintf(stderr, "%s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
