#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "RenderTestSupport.h"

namespace layrail::testing {
namespace {

using Kind = RecordingTarget::Kind;
using Call = RecordingTarget::Call;

const Colour kFill = rgb(210, 210, 205);
const Colour kSelectedFill = rgb(180, 200, 230);

RecordingTarget renderWith(const Layout& layout, const RenderOptions& options, const CanvasView& view = unitView())
{
    RecordingTarget target;
    renderLayout(layout, target, view, kWidth, kHeight, options);
    return target;
}

size_t gridLines(const RecordingTarget& t)
{
    return t.where([](const Call& c) { return c.kind == Kind::Line && c.pen.colour == rgb(220, 220, 215); }).size();
}

size_t dots(const RecordingTarget& t) { return t.ofKind(Kind::Ellipse).size(); }

// A layout whose own switches say the opposite of what each test asks for.
Layout switchedOff()
{
    Layout layout = emptyLayout();
    layout.gridOn = false;
    layout.labelsOn = false;
    layout.baseboardShown = false;
    layout.baseboard.vertices = {{0, 0}, {600, 0}, {600, 400}, {0, 400}};
    addPiece(layout, "24188", 100, 100);
    return layout;
}

TEST(RenderOptionsTest, TheOptionsDecideNotTheLayoutsSwitches)
{
    Layout layout = switchedOff();
    RenderOptions options;
    RecordingTarget shown = renderWith(layout, options);
    EXPECT_GT(gridLines(shown), 0u);
    EXPECT_EQ(shown.filled(rgb(245, 235, 210)).size(), 1u);
    EXPECT_NE(shown.firstText("24188"), nullptr);
    EXPECT_EQ(dots(shown), 2u);

    layout.gridOn = layout.labelsOn = layout.baseboardShown = true;
    options.grid = options.labels = options.baseboard = false;
    RecordingTarget hidden = renderWith(layout, options);
    EXPECT_EQ(gridLines(hidden), 0u);
    EXPECT_TRUE(hidden.filled(rgb(245, 235, 210)).empty());
    EXPECT_EQ(hidden.firstText("24188"), nullptr);
    EXPECT_EQ(dots(hidden), 0u);

    // The canvas's options follow the switches.
    const RenderOptions canvas = switchedOptions(layout);
    EXPECT_TRUE(canvas.grid && canvas.labels && canvas.baseboard && canvas.selection);
    EXPECT_FALSE(canvas.printing);
    layout.labelsOn = false;
    EXPECT_FALSE(switchedOptions(layout).labels);
}

TEST(RenderOptionsTest, WithoutSelectionEverythingDrawsUnselected)
{
    Layout layout = emptyLayout();
    addPiece(layout, "24188", 100, 100).selected = true;
    LayoutLabel label;
    label.id = layout.takeId();
    label.text = "Yard";
    label.x = 300;
    label.y = 300;
    label.selected = true;
    layout.labels.push_back(label);
    SceneryItem bush;
    bush.id = layout.takeId();
    bush.item = "bush";
    bush.x = 500;
    bush.y = 500;
    bush.selected = true;
    layout.scenery.push_back(bush);

    RenderOptions options;
    RecordingTarget selected = renderWith(layout, options);
    EXPECT_EQ(selected.filled(kSelectedFill).size(), 1u);
    EXPECT_EQ(selected.firstText("Yard")->colour, rgb(40, 80, 200));
    auto dottedBlue = [](const Call& c) {
        return c.pen.set && c.pen.style == PenStyle::Dotted && c.pen.colour.b == 200;
    };
    EXPECT_EQ(selected.where(dottedBlue).size(), 2u); // the label's box and the item's footprint

    options.selection = false;
    RecordingTarget plain = renderWith(layout, options);
    EXPECT_TRUE(plain.filled(kSelectedFill).empty());
    EXPECT_EQ(plain.filled(kFill).size(), 1u);
    EXPECT_EQ(plain.firstText("Yard")->colour, rgb(20, 20, 20));
    EXPECT_TRUE(plain.where(dottedBlue).empty());
    // The records themselves keep their selection.
    EXPECT_TRUE(layout.pieces[0].selected);
}

TEST(RenderOptionsTest, PrintingProjectsExactlyAndScalesThePens)
{
    Layout layout = emptyLayout();
    addPiece(layout, "24188", 10.25, 100.4);
    CanvasView view = unitView();
    view.panX = 60.7;

    RenderOptions options;
    RecordingTarget screen = renderWith(layout, options, view);
    const Call* band = screen.filled(kFill).at(0);
    // On screen the corners are cut to whole pixels.
    EXPECT_DOUBLE_EQ(band->points[0].x, 70.0);
    EXPECT_DOUBLE_EQ(band->pen.width, 1.0);

    options.printing = true;
    options.lineScale = 2.5;
    RecordingTarget printed = renderWith(layout, options, view);
    band = printed.filled(kFill).at(0);
    EXPECT_DOUBLE_EQ(band->points[0].x, 10.25 + 60.7);
    EXPECT_NEAR(band->points[0].y, 100.4 + 60.0 + 18.7, 1e-9);
    EXPECT_DOUBLE_EQ(band->pen.width, 2.5);
    // Every pen is scaled, the origin cross's included.
    layout.gridOn = true;
    options.grid = true;
    printed = renderWith(layout, options, view);
    auto cross =
        printed.where([](const Call& c) { return c.kind == Kind::Line && c.pen.colour == rgb(180, 180, 220); });
    ASSERT_EQ(cross.size(), 2u);
    EXPECT_DOUBLE_EQ(cross[0]->pen.width, 5.0);
    EXPECT_DOUBLE_EQ(cross[0]->points[0].x, 60.7 - 10.0);
}

TEST(RenderOptionsTest, LevelsShowAsSwitchedAllOrOne)
{
    Layout layout = emptyLayout();
    layout.levels.push_back(level(2, 50.0, false));
    addPiece(layout, "24188", 100, 100);
    addPiece(layout, "24188", 100, 300).level = 2;
    addPiece(layout, "24188", 100, 500).level = 7; // a level the layout does not know

    RenderOptions options;
    EXPECT_EQ(renderWith(layout, options).filled(kFill).size(), 2u);
    options.levels = LevelsShown::All;
    EXPECT_EQ(renderWith(layout, options).filled(kFill).size(), 3u);
    options.levels = LevelsShown::One;
    options.level = 2;
    RecordingTarget only = renderWith(layout, options);
    ASSERT_EQ(only.filled(kFill).size(), 1u);
    EXPECT_NEAR(only.filled(kFill)[0]->points[0].y, 300 + 60 + 18.7, 1.0);
    EXPECT_FALSE(layout.findLevel(2)->visible);
}

// Text of a fixed size grows with the text scale (on paper), text that follows the zoom does not.
TEST(RenderOptionsTest, TextScaleGrowsFixedSizeTextOnly)
{
    Layout layout = switchedOff();
    DimensionLine tape;
    tape.id = layout.takeId();
    tape.x2 = 500.0;
    layout.dimensionLines.push_back(tape);
    LayoutShape lake;
    lake.id = layout.takeId();
    lake.label = "Lake";
    lake.points = {{0, 300}, {200, 300}, {100, 380}};
    layout.shapes.push_back(lake);
    RenderOptions options;
    options.baseboard = true;
    auto sizes = [&](const RecordingTarget& t) {
        std::map<std::string, int> out;
        for (const Call& c : t.calls)
            if (c.kind == Kind::Text || c.kind == Kind::TextWithBackground)
                out[c.text] = c.font.size;
        return out;
    };
    auto arrowLength = [](const RecordingTarget& t) {
        for (const Call& c : t.calls)
            if (c.kind == Kind::Polygon && c.points.size() == 3 && c.brush.colour == rgb(60, 60, 60))
                return std::hypot(c.points[0].x - (c.points[1].x + c.points[2].x) / 2.0,
                                  c.points[0].y - (c.points[1].y + c.points[2].y) / 2.0);
        return 0.0;
    };
    const RecordingTarget plain = renderWith(layout, options);
    options.textScale = 3.0;
    const RecordingTarget paper = renderWith(layout, options);
    const auto plainSizes = sizes(plain);
    const auto paperSizes = sizes(paper);
    EXPECT_EQ(plainSizes.at("600 mm"), 11); // baseboard edge
    EXPECT_EQ(paperSizes.at("600 mm"), 33);
    EXPECT_EQ(plainSizes.at("500 mm"), 10); // dimension line
    EXPECT_EQ(paperSizes.at("500 mm"), 30);
    EXPECT_EQ(paperSizes.at("Lake"), 33);
    EXPECT_EQ(paperSizes.at("24188"), plainSizes.at("24188")); // the article label follows the zoom
    EXPECT_NEAR(arrowLength(paper), 3.0 * arrowLength(plain), 1e-9);
}

} // namespace
} // namespace layrail::testing
