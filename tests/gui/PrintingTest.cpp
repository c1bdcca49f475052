// Printing without a printer: the printout's pages drawn into bitmaps the way the printing system
// asks for them, the Print command with a stand-in printing system, and the real preview window.

#include <algorithm>
#include <cstdlib>
#include <vector>

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/dcmemory.h>
#include <wx/print.h>
#include <wx/radiobox.h>

#include "ControlDriving.h"
#include "DialogScript.h"
#include "GuiTestSupport.h"
#include "Screenshot.h"
#include "app/CommandIds.h"
#include "app/ui/MainFrame.h"
#include "app/ui/PrintCommands.h"
#include "document/LayoutFile.h"
#include "print/ui/LayoutPrintout.h"
#include "print/ui/PrintOptionsDialog.h"

namespace layrail {
namespace {

using gui::DialogScript;

// A printer whose paper is a bitmap: the printing system's calls to a printout, page by page.
struct BitmapPrinter {
    int width = 3300; // letter, landscape, at 300 dpi
    int height = 2550;
    int dpi = 300;
    int pagesInDocument = 0;

    std::vector<wxImage> print(wxPrintout& printout, int mostPages = 1000)
    {
        printout.SetPPIScreen(96, 96);
        printout.SetPPIPrinter(dpi, dpi);
        printout.SetPageSizePixels(width, height);
        printout.SetPaperRectPixels(wxRect(0, 0, width, height));
        printout.SetPageSizeMM(static_cast<int>(width * 25.4 / dpi), static_cast<int>(height * 25.4 / dpi));
        wxBitmap paper(width, height, 24);
        std::vector<wxImage> pages;
        wxMemoryDC dc(paper);
        printout.SetDC(&dc);
        printout.OnPreparePrinting();
        int minPage = 0, maxPage = 0, from = 0, to = 0;
        printout.GetPageInfo(&minPage, &maxPage, &from, &to);
        pagesInDocument = to;
        printout.OnBeginPrinting();
        EXPECT_TRUE(printout.OnBeginDocument(from, to));
        for (int page = from; page <= to && page < from + mostPages && printout.HasPage(page); ++page) {
            dc.SetUserScale(1.0, 1.0);
            dc.SetLogicalOrigin(0, 0);
            dc.SetBackground(*wxWHITE_BRUSH);
            dc.Clear();
            EXPECT_TRUE(printout.OnPrintPage(page)) << page;
            dc.SelectObject(wxNullBitmap);
            pages.push_back(paper.ConvertToImage());
            dc.SelectObject(paper);
        }
        printout.OnEndDocument();
        printout.OnEndPrinting();
        printout.SetDC(nullptr);
        return pages;
    }
};

bool isWhite(const wxImage& image, int x, int y)
{
    return image.GetRed(x, y) > 250 && image.GetGreen(x, y) > 250 && image.GetBlue(x, y) > 250;
}

bool near(const wxImage& image, int x, int y, unsigned char r, unsigned char g, unsigned char b, int tolerance)
{
    return std::abs(image.GetRed(x, y) - r) <= tolerance && std::abs(image.GetGreen(x, y) - g) <= tolerance &&
           std::abs(image.GetBlue(x, y) - b) <= tolerance;
}

// The box around the pixels that pass the test.
template <class Test>
wxRect boundsWhere(const wxImage& image, Test test)
{
    int left = image.GetWidth(), top = image.GetHeight(), right = -1, bottom = -1;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x)
            if (test(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return right < 0 ? wxRect() : wxRect(wxPoint(left, top), wxPoint(right, bottom));
}

// Everything printed on the page.
wxRect inkBounds(const wxImage& image)
{
    return boundsWhere(image, [&](int x, int y) { return !isWhite(image, x, y); });
}

// The baseboard's fill on the row and the column through a point (away from the edges' length
// labels, which sit at their middles).
wxRect boardBounds(const wxImage& image, wxPoint through)
{
    return boundsWhere(image, [&](int x, int y) {
        return (x == through.x || y == through.y) && near(image, x, y, 245, 235, 210, 2);
    });
}

int pixelsNear(const wxImage& image, unsigned char r, unsigned char g, unsigned char b, int tolerance = 3)
{
    int count = 0;
    const unsigned char* data = image.GetData();
    const int n = image.GetWidth() * image.GetHeight();
    for (int i = 0; i < n; ++i, data += 3)
        if (std::abs(data[0] - r) <= tolerance && std::abs(data[1] - g) <= tolerance &&
            std::abs(data[2] - b) <= tolerance)
            ++count;
    return count;
}

// Every pixel of the rectangle has one colour.
bool plainStrip(const wxImage& image, int x, int y, int width, int height)
{
    if (x + width > image.GetWidth() || y + height > image.GetHeight())
        return false;
    for (int py = y; py < y + height; ++py)
        for (int px = x; px < x + width; ++px)
            if (image.GetRed(px, py) != image.GetRed(x, y) || image.GetGreen(px, py) != image.GetGreen(x, y) ||
                image.GetBlue(px, py) != image.GetBlue(x, y))
                return false;
    return true;
}

bool allGrey(const wxImage& image)
{
    const unsigned char* data = image.GetData();
    const int n = image.GetWidth() * image.GetHeight();
    for (int i = 0; i < n; ++i, data += 3)
        if (data[0] != data[1] || data[1] != data[2])
            return false;
    return true;
}

// Level 1 (active, hidden by the user) holds the oval; level 2 holds a straight in red track.
Layout twoLevelOval()
{
    Layout layout;
    layout.ensureDefaultLevel();
    gui::buildOvalWithTurnout(layout);
    Level upper;
    upper.id = 2;
    upper.name = "Upper";
    upper.trackColour = true;
    upper.red = 230;
    upper.green = 40;
    upper.blue = 40;
    layout.levels.push_back(upper);
    const int straight = gui::placePiece(layout, "24188", 200.0, 500.0, 0.0);
    layout.findPiece(straight)->level = 2;
    layout.levels[0].visible = false;
    layout.activeLevel = 1;
    layout.baseboard.vertices = {{-700, -100}, {900, -100}, {900, 1100}, {-700, 1100}};
    return layout;
}

std::string userSwitches(const Layout& layout)
{
    std::string text;
    for (const Level& level : layout.levels)
        text += std::to_string(level.id) + (level.visible ? "+" : "-");
    return text + (layout.gridOn ? "G" : "g") + (layout.baseboardShown ? "B" : "b") + (layout.labelsOn ? "L" : "l");
}

TEST(LayoutPrintout, FitToPageInColourAndGreyscale)
{
    const Layout layout = twoLevelOval();
    const std::string switches = userSwitches(layout);
    PrintOptions options;
    options.levels = PrintLevels::All;
    BitmapPrinter printer;

    LayoutPrintout colour(layout, options);
    EXPECT_EQ(colour.GetTitle(), "Layrail Layout");
    const std::vector<wxImage> colourPages = printer.print(colour);
    ASSERT_EQ(colourPages.size(), 1u);
    const wxImage& page = colourPages[0];
    gui::saveScreenshot(page, "printed-page.png");
    // The baseboard is the whole extent: it fills the page to the 4 % margins (its edge drawn on
    // them), centred.
    const wxRect board = boardBounds(page, wxPoint(1650 + 400, 1275 + 300));
    EXPECT_GE(board.GetLeft(), 132);
    EXPECT_GE(board.GetTop(), 102);
    EXPECT_LE(board.GetRight(), 3300 - 132);
    EXPECT_LE(board.GetBottom(), 2550 - 102);
    EXPECT_TRUE(board.GetTop() - 102 < 8 || board.GetLeft() - 132 < 8) << board.GetTop() << " " << board.GetLeft();
    EXPECT_NEAR(board.GetLeft() + board.GetWidth() / 2.0, 1650.0, 2.0);
    EXPECT_NEAR(board.GetTop() + board.GetHeight() / 2.0, 1275.0, 2.0);
    const wxRect ink = inkBounds(page);
    EXPECT_GT(pixelsNear(page, 245, 235, 210), 100000); // baseboard
    EXPECT_GT(pixelsNear(page, 210, 210, 205), 10000);  // the oval's track
    EXPECT_GT(pixelsNear(page, 230, 40, 40, 10), 1000); // the red straight on level 2

    options.colour = PrintColour::Greyscale;
    LayoutPrintout grey(layout, options);
    const std::vector<wxImage> greyPages = printer.print(grey);
    ASSERT_EQ(greyPages.size(), 1u);
    EXPECT_TRUE(allGrey(greyPages[0]));
    const wxRect greyInk = inkBounds(greyPages[0]);
    EXPECT_NEAR(greyInk.GetLeft(), ink.GetLeft(), 2);
    EXPECT_NEAR(greyInk.GetRight(), ink.GetRight(), 2);
    EXPECT_NEAR(greyInk.GetBottom(), ink.GetBottom(), 2);
    // The oval's track in its grey (0.299 r + 0.587 g + 0.114 b of 210, 210, 205).
    EXPECT_GT(pixelsNear(greyPages[0], 209, 209, 209, 2), 10000);
    EXPECT_EQ(userSwitches(layout), switches);
}

TEST(LayoutPrintout, ActiveLevelOnlyPrintsItWhateverTheUserHides)
{
    Layout layout = twoLevelOval();
    layout.levels[1].visible = false;
    layout.gridOn = true;
    const std::string switches = userSwitches(layout);
    PrintOptions options; // active level only, no grid, the baseboard
    options.includeBaseboard = false;
    BitmapPrinter printer;
    LayoutPrintout printout(layout, options);
    const std::vector<wxImage> pages = printer.print(printout);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_GT(pixelsNear(pages[0], 210, 210, 205), 10000);
    EXPECT_EQ(pixelsNear(pages[0], 230, 40, 40, 10), 0);
    EXPECT_EQ(pixelsNear(pages[0], 245, 235, 210), 0);
    EXPECT_EQ(pixelsNear(pages[0], 220, 220, 215, 0), 0); // no grid though the user shows it
    EXPECT_EQ(userSwitches(layout), switches);

    options.includeGrid = true;
    LayoutPrintout withGrid(layout, options);
    EXPECT_GT(pixelsNear(printer.print(withGrid)[0], 220, 220, 215, 0), 1000);
    EXPECT_EQ(userSwitches(layout), switches);
}

// At 1 : 1 on a 600 dpi printer a board 2400 mm wide takes ten pages across; a printout that ends
// after two of them leaves the layout as it was.
TEST(LayoutPrintout, TenPagesAcrossAtOneToOneOn600Dpi)
{
    Layout layout;
    layout.ensureDefaultLevel();
    layout.baseboard.vertices = {{0, 0}, {2400, 0}, {2400, 1200}, {0, 1200}};
    gui::placePiece(layout, "24188", 100.0, 100.0, 0.0);
    const std::string switches = userSwitches(layout);
    PrintOptions options;
    options.scaling = PrintScaling::ActualScale;
    options.scaleDenominator = 1;
    BitmapPrinter printer{6600, 5100, 600};
    std::vector<wxImage> pages;
    {
        LayoutPrintout printout(layout, options);
        pages = printer.print(printout, 2);
        EXPECT_EQ(printout.pagination().pagesAcross, 10);
        EXPECT_EQ(printout.pagination().pagesDown, 7);
        EXPECT_EQ(printer.pagesInDocument, 70);
        EXPECT_TRUE(printout.HasPage(70));
        EXPECT_FALSE(printout.HasPage(71));
    }
    ASSERT_EQ(pages.size(), 2u);
    // Page 1 is the top-left tile: the board starts at its margins, with the straight on it.
    const wxRect board = boardBounds(pages[0], wxPoint(1000, 1000));
    EXPECT_NEAR(board.GetLeft(), 264, 8);
    EXPECT_NEAR(board.GetTop(), 204, 8);
    EXPECT_GT(pixelsNear(pages[0], 210, 210, 205), 10000);
    // Page 2 takes up where the tile of page 1 ends, 6072 pixels on: what page 1 shows beyond its
    // tile (in its right margin), page 2 shows in its left margin and tile.
    int differing = 0;
    for (int y = 0; y < 5100; y += 3)
        for (int x = 6072; x < 6600; ++x)
            if (!near(pages[1], x - 6072, y, pages[0].GetRed(x, y), pages[0].GetGreen(x, y), pages[0].GetBlue(x, y), 8))
                ++differing;
    EXPECT_LT(differing, 100);
    EXPECT_EQ(userSwitches(layout), switches);
}

// The printing system stands in for a printer: it draws the pages into bitmaps and reports what the
// test asks for.
class StandInPrinting : public PrintingSystem {
public:
    StandInPrinting() { previous_ = usePrintingSystem(this); }
    ~StandInPrinting() override { usePrintingSystem(previous_); }

    PrintOutcome outcome = PrintOutcome::Printed;
    bool previewOk = true;
    int calls = 0;
    std::vector<wxImage> pages;

    PrintOutcome print(wxWindow&, wxPrintDialogData& data, wxPrintout& printout) override
    {
        ++calls;
        pages = BitmapPrinter{}.print(printout);
        if (outcome == PrintOutcome::Printed)
            data.GetPrintData().SetPaperId(wxPAPER_A4);
        return outcome;
    }
    bool previewUsable(wxPrintPreview&) override { return previewOk; }

private:
    PrintingSystem* previous_ = nullptr;
};

class PrintCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = gui::createMainFrame();
        gui::buildOvalWithTurnout(frame->layout());
    }
    void TearDown() override
    {
        for (wxWindow* window : wxTopLevelWindows)
            if (dynamic_cast<wxPreviewFrame*>(window) != nullptr)
                window->Destroy();
        gui::destroyMainFrame(frame);
    }

