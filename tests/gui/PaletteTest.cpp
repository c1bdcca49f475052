#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/choice.h>
#include <wx/dcmemory.h>
#include <wx/listbox.h>
#include <wx/notebook.h>

#include "DialogScript.h"
#include "GuiTestSupport.h"
#include "support/FileTestSupport.h"
#include "app/CommandIds.h"
#include "app/ui/MainFrame.h"
#include "app/ui/OpenLayoutDialog.h"
#include "canvas/ui/CanvasPanel.h"
#include "catalog/HelixKits.h"
#include "catalog/SceneryCatalog.h"
#include "catalog/TrackCatalog.h"
#include "document/History.h"
#include "document/LibraryBlock.h"
#include "document/WorldConnectors.h"
#include "panels/PiecePreview.h"
#include "panels/ui/PalettePanel.h"
#include "panels/ui/PiecePreviewPopup.h"

namespace layrail {
namespace {

namespace fs = std::filesystem;
using gui::DialogScript;

std::vector<std::string> rowsOf(const wxListBox& box)
{
    std::vector<std::string> rows;
    for (unsigned i = 0; i < box.GetCount(); ++i)
        rows.push_back(box.GetString(i).utf8_string());
    return rows;
}

int rowOfKey(const PaletteList& list, const std::string& key)
{
    const auto found = std::find(list.keys.begin(), list.keys.end(), key);
    return found == list.keys.end() ? -1 : static_cast<int>(found - list.keys.begin());
}

void sendListMouse(wxListBox& box, wxEventType type, wxPoint at, bool leftDown)
{
    wxMouseEvent event(type);
    event.SetEventObject(&box);
    event.SetId(box.GetId());
    event.m_x = at.x;
    event.m_y = at.y;
    event.m_leftDown = leftDown;
    box.ProcessWindowEvent(event);
}

void doubleClickRow(wxListBox& box, int row)
{
    box.SetSelection(row);
    wxCommandEvent event(wxEVT_LISTBOX_DCLICK, box.GetId());
    event.SetEventObject(&box);
    event.SetInt(row);
    box.ProcessWindowEvent(event);
}

class PaletteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = gui::createMainFrame();
        frame->setLayoutsFolder(folder.path());
    }
    void TearDown() override
    {
        canvas().cancelDrag();
        EXPECT_LAYOUT_CONSISTENT(frame->layout());
        gui::destroyMainFrame(frame);
    }

    Layout& layout() { return frame->layout(); }
    PalettePanel& palette() { return *frame->palette(); }
    CanvasPanel& canvas() { return *frame->canvas(); }
    wxListBox& list(int id) { return *wxStaticCast(wxWindow::FindWindowById(id, &palette()), wxListBox); }
    wxChoice& chooser() { return *wxStaticCast(wxWindow::FindWindowById(kPaletteSystemChoice, &palette()), wxChoice); }
    wxNotebook& notebook() { return *wxStaticCast(list(kPaletteTrackList).GetParent(), wxNotebook); }
    const PaletteList& contents(int id) { return palette().listContents(id); }

    void chooseSystem(int index)
    {
        chooser().SetSelection(index);
        wxCommandEvent event(wxEVT_CHOICE, kPaletteSystemChoice);
        event.SetEventObject(&chooser());
        event.SetInt(index);
        chooser().ProcessWindowEvent(event);
    }

    std::vector<std::string> pageTitles()
    {
        std::vector<std::string> titles;
        for (size_t i = 0; i < notebook().GetPageCount(); ++i)
            titles.push_back(notebook().GetPageText(i).utf8_string());
        return titles;
    }

    // A point inside the row as the list shows it now; (-1, -1) when the row is not in view.
    wxPoint rowPoint(int id, int row)
    {
        wxListBox& box = list(id);
        for (int y = 0; y < box.GetClientSize().y; ++y)
            if (box.HitTest(wxPoint(10, y)) == row && box.HitTest(wxPoint(10, y + 3)) == row)
                return wxPoint(10, y + 3);
        return wxPoint(-1, -1);
    }

    // Presses on the Track list row and drags, as the user starts carrying a piece away.
    void dragTrackRow(int row)
    {
        wxListBox& track = list(kPaletteTrackList);
        track.SetSelection(row);
        const wxPoint at = rowPoint(kPaletteTrackList, row);
        sendListMouse(track, wxEVT_LEFT_DOWN, at, true);
        sendListMouse(track, wxEVT_MOTION, at + wxPoint(0, 4), true);
    }

