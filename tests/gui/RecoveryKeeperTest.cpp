// The recovery copy kept while a layout has unsaved changes, and its offer at the next start.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

#include "DialogScript.h"
#include "GuiTestSupport.h"
#include "support/FileTestSupport.h"
#include "app/CommandIds.h"
#include "app/RecoveryStore.h"
#include "app/ui/MainFrame.h"
#include "app/ui/RecoveryKeeper.h"
#include "document/EditSnapshot.h"
#include "document/LayoutFile.h"
#include "document/Session.h"

namespace layrail {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Handles events until the condition holds, for at most ten seconds.
bool waitUntil(const std::function<bool()>& done)
{
    const auto end = std::chrono::steady_clock::now() + 10s;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        gui::pumpEvents(2);
        wxMilliSleep(10);
    }
    return true;
}

// An edit as the rules make one: a snapshot, a straight more, a commit.
void addStraight(Session& session)
{
    EditSnapshot(session.layout()).record();
    gui::placePiece(session.layout(), "24188", 200.0 * static_cast<double>(session.layout().pieces.size()), 0, 0);
    session.commit(Changes::ofEdit());
}

// The number of pieces of a recovery copy, -1 when it cannot be read.
int piecesIn(const std::string& path)
{
    Layout copy;
    std::string name;
    return readLayout(path, copy, name).empty() ? static_cast<int>(copy.pieces.size()) : -1;
}

bool exists(const std::string& path) { return fs::exists(path); }

class RecoveryKeeperTest : public ::testing::Test {
protected:
    void SetUp() override { session.layout().ensureDefaultLevel(); }

    std::unique_ptr<RecoveryKeeper> keeper(std::chrono::milliseconds interval, const std::string& folder = "")
    {
        return std::make_unique<RecoveryKeeper>(session, folder.empty() ? data.path() : folder,
                                                [this](const std::string& line) { logged.push_back(line); },
                                                interval);
    }

    // A copy as a program that was killed leaves it: written, never removed.
    std::string leaveCopyBehind(int pieces, const std::string& name)
    {
        Layout layout;
        layout.ensureDefaultLevel();
        for (int i = 0; i < pieces; ++i)
            gui::placePiece(layout, "24188", 200.0 * i, 0, 0);
        RecoveryStore store(data.path());
        EXPECT_EQ(store.write(layout, name), "");
        return store.copyPath();
    }

    test::TempFolder data{"recovery"};
    Session session;
    std::vector<std::string> logged;
};

TEST_F(RecoveryKeeperTest, ChangesAreWrittenAtOnceThenAtMostOncePerIntervalAndGoWhenSaved)
{
    const auto interval = 1500ms;
    auto recovery = keeper(interval);
    const std::string copy = recovery->copyPath();
    EXPECT_FALSE(exists(copy));

    addStraight(session);
    ASSERT_TRUE(waitUntil([&] { return piecesIn(copy) == 1; }));
    const auto firstWrite = std::chrono::steady_clock::now();
    EXPECT_FALSE(recovery->writePending());

    // The next change waits for the interval to pass.
    addStraight(session);
    EXPECT_TRUE(recovery->writePending());
    EXPECT_EQ(piecesIn(copy), 1);
    ASSERT_TRUE(waitUntil([&] { return piecesIn(copy) == 2; }));
    EXPECT_GE(std::chrono::steady_clock::now() - firstWrite, interval - 100ms);

    // Saved: the file holds the work, the copy goes at once.
    ASSERT_EQ(session.save(data.file("yard.lyr"), "Yard"), "");
    EXPECT_FALSE(exists(copy));
    EXPECT_FALSE(recovery->writePending());

    // New after the user said No to saving throws the changes away, and their copy.
    addStraight(session);
    ASSERT_TRUE(waitUntil([&] { return exists(copy); }));
    session.newLayout();
    EXPECT_FALSE(exists(copy));

    // A clean exit leaves nothing behind.
    addStraight(session);
    ASSERT_TRUE(waitUntil([&] { return exists(copy); }));
    recovery.reset();
    EXPECT_FALSE(exists(copy));
    EXPECT_TRUE(logged.empty());
}

