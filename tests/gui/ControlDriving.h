#pragma once

#include <functional>
#include <string>

#include <gtest/gtest.h>
#include <wx/dialog.h>

class wxCheckBox;
class wxChoice;
class wxListCtrl;
class wxRadioBox;
class wxSpinCtrl;
class wxSpinCtrlDouble;
class wxTextCtrl;

namespace layrail {
namespace gui {

// A control of a window found by the name it was created with; fails the test when missing.
template <class Control>
Control* named(wxWindow& parent, const std::string& name)
{
    auto* control = dynamic_cast<Control*>(wxWindow::FindWindowByName(name, &parent));
    if (control == nullptr)
        ADD_FAILURE() << "no control named \"" << name << "\"";
    return control;
}

// Each changes a control as the user would and sends the event the control sends then.
void clickButton(wxWindow& parent, int id);
void clickButtonLabelled(wxWindow& parent, const std::string& label);
void choose(wxChoice& choice, int index);
void chooseRadio(wxRadioBox& box, int index);
void setSpin(wxSpinCtrl& spin, int value);
void setSpinDouble(wxSpinCtrlDouble& spin, double value);
void typeText(wxTextCtrl& text, const std::string& utf8);
void tick(wxCheckBox& box, bool checked);
void selectRow(wxListCtrl& list, long row);
// A double-click on a row (-1: on no row, leaving the selection as it is).
void activateRow(wxListCtrl& list, long row);
void checkRow(wxListCtrl& list, long row, bool checked);

// Shows the dialog modally and plays it from inside its own modal loop, as a user would: the
// play ends it (with a button); a dialog still open afterwards fails the test and is closed.
int runModal(wxDialog& dialog, const std::function<void()>& play);

// The texts of every static text in a window, one a line.
std::string staticTexts(wxWindow& window);

} // namespace gui
} // namespace layrail
