#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "catalog/Geometry.h"

namespace layrail {

struct Rgba {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 255;
};

enum class SceneryCategory : int {
    Platforms = 0,
    Buildings = 1,
    Stations = 2,
    Signals = 3,
    Bridges = 4,
    Tunnels = 5,
    Roads = 6,
    Nature = 7,
    Vehicles = 8,
    Special = 9,
    Other = 10,
};

enum class PrimitiveKind : int {
    FilledRect = 0,
    FilledEllipse = 1,
    FilledPolygon = 2,
    RectOutline = 3,
    EllipseOutline = 4,
    Line = 5,
    Text = 6,
};

struct SceneryPrimitive {
    PrimitiveKind kind = PrimitiveKind::FilledRect;
    Rgba fill{0, 0, 0, 0};
    Rgba line{0, 0, 0, 0};
    int lineWidth = 0;
    // Boxes: x, y, width, height. Lines: x1, y1, x2, y2. Text: x, y, unused, text height.
    double a = 0.0, b = 0.0, c = 0.0, d = 0.0;
    std::vector<Point> points;
    std::string text;
};

struct SceneryDef {
    std::string id;
    std::string name;
    SceneryCategory category = SceneryCategory::Other;
    double width = 0.0;
    double depth = 0.0;
    bool zScale = false;
    std::vector<SceneryPrimitive> drawing;
};

class SceneryCatalog {
public:
    static const SceneryCatalog& instance();
    const SceneryDef* find(const std::string& id) const;
    const std::vector<SceneryDef>& all() const { return defs_; }

private:
    SceneryCatalog();
    std::vector<SceneryDef> defs_;
    std::unordered_map<std::string, size_t> index_;
};

} // namespace layrail
