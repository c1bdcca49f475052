#pragma once

#include <string>

#include "document/Layout.h"

namespace layrail {

// A length in mm as shown in the unit: "12.5 cm", "4.92\"" or "125 mm".
std::string formatLength(double mm, LengthUnit unit);

} // namespace layrail
