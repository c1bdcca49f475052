#pragma once

#include "document/Layout.h"

namespace layrail {

// Which levels a drawing shows.
enum class LevelsShown {
    AsSwitched, // the levels the user made visible
    All,        // every level, hidden ones included (a composite printout)
    One,        // only RenderOptions::level, hidden or not (a printout of the active level)
};

// What a drawing of the plan includes and how it lands on its target. The renderer reads nothing
// else: the canvas fills these from the layout's switches (switchedOptions), a printout or an image
// export from its own choices, so nobody flips the user's switches to draw.
struct RenderOptions {
    bool grid = true;       // grid lines and the origin cross
    bool baseboard = true;  // the baseboard outline and its edge lengths
    bool labels = true;     // article labels and join dots
    bool selection = true;  // selected records in the selection colours; off, everything draws unselected
    bool printing = false;  // for paper or a file: points exactly where they fall, not cut to whole pixels
    double lineScale = 1.0; // every pen width multiplied (a printer's pixels are smaller than a screen's)
    // Text of a fixed size (edge and dimension lengths with their boxes and arrowheads, shape names)
    // multiplied like the pens, so that it keeps its size on paper; text that grows with the zoom
    // keeps its size.
    double textScale = 1.0;
    LevelsShown levels = LevelsShown::AsSwitched;
    int level = 1; // with LevelsShown::One

    // Whether records on the level are drawn; a level the layout does not know shows as switched on.
    bool showsLevel(const Layout& layout, int levelId) const;
};

// The canvas's options: the layout's own grid, baseboard and label switches, on whole pixels.
RenderOptions switchedOptions(const Layout& layout);

} // namespace layrail
