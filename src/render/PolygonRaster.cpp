#include "render/PolygonRaster.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "render/RenderColours.h"

namespace layrail {

namespace {

// A mitre longer than this many half pen widths becomes a bevel (cairo's default limit of 10).
constexpr double kMiterLimit = 10.0;

double cross(PixelPoint a, PixelPoint b) { return a.x * b.y - a.y * b.x; }
double dot(PixelPoint a, PixelPoint b) { return a.x * b.x + a.y * b.y; }
PixelPoint operator-(PixelPoint a, PixelPoint b) { return {a.x - b.x, a.y - b.y}; }
PixelPoint operator+(PixelPoint a, PixelPoint b) { return {a.x + b.x, a.y + b.y}; }
PixelPoint operator*(PixelPoint a, double k) { return {a.x * k, a.y * k}; }

// Corners without repeats, the closing corner dropped.
void distinctCorners(const std::vector<PixelPoint>& points, std::vector<PixelPoint>& out)
{
    out.clear();
    for (const PixelPoint& p : points)
        if (out.empty() || p.x != out.back().x || p.y != out.back().y)
            out.push_back(p);
    while (out.size() > 1 && out.front().x == out.back().x && out.front().y == out.back().y)
        out.pop_back();
}

double signedArea2(const std::vector<PixelPoint>& p)
{
    double area = 0.0;
    for (size_t i = 0; i < p.size(); ++i)
        area += cross(p[i], p[(i + 1) % p.size()]);
    return area;
}

// The edges of a polygon as unit directions and outward normals, worked out once for both offsets.
struct EdgeFrame {
    std::vector<PixelPoint> direction, normal;
    std::vector<size_t> start, end; // where each offset edge starts and ends in the offset polygon

    void build(const std::vector<PixelPoint>& p, double orientation)
    {
        const size_t n = p.size();
        direction.resize(n);
        normal.resize(n);
        start.resize(n);
        end.resize(n);
        for (size_t i = 0; i < n; ++i) {
            const PixelPoint d = p[i + 1 == n ? 0 : i + 1] - p[i];
            const PixelPoint u = d * (1.0 / std::sqrt(dot(d, d)));
            direction[i] = u;
            normal[i] = PixelPoint{u.y, -u.x} * orientation;
        }
    }

