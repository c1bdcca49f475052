#include "render/ui/WxSpriteCache.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <memory>

#include <wx/brush.h>
#include <wx/image.h>
#include <wx/pen.h>

namespace layrail {

namespace {

constexpr size_t kMaxTextSprites = 2048;
// Room for the bands of a few screenfuls of track.
constexpr size_t kMaxPolygonBytes = size_t(32) << 20;
// Larger polygons cost less to fill and outline than to copy.
constexpr std::int64_t kMaxPolygonPixels = 1 << 17;
// Painting a picture costs several times drawing the polygon directly: a frame spends at most this
// long on new ones, so a new view of thousands of pieces settles over several quick frames.
constexpr std::chrono::microseconds kPolygonTimePerFrame(5000);
constexpr size_t kMaxSeenPolygons = size_t(1) << 18;
// cairo's mitre limit: sharper corners are bevelled.
constexpr double kMiterLimit = 10.0;

std::uint32_t colourKey(Colour c)
{
    return (std::uint32_t(c.r) << 24) | (std::uint32_t(c.g) << 16) | (std::uint32_t(c.b) << 8) | c.a;
}

wxColour toWx(Colour c) { return wxColour(c.r, c.g, c.b, c.a); }

wxPenStyle toWx(PenStyle style)
{
    switch (style) {
    case PenStyle::Dotted:
        return wxPENSTYLE_DOT;
    case PenStyle::LongDash:
        return wxPENSTYLE_LONG_DASH;
    default:
        return wxPENSTYLE_SOLID;
    }
}

std::uint64_t mix(std::uint64_t h)
{
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    return h ^ (h >> 33);
}

bool sameStyle(const WxSpriteCache::PolygonStyle& a, const WxSpriteCache::PolygonStyle& b)
{
    return colourKey(a.pen) == colourKey(b.pen) && a.penWidth == b.penWidth && a.penStyle == b.penStyle &&
           colourKey(a.brush) == colourKey(b.brush);
}

std::uint64_t styleHash(const WxSpriteCache::PolygonStyle& style, bool offset)
{
    std::uint64_t h = mix((std::uint64_t(colourKey(style.pen)) << 32) | colourKey(style.brush));
    return mix(h ^ ((std::uint64_t(style.penWidth & 0xffff) << 8) | (std::uint64_t(style.penStyle) << 1) |
                    (offset ? 1u : 0u)));
}

std::uint64_t polygonHash(std::uint64_t styleKey, const std::vector<std::int32_t>& corners)
{
    std::uint64_t h = styleKey;
    for (std::int32_t c : corners)
        h = (h ^ std::uint32_t(c)) * 0x100000001b3ULL;
    return mix(h);
}

// How far the outline reaches out of the polygon: half the pen, stretched by the sharpest mitred corner.
double outlineReach(const std::vector<std::int32_t>& corners, int penWidth)
{
    if (penWidth <= 0)
        return 0.0;
    std::vector<wxPoint2DDouble> distinct;
    for (size_t i = 0; i + 1 < corners.size(); i += 2) {
        wxPoint2DDouble p(corners[i], corners[i + 1]);
        if (distinct.empty() || p != distinct.back())
            distinct.push_back(p);
    }
    while (distinct.size() > 1 && distinct.front() == distinct.back())
        distinct.pop_back();
    double ratio = 1.0;
    const size_t n = distinct.size();
    for (size_t i = 0; n > 2 && i < n; ++i) {
        wxPoint2DDouble in = distinct[i] - distinct[(i + n - 1) % n];
        wxPoint2DDouble out = distinct[(i + 1) % n] - distinct[i];
        double cosine = (in.m_x * out.m_x + in.m_y * out.m_y) / (in.GetVectorLength() * out.GetVectorLength());
        double halfSine = std::sqrt(std::max(0.0, (1.0 + cosine) / 2.0));
        if (halfSine > 0.0 && 1.0 / halfSine <= kMiterLimit)
            ratio = std::max(ratio, 1.0 / halfSine);
    }
    return penWidth / 2.0 * ratio;
}

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

wxPen targetPen(Colour colour, int width, PenStyle style)
{
    wxPen pen(toWx(colour), width, toWx(style));
    pen.SetJoin(wxJOIN_MITER);
    return pen;
}

wxGraphicsPenInfo targetPenInfo(Colour colour, double width, PenStyle style)
{
    return wxGraphicsPenInfo(toWx(colour), width, toWx(style)).Join(wxJOIN_MITER);
}

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
        canvas.gc->SetPen(targetPen(pen, penWidth, PenStyle::Solid));
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

void WxSpriteCache::startFrame()
{
    ++frame_;
    frameSpent_ = std::chrono::steady_clock::duration::zero();
}

void WxSpriteCache::dropUnusedPolygons()
{
    for (auto it = polygons_.begin(); it != polygons_.end();) {
        if (it->second.lastFrame == frame_) {
            ++it;
            continue;
        }
        polygonBytes_ -= size_t(it->second.sprite.width) * it->second.sprite.height * 4;
        it = polygons_.erase(it);
    }
}

const WxSpriteCache::Sprite* WxSpriteCache::polygon(wxGraphicsContext& target,
                                                    const std::vector<std::int32_t>& corners,
                                                    const PolygonStyle& style)
{
    std::int32_t right = 0, bottom = 0;
    for (size_t i = 0; i + 1 < corners.size(); i += 2) {
        right = std::max(right, corners[i]);
        bottom = std::max(bottom, corners[i + 1]);
    }
    // The smallest picture, padded by a pixel all round, is already too large.
    if ((std::int64_t(right) + 3) * (std::int64_t(bottom) + 3) > kMaxPolygonPixels)
        return nullptr;
    const bool offset = target.OffsetEnabled();
    std::uint64_t key = polygonHash(styleHash(style, offset), corners);
    auto it = polygons_.find(key);
    if (it != polygons_.end()) {
        // Another polygon with the same key (a rare hash collision) is drawn directly.
        PolygonSprite& found = it->second;
        if (found.offset != offset || !sameStyle(found.style, style) || found.corners != corners)
            return nullptr;
        found.lastFrame = frame_;
        return &found.sprite;
    }
    if (seenPolygons_.insert(key).second) {
        if (seenPolygons_.size() > kMaxSeenPolygons) {
            seenPolygons_.clear();
            seenPolygons_.insert(key);
        }
        return nullptr;
    }

    const bool pen = style.pen.a != 0;
    // Room for the outline (a pen of width 0 draws one pixel wide), the half-pixel shift of odd
    // pens and the anti-aliased edge.
    const double reach = outlineReach(corners, pen ? std::max(1, style.penWidth) : 0);
    const int pad = static_cast<int>(std::ceil(reach + 0.5)) + 1;
    std::int64_t width = std::int64_t(right) + 2 * pad + 1, height = std::int64_t(bottom) + 2 * pad + 1;
    if (width * height > kMaxPolygonPixels || frameSpent_ >= kPolygonTimePerFrame)
        return nullptr;
    size_t bytes = size_t(width * height) * 4;
    if (polygonBytes_ + bytes > kMaxPolygonBytes) {
        dropUnusedPolygons();
        if (polygonBytes_ + bytes > kMaxPolygonBytes)
            return nullptr;
    }
    const auto started = std::chrono::steady_clock::now();

    PolygonSprite entry;
    entry.corners = corners;
    entry.style = style;
    entry.offset = offset;
    entry.lastFrame = frame_;
    entry.sprite.pad = pad;
    entry.sprite.width = static_cast<int>(width);
    entry.sprite.height = static_cast<int>(height);
    SpriteCanvas canvas(entry.sprite.width, entry.sprite.height, target);
    canvas.gc->SetPen(pen ? canvas.gc->CreatePen(targetPen(style.pen, style.penWidth, style.penStyle))
                          : wxNullGraphicsPen);
    canvas.gc->SetBrush(style.brush.a != 0 ? canvas.gc->CreateBrush(wxBrush(toWx(style.brush)))
                                           : wxNullGraphicsBrush);
    // The same open path, back to its first corner, that the target draws directly.
    std::vector<wxPoint2DDouble> points;
    for (size_t i = 0; i + 1 < corners.size(); i += 2)
        points.emplace_back(corners[i] + pad, corners[i + 1] + pad);
    points.push_back(points.front());
    canvas.gc->DrawLines(points.size(), points.data(), wxODDEVEN_RULE);
    entry.sprite.bitmap = canvas.finish(target);
    frameSpent_ += std::chrono::steady_clock::now() - started;

    polygonBytes_ += bytes;
    return &polygons_.emplace(key, std::move(entry)).first->second.sprite;
}

} // namespace layrail
