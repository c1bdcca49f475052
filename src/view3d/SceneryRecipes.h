#pragma once

#include "view3d/Mesh.h"

// The scenery recipes, each building its model in the item's frame from the width W and depth D.
namespace layrail::recipes {

// Shared two-tone colours: the first of each pair for upward faces.
constexpr Rgb kPavingTop{0.72f, 0.70f, 0.66f};
constexpr Rgb kPavingSide{0.55f, 0.53f, 0.50f};
constexpr Rgb kSafetyYellow{0.86f, 0.78f, 0.38f};
constexpr Rgb kPlaster{0.88f, 0.83f, 0.70f};
constexpr Rgb kPlasterShade{0.78f, 0.72f, 0.59f};
constexpr Rgb kTileRoof{0.64f, 0.30f, 0.23f};
constexpr Rgb kSlateRoof{0.42f, 0.43f, 0.48f};
constexpr Rgb kBrick{0.62f, 0.33f, 0.25f};
constexpr Rgb kBrickShade{0.52f, 0.26f, 0.19f};
constexpr Rgb kGlass{0.24f, 0.30f, 0.36f};
constexpr Rgb kDoor{0.38f, 0.25f, 0.15f};
constexpr Rgb kAsphalt{0.38f, 0.38f, 0.40f};
constexpr Rgb kAsphaltSide{0.28f, 0.28f, 0.30f};
constexpr Rgb kMarking{0.92f, 0.92f, 0.90f};
constexpr Rgb kLeaf{0.30f, 0.56f, 0.24f};
constexpr Rgb kLeafDark{0.20f, 0.44f, 0.18f};
constexpr Rgb kNeedles{0.15f, 0.36f, 0.20f};
constexpr Rgb kBark{0.38f, 0.26f, 0.16f};
constexpr Rgb kConcrete{0.70f, 0.69f, 0.66f};
constexpr Rgb kConcreteShade{0.58f, 0.57f, 0.54f};
constexpr Rgb kTyre{0.10f, 0.10f, 0.11f};

// Platforms, bridges and the plain block (SceneryModels.cpp).
void platform(Mesh& m, double w, double d);
void islandPlatform(Mesh& m, double w, double d);
void trussBridge(Mesh& m, double w, double d);
void archBridge(Mesh& m, double w, double d);
void fallback(Mesh& m, double w, double d);

// Buildings and railway structures (SceneryBuildings.cpp).
void smallStation(Mesh& m, double w, double d);
void largeStation(Mesh& m, double w, double d);
void signalBox(Mesh& m, double w, double d);
void engineShed(Mesh& m, double w, double d, int roads);
void goodsShed(Mesh& m, double w, double d);
void warehouse(Mesh& m, double w, double d);
void waterTower(Mesh& m, double w, double d);
void coalingTower(Mesh& m, double w, double d);
void roundhouse(Mesh& m, double w, double d);
void turntable(Mesh& m, double w, double d);

// Signals (SceneryModels.cpp).
void semaphore(Mesh& m, double w, double d, bool clear);
void colourLight(Mesh& m, double w, double d, bool clear);

// Roads, nature, vehicles and walls (SceneryOutdoor.cpp).
void levelCrossing(Mesh& m, double w, double d, int tracks);
void road(Mesh& m, double w, double d);
void parkingLot(Mesh& m, double w, double d);
void pedestrianZone(Mesh& m, double w, double d);
void deciduousTree(Mesh& m, double w, double d, bool large);
void conifer(Mesh& m, double w, double d);
void treeGroup(Mesh& m, double w, double d);
void bush(Mesh& m, double w, double d);
void car(Mesh& m, double w, double d);
void truck(Mesh& m, double w, double d);
void viaductPier(Mesh& m, double w, double d);
void tunnelPortal(Mesh& m, double w, double d, int openings);
void retainingWall(Mesh& m, double w, double d);

} // namespace layrail::recipes
