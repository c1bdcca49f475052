#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/clrpicker.h>
#include <wx/listctrl.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>

#include "support/ReferenceCheck.h"
#include "ControlDriving.h"
#include "DialogScript.h"
#include "GuiTestSupport.h"
#include "dialogs/ui/LevelManagerDialog.h"
#include "document/History.h"

namespace layrail {
namespace {

using gui::DialogScript;
using gui::named;

std::string cell(wxListCtrl& list, long row, int column) { return list.GetItemText(row, column).utf8_string(); }

// Ground level with one piece and a platform; "Upper" (id 5) 254 mm up with a piece joined to the
// ground piece.
Layout twoLevels()
{
    Layout layout;
    layout.ensureDefaultLevel();
    Level upper;
    upper.id = 5;
    upper.name = "Upper";
    upper.height = 254;
    upper.trackColour = true;
    layout.levels.push_back(upper);
    for (int level : {1, 5}) {
        PlacedPiece p;
        p.id = layout.takeId();
        p.article = "24188";
        p.level = level;
        p.x = level == 1 ? 0 : 188.3;
        layout.pieces.push_back(p);
    }
    layout.pieces[0].setJoint(1, layout.pieces[1].id, 0);
    layout.pieces[1].setJoint(0, layout.pieces[0].id, 1);
    SceneryItem platform;
    platform.id = layout.takeId();
    platform.item = "platform";
    platform.level = 5;
    layout.scenery.push_back(platform);
    layout.units = LengthUnit::Inches;
    return layout;
}

TEST(LevelManagerDialog, ListsLevelsWithUnitsChecksAndTheActiveRowInBold)
{
    Layout layout = twoLevels();
    layout.levels[1].visible = false;
    layout.activeLevel = 5;
    LevelManagerDialog dialog(nullptr, layout);
    EXPECT_EQ(dialog.GetTitle(), "Manage Levels");
    EXPECT_EQ(dialog.GetSize(), wxSize(500, 360));
    wxListCtrl& list = dialog.list();
    ASSERT_EQ(list.GetItemCount(), 2);
    ASSERT_EQ(list.GetColumnCount(), 4);
    EXPECT_EQ(cell(list, 0, 0), "Level 1");
    EXPECT_EQ(cell(list, 1, 0), "Upper");
    EXPECT_EQ(cell(list, 1, 1), "10.00 in");
    EXPECT_EQ(cell(list, 1, 2), "custom");
    EXPECT_EQ(cell(list, 0, 2), "-");
    EXPECT_EQ(cell(list, 1, 3), "5");
    EXPECT_TRUE(list.IsItemChecked(0));
    EXPECT_FALSE(list.IsItemChecked(1));
    EXPECT_EQ(dialog.boldRow(), 1);
    EXPECT_TRUE(dialog.removeButton().IsEnabled());
    // Filling the list changed nothing in the layout.
    EXPECT_FALSE(dialog.changed());
    EXPECT_FALSE(layout.levels[1].visible);
}

TEST(LevelManagerDialog, ClicksShowHideAndActivateLevels)
{
    Layout layout = twoLevels();
    LevelManagerDialog dialog(nullptr, layout);
    const int code = gui::runModal(dialog, [&] {
        gui::checkRow(dialog.list(), 0, false);
        EXPECT_FALSE(layout.levels[0].visible);
        gui::checkRow(dialog.list(), 0, true);
        EXPECT_TRUE(layout.levels[0].visible);
        gui::selectRow(dialog.list(), 1);
        EXPECT_EQ(layout.activeLevel, 5);
        EXPECT_EQ(dialog.boldRow(), 1);
        gui::clickButtonLabelled(dialog, "Close");
    });
    EXPECT_EQ(code, LevelManagerDialog::kCloseId);
    EXPECT_TRUE(dialog.changed());
    EXPECT_LAYOUT_CONSISTENT(layout);
}

TEST(LevelManagerDialog, AddLevelProposesTheNextIdAndTakesItsColour)
{
    Layout layout = twoLevels();
    LevelManagerDialog dialog(nullptr, layout);
    std::vector<DialogScript::Shown> shown;
    gui::runModal(dialog, [&] {
        {
            DialogScript script({DialogScript::enter("Attic \u00e9t\u00e9"), DialogScript::enter("")});
            gui::clickButtonLabelled(dialog, "Add Level");
            gui::clickButtonLabelled(dialog, "Add Level");
            shown = script.shown();
        }
        gui::clickButton(dialog, LevelManagerDialog::kCloseId);
    });
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].title, "Add Level");
    EXPECT_EQ(shown[0].value, "Level 6");
    EXPECT_EQ(shown[1].value, "Level 7");
    ASSERT_EQ(layout.levels.size(), 3u); // the empty answer added nothing
    const Level& added = layout.levels.back();
    EXPECT_EQ(added.id, 6);
    EXPECT_EQ(added.name, "Attic \xc3\xa9t\xc3\xa9");
    EXPECT_EQ(added.red, 160);
    EXPECT_EQ(added.green, 220);
    EXPECT_EQ(layout.activeLevel, 6);
    EXPECT_EQ(cell(dialog.list(), 2, 0), "Attic \xc3\xa9t\xc3\xa9");
    EXPECT_EQ(dialog.boldRow(), 2);
    EXPECT_LAYOUT_CONSISTENT(layout);
}

