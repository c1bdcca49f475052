#include "view3d/Matrix4.h"

#include <cmath>

namespace layrail {

namespace {

Matrix4 fromRows(const double rows[4][4])
{
    Matrix4 r;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            r.m[static_cast<std::size_t>(column * 4 + row)] = static_cast<float>(rows[row][column]);
    return r;
}

} // namespace

Matrix4 Matrix4::identity() { return scaling(1.0, 1.0, 1.0); }

Matrix4 Matrix4::translation(double x, double y, double z)
{
    const double rows[4][4] = {{1, 0, 0, x}, {0, 1, 0, y}, {0, 0, 1, z}, {0, 0, 0, 1}};
    return fromRows(rows);
}

Matrix4 Matrix4::scaling(double x, double y, double z)
{
    const double rows[4][4] = {{x, 0, 0, 0}, {0, y, 0, 0}, {0, 0, z, 0}, {0, 0, 0, 1}};
    return fromRows(rows);
}

Matrix4 Matrix4::rotation(double degrees, double x, double y, double z)
{
    const double len = std::sqrt(x * x + y * y + z * z);
    if (len == 0.0)
        return identity();
    x /= len;
    y /= len;
    z /= len;
    const double a = degrees * 3.141592653589793 / 180.0, c = std::cos(a), s = std::sin(a), t = 1.0 - c;
    const double rows[4][4] = {{x * x * t + c, x * y * t - z * s, x * z * t + y * s, 0},
                               {y * x * t + z * s, y * y * t + c, y * z * t - x * s, 0},
                               {z * x * t - y * s, z * y * t + x * s, z * z * t + c, 0},
                               {0, 0, 0, 1}};
    return fromRows(rows);
}

Matrix4 Matrix4::perspective(double fovyDegrees, double aspect, double zNear, double zFar)
{
    const double f = 1.0 / std::tan(fovyDegrees * 3.141592653589793 / 360.0);
    const double rows[4][4] = {{f / aspect, 0, 0, 0},
                               {0, f, 0, 0},
                               {0, 0, (zFar + zNear) / (zNear - zFar), 2.0 * zFar * zNear / (zNear - zFar)},
                               {0, 0, -1, 0}};
    return fromRows(rows);
}

Matrix4 Matrix4::operator*(const Matrix4& o) const
{
    Matrix4 r;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k)
                sum += static_cast<double>(at(row, k)) * o.at(k, column);
            r.m[static_cast<std::size_t>(column * 4 + row)] = static_cast<float>(sum);
        }
    return r;
}

Vec3 Matrix4::apply(Vec3 p, double* w) const
{
    auto row = [&](int r) { return at(r, 0) * p.x + at(r, 1) * p.y + at(r, 2) * p.z + at(r, 3); };
    if (w != nullptr)
        *w = row(3);
    return {row(0), row(1), row(2)};
}

} // namespace layrail
