#include <gtest/gtest.h>

#include <algorithm>

#include "document/LayoutCheck.h"

using namespace layrail;

namespace {

PlacedPiece straight(int id, int helix = -1)
{
    PlacedPiece p;
    p.id = id;
    p.article = "24188";
    p.helix = helix;
    return p;
}

bool reports(const std::vector<std::string>& problems, const std::string& text)
{
    return std::find(problems.begin(), problems.end(), text) != problems.end();
}

} // namespace

TEST(StructureCheck, SoundTunnelsHelicesAndRunsPass)
{
    Layout layout;
    layout.pieces = {straight(1), straight(2), straight(3, 10), straight(4, 10), straight(5, 10), straight(6, 10)};
    SceneryItem portal;
    portal.id = 7;
    layout.scenery = {portal};
    layout.tunnels = {{8, 7, -1, 1, 2, {1, 2}}};
    Helix h;
    h.id = 10;
    h.bottomR1 = 3;
    h.bottomR2 = 4;
    h.topR1 = 5;
    h.topR2 = 6;
    layout.helices = {h};
    layout.gradeRuns = {{2.0, 2, 1}, {1.0, -1, 1}};
    layout.nextId = 11;
    EXPECT_TRUE(findLayoutProblems(layout).empty());
}

TEST(StructureCheck, ReportsReferencesToRecordsThatAreGone)
{
    Layout layout;
    layout.pieces = {straight(1), straight(2, 10), straight(3, 11), straight(4, 10)};
    layout.tunnels = {{8, 70, 71, 1, 50, {1, 51}}};
    Helix h;
    h.id = 10;
    h.bottomR1 = 2;
    h.bottomR2 = 52;
    h.topR1 = 1;
    layout.helices = {h};
    layout.gradeRuns = {{2.0, 53, 1}};
    layout.nextId = 54;

    const std::vector<std::string> problems = findLayoutProblems(layout);
    EXPECT_TRUE(reports(problems, "tunnel 8: portal A scenery item 70 does not exist"));
    EXPECT_TRUE(reports(problems, "tunnel 8: portal B scenery item 71 does not exist"));
    EXPECT_TRUE(reports(problems, "tunnel 8: anchor B piece 50 does not exist"));
    EXPECT_TRUE(reports(problems, "tunnel 8: covered piece 51 does not exist"));
    EXPECT_TRUE(reports(problems, "helix 10: bottom R2 piece 52 does not exist"));
    EXPECT_TRUE(reports(problems, "helix 10: top R1 piece 1 is marked as helix -1"));
    EXPECT_TRUE(reports(problems, "piece 3: helix 11 does not exist"));
    EXPECT_TRUE(reports(problems, "piece 4: marked as helix 10 but is not one of its stubs"));
    EXPECT_TRUE(reports(problems, "grade run 1: anchor piece 53 does not exist"));
    EXPECT_EQ(problems.size(), 9u);
}