    // Moves the carried piece to the layout point and clicks there.
    void dropAt(Point world)
    {
        const int x = canvas().view().toScreenX(world.x);
        const int y = canvas().view().toScreenY(world.y);
        gui::sendMouse(canvas(), wxEVT_MOTION, x, y);
        gui::sendMouse(canvas(), wxEVT_LEFT_DOWN, x, y);
        gui::sendMouse(canvas(), wxEVT_LEFT_UP, x, y);
    }

    test::TempFolder folder{"palette"};
    MainFrame* frame = nullptr;
};

TEST_F(PaletteTest, ChooserTextAndPagesAsBuilt)
{
    ASSERT_EQ(chooser().GetCount(), 4u);
    const char* names[] = {"Marklin C-Track", "Marklin K-Track", "TRIX C-Track", "Marklin Z-Track"};
    for (unsigned i = 0; i < 4; ++i)
        EXPECT_EQ(chooser().GetString(i).utf8_string(), names[i]);
    EXPECT_EQ(chooser().GetSelection(), 0);
    EXPECT_EQ(pageTitles(), (std::vector<std::string>{"Track", "Library", "Scenery", "Signals"}));
    EXPECT_EQ(notebook().GetPage(0), &list(kPaletteTrackList));
    EXPECT_EQ(notebook().GetPage(3), &list(kPaletteSignalsList));
    EXPECT_TRUE(palette().sceneryPagePresent());
    EXPECT_EQ(palette().pointer().hoverIndex(), -1);
    EXPECT_FALSE(palette().pointer().dragSuppressed());
    EXPECT_FALSE(palette().previewPopup().IsShown());
}

TEST_F(PaletteTest, ListBoxesShowTheRowsAndKeysOfEachSystem)
{
    const auto& defs = SceneryCatalog::instance().all();
    for (int system = 0; system < 4; ++system) {
        chooseSystem(system);
        const PaletteList expected = buildTrackList(system, TrackCatalog::instance(), helixKits());
        EXPECT_EQ(rowsOf(list(kPaletteTrackList)), expected.rows) << system;
        EXPECT_EQ(contents(kPaletteTrackList).keys, expected.keys) << system;
        EXPECT_EQ(rowsOf(list(kPaletteSignalsList)), buildSignalsList(system, defs).rows) << system;
        EXPECT_EQ(contents(kPaletteSignalsList).keys.size(), list(kPaletteSignalsList).GetCount());
        EXPECT_EQ(rowsOf(list(kPaletteSceneryList)), buildSceneryList(defs).rows);
        EXPECT_EQ(list(kPaletteLibraryList).GetCount(), 0u);

        for (const std::string& key : contents(kPaletteSignalsList).keys) {
            if (key.empty())
                continue;
            const SceneryDef* def = SceneryCatalog::instance().find(key);
            ASSERT_NE(def, nullptr) << key;
            EXPECT_EQ(def->category, SceneryCategory::Signals);
            EXPECT_EQ(def->zScale, system == kPaletteMarklinZ) << key;
        }
    }

    chooseSystem(kPaletteMarklinK);
    const std::vector<std::string> kRows = rowsOf(list(kPaletteTrackList));
    ASSERT_GE(kRows.size(), 3u);
    EXPECT_EQ(kRows[0], "--- Straights");
    EXPECT_EQ(contents(kPaletteTrackList).keys[0], "");
    EXPECT_EQ(contents(kPaletteTrackList).keys[1], "2200");
    EXPECT_EQ(kRows[1], TrackCatalog::instance().find("2200")->description);
    EXPECT_EQ(std::count(kRows.begin(), kRows.end(), "--- Helix"), 0);

    chooseSystem(kPaletteMarklinC);
    const PaletteList& cTrack = contents(kPaletteTrackList);
    const int helixHeader = static_cast<int>(
        std::find(cTrack.rows.begin(), cTrack.rows.end(), "--- Helix") - cTrack.rows.begin());
    ASSERT_LT(helixHeader, static_cast<int>(cTrack.rows.size()));
    EXPECT_EQ(static_cast<int>(cTrack.rows.size()) - helixHeader - 1, static_cast<int>(helixKits().size()));
    EXPECT_EQ(cTrack.keys.back(), "@helix:" + helixKits().back().kitId);
    EXPECT_EQ(std::count(cTrack.keys.begin(), cTrack.keys.end(), "24294"), 2);
}

