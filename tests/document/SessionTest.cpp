#include <gtest/gtest.h>

#include <vector>

#include "support/FileTestSupport.h"
#include "document/LayoutFile.h"
#include "document/Session.h"

namespace layrail {
namespace {

// Keeps every announcement of a session.
struct Recorder {
    explicit Recorder(Session& session)
        : subscription(session.subscribe([this](const Changes& c) { told.push_back(c); }))
    {
    }

    Changes last() const { return told.empty() ? Changes{} : told.back(); }

    std::vector<Changes> told;
    Session::Subscription subscription;
};

PlacedPiece straight(Layout& layout, double x)
{
    PlacedPiece piece;
    piece.id = layout.takeId();
    piece.article = "24188";
    piece.x = x;
    piece.joints.resize(2);
    return piece;
}

// An edit as the rules make it: one snapshot, then the change.
void addStraight(Session& session, double x)
{
    EditSnapshot(session.layout()).record();
    session.layout().pieces.push_back(straight(session.layout(), x));
    session.commit(Changes::ofEdit());
}

TEST(Session, ContentLevelAndUnitChangesMarkTheLayoutOnceAndTellTheTitle)
{
    Session session;
    Recorder recorder(session);

    session.commit(Changes::ofSelection());
    session.commit(Changes::ofView());
    EXPECT_FALSE(session.modified());
    EXPECT_FALSE(recorder.told[0].file);

    session.commit(Changes::ofContent());
    EXPECT_TRUE(session.modified());
    EXPECT_EQ(recorder.last(), Changes::ofContent() | Changes::ofFile());
    // Already marked: the title has nothing new to show.
    session.commit(Changes::ofContent());
    EXPECT_EQ(recorder.last(), Changes::ofContent());

    for (const Changes& saved : {Changes::ofLevels(), Changes::ofUnits()}) {
        Session other;
        other.commit(saved);
        EXPECT_TRUE(other.modified());
    }
    // A commit of nothing tells nobody.
    const size_t before = recorder.told.size();
    session.commit(Changes{});
    EXPECT_EQ(recorder.told.size(), before);
}

TEST(Session, UndoAndRedoStepTheHistoryAndAnnounceContentAndSelection)
{
    Session session;
    EXPECT_FALSE(session.undo());
    addStraight(session, 0);
    addStraight(session, 200);
    session.saved("/tmp/yard.lyr", "Yard");
    Recorder recorder(session);

    ASSERT_TRUE(session.canUndo());
    EXPECT_TRUE(session.undo());
    EXPECT_EQ(session.layout().pieces.size(), 1u);
    // Returning towards the saved state still counts as a change.
    EXPECT_TRUE(session.modified());
    EXPECT_EQ(recorder.last(), Changes::ofEdit() | Changes::ofFile());

    EXPECT_TRUE(session.canRedo());
    EXPECT_TRUE(session.redo());
    EXPECT_EQ(session.layout().pieces.size(), 2u);
    EXPECT_EQ(recorder.last(), Changes::ofEdit());
    EXPECT_FALSE(session.redo());
    EXPECT_EQ(recorder.told.size(), 2u);
}

TEST(Session, NewForgetsTheFileButUndoBringsTheContentBack)
{
    Session session;
    session.layout().ensureDefaultLevel();
    addStraight(session, 0);
    session.saved("/tmp/yard.lyr", "Yard");
    session.commit(Changes::ofContent());
    Recorder recorder(session);

    session.newLayout();
    EXPECT_TRUE(session.layout().pieces.empty());
    EXPECT_EQ(session.path(), "");
    EXPECT_EQ(session.name(), "");
    EXPECT_FALSE(session.modified());
    ASSERT_EQ(recorder.told.size(), 1u);
    EXPECT_EQ(recorder.last(), Changes::ofEdit() | Changes::ofLevels() | Changes::ofFile());

    EXPECT_TRUE(session.undo());
    EXPECT_EQ(session.layout().pieces.size(), 1u);
}

TEST(Session, OpeningAFileStartsAFreshHistory)
{
    test::TempFolder folder;
    Session other;
    other.layout().ensureDefaultLevel();
    addStraight(other, 0);
    ASSERT_EQ(other.save(folder.file("one.lyr"), "One"), "");

    Session session;
    session.layout().ensureDefaultLevel();
    addStraight(session, 500);
    addStraight(session, 700);
    Recorder recorder(session);

    ASSERT_EQ(session.open(folder.file("one.lyr")), "");
    EXPECT_EQ(session.layout().pieces.size(), 1u);
    EXPECT_EQ(session.name(), "One");
    EXPECT_EQ(session.path(), folder.file("one.lyr"));
    EXPECT_FALSE(session.modified());
    EXPECT_EQ(recorder.last(), Changes::everything());

    // The records of the layout open before can never come back into this one.
    EXPECT_FALSE(session.canUndo());
    EXPECT_FALSE(session.undo());
    EXPECT_EQ(session.layout().pieces.size(), 1u);
    EXPECT_EQ(session.layout().pieces[0].x, 0.0);
}

TEST(Session, AFailedOpenLeavesLayoutFileAndHistoryAsTheyWere)
{
    test::TempFolder folder;
    test::writeFile(folder.file("broken.lyr"), "<layout name=\"Broken\">\n  <labels>\n    <label id=\"4\" x=\"zz\"/>\n"
                                               "  </labels>\n</layout>\n");
    Session session;
    addStraight(session, 0);
    session.saved("/tmp/yard.lyr", "Yard");
    addStraight(session, 200);
    Recorder recorder(session);

    EXPECT_NE(session.open(folder.file("broken.lyr")), "");
    EXPECT_NE(session.open(folder.file("missing.lyr")), "");
    EXPECT_EQ(session.layout().pieces.size(), 2u);
    EXPECT_EQ(session.path(), "/tmp/yard.lyr");
    EXPECT_TRUE(session.modified());
    EXPECT_TRUE(session.canUndo());
    EXPECT_TRUE(recorder.told.empty());
}

TEST(Session, SavingBelongsTheLayoutToTheFileAndClearsTheMark)
{
    test::TempFolder folder;
    Session session;
    session.layout().ensureDefaultLevel();
    addStraight(session, 0);
    Recorder recorder(session);

    ASSERT_EQ(session.save(folder.file("yard.lyr"), "Yard"), "");
    EXPECT_FALSE(session.modified());
    EXPECT_EQ(session.name(), "Yard");
    EXPECT_EQ(recorder.last(), Changes::ofFile());
    Layout reread;
    std::string name;
    ASSERT_EQ(readLayout(folder.file("yard.lyr"), reread, name), "");
    EXPECT_EQ(reread.pieces.size(), 1u);

    // A failed write keeps the file the layout belonged to, and its mark.
    session.commit(Changes::ofContent());
    EXPECT_NE(session.save(folder.file("no/such/folder/x.lyr"), "X"), "");
    EXPECT_EQ(session.name(), "Yard");
    EXPECT_TRUE(session.modified());

    session.forgetFile();
    EXPECT_EQ(session.path(), "");
    EXPECT_TRUE(recorder.last().file);
}

TEST(Session, ForgettingTheFileOfASavedLayoutMarksItModified)
{
    test::TempFolder folder;
    Session session;
    session.layout().ensureDefaultLevel();
    addStraight(session, 0);
    ASSERT_EQ(session.save(folder.file("yard.lyr"), "Yard"), "");
    Recorder recorder(session);

    session.forgetFile();
    EXPECT_EQ(session.path(), "");
    EXPECT_EQ(session.name(), "Yard");
    EXPECT_TRUE(session.modified());
    EXPECT_EQ(recorder.last(), Changes::ofFile());
    // A layout that belongs to no file has nothing more to forget.
    session.forgetFile();
    EXPECT_EQ(recorder.told.size(), 1u);
}

TEST(Session, ARecoveredCopyIsAnUnsavedLayoutWithItsNameAndAFreshHistory)
{
    test::TempFolder folder;
    Session saved;
    saved.layout().ensureDefaultLevel();
    addStraight(saved, 0);
    ASSERT_EQ(saved.save(folder.file("copy.lyr"), "Yard"), "");

    Session session;
    addStraight(session, 0);
    Recorder recorder(session);
    ASSERT_EQ(session.recover(folder.file("copy.lyr")), "");
    EXPECT_EQ(session.layout().pieces.size(), 1u);
    EXPECT_EQ(session.name(), "Yard");
    EXPECT_EQ(session.path(), "");
    EXPECT_TRUE(session.modified());
    EXPECT_FALSE(session.canUndo());
    EXPECT_EQ(recorder.last(), Changes::everything());

    // A copy that cannot be read changes nothing.
    EXPECT_NE(session.recover(folder.file("missing.lyr")), "");
    EXPECT_EQ(session.name(), "Yard");
    EXPECT_EQ(recorder.told.size(), 1u);
}

TEST(Session, ListenersMayLeaveOrJoinWhileBeingTold)
{
    Session session;
    std::vector<int> calls;
    Session::ListenerId second = 0;
    const Session::ListenerId first = session.addListener([&](const Changes&) {
        calls.push_back(1);
        session.removeListener(second);
        session.addListener([&](const Changes&) { calls.push_back(3); });
    });
    second = session.addListener([&](const Changes&) { calls.push_back(2); });

    session.commit(Changes::ofView());
    // The listener removed on the way is skipped; the one added on the way waits for the next commit.
    EXPECT_EQ(calls, (std::vector<int>{1}));
    session.removeListener(first);
    session.commit(Changes::ofView());
    EXPECT_EQ(calls, (std::vector<int>{1, 3}));
}

TEST(Session, SubscriptionsEndWithTheirHolderAndOutliveTheSession)
{
    int told = 0;
    Session::Subscription kept;
    {
        Session session;
        {
            Session::Subscription scoped = session.subscribe([&](const Changes&) { ++told; });
            session.commit(Changes::ofView());
            kept = std::move(scoped);
        }
        session.commit(Changes::ofView());
        EXPECT_EQ(told, 2);
        kept.reset();
        session.commit(Changes::ofView());
        EXPECT_EQ(told, 2);
        kept = session.subscribe([&](const Changes&) { ++told; });
    }
    // The session went first: letting go of the subscription must not reach it.
    kept.reset();
    EXPECT_EQ(told, 2);
}

TEST(Session, EditSnapshotRecordsOncePerEditOrPerDrag)
{
    Layout layout;
    {
        EditSnapshot snapshot(layout);
        snapshot.record();
        snapshot.record();
        EXPECT_TRUE(snapshot.recorded());
    }
    EXPECT_EQ(layout.undoStack.size(), 1u);

    bool dragRecorded = false;
    for (int step = 0; step < 3; ++step)
        EditSnapshot(layout, dragRecorded).record();
    EXPECT_TRUE(dragRecorded);
    EXPECT_EQ(layout.undoStack.size(), 2u);
}

} // namespace
} // namespace layrail
