#pragma once

#include <vector>

#include "view3d/Camera.h"
#include "view3d/Scene.h"
#include "view3d/TrackMesh.h"

namespace layrail {

// One track instance a frame draws: its mesh, the detail it needs at its distance, and its complete
// model-view transform.
struct TrackDraw {
    int instance = -1;
    int mesh = -1;
    TrackDetail detail = TrackDetail::Full;
    Matrix4 modelView;
};

// The detail a piece needs when one millimetre of it covers `pixelsPerMm` pixels: rail and sleeper sides
// go when they would be thinner than a pixel; when the sleepers would be narrower than one, the rails are
// thinner still and the distant mesh stands in.
TrackDetail detailFor(double pixelsPerMm);

// The track instances inside the view of a width x height window, each with its detail, grouped by the
// mesh they draw.
std::vector<TrackDraw> planTrackDraws(const Scene& scene, const Camera& camera, int width, int height);

} // namespace layrail
