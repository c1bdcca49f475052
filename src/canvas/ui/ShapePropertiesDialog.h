#pragma once

#include <wx/dialog.h>

#include "canvas/tools/ShapeTool.h"

class wxCheckBox;
class wxColourPickerCtrl;
class wxSpinCtrl;
class wxSpinCtrlDouble;
class wxTextCtrl;

namespace layrail {

// "Shape Properties", opened by a double-click inside a shape: name, colour, opacity, height above
// the level deck in the display unit, and the outline switch. On wxID_OK the canvas hands
// properties() to applyShapeProperties (canvas/tools/ShapeTool.h), which records the undo snapshot.
class ShapePropertiesDialog : public wxDialog {
public:
    ShapePropertiesDialog(wxWindow* parent, const ShapeProperties& shown, LengthUnit unit);

    ShapeProperties properties() const;

private:
    wxTextCtrl* name_ = nullptr;
    wxColourPickerCtrl* colour_ = nullptr;
    wxSpinCtrl* opacity_ = nullptr;
    wxSpinCtrlDouble* height_ = nullptr;
    wxCheckBox* outline_ = nullptr;
};

} // namespace layrail
