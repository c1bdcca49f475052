#include <gtest/gtest.h>

#include "canvas/RulerTicks.h"
#include "canvas/Rulers.h"
#include "render/LengthFormat.h"
#include "render/RenderTestSupport.h"

namespace layrail::testing {
namespace {

using Kind = RecordingTarget::Kind;
using Call = RecordingTarget::Call;

TEST(RulerTest, TickStepIsTheFirstAtLeastSixtyPixelsApart)
{
    EXPECT_DOUBLE_EQ(rulerTickStep(LengthUnit::Millimetres, 1.0), 100.0);   // needs 60
    EXPECT_DOUBLE_EQ(rulerTickStep(LengthUnit::Millimetres, 0.4), 200.0);   // needs 150
    EXPECT_DOUBLE_EQ(rulerTickStep(LengthUnit::Millimetres, 20.0), 5.0);    // needs 3
    EXPECT_DOUBLE_EQ(rulerTickStep(LengthUnit::Millimetres, 0.05), 500.0);  // needs 1200: the last entry
    EXPECT_DOUBLE_EQ(rulerTickStep(LengthUnit::Centimetres, 1.0), 10.0);    // needs 6
    EXPECT_DOUBLE_EQ(rulerTickStep(LengthUnit::Centimetres, 20.0), 0.5);
    EXPECT_DOUBLE_EQ(rulerTickStep(LengthUnit::Centimetres, 0.05), 200.0);
    EXPECT_DOUBLE_EQ(rulerTickStep(LengthUnit::Inches, 1.0), 3.0);          // needs 2.36
    EXPECT_DOUBLE_EQ(rulerTickStep(LengthUnit::Inches, 20.0), 0.25);
    EXPECT_DOUBLE_EQ(rulerTickStep(LengthUnit::Inches, 0.05), 48.0);
    EXPECT_DOUBLE_EQ(rulerTickStep(LengthUnit::Inches, 0.01), 192.0);  // needs 236: the last entry
}

TEST(RulerTest, LabelsInTheUnit)
{
    EXPECT_EQ(rulerLabel(LengthUnit::Millimetres, 200.0), "200");
    EXPECT_EQ(rulerLabel(LengthUnit::Millimetres, -0.0), "0");
    EXPECT_EQ(rulerLabel(LengthUnit::Centimetres, -20.0), "-20");
    EXPECT_EQ(rulerLabel(LengthUnit::Inches, 2.0), "2\"");
    EXPECT_EQ(rulerLabel(LengthUnit::Inches, 1.5), "1.5\"");
    EXPECT_EQ(rulerLabel(LengthUnit::Inches, 0.25), "0.25\"");
    EXPECT_EQ(rulerLabel(LengthUnit::Centimetres, 1.5), "1.5");
}

TEST(RulerTest, NeighbouringTicksReadDifferentlyAtEveryZoom)
{
    for (LengthUnit unit : {LengthUnit::Millimetres, LengthUnit::Centimetres, LengthUnit::Inches}) {
        for (double zoom = 0.05; zoom <= 20.0; zoom *= 1.25) {
            const std::vector<RulerTick> ticks = rulerTicks(unit, zoom, -333.0, 1600);
            for (size_t i = 1; i < ticks.size(); ++i)
                EXPECT_NE(rulerLabel(unit, ticks[i - 1].value), rulerLabel(unit, ticks[i].value))
                    << "unit " << static_cast<int>(unit) << " zoom " << zoom;
        }
    }
}

TEST(RulerTest, TicksStartJustLeftOfTheEdgeAndSkipTheCorner)
{
    // Zoom 1, origin at 60 px: 100 mm steps from -100 mm; -100 and 0 fall at -40 and 60 px.
    std::vector<RulerTick> ticks = rulerTicks(LengthUnit::Millimetres, 1.0, 60.0, 400);
    ASSERT_EQ(ticks.size(), 4u);
    EXPECT_EQ(ticks[0].position, 60);
    EXPECT_DOUBLE_EQ(ticks[0].value, 0.0);
    EXPECT_EQ(ticks[3].position, 360);
    EXPECT_DOUBLE_EQ(ticks[3].value, 300.0);

    // A tick at exactly 19 px is hidden by the corner, one at 20 px shows.
    EXPECT_TRUE(rulerTicks(LengthUnit::Millimetres, 1.0, 19.0, 100).empty());
    EXPECT_EQ(rulerTicks(LengthUnit::Millimetres, 1.0, 20.0, 100).size(), 1u);

    // Far from the origin the values stay whole steps.
    std::vector<RulerTick> far = rulerTicks(LengthUnit::Inches, 1.0, -1e6, 300);
    ASSERT_FALSE(far.empty());
    for (const RulerTick& t : far)
        EXPECT_DOUBLE_EQ(t.value / 3.0, std::round(t.value / 3.0));
}

TEST(RulerTest, StripsTicksLabelsAndOriginMarks)
{
    RecordingTarget t;
    CanvasView view = unitView();
    drawRulers(t, view, LengthUnit::Millimetres, 400, 300);
    auto strips = t.ofKind(Kind::Polygon);
    ASSERT_EQ(strips.size(), 2u);
    EXPECT_EQ(strips[0]->brush.colour, rgb(240, 240, 240));
    EXPECT_EQ(strips[0]->pen.colour, rgb(180, 180, 180));
    EXPECT_TRUE(near(strips[0]->points[2], 400, 20));
    EXPECT_TRUE(near(strips[1]->points[2], 20, 300));

    auto ticks = t.where([](const Call& c) { return c.kind == Kind::Line && c.pen.colour == rgb(140, 140, 140); });
    ASSERT_EQ(ticks.size(), 4u + 3u);
    EXPECT_TRUE(near(ticks[0]->points[0], 60, 14));
    EXPECT_TRUE(near(ticks[0]->points[1], 60, 20));
    EXPECT_TRUE(near(ticks[4]->points[0], 14, 60));

    auto labels = t.ofKind(Kind::Text);
    ASSERT_EQ(labels.size(), 7u);
    EXPECT_EQ(labels[1]->text, "100");
    EXPECT_TRUE(near(labels[1]->points[0], 162, 2));
    EXPECT_EQ(labels[1]->font.size, 7);
    EXPECT_EQ(labels[1]->colour, rgb(80, 80, 80));
    EXPECT_TRUE(near(labels[5]->points[0], 1, 161));

    auto origin = t.where([](const Call& c) { return c.kind == Kind::Line && c.pen.colour == rgb(200, 80, 80); });
    ASSERT_EQ(origin.size(), 2u);
    EXPECT_TRUE(near(origin[0]->points[0], 60, 0));
    EXPECT_TRUE(near(origin[0]->points[1], 60, 20));
}

TEST(RulerTest, InchRulerLabelsCarryTheInchSign)
{
    RecordingTarget t;
    CanvasView view = unitView();
    view.zoom = 5.0;  // needs 0.47 in: half-inch steps of 63.5 px
    drawRulers(t, view, LengthUnit::Inches, 300, 100);
    auto labels = t.ofKind(Kind::Text);
    ASSERT_GE(labels.size(), 4u);
    EXPECT_EQ(labels[0]->text, "0\"");
    EXPECT_EQ(labels[1]->text, "0.5\"");
    EXPECT_EQ(labels[2]->text, "1\"");
    EXPECT_EQ(labels[3]->text, "1.5\"");
}

TEST(LengthFormatTest, EachUnitHasItsFormat)
{
    EXPECT_EQ(formatLength(1234.0, LengthUnit::Millimetres), "1234 mm");
    EXPECT_EQ(formatLength(1234.0, LengthUnit::Centimetres), "123.4 cm");
    EXPECT_EQ(formatLength(254.0, LengthUnit::Inches), "10.00\"");
}

} // namespace
} // namespace layrail::testing
