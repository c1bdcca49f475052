#pragma once

#include <unordered_map>
#include <unordered_set>

#include "document/Layout.h"
#include "view3d/Scene.h"

// The steps of the scene build, each adding its part of the layout to the scene.
namespace layrail::sceneparts {

// Visibility and deck height by level id; a piece on a level that does not exist is shown at height 0.
class LevelLookup {
public:
    explicit LevelLookup(const Layout& layout);
    bool visible(int level) const;
    double height(int level) const;

private:
    std::unordered_map<int, const Level*> levels_;
};

void addPieces(Scene& scene, const Layout& layout, const LevelLookup& levels);
void addBridgePiers(Scene& scene, const Layout& layout, const LevelLookup& levels);
void addHelices(Scene& scene, const Layout& layout, const LevelLookup& levels);
void addShapes(Scene& scene, const Layout& layout, const LevelLookup& levels,
               const std::unordered_set<int>& tunnelPieces);
void addScenery(Scene& scene, const Layout& layout, const LevelLookup& levels);
void addBaseboard(Scene& scene, const Layout& layout);
void addTunnels(Scene& scene, const Layout& layout);

// Every piece id that some tunnel covers.
std::unordered_set<int> tunnelPieceIds(const Layout& layout);

// A square post of `size` mm standing on the ground to `height`, and a stadium-shaped bridge pier.
void addPost(Mesh& mesh, double x, double y, double size, double height);
void addPierMesh(Mesh& mesh, const Pier& pier);

} // namespace layrail::sceneparts
