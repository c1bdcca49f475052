#pragma once

#include <cmath>

namespace layrail {

constexpr double kPi = 3.141592653589793;

inline double degToRad(double deg) { return deg * kPi / 180.0; }
inline double radToDeg(double rad) { return rad * 180.0 / kPi; }

// Stored headings lie in [0, 360).
inline double normalizeHeading(double deg)
{
    double h = std::fmod(deg, 360.0);
    if (h < 0.0)
        h += 360.0;
    if (h >= 360.0)
        h -= 360.0;
    if (h == 0.0)
        h = 0.0; // never -0, which would print as "-0.0000"
    return h;
}

struct Point {
    double x = 0.0;
    double y = 0.0;
};

// Position and heading a placed piece would have.
struct Pose {
    double x = 0.0;
    double y = 0.0;
    double heading = 0.0;
};

} // namespace layrail
