#pragma once

#include <wx/string.h>

namespace layrail {

// Run log "layrail.log": opened afresh by the application at start-up, one
// time-stamped line per event. Logging never fails the program: while the
// file is not open, lines are dropped.
void openRunLog();
void closeRunLog();
void logLine(const wxString& message);

// Start-up trace "mainframe.log": reset on the first call of each run, then
// appended to; the file is closed after every line so it survives a crash.
void traceStartup(const char* message);

// The folder both logs live in: the user's local application-data folder,
// or the temporary folder when that cannot be created.
wxString logFolder();

} // namespace layrail
