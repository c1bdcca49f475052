// Spots marked over the plan, and the view that shows them.

#include "canvas/ui/CanvasPanel.h"

namespace layrail {

void CanvasPanel::showSpots(const std::vector<Point>& spots, const PlanArea& area)
{
    const wxSize size = GetClientSize();
    view_ = viewOnto(area, size.x, size.y);
    spots_ = spots;
    Refresh();
}

void CanvasPanel::clearSpots()
{
    if (spots_.empty())
        return;
    spots_.clear();
    Refresh();
}

} // namespace layrail
