#pragma once

#include "document/Layout.h"

namespace layrail::gui {

// Where the showcase layout puts its landmarks, layout millimetres.
struct ShowcaseMarks {
    int trussBridge = -1;
    int archBridge = -1;
    int helixTopStub = -1;
    int tunnelMiddle = -1;
    int station = -1;
};

// A C-Track oval on a baseboard with everything the 3D view draws: a branch climbing a 3 degree grade
// onto a truss and an arch bridge, a two-ring helix, a tunnel under a hill, a station, trees, vehicles
// and signals.
Layout buildShowcaseLayout(ShowcaseMarks* marks = nullptr);

// Every track catalog piece in rows of `perRow`, `pitch` millimetres apart, in catalog order.
Layout buildTrackGallery(int perRow, double pitch);

// Every scenery catalog item in rows of `perRow`, `pitch` millimetres apart, in catalog order.
Layout buildSceneryGallery(int perRow, double pitch);

} // namespace layrail::gui
