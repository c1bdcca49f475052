#include "panels/ui/PropertiesPanel.h"

namespace layrail {

PropertiesPanel::PropertiesPanel(wxWindow* parent, Session& session)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL), session_(session)
{
    subscription_ = session_.subscribe([this](const Changes& changes) { onSessionChanged(changes); });
    refreshSelection();
    refreshTally();
}

void PropertiesPanel::onSessionChanged(const Changes& changes)
{
    if (changes.selection || changes.content || changes.units)
        refreshSelection();
    if (changes.content || changes.levels)
        refreshTally();
}

void PropertiesPanel::refreshSelection() {}

void PropertiesPanel::refreshTally() {}

} // namespace layrail