TEST_F(PaletteTest, ZTrackRemovesTheSceneryPageAndOtherSystemsBringItBack)
{
    wxListBox* scenery = &list(kPaletteSceneryList);
    const size_t sceneryRows = scenery->GetCount();
    notebook().SetSelection(2);
    chooseSystem(kPaletteMarklinZ);
    EXPECT_FALSE(palette().sceneryPagePresent());
    EXPECT_EQ(pageTitles(), (std::vector<std::string>{"Track", "Library", "Signals"}));
    EXPECT_EQ(notebook().GetSelection(), 0);

    chooseSystem(kPaletteMarklinZ);
    EXPECT_EQ(notebook().GetPageCount(), 3u);

    chooseSystem(kPaletteTrixC);
    EXPECT_TRUE(palette().sceneryPagePresent());
    EXPECT_EQ(pageTitles(), (std::vector<std::string>{"Track", "Library", "Signals", "Scenery"}));
    EXPECT_EQ(notebook().GetPage(3), scenery);
    EXPECT_EQ(scenery->GetCount(), sceneryRows);

    // Leaving Z-Track while another page shows keeps that page.
    notebook().SetSelection(1);
    chooseSystem(kPaletteMarklinZ);
    EXPECT_EQ(notebook().GetSelection(), 1);
    palette().populate();
    EXPECT_TRUE(palette().sceneryPagePresent());
    EXPECT_EQ(notebook().GetPageCount(), 4u);
}

TEST_F(PaletteTest, FollowsTheTrackSystemOfALoadedLayout)
{
    const std::vector<std::pair<std::vector<std::string>, int>> cases = {
        {{"8500", "2200"}, kPaletteMarklinK},
        {{"8500", "62188"}, kPaletteTrixC},
        {{"2200", "24188"}, kPaletteMarklinC},
        {{"8500"}, kPaletteMarklinZ},
        {{"99999"}, kPaletteMarklinC},
    };
    for (const auto& [articles, index] : cases) {
        layout().pieces.clear();
        for (const std::string& article : articles)
            gui::placePiece(layout(), article, 0, 0, 0);
        chooseSystem(index == kPaletteMarklinZ ? kPaletteMarklinC : kPaletteMarklinZ);
        palette().selectSystemForLayout();
        EXPECT_EQ(palette().systemIndex(), index) << articles[0];
        EXPECT_EQ(contents(kPaletteTrackList).keys,
                  buildTrackList(index, TrackCatalog::instance(), helixKits()).keys);
        EXPECT_EQ(palette().sceneryPagePresent(), index != kPaletteMarklinZ);
    }
    layout().pieces.clear();
}

TEST_F(PaletteTest, DoubleClickPlacesAgainstTheSelectionAndSuppressesTheDrag)
{
    const int first = gui::placePiece(layout(), "24188", 0, 0, 0);
    layout().findPiece(first)->selected = true;
    wxListBox& track = list(kPaletteTrackList);

    doubleClickRow(track, 0);
    EXPECT_EQ(layout().pieces.size(), 1u);
    EXPECT_FALSE(palette().pointer().dragSuppressed());

    const int row = rowOfKey(contents(kPaletteTrackList), "24188");
    doubleClickRow(track, row);
    ASSERT_EQ(layout().pieces.size(), 2u);
    EXPECT_EQ(layout().findPiece(first)->joints[1].target, layout().pieces[1].id);
    EXPECT_TRUE(frame->session().modified());
    EXPECT_TRUE(palette().pointer().dragSuppressed());

    // The button still held after the double-click does not carry a second piece off.
    const wxPoint at = rowPoint(kPaletteTrackList, row);
    sendListMouse(track, wxEVT_MOTION, at, true);
    EXPECT_FALSE(canvas().placement().active());

    sendListMouse(track, wxEVT_LEFT_DOWN, at, true);
    EXPECT_FALSE(palette().pointer().dragSuppressed());
    sendListMouse(track, wxEVT_MOTION, at, true);
    EXPECT_TRUE(canvas().placement().palette.active);
    EXPECT_EQ(canvas().placement().palette.article, "24188");
    EXPECT_FALSE(palette().previewPopup().IsShown());
    canvas().cancelDrag();

    // A drag from a header row starts nothing; neither does a motion without the button.
    track.SetSelection(0);
    sendListMouse(track, wxEVT_MOTION, rowPoint(kPaletteTrackList, 0), true);
    EXPECT_FALSE(canvas().placement().active());
    track.SetSelection(row);
    sendListMouse(track, wxEVT_MOTION, at, false);
    EXPECT_FALSE(canvas().placement().active());
}