TEST(LevelManagerDialog, PropertiesShowTheHeightInTheUnitAndMoveFlatTrack)
{
    Layout layout = twoLevels();
    layout.pieces[1].z = 254;
    LevelManagerDialog dialog(nullptr, layout);
    std::string title;
    double shownHeight = 0.0;
    std::vector<DialogScript::Shown> refused;
    gui::runModal(dialog, [&] {
        {
            DialogScript script({DialogScript::answer(wxID_OK)});
            gui::activateRow(dialog.list(), -1);
            refused = script.shown();
        }
        DialogScript script({DialogScript::with<LevelPropertiesDialog>([&](LevelPropertiesDialog& properties) {
            title = properties.GetTitle().utf8_string();
            shownHeight = named<wxSpinCtrlDouble>(properties, "height")->GetValue();
            gui::typeText(*named<wxTextCtrl>(properties, "name"), "  Attic ");
            gui::setSpinDouble(*named<wxSpinCtrlDouble>(properties, "height"), 12.5);
            gui::tick(*named<wxCheckBox>(properties, "trackColour"), false);
            named<wxColourPickerCtrl>(properties, "colour")->SetColour(wxColour(10, 20, 30));
            return static_cast<int>(wxID_OK);
        })});
        gui::activateRow(dialog.list(), 1);
        gui::clickButton(dialog, LevelManagerDialog::kCloseId);
    });
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_EQ(refused[0].title, "Level Properties");
    EXPECT_EQ(refused[0].message, "Select a level first.");
    EXPECT_EQ(title, "Level Properties: Upper");
    EXPECT_DOUBLE_EQ(shownHeight, 10.0);
    const Level& upper = *layout.findLevel(5);
    EXPECT_EQ(upper.name, "Attic");
    EXPECT_DOUBLE_EQ(upper.height, 12.5 * 25.4);
    EXPECT_FALSE(upper.trackColour);
    EXPECT_EQ(upper.blue, 30);
    EXPECT_DOUBLE_EQ(layout.pieces[1].z, 12.5 * 25.4);
    EXPECT_EQ(cell(dialog.list(), 1, 1), "12.50 in");
    EXPECT_EQ(cell(dialog.list(), 1, 2), "-");
    EXPECT_LAYOUT_CONSISTENT(layout);
}

TEST(LevelManagerDialog, RemoveAsksWithRealDashAndBulletsAndUndoBringsTheLevelBack)
{
    Layout layout = twoLevels();
    LevelManagerDialog dialog(nullptr, layout);
    std::vector<DialogScript::Shown> shown;
    gui::runModal(dialog, [&] {
        gui::selectRow(dialog.list(), 1);
        DialogScript script({DialogScript::answer(wxID_NO), DialogScript::answer(wxID_YES)});
        gui::clickButtonLabelled(dialog, "Remove Level");
        EXPECT_EQ(layout.levels.size(), 2u);
        gui::clickButtonLabelled(dialog, "Remove Level");
        shown = script.shown();
        gui::clickButton(dialog, LevelManagerDialog::kCloseId);
    });
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].title, "Remove Level \xe2\x80\x94 Confirm Deletion");
    EXPECT_EQ(shown[0].message, removeLevelQuestion("Upper", LevelContents{1, 1, 0}));
    EXPECT_NE(shown[0].message.find("    \xe2\x80\xa2 1 track piece(s)\n"), std::string::npos);

    ASSERT_EQ(layout.levels.size(), 1u);
    EXPECT_EQ(layout.pieces.size(), 1u);
    EXPECT_TRUE(layout.scenery.empty());
    EXPECT_TRUE(layout.pieces[0].isOpen(1));
    EXPECT_EQ(layout.activeLevel, 1);
    EXPECT_TRUE(referenceProblems(layout).empty());
    EXPECT_EQ(dialog.list().GetItemCount(), 1);
    EXPECT_FALSE(dialog.removeButton().IsEnabled());

    ASSERT_TRUE(undo(layout));
    EXPECT_EQ(layout.levels.size(), 2u);
    EXPECT_EQ(layout.pieces.size(), 2u);
    EXPECT_FALSE(layout.pieces[0].isOpen(1));
    EXPECT_TRUE(referenceProblems(layout).empty());
}

TEST(LevelManagerDialog, TheLastLevelCannotBeRemoved)
{
    Layout layout;
    layout.ensureDefaultLevel();
    LevelManagerDialog dialog(nullptr, layout);
    EXPECT_FALSE(dialog.removeButton().IsEnabled());
    std::vector<DialogScript::Shown> shown;
    gui::runModal(dialog, [&] {
        // The button is disabled; its handler still refuses when reached.
        DialogScript script({DialogScript::answer(wxID_OK)});
        dialog.removeButton().Enable();
        gui::clickButtonLabelled(dialog, "Remove Level");
        shown = script.shown();
        gui::clickButton(dialog, LevelManagerDialog::kCloseId);
    });
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Remove Level");
    EXPECT_EQ(shown[0].message, "A layout must have at least one level.");
    EXPECT_EQ(layout.levels.size(), 1u);
    EXPECT_LAYOUT_CONSISTENT(layout);
}

} // namespace
} // namespace layrail
