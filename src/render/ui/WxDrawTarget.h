#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include <wx/dc.h>
#include <wx/graphics.h>

#include "render/DrawTarget.h"

namespace layrail {

// Draws through the graphics context of a wx device context (a wxGCDC gives anti-aliasing and alpha);
// other device contexts get a graphics context made for them. Pens, brushes, fonts, text extents and
// the pictures of dots, labels and polygons are made once and reused from frame to frame. Polygons a
// few pixels across (the track of a layout seen whole) are painted into a layer of their own and
// copied onto the context at once, before anything else is drawn over them.
class WxDrawTarget : public DrawTarget {
public:
    explicit WxDrawTarget(wxDC& dc);
    ~WxDrawTarget() override;
    WxDrawTarget(const WxDrawTarget&) = delete;
    WxDrawTarget& operator=(const WxDrawTarget&) = delete;

    void setPen(Colour colour, double width, PenStyle style = PenStyle::Solid) override;
    void setNoPen() override;
    void setBrush(Colour colour) override;
    void setNoBrush() override;

    void clear(Colour colour) override;
    void polygon(const std::vector<PixelPoint>& points) override;
    void polyline(const std::vector<PixelPoint>& points) override;
    void line(PixelPoint from, PixelPoint to) override;
    void ellipse(PixelPoint centre, double radiusX, double radiusY) override;
    void roundedRectangle(double x, double y, double width, double height, double radius) override;
    void text(const std::string& utf8, double x, double y, const FontSpec& font, Colour colour,
              double angle = 0.0) override;
    void textWithBackground(const std::string& utf8, double x, double y, const FontSpec& font, Colour colour,
                            Colour background) override;
    TextExtent textExtent(const std::string& utf8, const FontSpec& font) override;

private:
    void applyFont(const FontSpec& font, Colour colour);
    void fillPoints(const std::vector<PixelPoint>& points, bool close);
    bool polygonFromSprite(const std::vector<PixelPoint>& points);
    bool polygonIntoLayer(const std::vector<PixelPoint>& points);
    // Copies what the layer holds onto the context; every other drawing call comes after it.
    void flushLayer();
    void drawTextLines(const wxString& text, double x, double y, double angle);
    using ExtentCache = std::unordered_map<std::uint32_t, std::unordered_map<std::string, TextExtent>>;
    ExtentCache& extentCache();

    wxDC& dc_;
    std::unique_ptr<wxGraphicsContext> owned_;
    wxGraphicsContext* gc_ = nullptr;
    wxSize size_;
    bool spritesAllowed_ = false;
    bool layerAllowed_ = false;
    bool layerPending_ = false;
    Colour penColour_;
    double penWidth_ = 0.0;
    // A whole pen width: the copied pictures and the layer take only those.
    bool wholePen_ = true;
    PenStyle penStyle_ = PenStyle::Solid;
    Colour brushColour_;

    bool hasPen_ = false;
    bool hasBrush_ = false;
    std::uint64_t penKey_ = 0;
    std::uint32_t brushKey_ = 0;
    std::uint64_t fontKey_ = 0;
    bool fontSet_ = false;

    struct GraphicsObjects;
    GraphicsObjects* objects_ = nullptr;
    ExtentCache extents_;
    std::vector<wxPoint2DDouble> points_;
    std::vector<std::int32_t> corners_;
};

} // namespace layrail
