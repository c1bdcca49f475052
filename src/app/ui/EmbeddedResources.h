#pragma once

#include <cstddef>

namespace layrail {

// Raw bytes of a picture compiled into the executable.
struct EmbeddedResource {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
};

// The bytes for a resource number; empty when the number is unknown. Defined
// in the source that the build generates from the pictures in resources/.
EmbeddedResource embeddedResource(int resourceId);

} // namespace layrail
