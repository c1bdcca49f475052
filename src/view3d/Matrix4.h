#pragma once

#include <array>

#include "view3d/Mesh.h"

namespace layrail {

// A 4 x 4 transform stored column by column, as GL loads it.
struct Matrix4 {
    std::array<float, 16> m{};

    static Matrix4 identity();
    static Matrix4 translation(double x, double y, double z);
    static Matrix4 scaling(double x, double y, double z);
    // A right-handed turn by `degrees` about the axis, as glRotate makes it.
    static Matrix4 rotation(double degrees, double x, double y, double z);
    // The projection gluPerspective makes.
    static Matrix4 perspective(double fovyDegrees, double aspect, double zNear, double zFar);

    float at(int row, int column) const { return m[static_cast<std::size_t>(column * 4 + row)]; }
    Matrix4 operator*(const Matrix4& other) const;
    // The point (w = 1) transformed; `w` receives the fourth coordinate.
    Vec3 apply(Vec3 p, double* w = nullptr) const;
};

} // namespace layrail
