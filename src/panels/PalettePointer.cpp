#include "panels/PalettePointer.h"

#include "panels/PaletteLists.h"

namespace layrail {

TrackRowRequest trackRowRequest(const std::string& key)
{
    if (key.empty())
        return {};
    if (isHelixKey(key))
        return {TrackRowAction::PlaceHelix, helixKitIdOf(key)};
    return {TrackRowAction::PlacePiece, key};
}

void PalettePointer::leftDown()
{
    dragSuppressed_ = false;
    hoverIndex_ = -1;
}

void PalettePointer::doubleClicked()
{
    dragSuppressed_ = true;
    hoverIndex_ = -1;
}

HoverResult PalettePointer::hover(int row, const std::vector<std::string>& keys, const TrackCatalog& catalog)
{
    const bool onItem = row >= 0 && row < static_cast<int>(keys.size()) && !keys[static_cast<size_t>(row)].empty();
    if (!onItem) {
        hoverIndex_ = -1;
        return {HoverAction::Hide, nullptr};
    }
    if (row == hoverIndex_)
        return {};
    hoverIndex_ = row;
    // Helix rows have no catalog piece to show.
    if (const CatalogPiece* piece = catalog.find(keys[static_cast<size_t>(row)]))
        return {HoverAction::Show, piece};
    return {HoverAction::Hide, nullptr};
}

} // namespace layrail
