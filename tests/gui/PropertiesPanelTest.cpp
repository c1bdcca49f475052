// The properties panel on its own, in a frame of its own, over a session the test edits: the
// details it shows, its controls, the tally list and the Buy Track buttons.

#include <cmath>
#include <map>
#include <memory>

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/frame.h>
#include <wx/hyperlink.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/spinctrl.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "CanvasInput.h"
#include "ControlDriving.h"
#include "DialogScript.h"
#include "GuiTestSupport.h"
#include "support/FileTestSupport.h"
#include "canvas/Helices.h"
#include "canvas/Placement.h"
#include "catalog/HelixKits.h"
#include "dialogs/LevelManager.h"
#include "document/History.h"
#include "document/SelectionFlags.h"
#include "panels/ui/PropertiesPanel.h"
#include "panels/ui/TallyList.h"

namespace layrail {
namespace {

using gui::DialogScript;

class WatchingHost : public CanvasHost {
public:
    void setStatusText(StatusField field, const std::string& text) override { texts[field] = text; }
    std::string statusText(StatusField field) const override
    {
        const auto it = texts.find(field);
        return it == texts.end() ? std::string() : it->second;
    }
    void toolEnded() override {}
    void labelPointChosen() override {}
    void logLine(const std::string& line) override { log.push_back(line); }

    std::map<StatusField, std::string> texts;
    std::vector<std::string> log;
};

class RecordingBrowser : public BrowserLauncher {
public:
    explicit RecordingBrowser(bool works, std::vector<std::string>& opened) : works_(works), opened_(opened) {}
    bool open(const std::string& url) override
    {
        opened_.push_back(url);
        return works_;
    }

private:
    bool works_;
    std::vector<std::string>& opened_;
};

void pressEnter(wxTextCtrl& text)
{
    wxCommandEvent event(wxEVT_TEXT_ENTER, text.GetId());
    event.SetEventObject(&text);
    text.GetEventHandler()->ProcessEvent(event);
}

std::string label(wxWindow& parent, const std::string& name)
{
    auto* text = gui::named<wxStaticText>(parent, name);
    return text ? text->GetLabelText().utf8_string() : std::string();
}

class PanelTest : public ::testing::Test {
protected:
    void SetUp() override { open({userFolder.path(), LAYRAIL_SOURCE_DATA_FOLDER}); }
    void TearDown() override
    {
        EXPECT_LAYOUT_CONSISTENT(layout());
        frame->Destroy();
        gui::pumpEvents();
    }

    void open(const std::vector<std::string>& storeFolders)
    {
        if (frame != nullptr) {
            frame->Destroy();
            gui::pumpEvents();
        }
        layout().ensureDefaultLevel();
        frame = new wxFrame(nullptr, wxID_ANY, "Panel", wxDefaultPosition, wxSize(300, 940));
        BuyTrackSetup setup;
        setup.storeFolders = storeFolders;
        setup.fallbackHome = "https://fallback.example";
        setup.picture = [] { return wxImage(90, 102); };
        panel = new PropertiesPanel(frame, session, host, setup);
        panel->setBrowser(std::make_unique<RecordingBrowser>(true, opened));
        // Laid out before the frame shows, as the main window's splitter does with its panes.
        panel->SetSize(frame->GetClientSize());
        panel->Layout();
        frame->Show();
        gui::pumpEvents();
    }

    Layout& layout() { return session.layout(); }
    template <class Control> Control& control(int id)
    {
        auto* found = dynamic_cast<Control*>(panel->FindWindow(id));
        EXPECT_NE(found, nullptr) << id;
        return *found;
    }
    std::string title() { return label(*panel, "title"); }
    std::string detail() { return label(*panel, "detail"); }

    void select(std::initializer_list<int> ids)
    {
        deselectAll(layout());
        for (int id : ids)
            layout().findPiece(id)->selected = true;
        session.commit(Changes::ofSelection());
    }

    // A chain of joined 24188 straights from (0, 0) heading east.
    std::vector<int> straights(int count)
    {
        std::vector<int> ids = {gui::placePiece(layout(), "24188", 0, 0, 0)};
        while (static_cast<int>(ids.size()) < count)
            ids.push_back(gui::attachPiece(layout(), ids.back(), 1, "24188"));
        session.commit(Changes::ofContent());
        return ids;
    }

