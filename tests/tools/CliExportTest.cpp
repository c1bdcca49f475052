// The tally, render and gaps commands, run as a user runs them.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "CliTestSupport.h"
#include "canvas/GapScenarios.h"
#include "document/LayoutFile.h"

namespace {

namespace fs = std::filesystem;
using namespace layrail;

using test::commandOutput;
using test::lines;
using test::readFile;
using test::RunResult;
using test::shellQuote;

class CliExportTest : public test::CliTest {
protected:
    std::string save(const Layout& layout, const std::string& name) const
    {
        const std::string path = file(name + ".lyr");
        EXPECT_EQ(writeLayout(layout, path, name), "");
        return path;
    }
};

Layout articles(const std::vector<std::string>& list)
{
    Layout layout;
    layout.ensureDefaultLevel();
    double x = 0.0;
    for (const std::string& article : list) {
        gapscenario::layPiece(layout, article, Pose{x, 0.0, 0.0});
        x += 500.0;
    }
    return layout;
}

TEST_F(CliExportTest, TallyListsArticlesThenRecommendedAccessories)
{
    const std::string plan = save(articles({"24188", "24611", "74636", "24188"}), "Tally");
    const RunResult plain = run({"tally", plan});
    ASSERT_EQ(plain.status, 0) << plain.err;
    const std::vector<std::string> rows = lines(plain.out);
    ASSERT_EQ(rows.size(), 6u) << plain.out;
    EXPECT_EQ(rows[0].rfind("24188\t2\t", 0), 0u) << rows[0];
    EXPECT_EQ(rows[1].rfind("24360\t1\t", 0), 0u) << "the bridge's own track: " << rows[1];
    EXPECT_EQ(rows[2].rfind("24611\t1\t", 0), 0u);
    EXPECT_EQ(rows[3].rfind("74636\t1\t", 0), 0u);
    EXPECT_EQ(rows[4], "74491\t1\tTurnout Motor (recommended)");
    EXPECT_EQ(rows[5], "74462\t1\tDecoder (recommended)");

    const RunResult csv = run({"tally", plan, "--csv"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    const std::vector<std::string> csvRows = lines(csv.out);
    ASSERT_EQ(csvRows.size(), 7u);
    EXPECT_EQ(csvRows[0], "Article,Description,Quantity,Note");
    EXPECT_EQ(csvRows[1].rfind("24188,", 0), 0u);
    EXPECT_EQ(csvRows[1].substr(csvRows[1].size() - 3), ",2,");
    EXPECT_EQ(csvRows[6], "74462,Decoder,1,recommended");
}

TEST_F(CliExportTest, GapsFindsTheMissTheFillAndTheLowCrossing)
{
    const RunResult loop = run({"gaps", save(gapscenario::almostClosedLoop(2.3), "Loop")});
    ASSERT_EQ(loop.status, 0) << loop.err;
    EXPECT_EQ(lines(loop.out), (std::vector<std::string>{
                                   "open piece=1 connector=0 x=0.0000 y=0.0000 heading=180.0000 level=1",
                                   "open piece=12 connector=1 x=-2.3000 y=0.0000 heading=0.0000 level=1",
                                   "near a=1:0 b=12:1 distance=2.3000 offset=0.0000 angle=0.0000 fill=-",
                               }));

    const RunResult gap = run({"gaps", save(gapscenario::straightGap(188.3), "Gap")});
    ASSERT_EQ(gap.status, 0) << gap.err;
    const std::vector<std::string> gapRows = lines(gap.out);
    ASSERT_EQ(gapRows.size(), 5u);
    EXPECT_EQ(gapRows[4], "gap a=1:1 b=2:0 distance=188.3000 offset=0.0000 angle=0.0000 fill=24188 total=188.3000");

    const std::string crossing = save(gapscenario::crossingOver(50.0), "Crossing");
    const RunResult low = run({"gaps", crossing});
    ASSERT_EQ(low.status, 0) << low.err;
    EXPECT_EQ(lines(low.out).back(), "crossing lower=1 upper=2 x=94.1500 y=0.0000 lowerz=0.0000 upperz=50.0000 "
                                     "clearance=50.0000 headroom=70.0000");
    const RunResult lower = run({"gaps", crossing, "--headroom-h0", "45"});
    EXPECT_EQ(lower.out.find("crossing"), std::string::npos) << lower.out;
    EXPECT_NE(run({"gaps", crossing, "--headroom-h0", "55.5"}).out.find("headroom=55.5000"), std::string::npos);
}

TEST_F(CliExportTest, RenderWritesEachFormat)
{
    const std::string plan = save(gapscenario::straightGap(188.3), "Render");
    EXPECT_EQ(run({"render", plan, file("plan.png"), "--dpi", "50"}).status, 0);
    std::ifstream png(file("plan.png"), std::ios::binary);
    char signature[8] = {};
    png.read(signature, 8);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG");

    EXPECT_EQ(run({"render", plan, file("plan.svg"), "--grid", "--grey"}).status, 0);
    EXPECT_NE(readFile(file("plan.svg")).find("<svg"), std::string::npos);

    const RunResult pdf = run({"render", plan, file("plan.pdf"), "--scale", "1", "--all", "--paper", "letter"});
    ASSERT_EQ(pdf.status, 0) << pdf.err;
    EXPECT_TRUE(pdf.out.empty());
    const std::string info = commandOutput("pdfinfo " + shellQuote(file("plan.pdf")));
    // 564.9 mm of track at 1:1 on Letter (279.4 mm, 259.4 printable): three sheets across.
    EXPECT_TRUE(std::regex_search(info, std::regex("Pages:\\s+3\\n"))) << info;
    EXPECT_NE(info.find("792 x 612 pts (letter)"), std::string::npos) << info;
}

// Bad input of every kind: a non-zero status and exactly one line on the error stream.
TEST_F(CliExportTest, EveryFailureIsOneLine)
{
    const std::string plan = save(gapscenario::straightGap(188.3), "Bad");
    const std::string missing = file("missing.lyr");
    struct Case {
        std::vector<std::string> args;
        int status;
    };
    const std::vector<Case> cases = {
        {{"render", plan, file("plan.jpg")}, 2},
        {{"render", plan, file("plan.png"), "--dpi", "5000"}, 2},
        {{"render", plan, file("plan.png"), "--dpi"}, 2},
        {{"render", plan, file("plan.png"), "--scale", "0"}, 2},
        {{"render", plan, file("plan.png"), "--fit", "--scale", "10"}, 2},
        {{"render", plan, file("plan.png"), "--level", "1", "--all"}, 2},
        {{"render", plan, file("plan.png"), "--paper", "A3"}, 2},
        {{"render", plan, file("plan.png"), "--grid", "--grid"}, 2},
        {{"render", plan, file("plan.png"), "extra"}, 2},
        {{"render", plan, file("plan.png"), "--level", "7"}, 1},
        {{"render", missing, file("plan.png")}, 1},
        {{"render", plan, file("no/such/folder/plan.pdf")}, 1},
        {{"render", plan}, 2},
        {{"tally", plan, "--tsv"}, 2},
        {{"tally", missing}, 1},
        {{"tally"}, 2},
        {{"gaps", plan, "--headroom-h0", "tall"}, 2},
        {{"gaps", plan, "--headroom-z", "-1"}, 2},
        {{"gaps", missing}, 1},
        {{"check", missing}, 1},
        {{"catalog", "99999"}, 1},
        {{"snap", plan, "24188", "x", "0", "0"}, 2},
        {{"frobnicate"}, 2},
        {{}, 2},
    };
    for (const Case& c : cases) {
        std::string shown;
        for (const std::string& a : c.args)
            shown += " " + a;
        const RunResult r = run(c.args);
        EXPECT_EQ(r.status, c.status) << shown << "\n" << r.err;
        EXPECT_EQ(lines(r.err).size(), 1u) << shown << "\n" << r.err;
        EXPECT_EQ(r.err.rfind("layrail-cli: ", 0), 0u) << shown;
        EXPECT_TRUE(r.out.empty()) << shown;
    }
    EXPECT_FALSE(fs::exists(file("plan.png")));
    EXPECT_FALSE(fs::exists(file("plan.jpg")));
}

TEST_F(CliExportTest, HelpDocumentsEveryCommandAndOption)
{
    const RunResult help = run({"--help"});
    ASSERT_EQ(help.status, 0);
    for (const char* word :
         {"catalog",         "check FILE",   "roundtrip",    "snap",       "compat",         "tally FILE [--csv]",
          "render FILE OUT", "gaps FILE",    "--fit",        "--scale N",  "--level ID",     "--all",
          "--grey",          "--grid",       "--dpi D",      "--paper",    "--no-baseboard", "--no-labels",
          "--headroom-h0",   "--headroom-n", "--headroom-z", "Exit status"})
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
}

} // namespace
