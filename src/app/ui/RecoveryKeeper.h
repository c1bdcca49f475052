#pragma once

#include <functional>
#include <string>

#include <wx/event.h>
#include <wx/timer.h>

#include "app/RecoveryPolicy.h"
#include "app/RecoveryStore.h"
#include "document/Session.h"

class wxWindow;

namespace layrail {

// Keeps a recovery copy of the session's layout while it holds unsaved changes: written after a
// change (the first one at once, then at most once per interval) by a one-shot timer, removed as
// soon as the layout is unmodified again (saved, opened, New after the user said No) and when the
// keeper goes with a clean exit. A failed write is logged once, never shown.
class RecoveryKeeper : public wxEvtHandler {
public:
    using LogLine = std::function<void(const std::string&)>;

    RecoveryKeeper(Session& session, const std::string& userDataFolder, LogLine log,
                   RecoveryPolicy::Clock::duration interval = RecoveryPolicy::kInterval);
    ~RecoveryKeeper() override;
    RecoveryKeeper(const RecoveryKeeper&) = delete;
    RecoveryKeeper& operator=(const RecoveryKeeper&) = delete;

    // Start-up: offers the copies that ended programs left behind, newest first, each with the
    // question "Recover unsaved layout from <time>?". Yes opens the copy as an unsaved layout
    // with its name and asks no more (the others wait for the next start); No deletes it. True
    // when a layout was recovered.
    bool offerLeftBehind(wxWindow* parent);

    // The program is made to end without asking about unsaved changes: the copy is brought up to
    // date and stays for the next start.
    void keepForNextStart();

    // This program's copy; it exists while the layout has unsaved changes that were written.
    const std::string& copyPath() const { return store_.copyPath(); }
    bool writePending() const { return policy_.waiting(); }

private:
    void onSessionChanged(const Changes& changes);
    void onTimer(wxTimerEvent& event);
    void schedule();
    bool writeNow();

    Session& session_;
    RecoveryStore store_;
    RecoveryPolicy policy_;
    LogLine log_;
    wxTimer timer_;
    bool failureLogged_ = false;
    bool keep_ = false;
    Session::Subscription subscription_;
};

} // namespace layrail
