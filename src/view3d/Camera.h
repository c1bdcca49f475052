#pragma once

#include "view3d/Matrix4.h"
#include "view3d/Scene.h"

namespace layrail {

// The 3D view's orbiting camera: the eye looks at the scene's centre from `distance`, tilted by `pitch`
// from straight down and turned by `yaw` about the vertical; the user pans the scene under it.
struct Camera {
    static constexpr float kPitch = 35.0f;
    static constexpr float kYaw = 30.0f;
    static constexpr float kDistance = 800.0f;
    static constexpr float kMinDistance = 50.0f;
    static constexpr float kMaxDistance = 15000.0f;
    static constexpr float kMinFramingDistance = 400.0f;
    static constexpr double kFieldOfView = 40.0;
    static constexpr double kNear = 1.0;
    static constexpr double kFar = 60000.0;

    float pitch = kPitch;
    float yaw = kYaw;
    float distance = kDistance;
    float panX = 0.0f;
    float panY = 0.0f;
    float centreX = 0.0f;
    float centreY = 0.0f;

    // A mouse drag of (dx, dy) pixels: the left button turns, the right button pans; true when the view
    // changed.
    bool drag(int dx, int dy, bool rotating, bool panning);
    // One wheel step: closer for a positive rotation, farther otherwise, within the distance limits.
    void zoom(int wheelRotation);
    // Back to the first angles without the pan; the distance stays.
    void reset();
    // Centres the view on what the scene shows and steps back to see all of it; an empty scene keeps the
    // camera as it is.
    void frame(const SceneBounds& bounds);

    Matrix4 projection(int width, int height) const;
    // Scene to eye coordinates.
    Matrix4 modelView() const;
    // The window pixel (origin at the top left) of a scene point; false when it lies behind the eye.
    bool project(Vec3 p, int width, int height, double& px, double& py) const;
};

// The model transforms of the instances, scene coordinates from their model's own.
Matrix4 trackTransform(const TrackInstance& instance);
Matrix4 sceneryTransform(const SceneryInstance& instance);

} // namespace layrail
