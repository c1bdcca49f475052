#pragma once

#include "catalog/SceneryCatalog.h"

#include <vector>

// Top-view drawings of the scenery catalog's items, each within its footprint.
namespace layrail::scenery {

using Drawing = std::vector<SceneryPrimitive>;

Drawing platform();
Drawing islandPlatform();
Drawing smallStation();
Drawing largeStation();
Drawing signalBox();
Drawing engineShed(int roads);
Drawing goodsShed();
Drawing warehouse();
// size: the square footprint's side; colourLight: a colour-light signal, else a semaphore.
Drawing signal(double size, bool clear, bool colourLight);
Drawing trussBridgeScenery();
Drawing archBridgeScenery();
Drawing levelCrossing(int tracks);
Drawing roadStraight();
Drawing turntable();
Drawing roundhouse();
Drawing waterTower();
Drawing coalingTower();
Drawing smallTree();
Drawing largeTree();
Drawing conifer();
Drawing treeGroup();
Drawing bush();
Drawing car();
Drawing truck();
Drawing parkingLot();
Drawing pedestrianZone();
Drawing steelTrussBridge();
Drawing viaductPier();
Drawing tunnelPortal();
Drawing retainingWall();

} // namespace layrail::scenery
