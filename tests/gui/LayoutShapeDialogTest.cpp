#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>

#include "ControlDriving.h"
#include "DialogScript.h"
#include "dialogs/ui/LayoutShapeDialog.h"

namespace layrail {
namespace {

using gui::DialogScript;
using gui::named;

TEST(LayoutShapeDialog, OpensOnTheLastShapeWithItsStoredDimensionsInTheUnit)
{
    LastShape last; // rectangle 2400 by 1200
    LayoutShapeDialog dialog(nullptr, {}, LengthUnit::Inches, last);
    EXPECT_EQ(dialog.GetTitle(), "Layout Baseboard");
    EXPECT_EQ(dialog.GetSize().GetWidth(), 420);
    EXPECT_EQ(dialog.chosenShape(), BaseboardShape::Rectangle);
    EXPECT_EQ(dialog.dimensions(), (std::vector<int>{94, 47}));
    EXPECT_EQ(dialog.explanation(), "Simple rectangular baseboard:");
    const std::string texts = gui::staticTexts(dialog);
    EXPECT_NE(texts.find("All dimensions in in."), std::string::npos);
    EXPECT_NE(texts.find("Width (left to right):"), std::string::npos);
    EXPECT_EQ(named<wxChoice>(dialog, "shape")->GetCount(), 7u);

    last.id = 42;
    LayoutShapeDialog outOfRange(nullptr, {}, LengthUnit::Millimetres, last);
    EXPECT_EQ(outOfRange.chosenShape(), BaseboardShape::Rectangle);
}

TEST(LayoutShapeDialog, ApplyingAnLShapeWithAnOversizedCutout)
{
    LastShape last;
    LayoutShapeDialog dialog(nullptr, {}, LengthUnit::Centimetres, last);
    const int code = gui::runModal(dialog, [&] {
        gui::choose(*named<wxChoice>(dialog, "shape"), 1);
        EXPECT_EQ(dialog.dimensions(), (std::vector<int>{240, 240, 120, 120}));
        EXPECT_NE(gui::staticTexts(dialog).find("Cutout depth  H2:"), std::string::npos);
        gui::setSpin(*named<wxSpinCtrl>(dialog, "dimension0"), 200);
        gui::setSpin(*named<wxSpinCtrl>(dialog, "dimension1"), 100);
        gui::setSpin(*named<wxSpinCtrl>(dialog, "dimension2"), 500);
        gui::setSpin(*named<wxSpinCtrl>(dialog, "dimension3"), 100);
        gui::clickButton(dialog, LayoutShapeDialog::kApplyId);
    });
    ASSERT_EQ(code, wxID_OK);
    const BaseboardResult& r = dialog.result();
    EXPECT_FALSE(r.freeForm);
    ASSERT_EQ(r.vertices.size(), 6u);
    // 2000 by 1000 mm with the cutout shrunk to leave 1 mm of board on each side.
    EXPECT_DOUBLE_EQ(r.vertices[2].y, 1.0);
    EXPECT_DOUBLE_EQ(r.vertices[3].x, 1.0);
    EXPECT_DOUBLE_EQ(r.vertices[5].y, 1000.0);
    EXPECT_EQ(r.lastShape.id, 1);
    EXPECT_DOUBLE_EQ(r.lastShape.width2, 5000.0);
}

TEST(LayoutShapeDialog, CustomVerticesWithUnreadableLinesAreRefusedUntilCorrected)
{
    LayoutShapeDialog dialog(nullptr, {{0, 0}, {254, 0}, {254, 127}}, LengthUnit::Inches, LastShape{});
    std::vector<DialogScript::Shown> shown;
    const int code = gui::runModal(dialog, [&] {
        gui::choose(*named<wxChoice>(dialog, "shape"), 4);
        wxTextCtrl* text = named<wxTextCtrl>(dialog, "vertices");
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(dialog.vertexText(), "0.00,0.00\n10.00,0.00\n10.00,5.00\n");
        gui::typeText(*text, "a,b\n100, 200\n");
        {
            DialogScript script({DialogScript::answer(wxID_OK)});
            gui::clickButton(dialog, LayoutShapeDialog::kApplyId);
            shown = script.shown();
        }
        EXPECT_TRUE(dialog.IsModal());
        gui::typeText(*text, "\n100, 200\nno pair here\n");
        gui::clickButton(dialog, LayoutShapeDialog::kApplyId);
    });
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Layout Baseboard");
    EXPECT_NE(shown[0].message.find("Line 1: \"a,b\" is not a pair of numbers x,y."), std::string::npos);
    ASSERT_EQ(code, wxID_OK);
    ASSERT_EQ(dialog.result().vertices.size(), 1u);
    EXPECT_DOUBLE_EQ(dialog.result().vertices[0].x, 2540.0);
    EXPECT_DOUBLE_EQ(dialog.result().vertices[0].y, 5080.0);
    EXPECT_EQ(dialog.result().lastShape.id, 4);
}

TEST(LayoutShapeDialog, FreeFormClearAndCancel)
{
    {
        LayoutShapeDialog dialog(nullptr, {}, LengthUnit::Millimetres, LastShape{});
        const int code = gui::runModal(dialog, [&] {
            gui::choose(*named<wxChoice>(dialog, "shape"), 5);
            EXPECT_TRUE(dialog.dimensions().empty());
            EXPECT_EQ(dialog.explanation().rfind("Click OK and then click vertices", 0), 0u);
            gui::clickButton(dialog, LayoutShapeDialog::kApplyId);
        });
        EXPECT_EQ(code, wxID_OK);
        EXPECT_TRUE(dialog.result().freeForm);
        EXPECT_EQ(dialog.result().lastShape.id, 5);
    }
    {
        LayoutShapeDialog dialog(nullptr, {{0, 0}, {1, 0}, {1, 1}}, LengthUnit::Millimetres, LastShape{});
        const int code = gui::runModal(dialog, [&] {
            gui::choose(*named<wxChoice>(dialog, "shape"), 6);
            EXPECT_EQ(dialog.explanation(), "Remove the baseboard outline from the canvas.");
            gui::clickButton(dialog, LayoutShapeDialog::kApplyId);
        });
        EXPECT_EQ(code, wxID_OK);
        EXPECT_FALSE(dialog.result().freeForm);
        EXPECT_TRUE(dialog.result().vertices.empty());
    }
    {
        LayoutShapeDialog dialog(nullptr, {}, LengthUnit::Millimetres, LastShape{});
        const int code = gui::runModal(dialog, [&] {
            gui::choose(*named<wxChoice>(dialog, "shape"), 2);
            gui::clickButton(dialog, LayoutShapeDialog::kCancelId);
        });
        EXPECT_EQ(code, wxID_CANCEL);
    }
}

} // namespace
} // namespace layrail
