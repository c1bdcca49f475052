#define GL_GLEXT_PROTOTYPES
#include "view3d/ui/GLMeshBuffers.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <cstdio>

namespace layrail {

namespace {

// Vertex buffers are core from GL 1.5.
bool versionHasBuffers()
{
    const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    int major = 0, minor = 0;
    if (version == nullptr || std::sscanf(version, "%d.%d", &major, &minor) != 2)
        return false;
    return major > 1 || (major == 1 && minor >= 5);
}

// Positions, normals and colours lie one after the other in a mesh's vertex buffer.
std::size_t arrayBytes(const Mesh& mesh) { return mesh.positions.size() * sizeof(float); }

} // namespace

void GLMeshBuffers::initialise() { useBuffers_ = versionHasBuffers(); }

void GLMeshBuffers::bind(const Mesh& mesh)
{
    bound_ = &mesh;
    if (!useBuffers_) {
        glVertexPointer(3, GL_FLOAT, 0, mesh.positions.data());
        glNormalPointer(GL_FLOAT, 0, mesh.normals.data());
        glColorPointer(3, GL_FLOAT, 0, mesh.colours.data());
        return;
    }
    auto [it, inserted] = buffers_.emplace(&mesh, Buffers{});
    Buffers& b = it->second;
    const std::size_t bytes = arrayBytes(mesh);
    if (inserted) {
        glGenBuffers(1, &b.vertices);
        glGenBuffers(1, &b.indices);
        glBindBuffer(GL_ARRAY_BUFFER, b.vertices);
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(3 * bytes), nullptr, GL_STATIC_DRAW);
        glBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(bytes), mesh.positions.data());
        glBufferSubData(GL_ARRAY_BUFFER, static_cast<GLintptr>(bytes), static_cast<GLsizeiptr>(bytes),
                        mesh.normals.data());
        glBufferSubData(GL_ARRAY_BUFFER, static_cast<GLintptr>(2 * bytes), static_cast<GLsizeiptr>(bytes),
                        mesh.colours.data());
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, b.indices);
        glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(mesh.indices.size() * sizeof(std::uint32_t)),
                     mesh.indices.data(), GL_STATIC_DRAW);
    } else {
        glBindBuffer(GL_ARRAY_BUFFER, b.vertices);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, b.indices);
    }
    glVertexPointer(3, GL_FLOAT, 0, nullptr);
    glNormalPointer(GL_FLOAT, 0, reinterpret_cast<const void*>(bytes));
    glColorPointer(3, GL_FLOAT, 0, reinterpret_cast<const void*>(2 * bytes));
}

void GLMeshBuffers::drawBound(std::uint32_t indexCount) const
{
    if (bound_ == nullptr || indexCount == 0)
        return;
    const void* indices = useBuffers_ ? nullptr : bound_->indices.data();
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(indexCount), GL_UNSIGNED_INT, indices);
}

void GLMeshBuffers::draw(const Mesh& mesh, std::uint32_t indexCount)
{
    if (mesh.empty())
        return;
    bind(mesh);
    drawBound(indexCount);
}

void GLMeshBuffers::unbind() const
{
    if (!useBuffers_)
        return;
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
}

void GLMeshBuffers::release()
{
    if (useBuffers_) {
        unbind();
        for (const auto& [mesh, b] : buffers_) {
            glDeleteBuffers(1, &b.vertices);
            glDeleteBuffers(1, &b.indices);
        }
    }
    buffers_.clear();
    bound_ = nullptr;
}

} // namespace layrail
