#include "view3d/Camera.h"

#include <algorithm>
#include <cmath>

namespace layrail {

bool Camera::drag(int dx, int dy, bool rotating, bool panning)
{
    if (rotating) {
        yaw += static_cast<float>(dx) * 0.5f;
        pitch = std::clamp(pitch + static_cast<float>(dy) * 0.5f, -89.0f, 89.0f);
    }
    if (panning) {
        const float a = yaw * 3.14159265f / 180.0f, c = std::cos(a), s = std::sin(a);
        const float step = distance / 900.0f;
        panY += (c * static_cast<float>(dy) - s * static_cast<float>(dx)) * step;
        panX += (s * static_cast<float>(dy) + c * static_cast<float>(dx)) * step;
    }
    return rotating || panning;
}

void Camera::zoom(int wheelRotation)
{
    distance = std::clamp(distance * (wheelRotation > 0 ? 0.88f : 1.1363636f), kMinDistance, kMaxDistance);
}

void Camera::reset()
{
    pitch = kPitch;
    yaw = kYaw;
    panX = 0.0f;
    panY = 0.0f;
}

void Camera::frame(const SceneBounds& bounds)
{
    if (!bounds.any)
        return;
    centreX = static_cast<float>((bounds.minX + bounds.maxX) / 2.0);
    centreY = static_cast<float>((bounds.minY + bounds.maxY) / 2.0);
    const double extent = std::max(bounds.maxX - bounds.minX, bounds.maxY - bounds.minY) * 1.8;
    // Beyond the zoom range the eye would sit past the far plane and show nothing.
    distance = static_cast<float>(std::clamp(extent, static_cast<double>(kMinFramingDistance),
                                             static_cast<double>(kMaxDistance)));
}

Matrix4 Camera::projection(int width, int height) const
{
    const double aspect = height > 0 ? static_cast<double>(width) / height : 1.0;
    return Matrix4::perspective(kFieldOfView, aspect, kNear, kFar);
}

Matrix4 Camera::modelView() const
{
    // The eye tilts back from straight down toward the bottom of the screen, so that what stands on the
    // layout points up the screen.
    return Matrix4::translation(0.0, 0.0, -distance) * Matrix4::rotation(-pitch, 1.0, 0.0, 0.0) *
           Matrix4::rotation(yaw, 0.0, 0.0, 1.0) * Matrix4::translation(panX - centreX, panY - centreY, 0.0);
}

bool Camera::project(Vec3 p, int width, int height, double& px, double& py) const
{
    double w = 1.0;
    const Vec3 clip = (projection(width, height) * modelView()).apply(p, &w);
    if (w <= 0.0)
        return false;
    px = (clip.x / w + 1.0) / 2.0 * width;
    py = (1.0 - clip.y / w) / 2.0 * height;
    return true;
}

Matrix4 trackTransform(const TrackInstance& instance)
{
    return Matrix4::translation(instance.x, instance.y, instance.z) *
           Matrix4::rotation(instance.heading, 0.0, 0.0, 1.0) * Matrix4::rotation(instance.yRotation(), 0.0, 1.0, 0.0) *
           Matrix4::scaling(1.0, -1.0, 1.0);
}

Matrix4 sceneryTransform(const SceneryInstance& instance)
{
    // The model's footprint is centred on the item's position and keeps the plan's handedness, as the
    // plan draws it.
    return Matrix4::translation(instance.x, instance.y, instance.z + instance.drop) *
           Matrix4::rotation(instance.heading, 0.0, 0.0, 1.0) *
           Matrix4::scaling(instance.scaleX, -instance.scaleY, 1.0) *
           Matrix4::translation(-instance.width / 2.0, -instance.depth / 2.0, 0.0);
}

} // namespace layrail