TEST_F(PaletteTest, HoverShowsThePieceNextToThePointer)
{
    wxListBox& track = list(kPaletteTrackList);
    PiecePreviewPopup& popup = palette().previewPopup();
    const int row = rowOfKey(contents(kPaletteTrackList), "24188");
    const wxPoint at = rowPoint(kPaletteTrackList, row);
    ASSERT_NE(at.x, -1);

    sendListMouse(track, wxEVT_MOTION, at, false);
    EXPECT_TRUE(popup.IsShown());
    ASSERT_NE(popup.piece(), nullptr);
    EXPECT_EQ(popup.piece()->article, "24188");
    EXPECT_EQ(palette().pointer().hoverIndex(), row);
    const wxPoint screen = track.ClientToScreen(at);
    EXPECT_EQ(popup.GetPosition(), wxPoint(screen.x + 8, screen.y - 27));
    EXPECT_EQ(popup.GetClientSize(), wxSize(80, 55));

    // The same row again leaves the popup where it is.
    sendListMouse(track, wxEVT_MOTION, at + wxPoint(20, 1), false);
    EXPECT_EQ(popup.GetPosition(), wxPoint(screen.x + 8, screen.y - 27));

    sendListMouse(track, wxEVT_MOTION, rowPoint(kPaletteTrackList, 0), false);
    EXPECT_FALSE(popup.IsShown());
    EXPECT_EQ(palette().pointer().hoverIndex(), -1);

    sendListMouse(track, wxEVT_MOTION, at, false);
    EXPECT_TRUE(popup.IsShown());
    sendListMouse(track, wxEVT_LEAVE_WINDOW, wxPoint(-5, -5), false);
    EXPECT_FALSE(popup.IsShown());
    EXPECT_EQ(popup.piece(), nullptr);

    sendListMouse(track, wxEVT_MOTION, at, false);
    sendListMouse(track, wxEVT_LEFT_DOWN, at, true);
    EXPECT_FALSE(popup.IsShown());
    EXPECT_EQ(palette().pointer().hoverIndex(), -1);
}

TEST_F(PaletteTest, PreviewDrawsThePieceScaledIntoThePopup)
{
    PiecePreviewPopup& popup = palette().previewPopup();
    wxBitmap bitmap(kPreviewWidth, kPreviewHeight, 24);
    auto paint = [&] {
        wxMemoryDC dc(bitmap);
        popup.paintPreview(dc);
    };
    paint();
    wxImage empty = bitmap.ConvertToImage();
    EXPECT_TRUE(gui::colourNear(empty, 40, 30, 255, 255, 240, 0, 0)) << gui::pixelText(empty, 40, 30);
    EXPECT_TRUE(gui::colourNear(empty, 0, 0, 255, 255, 240, 0, 0)) << gui::pixelText(empty, 0, 0);

    const CatalogPiece& straight = *TrackCatalog::instance().find("24188");
    popup.showPiece(straight, wxPoint(100, 100));
    paint();
    wxImage image = bitmap.ConvertToImage();
    EXPECT_TRUE(gui::colourNear(image, 0, 0, 180, 180, 180, 0, 8)) << gui::pixelText(image, 0, 0);
    EXPECT_TRUE(gui::colourNear(image, 79, 54, 180, 180, 180, 0, 8)) << gui::pixelText(image, 79, 54);
    // 188.3 mm at 0.289 px/mm: the bed runs from x 13 to 67 around the middle line y 30.5.
    const double scale = previewScale(straight);
    EXPECT_NEAR(scale, 68.0 / 188.3 * 0.8, 1e-9);
    EXPECT_TRUE(gui::colourNear(image, 19, 28, 210, 210, 205, 1, 6)) << gui::pixelText(image, 19, 28);
    EXPECT_TRUE(gui::colourNear(image, 6, 30, 255, 255, 240, 0, 0)) << gui::pixelText(image, 6, 30);
    EXPECT_TRUE(gui::colourNear(image, 74, 30, 255, 255, 240, 0, 0)) << gui::pixelText(image, 74, 30);
    EXPECT_TRUE(gui::colourNear(image, 40, 42, 255, 255, 240, 0, 0)) << gui::pixelText(image, 40, 42);
    // The article number is written in dark grey across the top.
    bool text = false;
    for (int x = 20; x < 60 && !text; ++x)
        for (int y = 2; y < 12 && !text; ++y)
            text = gui::colourNear(image, x, y, 60, 60, 60, 0, 30);
    EXPECT_TRUE(text);
    popup.hidePreview();
}

