#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>

#include <wx/font.h>
#include <wx/graphics.h>

#include "canvas/DrawTarget.h"

namespace layrail {

// Small pictures drawn many times a frame (join dots, piece labels): each is painted once into an
// image with alpha and then copied, which costs a fraction of filling a path or laying out text.
// Sprites hold no pixels of any one device context and live for the whole run.
class WxSpriteCache {
public:
    struct Sprite {
        wxGraphicsBitmap bitmap;
        int width = 0;
        int height = 0;
        int pad = 0;  // blank border around the drawing, in pixels
    };

    static WxSpriteCache& instance();

    // A circle of the radius, filled and outlined as given (alpha 0 stands for none).
    const Sprite& dot(wxGraphicsContext& target, Colour pen, int penWidth, Colour brush, int radius);
    // Text of the given extent drawn with its top-left corner at (pad, pad).
    const Sprite& text(wxGraphicsContext& target, const std::string& utf8, const wxFont& font,
                       std::uint32_t fontKey, Colour colour, TextExtent extent);

private:
    WxSpriteCache() = default;

    using DotKey = std::tuple<std::uint32_t, int, std::uint32_t, int, bool>;
    std::map<DotKey, Sprite> dots_;
    std::unordered_map<std::uint64_t, std::unordered_map<std::string, Sprite>> texts_;
    size_t textCount_ = 0;
};

} // namespace layrail
