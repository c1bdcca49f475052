#pragma once

#include <cstdint>
#include <unordered_map>

#include "view3d/Mesh.h"

namespace layrail {

// The scene's meshes as buffers the GL driver keeps, uploaded the first time each is drawn, so a frame
// sends no vertices. Without buffer objects (GL before 1.5) meshes are drawn from client memory instead.
// Every call needs the canvas's context to be current.
class GLMeshBuffers {
public:
    GLMeshBuffers() = default;
    GLMeshBuffers(const GLMeshBuffers&) = delete;
    GLMeshBuffers& operator=(const GLMeshBuffers&) = delete;

    // Decides between buffer objects and client arrays from the current context's version.
    void initialise();
    bool usesBufferObjects() const { return useBuffers_; }

    // Makes the mesh's arrays current; the mesh must outlive its buffers (until `release`).
    void bind(const Mesh& mesh);
    // Draws the first `indexCount` indices of the bound mesh.
    void drawBound(std::uint32_t indexCount) const;
    void draw(const Mesh& mesh) { draw(mesh, static_cast<std::uint32_t>(mesh.indices.size())); }
    void draw(const Mesh& mesh, std::uint32_t indexCount);
    // Stops drawing from buffers, so immediate-mode drawing works again.
    void unbind() const;

    // Deletes every buffer, as the scene they belong to is replaced.
    void release();

private:
    struct Buffers {
        unsigned vertices = 0;
        unsigned indices = 0;
    };

    bool useBuffers_ = false;
    const Mesh* bound_ = nullptr;
    std::unordered_map<const Mesh*, Buffers> buffers_;
};

} // namespace layrail
