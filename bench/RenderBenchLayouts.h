#pragma once

#include "LayoutGenerator.h"
#include "document/Layout.h"
#include "render/CanvasView.h"

namespace layrail::bench {

constexpr int kRenderPieces = 10000;
constexpr int kFrameWidth = 1400;
constexpr int kFrameHeight = 900;

// Two decks of ovals (straights, curves, turnouts): the upper half of the pieces on level 2, raised
// 60 mm and shifted so its track runs between the lower deck's. Labels on, grid on.
inline Layout makeTwoLevelLayout(int pieceCount = kRenderPieces)
{
    constexpr int kOvalsPerRow = 16;
    Layout layout = makeOvalGrid(pieceCount / 2, kOvalsPerRow);
    Layout upper = makeOvalGrid(pieceCount - pieceCount / 2, kOvalsPerRow);

    Level deck;
    deck.id = 2;
    deck.name = "Level 2";
    deck.height = 100.0;
    layout.levels.push_back(deck);

    const int offset = layout.nextId - 1;
    for (PlacedPiece& piece : upper.pieces) {
        piece.id += offset;
        for (Joint& joint : piece.joints)
            if (joint.target != -1)
                joint.target += offset;
        piece.level = 2;
        piece.z = 60.0;
        piece.x += 400.0;
        piece.y += 180.0;
        layout.pieces.push_back(piece);
    }
    layout.nextId = upper.nextId + offset;
    layout.labelsOn = true;
    layout.gridOn = true;
    return layout;
}

// Built once per program: the frames measure drawing, not building.
inline const Layout& twoLevelLayout()
{
    static const Layout layout = makeTwoLevelLayout();
    return layout;
}

// Only the default level: the frame's fixed cost.
inline const Layout& emptyLayout()
{
    static const Layout layout = [] {
        Layout l;
        l.ensureDefaultLevel();
        return l;
    }();
    return layout;
}

inline CanvasView fitView(const Layout& layout)
{
    CanvasView view;
    view.zoomToFit(layout, false, kFrameWidth, kFrameHeight);
    return view;
}

// Actual size over the layout's top-left corner: a few dozen pieces in the window.
inline CanvasView cornerView()
{
    CanvasView view;
    view.zoomActual();
    return view;
}

} // namespace layrail::bench
