#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/FileTestSupport.h"
#include "document/LibraryBlock.h"

namespace layrail {
namespace {

using test::dataFile;
using test::readFile;
using test::TempFolder;
using test::writeFile;

Layout threePieces()
{
    Layout layout;
    for (int id = 1; id <= 3; ++id) {
        PlacedPiece p;
        p.id = id;
        p.article = "24188";
        p.x = 188.3 * (id - 1);
        layout.pieces.push_back(p);
    }
    layout.pieces[0].setJoint(1, 2, 0);
    layout.pieces[1].setJoint(0, 1, 1);
    layout.pieces[1].setJoint(1, 3, 0);
    layout.pieces[2].setJoint(0, 2, 1);
    return layout;
}

TEST(LibraryBlock, SelectedPiecesAreWrittenWithAllTheirJoints)
{
    Layout layout = threePieces();
    layout.pieces[1].selected = true;
    SceneryItem tree;
    tree.id = 4;
    tree.item = "tree";
    tree.selected = true;
    layout.scenery.push_back(tree);
    layout.scenery.push_back(SceneryItem{});
    TempFolder folder;
    const std::string path = folder.file("block.xml");
    ASSERT_EQ(writeBlock(layout, path, "Pair & more"), "");
    EXPECT_EQ(readFile(path),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<block name=\"Pair &amp; more\" version=\"1\">\n"
              "  <piece id=\"2\" cat=\"24188\" x=\"188.3000\" y=\"0.0000\" heading=\"0.0000\" z=\"0.0000\" "
              "grade=\"0.0000\" level=\"1\" sel=\"1\">\n"
              "    <joint conn=\"0\" target=\"1\" tconn=\"1\"/>\n"
              "    <joint conn=\"1\" target=\"3\" tconn=\"0\"/>\n"
              "  </piece>\n"
              "  <scenery>\n"
              "    <sceneryitem id=\"4\" item=\"tree\" x=\"0.0000\" y=\"0.0000\" heading=\"0.0000\" scalex=\"1.0000\" "
              "scaley=\"1.0000\" level=\"1\" sel=\"0\"/>\n"
              "  </scenery>\n"
              "</block>\n");

    LibraryBlock block;
    ASSERT_EQ(readBlock(path, block), "");
    EXPECT_EQ(block.name, "Pair & more");
    ASSERT_EQ(block.pieces.size(), 1u);
    EXPECT_EQ(block.pieces[0].id, 2);
    ASSERT_EQ(block.pieces[0].joints.size(), 2u);
    EXPECT_EQ(block.pieces[0].joints[1].target, 3);
    ASSERT_EQ(block.scenery.size(), 1u);
    EXPECT_EQ(block.scenery[0].id, 4);
    EXPECT_FALSE(block.scenery[0].selected);
}

TEST(LibraryBlock, PiecesLoadFlatUncolouredOnLevelOne)
{
    Layout layout = threePieces();
    PlacedPiece& p = layout.pieces[2];
    p.selected = true;
    p.z = 40.0;
    p.grade = 2.0;
    p.rev = true;
    p.free = true;
    p.hasColour = true;
    p.red = 200;
    p.level = 3;
    p.helix = 9;
    p.heading = 30.0;
    p.y = -5.0;
    TempFolder folder;
    const std::string path = folder.file("flat.xml");
    ASSERT_EQ(writeBlock(layout, path, "Flat"), "");
    EXPECT_NE(readFile(path).find("helix=\"9\" sel=\"1\" color=\"13107200\">"), std::string::npos);

    LibraryBlock block;
    ASSERT_EQ(readBlock(path, block), "");
    ASSERT_EQ(block.pieces.size(), 1u);
    const PlacedPiece& read = block.pieces[0];
    EXPECT_EQ(read.id, 3);
    EXPECT_NEAR(read.x, 376.6, 1e-9);
    EXPECT_NEAR(read.y, -5.0, 1e-9);
    EXPECT_NEAR(read.heading, 30.0, 1e-9);
    EXPECT_DOUBLE_EQ(read.z, 0.0);
    EXPECT_DOUBLE_EQ(read.grade, 0.0);
    EXPECT_FALSE(read.rev || read.free || read.hasColour || read.selected);
    EXPECT_EQ(read.level, 1);
    EXPECT_EQ(read.helix, -1);
    EXPECT_EQ(read.joints.size(), 1u);
    EXPECT_TRUE(block.scenery.empty());
}

TEST(LibraryBlock, SceneryOnlyBlockHasNoPieces)
{
    Layout layout = threePieces();
    SceneryItem house;
    house.id = 8;
    house.item = "house";
    house.scaleX = 2.0;
    house.level = 2;
    house.selected = true;
    layout.scenery.push_back(house);
    TempFolder folder;
    const std::string path = folder.file("scenery.xml");
    ASSERT_EQ(writeBlock(layout, path, "Houses"), "");
    EXPECT_EQ(readFile(path).find("<piece"), std::string::npos);

    LibraryBlock block;
    block.pieces.resize(2);
    ASSERT_EQ(readBlock(path, block), "");
    EXPECT_TRUE(block.pieces.empty());
    ASSERT_EQ(block.scenery.size(), 1u);
    EXPECT_NEAR(block.scenery[0].scaleX, 2.0, 1e-12);
    EXPECT_EQ(block.scenery[0].level, 2);
}

TEST(LibraryBlock, NothingSelectedCreatesNoFile)
{
    TempFolder folder;
    const std::string path = folder.file("none.xml");
    EXPECT_EQ(writeBlock(threePieces(), path, "None"), "No pieces or scenery selected");
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(LibraryBlock, LayoutFileReadsAsABlock)
{
    LibraryBlock block;
    ASSERT_EQ(readBlock(dataFile("demo.lyr"), block), "");
    EXPECT_EQ(block.name, "");
    ASSERT_EQ(block.pieces.size(), 2u);
    EXPECT_EQ(block.pieces[1].article, "24130");
    EXPECT_EQ(block.pieces[1].joints[0].target, 1);
    EXPECT_TRUE(block.scenery.empty());
}

TEST(LibraryBlock, ReadFailuresLeaveTheBlockAlone)
{
    TempFolder folder;
    LibraryBlock block;
    block.name = "before";
    const std::string missing = folder.file("missing/block.xml");
    EXPECT_EQ(readBlock(missing, block), "Cannot open file: " + missing);
    Layout layout = threePieces();
    layout.pieces[0].selected = true;
    EXPECT_EQ(writeBlock(layout, missing, "x"), "Cannot open file: " + missing);

    const std::string path = folder.file("bad.xml");
    writeFile(path, "<block name=\"Bad\" version=\"1\">\n  <piece id=\"1\" cat=\"a\" x=\"0\" y=\"0\" heading=\"0\">\n"
                    "  <piece id=\"2\" cat=\"a\" x=\"0\" y=\"\" heading=\"0\">\n</block>\n");
    EXPECT_EQ(readBlock(path, block), "Line 3: missing number in attribute \"y\"");
    EXPECT_EQ(block.name, "before");
    EXPECT_TRUE(block.pieces.empty());
}

TEST(LibraryBlock, FirstMatchingElementTakesTheLine)
{
    TempFolder folder;
    const std::string path = folder.file("lines.xml");
    writeFile(path, "<block name=\"B\" version=\"1\">\n"
                    "  <joint conn=\"0\" target=\"5\" tconn=\"0\"/>\n"
                    "  <piece id=\"1\" cat=\"a\" x=\"0\" y=\"0\" heading=\"0\"><joint conn=\"1\" target=\"5\" tconn=\"0\"/>\n"
                    "    <joint conn=\"0\" target=\"6\" tconn=\"1\"/>\n"
                    "    <joint conn=\"-2\" target=\"6\" tconn=\"1\"/>\n"
                    "  </piece>\n</block>\n"
                    "  <sceneryitem id=\"2\" item=\"outside\" x=\"0\" y=\"0\" heading=\"0\"/>\n"
                    "  <piece id=\"3\" cat=\"after\" x=\"0\" y=\"0\" heading=\"0\">\n");
    LibraryBlock block;
    ASSERT_EQ(readBlock(path, block), "");
    ASSERT_EQ(block.pieces.size(), 2u);
    ASSERT_EQ(block.pieces[0].joints.size(), 1u);
    EXPECT_EQ(block.pieces[0].joints[0].target, 6);
    EXPECT_TRUE(block.scenery.empty());
    EXPECT_EQ(block.pieces[1].article, "after");
}

} // namespace
} // namespace layrail