    std::vector<std::string> listRows()
    {
        std::vector<std::string> rows;
        wxListCtrl& list = panel->tallyList();
        for (long i = 0; i < list.GetItemCount(); ++i)
            rows.push_back(list.GetItemText(i, 0).utf8_string() + "|" + list.GetItemText(i, 1).utf8_string());
        return rows;
    }

    test::TempFolder userFolder{"panel-user"};
    Session session;
    WatchingHost host;
    std::vector<std::string> opened;
    wxFrame* frame = nullptr;
    PropertiesPanel* panel = nullptr;
    int rebuilds = 0;
};

TEST_F(PanelTest, DetailsFollowTheSelectionThroughTheSession)
{
    const std::vector<int> ids = straights(3);
    EXPECT_EQ(title(), "No selection");
    EXPECT_FALSE(control<wxTextCtrl>(kHeightBoxId).IsEnabled());
    EXPECT_FALSE(control<wxChoice>(kLevelChoiceId).IsEnabled());
    EXPECT_FALSE(control<wxButton>(kApplyColourId).IsEnabled());

    select({ids[1]});
    EXPECT_EQ(title(), "24188 - 188.3mm");
    EXPECT_EQ(detail(), "Märklin C  |  188.3 mm");
    EXPECT_EQ(label(*panel, "heightLabel"), "Height (mm):");
    EXPECT_TRUE(control<wxTextCtrl>(kHeightBoxId).IsEnabled());
    EXPECT_EQ(control<wxChoice>(kLevelChoiceId).GetStringSelection(), "Level 1");
    EXPECT_TRUE(control<wxButton>(kStartGradeId).IsEnabled());
    EXPECT_FALSE(control<wxButton>(kEndGradeId).IsEnabled()) << "no grade run yet";

    // Three parallel joined straights are a run; one of them on another level makes the level "(mixed)".
    select({ids[0], ids[1], ids[2]});
    EXPECT_EQ(title(), "24188 + 24188 + 24188");
    EXPECT_EQ(detail(), "3 pieces  |  564.9 mm");
    const int upper = addLevel(layout(), "Upper");
    layout().findPiece(ids[2])->level = upper;
    session.commit(Changes::ofEdit());
    wxChoice& levels = control<wxChoice>(kLevelChoiceId);
    ASSERT_EQ(levels.GetCount(), 3u);
    EXPECT_EQ(levels.GetString(0), "(mixed)");
    EXPECT_EQ(levels.GetSelection(), 0);

    // The unit changes what the height shows.
    layout().findPiece(ids[0])->z = 25.4;
    select({ids[0]});
    layout().units = LengthUnit::Inches;
    session.commit(Changes::ofUnits());
    EXPECT_EQ(label(*panel, "heightLabel"), "Height (in):");
    EXPECT_EQ(control<wxTextCtrl>(kHeightBoxId).GetValue(), "1.000");

    // A grade over 6 degrees is flagged in red.
    layout().findPiece(ids[0])->grade = 6.01;
    session.commit(Changes::ofContent());
    EXPECT_EQ(label(*panel, "warning"), "WARNING: Grade 6.0 deg exceeds 6 deg max!");
    EXPECT_EQ(gui::named<wxStaticText>(*panel, "grade")->GetForegroundColour(), wxColour(200, 40, 40));
    layout().findPiece(ids[0])->grade = 6.0;
    session.commit(Changes::ofContent());
    EXPECT_EQ(label(*panel, "warning"), "");
    EXPECT_NE(gui::named<wxStaticText>(*panel, "grade")->GetForegroundColour(), wxColour(200, 40, 40));

    // A helix, a scenery item and a shape each have their own details.
    ASSERT_TRUE(addHelix(layout(), 2000, 0, 0, "").changed());
    deselectAll(layout());
    for (PlacedPiece& p : layout().pieces)
        p.selected = p.helix != -1;
    session.commit(Changes::ofEdit());
    EXPECT_EQ(title(), findHelixKit(defaultHelixKitId())->name);
    EXPECT_EQ(label(*panel, "heightLabel"), "Base height (in):");
    EXPECT_FALSE(control<wxButton>(kStartGradeId).IsEnabled());
    EXPECT_FALSE(control<wxTextCtrl>(kHeightBoxId).IsEnabled());

    deselectAll(layout());
    SceneryItem tree;
    tree.id = layout().takeId();
    tree.item = "tree_group";
    tree.selected = true;
    layout().scenery.push_back(tree);
    session.commit(Changes::ofEdit());
    EXPECT_EQ(detail().rfind("Scenery", 0), 0u) << detail();

    deselectAll(layout());
    LayoutShape shape;
    shape.id = layout().takeId();
    shape.points = {{0, 0}, {300, 0}, {300, 200}};
    shape.selected = true;
    layout().shapes.push_back(shape);
    session.commit(Changes::ofEdit());
    EXPECT_EQ(title(), "(unnamed shape)");
    EXPECT_EQ(detail(), "Polygon  |  3 verts  |  300 x 200 mm  |  height 0 mm");

    deselectAll(layout());
    session.commit(Changes::ofSelection());
    EXPECT_EQ(title(), "No selection");
}

TEST_F(PanelTest, GradeButtonsStartEndAndRecalculate)
{
    const int other = gui::placePiece(layout(), "24172", 0, 500, 0);
    const int first = straights(1)[0];
    // What the user set on the grade controls stays while the same piece is shown, and goes with it.
    auto& angle = *gui::named<wxSpinCtrlDouble>(*panel, "angle");
    select({other});
    gui::setSpinDouble(angle, 2.5);
    select({other});
    EXPECT_DOUBLE_EQ(angle.GetValue(), 2.5);
    select({first});
    EXPECT_DOUBLE_EQ(angle.GetValue(), 0.0);

    gui::setSpinDouble(angle, 3.0);
    const size_t snapshots = layout().undoStack.size();
    gui::clickButton(*panel, kStartGradeId);
    EXPECT_DOUBLE_EQ(layout().findPiece(first)->grade, 3.0);
    ASSERT_EQ(layout().gradeRuns.size(), 1u);
    EXPECT_EQ(layout().gradeRuns[0].anchor, first);
    EXPECT_EQ(host.statusText(StatusField::Prompt), "Elevation: UP 3.0 deg");
    EXPECT_EQ(layout().undoStack.size(), snapshots + 1) << "Start Grade can be undone";
    EXPECT_TRUE(session.modified());
    EXPECT_EQ(label(*panel, "grade"), "+3.00 deg (5.2%)");
    EXPECT_TRUE(control<wxButton>(kEndGradeId).IsEnabled());

    // Three more straights joined at the run's end climb with it.
    std::vector<int> ids = {first};
    for (int i = 0; i < 3; ++i) {
        select({ids.back()});
        ASSERT_TRUE(autoConnect(layout(), "24188").changed());
        session.commit(Changes::ofEdit());
        ids.push_back(gui::lastPieceId(layout()));
    }
    EXPECT_NEAR(layout().findPiece(ids[1])->z, 188.3 * std::sin(3.0 * M_PI / 180.0), 1e-6);
    EXPECT_NEAR(layout().findPiece(ids[3])->z, 3 * 188.3 * std::sin(3.0 * M_PI / 180.0), 1e-6);

    // DOWN starts a falling grade.
    select({ids[3]});
    gui::named<wxRadioButton>(*panel, "down")->SetValue(true);
    gui::setSpinDouble(*gui::named<wxSpinCtrlDouble>(*panel, "angle"), 1.5);
    gui::clickButton(*panel, kStartGradeId);
    EXPECT_DOUBLE_EQ(layout().findPiece(ids[3])->grade, -1.5);
    EXPECT_EQ(host.statusText(StatusField::Prompt), "Elevation: DOWN 1.5 deg");

    gui::clickButton(*panel, kEndGradeId);
    EXPECT_DOUBLE_EQ(layout().findPiece(ids[3])->grade, 0.0);
    EXPECT_EQ(host.statusText(StatusField::Prompt), "Grade ended - subsequent pieces will be flat");
    EXPECT_EQ(label(*panel, "grade"), "-");

    // The first piece raised by hand; Recalc on the second puts it on the first one's far end.
    select({first});
    wxTextCtrl& height = control<wxTextCtrl>(kHeightBoxId);
    gui::typeText(height, "abc");
    const size_t before = layout().undoStack.size();
    pressEnter(height);
    EXPECT_EQ(layout().undoStack.size(), before) << "text that is not a number is ignored";
    gui::typeText(height, "10");
    pressEnter(height);
    EXPECT_DOUBLE_EQ(layout().findPiece(first)->z, 10.0);
    select({ids[1]});
    gui::clickButton(*panel, kRecalcId);
    EXPECT_NEAR(layout().findPiece(ids[1])->z, 10.0 + 188.3 * std::sin(3.0 * M_PI / 180.0), 1e-6);
    EXPECT_EQ(control<wxTextCtrl>(kHeightBoxId).GetValue(), "19.9");
}

TEST_F(PanelTest, LevelChoiceMovesPiecesAndAHelixWithTheTrackAboveIt)
{
    const int upper = addLevel(layout(), "Upper");
    layout().findLevel(upper)->height = 100.0;
    layout().activeLevel = 1;
    session.commit(Changes::ofLevels());

    ASSERT_TRUE(addHelix(layout(), 500, 500, 0, "").changed());
    const Helix helix = layout().helices.back();
    const int above = gui::attachPiece(layout(), helix.topR1, 1, "24188");
    const int below = gui::attachPiece(layout(), helix.bottomR1, 0, "24188");
    const int loose = gui::placePiece(layout(), "24172", -800, 0, 0);
    session.commit(Changes::ofContent());

    deselectAll(layout());
    for (PlacedPiece& p : layout().pieces)
        p.selected = p.helix == helix.id;
    session.commit(Changes::ofSelection());
    wxChoice& levels = control<wxChoice>(kLevelChoiceId);
    gui::choose(levels, levels.FindString("Upper"));
    const double rise = findHelixKit(defaultHelixKitId())->rise;
    EXPECT_DOUBLE_EQ(layout().findPiece(helix.bottomR2)->z, 100.0);
    EXPECT_DOUBLE_EQ(layout().findPiece(helix.topR2)->z, 100.0 + rise);
    EXPECT_EQ(layout().findPiece(above)->level, upper);
    EXPECT_DOUBLE_EQ(layout().findPiece(above)->z, 100.0 + rise);
    EXPECT_EQ(layout().findPiece(below)->level, 1) << "the track at the bottom stays";
    EXPECT_EQ(layout().activeLevel, upper);

    select({loose});
    gui::choose(levels, levels.FindString("Upper"));
    EXPECT_EQ(layout().findPiece(loose)->level, upper);
    EXPECT_DOUBLE_EQ(layout().findPiece(loose)->z, 100.0);
    EXPECT_EQ(levels.GetStringSelection(), "Upper");

    // Stubs of two helices show a stub's details; the choice moves nothing (helix track moves only with
    // its helix) and shows the stub's level again.
    ASSERT_TRUE(addHelix(layout(), 3000, 500, 0, "").changed());
    ASSERT_TRUE(addHelix(layout(), 5000, 500, 0, "").changed());
    deselectAll(layout());
    for (PlacedPiece& p : layout().pieces)
        p.selected = p.helix != -1 && p.helix != helix.id;
    session.commit(Changes::ofSelection());
    EXPECT_EQ(levels.GetStringSelection(), "Level 1");
    const size_t snapshots = layout().undoStack.size();
    gui::choose(levels, levels.FindString("Upper"));
    EXPECT_EQ(layout().undoStack.size(), snapshots);
    EXPECT_EQ(levels.GetStringSelection(), "Level 1");
}

TEST_F(PanelTest, ColourAndLabel)
{
    const std::vector<int> ids = straights(2);
    select({ids[0], ids[1]});
    gui::choose(control<wxChoice>(kColourChoiceId), 1);
    gui::clickButton(*panel, kApplyColourId);
    for (int id : ids) {
        const PlacedPiece& p = *layout().findPiece(id);
        EXPECT_TRUE(p.hasColour);
        EXPECT_EQ(wxColour(p.red, p.green, p.blue), wxColour(220, 60, 60));
    }
    EXPECT_FALSE(anythingSelected(layout())) << "Apply clears the selection";
    EXPECT_EQ(title(), "No selection");

    select({ids[0]});
    gui::choose(control<wxChoice>(kColourChoiceId), 0);
    gui::clickButton(*panel, kApplyColourId);
    EXPECT_FALSE(layout().findPiece(ids[0])->hasColour) << "\"Default\" takes the colour away";

    wxTextCtrl& box = control<wxTextCtrl>(kLabelBoxId);
    gui::typeText(box, "   ");
    gui::clickButton(*panel, kLabelOkId);
    EXPECT_TRUE(layout().labels.empty());
    gui::typeText(box, "Hilltop  ");
    pressEnter(box);
    ASSERT_EQ(layout().labels.size(), 1u);
    EXPECT_EQ(layout().labels[0].text, "Hilltop");
    EXPECT_DOUBLE_EQ(layout().labels[0].x, 0.0) << "without a canvas click the label goes to the origin";
    EXPECT_EQ(box.GetValue(), "");
}

TEST_F(PanelTest, TallyListShowsTheCountsAndIsRebuiltOnlyWhenTheyChange)
{
    gui::placePiece(layout(), "24630", 0, 0, 0);
    gui::placePiece(layout(), "74636", 0, 300, 0);
    for (int i = 0; i < 4; ++i)
        gui::placePiece(layout(), "74871", 100.0 * i, 600, 0);
    session.commit(Changes::ofContent());

    const std::vector<std::string> expected = {
        "24360 - 360mm|1", "24630 Three-Way Turnout 2x24.3°|1", "74636 Arch Bridge 360mm|1",
        "74871 Turntable Spoke Extension 57.5mm|2", "We Recommend|", "74491 Turnout Motor|2", "74462 Decoder|1"};
    EXPECT_EQ(listRows(), expected);
    wxListCtrl& list = panel->tallyList();
    EXPECT_EQ(list.GetItemTextColour(4), wxColour(60, 60, 160));
    EXPECT_EQ(list.GetItemFont(4).GetWeight(), wxFONTWEIGHT_BOLD);
    const wxFont plain = list.GetItemFont(5);
    EXPECT_TRUE(!plain.IsOk() || plain.GetWeight() != wxFONTWEIGHT_BOLD);
    // The names take the width the pane leaves beside the 40-pixel count.
    EXPECT_GT(list.GetClientSize().GetWidth(), 150);
    EXPECT_EQ(list.GetColumnWidth(0), list.GetClientSize().GetWidth() - 40);

    // The counter outlives the list, which clears itself once more when it is destroyed.
    list.Bind(wxEVT_LIST_DELETE_ALL_ITEMS, [this](wxListEvent& event) {
        ++rebuilds;
        event.Skip();
    });
    select({layout().pieces[0].id});
    layout().pieces[0].x += 50.0;
    session.commit(Changes::ofContent());
    EXPECT_EQ(rebuilds, 0) << "a move leaves the counts, and the list, alone";

    gui::placePiece(layout(), "74871", 500, 600, 0);
    session.commit(Changes::ofContent());
    EXPECT_EQ(rebuilds, 0) << "a fifth extension still makes two packs";
    pushHistory(layout());
    gui::placePiece(layout(), "24188", 500, 900, 0);
    session.commit(Changes::ofContent());
    EXPECT_EQ(rebuilds, 1);
    EXPECT_EQ(listRows()[0], "24188 - 188.3mm|1");

    ASSERT_TRUE(session.undo());
    EXPECT_EQ(listRows(), expected) << "Undo reaches the list through the session";
}

TEST_F(PanelTest, BuyTrackWarnsAboutMissingPiecesAndOpensTheCart)
{
    ASSERT_TRUE(panel->store().ok()) << panel->store().error;
    gui::placePiece(layout(), "24188", 0, 0, 0);
    gui::placePiece(layout(), "24188", 0, 200, 0);
    gui::placePiece(layout(), "62611", 0, 400, 0);
    session.commit(Changes::ofContent());
    {
        DialogScript script({DialogScript::answer(wxID_OK)});
        gui::clickButtonLabelled(*panel, "  Buy Track  ");
        ASSERT_EQ(script.shown().size(), 1u);
        EXPECT_EQ(script.shown()[0].title, "Some pieces not available");
        EXPECT_EQ(script.shown()[0].message,
                  "The following pieces are not available in the store and will be skipped:\n  62611\n");
    }
    const std::string base = panel->store().table.baseUrl;
    const auto id = [&](const char* article) { return *panel->store().table.identifierOf(article); };
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], base + "/cart/" + id("24188") + ":2," + id("74491") + ":1," + id("74462") + ":1");

