#include "view3d/Mesh.h"

#include <algorithm>

namespace layrail {

std::uint32_t Mesh::addVertex(Vec3 p, Vec3 n, Rgb c)
{
    const auto index = static_cast<std::uint32_t>(vertexCount());
    positions.insert(positions.end(), {static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z)});
    normals.insert(normals.end(), {static_cast<float>(n.x), static_cast<float>(n.y), static_cast<float>(n.z)});
    colours.insert(colours.end(), {c.r, c.g, c.b});
    return index;
}

void Mesh::addTriangle(std::uint32_t a, std::uint32_t b, std::uint32_t c)
{
    indices.insert(indices.end(), {a, b, c});
}

void Mesh::addQuad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, Vec3 normal, Rgb colour)
{
    const std::uint32_t first = addVertex(a, normal, colour);
    addVertex(b, normal, colour);
    addVertex(c, normal, colour);
    addVertex(d, normal, colour);
    indices.insert(indices.end(), {first, first + 1, first + 2, first, first + 2, first + 3});
}

void Mesh::addFacingQuad(Vec3 a, Vec3 b, Vec3 c, Vec3 d, Vec3 outside, Rgb colour)
{
    Vec3 n = normalized(cross(c - a, d - b));
    const Vec3 centre = (a + b + c + d) * 0.25;
    if (dot(n, outside - centre) < 0.0)
        n = n * -1.0;
    addQuad(a, b, c, d, n, colour);
}

void Mesh::append(const Mesh& other)
{
    const auto offset = static_cast<std::uint32_t>(vertexCount());
    positions.insert(positions.end(), other.positions.begin(), other.positions.end());
    normals.insert(normals.end(), other.normals.begin(), other.normals.end());
    colours.insert(colours.end(), other.colours.begin(), other.colours.end());
    indices.reserve(indices.size() + other.indices.size());
    for (std::uint32_t i : other.indices)
        indices.push_back(i + offset);
}

void Mesh::translate(Vec3 offset)
{
    for (std::size_t i = 0; i + 2 < positions.size(); i += 3) {
        positions[i] += static_cast<float>(offset.x);
        positions[i + 1] += static_cast<float>(offset.y);
        positions[i + 2] += static_cast<float>(offset.z);
    }
}

void Mesh::rotateZ(double degrees)
{
    const double a = degrees * 3.141592653589793 / 180.0, c = std::cos(a), s = std::sin(a);
    for (std::vector<float>* values : {&positions, &normals}) {
        for (std::size_t i = 0; i + 2 < values->size(); i += 3) {
            const double x = (*values)[i], y = (*values)[i + 1];
            (*values)[i] = static_cast<float>(x * c - y * s);
            (*values)[i + 1] = static_cast<float>(x * s + y * c);
        }
    }
}

Box3 boundsOf(const Mesh& mesh)
{
    if (mesh.vertexCount() == 0)
        return {};
    Box3 box{mesh.position(0), mesh.position(0)};
    for (std::size_t i = 1; i < mesh.vertexCount(); ++i) {
        const Vec3 p = mesh.position(i);
        box.min = {std::min(box.min.x, p.x), std::min(box.min.y, p.y), std::min(box.min.z, p.z)};
        box.max = {std::max(box.max.x, p.x), std::max(box.max.y, p.y), std::max(box.max.z, p.z)};
    }
    return box;
}

} // namespace layrail
