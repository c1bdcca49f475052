#include "view3d/FramePlan.h"

#include <algorithm>
#include <cmath>

namespace layrail {

TrackDetail detailFor(double pixelsPerMm)
{
    if (pixelsPerMm * kSleeperHalfWidth * 2.0 < 1.0)
        return TrackDetail::Distant;
    if (pixelsPerMm * (kRailTop - kSleeperTop) < 1.0)
        return TrackDetail::NoSides;
    return TrackDetail::Full;
}

std::vector<TrackDraw> planTrackDraws(const Scene& scene, const Camera& camera, int width, int height)
{
    std::vector<TrackDraw> draws;
    if (width < 1 || height < 1)
        return draws;
    const Matrix4 view = camera.modelView();
    const double tanY = std::tan(Camera::kFieldOfView * 3.141592653589793 / 360.0);
    const double tanX = tanY * width / height;
    const double slackX = std::sqrt(1.0 + tanX * tanX), slackY = std::sqrt(1.0 + tanY * tanY);
    const double pixelsAtUnitDepth = height / 2.0 / tanY;

    draws.reserve(scene.tracks.size());
    for (std::size_t i = 0; i < scene.tracks.size(); ++i) {
        const TrackInstance& instance = scene.tracks[i];
        if (instance.mesh < 0 || static_cast<std::size_t>(instance.mesh) >= scene.trackMeshes.size())
            continue;
        const TrackMesh& mesh = scene.trackMeshes[static_cast<std::size_t>(instance.mesh)];
        if (mesh.mesh.empty())
            continue;
        const Matrix4 modelView = view * trackTransform(instance);
        const Vec3 centre = modelView.apply(mesh.centre);
        const double depth = -centre.z, r = mesh.radius;
        if (depth + r < Camera::kNear || depth - r > Camera::kFar)
            continue;
        if (std::fabs(centre.x) > tanX * depth + r * slackX || std::fabs(centre.y) > tanY * depth + r * slackY)
            continue;
        const double nearest = std::max(depth - r, Camera::kNear);
        draws.push_back({static_cast<int>(i), instance.mesh, detailFor(pixelsAtUnitDepth / nearest), modelView});
    }
    // Grouped by the mesh they draw, so each is bound once.
    auto key = [](const TrackDraw& d) { return 2 * d.mesh + (d.detail == TrackDetail::Distant ? 1 : 0); };
    std::stable_sort(draws.begin(), draws.end(),
                     [&](const TrackDraw& a, const TrackDraw& b) { return key(a) < key(b); });
    return draws;
}

} // namespace layrail