    // Without a browser the address is offered for copying.
    panel->setBrowser(std::make_unique<RecordingBrowser>(false, opened));
    std::string offered;
    {
        DialogScript script({DialogScript::answer(wxID_OK), DialogScript::with<wxDialog>([&](wxDialog& dialog) {
                                 auto* field = gui::named<wxTextCtrl>(dialog, "copyable");
                                 if (field != nullptr) {
                                     offered = field->GetValue().utf8_string();
                                     EXPECT_FALSE(field->IsEditable());
                                 }
                                 return static_cast<int>(wxID_OK);
                             })});
        gui::clickButtonLabelled(*panel, "  Buy Track  ");
        EXPECT_TRUE(script.allPlayed());
        EXPECT_EQ(script.shown().back().title, "Buy Track");
    }
    EXPECT_EQ(offered, opened.back());

    // A layout of TRIX track only has nothing to buy.
    layout().pieces.clear();
    gui::placePiece(layout(), "62188", 0, 0, 0);
    session.commit(Changes::ofContent());
    DialogScript script({DialogScript::answer(wxID_OK)});
    gui::clickButtonLabelled(*panel, "  Buy Track  ");
    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.shown()[0].message, "No purchasable track pieces found in your layout.");
    EXPECT_EQ(opened.size(), 2u);
}

