#pragma once

#include <wx/iconbndl.h>
#include <wx/image.h>

#include <cstddef>

namespace layrail {

// Pictures built into the executable.
enum EmbeddedImageId {
    kSplashImage = 101,
    kCornerImage = 102,
    kHelpImage = 103,
    // The program icon at 16, 32 and 48 pixels (PNG).
    kIcon16 = 104,
    kIcon32 = 105,
    kIcon48 = 106,
};

// Decodes an embedded JPEG picture; an unknown number or undecodable bytes
// give an empty (invalid) image, never an error.
wxImage loadEmbeddedImage(int resourceId);

// Decodes JPEG bytes the same way; empty image when they do not decode.
wxImage decodeJpeg(const unsigned char* data, std::size_t size);

// The program icon at every embedded size, for the main window's title bar and task switcher.
wxIconBundle programIcons();

} // namespace layrail