TEST_F(PaletteTest, SceneryRowsStartSceneryPlacementFromTheShownPage)
{
    wxListBox& scenery = list(kPaletteSceneryList);
    wxListBox& signals = list(kPaletteSignalsList);
    const int sceneryRow = 1;
    const int signalRow = 1;
    ASSERT_FALSE(contents(kPaletteSceneryList).keyAt(sceneryRow).empty());
    ASSERT_FALSE(contents(kPaletteSignalsList).keyAt(signalRow).empty());

    notebook().SetSelection(2);
    doubleClickRow(scenery, sceneryRow);
    EXPECT_TRUE(canvas().placement().scenery.active);
    EXPECT_EQ(canvas().placement().scenery.item, contents(kPaletteSceneryList).keyAt(sceneryRow));
    canvas().cancelDrag();

    notebook().SetSelection(3);
    signals.SetSelection(signalRow);
    sendListMouse(signals, wxEVT_LEFT_DOWN, wxPoint(10, 10), true);
    sendListMouse(signals, wxEVT_MOTION, wxPoint(10, 20), true);
    EXPECT_TRUE(canvas().placement().scenery.active);
    EXPECT_EQ(canvas().placement().scenery.item, contents(kPaletteSignalsList).keyAt(signalRow));
    canvas().cancelDrag();

    signals.SetSelection(0);
    doubleClickRow(signals, 0);
    EXPECT_FALSE(canvas().placement().active());
}

// Three pieces of a block: a and b joined, b joined to a piece outside the block.
LibraryBlock writeTestBlock(const std::string& path)
{
    Layout source;
    source.ensureDefaultLevel();
    const int outside = gui::placePiece(source, "24188", 5000, 5000, 0);
    const int a = gui::attachPiece(source, outside, 1, "24188");
    gui::attachPiece(source, a, 1, "24130");
    for (PlacedPiece& piece : source.pieces)
        piece.selected = piece.id != outside;
    SceneryItem tree;
    tree.id = source.takeId();
    tree.item = SceneryCatalog::instance().all().front().id;
    tree.x = 5100;
    tree.y = 4900;
    tree.selected = true;
    source.scenery.push_back(tree);
    EXPECT_EQ(writeBlock(source, path, "Test"), "");
    LibraryBlock block;
    EXPECT_EQ(readBlock(path, block), "");
    return block;
}

TEST_F(PaletteTest, DoubleClickOnABlockAddsItWithFreshIdsAtTheOrigin)
{
    fs::create_directories(palette().libraryFolder());
    const LibraryBlock block = writeTestBlock(palette().libraryFolder() + "/Test.xml");
    palette().refreshLibraryList();
    ASSERT_EQ(rowsOf(list(kPaletteLibraryList)), std::vector<std::string>{"Test"});

    const int before = gui::placePiece(layout(), "24188", 0, 0, 0);
    const int firstNew = layout().nextId;
    doubleClickRow(list(kPaletteLibraryList), 0);

    ASSERT_EQ(layout().pieces.size(), 3u);
    ASSERT_EQ(layout().scenery.size(), 1u);
    EXPECT_EQ(layout().undoStack.size(), 1u);
    EXPECT_TRUE(frame->session().modified());
    const PlacedPiece& a = layout().pieces[1];
    const PlacedPiece& b = layout().pieces[2];
    EXPECT_EQ(a.id, firstNew);
    EXPECT_EQ(b.id, firstNew + 1);
    EXPECT_EQ(layout().scenery[0].id, firstNew + 2);
    EXPECT_NE(a.id, before);
    // The joint to the piece left outside opened; the inner one follows the new ids.
    EXPECT_EQ(a.joints[0].target, -1);
    EXPECT_EQ(a.joints[1].target, b.id);
    EXPECT_EQ(b.joints[0].target, a.id);
    double minX = 1e9, minY = 1e9;
    for (const PlacedPiece* piece : {&a, &b}) {
        minX = std::min(minX, piece->x);
        minY = std::min(minY, piece->y);
    }
    minX = std::min(minX, layout().scenery[0].x);
    minY = std::min(minY, layout().scenery[0].y);
    EXPECT_NEAR(minX, 0.0, 1e-9);
    EXPECT_NEAR(minY, 0.0, 1e-9);
    EXPECT_NEAR(a.x - layout().scenery[0].x, block.pieces[0].x - block.scenery[0].x, 1e-9);
    EXPECT_FALSE(layout().scenery[0].selected);
}

