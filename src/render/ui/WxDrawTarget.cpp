#include "render/ui/WxDrawTarget.h"

#include <algorithm>
#include <cmath>

#include <cairo.h>
#include <wx/dcgraph.h>
#include <wx/font.h>
#include <wx/pen.h>
#include <wx/tokenzr.h>

#include "render/PolygonRaster.h"
#include "render/ui/WxSpriteCache.h"

namespace layrail {

namespace {

constexpr size_t kMaxSharedExtents = 4096;
// Polygons whose bounds hold at most this many pixels go into the layer: painting them there costs
// less than one fill and stroke by the graphics library.
constexpr double kMaxLayerPolygonPixels = 400.0;
// Corners further out than this are far off any window; their offsets would not fit the sprite keys.
constexpr double kLargestSpriteCoordinate = 1e8;

std::uint32_t colourKey(Colour c)
{
    return (std::uint32_t(c.r) << 24) | (std::uint32_t(c.g) << 16) | (std::uint32_t(c.b) << 8) | c.a;
}

std::uint32_t fontSpecKey(const FontSpec& font) { return (std::uint32_t(font.size) << 1) | (font.bold ? 1u : 0u); }

wxColour toWx(Colour c) { return wxColour(c.r, c.g, c.b, c.a); }

// wx fonts are shared process-wide: building one asks the font system, which is slow.
const wxFont& sansFont(const FontSpec& fontSpec)
{
    static std::unordered_map<std::uint32_t, wxFont> fonts;
    auto it = fonts.find(fontSpecKey(fontSpec));
    if (it == fonts.end()) {
        wxFont font(wxFontInfo(fontSpec.size > 0 ? fontSpec.size : 1).Family(wxFONTFAMILY_SWISS).Bold(fontSpec.bold));
        it = fonts.emplace(fontSpecKey(fontSpec), font).first;
    }
    return it->second;
}

// One layer for every target: it is as large as the largest target and transparent between frames.
RasterLayer& sharedLayer()
{
    static RasterLayer* layer = new RasterLayer;
    return *layer;
}

} // namespace

// Pens, brushes and fonts belong to the renderer, not to one context: they are made once per run.
struct WxDrawTarget::GraphicsObjects {
    wxGraphicsRenderer* renderer = nullptr;
    std::unordered_map<std::uint64_t, wxGraphicsPen> pens;
    std::unordered_map<std::uint32_t, wxGraphicsBrush> brushes;
    std::unordered_map<std::uint64_t, wxGraphicsFont> fonts;

