#include <gtest/gtest.h>

#include <algorithm>

#include "dialogs/BaseboardOutline.h"
#include "document/History.h"
#include "document/LengthUnits.h"

using namespace layrail;

namespace {

::testing::AssertionResult sameOutline(const std::vector<Point>& actual, const std::vector<Point>& expected)
{
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << actual.size() << " vertices instead of " << expected.size();
    for (size_t i = 0; i < actual.size(); ++i)
        if (std::fabs(actual[i].x - expected[i].x) > 1e-9 || std::fabs(actual[i].y - expected[i].y) > 1e-9)
            return ::testing::AssertionFailure() << "vertex " << i << " is (" << actual[i].x << ", " << actual[i].y
                                                 << ") instead of (" << expected[i].x << ", " << expected[i].y << ")";
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(BaseboardOutline, ShapesFromTheirDimensions)
{
    EXPECT_TRUE(sameOutline(rectangleOutline(2400, 1200), {{0, 0}, {2400, 0}, {2400, 1200}, {0, 1200}}));
    EXPECT_TRUE(sameOutline(lShapeOutline(2400, 2400, 1200, 1000),
                            {{0, 0}, {2400, 0}, {2400, 1400}, {1200, 1400}, {1200, 2400}, {0, 2400}}));
    EXPECT_TRUE(sameOutline(
        uShapeOutline(3600, 2400, 1200, 1000),
        {{0, 0}, {3600, 0}, {3600, 2400}, {2400, 2400}, {2400, 1400}, {1200, 1400}, {1200, 2400}, {0, 2400}}));
    EXPECT_TRUE(sameOutline(
        tShapeOutline(3600, 1200, 1200, 800),
        {{0, 0}, {3600, 0}, {3600, 1200}, {2400, 1200}, {2400, 2000}, {1200, 2000}, {1200, 1200}, {0, 1200}}));
}

TEST(BaseboardOutline, OversizedCutoutsAndNotchesLeaveBoardStanding)
{
    // An L cutout as large as the board shrinks to leave 1 mm.
    EXPECT_TRUE(
        sameOutline(lShapeOutline(1000, 800, 5000, 5000), {{0, 0}, {1000, 0}, {1000, 1}, {1, 1}, {1, 800}, {0, 800}}));
    const std::vector<Point> u = uShapeOutline(1000, 800, 5000, 5000);
    EXPECT_DOUBLE_EQ(u[3].x, 999);
    EXPECT_DOUBLE_EQ(u[5].x, 1);
    EXPECT_DOUBLE_EQ(u[4].y, 1);
    // A T stem never wider than the bar and at least 1 mm deep.
    const std::vector<Point> t = tShapeOutline(1000, 500, 3000, 0);
    EXPECT_DOUBLE_EQ(t[3].x, 1000);
    EXPECT_DOUBLE_EQ(t[5].x, 0);
    EXPECT_DOUBLE_EQ(t[4].y, 501);
}

TEST(BaseboardOutline, InitialDimensionsUseTheStoredShapeOnlyForItsOwnChoice)
{
    LastShape last;
    last.id = 1;
    last.width = 3000;
    last.height = 2000;
    last.width2 = 800;
    last.height2 = 700;
    EXPECT_EQ(initialDimensions(last, BaseboardShape::LShape, LengthUnit::Millimetres),
              (std::vector<int>{3000, 2000, 800, 700}));
    EXPECT_EQ(initialDimensions(last, BaseboardShape::UShape, LengthUnit::Millimetres),
              (std::vector<int>{3600, 2400, 1200, 1200}));
    EXPECT_EQ(initialDimensions(last, BaseboardShape::Rectangle, LengthUnit::Centimetres),
              (std::vector<int>{240, 120}));
    EXPECT_TRUE(initialDimensions(last, BaseboardShape::CustomPolygon, LengthUnit::Millimetres).empty());

    LastShape rectangle; // 2400 by 1200, shape 0
    EXPECT_EQ(initialDimensions(rectangle, BaseboardShape::Rectangle, LengthUnit::Inches), (std::vector<int>{94, 47}));

    Layout layout;
    layout.baseboard.lastShape.id = 9;
    EXPECT_EQ(lastBaseboardShape(layout), BaseboardShape::Rectangle);
    layout.baseboard.lastShape.id = 3;
    EXPECT_EQ(lastBaseboardShape(layout), BaseboardShape::TShape);
}

TEST(BaseboardOutline, ApplyConvertsRowsBackAndStoresTheLastShape)
{
    LastShape last;
    last.width2 = 111;
    last.height2 = 222;
    const BaseboardResult rect = applyBaseboardShape(last, BaseboardShape::Rectangle, {100, 50}, LengthUnit::Inches);
    EXPECT_FALSE(rect.freeForm);
    EXPECT_TRUE(sameOutline(rect.vertices, rectangleOutline(2540, 1270)));
    EXPECT_EQ(rect.lastShape.id, 0);
    EXPECT_DOUBLE_EQ(rect.lastShape.width, 2540);
    EXPECT_DOUBLE_EQ(rect.lastShape.height, 1270);
    EXPECT_DOUBLE_EQ(rect.lastShape.width2, 111); // rows the rectangle lacks keep their values
    EXPECT_DOUBLE_EQ(rect.lastShape.height2, 222);

    const BaseboardResult l =
        applyBaseboardShape(last, BaseboardShape::LShape, {240, 240, 120, 100}, LengthUnit::Centimetres);
    EXPECT_TRUE(sameOutline(l.vertices, lShapeOutline(2400, 2400, 1200, 1000)));
    EXPECT_EQ(l.lastShape.id, 1);
    EXPECT_DOUBLE_EQ(l.lastShape.height2, 1000);

    const BaseboardResult free = applyBaseboardShape(last, BaseboardShape::FreeForm, {}, LengthUnit::Millimetres);
    EXPECT_TRUE(free.freeForm);
    EXPECT_TRUE(free.vertices.empty());
    EXPECT_EQ(free.lastShape.id, 5);

    const BaseboardResult clear = applyBaseboardShape(last, BaseboardShape::Clear, {}, LengthUnit::Millimetres);
    EXPECT_FALSE(clear.freeForm);
    EXPECT_TRUE(clear.vertices.empty());
    EXPECT_EQ(clear.lastShape.id, 6);
}

TEST(BaseboardOutline, VertexTextSkipsWhatItCannotReadAndSaysWhy)
{
    const VertexText parsed =
        parseVertexText("a,b\n100, 200\n\nno comma here\n1,2,3\n 7 , -8.5 \r\n", LengthUnit::Millimetres);
    ASSERT_EQ(parsed.vertices.size(), 2u);
    EXPECT_DOUBLE_EQ(parsed.vertices[0].x, 100);
    EXPECT_DOUBLE_EQ(parsed.vertices[0].y, 200);
    EXPECT_DOUBLE_EQ(parsed.vertices[1].x, 7);
    EXPECT_DOUBLE_EQ(parsed.vertices[1].y, -8.5);
    ASSERT_EQ(parsed.errors.size(), 2u);
    EXPECT_EQ(parsed.errors[0], "Line 1: \"a,b\" is not a pair of numbers x,y.");
    EXPECT_EQ(parsed.errors[1], "Line 5: \"1,2,3\" is not a pair of numbers x,y.");

    const VertexText inches = parseVertexText("100,200", LengthUnit::Inches);
    ASSERT_EQ(inches.vertices.size(), 1u);
    EXPECT_DOUBLE_EQ(inches.vertices[0].x, 2540);
    EXPECT_DOUBLE_EQ(inches.vertices[0].y, 5080);

    const VertexText odd = parseVertexText("1e400,0\n+5,+6\n12abc,4\n50000,1\n", LengthUnit::Inches);
    ASSERT_EQ(odd.vertices.size(), 1u);
    EXPECT_DOUBLE_EQ(odd.vertices[0].x, 5 * 25.4);
    ASSERT_EQ(odd.errors.size(), 3u);
    EXPECT_EQ(odd.errors[2], "Line 4: \"50000,1\" lies more than a kilometre from the origin.");
}

TEST(BaseboardOutline, VertexTextStartsWithTheOutlineOrARectangle)
{
    EXPECT_EQ(initialVertexText({}, LengthUnit::Millimetres), "0,0\n2400,0\n2400,1200\n0,1200\n");
    EXPECT_EQ(initialVertexText({}, LengthUnit::Inches), "0,0\n94,0\n94,47\n0,47\n");
    EXPECT_EQ(initialVertexText({{0, 0}, {254, 12.7}}, LengthUnit::Inches), "0.00,0.00\n10.00,0.50\n");
    // What the text shows reads back to the same outline.
    const std::vector<Point> outline = lShapeOutline(2400, 1800, 700, 500);
    const VertexText back =
        parseVertexText(initialVertexText(outline, LengthUnit::Centimetres), LengthUnit::Centimetres);
    EXPECT_TRUE(back.errors.empty());
    EXPECT_TRUE(sameOutline(back.vertices, outline));

    // A vertex of an opened file far beyond the kilometre still shows on a line of its own, and
    // reading it back names that line rather than running into the next vertex.
    const std::string far = initialVertexText({{1e300, -1e300}, {1, 2}}, LengthUnit::Millimetres);
    EXPECT_EQ(std::count(far.begin(), far.end(), '\n'), 2);
    EXPECT_EQ(far.substr(far.size() - 11), "\n1.00,2.00\n");
    const VertexText farBack = parseVertexText(far, LengthUnit::Millimetres);
    ASSERT_EQ(farBack.errors.size(), 1u);
    EXPECT_EQ(farBack.errors[0].substr(0, 8), "Line 1: ");
    EXPECT_TRUE(sameOutline(farBack.vertices, {{1, 2}}));

    // An outline reaching the kilometre may show rounded a little beyond it, and still reads back as
    // shown; typed, a hundredth more is refused.
    const std::vector<Point> reaching = {{0, 0}, {999999.99, -1e6}};
    for (LengthUnit unit : {LengthUnit::Millimetres, LengthUnit::Centimetres, LengthUnit::Inches}) {
        const VertexText shown = parseVertexText(initialVertexText(reaching, unit), unit);
        EXPECT_TRUE(shown.errors.empty()) << unitShortName(unit);
        EXPECT_EQ(shown.vertices.size(), 2u) << unitShortName(unit);
    }
    EXPECT_EQ(initialVertexText({reaching[1]}, LengthUnit::Inches), "39370.08,-39370.08\n");
    EXPECT_EQ(parseVertexText("39370.09,0\n", LengthUnit::Inches).errors.size(), 1u);
    EXPECT_EQ(parseVertexText("100000.005,0\n", LengthUnit::Centimetres).errors.size(), 1u);
    EXPECT_EQ(parseVertexText("0,-1000000.001\n", LengthUnit::Millimetres).errors.size(), 1u);
}

TEST(BaseboardOutline, ApplyingReplacesTheOutlineUndoably)
{
    Layout layout;
    layout.ensureDefaultLevel();
    layout.baseboard.vertices = {{0, 0}, {1, 0}, {1, 1}};
    const BaseboardResult l = applyBaseboardShape(layout.baseboard.lastShape, BaseboardShape::LShape,
                                                  {2400, 2400, 1200, 1200}, LengthUnit::Millimetres);
    EXPECT_TRUE(applyBaseboard(layout, l));
    EXPECT_EQ(layout.baseboard.vertices.size(), 6u);
    EXPECT_EQ(layout.baseboard.lastShape.id, 1);
    ASSERT_TRUE(undo(layout));
    EXPECT_EQ(layout.baseboard.vertices.size(), 3u);
    EXPECT_EQ(layout.baseboard.lastShape.id, 0);
    ASSERT_TRUE(redo(layout));
    EXPECT_EQ(layout.baseboard.vertices.size(), 6u);

    // Clear empties it; the free-form request only stores the choice.
    EXPECT_TRUE(applyBaseboard(
        layout, applyBaseboardShape(layout.baseboard.lastShape, BaseboardShape::Clear, {}, LengthUnit::Millimetres)));
    EXPECT_TRUE(layout.baseboard.vertices.empty());
    const size_t snapshots = layout.undoStack.size();
    EXPECT_FALSE(applyBaseboard(layout, applyBaseboardShape(layout.baseboard.lastShape, BaseboardShape::FreeForm, {},
                                                            LengthUnit::Millimetres)));
    EXPECT_EQ(layout.baseboard.lastShape.id, 5);
    EXPECT_EQ(layout.undoStack.size(), snapshots);

    EXPECT_TRUE(applyBaseboard(layout, applyCustomPolygon(layout.baseboard.lastShape, {{0, 0}, {5, 0}, {5, 5}})));
    EXPECT_EQ(layout.baseboard.lastShape.id, 4);
    EXPECT_EQ(layout.baseboard.vertices.size(), 3u);
}
