#pragma once

#include <string>
#include <vector>

#include <wx/dialog.h>

#include "dialogs/BaseboardOutline.h"

class wxChoice;
class wxPanel;
class wxSpinCtrl;
class wxStaticText;
class wxTextCtrl;

namespace layrail {

// "Layout Baseboard": turns a few dimensions, a vertex list, a free-form request or Clear into the
// baseboard outline.
//
// The main window runs it modally with the current outline, the display unit and the stored last
// shape; after wxID_OK, result() holds the vertices (mm), the free-form request and the last shape
// to store; applyBaseboard() (dialogs/BaseboardOutline.h) puts them into the layout, and a
// free-form request puts the canvas into baseboard drawing instead.
class LayoutShapeDialog : public wxDialog {
public:
    static constexpr int kApplyId = 5100;
    static constexpr int kCancelId = 5101;

    LayoutShapeDialog(wxWindow* parent, const std::vector<Point>& currentOutline, LengthUnit unit,
                      const LastShape& lastShape);

    const BaseboardResult& result() const { return result_; }

    BaseboardShape chosenShape() const;
    // The values of the dimension rows now shown, in the display unit.
    std::vector<int> dimensions() const;
    std::string vertexText() const;
    std::string explanation() const;

private:
    void onChoice(wxCommandEvent& event);
    void onApply(wxCommandEvent& event);
    void buildRows();
    // Reads the controls into the result; false (after saying why) when the vertex list has lines
    // it cannot read.
    bool readResult();

    std::vector<Point> currentOutline_;
    LengthUnit unit_;
    LastShape lastShape_;
    BaseboardResult result_;

    wxChoice* choice_ = nullptr;
    wxPanel* rowsPanel_ = nullptr;
    wxStaticText* explanation_ = nullptr;
    std::vector<wxSpinCtrl*> dimensionFields_;
    wxTextCtrl* vertices_ = nullptr;
};

} // namespace layrail
