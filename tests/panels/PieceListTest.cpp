#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "PanelTestSupport.h"
#include "panels/PieceList.h"

namespace layrail {
namespace {

using namespace paneltest;

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TallyMap tallyOf(const std::vector<std::string>& articles)
{
    Layout layout = withLevel();
    layArticles(layout, articles);
    return countTally(layout, testStore());
}

// The list holds what the panel's count holds: the same articles and counts in the same order,
// with the accessories after them.
TEST(PieceList, FollowsTheTallyThenItsAccessories)
{
    const TallyMap counts = tallyOf({"24630", "74636", "24188", "24188", "74871", "74871", "74871", "74871"});
    const std::vector<PieceListLine> lines = pieceListLines(counts);
    const std::vector<TallyRow> rows = tallyRows(counts);
    ASSERT_EQ(lines.size(), counts.size() + 2) << "a turnout motor and a decoder";
    size_t i = 0;
    for (const auto& [article, count] : counts) {
        EXPECT_EQ(lines[i].article, article);
        EXPECT_EQ(lines[i].quantity, count);
        EXPECT_EQ(lines[i].description, rows[i].piece);
        EXPECT_FALSE(lines[i].recommended);
        ++i;
    }
    EXPECT_EQ(counts.at("74871"), 2) << "spoke extensions come in packs of three";
    EXPECT_EQ(lines[i].article, "74491");
    EXPECT_EQ(lines[i].quantity, 2);
    EXPECT_TRUE(lines[i].recommended);
    EXPECT_EQ(lines[i + 1].article, "74462");
    EXPECT_EQ(lines[i + 1].quantity, 1);
}

TEST(PieceList, CsvQuotesWhatNeedsQuoting)
{
    const std::vector<PieceListLine> lines = {
        {"24188", "Straight, 188.3 mm", 12, false},
        {"7263", "Arch Bridge \"360\"", 1, false},
        {"74491", "Turnout Motor", 2, true},
    };
    EXPECT_EQ(linesOf(pieceListCsv(lines)),
              (std::vector<std::string>{"Article,Description,Quantity,Note", "24188,\"Straight, 188.3 mm\",12,",
                                        "7263,\"Arch Bridge \"\"360\"\"\",1,", "74491,Turnout Motor,2,recommended"}));
    EXPECT_EQ(linesOf(pieceListText(lines)),
              (std::vector<std::string>{"24188\t12\tStraight, 188.3 mm", "7263\t1\tArch Bridge \"360\"",
                                        "74491\t2\tTurnout Motor (recommended)"}));
}

TEST(PieceList, EmptyLayoutHasOnlyTheHeading)
{
    EXPECT_EQ(pieceListCsv(pieceListLines(tallyOf({}))), "Article,Description,Quantity,Note\n");
    EXPECT_EQ(pieceListText(pieceListLines(tallyOf({}))), "");
}

} // namespace
} // namespace layrail
