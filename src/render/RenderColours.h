#pragma once

#include <algorithm>
#include <cstdint>

#include "render/DrawTarget.h"

namespace layrail {

constexpr Colour rgb(int r, int g, int b, int a = 255)
{
    return Colour{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b),
                  static_cast<std::uint8_t>(a)};
}

// The plan's fixed palette.
namespace colours {
constexpr Colour kBackground = rgb(255, 255, 255);
constexpr Colour kGrid = rgb(220, 220, 215);
constexpr Colour kOriginCross = rgb(180, 180, 220);
constexpr Colour kPieceFillK = rgb(215, 200, 175);
constexpr Colour kPieceFill = rgb(210, 210, 205);
constexpr Colour kPieceFillSelected = rgb(180, 200, 230);
constexpr Colour kPieceOutline = rgb(120, 120, 115);
constexpr Colour kSelectedBlue = rgb(40, 100, 200);
constexpr Colour kGhostFill = rgb(200, 225, 200);
constexpr Colour kGhostOutline = rgb(80, 150, 80);
constexpr Colour kFreeDot = rgb(255, 140, 0);
constexpr Colour kJoinedDot = rgb(60, 180, 60);
constexpr Colour kBaseboardFill = rgb(245, 235, 210);
constexpr Colour kBaseboardEdge = rgb(120, 90, 50);
constexpr Colour kDeckFill = rgb(235, 220, 190);
constexpr Colour kSelectionBlue = rgb(40, 80, 200);
constexpr Colour kDarkText = rgb(20, 20, 20);
} // namespace colours

inline std::uint8_t clampChannel(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); }

// Each channel reduced, floored at 0; alpha kept.
inline Colour darker(Colour c, int dr, int dg, int db)
{
    return Colour{clampChannel(c.r - dr), clampChannel(c.g - dg), clampChannel(c.b - db), c.a};
}

// Each channel raised, capped at 255; alpha kept.
inline Colour lighter(Colour c, int dr, int dg, int db)
{
    return Colour{clampChannel(c.r + dr), clampChannel(c.g + dg), clampChannel(c.b + db), c.a};
}

inline Colour withAlpha(Colour c, int a)
{
    c.a = clampChannel(a);
    return c;
}

// Lightness 0 is black, 100 unchanged, 200 white: the same blend wx uses for its lightness scale.
inline Colour changeLightness(Colour c, int lightness)
{
    if (lightness == 100)
        return c;
    lightness = std::clamp(lightness, 0, 200);
    double alpha = (lightness - 100.0) / 100.0;
    double background = 0.0;
    if (lightness > 100) {
        background = 255.0;
        alpha = 1.0 - alpha;
    } else {
        alpha = 1.0 + alpha;
    }
    auto blend = [&](std::uint8_t v) {
        double r = background + alpha * (v - background);
        return static_cast<std::uint8_t>(std::clamp(r, 0.0, 255.0));
    };
    return Colour{blend(c.r), blend(c.g), blend(c.b), c.a};
}

inline bool operator==(Colour a, Colour b) { return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a; }
inline bool operator!=(Colour a, Colour b) { return !(a == b); }

} // namespace layrail
