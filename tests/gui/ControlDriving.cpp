#include "ControlDriving.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/radiobox.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace layrail {
namespace gui {

namespace {

void send(wxWindow& control, wxEvent& event)
{
    event.SetEventObject(&control);
    control.GetEventHandler()->ProcessEvent(event);
}

wxButton* findButton(wxWindow& parent, const std::function<bool(wxButton&)>& test)
{
    for (wxWindow* child : parent.GetChildren()) {
        if (auto* button = dynamic_cast<wxButton*>(child); button != nullptr && test(*button))
            return button;
        if (wxButton* nested = findButton(*child, test))
            return nested;
    }
    return nullptr;
}

void click(wxButton* button, const std::string& what)
{
    if (button == nullptr) {
        ADD_FAILURE() << "no button " << what;
        return;
    }
    if (!button->IsEnabled()) {
        ADD_FAILURE() << "button " << what << " is disabled";
        return;
    }
    wxCommandEvent event(wxEVT_BUTTON, button->GetId());
    send(*button, event);
}

} // namespace

void clickButton(wxWindow& parent, int id)
{
    click(findButton(parent, [id](wxButton& b) { return b.GetId() == id; }), std::to_string(id));
}

void clickButtonLabelled(wxWindow& parent, const std::string& label)
{
    click(findButton(parent, [&](wxButton& b) { return b.GetLabel().utf8_string() == label; }), "\"" + label + "\"");
}

void choose(wxChoice& choice, int index)
{
    choice.SetSelection(index);
    wxCommandEvent event(wxEVT_CHOICE, choice.GetId());
    event.SetInt(index);
    send(choice, event);
}

void chooseRadio(wxRadioBox& box, int index)
{
    box.SetSelection(index);
    wxCommandEvent event(wxEVT_RADIOBOX, box.GetId());
    event.SetInt(index);
    send(box, event);
}

void setSpin(wxSpinCtrl& spin, int value)
{
    spin.SetValue(value);
    wxSpinEvent event(wxEVT_SPINCTRL, spin.GetId());
    event.SetPosition(spin.GetValue());
    send(spin, event);
}

void setSpinDouble(wxSpinCtrlDouble& spin, double value)
{
    spin.SetValue(value);
    wxSpinDoubleEvent event(wxEVT_SPINCTRLDOUBLE, spin.GetId(), spin.GetValue());
    send(spin, event);
}

void typeText(wxTextCtrl& text, const std::string& utf8) { text.SetValue(wxString::FromUTF8(utf8)); }

void tick(wxCheckBox& box, bool checked)
{
    box.SetValue(checked);
    wxCommandEvent event(wxEVT_CHECKBOX, box.GetId());
    event.SetInt(checked ? 1 : 0);
    send(box, event);
}

void selectRow(wxListCtrl& list, long row)
{
    list.SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
}

void activateRow(wxListCtrl& list, long row)
{
    if (row >= 0)
        selectRow(list, row);
    wxListEvent event(wxEVT_LIST_ITEM_ACTIVATED, list.GetId());
    event.SetIndex(row);
    send(list, event);
}

void checkRow(wxListCtrl& list, long row, bool checked) { list.CheckItem(row, checked); }

int runModal(wxDialog& dialog, const std::function<void()>& play)
{
    dialog.CallAfter([&dialog, play] {
        play();
        if (dialog.IsModal()) {
            ADD_FAILURE() << "dialog \"" << dialog.GetTitle().utf8_string() << "\" is still open";
            dialog.EndModal(wxID_ABORT);
        }
    });
    return dialog.ShowModal();
}

std::string staticTexts(wxWindow& window)
{
    std::string out;
    for (wxWindow* child : window.GetChildren()) {
        if (auto* text = dynamic_cast<wxStaticText*>(child))
            out += text->GetLabel().utf8_string() + "\n";
        out += staticTexts(*child);
    }
    return out;
}

} // namespace gui
} // namespace layrail
