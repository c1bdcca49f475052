#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/radiobox.h>
#include <wx/spinctrl.h>

#include "ControlDriving.h"
#include "print/ui/PrintOptionsDialog.h"

namespace layrail {
namespace {

using gui::named;

TEST(PrintOptionsDialog, ShowsTheOptionsAndEnablesOnlyTheChosenScaleRow)
{
    PrintOptions given;
    given.scaling = PrintScaling::ActualScale;
    given.scaleDenominator = 87;
    given.customPercentage = 250;
    given.levels = PrintLevels::All;
    given.colour = PrintColour::Greyscale;
    given.includeGrid = true;
    given.includeBaseboard = false;
    PrintOptionsDialog dialog(nullptr, given);
    EXPECT_EQ(dialog.GetTitle(), "Print Options");
    const PrintOptions shown = dialog.options();
    EXPECT_EQ(shown.scaling, PrintScaling::ActualScale);
    EXPECT_EQ(shown.scaleDenominator, 87);
    EXPECT_EQ(shown.customPercentage, 250);
    EXPECT_EQ(shown.levels, PrintLevels::All);
    EXPECT_EQ(shown.colour, PrintColour::Greyscale);
    EXPECT_TRUE(shown.includeGrid);
    EXPECT_FALSE(shown.includeBaseboard);
    EXPECT_TRUE(dialog.scaleRowEnabled());
    EXPECT_FALSE(dialog.percentageRowEnabled());
    const std::string texts = gui::staticTexts(dialog);
    EXPECT_NE(texts.find("    1 :"), std::string::npos);
    EXPECT_NE(texts.find("  (e.g. 1:10 -- 10 mm on layout = 1 mm on paper)"), std::string::npos);

    wxRadioBox& scaling = *named<wxRadioBox>(dialog, "scaling");
    EXPECT_EQ(scaling.GetId(), PrintOptionsDialog::kScalingId);
    gui::chooseRadio(scaling, 2);
    EXPECT_FALSE(dialog.scaleRowEnabled());
    EXPECT_TRUE(dialog.percentageRowEnabled());
    gui::chooseRadio(scaling, 0);
    EXPECT_FALSE(dialog.scaleRowEnabled());
    EXPECT_FALSE(dialog.percentageRowEnabled());
}

TEST(PrintOptionsDialog, OkHandsBackWhatWasChosen)
{
    PrintOptionsDialog dialog(nullptr, PrintOptions{});
    const int code = gui::runModal(dialog, [&] {
        gui::chooseRadio(*named<wxRadioBox>(dialog, "scaling"), 2);
        gui::setSpin(*named<wxSpinCtrl>(dialog, "percentage"), 50);
        gui::chooseRadio(*named<wxRadioBox>(dialog, "levels"), 1);
        gui::chooseRadio(*named<wxRadioBox>(dialog, "colour"), 1);
        gui::tick(*named<wxCheckBox>(dialog, "grid"), true);
        gui::tick(*named<wxCheckBox>(dialog, "baseboard"), false);
        gui::clickButton(dialog, wxID_OK);
    });
    ASSERT_EQ(code, wxID_OK);
    const PrintOptions o = dialog.options();
    EXPECT_EQ(o.scaling, PrintScaling::CustomPercentage);
    EXPECT_EQ(o.customPercentage, 50);
    EXPECT_EQ(o.scaleDenominator, 10);
    EXPECT_EQ(o.levels, PrintLevels::All);
    EXPECT_EQ(o.colour, PrintColour::Greyscale);
    EXPECT_TRUE(o.includeGrid);
    EXPECT_FALSE(o.includeBaseboard);
}

} // namespace
} // namespace layrail
