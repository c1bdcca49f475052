#pragma once

#include <wx/panel.h>

namespace layrail {

class MainFrame;

// The right pane: details of the selection and the piece tally.
class PropertiesPanel : public wxPanel {
public:
    PropertiesPanel(wxWindow* parent, MainFrame& frame);

    // Called by the frame after every selection change and edit.
    void refreshSelection();
    void refreshTally();

private:
    MainFrame& frame_;
};

} // namespace layrail
