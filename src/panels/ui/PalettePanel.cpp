#include "panels/ui/PalettePanel.h"

namespace layrail {

PalettePanel::PalettePanel(wxWindow* parent, MainFrame& frame)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL), frame_(frame)
{
}

void PalettePanel::populate() {}

} // namespace layrail
