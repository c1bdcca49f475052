#pragma once

#include "document/Layout.h"
#include "render/CanvasView.h"

namespace layrail {

struct Clipboard;

// Every helix that has a selected stub becomes wholly selected (all pieces with its helix id).
void completeHelixSelection(Layout& layout);

// Left press on a piece. Without modifiers a piece not yet selected becomes the only selection
// (its whole helix, or a turntable with the pieces joined to it); Shift selects the chain from the
// anchor; Ctrl toggles. Returns true when the properties panel needs an update (every case except a
// plain press on a piece already selected).
bool selectOnPiecePress(Layout& layout, int pieceId, bool ctrl, bool shift);

// Shift+click: the joint path from the last selected piece to the clicked one is added; the clicked
// piece only toggles when there is no anchor, it is the anchor, or no path reaches it.
void chainSelect(Layout& layout, int pieceId);

// Left press on a scenery item (no piece hit): without Shift the selection is cleared first unless
// the item is already selected; with Shift its flag toggles.
void selectOnSceneryPress(Layout& layout, int itemId, bool shift);

// A label press makes it the only selected label; other kinds keep their selection.
void selectOnlyLabel(Layout& layout, int labelId);

// Right press on a piece: an unselected piece (and its helix) replaces the selection.
void selectForContextMenu(Layout& layout, int pieceId);

// The "Autofill Gap..." menu item exists only with exactly two pieces selected.
bool autofillAvailable(const Layout& layout);

// Left press on empty canvas: the selection and the clipboard are cleared.
void clearSelectionAndClipboard(Layout& layout, Clipboard& clipboard);

// Left button up after a rubber band drawn between two window points. Larger than 4 px either way,
// it adds every piece and scenery item on a visible level whose origin lies inside, completes the
// helices and clears the clipboard; returns true then (the properties panel needs an update).
bool rubberBandSelect(Layout& layout, Clipboard& clipboard, const CanvasView& view, double x0, double y0, double x1,
                      double y1);

} // namespace layrail