TEST_F(PanelTest, AboutBuyTrackShowsPictureTextLinkAndButton)
{
    bool played = false;
    DialogScript script({DialogScript::with<wxDialog>([&](wxDialog& dialog) {
        played = true;
        EXPECT_EQ(dialog.GetTitle(), "Buy Track - How it works");
        EXPECT_EQ(dialog.GetSize(), wxSize(480, 840));
        EXPECT_TRUE(dialog.HasFlag(wxSTAY_ON_TOP));
        auto* picture = gui::named<wxStaticBitmap>(dialog, "picture");
        if (picture != nullptr) {
            EXPECT_EQ(picture->GetBitmap().GetSize(), wxSize(450, 510));
        }
        EXPECT_NE(gui::staticTexts(dialog).find("Brindlemoor website"), std::string::npos);
        auto* link = gui::named<wxHyperlinkCtrl>(dialog, "link");
        if (link != nullptr) {
            EXPECT_EQ(link->GetURL().utf8_string(), panel->store().table.homeUrl);
        }
        auto* button = dynamic_cast<wxButton*>(dialog.FindWindow(wxID_OK));
        EXPECT_TRUE(button != nullptr && button->GetLabel() == "Got it!");
        return static_cast<int>(wxID_OK);
    })});
    gui::clickButtonLabelled(*panel, "?");
    EXPECT_TRUE(played);
}