TEST_F(PaletteTest, ABrokenBlockIsReportedAndChangesNothing)
{
    fs::create_directories(palette().libraryFolder());
    const std::string path = palette().libraryFolder() + "/Broken.xml";
    {
        std::ofstream out(path);
        out << "<block name=\"Broken\" version=\"1\">\n  <piece id=\"x\" cat=\"24188\" x=\"0\" y=\"0\" heading=\"0\">\n";
    }
    palette().refreshLibraryList();
    gui::placePiece(layout(), "24188", 0, 0, 0);
    DialogScript script({DialogScript::answer(wxID_OK)});
    doubleClickRow(list(kPaletteLibraryList), 0);
    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.shown()[0].title, "Load Block Failed");
    EXPECT_EQ(layout().pieces.size(), 1u);
    EXPECT_FALSE(canUndo(layout()));
    EXPECT_FALSE(frame->session().modified());
}

TEST_F(PaletteTest, DeletingABlockAsksFirst)
{
    fs::create_directories(palette().libraryFolder());
    const std::string path = palette().libraryFolder() + "/Test.xml";
    writeTestBlock(path);
    palette().refreshLibraryList();
    {
        DialogScript script({DialogScript::answer(wxID_NO)});
        palette().askToDeleteBlock(0);
        ASSERT_EQ(script.shown().size(), 1u);
        EXPECT_EQ(script.shown()[0].title, "Delete Library Block");
        EXPECT_EQ(script.shown()[0].message, "Delete library block \"Test\"?\n\nThis cannot be undone.");
    }
    EXPECT_TRUE(fs::exists(path));
    DialogScript script({DialogScript::answer(wxID_YES)});
    palette().askToDeleteBlock(0);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(list(kPaletteLibraryList).GetCount(), 0u);
}

TEST_F(PaletteTest, LibraryListBelongsToTheChosenSystem)
{
    chooseSystem(kPaletteMarklinK);
    EXPECT_EQ(palette().libraryFolder(), folder.file("library/Marklin_K-Track"));
    fs::create_directories(palette().libraryFolder());
    writeTestBlock(palette().libraryFolder() + "/Ktest.xml");
    chooseSystem(kPaletteMarklinC);
    EXPECT_EQ(list(kPaletteLibraryList).GetCount(), 0u);
    chooseSystem(kPaletteMarklinK);
    EXPECT_EQ(rowsOf(list(kPaletteLibraryList)), std::vector<std::string>{"Ktest"});
    EXPECT_EQ(contents(kPaletteLibraryList).keys[0], folder.file("library/Marklin_K-Track/Ktest.xml"));
}