    // The polygon moved out (half > 0) or in (half < 0) by half a pen width, each edge parallel to
    // its original. The outer side of a turn is mitred or bevelled, the inner side meets at the
    // crossing of the two offset edges. False when an edge of the result runs against its original.
    bool offset(const std::vector<PixelPoint>& p, double orientation, double half, std::vector<PixelPoint>& out)
    {
        const size_t n = p.size();
        out.clear();
        for (size_t i = 0; i < n; ++i) {
            const size_t before = i == 0 ? n - 1 : i - 1;
            const PixelPoint a = normal[before];
            const PixelPoint b = normal[i];
            const double turn = cross(direction[before], direction[i]) * orientation;
            // The result lies on the outside of this turn when it moves out of a convex corner or
            // into a concave one.
            const bool outsideOfTurn = turn != 0.0 && (turn > 0.0) == (half > 0.0);
            const double denominator = std::max(1.0 + dot(a, b), 1e-12);
            end[before] = out.size();
            if (outsideOfTurn && 2.0 / denominator > kMiterLimit * kMiterLimit) {
                out.push_back(p[i] + a * half);
                start[i] = out.size();
                out.push_back(p[i] + b * half);
                continue;
            }
            // On the inner side a turn nearly back on itself crosses far away; the result then turns
            // round and is refused.
            const double scale = outsideOfTurn ? 1.0 / denominator : std::min(1.0 / denominator, 1e4);
            start[i] = out.size();
            out.push_back(p[i] + (a + b) * (half * scale));
        }
        // An edge shrunk to nothing is fine; one that turned round is not.
        for (size_t i = 0; i < n; ++i)
            if (dot(out[end[i]] - out[start[i]], direction[i]) < -1e-9)
                return false;
        return true;
    }
};

// How the pen's outline of a polygon is found.
enum class RingKind {
    Ring,  // the outer polygon less the inner one
    Solid, // the outer polygon: the pen covers the whole polygon
    Union, // neither: the union of the pen's pieces along each edge
};

// The outline of distinct corners; see outlineRing.
RingKind ringOf(const std::vector<PixelPoint>& corners, double penWidth, std::vector<PixelPoint>& outer,
                std::vector<PixelPoint>& inner)
{
    outer.clear();
    inner.clear();
    const double area = signedArea2(corners);
    if (corners.size() < 3 || area == 0.0)
        return RingKind::Union;
    const double orientation = area > 0.0 ? 1.0 : -1.0;
    thread_local EdgeFrame frame;
    frame.build(corners, orientation);
    const double half = penWidth / 2.0;
    if (!frame.offset(corners, orientation, half, outer))
        return RingKind::Union;
    if (!frame.offset(corners, orientation, -half, inner))
        return RingKind::Union;
    const double innerArea = signedArea2(inner) * orientation;
    if (innerArea < -1e-9)
        return RingKind::Union;
    if (innerArea <= 1e-9) {
        inner.clear();
        return RingKind::Solid;
    }
    return RingKind::Ring;
}

// The pieces of the outline the library strokes along a polygon when the polygon is too thin for an
// inner edge: each edge as a band of the pen's width, and the turns between edges (the last one to
// the first included) mitred or bevelled on their outer side. Every piece is convex.
void thinOutlinePieces(const std::vector<PixelPoint>& p, double half, std::vector<std::vector<PixelPoint>>& pieces)
{
    pieces.clear();
    const size_t n = p.size();
    thread_local std::vector<PixelPoint> direction;
    direction.assign(n, PixelPoint{});
    for (size_t i = 0; i < n; ++i) {
        const PixelPoint to = p[i + 1 == n ? 0 : i + 1];
        const PixelPoint d = to - p[i];
        const double length = std::sqrt(dot(d, d));
        if (length == 0.0)
            continue;
        direction[i] = d * (1.0 / length);
        const PixelPoint side{-direction[i].y * half, direction[i].x * half};
        pieces.push_back({p[i] + side, to + side, to - side, p[i] - side});
    }
    for (size_t i = 0; i < n; ++i) {
        const PixelPoint a = direction[i == 0 ? n - 1 : i - 1];
        const PixelPoint b = direction[i];
        if (cross(a, b) == 0.0)
            continue;
        // The outer side of the turn is the side of the incoming edge away from the outgoing one.
        PixelPoint na{-a.y, a.x}, nb{-b.y, b.x};
        if (dot(na, b) > 0.0) {
            na = na * -1.0;
            nb = nb * -1.0;
        }
        const double denominator = std::max(1.0 + dot(na, nb), 1e-12);
        if (2.0 / denominator > kMiterLimit * kMiterLimit)
            pieces.push_back({p[i], p[i] + na * half, p[i] + nb * half});
        else
            pieces.push_back({p[i], p[i] + na * half, p[i] + (na + nb) * (half / denominator), p[i] + nb * half});
    }
}

// The covered share of each cell by the union of convex pieces: exact along each row, in sixteen
// rows per cell down the column.
void unionCoverage(const std::vector<std::vector<PixelPoint>>& pieces, int width, int height,
                   std::vector<std::uint8_t>& coverage)
{
    constexpr int kRows = 16;
    coverage.assign(static_cast<size_t>(width) * height, 0);
    thread_local std::vector<float> row;
    thread_local std::vector<std::pair<double, double>> spans;
    thread_local std::vector<std::pair<double, double>> reach; // each piece's top and bottom
    thread_local std::vector<size_t> crossing;
    reach.clear();
    for (const std::vector<PixelPoint>& piece : pieces) {
        double top = 1e300, bottom = -1e300;
        for (const PixelPoint& q : piece) {
            top = std::min(top, q.y);
            bottom = std::max(bottom, q.y);
        }
        reach.emplace_back(top, bottom);
    }
    for (int y = 0; y < height; ++y) {
        crossing.clear();
        for (size_t i = 0; i < pieces.size(); ++i)
            if (reach[i].second > y && reach[i].first < y + 1.0)
                crossing.push_back(i);
        if (crossing.empty())
            continue;
        row.assign(static_cast<size_t>(width), 0.0f);
        for (int k = 0; k < kRows; ++k) {
            const double line = y + (k + 0.5) / kRows;
            spans.clear();
            for (size_t index : crossing) {
                const std::vector<PixelPoint>& piece = pieces[index];
                double low = 1e300, high = -1e300;
                for (size_t i = 0; i < piece.size(); ++i) {
                    const PixelPoint a = piece[i];
                    const PixelPoint b = piece[i + 1 == piece.size() ? 0 : i + 1];
                    if ((a.y <= line) == (b.y <= line))
                        continue;
                    const double x = a.x + (line - a.y) * (b.x - a.x) / (b.y - a.y);
                    low = std::min(low, x);
                    high = std::max(high, x);
                }
                if (low < high)
                    spans.emplace_back(std::max(low, 0.0), std::min(high, static_cast<double>(width)));
            }
            std::sort(spans.begin(), spans.end());
            double from = 0.0, to = -1.0;
            auto cover = [&](double x0, double x1) {
                for (int x = std::max(0, static_cast<int>(x0)); x < width && x < x1; ++x)
                    row[static_cast<size_t>(x)] +=
                        static_cast<float>((std::min(x1, x + 1.0) - std::max(x0, static_cast<double>(x))) / kRows);
            };
            for (const auto& span : spans) {
                if (span.first > to) {
                    if (to > from)
                        cover(from, to);
                    from = span.first;
                    to = span.second;
                } else {
                    to = std::max(to, span.second);
                }
            }
            if (to > from)
                cover(from, to);
        }
        for (int x = 0; x < width; ++x)
            coverage[static_cast<size_t>(y) * width + x] =
                static_cast<std::uint8_t>(std::min(row[static_cast<size_t>(x)], 1.0f) * 255.0f + 0.5f);
    }
}

} // namespace

void CoverageGrid::reset(int width, int height)
{
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    cells_.assign(static_cast<size_t>(width_ + 2) * height_, 0.0f);
}

void CoverageGrid::addPolygon(const std::vector<PixelPoint>& points, bool reversed)
{
    const size_t n = points.size();
    for (size_t i = 0; i < n; ++i) {
        const PixelPoint a = points[i];
        const PixelPoint b = points[(i + 1) % n];
        if (reversed)
            addEdge(b, a);
        else
            addEdge(a, b);
    }
}

// Each edge leaves, in every row it crosses, the area to its right within that row; summing a row
// from the left then gives each cell's covered share.
void CoverageGrid::addEdge(PixelPoint from, PixelPoint to)
{
    if (from.y == to.y || height_ == 0)
        return;
    float winding = 1.0f;
    if (from.y > to.y) {
        std::swap(from, to);
        winding = -1.0f;
    }
    // Everything left of the grid covers its first column, everything right of it none.
    const float limit = static_cast<float>(width_);
    const float fromX = static_cast<float>(from.x), fromY = static_cast<float>(from.y);
    const float toY = static_cast<float>(to.y);
    const float dxdy = static_cast<float>((to.x - from.x) / (to.y - from.y));
    const int firstRow = std::max(0, static_cast<int>(std::floor(fromY)));
    const int endRow = std::min(height_, static_cast<int>(std::ceil(toY)));
    for (int row = firstRow; row < endRow; ++row) {
        const float top = std::max(static_cast<float>(row), fromY);
        const float bottom = std::min(static_cast<float>(row + 1), toY);
        if (bottom <= top)
            continue;
        const float d = (bottom - top) * winding;
        float x0 = std::clamp(fromX + (top - fromY) * dxdy, 0.0f, limit);
        float x1 = std::clamp(fromX + (bottom - fromY) * dxdy, 0.0f, limit);
        if (x0 > x1)
            std::swap(x0, x1);
        float* cells = &cells_[static_cast<size_t>(row) * (width_ + 2)];
        // Both ends are at least 0 here, so truncation rounds down.
        const int x0i = static_cast<int>(x0);
        const float x0floor = static_cast<float>(x0i);
        int x1i = static_cast<int>(x1);
        if (static_cast<float>(x1i) < x1)
            ++x1i;
        if (x1i <= x0i + 1) {
            // Within one cell: the part right of the edge's middle.
            const float middle = 0.5f * (x0 + x1) - x0floor;
            cells[x0i] += d - d * middle;
            cells[x0i + 1] += d * middle;
            continue;
        }
        const float s = 1.0f / (x1 - x0);
        const float x0f = x0 - x0floor;
        const float a0 = 0.5f * s * (1.0f - x0f) * (1.0f - x0f);
        const float x1f = x1 - static_cast<float>(x1i) + 1.0f;
        const float am = 0.5f * s * x1f * x1f;
        cells[x0i] += d * a0;
        if (x1i == x0i + 2) {
            cells[x0i + 1] += d * (1.0f - a0 - am);
        } else {
            const float a1 = s * (1.5f - x0f);
            cells[x0i + 1] += d * (a1 - a0);
            for (int x = x0i + 2; x < x1i - 1; ++x)
                cells[x] += d * s;
            const float a2 = a1 + static_cast<float>(x1i - x0i - 3) * s;
            cells[x1i - 1] += d * (1.0f - a2 - am);
        }
        cells[x1i] += d * am;
    }
}

void CoverageGrid::resolve(std::vector<std::uint8_t>& coverage) const
{
    coverage.resize(static_cast<size_t>(width_) * height_);
    for (int row = 0; row < height_; ++row) {
        const float* cells = &cells_[static_cast<size_t>(row) * (width_ + 2)];
        std::uint8_t* out = &coverage[static_cast<size_t>(row) * width_];
        float sum = 0.0f;
        for (int x = 0; x < width_; ++x) {
            sum += cells[x];
            out[x] = static_cast<std::uint8_t>(std::min(std::fabs(sum), 1.0f) * 255.0f + 0.5f);
        }
    }
}

void outlineRing(const std::vector<PixelPoint>& polygon, double penWidth, std::vector<PixelPoint>& outer,
                 std::vector<PixelPoint>& inner)
{
    thread_local std::vector<PixelPoint> corners;
    distinctCorners(polygon, corners);
    if (ringOf(corners, penWidth, outer, inner) == RingKind::Union) {
        outer.clear();
        inner.clear();
    }
}

void RasterLayer::resize(int width, int height)
{
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(static_cast<size_t>(width_) * height_, 0u);
    painted_ = Region{};
    previousFrame_.clear();
    runPoints_.clear();
    runPolygons_.clear();
    runIndex_ = 0;
}

void RasterLayer::startFrame()
{
    runIndex_ = 0;
    runPoints_.clear();
    runPolygons_.clear();
}

void RasterLayer::add(const std::vector<PixelPoint>& points, const RasterStyle& style, double shift)
{
    runPolygons_.push_back(Collected{runPoints_.size(), points.size(), style, shift});
    runPoints_.insert(runPoints_.end(), points.begin(), points.end());
}

bool RasterLayer::Collected::operator==(const Collected& other) const
{
    return first == other.first && count == other.count && style.fill == other.style.fill &&
           style.pen == other.style.pen && style.penWidth == other.style.penWidth && shift == other.shift;
}

bool RasterLayer::sameAsKept(const Run& kept) const
{
    if (kept.polygons.size() != runPolygons_.size() || kept.points.size() != runPoints_.size())
        return false;
    for (size_t i = 0; i < runPoints_.size(); ++i)
        if (runPoints_[i].x != kept.points[i].x || runPoints_[i].y != kept.points[i].y)
            return false;
    return std::equal(runPolygons_.begin(), runPolygons_.end(), kept.polygons.begin());
}

void RasterLayer::keep(Run& kept)
{
    kept.points.swap(runPoints_);
    kept.polygons.swap(runPolygons_);
    kept.region = painted_;
    kept.pixels.resize(static_cast<size_t>(painted_.width) * painted_.height);
    for (int row = 0; row < painted_.height; ++row)
        std::copy_n(&pixels_[static_cast<size_t>(painted_.y + row) * width_ + painted_.x], painted_.width,
                    &kept.pixels[static_cast<size_t>(row) * painted_.width]);
}

RasterLayer::Region RasterLayer::finishRun()
{
    // Only the first few runs of a frame are kept: a frame has one or two.
    constexpr size_t kKeptRuns = 8;
    const size_t index = runIndex_++;
    if (index < previousFrame_.size() && sameAsKept(previousFrame_[index])) {
        const Run& kept = previousFrame_[index];
        painted_ = kept.region;
        for (int row = 0; row < painted_.height; ++row)
            std::copy_n(&kept.pixels[static_cast<size_t>(row) * painted_.width], painted_.width,
                        &pixels_[static_cast<size_t>(painted_.y + row) * width_ + painted_.x]);
    } else {
        thread_local std::vector<PixelPoint> polygon;
        for (const Collected& c : runPolygons_) {
            polygon.assign(runPoints_.begin() + static_cast<std::ptrdiff_t>(c.first),
                           runPoints_.begin() + static_cast<std::ptrdiff_t>(c.first + c.count));
            paint(polygon, c.style, c.shift);
        }
        if (index < kKeptRuns) {
            if (previousFrame_.size() <= index)
                previousFrame_.resize(index + 1);
            keep(previousFrame_[index]);
        }
    }
    runPoints_.clear();
    runPolygons_.clear();
    return painted_;
}

void RasterLayer::clear()
{
    for (int y = painted_.y; y < painted_.y + painted_.height; ++y)
        std::fill_n(&pixels_[static_cast<size_t>(y) * width_ + painted_.x], painted_.width, 0u);
    painted_ = Region{};
}

namespace {

// v / 255, rounded, for v up to 255 * 255.
inline unsigned divide255(unsigned v)
{
    v += 128;
    return (v + (v >> 8)) >> 8;
}

// A premultiplied pixel over another (source over).
inline std::uint32_t over(std::uint32_t destination, std::uint32_t source)
{
    const unsigned a = source >> 24;
    if (a == 255)
        return source;
    const unsigned keep = 255 - a;
    auto channel = [&](int bit) {
        return ((source >> bit) & 0xffu) + divide255(((destination >> bit) & 0xffu) * keep);
    };
    return (channel(24) << 24) | (channel(16) << 16) | (channel(8) << 8) | channel(0);
}

// A colour at a coverage, premultiplied.
inline std::uint32_t premultiplied(Colour colour, unsigned coverage)
{
    const unsigned a = divide255(colour.a * coverage);
    return (a << 24) | (divide255(colour.r * a) << 16) | (divide255(colour.g * a) << 8) | divide255(colour.b * a);
}

std::uint64_t mix(std::uint64_t h)
{
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    return h ^ (h >> 33);
}

std::uint32_t colourBits(Colour c)
{
    return (std::uint32_t(c.r) << 24) | (std::uint32_t(c.g) << 16) | (std::uint32_t(c.b) << 8) | c.a;
}

// Tiles of polygons whose corners lie on whole pixels are kept for their next appearance anywhere.
constexpr size_t kMaxTileBytes = size_t(16) << 20;
constexpr double kLargestTileCorner = 1e8;

} // namespace

bool RasterLayer::Tile::matches(const std::vector<std::int32_t>& otherCorners, const RasterStyle& otherStyle,
                                double otherShift) const
{
    return corners == otherCorners && colourBits(style.fill) == colourBits(otherStyle.fill) &&
           colourBits(style.pen) == colourBits(otherStyle.pen) && style.penWidth == otherStyle.penWidth &&
           shift == otherShift;
}

void RasterLayer::paint(const std::vector<PixelPoint>& points, const RasterStyle& style, double shift)
{
    const bool fill = style.fill.a != 0;
    const bool pen = style.pen.a != 0 && style.penWidth > 0.0;
    if (points.size() < 2 || (!fill && !pen))
        return;
    distinctCorners(points, polygon_);
    if (polygon_.empty())
        return;

    // The same shape in the same style looks the same wherever it lies on whole pixels.
    double left = polygon_[0].x, top = polygon_[0].y;
    bool whole = true;
    for (const PixelPoint& p : polygon_) {
        whole = whole && std::fabs(p.x) < kLargestTileCorner && std::fabs(p.y) < kLargestTileCorner &&
                p.x == std::floor(p.x) && p.y == std::floor(p.y);
        left = std::min(left, p.x);
        top = std::min(top, p.y);
    }
    std::uint64_t key = 0;
    if (whole) {
        corners_.clear();
        key = mix((std::uint64_t(colourBits(style.fill)) << 32) | colourBits(style.pen));
        key = mix(key ^ static_cast<std::uint64_t>(style.penWidth * 64.0) ^ (shift != 0.0 ? 1u << 20 : 0u));
        for (const PixelPoint& p : polygon_) {
            corners_.push_back(static_cast<std::int32_t>(p.x - left));
            corners_.push_back(static_cast<std::int32_t>(p.y - top));
            key = (key ^ std::uint32_t(corners_[corners_.size() - 2])) * 0x100000001b3ULL;
            key = (key ^ std::uint32_t(corners_.back())) * 0x100000001b3ULL;
        }
        key = mix(key);
        const auto found = tiles_.find(key);
        if (found != tiles_.end() && found->second.matches(corners_, style, shift)) {
            const Tile& tile = found->second;
            blend(tile, static_cast<int>(left) + tile.x, static_cast<int>(top) + tile.y);
            return;
        }
    }

    Tile tile;
    buildTile(style, shift, left, top, tile);
    if (tile.pixels.empty())
        return;
    blend(tile, static_cast<int>(std::floor(left)) + tile.x, static_cast<int>(std::floor(top)) + tile.y);
    if (whole) {
        if (tileBytes_ > kMaxTileBytes) {
            tiles_.clear();
            tileBytes_ = 0;
        }
        tile.corners = corners_;
        tile.style = style;
        tile.shift = shift;
        tileBytes_ += tile.pixels.size() * sizeof(std::uint32_t) + tile.corners.size() * sizeof(std::int32_t);
        tiles_[key] = std::move(tile);
    }
}

// The polygon of polygon_ (its distinct corners) alone on a transparent tile; the tile's place is given from the whole
// pixel at or above and left of the polygon's top-left corner.
void RasterLayer::buildTile(const RasterStyle& style, double shift, double left, double top, Tile& tile)
{
    const bool fill = style.fill.a != 0;
    const bool pen = style.pen.a != 0 && style.penWidth > 0.0;
    const PixelPoint base{std::floor(left), std::floor(top)};
    for (PixelPoint& p : polygon_)
        p = PixelPoint{p.x - base.x + shift, p.y - base.y + shift};

    // The outline decides how far the paint reaches; a polygon too thin for an inner edge is drawn as
    // its edges with the pen's width.
    thread_local std::vector<std::vector<PixelPoint>> pieces;
    bool edgeBands = false;
    if (pen && ringOf(polygon_, style.penWidth, outer_, inner_) == RingKind::Union) {
        thinOutlinePieces(polygon_, style.penWidth / 2.0, pieces);
        edgeBands = true;
    }
    const std::vector<PixelPoint>& extent = pen && !edgeBands ? outer_ : polygon_;
    const double margin = 1.0;
    double minX = extent[0].x, maxX = minX, minY = extent[0].y, maxY = minY;
    auto include = [&](const PixelPoint& p) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    };
    for (const PixelPoint& p : extent)
        include(p);
    if (edgeBands)
        for (const std::vector<PixelPoint>& piece : pieces)
            for (const PixelPoint& p : piece)
                include(p);
    tile.x = static_cast<int>(std::floor(minX - margin));
    tile.y = static_cast<int>(std::floor(minY - margin));
    tile.width = static_cast<int>(std::ceil(maxX + margin)) - tile.x;
    tile.height = static_cast<int>(std::ceil(maxY + margin)) - tile.y;
    tile.pixels.clear();
    if (tile.width <= 0 || tile.height <= 0)
        return;
    const PixelPoint origin{static_cast<double>(tile.x), static_cast<double>(tile.y)};
    auto toGrid = [&origin](std::vector<PixelPoint>& polygon) {
        for (PixelPoint& p : polygon)
            p = p - origin;
    };

