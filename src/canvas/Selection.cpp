#include "canvas/Selection.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <unordered_map>
#include <unordered_set>

#include "canvas/Clipboard.h"
#include "canvas/LevelRules.h"
#include "canvas/Placement.h"
#include "document/Joints.h"
#include "document/SelectionFlags.h"

namespace layrail {

namespace {

void togglePiece(Layout& layout, int pieceId)
{
    if (PlacedPiece* p = layout.findPiece(pieceId))
        p->selected = !p->selected;
}

void selectPieceAlone(Layout& layout, PlacedPiece& piece)
{
    deselectAll(layout);
    piece.selected = true;
    if (piece.helix != -1) {
        for (PlacedPiece& p : layout.pieces)
            if (p.helix == piece.helix)
                p.selected = true;
    }
    if (piece.article == kTurntableArticle) {
        const std::vector<Joint> joints = piece.joints;
        for (const Joint& j : joints)
            if (PlacedPiece* joined = layout.findPiece(j.target))
                joined->selected = true;
    }
}

} // namespace

void completeHelixSelection(Layout& layout)
{
    std::unordered_set<int> helices;
    for (const PlacedPiece& p : layout.pieces)
        if (p.selected && p.helix != -1)
            helices.insert(p.helix);
    if (helices.empty())
        return;
    for (PlacedPiece& p : layout.pieces)
        if (p.helix != -1 && helices.count(p.helix) != 0)
            p.selected = true;
}

bool selectOnPiecePress(Layout& layout, int pieceId, bool ctrl, bool shift)
{
    PlacedPiece* piece = layout.findPiece(pieceId);
    if (piece == nullptr)
        return false;
    if (shift) {
        chainSelect(layout, pieceId);
    } else if (ctrl) {
        piece->selected = !piece->selected;
    } else {
        if (piece->selected)
            return false;
        selectPieceAlone(layout, *piece);
    }
    completeHelixSelection(layout);
    return true;
}

void chainSelect(Layout& layout, int pieceId)
{
    const PlacedPiece* anchor = nullptr;
    for (const PlacedPiece& p : layout.pieces)
        if (p.selected)
            anchor = &p;
    if (anchor == nullptr || anchor->id == pieceId) {
        togglePiece(layout, pieceId);
        return;
    }

    const std::unordered_map<int, size_t> index = pieceIndex(layout);

    std::unordered_map<int, int> predecessor{{anchor->id, -1}};
    std::deque<int> queue{anchor->id};
    bool reached = false;
    while (!queue.empty() && !reached) {
        const int current = queue.front();
        queue.pop_front();
        for (const Joint& j : layout.pieces[index.at(current)].joints) {
            if (j.target == -1 || index.count(j.target) == 0 || predecessor.count(j.target) != 0)
                continue;
            predecessor.emplace(j.target, current);
            if (j.target == pieceId) {
                reached = true;
                break;
            }
            queue.push_back(j.target);
        }
    }
    if (!reached) {
        togglePiece(layout, pieceId);
        return;
    }
    for (int id = pieceId; id != -1; id = predecessor.at(id))
        layout.pieces[index.at(id)].selected = true;
}

void selectOnSceneryPress(Layout& layout, int itemId, bool shift)
{
    SceneryItem* item = layout.findScenery(itemId);
    if (item == nullptr)
        return;
    if (shift) {
        item->selected = !item->selected;
        return;
    }
    if (!item->selected) {
        deselectAll(layout);
        item->selected = true;
    }
}

void selectOnlyLabel(Layout& layout, int labelId)
{
    for (LayoutLabel& label : layout.labels)
        label.selected = label.id == labelId;
}

void selectForContextMenu(Layout& layout, int pieceId)
{
    PlacedPiece* piece = layout.findPiece(pieceId);
    if (piece == nullptr || piece->selected)
        return;
    deselectAll(layout);
    piece->selected = true;
    completeHelixSelection(layout);
}

bool autofillAvailable(const Layout& layout)
{
    return std::count_if(layout.pieces.begin(), layout.pieces.end(), [](const PlacedPiece& p) { return p.selected; }) ==
           2;
}

void clearSelectionAndClipboard(Layout& layout, Clipboard& clipboard)
{
    deselectAll(layout);
    clipboard = Clipboard{};
}

bool rubberBandSelect(Layout& layout, Clipboard& clipboard, const CanvasView& view, double x0, double y0, double x1,
                      double y1)
{
    if (std::fabs(x1 - x0) <= 4.0 && std::fabs(y1 - y0) <= 4.0)
        return false;
    const double minX = view.toWorldX(std::min(x0, x1));
    const double maxX = view.toWorldX(std::max(x0, x1));
    const double minY = view.toWorldY(std::min(y0, y1));
    const double maxY = view.toWorldY(std::max(y0, y1));
    auto inside = [&](double x, double y) { return x >= minX && x <= maxX && y >= minY && y <= maxY; };
    for (PlacedPiece& p : layout.pieces)
        if (levelVisible(layout, p.level) && inside(p.x, p.y))
            p.selected = true;
    for (SceneryItem& s : layout.scenery)
        if (levelVisible(layout, s.level) && inside(s.x, s.y))
            s.selected = true;
    completeHelixSelection(layout);
    clipboard = Clipboard{};
    return true;
}

} // namespace layrail