    // Print, with the options dialog answered by the given step.
    std::vector<DialogScript::Shown> print(DialogScript::Step options, std::vector<DialogScript::Step> more = {})
    {
        std::vector<DialogScript::Step> steps{std::move(options)};
        steps.insert(steps.end(), more.begin(), more.end());
        DialogScript script(steps);
        gui::sendCommand(*frame, kCmdPrint);
        EXPECT_EQ(script.unexpected(), 0);
        return script.shown();
    }

    MainFrame* frame = nullptr;
};

DialogScript::Step chooseGreyscale()
{
    return DialogScript::with<PrintOptionsDialog>([](PrintOptionsDialog& dialog) {
        gui::chooseRadio(*gui::named<wxRadioBox>(dialog, "colour"), 1);
        gui::tick(*gui::named<wxCheckBox>(dialog, "grid"), true);
        return static_cast<int>(wxID_OK);
    });
}

TEST_F(PrintCommandTest, OptionsThenPagesAndThePrinterChoicesStayForTheRun)
{
    StandInPrinting printing;
    EXPECT_EQ(frame->printData().GetPaperId(), wxPAPER_LETTER);
    EXPECT_EQ(frame->printData().GetOrientation(), wxLANDSCAPE);
    const std::string before = layoutText(frame->layout(), "");

    const auto shown = print(chooseGreyscale());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Print Options");
    EXPECT_EQ(printing.calls, 1);
    ASSERT_EQ(printing.pages.size(), 1u);
    EXPECT_TRUE(allGrey(printing.pages[0]));
    // The options and the printer's choices are kept for the rest of the run.
    EXPECT_EQ(frame->printOptions().colour, PrintColour::Greyscale);
    EXPECT_TRUE(frame->printOptions().includeGrid);
    EXPECT_EQ(frame->printData().GetPaperId(), wxPAPER_A4);
    EXPECT_EQ(layoutText(frame->layout(), ""), before);
    EXPECT_FALSE(frame->session().modified());

    // The dialog opens on the options last used; Cancel prints nothing.
    print(DialogScript::with<PrintOptionsDialog>([](PrintOptionsDialog& dialog) {
        EXPECT_EQ(dialog.options().colour, PrintColour::Greyscale);
        return static_cast<int>(wxID_CANCEL);
    }));
    EXPECT_EQ(printing.calls, 1);
}

TEST_F(PrintCommandTest, AFailedPrintIsReportedAndACancelledOneIsNot)
{
    StandInPrinting printing;
    printing.outcome = PrintOutcome::Failed;
    const auto failed = print(DialogScript::answer(wxID_OK), {DialogScript::answer(wxID_OK)});
    ASSERT_EQ(failed.size(), 2u);
    EXPECT_EQ(failed[1].title, "Print");
    EXPECT_EQ(failed[1].message, "There was a problem printing. Check that a printer is installed and connected.");
    EXPECT_EQ(frame->printData().GetPaperId(), wxPAPER_LETTER);

    printing.outcome = PrintOutcome::Cancelled;
    EXPECT_EQ(print(DialogScript::answer(wxID_OK)).size(), 1u);
    EXPECT_EQ(printing.calls, 2);
}

wxPreviewFrame* openPreview()
{
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* preview = dynamic_cast<wxPreviewFrame*>(window))
            return preview;
    return nullptr;
}

