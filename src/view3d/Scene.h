#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "document/Layout.h"
#include "view3d/Mesh.h"
#include "view3d/TrackMesh.h"

namespace layrail {

// A catalog piece drawn at a place: translated to (x, y, z), turned by `heading` about Z, tilted by
// `tilt` about its own Y axis (the other way when `reversed` is clear), and mirrored in y, since the
// piece's local y points to the right of its travel.
struct TrackInstance {
    std::string article;
    int mesh = -1;
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float heading = 0.0f;
    float tilt = 0.0f;
    bool reversed = false;

    // The rotation about Y, degrees, that lifts the piece along its grade.
    float yRotation() const { return reversed ? tilt : -tilt; }
};

// A scenery model drawn at an item's place: its footprint centred on (x, y), turned by `heading`
// about Z, stretched by the item's scale, at the height z + drop (every drop is negative).
struct SceneryInstance {
    std::string item;
    int model = -1;
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float drop = 0.0f;
    float heading = 0.0f;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    float width = 0.0f;
    float depth = 0.0f;
};

struct OutlineSegment {
    Vec3 a;
    Vec3 b;
    Rgb colour;
};

struct Pier {
    double x = 0.0;
    double y = 0.0;
    double height = 0.0;
    // Degrees; the pier's long axis lies across the track.
    double orientation = 0.0;
};

// The ground-plane extent of what the scene shows.
struct SceneBounds {
    double minX = 1e9;
    double minY = 1e9;
    double maxX = -1e9;
    double maxY = -1e9;
    bool any = false;

    void add(double x, double y);
};

// Everything the 3D view draws, as plain data in scene millimetres: x to the right, y up the plan
// (the layout's y negated), z up.
struct Scene {
    // One mesh per catalog article, shared by every instance of it.
    std::vector<TrackMesh> trackMeshes;
    std::unordered_map<std::string, int> trackMeshByArticle;
    std::vector<TrackInstance> tracks;

    // One model per scenery item id.
    std::vector<Mesh> sceneryModels;
    std::unordered_map<std::string, int> sceneryModelById;
    std::vector<SceneryInstance> scenery;

    // Bridge piers, helix posts and polygon shapes.
    Mesh structures;
    std::vector<Pier> piers;
    std::vector<OutlineSegment> outlines;
    Mesh tunnels;
    Mesh baseboard;
    SceneBounds bounds;
};

// Builds the whole scene from the layout: pieces and helices on visible levels, bridge piers, polygon
// shapes, scenery, the baseboard and the tunnel tubes.
Scene buildScene(const Layout& layout);

} // namespace layrail
