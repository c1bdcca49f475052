#pragma once

#include "view3d/Mesh.h"
#include "view3d/Strip.h"

// Bridge superstructures, in a piece's frame: the track runs along x from 0 to `span` over y = 0 with its
// base at z = 0; the deck lies below it.
namespace layrail::bridges {

// Steel colours shared with the scenery bridges.
constexpr Rgb kSteel{0.38f, 0.40f, 0.44f};
constexpr Rgb kSteelDark{0.30f, 0.32f, 0.36f};
constexpr Rgb kDeckTop{0.46f, 0.44f, 0.41f};
constexpr Rgb kDeckSide{0.34f, 0.32f, 0.30f};

// Half the distance between the two trusses or arches.
constexpr double kTrussHalfWidth = 24.0;
constexpr double kArchHalfWidth = 25.0;

// Two Pratt trusses joined by cross beams over the top.
void truss(Mesh& mesh, double span);
// Two steel arches over the deck, tied at their feet and hung with the deck.
void arch(Mesh& mesh, double span);
// A ramp's deck and low side walls, following the track's centre line.
void ramp(Mesh& mesh, const Strip& strip);

// Height of the truss girders and rise of the arch over a span, mm.
double trussHeight(double span);
double archRise(double span);

} // namespace layrail::bridges
