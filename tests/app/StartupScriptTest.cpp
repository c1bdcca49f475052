#include <gtest/gtest.h>

#include "app/StartupScript.h"

namespace layrail {
namespace {

TEST(StartupScript, ReadsAnswersAndCommandsInOrderAndSkipsComments)
{
    const StartupScript script = parseStartupScript("# start-up\n"
                                                    "answer ok\n"
                                                    "\n"
                                                    "command 2005\n"
                                                    "  answer   yes  \n"
                                                    "command 2004\r\n"
                                                    "answer no\n"
                                                    "answer cancel");
    EXPECT_TRUE(script.problems.empty()) << script.problems.front();
    EXPECT_EQ(script.answers, (std::vector<ScriptAnswer>{ScriptAnswer::Ok, ScriptAnswer::Yes, ScriptAnswer::No,
                                                         ScriptAnswer::Cancel}));
    EXPECT_EQ(script.commands, (std::vector<int>{2005, 2004}));
}

TEST(StartupScript, NamesEveryLineItCannotRead)
{
    const StartupScript script = parseStartupScript("answer maybe\ncommand\ncommand 12x\nclick 3\n"
                                                    "answer ok now\ncommand 99999999999\nanswer ok\n");
    ASSERT_EQ(script.problems.size(), 6u);
    EXPECT_EQ(script.problems[0], "line 1: bad value \"maybe\"");
    EXPECT_EQ(script.problems[1], "line 2: bad value \"\"");
    EXPECT_EQ(script.problems[2], "line 3: bad value \"12x\"");
    EXPECT_EQ(script.problems[3], "line 4: unknown step \"click\"");
    EXPECT_EQ(script.problems[4], "line 5: more than one value");
    EXPECT_EQ(script.problems[5], "line 6: bad value \"99999999999\"");
    EXPECT_EQ(script.answers.size(), 1u);
    EXPECT_TRUE(script.commands.empty());
}

} // namespace
} // namespace layrail
