#pragma once

#include <string>

#include "view3d/Mesh.h"

namespace layrail {

// The solid model of a scenery item, in its own frame from the corner (0, 0, 0) across the width along
// x and the depth along y, z up. An id without a recipe of its own gets a plain brown block.
Mesh buildSceneryModel(const std::string& id, double width, double depth);

// How far below its level an item's model is drawn, mm (negative: down).
float sceneryDrop(const std::string& id);

} // namespace layrail
