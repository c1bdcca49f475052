#pragma once

#include <string>
#include <vector>

#include <wx/dialog.h>

class wxListBox;

namespace layrail {

// "Autofill Gap": the straights that close the gap, one line per solution, the first pre-selected.
class AutofillDialog : public wxDialog {
public:
    AutofillDialog(wxWindow* parent, const std::string& prompt, const std::vector<std::string>& lines);

    // Shows the dialog; the chosen line, or -1 when it was cancelled.
    int choose();

private:
    void onPlace(wxCommandEvent& event);

    wxListBox* list_ = nullptr;
};

} // namespace layrail