    tile.pixels.assign(static_cast<size_t>(tile.width) * tile.height, 0u);
    if (fill) {
        toGrid(polygon_);
        grid_.reset(tile.width, tile.height);
        grid_.addPolygon(polygon_);
        grid_.resolve(coverage_);
        for (size_t i = 0; i < tile.pixels.size(); ++i)
            if (coverage_[i] != 0)
                tile.pixels[i] = premultiplied(style.fill, coverage_[i]);
    }
    if (pen) {
        grid_.reset(tile.width, tile.height);
        if (edgeBands) {
            for (std::vector<PixelPoint>& piece : pieces)
                toGrid(piece);
            unionCoverage(pieces, tile.width, tile.height, coverage_);
        } else {
            toGrid(outer_);
            grid_.addPolygon(outer_);
            if (!inner_.empty()) {
                toGrid(inner_);
                grid_.addPolygon(inner_, true);
            }
            grid_.resolve(coverage_);
        }
        for (size_t i = 0; i < tile.pixels.size(); ++i)
            if (coverage_[i] != 0)
                tile.pixels[i] = over(tile.pixels[i], premultiplied(style.pen, coverage_[i]));
    }
}

// The tile over what the layer holds, its top-left corner at (x, y); parts outside are cut.
void RasterLayer::blend(const Tile& tile, int x, int y)
{
    const int x0 = std::max(0, x), y0 = std::max(0, y);
    const int x1 = std::min(width_, x + tile.width), y1 = std::min(height_, y + tile.height);
    if (x1 <= x0 || y1 <= y0)
        return;
    for (int row = y0; row < y1; ++row) {
        std::uint32_t* out = &pixels_[static_cast<size_t>(row) * width_];
        const std::uint32_t* in = &tile.pixels[static_cast<size_t>(row - y) * tile.width - x];
        for (int column = x0; column < x1; ++column)
            if (in[column] != 0)
                out[column] = over(out[column], in[column]);
    }
    const Region box{x0, y0, x1 - x0, y1 - y0};
    if (painted_.empty()) {
        painted_ = box;
    } else {
        const int left = std::min(painted_.x, box.x), top = std::min(painted_.y, box.y);
        const int right = std::max(painted_.x + painted_.width, box.x + box.width);
        const int bottom = std::max(painted_.y + painted_.height, box.y + box.height);
        painted_ = Region{left, top, right - left, bottom - top};
    }
}

} // namespace layrail
