#include "app/ui/RecoveryKeeper.h"

#include <algorithm>
#include <chrono>

#include <wx/msgdlg.h>

#include "app/CommandLineFile.h"

namespace layrail {

namespace {

using Clock = RecoveryPolicy::Clock;

} // namespace

RecoveryKeeper::RecoveryKeeper(Session& session, const std::string& userDataFolder, LogLine log,
                               Clock::duration interval)
    : session_(session), store_(userDataFolder), policy_(interval), log_(std::move(log)), timer_(this)
{
    Bind(wxEVT_TIMER, &RecoveryKeeper::onTimer, this, timer_.GetId());
    subscription_ = session_.subscribe([this](const Changes& changes) { onSessionChanged(changes); });
}

RecoveryKeeper::~RecoveryKeeper()
{
    timer_.Stop();
    subscription_.reset();
    if (!keep_)
        store_.remove();
}

void RecoveryKeeper::onSessionChanged(const Changes& changes)
{
    if (!session_.modified()) {
        timer_.Stop();
        policy_.cleared();
        store_.remove();
        return;
    }
    // A layout whose file went is unsaved too.
    if (changes.marksModified() || changes.file) {
        policy_.changed(Clock::now());
        schedule();
    }
}

void RecoveryKeeper::schedule()
{
    const auto next = policy_.nextWrite();
    if (!next || timer_.IsRunning())
        return;
    const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(*next - Clock::now()).count();
    timer_.StartOnce(static_cast<int>(std::max<long long>(1, wait)));
}

void RecoveryKeeper::onTimer(wxTimerEvent&)
{
    if (policy_.due(Clock::now()))
        writeNow();
    schedule();
}

bool RecoveryKeeper::writeNow()
{
    const std::string error = store_.write(session_.layout(), session_.name());
    policy_.wrote(Clock::now(), error.empty());
    if (error.empty()) {
        failureLogged_ = false;
        return true;
    }
    if (!failureLogged_)
        log_("Recovery copy not written: " + error);
    failureLogged_ = true;
    return false;
}

void RecoveryKeeper::keepForNextStart()
{
    timer_.Stop();
    if (!session_.modified())
        return;
    // Should this write fail, the last copy written is still better than none.
    writeNow();
    keep_ = true;
}

bool RecoveryKeeper::offerLeftBehind(wxWindow* parent)
{
    for (const RecoveryCopy& copy : store_.leftBehind()) {
        const int answer = wxMessageBox(wxString::FromUTF8(recoveryQuestion(copy)), kRecoveryTitle,
                                        wxYES_NO | wxICON_QUESTION, parent);
        if (answer != wxYES) {
            store_.discard(copy);
            continue;
        }
        const std::string error = session_.recover(copy.path);
        if (!error.empty()) {
            // A copy that cannot be read now never will be.
            wxMessageBox(wxString::FromUTF8(error), kOpenFailedTitle, wxOK | wxICON_ERROR, parent);
            store_.discard(copy);
            continue;
        }
        log_("Recovered layout \"" + session_.name() + "\" from " + copy.path + ": " +
             std::to_string(session_.layout().pieces.size()) + " pieces");
        // The left copy goes only once this program's own copy holds the layout.
        timer_.Stop();
        if (writeNow())
            store_.discard(copy);
        schedule();
        return true;
    }
    return false;
}

} // namespace layrail
