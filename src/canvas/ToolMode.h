#pragma once

namespace layrail {

// What a left click on the canvas does; set from the toolbar and the baseboard dialog.
enum class ToolMode : int {
    None = 0,
    Measure = 3,
    Polygon = 4,
    BaseboardOutline = 5,
};

} // namespace layrail
