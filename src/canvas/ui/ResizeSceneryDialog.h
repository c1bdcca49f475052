#pragma once

#include <wx/dialog.h>

#include "canvas/tools/SceneryResizeTool.h"

class wxCheckBox;
class wxSpinCtrlDouble;
class wxSpinDoubleEvent;
class wxStaticText;

namespace layrail {

// "Resize Scenery", opened by a double-click on a scenery item with a catalog entry: both scale
// factors, with the aspect ratio locked at opening, "Reset to Default", OK and Cancel.
// The canvas runs it modally: wxID_OK hands scaleX() and scaleY() to applySceneryScale, kResetId
// calls resetSceneryScale (canvas/tools/SceneryResizeTool.h); Cancel changes nothing.
class ResizeSceneryDialog : public wxDialog {
public:
    static constexpr int kResetId = wxID_HIGHEST + 61;

    ResizeSceneryDialog(wxWindow* parent, const SceneryItem& item, const SceneryDef& def);

    double scaleX() const;
    double scaleY() const;
    // "(= %.0f mm)" beside each field.
    std::string widthText() const;
    std::string depthText() const;

private:
    void onWidth(wxSpinDoubleEvent& event);
    void onDepth(wxSpinDoubleEvent& event);
    void updateSizes();

    SceneryDef def_;
    double openingX_ = 1.0;
    double openingY_ = 1.0;
    wxSpinCtrlDouble* width_ = nullptr;
    wxSpinCtrlDouble* depth_ = nullptr;
    wxStaticText* widthSize_ = nullptr;
    wxStaticText* depthSize_ = nullptr;
    wxCheckBox* lock_ = nullptr;
};

} // namespace layrail
