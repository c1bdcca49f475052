#include "document/LengthUnits.h"

namespace layrail {

double millimetresPerUnit(LengthUnit unit)
{
    switch (unit) {
    case LengthUnit::Centimetres:
        return 10.0;
    case LengthUnit::Inches:
        return 25.4;
    default:
        return 1.0;
    }
}

const char* unitShortName(LengthUnit unit)
{
    switch (unit) {
    case LengthUnit::Centimetres:
        return "cm";
    case LengthUnit::Inches:
        return "in";
    default:
        return "mm";
    }
}

} // namespace layrail
