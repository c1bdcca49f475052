#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "CliTestSupport.h"

namespace {

namespace fs = std::filesystem;

using layrail::test::CliTest;
using layrail::test::dataFile;
using layrail::test::lines;
using layrail::test::readFile;
using layrail::test::RunResult;

TEST_F(CliTest, CatalogListsEveryPieceWithEightFields)
{
    const RunResult r = run({"catalog"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> rows = lines(r.out);
    ASSERT_EQ(rows.size(), 166u);
    EXPECT_EQ(rows.front().substr(0, 6), "24188\t");
    for (const std::string& row : rows) {
        std::vector<std::string> fields;
        std::istringstream in(row);
        for (std::string field; std::getline(in, field, '\t');)
            fields.push_back(field);
        ASSERT_EQ(fields.size(), 8u) << row;
        EXPECT_FALSE(fields[7].empty()) << row;
    }
    EXPECT_EQ(r.out.find("-0.0000"), std::string::npos);
    EXPECT_TRUE(r.err.empty());
}

TEST_F(CliTest, CatalogLinesOfCurveTurnoutAdapterAndRamp)
{
    const std::string curve =
        "24130\t0\t1\t188.4956\t360.0000\t30.0000\t-\t0.0000,0.0000,180.0000;180.0000,48.2309,30.0000";
    const std::string turnout = "24611\t0\t2\t188.3000\t437.5000\t-24.3000\t-\t"
                                "0.0000,0.0000,180.0000;188.3000,0.0000,0.0000;180.0400,-38.7600,335.7000";
    const std::string adapter =
        "24922\t0\t0\t180.0000\t0.0000\t0.0000\t-\t0.0000,0.0000,180.0000;180.0000,0.0000,0.0000";

    const std::vector<std::string> rows = lines(run({"catalog"}).out);
    EXPECT_NE(std::find(rows.begin(), rows.end(), curve), rows.end());
    EXPECT_NE(std::find(rows.begin(), rows.end(), turnout), rows.end());
    EXPECT_NE(std::find(rows.begin(), rows.end(), adapter), rows.end());

    EXPECT_EQ(run({"catalog", "24130"}).out, curve + "\n");
    EXPECT_EQ(run({"catalog", "24611"}).out, turnout + "\n");
    EXPECT_EQ(run({"catalog", "24922"}).out, adapter + "\n");
    EXPECT_EQ(run({"catalog", "74618"}).out,
              "74618\t0\t0\t180.0000\t0.0000\t0.0000\tbpr\t0.0000,0.0000,180.0000;180.0000,0.0000,0.0000\n");
    EXPECT_NE(run({"catalog", "74623"}).out.find("\t437.5000\t30.0000\tbr\t"), std::string::npos);
}

TEST_F(CliTest, CatalogUnknownArticleFails)
{
    const RunResult r = run({"catalog", "99999"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("99999"), std::string::npos);
}

TEST_F(CliTest, CheckDemoIsClean)
{
    const RunResult r = run({"check", dataFile("demo.lyr")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "name=Demo pieces=2 scenery=0 labels=0 shapes=0 tunnels=0 helices=0 levels=1 gradeRuns=0 "
                     "nextId=3\n");
}

TEST_F(CliTest, CheckCountsEverySection)
{
    const RunResult r = run({"check", dataFile("cli_full.lyr")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "name=Full & \"Co\" pieces=2 scenery=1 labels=1 shapes=1 tunnels=1 helices=1 levels=2 "
                     "gradeRuns=1 nextId=8\n");
}

TEST_F(CliTest, CheckListsProblemsAfterTheSummary)
{
    const RunResult r = run({"check", dataFile("cli_broken.lyr")});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> expected = {
        "name=Broken pieces=4 scenery=0 labels=1 shapes=0 tunnels=0 helices=0 levels=1 gradeRuns=0 nextId=5",
        "piece 1 connector 1: joint to piece 2 connector 0 is not recorded on piece 2",
        "piece 2 connector 1: joint to missing piece 9",
        "piece 3: unknown article \"99999\"",
        "piece 4 connector 1: joint to connector 5 of piece 1, which has 2 connectors",
        "duplicate id 4: piece, label",
    };
    EXPECT_EQ(lines(r.out), expected);
}

TEST_F(CliTest, CheckFailuresGoToStderr)
{
    const RunResult malformed = run({"check", dataFile("cli_malformed.lyr")});
    EXPECT_EQ(malformed.status, 1);
    EXPECT_TRUE(malformed.out.empty());
    EXPECT_FALSE(malformed.err.empty());

    const std::string missing = (dir_ / "nothing.lyr").string();
    const RunResult absent = run({"check", missing});
    EXPECT_EQ(absent.status, 1);
    EXPECT_TRUE(absent.out.empty());
    EXPECT_NE(absent.err.find("Cannot open file: " + missing), std::string::npos);
}

TEST_F(CliTest, RoundtripKeepsTheBytes)
{
    for (const char* name : {"demo.lyr", "cli_full.lyr"}) {
        const fs::path out = dir_ / name;
        const RunResult r = run({"roundtrip", dataFile(name), out.string()});
        ASSERT_EQ(r.status, 0) << name << ": " << r.err;
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(readFile(out), readFile(dataFile(name))) << name;
    }
}

TEST_F(CliTest, RoundtripFailures)
{
    const RunResult badInput = run({"roundtrip", dataFile("cli_malformed.lyr"), (dir_ / "out.lyr").string()});
    EXPECT_EQ(badInput.status, 1);
    EXPECT_FALSE(badInput.err.empty());
    EXPECT_FALSE(fs::exists(dir_ / "out.lyr"));

    const std::string unwritable = (dir_ / "no_such_folder" / "out.lyr").string();
    const RunResult badOutput = run({"roundtrip", dataFile("demo.lyr"), unwritable});
    EXPECT_EQ(badOutput.status, 1);
    EXPECT_NE(badOutput.err.find("Cannot open file: " + unwritable), std::string::npos);
}

// The demo's piece 1 is a 24188 at the origin whose connector 0 at (0, 0) is open, heading 180;
// a piece at heading 180 near the origin faces it with its own connector 0.
TEST_F(CliTest, SnapFindsTheOpenConnectorWithinReach)
{
    const std::string demo = dataFile("demo.lyr");
    EXPECT_EQ(run({"snap", demo, "24188", "-2", "1", "180"}).out,
              "found=1 target=1 tconn=0 conn=0 x=0.0000 y=0.0000 heading=180.0000 distance=2.2361\n");
    EXPECT_EQ(run({"snap", demo, "24188", "-24.9", "0", "180"}).out,
              "found=1 target=1 tconn=0 conn=0 x=0.0000 y=0.0000 heading=180.0000 distance=24.9000\n");
    // The adapter's C-Track end meets C-Track.
    EXPECT_EQ(run({"snap", demo, "24922", "-2", "1", "180"}).out,
              "found=1 target=1 tconn=0 conn=0 x=0.0000 y=0.0000 heading=180.0000 distance=2.2361\n");
}

// A lone 24188 at the origin: a second one reversed near its far end joins with its connector 1,
// and the pose's y, a tiny negative by rounding, prints as 0.0000.
TEST_F(CliTest, SnapTurnedAroundPiecePrintsNoNegativeZero)
{
    const std::string single = dataFile("cli_single.lyr");
    EXPECT_EQ(run({"snap", single, "24188", "376.6", "3", "180"}).out,
              "found=1 target=1 tconn=1 conn=1 x=376.6000 y=0.0000 heading=180.0000 distance=3.0000\n");
    EXPECT_EQ(run({"snap", single, "24188", "213.2", "0", "0"}).out,
              "found=1 target=1 tconn=1 conn=0 x=188.3000 y=0.0000 heading=0.0000 distance=24.9000\n");
    EXPECT_EQ(run({"snap", single, "24188", "213.4", "0", "0"}).out, "found=0\n");
}

TEST_F(CliTest, SnapFindsNothingOutOfReachJoinedOrForeign)
{
    const std::string demo = dataFile("demo.lyr");
    EXPECT_EQ(run({"snap", demo, "24188", "-25.1", "0", "180"}).out, "found=0\n");
    EXPECT_EQ(run({"snap", demo, "24188", "5000", "5000", "0"}).out, "found=0\n");
    // At the joint between pieces 1 and 2 every candidate is either joined or points the same way.
    EXPECT_EQ(run({"snap", demo, "24188", "188.3", "0", "180"}).out, "found=0\n");
    EXPECT_EQ(run({"snap", demo, "2200", "-2", "1", "180"}).out, "found=0\n");
}

TEST_F(CliTest, CompatNamesBothSystems)
{
    const std::string demo = dataFile("demo.lyr");
    const RunResult k = run({"compat", demo, "2200", "-2", "1", "180"});
    ASSERT_EQ(k.status, 0) << k.err;
    EXPECT_EQ(k.out, "incompatible=1 moving=\"Marklin K-Track\" other=\"Marklin C-Track\"\n");
    EXPECT_EQ(run({"compat", demo, "62188", "-2", "1", "180"}).out,
              "incompatible=1 moving=\"TRIX C-Track\" other=\"Marklin C-Track\"\n");
    EXPECT_EQ(run({"compat", demo, "8500", "-2", "1", "180"}).out,
              "incompatible=1 moving=\"Marklin Z-Track\" other=\"Marklin C-Track\"\n");
    EXPECT_EQ(run({"compat", demo, "24188", "-2", "1", "180"}).out, "incompatible=0\n");
    EXPECT_EQ(run({"compat", demo, "24922", "-2", "1", "180"}).out, "incompatible=0\n");
    EXPECT_EQ(run({"compat", demo, "2200", "-40", "0", "180"}).out, "incompatible=0\n");
}

TEST_F(CliTest, PoseArgumentErrors)
{
    const std::string demo = dataFile("demo.lyr");
    for (const char* command : {"snap", "compat"}) {
        const RunResult badX = run({command, demo, "24188", "1x", "0", "0"});
        EXPECT_EQ(badX.status, 2) << command;
        EXPECT_TRUE(badX.out.empty());
        EXPECT_NE(badX.err.find("X is not a number: \"1x\""), std::string::npos) << badX.err;

        EXPECT_EQ(run({command, demo, "24188", "0", "", "0"}).status, 2) << command;
        EXPECT_EQ(run({command, demo, "24188", "0", "0", "nan"}).status, 2) << command;

        const RunResult unknown = run({command, demo, "99999", "0", "0", "0"});
        EXPECT_EQ(unknown.status, 1) << command;
        EXPECT_NE(unknown.err.find("unknown article \"99999\""), std::string::npos);

        const RunResult missing = run({command, (dir_ / "none.lyr").string(), "24188", "0", "0", "0"});
        EXPECT_EQ(missing.status, 1) << command;
        EXPECT_NE(missing.err.find("Cannot open file: "), std::string::npos);
    }
}

TEST_F(CliTest, UsageOnHelpAndOnWrongArguments)
{
    const RunResult help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: layrail-cli"), std::string::npos);
    EXPECT_TRUE(help.err.empty());

    const std::vector<std::vector<std::string>> wrong = {
        {}, {"frobnicate"}, {"check"}, {"catalog", "24188", "24130"}, {"roundtrip", "a.lyr"},
        {"snap", "a.lyr", "24188", "0", "0"}, {"compat", "a.lyr", "24188", "0", "0", "0", "0"},
    };
    for (const std::vector<std::string>& args : wrong) {
        const RunResult r = run(args);
        EXPECT_EQ(r.status, 2) << (args.empty() ? "(none)" : args[0]);
        EXPECT_TRUE(r.out.empty());
        EXPECT_NE(r.err.find("usage: layrail-cli"), std::string::npos);
    }
}

} // namespace
