#pragma once

#include <string>
#include <vector>

#include "document/Layout.h"

namespace layrail {

// Millimetres per unit: 1, 10 or 25.4.
double unitFactor(LengthUnit unit);

// Distance between ruler ticks in the unit: the first step of the unit's list at least 60 px apart.
double rulerTickStep(LengthUnit unit, double zoom);

// A tick's label in the unit, with the decimals its value needs (inches to the nearest quarter,
// with the inch sign).
std::string rulerLabel(LengthUnit unit, double value);

struct RulerTick {
    int position = 0;    // pixels along the ruler
    double value = 0.0;  // in the unit
};

// The ticks along one ruler whose origin sits at pan pixels, up to the far edge.
std::vector<RulerTick> rulerTicks(LengthUnit unit, double zoom, double pan, int extent);

} // namespace layrail
