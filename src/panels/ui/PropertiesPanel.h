#pragma once

#include <wx/panel.h>

#include "document/Session.h"

namespace layrail {

// The right pane: details of the selection and the piece tally. It listens to the session:
// the details follow selection, content and unit changes, the tally follows content and levels.
class PropertiesPanel : public wxPanel {
public:
    PropertiesPanel(wxWindow* parent, Session& session);

    // Shows the details of what is selected now.
    void refreshSelection();
    // Counts the pieces of the layout again.
    void refreshTally();

private:
    void onSessionChanged(const Changes& changes);

    Session& session_;
    Session::Subscription subscription_;
};

} // namespace layrail
