#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/clrpicker.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>

#include "ControlDriving.h"
#include "GuiTestSupport.h"
#include "canvas/ui/ResizeSceneryDialog.h"
#include "canvas/ui/ShapePropertiesDialog.h"

namespace layrail {
namespace {

using gui::named;

TEST(ShapePropertiesDialog, ShowsTheShapeInTheUnitAndReturnsTheEdit)
{
    LayoutShape shape;
    shape.label = "Lake";
    shape.alpha = 140;
    shape.height = 254;
    ShapePropertiesDialog dialog(nullptr, shapeProperties(shape, LengthUnit::Inches), LengthUnit::Inches);
    EXPECT_EQ(dialog.GetTitle(), "Shape Properties");
    EXPECT_NE(gui::staticTexts(dialog).find("Height (above level deck, in):"), std::string::npos);
    wxSpinCtrlDouble& height = *named<wxSpinCtrlDouble>(dialog, "height");
    EXPECT_DOUBLE_EQ(height.GetValue(), 10.0);
    EXPECT_EQ(height.GetDigits(), 2u);
    EXPECT_DOUBLE_EQ(height.GetIncrement(), 0.1);
    EXPECT_EQ(named<wxSpinCtrl>(dialog, "opacity")->GetValue(), 55);

    const int code = gui::runModal(dialog, [&] {
        gui::typeText(*named<wxTextCtrl>(dialog, "name"), "Pond");
        gui::setSpin(*named<wxSpinCtrl>(dialog, "opacity"), 50);
        gui::setSpinDouble(height, 2.5);
        gui::tick(*named<wxCheckBox>(dialog, "outline"), false);
        named<wxColourPickerCtrl>(dialog, "colour")->SetColour(wxColour(1, 2, 3));
        gui::clickButton(dialog, wxID_OK);
    });
    ASSERT_EQ(code, wxID_OK);
    const ShapeProperties edited = dialog.properties();
    EXPECT_EQ(edited.name, "Pond");
    EXPECT_EQ(edited.opacityPercent, 50);
    EXPECT_DOUBLE_EQ(edited.height, 2.5);
    EXPECT_FALSE(edited.outline);
    EXPECT_EQ(edited.green, 2);

    Layout layout;
    shape.id = layout.takeId();
    layout.shapes.push_back(shape);
    applyShapeProperties(layout, shape.id, edited, LengthUnit::Inches);
    EXPECT_EQ(layout.shapes[0].alpha, 128);
    EXPECT_DOUBLE_EQ(layout.shapes[0].height, 63.5);
    EXPECT_LAYOUT_CONSISTENT(layout);

    ShapePropertiesDialog metric(nullptr, shapeProperties(shape, LengthUnit::Centimetres), LengthUnit::Centimetres);
    EXPECT_EQ(named<wxSpinCtrlDouble>(metric, "height")->GetDigits(), 1u);
    EXPECT_DOUBLE_EQ(named<wxSpinCtrlDouble>(metric, "height")->GetValue(), 25.4);
}

TEST(ResizeSceneryDialog, LockedRatioResetAndOk)
{
    const SceneryDef& def = *SceneryCatalog::instance().find("platform");
    SceneryItem item;
    item.item = "platform";
    item.scaleX = 2.0;
    item.scaleY = 1.0;
    ResizeSceneryDialog dialog(nullptr, item, def);
    EXPECT_EQ(dialog.GetTitle(), "Resize Scenery");
    EXPECT_NE(gui::staticTexts(dialog).find("Catalog size: 230 x 60 mm    Current: 460 x 60 mm"), std::string::npos);
    EXPECT_EQ(dialog.widthText(), "(= 460 mm)");

    wxSpinCtrlDouble& width = *named<wxSpinCtrlDouble>(dialog, "widthScale");
    gui::setSpinDouble(width, 3.0);
    EXPECT_DOUBLE_EQ(dialog.scaleY(), 1.5); // the ratio 2 : 1 is kept
    EXPECT_EQ(dialog.widthText(), "(= 690 mm)");
    EXPECT_EQ(dialog.depthText(), "(= 90 mm)");
    gui::tick(*named<wxCheckBox>(dialog, "lock"), false);
    gui::setSpinDouble(width, 1.0);
    EXPECT_DOUBLE_EQ(dialog.scaleY(), 1.5);

    EXPECT_EQ(gui::runModal(dialog, [&] { gui::clickButton(dialog, ResizeSceneryDialog::kResetId); }),
              ResizeSceneryDialog::kResetId);
    EXPECT_EQ(gui::runModal(dialog, [&] { gui::clickButton(dialog, wxID_OK); }), wxID_OK);
    EXPECT_DOUBLE_EQ(dialog.scaleX(), 1.0);
    EXPECT_EQ(gui::runModal(dialog, [&] { gui::clickButton(dialog, wxID_CANCEL); }), wxID_CANCEL);
}

} // namespace
} // namespace layrail