TEST_F(PanelTest, WithoutAStoreTableBuyTrackSaysWhyAndTheLinkFallsBack)
{
    open({userFolder.path()});
    EXPECT_FALSE(panel->store().ok());
    ASSERT_FALSE(host.log.empty());
    EXPECT_EQ(host.log.back().rfind("Store table: No store table was found", 0), 0u) << host.log.back();

    gui::placePiece(layout(), "24188", 0, 0, 0);
    session.commit(Changes::ofContent());
    EXPECT_EQ(listRows(), std::vector<std::string>{"24188 - 188.3mm|1"}) << "the tally counts all the same";
    {
        DialogScript script({DialogScript::answer(wxID_OK)});
        gui::clickButtonLabelled(*panel, "  Buy Track  ");
        ASSERT_EQ(script.shown().size(), 1u);
        EXPECT_EQ(script.shown()[0].message.rfind("The store table could not be read", 0), 0u);
    }
    EXPECT_TRUE(opened.empty());

    std::string link;
    DialogScript script({DialogScript::with<wxDialog>([&](wxDialog& dialog) {
        if (auto* control = gui::named<wxHyperlinkCtrl>(dialog, "link"))
            link = control->GetURL().utf8_string();
        return static_cast<int>(wxID_OK);
    })});
    gui::clickButtonLabelled(*panel, "?");
    EXPECT_EQ(link, "https://fallback.example");
}

// The details of a run of thousands of pieces are cut for the screen, not laid out whole.
TEST_F(PanelTest, AVeryLongRunTitleIsShortenedOnScreen)
{
    straights(300);
    selectAllPiecesAndScenery(layout());
    session.commit(Changes::ofSelection());
    EXPECT_EQ(panel->shown().title.size(), 300 * 5 + 299 * 3);
    const std::string shown = title();
    EXPECT_LT(shown.size(), 420u);
    EXPECT_EQ(shown.substr(0, 13), "24188 + 24188");
    EXPECT_EQ(shown.substr(shown.size() - 3), "\u2026");
    EXPECT_EQ(detail(), "300 pieces  |  56490.0 mm");
}

} // namespace
} // namespace layrail
