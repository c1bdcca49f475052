#pragma once

#include "document/Layout.h"

namespace layrail {

// Millimetres in one display unit: 1, 10 or 25.4.
double millimetresPerUnit(LengthUnit unit);

// A length in mm as a number in the display unit, and back.
inline double toDisplayUnit(double mm, LengthUnit unit) { return mm / millimetresPerUnit(unit); }
inline double fromDisplayUnit(double value, LengthUnit unit) { return value * millimetresPerUnit(unit); }

// "mm", "cm" or "in".
const char* unitShortName(LengthUnit unit);

} // namespace layrail
