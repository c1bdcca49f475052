#pragma once

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/modalhook.h>

namespace layrail {
namespace gui {

// Plays modal dialogs (message boxes, text entries and the program's own dialogs) from a script
// instead of showing them: step i handles the i-th dialog and returns its result. What each
// dialog showed is recorded. A dialog without a step is cancelled and counted as unexpected.
class DialogScript : public wxModalDialogHook {
public:
    using Step = std::function<int(wxDialog&)>;

    struct Shown {
        std::string title;
        std::string message; // message boxes
        std::string value;   // the text an entry dialog offered
    };

    explicit DialogScript(std::vector<Step> steps = {});
    ~DialogScript() override;

    const std::vector<Shown>& shown() const { return shown_; }
    int unexpected() const { return unexpected_; }
    bool allPlayed() const { return next_ == steps_.size(); }

    // A message box answered with wxID_YES, wxID_NO, wxID_OK...
    static Step answer(int id);
    // A text-entry dialog confirmed with this text.
    static Step enter(const std::string& text);

    // A step for a dialog of class D; another class fails the test and is cancelled.
    template <class D>
    static Step with(std::function<int(D&)> play)
    {
        return [play](wxDialog& dialog) {
            auto* typed = dynamic_cast<D*>(&dialog);
            if (typed == nullptr) {
                ADD_FAILURE() << "unexpected dialog \"" << dialog.GetTitle().utf8_string() << "\"";
                return static_cast<int>(wxID_CANCEL);
            }
            return play(*typed);
        };
    }

    // A dialog of class D shown for real, played from inside its modal loop (for dialogs that end
    // themselves, as "Apply" does); a dialog the play leaves open fails the test and is closed.
    template <class D>
    static Step playing(std::function<void(D&)> play)
    {
        return [play](wxDialog& dialog) {
            auto* typed = dynamic_cast<D*>(&dialog);
            if (typed == nullptr) {
                ADD_FAILURE() << "unexpected dialog \"" << dialog.GetTitle().utf8_string() << "\"";
                return static_cast<int>(wxID_CANCEL);
            }
            dialog.CallAfter([typed, play] {
                play(*typed);
                if (typed->IsModal()) {
                    ADD_FAILURE() << "dialog \"" << typed->GetTitle().utf8_string() << "\" is still open";
                    typed->EndModal(wxID_ABORT);
                }
            });
            return static_cast<int>(wxID_NONE);
        };
    }

protected:
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog*) override {}

private:
    std::vector<Step> steps_;
    size_t next_ = 0;
    std::vector<Shown> shown_;
    int unexpected_ = 0;
};

} // namespace gui
} // namespace layrail
