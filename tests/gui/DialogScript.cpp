#include "DialogScript.h"

#include <wx/msgdlg.h>
#include <wx/textdlg.h>

namespace layrail {
namespace gui {

DialogScript::DialogScript(std::vector<Step> steps) : steps_(std::move(steps)) { Register(); }

DialogScript::~DialogScript() { Unregister(); }

int DialogScript::Enter(wxDialog* dialog)
{
    Shown shown;
    shown.title = dialog->GetTitle().utf8_string();
    if (auto* message = dynamic_cast<wxMessageDialogBase*>(dialog)) {
        shown.message = message->GetMessage().utf8_string();
        if (shown.title.empty())
            shown.title = message->GetTitle().utf8_string();
    }
    if (auto* entry = dynamic_cast<wxTextEntryDialog*>(dialog))
        shown.value = entry->GetValue().utf8_string();
    shown_.push_back(shown);
    if (next_ >= steps_.size()) {
        ++unexpected_;
        return wxID_CANCEL;
    }
    // Counted first: a step may open nested dialogs, which take the following steps.
    const Step& step = steps_[next_++];
    return step(*dialog);
}

DialogScript::Step DialogScript::answer(int id)
{
    return [id](wxDialog&) { return id; };
}

DialogScript::Step DialogScript::enter(const std::string& text)
{
    return with<wxTextEntryDialog>([text](wxTextEntryDialog& entry) {
        entry.SetValue(wxString::FromUTF8(text));
        return static_cast<int>(wxID_OK);
    });
}

} // namespace gui
} // namespace layrail