    static GraphicsObjects& forRenderer(wxGraphicsRenderer* renderer)
    {
        // Never destroyed: the objects must not outlive the graphics system at exit.
        static GraphicsObjects* shared = new GraphicsObjects;
        if (shared->renderer != renderer) {
            shared->pens.clear();
            shared->brushes.clear();
            shared->fonts.clear();
            shared->renderer = renderer;
        }
        return *shared;
    }
};

WxDrawTarget::WxDrawTarget(wxDC& dc) : dc_(dc), size_(dc.GetSize())
{
    gc_ = dc.GetGraphicsContext();
    if (!gc_) {
        owned_.reset(wxGraphicsContext::CreateFromUnknownDC(dc));
        gc_ = owned_.get();
    }
    if (gc_) {
        objects_ = &GraphicsObjects::forRenderer(gc_->GetRenderer());
        gc_->SetAntialiasMode(wxANTIALIAS_DEFAULT);
        gc_->SetPen(wxNullGraphicsPen);
        gc_->SetBrush(wxNullGraphicsBrush);
        // Copied pictures are only exact when one unit is one device pixel.
        double a = 0, b = 0, c = 0, d = 0, tx = 0, ty = 0;
        gc_->GetTransform().Get(&a, &b, &c, &d, &tx, &ty);
        spritesAllowed_ = a == 1.0 && b == 0.0 && c == 0.0 && d == 1.0 && tx == std::floor(tx) &&
                          ty == std::floor(ty) && gc_->GetContentScaleFactor() == 1.0;
        if (spritesAllowed_)
            WxSpriteCache::instance().startFrame();
        // The layer covers the device context from its origin and is copied with the context's own
        // cairo calls.
        layerAllowed_ = spritesAllowed_ && tx == 0.0 && ty == 0.0 &&
                        gc_->GetRenderer() == wxGraphicsRenderer::GetCairoRenderer() &&
                        gc_->GetNativeContext() != nullptr && size_.x > 0 && size_.y > 0;
        if (layerAllowed_) {
            RasterLayer& layer = sharedLayer();
            if (layer.width() < size_.x || layer.height() < size_.y)
                layer.resize(std::max(layer.width(), size_.x), std::max(layer.height(), size_.y));
            layer.startFrame();
        }
    }
}

WxDrawTarget::~WxDrawTarget()
{
    flushLayer();
    // Hand the context back in the state its device context believes it to be in.
    if (gc_ && !owned_) {
        gc_->SetPen(dc_.GetPen());
        gc_->SetBrush(dc_.GetBrush());
        if (dc_.GetFont().IsOk())
            gc_->SetFont(dc_.GetFont(), dc_.GetTextForeground());
    }
}

void WxDrawTarget::setPen(Colour colour, double width, PenStyle style)
{
    // Widths count in 1/64 pixel in the key, which leaves room for any pen a target draws with.
    const std::uint64_t sixtyFourths = static_cast<std::uint64_t>(std::lround(std::max(width, 0.0) * 64.0)) & 0xffffff;
    std::uint64_t key =
        (std::uint64_t(colourKey(colour)) << 32) | (sixtyFourths << 8) | static_cast<std::uint64_t>(style);
    if (!gc_ || (hasPen_ && key == penKey_))
        return;
    const bool whole = width == std::floor(width);
    auto& pens = objects_->pens;
    auto it = pens.find(key);
    if (it == pens.end()) {
        const wxGraphicsPen pen = whole ? gc_->CreatePen(targetPen(colour, static_cast<int>(width), style))
                                        : gc_->CreatePen(targetPenInfo(colour, width, style));
        it = pens.emplace(key, pen).first;
    }
    gc_->SetPen(it->second);
    penKey_ = key;
    hasPen_ = true;
    penColour_ = colour;
    penWidth_ = width;
    wholePen_ = whole;
    penStyle_ = style;
}

void WxDrawTarget::setNoPen()
{
    if (!gc_ || !hasPen_)
        return;
    gc_->SetPen(wxNullGraphicsPen);
    hasPen_ = false;
}

void WxDrawTarget::setBrush(Colour colour)
{
    std::uint32_t key = colourKey(colour);
    if (!gc_ || (hasBrush_ && key == brushKey_))
        return;
    auto& brushes = objects_->brushes;
    auto it = brushes.find(key);
    if (it == brushes.end())
        it = brushes.emplace(key, gc_->CreateBrush(wxBrush(toWx(colour)))).first;
    gc_->SetBrush(it->second);
    brushKey_ = key;
    hasBrush_ = true;
    brushColour_ = colour;
}

void WxDrawTarget::setNoBrush()
{
    if (!gc_ || !hasBrush_)
        return;
    gc_->SetBrush(wxNullGraphicsBrush);
    hasBrush_ = false;
}

void WxDrawTarget::clear(Colour colour)
{
    if (!gc_)
        return;
    flushLayer();
    gc_->SetCompositionMode(wxCOMPOSITION_SOURCE);
    setNoPen();
    setBrush(colour);
    gc_->DrawRectangle(0, 0, size_.x, size_.y);
    gc_->SetCompositionMode(wxCOMPOSITION_OVER);
}

void WxDrawTarget::fillPoints(const std::vector<PixelPoint>& points, bool close)
{
    points_.clear();
    for (const PixelPoint& p : points)
        points_.emplace_back(p.x, p.y);
    if (close && !points.empty())
        points_.emplace_back(points.front().x, points.front().y);
}

// A polygon on whole pixels looks the same wherever it lies, so one picture of it serves every
// frame that draws it at any whole-pixel position.
bool WxDrawTarget::polygonFromSprite(const std::vector<PixelPoint>& points)
{
    if (!spritesAllowed_ || points.size() < 3 || (hasPen_ && (penColour_.a == 0 || !wholePen_)) ||
        (hasBrush_ && brushColour_.a == 0))
        return false;
    double left = points.front().x, top = points.front().y;
    for (const PixelPoint& p : points) {
        if (!(std::fabs(p.x) <= kLargestSpriteCoordinate && std::fabs(p.y) <= kLargestSpriteCoordinate) ||
            p.x != double(std::int64_t(p.x)) || p.y != double(std::int64_t(p.y)))
            return false;
        left = std::min(left, p.x);
        top = std::min(top, p.y);
    }
    corners_.clear();
    for (const PixelPoint& p : points) {
        corners_.push_back(static_cast<std::int32_t>(p.x - left));
        corners_.push_back(static_cast<std::int32_t>(p.y - top));
    }
    const Colour none{0, 0, 0, 0};
    WxSpriteCache::PolygonStyle style{hasPen_ ? penColour_ : none, hasPen_ ? static_cast<int>(penWidth_) : 0,
                                      penStyle_, hasBrush_ ? brushColour_ : none};
    const WxSpriteCache::Sprite* sprite = WxSpriteCache::instance().polygon(*gc_, corners_, style);
    if (!sprite)
        return false;
    gc_->DrawBitmap(sprite->bitmap, left - sprite->pad, top - sprite->pad, sprite->width, sprite->height);
    return true;
}

bool WxDrawTarget::polygonIntoLayer(const std::vector<PixelPoint>& points)
{
    if (!layerAllowed_ || (hasPen_ && (penStyle_ != PenStyle::Solid || !wholePen_)))
        return false;
    double left = points.front().x, right = left, top = points.front().y, bottom = top;
    for (const PixelPoint& p : points) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    if (!((right - left + 1.0) * (bottom - top + 1.0) <= kMaxLayerPolygonPixels))
        return false;
    const Colour none{0, 0, 0, 0};
    // The library puts odd pens on pixel centres by moving the whole path half a pixel.
    const int penWidth = hasPen_ ? std::max(static_cast<int>(penWidth_), 1) : 0;
    const double shift = gc_->OffsetEnabled() && penWidth % 2 == 1 ? 0.5 : 0.0;
    sharedLayer().add(points, RasterStyle{hasBrush_ ? brushColour_ : none, hasPen_ ? penColour_ : none,
                                          static_cast<double>(penWidth)},
                      shift);
    layerPending_ = true;
    return true;
}

void WxDrawTarget::flushLayer()
{
    if (!layerPending_)
        return;
    layerPending_ = false;
    RasterLayer& layer = sharedLayer();
    const RasterLayer::Region region = layer.finishRun();
    if (!region.empty()) {
        auto* cr = static_cast<cairo_t*>(gc_->GetNativeContext());
        const int stride = layer.width() * 4;
        auto* data = reinterpret_cast<unsigned char*>(const_cast<std::uint32_t*>(layer.pixels()));
        cairo_surface_t* surface = cairo_image_surface_create_for_data(
            data + static_cast<size_t>(region.y) * stride + static_cast<size_t>(region.x) * 4, CAIRO_FORMAT_ARGB32,
            region.width, region.height, stride);
        cairo_save(cr);
        cairo_new_path(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        cairo_set_source_surface(cr, surface, region.x, region.y);
        cairo_rectangle(cr, region.x, region.y, region.width, region.height);
        cairo_fill(cr);
        cairo_restore(cr);
        cairo_surface_destroy(surface);
    }
    layer.clear();
}

void WxDrawTarget::polygon(const std::vector<PixelPoint>& points)
{
    if (!gc_ || points.size() < 2 || (!hasPen_ && !hasBrush_))
        return;
    if (polygonIntoLayer(points))
        return;
    flushLayer();
    if (polygonFromSprite(points))
        return;
    fillPoints(points, true);
    gc_->DrawLines(points_.size(), points_.data(), wxODDEVEN_RULE);
}

void WxDrawTarget::polyline(const std::vector<PixelPoint>& points)
{
    if (!gc_ || points.size() < 2 || !hasPen_)
        return;
    flushLayer();
    fillPoints(points, false);
    gc_->StrokeLines(points_.size(), points_.data());
}

void WxDrawTarget::line(PixelPoint from, PixelPoint to)
{
    if (!gc_ || !hasPen_)
        return;
    flushLayer();
    gc_->StrokeLine(from.x, from.y, to.x, to.y);
}

void WxDrawTarget::ellipse(PixelPoint centre, double radiusX, double radiusY)
{
    if (!gc_ || (!hasPen_ && !hasBrush_))
        return;
    flushLayer();
    constexpr double kLargestSpriteDot = 24.0;
    bool spriteDot = spritesAllowed_ && radiusX == radiusY && radiusX <= kLargestSpriteDot &&
                     radiusX == std::floor(radiusX) && centre.x == std::floor(centre.x) &&
                     centre.y == std::floor(centre.y) && (!hasPen_ || (penStyle_ == PenStyle::Solid && wholePen_));
    if (spriteDot) {
        const Colour none{0, 0, 0, 0};
        const int penWidth = hasPen_ ? static_cast<int>(penWidth_) : 0;
        const auto& sprite = WxSpriteCache::instance().dot(*gc_, hasPen_ ? penColour_ : none, penWidth,
                                                           hasBrush_ ? brushColour_ : none, int(radiusX));
        gc_->DrawBitmap(sprite.bitmap, centre.x - radiusX - sprite.pad, centre.y - radiusY - sprite.pad,
                        sprite.width, sprite.height);
        return;
    }
    gc_->DrawEllipse(centre.x - radiusX, centre.y - radiusY, 2.0 * radiusX, 2.0 * radiusY);
}

void WxDrawTarget::roundedRectangle(double x, double y, double width, double height, double radius)
{
    if (!gc_ || (!hasPen_ && !hasBrush_))
        return;
    flushLayer();
    gc_->DrawRoundedRectangle(x, y, width, height, radius);
}

void WxDrawTarget::applyFont(const FontSpec& font, Colour colour)
{
    std::uint64_t key = (std::uint64_t(fontSpecKey(font)) << 32) | colourKey(colour);
    if (fontSet_ && key == fontKey_)
        return;
    auto& fonts = objects_->fonts;
    auto it = fonts.find(key);
    if (it == fonts.end())
        it = fonts.emplace(key, gc_->CreateFont(sansFont(font), toWx(colour))).first;
    gc_->SetFont(it->second);
    fontKey_ = key;
    fontSet_ = true;
}

// The graphics context draws one line at a time; line breaks go down in the text's own frame.
void WxDrawTarget::drawTextLines(const wxString& text, double x, double y, double angle)
{
    double radians = angle * 3.141592653589793 / 180.0;
    if (text.Find('\n') == wxNOT_FOUND) {
        if (angle == 0.0)
            gc_->DrawText(text, x, y);
        else
            gc_->DrawText(text, x, y, radians);
        return;
    }
    double offset = 0.0;
    wxStringTokenizer lines(text, "\n", wxTOKEN_RET_EMPTY_ALL);
    while (lines.HasMoreTokens()) {
        wxString lineText = lines.GetNextToken();
        double w = 0.0, h = 0.0;
        gc_->GetTextExtent(lineText.empty() ? wxString(" ") : lineText, &w, &h);
        double lx = x + offset * std::sin(radians), ly = y + offset * std::cos(radians);
        if (angle == 0.0)
            gc_->DrawText(lineText, lx, ly);
        else
            gc_->DrawText(lineText, lx, ly, radians);
        offset += h;
    }
}

void WxDrawTarget::text(const std::string& utf8, double x, double y, const FontSpec& font, Colour colour,
                        double angle)
{
    if (!gc_ || utf8.empty())
        return;
    flushLayer();
    if (spritesAllowed_ && angle == 0.0 && utf8.find('\n') == std::string::npos) {
        TextExtent extent = textExtent(utf8, font);
        const auto& sprite =
            WxSpriteCache::instance().text(*gc_, utf8, sansFont(font), fontSpecKey(font), colour, extent);
        gc_->DrawBitmap(sprite.bitmap, std::round(x) - sprite.pad, std::round(y) - sprite.pad, sprite.width,
                        sprite.height);
        return;
    }
    applyFont(font, colour);
    drawTextLines(wxString::FromUTF8(utf8.data(), utf8.size()), x, y, angle);
}

void WxDrawTarget::textWithBackground(const std::string& utf8, double x, double y, const FontSpec& font,
                                      Colour colour, Colour background)
{
    if (!gc_ || utf8.empty())
        return;
    flushLayer();
    TextExtent extent = textExtent(utf8, font);
    setNoPen();
    setBrush(background);
    gc_->DrawRectangle(x, y, extent.width, extent.height);
    text(utf8, x, y, font, colour);
}

WxDrawTarget::ExtentCache& WxDrawTarget::extentCache()
{
    // Where one unit is one pixel every target measures alike, so measurements outlive the frame.
    static ExtentCache* shared = new ExtentCache;
    if (!spritesAllowed_)
        return extents_;
    size_t entries = 0;
    for (const auto& byFont : *shared)
        entries += byFont.second.size();
    if (entries > kMaxSharedExtents)
        shared->clear();
    return *shared;
}

TextExtent WxDrawTarget::textExtent(const std::string& utf8, const FontSpec& font)
{
    if (!gc_ || utf8.empty())
        return TextExtent{};
    auto& cache = extentCache()[fontSpecKey(font)];
    auto it = cache.find(utf8);
    if (it != cache.end())
        return it->second;
    applyFont(font, Colour{0, 0, 0, 255});
    wxString text = wxString::FromUTF8(utf8.data(), utf8.size());
    TextExtent extent;
    wxStringTokenizer lines(text, "\n", wxTOKEN_RET_EMPTY_ALL);
    while (lines.HasMoreTokens()) {
        wxString lineText = lines.GetNextToken();
        double w = 0.0, h = 0.0;
        gc_->GetTextExtent(lineText.empty() ? wxString(" ") : lineText, &w, &h);
        extent.width = std::max(extent.width, w);
        extent.height += h;
    }
    cache.emplace(utf8, extent);
    return extent;
}

} // namespace layrail
