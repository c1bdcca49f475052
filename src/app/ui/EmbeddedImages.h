#pragma once

#include <wx/image.h>

#include <cstddef>

namespace layrail {

// Pictures built into the executable.
enum EmbeddedImageId {
    kSplashImage = 101,
    kCornerImage = 102,
    kHelpImage = 103,
};

// Decodes an embedded JPEG picture; an unknown number or undecodable bytes
// give an empty (invalid) image, never an error.
wxImage loadEmbeddedImage(int resourceId);

// Decodes JPEG bytes the same way; empty image when they do not decode.
wxImage decodeJpeg(const unsigned char* data, std::size_t size);

} // namespace layrail
