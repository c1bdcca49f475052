#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "support/FileTestSupport.h"
#include "catalog/TrackCatalog.h"
#include "document/LayoutFile.h"

namespace layrail {
namespace {

using test::dataFile;
using test::readFile;
using test::TempFolder;
using test::writeFile;

const char* const kHeader = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<layout name=\"T\" version=\"1\" units=\"0\">\n";

PlacedPiece makePiece(int id, const std::string& article, double x)
{
    PlacedPiece p;
    p.id = id;
    p.article = article;
    p.x = x;
    return p;
}

Layout demoLayout()
{
    Layout layout;
    layout.pieces = {makePiece(1, "24188", 0.0), makePiece(2, "24130", 188.3)};
    layout.pieces[0].setJoint(1, 2, 0);
    layout.pieces[1].setJoint(0, 1, 1);
    layout.ensureDefaultLevel();
    return layout;
}

// Every section filled, so a round trip covers every element.
Layout fullLayout()
{
    Layout layout;
    layout.units = LengthUnit::Inches;
    layout.gradeRuns = {GradeRun{2.5, 1, 1}, GradeRun{-1.25, 2, 0}};
    PlacedPiece a = makePiece(1, "24188", 10.0);
    a.y = -20.5;
    a.heading = 45.0;
    a.z = 12.0;
    a.grade = 2.5;
    a.rev = true;
    a.level = 2;
    a.selected = true;
    a.setJoint(0, 2, 1);
    PlacedPiece b = makePiece(2, "unknown-article", 0.0);
    b.free = true;
    b.hasColour = true;
    b.red = 220;
    b.green = 60;
    b.blue = 60;
    b.helix = 30;
    b.setJoint(1, 1, 0);
    layout.pieces = {a, b};
    SceneryItem s;
    s.id = 3;
    s.item = "tunnel_portal_single";
    s.x = 5.0;
    s.y = 6.0;
    s.heading = 90.0;
    s.scaleX = 1.5;
    s.scaleY = 0.5;
    s.level = 2;
    s.selected = true;
    layout.scenery = {s};
    Level ground;
    ground.id = 1;
    ground.name = "Ground & <yard>";
    ground.red = 1;
    ground.green = 2;
    ground.blue = 3;
    Level upper;
    upper.id = 2;
    upper.name = "Upper";
    upper.visible = false;
    upper.height = 80.0;
    upper.trackColour = true;
    upper.outline = {{0, 0}, {100, 0}, {100, 50}};
    layout.levels = {ground, upper};
    layout.activeLevel = 2;
    layout.baseboard.vertices = {{0, 0}, {2400, 0}, {2400, 1200}};
    layout.baseboard.lastShape = LastShape{3, 2000.0, 1000.0, 600.0, 500.0};
    LayoutLabel label;
    label.id = 4;
    label.x = 1.0;
    label.y = 2.0;
    label.text = "Station";
    layout.labels = {label};
    LayoutShape shape;
    shape.id = 5;
    shape.points = {{1, 1}, {2, 2}, {3, 1}};
    shape.outline = false;
    shape.level = 2;
    shape.height = 30.0;
    shape.label = "Hill";
    layout.shapes = {shape};
    Tunnel tunnel;
    tunnel.id = 6;
    tunnel.portalA = 3;
    tunnel.portalB = 3;
    tunnel.anchorA = 1;
    tunnel.coveredPieces = {1, 2};
    layout.tunnels = {tunnel};
    Helix helix;
    helix.id = 30;
    helix.cx = 500.0;
    helix.cy = 400.0;
    helix.heading = 180.0;
    helix.bottomR1 = 1;
    helix.bottomR2 = 2;
    helix.topR1 = 8;
    helix.topR2 = 9;
    layout.helices = {helix};
    layout.nextId = 31;
    return layout;
}

std::string writeText(const Layout& layout, const TempFolder& folder, const std::string& name = "T")
{
    const std::string path = folder.file("written.lyr");
    EXPECT_EQ(writeLayout(layout, path, name), "");
    return readFile(path);
}

std::string readText(const std::string& text, Layout& layout, std::string* name = nullptr)
{
    TempFolder folder;
    const std::string path = folder.file("input.lyr");
    writeFile(path, text);
    std::string readName;
    const std::string error = readLayout(path, layout, readName);
    if (name)
        *name = readName;
    return error;
}

TEST(LayoutFile, DemoFileReadsAndWritesBackByteForByte)
{
    Layout layout;
    std::string name;
    ASSERT_EQ(readLayout(dataFile("demo.lyr"), layout, name), "");
    EXPECT_EQ(name, "Demo");
    ASSERT_EQ(layout.pieces.size(), 2u);
    EXPECT_EQ(layout.pieces[1].article, "24130");
    EXPECT_NEAR(layout.pieces[1].x, 188.3, 1e-9);
    ASSERT_EQ(layout.pieces[0].joints.size(), 2u);
    EXPECT_TRUE(layout.pieces[0].isOpen(0));
    EXPECT_EQ(layout.pieces[0].joints[1].target, 2);
    EXPECT_EQ(layout.pieces[0].joints[1].targetConnector, 0);
    EXPECT_EQ(layout.nextId, 3);
    ASSERT_EQ(layout.levels.size(), 1u);
    EXPECT_EQ(layout.levels[0].blue, 220);

    TempFolder folder;
    EXPECT_EQ(writeText(layout, folder, name), readFile(dataFile("demo.lyr")));
    EXPECT_EQ(writeText(demoLayout(), folder, "Demo"), readFile(dataFile("demo.lyr")));
}

TEST(LayoutFile, EverySectionIsWrittenInOrderAndReadsBack)
{
    TempFolder folder;
    const Layout original = fullLayout();
    const std::string text = writeText(original, folder, "Full \"one\"");

    const char* order[] = {"<layout name=\"Full &quot;one&quot;\" version=\"1\" units=\"2\">",
                           "  <grade_runs>\n    <run deg=\"2.5000\" anchor=\"1\" conn=\"1\"/>",
                           "  <pieces>\n",
                           "    <piece id=\"1\" cat=\"24188\" x=\"10.0000\" y=\"-20.5000\" heading=\"45.0000\" "
                           "z=\"12.0000\" grade=\"2.5000\" rev=\"1\" level=\"2\" sel=\"1\">\n"
                           "      <joint conn=\"0\" target=\"2\" tconn=\"1\"/>\n    </piece>\n",
                           "    <piece id=\"2\" cat=\"unknown-article\" x=\"0.0000\" y=\"0.0000\" heading=\"0.0000\" "
                           "z=\"0.0000\" grade=\"0.0000\" free=\"1\" level=\"1\" helix=\"30\" sel=\"0\" color=\"14433340\">\n"
                           "      <joint conn=\"1\" target=\"1\" tconn=\"0\"/>\n",
                           "  <scenery>\n    <sceneryitem id=\"3\" item=\"tunnel_portal_single\" x=\"5.0000\" y=\"6.0000\" "
                           "heading=\"90.0000\" scalex=\"1.5000\" scaley=\"0.5000\" level=\"2\" sel=\"1\"/>\n  </scenery>\n",
                           "  <levels active=\"2\">\n    <level id=\"1\" name=\"Ground &amp; &lt;yard&gt;\" visible=\"1\" "
                           "height=\"0.0000\" trackcolor=\"0\" r=\"1\" g=\"2\" b=\"3\"/>\n",
                           "    <level id=\"2\" name=\"Upper\" visible=\"0\" height=\"80.0000\" trackcolor=\"1\" r=\"180\" "
                           "g=\"180\" b=\"180\">\n      <pt x=\"0.0000\" y=\"0.0000\"/>\n",
                           "    </level>\n  </levels>\n",
                           "  <baseboard>\n    <vertex x=\"0.0000\" y=\"0.0000\"/>\n",
                           "  <lastshape id=\"3\" w_mm=\"2000.0000\" h_mm=\"1000.0000\" w2_mm=\"600.0000\" h2_mm=\"500.0000\"/>\n",
                           "  <labels>\n    <label id=\"4\" x=\"1.0000\" y=\"2.0000\" text=\"Station\"/>\n  </labels>\n",
                           "  <shapes>\n    <shape id=\"5\" r=\"120\" g=\"170\" b=\"110\" a=\"140\" outline=\"0\" level=\"2\" "
                           "height=\"30.0000\" label=\"Hill\">\n      <v x=\"1.0000\" y=\"1.0000\"/>\n",
                           "    </shape>\n  </shapes>\n",
                           "  <tunnels>\n    <tunnel id=\"6\" portalA=\"3\" portalB=\"3\" anchorA=\"1\" anchorB=\"-1\">\n"
                           "      <covers piece=\"1\"/>\n      <covers piece=\"2\"/>\n    </tunnel>\n  </tunnels>\n",
                           "  <helices>\n    <helix id=\"30\" cx=\"500.0000\" cy=\"400.0000\" heading=\"180.0000\" "
                           "variant=\"proses_2_5_r1r2\" bottomR1=\"1\" bottomR2=\"2\" topR1=\"8\" topR2=\"9\"/>\n  </helices>\n",
                           "</layout>\n"};
    size_t at = 0;
    for (const char* part : order) {
        const size_t found = text.find(part, at);
        ASSERT_NE(found, std::string::npos) << part;
        at = found;
    }
    EXPECT_EQ(text.compare(text.size() - 10, 10, "</layout>\n"), 0);
    EXPECT_EQ(text.find('\r'), std::string::npos);

    Layout read;
    std::string name;
    ASSERT_EQ(readText(text, read, &name), "");
    EXPECT_EQ(name, "Full \"one\"");
    EXPECT_EQ(read.units, LengthUnit::Inches);
    EXPECT_EQ(read.nextId, 31);
    EXPECT_EQ(read.activeLevel, 2);
    ASSERT_EQ(read.pieces.size(), 2u);
    const PlacedPiece& a = read.pieces[0];
    EXPECT_TRUE(a.rev && a.selected && !a.free && !a.hasColour);
    EXPECT_NEAR(a.heading, 45.0, 1e-9);
    EXPECT_NEAR(a.z, 12.0, 1e-9);
    EXPECT_NEAR(a.grade, 2.5, 1e-9);
    EXPECT_EQ(a.level, 2);
    const PlacedPiece& b = read.pieces[1];
    EXPECT_TRUE(b.free && b.hasColour && !b.rev);
    EXPECT_EQ(b.red, 220);
    EXPECT_EQ(b.green, 60);
    EXPECT_EQ(b.blue, 60);
    EXPECT_EQ(b.helix, 30);
    EXPECT_EQ(b.article, "unknown-article");
    ASSERT_EQ(read.scenery.size(), 1u);
    EXPECT_NEAR(read.scenery[0].scaleX, 1.5, 1e-9);
    EXPECT_TRUE(read.scenery[0].selected);
    ASSERT_EQ(read.levels.size(), 2u);
    EXPECT_EQ(read.levels[0].name, "Ground & <yard>");
    EXPECT_FALSE(read.levels[1].visible);
    EXPECT_TRUE(read.levels[1].trackColour);
    EXPECT_EQ(read.levels[1].outline.size(), 3u);
    EXPECT_EQ(read.baseboard.vertices.size(), 3u);
    EXPECT_EQ(read.baseboard.lastShape.id, 3);
    EXPECT_NEAR(read.baseboard.lastShape.height2, 500.0, 1e-9);
    ASSERT_EQ(read.shapes.size(), 1u);
    EXPECT_FALSE(read.shapes[0].outline);
    EXPECT_EQ(read.shapes[0].points.size(), 3u);
    ASSERT_EQ(read.tunnels.size(), 1u);
    EXPECT_EQ(read.tunnels[0].coveredPieces, (std::vector<int>{1, 2}));
    EXPECT_EQ(read.tunnels[0].anchorB, -1);
    ASSERT_EQ(read.helices.size(), 1u);
    EXPECT_EQ(read.helices[0].topR2, 9);
    EXPECT_TRUE(read.currentGradeRun.active);
    EXPECT_NEAR(read.currentGradeRun.angle, -1.25, 1e-9);
    EXPECT_EQ(read.currentGradeRun.anchor, 2);

    EXPECT_EQ(writeText(read, folder, name), text);
}

TEST(LayoutFile, ColourAttributeOnlyForPiecesWithTheirOwnColour)
{
    Layout layout = demoLayout();
    layout.pieces[1].hasColour = true;
    TempFolder folder;
    const std::string text = writeText(layout, folder);
    const size_t colour = text.find(" color=");
    EXPECT_GT(colour, text.find("<piece id=\"2\""));
    EXPECT_EQ(colour, text.rfind(" color="));
    EXPECT_NE(text.find("sel=\"0\" color=\"0\">"), std::string::npos);

    Layout read;
    ASSERT_EQ(readText(text, read), "");
    EXPECT_FALSE(read.pieces[0].hasColour);
    EXPECT_TRUE(read.pieces[1].hasColour);
    EXPECT_EQ(read.pieces[1].red + read.pieces[1].green + read.pieces[1].blue, 0);
}

TEST(LayoutFile, LabelTextIsEscapedAndReadsBackTheSame)
{
    Layout layout = demoLayout();
    LayoutLabel label;
    label.id = 3;
    label.text = "a<b & \"c\" it's";
    layout.labels.push_back(label);
    TempFolder folder;
    const std::string text = writeText(layout, folder);
    EXPECT_NE(text.find("text=\"a&lt;b &amp; &quot;c&quot; it's\"/>"), std::string::npos);

    Layout read;
    ASSERT_EQ(readText(text, read), "");
    ASSERT_EQ(read.labels.size(), 1u);
    EXPECT_EQ(read.labels[0].text, "a<b & \"c\" it's");
    EXPECT_EQ(writeText(read, folder), text);
}

TEST(LayoutFile, LevelColourAndShortOutline)
{
    Layout layout = demoLayout();
    layout.levels[0].trackColour = true;
    layout.levels[0].red = 40;
    layout.levels[0].outline = {{0, 0}, {10, 0}};
    TempFolder folder;
    const std::string text = writeText(layout, folder);
    EXPECT_NE(text.find("trackcolor=\"1\" r=\"40\" g=\"200\" b=\"220\"/>\n  </levels>"), std::string::npos);
    EXPECT_EQ(text.find("<pt "), std::string::npos);

    Layout read;
    ASSERT_EQ(readText(text, read), "");
    EXPECT_EQ(read.levels[0].red, 40);
    EXPECT_TRUE(read.levels[0].trackColour);
    EXPECT_TRUE(read.levels[0].outline.empty());

    ASSERT_EQ(readText(std::string(kHeader) + "  <levels active=\"\">\n    <level id=\"4\" r=\"300\" g=\"-2\"/>\n"
                                              "  </levels>\n</layout>\n",
                       read),
              "");
    ASSERT_EQ(read.levels.size(), 1u);
    EXPECT_EQ(read.activeLevel, 1);
    EXPECT_EQ(read.levels[0].id, 4);
    EXPECT_TRUE(read.levels[0].visible);
    EXPECT_EQ(read.levels[0].red, 255);
    EXPECT_EQ(read.levels[0].green, 0);
    EXPECT_EQ(read.levels[0].blue, 180);
}

TEST(LayoutFile, NextIdFollowsTheLargestIdOfAnyKind)
{
    Layout layout;
    ASSERT_EQ(readText(std::string(kHeader) +
                           "  <pieces>\n"
                           "    <piece id=\"5\" cat=\"a\" x=\"0\" y=\"0\" heading=\"0\">\n    </piece>\n"
                           "    <piece id=\"9\" cat=\"a\" x=\"0\" y=\"0\" heading=\"0\">\n    </piece>\n"
                           "  </pieces>\n  <labels>\n    <label id=\"12\" x=\"0\" y=\"0\" text=\"\"/>\n  </labels>\n"
                           "</layout>\n",
                       layout),
              "");
    EXPECT_EQ(layout.nextId, 13);
    // No levels in the file: the default level with its own colour.
    ASSERT_EQ(layout.levels.size(), 1u);
    EXPECT_EQ(layout.levels[0].green, 200);
}

TEST(LayoutFile, ReadingReplacesContentAndKeepsWhatTheFileDoesNotHold)
{
    Layout layout = fullLayout();
    layout.dimensionLines.push_back(DimensionLine{});
    layout.gridOn = false;
    layout.gridSpacing = 16.0;
    layout.undoStack.push_back(HistorySnapshot{});
    const std::string text = std::string(kHeader) + "  <pieces>\n  </pieces>\n</layout>\n";

    ASSERT_EQ(readText(text, layout), "");
    EXPECT_TRUE(layout.pieces.empty());
    EXPECT_TRUE(layout.gradeRuns.empty());
    EXPECT_FALSE(layout.currentGradeRun.active);
    EXPECT_EQ(layout.currentGradeRun.anchor, -1);
    EXPECT_TRUE(layout.baseboard.vertices.empty());
    EXPECT_TRUE(layout.scenery.empty() && layout.labels.empty() && layout.shapes.empty());
    EXPECT_TRUE(layout.tunnels.empty() && layout.helices.empty());
    EXPECT_EQ(layout.nextId, 1);
    ASSERT_EQ(layout.levels.size(), 1u);
    EXPECT_EQ(layout.levels[0].name, "Level 1");
    EXPECT_EQ(layout.units, LengthUnit::Millimetres);
    // Not in the file, so kept.
    EXPECT_EQ(layout.baseboard.lastShape.id, 3);
    EXPECT_NEAR(layout.baseboard.lastShape.width, 2000.0, 1e-9);
    EXPECT_EQ(layout.activeLevel, 2);
    EXPECT_EQ(layout.dimensionLines.size(), 1u);
    EXPECT_FALSE(layout.gridOn);
    EXPECT_DOUBLE_EQ(layout.gridSpacing, 16.0);
    EXPECT_EQ(layout.undoStack.size(), 1u);

    ASSERT_EQ(readText(std::string(kHeader) + "  <lastshape id=\"1\" w_mm=\"\" h_mm=\"700\"/>\n</layout>\n", layout), "");
    EXPECT_EQ(layout.baseboard.lastShape.id, 1);
    EXPECT_NEAR(layout.baseboard.lastShape.width, 2000.0, 1e-9);
    EXPECT_NEAR(layout.baseboard.lastShape.height, 700.0, 1e-9);
}

TEST(LayoutFile, SelectingOnePieceOfAHelixSelectsAllOfIt)
{
    Layout layout;
    ASSERT_EQ(readText(std::string(kHeader) +
                           "  <pieces>\n"
                           "    <piece id=\"1\" cat=\"a\" x=\"0\" y=\"0\" heading=\"0\" helix=\"7\" sel=\"0\">\n"
                           "    <piece id=\"2\" cat=\"a\" x=\"0\" y=\"0\" heading=\"0\" helix=\"7\" sel=\"1\">\n"
                           "    <piece id=\"3\" cat=\"a\" x=\"0\" y=\"0\" heading=\"0\" helix=\"7\" sel=\"0\">\n"
                           "    <piece id=\"4\" cat=\"a\" x=\"0\" y=\"0\" heading=\"0\" helix=\"8\" sel=\"0\">\n"
                           "    <piece id=\"5\" cat=\"a\" x=\"0\" y=\"0\" heading=\"0\" sel=\"0\">\n"
                           "  </pieces>\n</layout>\n",
                       layout),
              "");
    ASSERT_EQ(layout.pieces.size(), 5u);
    EXPECT_TRUE(layout.pieces[0].selected);
    EXPECT_TRUE(layout.pieces[1].selected);
    EXPECT_TRUE(layout.pieces[2].selected);
    EXPECT_FALSE(layout.pieces[3].selected);
    EXPECT_FALSE(layout.pieces[4].selected);
}

TEST(LayoutFile, LineRulesFollowTheReaderTable)
{
    Layout layout;
    const std::string text =
        std::string(kHeader) +
        "  <labels>\n    <label id=\"3\" x=\"1\" y=\"2\" text=\"first\"/><label id=\"4\" x=\"5\" y=\"6\" text=\"second\"/>\n"
        "  </labels>\n"
        "  <sceneryitem id=\"20\" item=\"outside\" x=\"0\" y=\"0\" heading=\"0\"/>\n"
        "  <vertex x=\"1\" y=\"1\"/>\n"
        "  <pt x=\"1\" y=\"1\"/>\n"
        "  <piece id=\"21\" cat=\"outside\" x=\"0\" y=\"0\" heading=\"0\">\n"
        "  <pieces>\n    <piece id=\"5\" cat=\"a&amp;b\" x=\" 1.5\" y=\"-2\" heading=\"12.5abc\"><joint conn=\"2\" "
        "target=\"6\" tconn=\"1\"/>\n  </pieces>\n"
        "  <!-- a comment -->\n\n  <unknown foo=\"bar\"/>\n"
        "  <shapes>\n    <shape r=\"1\"/>\n    <shape id=\"7\" a=\"9\">\n      <v x=\"1\" y=\"\"/>\n"
        "      <v x=\"4\" y=\"5\"/>\n    </shape>\n  </shapes>\n"
        "  <tunnels>\n    <tunnel id=\"8\" portalA=\"1\" portalB=\"2\">\n      <covers piece=\"5\"/>\n"
        "    </tunnel>\n  </tunnels>\n"
        "  <helices>\n    <helix id=\"9\" cx=\"1\" cy=\"2\" heading=\"3\" variant=\"\" bottomR1=\"1\" bottomR2=\"2\" "
        "topR1=\"3\" topR2=\"4\"/>\n  </helices>\n"
        "  <grade_runs>\n    <run deg=\"3\" anchor=\"5\" conn=\"0\"/>\n  </grade_runs>\n"
        "</layout>\n";
    ASSERT_EQ(readText(text, layout), "");
    ASSERT_EQ(layout.labels.size(), 1u);
    EXPECT_EQ(layout.labels[0].id, 3);
    EXPECT_EQ(layout.labels[0].text, "first");
    EXPECT_TRUE(layout.scenery.empty());
    EXPECT_TRUE(layout.baseboard.vertices.empty());
    EXPECT_TRUE(layout.levels[0].outline.empty());
    ASSERT_EQ(layout.pieces.size(), 1u);
    const PlacedPiece& p = layout.pieces[0];
    EXPECT_EQ(p.article, "a&b");
    EXPECT_NEAR(p.x, 1.5, 1e-12);
    EXPECT_NEAR(p.heading, 12.5, 1e-12);
    EXPECT_EQ(p.level, 1);
    EXPECT_EQ(p.helix, -1);
    ASSERT_EQ(p.joints.size(), 3u);
    EXPECT_EQ(p.joints[2].target, 6);
    EXPECT_TRUE(p.isOpen(0) && p.isOpen(1));
    ASSERT_EQ(layout.shapes.size(), 1u);
    EXPECT_EQ(layout.shapes[0].alpha, 9);
    EXPECT_EQ(layout.shapes[0].red, 120);
    EXPECT_TRUE(layout.shapes[0].outline);
    ASSERT_EQ(layout.shapes[0].points.size(), 1u);
    EXPECT_NEAR(layout.shapes[0].points[0].y, 5.0, 1e-12);
    ASSERT_EQ(layout.tunnels.size(), 1u);
    EXPECT_EQ(layout.tunnels[0].anchorA, -1);
    EXPECT_EQ(layout.tunnels[0].coveredPieces, std::vector<int>{5});
    ASSERT_EQ(layout.helices.size(), 1u);
    EXPECT_EQ(layout.helices[0].variant, "proses_2_5_r1r2");
    EXPECT_EQ(layout.currentGradeRun.anchor, 5);
    EXPECT_EQ(layout.nextId, 10);
}

// The saved fields compare through the writer; the rest one by one.
void expectUnchanged(const Layout& before, const Layout& after)
{
    TempFolder folder;
    EXPECT_EQ(writeText(after, folder), writeText(before, folder));
    EXPECT_EQ(after.nextId, before.nextId);
    EXPECT_EQ(after.currentGradeRun.active, before.currentGradeRun.active);
    EXPECT_EQ(after.currentGradeRun.anchor, before.currentGradeRun.anchor);
    EXPECT_EQ(after.dimensionLines.size(), before.dimensionLines.size());
    EXPECT_EQ(after.undoStack.size(), before.undoStack.size());
    EXPECT_EQ(after.gridOn, before.gridOn);
    ASSERT_EQ(after.pieces.size(), before.pieces.size());
    for (size_t i = 0; i < after.pieces.size(); ++i)
        EXPECT_EQ(after.pieces[i].joints.size(), before.pieces[i].joints.size());
    ASSERT_EQ(after.labels.size(), before.labels.size());
}

TEST(LayoutFile, FailedReadLeavesTheLayoutAsItWas)
{
    Layout original = fullLayout();
    original.dimensionLines.push_back(DimensionLine{});
    original.undoStack.push_back(HistorySnapshot{});
    original.gridOn = false;
    original.updateCurrentGradeRun();
    original.labels[0].selected = true;

    const std::string late = std::string("<?xml version=\"1.0\"?>\n<layout name=\"Other\" units=\"1\">\n") +
                             "  <grade_runs>\n    <run deg=\"1\" anchor=\"1\" conn=\"1\"/>\n  </grade_runs>\n"
                             "  <pieces>\n    <piece id=\"40\" cat=\"x\" x=\"0\" y=\"0\" heading=\"0\">\n  </pieces>\n"
                             "  <levels active=\"1\">\n    <level id=\"1\"/>\n  </levels>\n"
                             "  <baseboard>\n  </baseboard>\n  <lastshape id=\"2\"/>\n"
                             "  <labels>\n    <label id=\"41\" x=\"0\" y=\"0\"/>\n"
                             "    <label id=\"42\" x=\"0\" y=\"zz\"/>\n  </labels>\n</layout>\n";
    Layout layout = original;
    std::string name = "kept";
    TempFolder folder;
    writeFile(folder.file("late.lyr"), late);
    EXPECT_EQ(readLayout(folder.file("late.lyr"), layout, name), "Line 17: bad number in attribute \"y\"");
    EXPECT_EQ(name, "kept");
    expectUnchanged(original, layout);
    EXPECT_TRUE(layout.labels[0].selected);

    const std::string missing = folder.file("missing.lyr");
    EXPECT_EQ(readLayout(missing, layout, name), "Cannot open file: " + missing);
    EXPECT_EQ(readLayout(folder.path(), layout, name), "Cannot open file: " + folder.path());
    EXPECT_EQ(readLayout("/dev/zero", layout, name), "Cannot open file: /dev/zero");
    expectUnchanged(original, layout);
}

TEST(LayoutFile, MalformedRequiredNumbersFailWithLineAndAttribute)
{
    const struct {
        std::string body;
        std::string error;
    } cases[] = {
        {"  <pieces>\n    <piece id=\"1\" cat=\"a\" x=\"0\" y=\"0\" heading=\"\">\n", "Line 4: missing number in attribute \"heading\""},
        {"  <pieces>\n    <piece id=\"1\" cat=\"a\" x=\"0\" y=\"0\">\n", "Line 4: missing number in attribute \"heading\""},
        {"  <pieces>\n    <piece id=\"1\" cat=\"a\" x=\"0\" y=\"0\" heading=\"0\" z=\"up\">\n", "Line 4: bad number in attribute \"z\""},
        {"  <pieces>\n    <piece id=\"-3\" cat=\"a\" x=\"0\" y=\"0\" heading=\"0\">\n", "Line 4: id out of range in attribute \"id\""},
        {"  <pieces>\n    <piece id=\"1000000001\" cat=\"a\" x=\"0\" y=\"0\" heading=\"0\">\n", "Line 4: id out of range in attribute \"id\""},
        {"  <pieces>\n    <piece id=\"99999999999\" cat=\"a\" x=\"0\" y=\"0\" heading=\"0\">\n", "Line 4: bad number in attribute \"id\""},
        {"  <pieces>\n    <piece id=\"1\" cat=\"a\" x=\"1e400\" y=\"0\" heading=\"0\">\n", "Line 4: bad number in attribute \"x\""},
        {"  <pieces>\n    <piece id=\"1\" cat=\"a\" x=\"nan\" y=\"0\" heading=\"0\">\n", "Line 4: bad number in attribute \"x\""},
        {"  <pieces>\n    <piece id=\"1\" cat=\"a\" x=\"0\" y=\"0\" heading=\"0\">\n      <joint conn=\"99999999999\" target=\"1\" tconn=\"0\"/>\n",
         "Line 5: bad number in attribute \"conn\""},
        {"  <levels active=\"x\">\n", "Line 3: bad number in attribute \"active\""},
        {"  <levels active=\"1\">\n    <level name=\"a\"/>\n", "Line 4: missing number in attribute \"id\""},
        {"  <scenery>\n    <sceneryitem id=\"1\" item=\"a\" x=\"0\" y=\"0\" heading=\"0\" scalex=\"big\"/>\n", "Line 4: bad number in attribute \"scalex\""},
        {"  <tunnels>\n    <tunnel id=\"1\" portalA=\"2\"/>\n", "Line 4: missing number in attribute \"portalB\""},
        {"  <helices>\n    <helix id=\"1\" cx=\"0\" cy=\"0\" heading=\"0\" bottomR1=\"1\" bottomR2=\"1\" topR1=\"1\"/>\n",
         "Line 4: missing number in attribute \"topR2\""},
        {"  <lastshape id=\"1\" w_mm=\"wide\"/>\n", "Line 3: bad number in attribute \"w_mm\""},
        {"  <shapes>\n    <shape id=\"1\">\n      <v x=\"1\" y=\"?\"/>\n", "Line 5: bad number in attribute \"y\""},
    };
    for (const auto& c : cases) {
        Layout layout;
        EXPECT_EQ(readText(std::string(kHeader) + c.body + "</layout>\n", layout), c.error) << c.body;
        EXPECT_TRUE(layout.pieces.empty());
        EXPECT_TRUE(layout.levels.empty());
    }
}

TEST(LayoutFile, DamagedJointsAndOddValuesAreDroppedOrBounded)
{
    // Joint indices are bounded by the largest connector count of the catalog.
    const std::string limit = std::to_string(TrackCatalog::instance().maxConnectorCount());
    const std::string last = std::to_string(TrackCatalog::instance().maxConnectorCount() - 1);
    Layout layout;
    layout.units = LengthUnit::Inches;
    ASSERT_EQ(readText("<layout name=\"T\" units=\"7\">\n  <grade_runs>\n    <run deg=\"1\" anchor=\"1\" conn=\"-4\"/>\n"
                       "    <run deg=\"2\" anchor=\"1\" conn=\"" + limit + "\"/>\n  </grade_runs>\n"
                       "  <pieces>\n    <piece id=\"1000000000\" cat=\"a\" x=\"0\" y=\"0\" heading=\"0\">\n"
                       "      <joint conn=\"-1\" target=\"2\" tconn=\"0\"/>\n"
                       "      <joint conn=\"" + limit + "\" target=\"2\" tconn=\"0\"/>\n"
                       "      <joint conn=\"2147483647\" target=\"2\" tconn=\"0\"/>\n"
                       "      <joint conn=\"1\" target=\"2\" tconn=\"2000000000\"/>\n"
                       "      <joint conn=\"1\" target=\"2\" tconn=\"" + limit + "\"/>\n"
                       "      <joint conn=\"1\" target=\"-8\" tconn=\"0\"/>\n"
                       "      <joint conn=\"0\" target=\"2\" tconn=\"" + last + "\"/>\n"
                       "      <joint conn=\"2\" target=\"-1\" tconn=\"5\"/>\n"
                       "    </piece>\n  </pieces>\n</layout>\n",
                       layout),
              "");
    EXPECT_EQ(layout.units, LengthUnit::Millimetres);
    EXPECT_TRUE(layout.gradeRuns.empty());
    ASSERT_EQ(layout.pieces.size(), 1u);
    const PlacedPiece& p = layout.pieces[0];
    ASSERT_EQ(p.joints.size(), 3u);
    EXPECT_EQ(p.joints[0].target, 2);
    EXPECT_EQ(std::to_string(p.joints[0].targetConnector), last);
    EXPECT_TRUE(p.isOpen(1));
    EXPECT_EQ(p.joints[2].target, -1);
    EXPECT_EQ(p.joints[2].targetConnector, -1);
    EXPECT_EQ(layout.nextId, 1000000001);
    EXPECT_EQ(layout.takeId(), 1000000001);
    EXPECT_LT(layout.nextId, INT_MAX / 2);
}

TEST(LayoutFile, OverlongLinesFailAndLongJunkIsIgnored)
{
    Layout layout = demoLayout();
    const std::string kept = layout.pieces[0].article;
    std::string junk(200000, 'x');
    ASSERT_EQ(readText(std::string(kHeader) + junk + "\n  <labels>\n    <label id=\"2\" x=\"0\" y=\"0\" text=\"" + junk +
                           "\"/>\n</layout>\n",
                       layout),
              "");
    ASSERT_EQ(layout.labels.size(), 1u);
    EXPECT_EQ(layout.labels[0].text.size(), junk.size());

    layout = demoLayout();
    const std::string endless(5 * 1024 * 1024, '<');
    EXPECT_EQ(readText(std::string(kHeader) + endless, layout), "Line 3: line too long");
    ASSERT_EQ(layout.pieces.size(), 2u);
    EXPECT_EQ(layout.pieces[0].article, kept);
    EXPECT_EQ(readText(std::string(kHeader) + "  <pieces>\n" + endless + "\n", layout), "Line 4: line too long");
    EXPECT_EQ(layout.pieces.size(), 2u);
}

TEST(LayoutFile, BinaryJunkAndNulBytesNeverCrash)
{
    std::mt19937 random(1234);
    std::string junk;
    for (int i = 0; i < 300000; ++i)
        junk += static_cast<char>(random() & 0xFF);
    Layout layout;
    EXPECT_EQ(readText(junk, layout), "");
    EXPECT_TRUE(layout.pieces.empty());
    EXPECT_EQ(layout.levels.size(), 1u);

    // Junk after every tag of the format still either loads or fails with a text.
    const std::string tags[] = {"<layout ", "<run ", "<pieces>", "<piece ", "<joint ", "<levels ", "<level ",
                                "<pt ", "<scenery>", "<sceneryitem ", "<baseboard>", "<vertex ", "<lastshape",
                                "<label ", "<shape ", "<v ", "<tunnel ", "<covers ", "<helix "};
    std::string mixed;
    for (int round = 0; round < 40; ++round)
        for (const std::string& tag : tags)
            mixed += tag + junk.substr(static_cast<size_t>(random() % 290000), random() % 200) + "\n";
    for (size_t cut = 0; cut < mixed.size(); cut += mixed.size() / 25) {
        Layout target;
        readText(mixed.substr(cut), target);
        for (const PlacedPiece& p : target.pieces)
            EXPECT_LE(p.joints.size(), static_cast<size_t>(TrackCatalog::instance().maxConnectorCount()));
    }

    const std::string withNul = std::string(kHeader) + "  <pieces>\n    <piece id=\"1\" cat=\"a" + std::string(1, '\0') +
                                "b\" x=\"2" + std::string(1, '\0') + "9\" y=\"0\" heading=\"0\">\n  </pieces>\n</layout>\n";
    ASSERT_EQ(readText(withNul, layout), "");
    ASSERT_EQ(layout.pieces.size(), 1u);
    EXPECT_EQ(layout.pieces[0].article, std::string("a\0b", 3));
    EXPECT_NEAR(layout.pieces[0].x, 2.0, 1e-12);
}

TEST(LayoutFile, FileWithoutLineFeedAtTheEndAndCarriageReturns)
{
    Layout layout;
    ASSERT_EQ(readText(std::string(kHeader) + "  <labels>\r\n    <label id=\"6\" x=\"1\" y=\"2\" text=\"t\"/>\r\n"
                                              "    <label id=\"7\" x=\"1\" y=\"2\" text=\"u\"/>",
                       layout),
              "");
    ASSERT_EQ(layout.labels.size(), 2u);
    EXPECT_EQ(layout.labels[1].text, "u");
    EXPECT_EQ(layout.nextId, 8);
}

} // namespace
} // namespace layrail
