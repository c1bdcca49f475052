#pragma once

#include <wx/panel.h>

namespace layrail {

class MainFrame;

// The left pane: track, library and scenery lists of the chosen system.
class PalettePanel : public wxPanel {
public:
    PalettePanel(wxWindow* parent, MainFrame& frame);

    // Fills the lists once the frame's panes are laid out.
    void populate();

private:
    MainFrame& frame_;
};

} // namespace layrail
