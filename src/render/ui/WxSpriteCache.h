#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include <wx/font.h>
#include <wx/graphics.h>
#include <wx/pen.h>

#include "render/DrawTarget.h"

namespace layrail {

// The wx pen of the drawing target's pens: joins are mitred so band corners stay sharp.
wxPen targetPen(Colour colour, int width, PenStyle style);
// The same for a width that is not whole (paper and vector files).
wxGraphicsPenInfo targetPenInfo(Colour colour, double width, PenStyle style);

// Small pictures drawn many times a frame (join dots, piece labels) or frame after frame (the track
// bands of an unchanged view): each is painted once into an image with alpha and then copied, which
// costs a fraction of filling and outlining a path or laying out text. Sprites hold no pixels of any
// one device context; dots and labels live for the whole run, polygons while they are in use.
class WxSpriteCache {
public:
    struct Sprite {
        wxGraphicsBitmap bitmap;
        int width = 0;
        int height = 0;
        int pad = 0;  // blank border around the drawing, in pixels
    };

    // How a closed polygon is painted; alpha 0 stands for no pen or no brush.
    struct PolygonStyle {
        Colour pen;
        int penWidth = 0;
        PenStyle penStyle = PenStyle::Solid;
        Colour brush;
    };

    static WxSpriteCache& instance();

    // Called once per painted frame: polygons unused in the frame may be dropped when memory runs
    // short, and each frame spends only a few milliseconds on new polygon pictures.
    void startFrame();

    // A circle of the radius, filled and outlined as given (alpha 0 stands for none).
    const Sprite& dot(wxGraphicsContext& target, Colour pen, int penWidth, Colour brush, int radius);
    // Text of the given extent drawn with its top-left corner at (pad, pad).
    const Sprite& text(wxGraphicsContext& target, const std::string& utf8, const wxFont& font,
                       std::uint32_t fontKey, Colour colour, TextExtent extent);
    // A closed polygon whose corners lie on whole pixels, given as x, y pairs measured from the
    // top-left corner of its bounds; the picture puts that corner at (pad, pad). Null when the
    // polygon is drawn for the first time (most shapes of a changing view never come back, and
    // drawing directly is cheaper than painting a picture) or when this frame's budget is spent.
    const Sprite* polygon(wxGraphicsContext& target, const std::vector<std::int32_t>& corners,
                          const PolygonStyle& style);
    size_t polygonCount() const { return polygons_.size(); }

private:
    struct PolygonSprite {
        std::vector<std::int32_t> corners;
        PolygonStyle style;
        bool offset = false;
        Sprite sprite;
        std::uint64_t lastFrame = 0;
    };

    WxSpriteCache() = default;
    void dropUnusedPolygons();

    using DotKey = std::tuple<std::uint32_t, int, std::uint32_t, int, bool>;
    std::map<DotKey, Sprite> dots_;
    std::unordered_map<std::uint64_t, std::unordered_map<std::string, Sprite>> texts_;
    size_t textCount_ = 0;

    std::unordered_map<std::uint64_t, PolygonSprite> polygons_;
    std::unordered_set<std::uint64_t> seenPolygons_;
    size_t polygonBytes_ = 0;
    std::uint64_t frame_ = 0;
    std::chrono::steady_clock::duration frameSpent_{};
};

} // namespace layrail
