#pragma once

#include <string>

typedef struct _cairo_surface cairo_surface_t;

namespace layrail {

class SafeFileWriter;

// Writes a cairo picture (RGB24) as an RGB PNG that records its resolution, so it prints at the
// size it was drawn for. Compressed for speed: a plan is mostly one colour and packs well anyway.
// Returns the error text, empty on success.
std::string writePng(cairo_surface_t* surface, int dpi, SafeFileWriter& writer);

} // namespace layrail
