#include "panels/ui/PropertiesPanel.h"

namespace layrail {

PropertiesPanel::PropertiesPanel(wxWindow* parent, MainFrame& frame)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL), frame_(frame)
{
}

void PropertiesPanel::refreshSelection() {}

void PropertiesPanel::refreshTally() {}

} // namespace layrail
