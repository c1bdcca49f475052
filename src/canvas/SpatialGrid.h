#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace layrail {

// Items filed by the square cells their bounding boxes touch, so that searches near a place look
// at the few items filed there instead of at all of them. Items are numbered by the caller.
class SpatialGrid {
public:
    explicit SpatialGrid(double cellSize) : cell_(cellSize) {}

    void add(int item, double minX, double minY, double maxX, double maxY)
    {
        forCells(minX, minY, maxX, maxY, [&](std::int64_t key) { cells_[key].push_back(item); });
    }
    void add(int item, double x, double y) { add(item, x, y, x, y); }

    // Every item filed in a cell the box touches, once each; in no particular order.
    void query(double minX, double minY, double maxX, double maxY, std::vector<int>& out) const
    {
        out.clear();
        forCells(minX, minY, maxX, maxY, [&](std::int64_t key) {
            const auto it = cells_.find(key);
            if (it != cells_.end())
                out.insert(out.end(), it->second.begin(), it->second.end());
        });
        if (spansCells(minX, minY, maxX, maxY))
            removeRepeats(out);
    }

    // The items of each cell, for searches of pairs that share a cell.
    template <typename Visit> void forEachCell(Visit visit) const
    {
        for (const auto& entry : cells_)
            visit(entry.second);
    }

private:
    std::int64_t index(double v) const { return static_cast<std::int64_t>(std::floor(v / cell_)); }
    static std::int64_t key(std::int64_t i, std::int64_t j) { return (i << 32) ^ (j & 0xffffffff); }

    bool spansCells(double minX, double minY, double maxX, double maxY) const
    {
        return index(minX) != index(maxX) || index(minY) != index(maxY);
    }

    template <typename Each> void forCells(double minX, double minY, double maxX, double maxY, Each each) const
    {
        if (!(std::isfinite(minX) && std::isfinite(minY) && std::isfinite(maxX) && std::isfinite(maxY)))
            return;
        for (std::int64_t i = index(minX); i <= index(maxX); ++i)
            for (std::int64_t j = index(minY); j <= index(maxY); ++j)
                each(key(i, j));
    }

    static void removeRepeats(std::vector<int>& items)
    {
        std::sort(items.begin(), items.end());
        items.erase(std::unique(items.begin(), items.end()), items.end());
    }

    double cell_;
    std::unordered_map<std::int64_t, std::vector<int>> cells_;
};

} // namespace layrail
