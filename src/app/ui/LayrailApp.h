#pragma once

#include <wx/app.h>

namespace layrail {

// The application object: opens the run log, builds the catalog, shows the
// main window and greets the user with the splash.
class LayrailApp : public wxApp {
public:
    bool OnInit() override;
    int OnExit() override;
};

} // namespace layrail