// The whole way of a piece: chosen in the palette, dragged onto the plan, saved, opened again,
// kept as a block and laid again from the Library page.
TEST_F(PaletteTest, KTrackYardDraggedSavedOpenedAndReusedAsABlock)
{
    chooseSystem(kPaletteMarklinK);
    const TrackCatalog& catalog = TrackCatalog::instance();
    const std::vector<std::string> articles = {"2200", "2221", "2200"};
    Point target{300.0, 400.0};
    for (const std::string& article : articles) {
        const int row = rowOfKey(contents(kPaletteTrackList), article);
        ASSERT_GE(row, 0) << article;
        list(kPaletteTrackList).SetFirstItem(std::max(0, row - 1));
        gui::pumpEvents(3);
        dragTrackRow(row);
        ASSERT_TRUE(canvas().placement().palette.active) << article;
        EXPECT_EQ(canvas().placement().palette.article, article);
        dropAt(target);
        EXPECT_FALSE(canvas().placement().active());
        const PlacedPiece& last = layout().pieces.back();
        const Connector end = worldConnectors(last, *catalog.find(last.article))[1];
        target = Point{end.x, end.y};
    }
    ASSERT_EQ(layout().pieces.size(), 3u);
    const std::vector<PlacedPiece> laid = layout().pieces;
    EXPECT_EQ(laid[0].joints[1].target, laid[1].id);
    EXPECT_EQ(laid[1].joints[0].target, laid[0].id);
    EXPECT_EQ(laid[1].joints[1].target, laid[2].id);
    EXPECT_EQ(laid[2].joints[0].target, laid[1].id);

    {
        DialogScript script({DialogScript::enter("Yard")});
        gui::sendCommand(*frame, kCmdSaveAs);
    }
    EXPECT_TRUE(fs::exists(folder.file("Yard.lyr")));
    gui::sendCommand(*frame, kCmdNewLayout);
    chooseSystem(kPaletteMarklinC);
    EXPECT_TRUE(layout().pieces.empty());
    {
        DialogScript script({DialogScript::with<OpenLayoutDialog>([](OpenLayoutDialog& dialog) {
            EXPECT_TRUE(dialog.selectName("Yard"));
            return static_cast<int>(wxID_OK);
        })});
        gui::sendCommand(*frame, kCmdOpenLayout);
        EXPECT_EQ(script.unexpected(), 0);
    }
    ASSERT_EQ(layout().pieces.size(), 3u);
    for (size_t i = 0; i < laid.size(); ++i) {
        const PlacedPiece& piece = layout().pieces[i];
        EXPECT_EQ(piece.id, laid[i].id);
        EXPECT_EQ(piece.article, laid[i].article);
        EXPECT_NEAR(piece.x, laid[i].x, 1e-3);
        EXPECT_NEAR(piece.y, laid[i].y, 1e-3);
        EXPECT_NEAR(piece.heading, laid[i].heading, 1e-3);
        // The file keeps joined connectors only; open ones may come back as a shorter table.
        for (int c = 0; c < 2; ++c) {
            EXPECT_EQ(piece.isOpen(c), laid[i].isOpen(c)) << i << "/" << c;
            if (!piece.isOpen(c)) {
                EXPECT_EQ(piece.joints[static_cast<size_t>(c)].target, laid[i].joints[static_cast<size_t>(c)].target);
            }
        }
    }
    EXPECT_EQ(palette().systemIndex(), kPaletteMarklinK);
    EXPECT_EQ(frame->GetTitle().utf8_string(), "Layrail v1.3 by Brindlemoor - Yard");

    gui::sendCommand(*frame, kCmdSelectAll);
    {
        DialogScript script({DialogScript::enter("Yard Block"), DialogScript::answer(wxID_OK)});
        gui::sendCommand(*frame, kCmdSaveLibraryBlock);
        ASSERT_EQ(script.shown().size(), 2u);
        EXPECT_EQ(script.shown()[1].message, "Block saved: Yard Block");
    }
    const int row = rowOfKey(contents(kPaletteLibraryList), folder.file("library/Marklin_K-Track/Yard Block.xml"));
    ASSERT_GE(row, 0);
    notebook().SetSelection(1);
    const int firstNew = layout().nextId;
    const size_t undoBefore = layout().undoStack.size();
    doubleClickRow(list(kPaletteLibraryList), row);

    ASSERT_EQ(layout().pieces.size(), 6u);
    EXPECT_EQ(layout().undoStack.size(), undoBefore + 1);
    std::map<int, int> newIdOf;
    for (size_t i = 0; i < 3; ++i) {
        const PlacedPiece& copy = layout().pieces[3 + i];
        EXPECT_EQ(copy.id, firstNew + static_cast<int>(i));
        EXPECT_EQ(copy.article, laid[i].article);
        newIdOf[laid[i].id] = copy.id;
    }
    for (size_t i = 0; i < 3; ++i) {
        const PlacedPiece& copy = layout().pieces[3 + i];
        for (int c = 0; c < 2; ++c) {
            ASSERT_EQ(copy.isOpen(c), laid[i].isOpen(c)) << i << "/" << c;
            if (!copy.isOpen(c)) {
                EXPECT_EQ(copy.joints[static_cast<size_t>(c)].target,
                          newIdOf[laid[i].joints[static_cast<size_t>(c)].target]);
            }
        }
    }
    EXPECT_TRUE(frame->session().modified());
}

} // namespace
} // namespace layrail
