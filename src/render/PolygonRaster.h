#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "render/DrawTarget.h"

namespace layrail {

// How a polygon is painted; alpha 0 stands for no fill or no pen.
struct RasterStyle {
    Colour fill;
    Colour pen;
    double penWidth = 1.0;
};

// The signed-area coverage of closed polygons on a small grid of pixels: each cell ends up with the
// exact share of its square that the polygons cover (overlaps count once). Coordinates are grid
// pixels; whatever lies outside the grid is cut off.
class CoverageGrid {
public:
    void reset(int width, int height);
    int width() const { return width_; }
    int height() const { return height_; }

    // Adds the area of a closed polygon; reversed adds it with the opposite winding, which cuts a
    // hole where it lies inside an earlier polygon of the other winding.
    void addPolygon(const std::vector<PixelPoint>& points, bool reversed = false);
    // The covered share of every cell, 0 to 255, row after row.
    void resolve(std::vector<std::uint8_t>& coverage) const;

private:
    void addEdge(PixelPoint from, PixelPoint to);

    int width_ = 0;
    int height_ = 0;
    std::vector<float> cells_; // width + 2 per row: area flowing in from the left
};

// The outline a pen of the given width draws along a closed polygon, with mitred corners (bevelled
// beyond a mitre length of 10 pen widths): an outer ring polygon and the inner one to cut out of it.
// inner is left empty when the pen covers the whole polygon; both are left empty when the polygon is
// too thin in places for an inner polygon (the outline is then the union of the pen's bands along
// the edges, which the layer works out row by row).
void outlineRing(const std::vector<PixelPoint>& polygon, double penWidth, std::vector<PixelPoint>& outer,
                 std::vector<PixelPoint>& inner);

// A picture the size of the target that small polygons are painted into with anti-aliased coverage,
// as a graphics library paints a filled path with a mitred outline: the fill, then the pen centred on
// the edges. Thousands of track bands a few pixels across cost far less painted here and copied onto
// the target at once than filled and stroked one by one by the library.
// Pixels are premultiplied ARGB in one 32-bit word each, alpha in the high byte (cairo's ARGB32).
//
// A target collects the polygons of a run (everything between two copies onto it) with add() and
// paints them with finishRun(). A run that repeats the run at the same place of the previous frame
// exactly, as every run of an unchanged view does, comes from a copy of that run's picture.
class RasterLayer {
public:
    struct Region {
        int x = 0, y = 0, width = 0, height = 0;
        bool empty() const { return width <= 0 || height <= 0; }
    };

    // Sets the size; whatever was painted or kept is forgotten.
    void resize(int width, int height);
    int width() const { return width_; }
    int height() const { return height_; }

    // Paints a closed polygon given in layer pixels over what is there; shift moves it right and down
    // (0.5 puts the edges of whole-pixel corners on pixel centres, as libraries do for odd pens).
    void paint(const std::vector<PixelPoint>& points, const RasterStyle& style, double shift = 0.0);

    // A new frame: its runs are matched against the previous frame's, in order.
    void startFrame();
    // Collects a polygon for the current run, to be painted as paint() does.
    void add(const std::vector<PixelPoint>& points, const RasterStyle& style, double shift = 0.0);
    bool collecting() const { return !runPolygons_.empty(); }
    // Paints the polygons collected since the last run into the layer and returns the painted part.
    Region finishRun();

    // The part painted since the last clear.
    Region painted() const { return painted_; }
    const std::uint32_t* pixels() const { return pixels_.data(); }
    std::uint32_t pixel(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    // Makes the painted part transparent again.
    void clear();

private:
    struct Collected {
        size_t first = 0; // into the run's points
        size_t count = 0;
        RasterStyle style;
        double shift = 0.0;
        bool operator==(const Collected& other) const;
    };
    // A run's polygons and the picture they made.
    struct Run {
        std::vector<PixelPoint> points;
        std::vector<Collected> polygons;
        Region region;
        std::vector<std::uint32_t> pixels;
    };

    // A polygon painted alone on a transparent picture, placed relative to the whole pixel at or
    // above and left of its top-left corner.
    struct Tile {
        int x = 0, y = 0, width = 0, height = 0;
        std::vector<std::uint32_t> pixels;
        std::vector<std::int32_t> corners; // the corners from the top-left corner, for reuse
        RasterStyle style;
        double shift = 0.0;
        bool matches(const std::vector<std::int32_t>& otherCorners, const RasterStyle& otherStyle,
                     double otherShift) const;
    };

    void buildTile(const RasterStyle& style, double shift, double left, double top, Tile& tile);
    void blend(const Tile& tile, int x, int y);
    bool sameAsKept(const Run& kept) const;
    void keep(Run& kept);

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
    Region painted_;

    std::vector<PixelPoint> runPoints_;
    std::vector<Collected> runPolygons_;
    std::vector<Run> previousFrame_; // by position in the frame
    size_t runIndex_ = 0;

    // Reused from polygon to polygon.
    std::vector<PixelPoint> polygon_, outer_, inner_;
    CoverageGrid grid_;
    std::vector<std::uint8_t> coverage_;
    std::vector<std::int32_t> corners_;
    std::unordered_map<std::uint64_t, Tile> tiles_;
    size_t tileBytes_ = 0;
};

} // namespace layrail