TEST_F(RecoveryKeeperTest, AFailedWriteIsLoggedOnceAndNeverShown)
{
    // A folder below a plain file can never be made.
    const std::string blocked = data.file("plain");
    std::ofstream(blocked) << "x";
    gui::DialogScript script;
    auto recovery = keeper(100ms, blocked + "/data");

    addStraight(session);
    ASSERT_TRUE(waitUntil([&] { return !logged.empty(); }));
    // Tried again every interval while the changes wait, but reported only once.
    const auto end = std::chrono::steady_clock::now() + 600ms;
    while (std::chrono::steady_clock::now() < end) {
        gui::pumpEvents(2);
        wxMilliSleep(10);
    }
    addStraight(session);
    gui::pumpEvents();
    EXPECT_TRUE(recovery->writePending());
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0].rfind("Recovery copy not written: ", 0), 0u) << logged[0];
    EXPECT_TRUE(script.shown().empty());
}

TEST_F(RecoveryKeeperTest, YesOpensALeftCopyAsAnUnsavedLayoutWithItsName)
{
    const std::string left = leaveCopyBehind(3, "Yard");
    auto recovery = keeper(1000ms);
    gui::DialogScript script({gui::DialogScript::answer(wxID_YES)});
    EXPECT_TRUE(recovery->offerLeftBehind(nullptr));

    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.shown()[0].title, "Recover Layout");
    EXPECT_EQ(script.shown()[0].message.rfind("Recover unsaved layout from ", 0), 0u) << script.shown()[0].message;
    EXPECT_EQ(session.layout().pieces.size(), 3u);
    EXPECT_EQ(session.name(), "Yard");
    EXPECT_EQ(session.path(), "");
    EXPECT_TRUE(session.modified());
    // This program's own copy now holds the layout; the left one is gone.
    EXPECT_FALSE(exists(left));
    EXPECT_EQ(piecesIn(recovery->copyPath()), 3);
    EXPECT_EQ(logged.size(), 1u);
}

TEST_F(RecoveryKeeperTest, NoDeletesTheCopyAndAnswersOnlyOnce)
{
    const std::string older = leaveCopyBehind(1, "Old");
    const std::string newer = leaveCopyBehind(2, "New");
    addStraight(session);
    auto recovery = keeper(1000ms);
    gui::DialogScript script({gui::DialogScript::answer(wxID_NO), gui::DialogScript::answer(wxID_NO)});
    EXPECT_FALSE(recovery->offerLeftBehind(nullptr));
    EXPECT_EQ(script.shown().size(), 2u);
    EXPECT_FALSE(exists(older));
    EXPECT_FALSE(exists(newer));
    EXPECT_EQ(session.layout().pieces.size(), 1u);

    // Nothing is left to offer.
    gui::DialogScript none;
    EXPECT_FALSE(keeper(1000ms)->offerLeftBehind(nullptr));
    EXPECT_TRUE(none.shown().empty());
}

TEST(RecoveryInTheWindow, ClosingWithoutSavingRemovesTheCopyButAForcedCloseKeepsIt)
{
    test::TempFolder data("recovery-window");
    for (const bool forced : {false, true}) {
        SCOPED_TRACE(forced ? "forced" : "answered No");
        MainFrame* frame = gui::createMainFrame();
        frame->keepRecoveryCopies(data.path());
        const std::string copy = frame->recovery()->copyPath();
        addStraight(frame->session());
        ASSERT_TRUE(waitUntil([&] { return exists(copy); }));
        EXPECT_LAYOUT_CONSISTENT(frame->layout());
        if (forced) {
            wxCloseEvent close(wxEVT_CLOSE_WINDOW, frame->GetId());
            close.SetEventObject(frame);
            close.SetCanVeto(false);
            frame->ProcessWindowEvent(close);
        } else {
            gui::DialogScript script({gui::DialogScript::answer(wxID_NO)});
            frame->Close();
            EXPECT_EQ(script.shown().size(), 1u);
        }
        gui::pumpEvents();
        EXPECT_EQ(exists(copy), forced);
        if (forced) {
            EXPECT_EQ(piecesIn(copy), 1);
        }
    }
}

} // namespace
} // namespace layrail