TEST_F(PrintCommandTest, PreviewShowsThePagesWithTheOptionsLastUsed)
{
    frame->SetSize(0, 0, 1280, 800);
    Layout& layout = frame->layout();
    layout.levels[0].visible = false;
    const std::string switches = userSwitches(layout);
    const std::string before = layoutText(layout, "");
    {
        DialogScript noDialogs;
        gui::sendCommand(*frame, kCmdPrintPreview);
        EXPECT_TRUE(noDialogs.shown().empty());
    }
    wxPreviewFrame* preview = openPreview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->GetTitle(), kPrintPreviewTitle);
    EXPECT_EQ(preview->GetSize(), wxSize(900, 700));
    EXPECT_EQ(preview->GetParent(), frame);
    EXPECT_TRUE(preview->HasFlag(wxFRAME_FLOAT_ON_PARENT));
    EXPECT_TRUE(preview->IsShown());

    // The page shows the oval on the hidden active level, in its track colour. The screen is read
    // back, so the preview must be the window on top: left of the page lies its plain background,
    // where the main window would show the palette's rows.
    wxImage shot;
    for (int attempt = 0; attempt < 40; ++attempt) {
        preview->Raise();
        gui::pumpEvents(5);
        shot = gui::captureWindow(*preview);
        if (pixelsNear(shot, 210, 210, 205, 4) > 500 && plainStrip(shot, 10, 100, 40, 500))
            break;
        wxMilliSleep(50);
    }
    EXPECT_GT(pixelsNear(shot, 210, 210, 205, 4), 500);
    EXPECT_TRUE(plainStrip(shot, 10, 100, 40, 500)) << "the preview is not the window on top";
    gui::saveScreenshot(shot, "print-preview.png");

    preview->Close(true);
    gui::pumpEvents();
    EXPECT_EQ(openPreview(), nullptr);
    EXPECT_EQ(userSwitches(layout), switches);
    EXPECT_EQ(layoutText(layout, ""), before);
}

TEST_F(PrintCommandTest, APreviewWithoutPrinterDriverSaysSo)
{
    StandInPrinting printing;
    printing.previewOk = false;
    DialogScript script({DialogScript::answer(wxID_OK)});
    gui::sendCommand(*frame, kCmdPrintPreview);
    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.shown()[0].title, "Print Preview");
    EXPECT_EQ(script.shown()[0].message, "Could not create print preview. Is a printer driver installed?");
    EXPECT_EQ(openPreview(), nullptr);
}

} // namespace
} // namespace layrail
