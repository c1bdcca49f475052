#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

namespace layrail {

// A point or direction of the 3D scene, in millimetres.
struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
inline Vec3 operator*(double s, Vec3 a) { return a * s; }
inline double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline double length(Vec3 a) { return std::sqrt(dot(a, a)); }
// The zero vector stays zero.
inline Vec3 normalized(Vec3 a)
{
    const double l = length(a);
    return l > 1e-12 ? a * (1.0 / l) : Vec3{};
}

// Red, green and blue in [0, 1].
struct Rgb {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
};

inline Rgb scaled(Rgb c, float s) { return {c.r * s, c.g * s, c.b * s}; }

// An indexed triangle list as the GL arrays want it: three floats per position, normal and colour.
struct Mesh {
    std::vector<float> positions;
    std::vector<float> normals;
    std::vector<float> colours;
    std::vector<std::uint32_t> indices;

    bool empty() const { return indices.empty(); }
    std::size_t vertexCount() const { return positions.size() / 3; }
    std::size_t triangleCount() const { return indices.size() / 3; }
    Vec3 position(std::size_t i) const { return {positions[3 * i], positions[3 * i + 1], positions[3 * i + 2]}; }
    Vec3 normal(std::size_t i) const { return {normals[3 * i], normals[3 * i + 1], normals[3 * i + 2]}; }
    Rgb colour(std::size_t i) const { return {colours[3 * i], colours[3 * i + 1], colours[3 * i + 2]}; }

    std::uint32_t addVertex(Vec3 p, Vec3 n, Rgb c);
    void addTriangle(std::uint32_t a, std::uint32_t b, std::uint32_t c);
    // Four vertices sharing one normal and colour, as the triangles (0, 1, 2) and (0, 2, 3).
    void addQuad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, Vec3 normal, Rgb colour);
    // A flat quad whose normal comes from its corners, turned to face `outside`'s side.
    void addFacingQuad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, Vec3 outside, Rgb colour);
    void append(const Mesh& other);
    void translate(Vec3 offset);
    // Turns positions and normals about the z axis through the origin.
    void rotateZ(double degrees);
};

// The smallest axis-aligned box around a mesh's vertices; empty meshes give a zero box.
struct Box3 {
    Vec3 min;
    Vec3 max;
};
Box3 boundsOf(const Mesh& mesh);

} // namespace layrail
