#pragma once

#include <string>
#include <vector>

#include "RandomEdits.h"
#include "catalog/TrackTypes.h"

// Choices the operations share: what a user could pick, click and aim at.
namespace layrail::randomedit {

// The articles of the palette's Track list for a system.
std::vector<std::string> paletteArticles(TrackSystem system);
// The system of a random piece of the layout, now and then another palette system.
TrackSystem pickSystem(const EditWorld& world, Rng& rng);
std::string pickArticle(TrackSystem system, Rng& rng);

// A random piece on a visible level; -1 when there is none.
int pickPiece(const Layout& layout, Rng& rng);

struct OpenEnd {
    int piece = -1;
    Connector world;
    TrackSystem system = TrackSystem::MarklinC;
};
// The free connectors of pieces on visible levels; selected: only those of selected pieces (1), of
// unselected ones (0), or all (-1).
std::vector<OpenEnd> openEnds(const Layout& layout, int selected = -1);

// A press on a piece as the canvas takes it: plain, Ctrl or Shift.
void clickPiece(EditWorld& world, Rng& rng, int pieceId);
// A few clicks, now and then Select All, so that something is usually selected.
void selectSome(EditWorld& world, Rng& rng);

// A point near the track (or anywhere on a board when there is none).
Point pickPoint(const Layout& layout, Rng& rng);

std::string describe(const Point& p);

} // namespace layrail::randomedit
