#include <algorithm>
#include <cmath>

#include "render/PieceDrawing.h"
#include "render/RenderColours.h"

namespace layrail {

namespace {

constexpr double kTintFloorZ = 0.5;
constexpr double kTintFullZ = 120.0;
constexpr double kFlatGrade = 0.001;

const Level* levelOf(const Layout& layout, int id)
{
    for (const Level& level : layout.levels)
        if (level.id == id)
            return &level;
    return nullptr;
}

// Low track turns from grey through yellow to dark orange as it rises towards 120 mm.
PieceStyle elevationTint(double z)
{
    double v = std::min(z / kTintFullZ, 1.0);
    double r, g, b;
    if (v < 0.5) {
        double c = 2.0 * v;
        r = 210.0 + 45.0 * c;
        g = 210.0 + 10.0 * c;
        b = 205.0 - 145.0 * c;
    } else {
        double w = 2.0 * (v - 0.5);
        r = 255.0 - 75.0 * w;
        g = 220.0 - 110.0 * w;
        b = 60.0 - 60.0 * w;
    }
    Colour fill = rgb(static_cast<int>(r), static_cast<int>(g), static_cast<int>(b));
    return PieceStyle{fill, darker(fill, 60, 60, 30)};
}

// Hidden track: washed out towards light grey and partly transparent.
Colour tunnelShade(Colour c)
{
    auto ch = [](std::uint8_t v) { return static_cast<int>(0.4 * v + 132.0); };
    return rgb(ch(c.r), ch(c.g), ch(c.b), 192);
}

} // namespace

PieceStyle pieceStyle(const std::set<int>& helixSet, const Layout& layout, const PlacedPiece& piece,
                      const CatalogPiece& catalogPiece, bool selected, bool inTunnel)
{
    if (selected)
        return PieceStyle{colours::kPieceFillSelected, colours::kSelectedBlue};

    PieceStyle style{catalogPiece.system == TrackSystem::MarklinK ? colours::kPieceFillK : colours::kPieceFill,
                     colours::kPieceOutline};
    const Level* level = levelOf(layout, piece.level);
    if (level && level->trackColour)
        style.fill = rgb(level->red, level->green, level->blue);
    if (piece.hasColour)
        style.fill = rgb(piece.red, piece.green, piece.blue);

    bool flatHelixTrack = std::fabs(piece.grade) < kFlatGrade && helixSet.count(piece.id) != 0;
    if (piece.z > kTintFloorZ && !flatHelixTrack)
        style = elevationTint(piece.z);

    if (inTunnel) {
        style.fill = tunnelShade(style.fill);
        style.outline = tunnelShade(style.outline);
    }
    return style;
}

} // namespace layrail
