#include "canvas/ui/WxSpriteCache.h"

#include <cmath>
#include <cstring>
#include <memory>

#include <wx/brush.h>
#include <wx/image.h>
#include <wx/pen.h>

namespace layrail {

namespace {

constexpr size_t kMaxTextSprites = 2048;

std::uint32_t colourKey(Colour c)
{
    return (std::uint32_t(c.r) << 24) | (std::uint32_t(c.g) << 16) | (std::uint32_t(c.b) << 8) | c.a;
}

wxColour toWx(Colour c) { return wxColour(c.r, c.g, c.b, c.a); }

// A blank image with alpha and a context that paints on it with the target's pixel offset rule.
struct SpriteCanvas {
    wxImage image;
    std::unique_ptr<wxGraphicsContext> gc;

    SpriteCanvas(int width, int height, const wxGraphicsContext& target) : image(width, height)
    {
        image.InitAlpha();
        std::memset(image.GetData(), 0, size_t(width) * height * 3);
        std::memset(image.GetAlpha(), 0, size_t(width) * height);
        gc.reset(wxGraphicsContext::Create(image));
        gc->SetAntialiasMode(wxANTIALIAS_DEFAULT);
        gc->EnableOffset(target.OffsetEnabled());
    }
    // Ends the painting (the image receives the pixels) and turns the image into a bitmap for the target.
    wxGraphicsBitmap finish(wxGraphicsContext& target)
    {
        gc.reset();
        return target.CreateBitmapFromImage(image);
    }
};

} // namespace

WxSpriteCache& WxSpriteCache::instance()
{
    // Never destroyed: the bitmaps must not outlive the graphics system at exit.
    static WxSpriteCache* cache = new WxSpriteCache;
    return *cache;
}

const WxSpriteCache::Sprite& WxSpriteCache::dot(wxGraphicsContext& target, Colour pen, int penWidth, Colour brush,
                                                int radius)
{
    DotKey key{colourKey(pen), penWidth, colourKey(brush), radius, target.OffsetEnabled()};
    auto it = dots_.find(key);
    if (it != dots_.end())
        return it->second;

    Sprite sprite;
    sprite.pad = 2 + penWidth;
    sprite.width = sprite.height = 2 * radius + 2 * sprite.pad;
    SpriteCanvas canvas(sprite.width, sprite.height, target);
    if (pen.a != 0) {
        wxPen wxpen(toWx(pen), penWidth);
        wxpen.SetJoin(wxJOIN_MITER);
        canvas.gc->SetPen(wxpen);
    } else {
        canvas.gc->SetPen(wxNullGraphicsPen);
    }
    canvas.gc->SetBrush(brush.a != 0 ? canvas.gc->CreateBrush(wxBrush(toWx(brush))) : wxNullGraphicsBrush);
    canvas.gc->DrawEllipse(sprite.pad, sprite.pad, 2.0 * radius, 2.0 * radius);
    sprite.bitmap = canvas.finish(target);
    return dots_.emplace(key, sprite).first->second;
}

const WxSpriteCache::Sprite& WxSpriteCache::text(wxGraphicsContext& target, const std::string& utf8,
                                                 const wxFont& font, std::uint32_t fontKey, Colour colour,
                                                 TextExtent extent)
{
    auto& byText = texts_[(std::uint64_t(fontKey) << 32) | colourKey(colour)];
    auto it = byText.find(utf8);
    if (it != byText.end())
        return it->second;
    if (textCount_ >= kMaxTextSprites) {
        texts_.clear();
        textCount_ = 0;
        return text(target, utf8, font, fontKey, colour, extent);
    }

    Sprite sprite;
    sprite.pad = 2;
    sprite.width = static_cast<int>(std::ceil(extent.width)) + 2 * sprite.pad;
    sprite.height = static_cast<int>(std::ceil(extent.height)) + 2 * sprite.pad;
    SpriteCanvas canvas(sprite.width, sprite.height, target);
    canvas.gc->SetFont(font, toWx(colour));
    canvas.gc->DrawText(wxString::FromUTF8(utf8.data(), utf8.size()), sprite.pad, sprite.pad);
    sprite.bitmap = canvas.finish(target);
    ++textCount_;
    return byText.emplace(utf8, sprite).first->second;
}

} // namespace layrail
