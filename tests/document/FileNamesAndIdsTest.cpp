#include <gtest/gtest.h>

#include <string>

#include "support/FileTestSupport.h"
#include "document/LayoutCheck.h"
#include "document/LayoutFile.h"

namespace layrail {
namespace {

using test::TempFolder;
using test::writeFile;

std::string readInto(const std::string& text, Layout& layout, std::string& name)
{
    TempFolder folder;
    const std::string path = folder.file("input.lyr");
    writeFile(path, text);
    return readLayout(path, layout, name);
}

// Names and texts may hold what looks like the next attribute; only a name outside every quoted
// value counts, so such a layout reopens exactly as it was saved.
TEST(FileNames, NamesThatLookLikeAttributesReopenUnchanged)
{
    Layout layout;
    layout.units = LengthUnit::Inches;
    Level level;
    level.name = "Main visible=";
    level.visible = false;
    level.red = 7;
    layout.levels = {level};
    SceneryItem item;
    item.id = 1;
    item.item = "bush x=";
    item.x = 12.5;
    layout.scenery = {item};
    LayoutLabel label;
    label.id = 2;
    label.text = "at x=\" y=";
    label.y = -4.0;
    layout.labels = {label};
    LayoutShape shape;
    shape.id = 3;
    shape.label = "Hill level=";
    shape.level = 1;
    shape.height = 9.0;
    layout.shapes = {shape};
    layout.nextId = 4;

    TempFolder folder;
    const std::string path = folder.file("Yard units=.lyr");
    ASSERT_EQ(writeLayout(layout, path, "Yard units="), "");
    Layout read;
    std::string name;
    ASSERT_EQ(readLayout(path, read, name), "");
    EXPECT_EQ(name, "Yard units=");
    EXPECT_EQ(read.units, LengthUnit::Inches);
    ASSERT_EQ(read.levels.size(), 1u);
    EXPECT_EQ(read.levels[0].name, "Main visible=");
    EXPECT_FALSE(read.levels[0].visible);
    EXPECT_EQ(read.levels[0].red, 7);
    ASSERT_EQ(read.scenery.size(), 1u);
    EXPECT_EQ(read.scenery[0].item, "bush x=");
    EXPECT_DOUBLE_EQ(read.scenery[0].x, 12.5);
    ASSERT_EQ(read.labels.size(), 1u);
    EXPECT_EQ(read.labels[0].text, "at x=\" y=");
    EXPECT_DOUBLE_EQ(read.labels[0].y, -4.0);
    ASSERT_EQ(read.shapes.size(), 1u);
    EXPECT_DOUBLE_EQ(read.shapes[0].height, 9.0);
    EXPECT_EQ(layoutText(read, name), layoutText(layout, "Yard units="));
}

// Three pieces where the third repeats the first one's id; piece 2 is joined to both, and each of
// them records its joint back, which says which of the two each joint meant.
const char* const kTwiceOne = "<layout name=\"Twice\" version=\"1\" units=\"0\">\n"
                              "  <grade_runs>\n    <run deg=\"1.0000\" anchor=\"1\" conn=\"0\"/>\n  </grade_runs>\n"
                              "  <pieces>\n"
                              "    <piece id=\"1\" cat=\"24188\" x=\"0\" y=\"0\" heading=\"0\">\n"
                              "      <joint conn=\"1\" target=\"2\" tconn=\"0\"/>\n    </piece>\n"
                              "    <piece id=\"2\" cat=\"24188\" x=\"188.3\" y=\"0\" heading=\"0\">\n"
                              "      <joint conn=\"0\" target=\"1\" tconn=\"1\"/>\n"
                              "      <joint conn=\"1\" target=\"1\" tconn=\"0\"/>\n    </piece>\n"
                              "    <piece id=\"1\" cat=\"24188\" x=\"376.6\" y=\"0\" heading=\"0\">\n"
                              "      <joint conn=\"0\" target=\"2\" tconn=\"1\"/>\n    </piece>\n"
                              "  </pieces>\n"
                              "  <labels>\n    <label id=\"2\" x=\"0\" y=\"0\" text=\"a label with a piece's id\"/>\n"
                              "  </labels>\n"
                              "</layout>\n";

TEST(FileIds, DuplicateIdsAreRenumberedAndJointsKeepTheirMeaning)
{
    Layout layout;
    std::string name;
    ASSERT_EQ(readInto(kTwiceOne, layout, name), "");
    ASSERT_EQ(layout.pieces.size(), 3u);
    const PlacedPiece& first = layout.pieces[0];
    const PlacedPiece& middle = layout.pieces[1];
    const PlacedPiece& last = layout.pieces[2];
    EXPECT_EQ(first.id, 1);
    EXPECT_EQ(middle.id, 2);
    EXPECT_EQ(last.id, 3);
    EXPECT_EQ(middle.joints[0].target, 1);
    EXPECT_EQ(middle.joints[1].target, 3);
    EXPECT_EQ(last.joints[0].target, 2);
    EXPECT_EQ(layout.labels[0].id, 4);
    EXPECT_EQ(layout.gradeRuns[0].anchor, 1);
    EXPECT_EQ(layout.nextId, 5);
    EXPECT_TRUE(findLayoutProblems(layout).empty());

    // Checking a file shows it as written.
    TempFolder folder;
    writeFile(folder.file("twice.lyr"), kTwiceOne);
    Layout asWritten;
    ASSERT_EQ(readLayout(folder.file("twice.lyr"), asWritten, name, false), "");
    EXPECT_EQ(asWritten.pieces[2].id, 1);
    EXPECT_FALSE(findLayoutProblems(asWritten).empty());
}

TEST(FileIds, DimensionLinesKeptThroughAReadStayOutOfTheFilesWay)
{
    Layout layout;
    DimensionLine line;
    line.id = 2;
    layout.dimensionLines.push_back(line);
    line.id = 40;
    layout.dimensionLines.push_back(line);
    std::string name;
    ASSERT_EQ(readInto(kTwiceOne, layout, name), "");
    EXPECT_TRUE(findLayoutProblems(layout).empty());
    EXPECT_GT(layout.nextId, 40);
}

} // namespace
} // namespace layrail
