#include "app/HelpContent.h"
#include "app/ui/EmbeddedImages.h"
#include "app/ui/HelpWindow.h"
#include "app/ui/Logs.h"
#include "app/ui/MainFrame.h"
#include "GuiTestSupport.h"
#include "app/ui/SplashDialog.h"

#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/dcmemory.h>
#include <wx/ffile.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/hyperlink.h>
#include <wx/panel.h>
#include <wx/regex.h>
#include <wx/scrolwin.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/stdpaths.h>
#include <wx/timer.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace layrail {
namespace {

wxColour pixelAt(const wxBitmap& bitmap, int x, int y)
{
    const wxImage image = bitmap.ConvertToImage();
    return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

wxBitmap paintedSplash(const wxBitmap& background, const wxBitmap& corner)
{
    wxBitmap target(900, 600, 24);
    wxMemoryDC dc(target);
    dc.SetBackground(*wxGREEN_BRUSH);
    dc.Clear();
    paintSplash(dc, background, corner);
    dc.SelectObject(wxNullBitmap);
    return target;
}

wxBitmap solidBitmap(int width, int height, const wxColour& colour)
{
    wxImage image(width, height);
    image.SetRGB(wxRect(0, 0, width, height), colour.Red(), colour.Green(), colour.Blue());
    return wxBitmap(image);
}

// Runs the dialog modally while the given steps are delivered, one per event
// loop turn. A watchdog ends a dialog that ignores them with wxID_ABORT, so a
// broken handler fails the test instead of hanging it.
int runModal(wxDialog& dialog, std::vector<std::function<void()>> steps, int watchdogMs = 5000)
{
    wxTimer watchdog;
    watchdog.Bind(wxEVT_TIMER, [&dialog](wxTimerEvent&) {
        if (dialog.IsModal())
            dialog.EndModal(wxID_ABORT);
    });
    watchdog.StartOnce(watchdogMs);
    for (auto& step : steps)
        wxTheApp->CallAfter(step);
    const int result = dialog.ShowModal();
    watchdog.Stop();
    return result;
}

void pressKey(wxWindow* target, int keyCode)
{
    wxKeyEvent key(wxEVT_CHAR_HOOK);
    key.m_keyCode = keyCode;
    key.SetEventObject(target);
    target->GetEventHandler()->ProcessEvent(key);
}

template <typename T>
std::vector<T*> childrenOfType(wxWindow* root)
{
    std::vector<T*> found;
    for (wxWindow* child : root->GetChildren()) {
        if (auto* typed = dynamic_cast<T*>(child))
            found.push_back(typed);
        for (T* deeper : childrenOfType<T>(child))
            found.push_back(deeper);
    }
    return found;
}

TEST(EmbeddedImages, PicturesDecodeAtTheirSizes)
{
    const wxImage splash = loadEmbeddedImage(kSplashImage);
    ASSERT_TRUE(splash.IsOk());
    EXPECT_EQ(splash.GetSize(), wxSize(900, 600));
    const wxImage corner = loadEmbeddedImage(kCornerImage);
    ASSERT_TRUE(corner.IsOk());
    EXPECT_EQ(corner.GetSize(), wxSize(120, 160));
    const wxImage help = loadEmbeddedImage(kHelpImage);
    ASSERT_TRUE(help.IsOk());
    EXPECT_EQ(help.GetSize(), wxSize(368, 660));
}

TEST(EmbeddedImages, UnknownOrBrokenPicturesAreEmpty)
{
    EXPECT_FALSE(loadEmbeddedImage(100).IsOk());
    EXPECT_FALSE(loadEmbeddedImage(-1).IsOk());
    const unsigned char junk[] = {0xff, 0xd8, 0xff, 0xe0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0x00, 0x01};
    EXPECT_FALSE(decodeJpeg(junk, sizeof junk).IsOk());
    EXPECT_FALSE(decodeJpeg(nullptr, 0).IsOk());
}

TEST(EmbeddedImages, TheProgramIconComesInThreeSizesAndTheMainWindowWearsIt)
{
    const wxIconBundle icons = programIcons();
    ASSERT_EQ(icons.GetIconCount(), 3u);
    for (int size : {16, 32, 48})
        EXPECT_EQ(icons.GetIcon(wxSize(size, size), wxIconBundle::FALLBACK_NONE).GetWidth(), size) << size;
    MainFrame* frame = gui::createMainFrame();
    EXPECT_EQ(frame->GetIcons().GetIconCount(), 3u);
    gui::destroyMainFrame(frame);
}

TEST(SplashDialog, HoldsScaledPicturesAndTheDoneButton)
{
    SplashDialog splash(nullptr);
    EXPECT_EQ(splash.GetTitle(), "Layrail v1.3 by Brindlemoor");
    ASSERT_TRUE(splash.background().IsOk());
    EXPECT_EQ(splash.background().GetSize(), wxSize(900, 600));
    ASSERT_TRUE(splash.cornerPicture().IsOk());
    EXPECT_EQ(splash.cornerPicture().GetSize(), wxSize(120, 160));
    EXPECT_EQ(splash.picturePanel()->GetSize(), wxSize(900, 600));
    EXPECT_EQ(splash.doneButton()->GetId(), 5100);
    EXPECT_EQ(splash.doneButton()->GetLabel(), "  Done Staring  ");
    EXPECT_GE(splash.doneButton()->GetSize().GetWidth(), 280);
    EXPECT_GE(splash.doneButton()->GetSize().GetHeight(), 40);
    EXPECT_FALSE(splash.HasFlag(wxRESIZE_BORDER));

    const auto links = childrenOfType<wxHyperlinkCtrl>(&splash);
    ASSERT_EQ(links.size(), 1u);
    EXPECT_EQ(links[0]->GetLabel(), "Brindlemoor");
    EXPECT_TRUE(links[0]->GetURL().StartsWith("https://"));
}

TEST(SplashDialog, EnterEscapeAndTheButtonEndItWith5100)
{
    {
        SplashDialog splash(nullptr);
        EXPECT_EQ(runModal(splash, {[&] { pressKey(splash.doneButton(), 'a'); },
                                    [&] { pressKey(splash.doneButton(), WXK_RETURN); }}),
                  5100);
    }
    {
        SplashDialog splash(nullptr);
        EXPECT_EQ(runModal(splash, {[&] { pressKey(splash.picturePanel(), WXK_ESCAPE); }}), 5100);
    }
    {
        SplashDialog splash(nullptr);
        EXPECT_EQ(runModal(splash, {[&] {
                      wxCommandEvent click(wxEVT_BUTTON, 5100);
                      click.SetEventObject(splash.doneButton());
                      splash.doneButton()->GetEventHandler()->ProcessEvent(click);
                  }}),
                  5100);
    }
}

TEST(SplashDialog, OtherKeysDoNotEndIt)
{
    SplashDialog splash(nullptr);
    EXPECT_EQ(runModal(splash, {[&] { pressKey(splash.doneButton(), WXK_SPACE); },
                                [&] { pressKey(splash.doneButton(), 'x'); }},
                       500),
              wxID_ABORT);
}

TEST(SplashPaint, MissingBackgroundFallsBackToPaintedTitle)
{
    const wxBitmap painted = paintedSplash(wxNullBitmap, solidBitmap(120, 160, wxColour(200, 0, 0)));
    EXPECT_EQ(pixelAt(painted, 0, 0), wxColour(30, 40, 60));
    EXPECT_EQ(pixelAt(painted, 899, 599), wxColour(30, 40, 60));
    EXPECT_EQ(pixelAt(painted, 5, 595), wxColour(30, 40, 60));

    // The title texts are white on the dark background.
    const wxImage image = painted.ConvertToImage();
    int whiteInTitle = 0;
    int whiteInByLine = 0;
    for (int y = 15; y < 100; ++y)
        for (int x = 15; x < 300; ++x)
            if (image.GetRed(x, y) > 240 && image.GetGreen(x, y) > 240 && image.GetBlue(x, y) > 240)
                ++(y < 58 ? whiteInTitle : whiteInByLine);
    EXPECT_GT(whiteInTitle, 20);
    EXPECT_GT(whiteInByLine, 20);

    // The corner picture sits 10 pixels in from the bottom-right corner.
    EXPECT_EQ(pixelAt(painted, 770, 430), wxColour(200, 0, 0));
    EXPECT_EQ(pixelAt(painted, 889, 589), wxColour(200, 0, 0));
    EXPECT_EQ(pixelAt(painted, 890, 589), wxColour(30, 40, 60));
    EXPECT_EQ(pixelAt(painted, 889, 590), wxColour(30, 40, 60));
    EXPECT_EQ(pixelAt(painted, 769, 430), wxColour(30, 40, 60));
    EXPECT_EQ(pixelAt(painted, 770, 429), wxColour(30, 40, 60));
}

TEST(SplashPaint, BackgroundCoversThePanelAndCornerMayBeAbsent)
{
    const wxBitmap painted = paintedSplash(solidBitmap(900, 600, wxColour(10, 120, 220)), wxNullBitmap);
    EXPECT_EQ(pixelAt(painted, 0, 0), wxColour(10, 120, 220));
    EXPECT_EQ(pixelAt(painted, 30, 30), wxColour(10, 120, 220));
    EXPECT_EQ(pixelAt(painted, 889, 589), wxColour(10, 120, 220));
}

TEST(SplashPaint, DialogPanelShowsTheEmbeddedPicture)
{
    SplashDialog splash(nullptr);
    const wxBitmap painted = paintedSplash(splash.background(), splash.cornerPicture());
    const wxImage expected = splash.background().ConvertToImage();
    EXPECT_EQ(pixelAt(painted, 3, 3), wxColour(expected.GetRed(3, 3), expected.GetGreen(3, 3), expected.GetBlue(3, 3)));
    EXPECT_NE(pixelAt(painted, 3, 3), wxColour(30, 40, 60));
}

class HelpWindowTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (dialog_)
            dialog_->Destroy();
    }

    std::vector<wxString> staticTexts() const
    {
        std::vector<wxString> texts;
        for (wxStaticText* text : childrenOfType<wxStaticText>(dialog_))
            texts.push_back(text->GetLabel());
        return texts;
    }

    wxDialog* dialog_ = nullptr;
};

TEST_F(HelpWindowTest, ShowsEveryTopicWithTheMakerLinks)
{
    dialog_ = buildHelpWindow(nullptr, loadEmbeddedImage(kHelpImage));
    EXPECT_EQ(dialog_->GetTitle(), "Layrail v1.3 Help");
    EXPECT_TRUE(dialog_->HasFlag(wxRESIZE_BORDER));

    const auto texts = staticTexts();
    size_t next = 0;
    for (const HelpTopic& topic : helpTopics()) {
        while (next < texts.size() && texts[next] != wxString::FromUTF8(topic.heading))
            ++next;
        EXPECT_LT(next, texts.size()) << "heading missing or out of order: " << topic.heading;
    }

    const auto links = childrenOfType<wxHyperlinkCtrl>(dialog_);
    ASSERT_EQ(links.size(), 2u);
    for (auto* link : links)
        EXPECT_EQ(link->GetLabel(), "Brindlemoor");

    auto* close = wxDynamicCast(dialog_->FindWindow(5100), wxButton);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->GetLabel(), "Close");

    const auto pictures = childrenOfType<wxStaticBitmap>(dialog_);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0]->GetBitmap().GetSize(), wxSize(368, 660));
}

TEST_F(HelpWindowTest, WithoutThePictureOnlyTextAndButton)
{
    dialog_ = buildHelpWindow(nullptr, wxImage());
    EXPECT_TRUE(childrenOfType<wxStaticBitmap>(dialog_).empty());
    EXPECT_EQ(childrenOfType<wxHyperlinkCtrl>(dialog_).size(), 2u);
}

TEST_F(HelpWindowTest, TopicsScrollAndStayWrappedWhenResized)
{
    dialog_ = buildHelpWindow(nullptr, loadEmbeddedImage(kHelpImage));
    dialog_->Show();
    const auto scrollers = childrenOfType<wxScrolledWindow>(dialog_);
    ASSERT_EQ(scrollers.size(), 1u);
    wxScrolledWindow* scroller = scrollers[0];
    EXPECT_GT(scroller->GetVirtualSize().GetHeight(), scroller->GetClientSize().GetHeight());

    const int narrowWidth = scroller->GetClientSize().GetWidth();
    dialog_->SetSize(1300, 700);
    dialog_->Layout();
    EXPECT_GT(scroller->GetClientSize().GetWidth(), narrowWidth);
    for (wxStaticText* text : childrenOfType<wxStaticText>(scroller))
        EXPECT_LE(text->GetSize().GetWidth(), 560) << text->GetLabel().Left(40);
}

TEST_F(HelpWindowTest, CloseButtonEndsIt)
{
    dialog_ = buildHelpWindow(nullptr, wxImage());
    auto* close = dialog_->FindWindow(5100);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(runModal(*dialog_, {[&] {
                  wxCommandEvent click(wxEVT_BUTTON, 5100);
                  click.SetEventObject(close);
                  close->GetEventHandler()->ProcessEvent(click);
              }}),
              5100);
}

// Points the user's home at a scratch folder so the logs land there.
class LogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* home = std::getenv("HOME");
        savedHome_ = home ? home : "";
        scratch_ = wxFileName::CreateTempFileName("layrail_logs");
        wxRemoveFile(scratch_);
        wxFileName::Mkdir(scratch_, 0777, wxPATH_MKDIR_FULL);
        setenv("HOME", scratch_.utf8_str(), 1);
    }
    void TearDown() override
    {
        closeRunLog();
        setenv("HOME", savedHome_.c_str(), 1);
        wxFileName::Rmdir(scratch_, wxPATH_RMDIR_RECURSIVE);
    }

    static wxString readFile(const wxString& path)
    {
        wxFFile file(path, "rb");
        wxString text;
        if (file.IsOpened())
            file.ReadAll(&text, wxConvUTF8);
        return text;
    }

    std::string savedHome_;
    wxString scratch_;
};

TEST_F(LogsTest, FolderIsCreatedUnderTheUsersDataFolder)
{
    const wxString folder = logFolder();
    EXPECT_TRUE(folder.StartsWith(scratch_)) << folder;
    EXPECT_TRUE(wxDirExists(folder));
}

TEST_F(LogsTest, FolderFallsBackToTemporaryFolder)
{
    // A home that is a plain file cannot hold the data folder.
    const wxString blocked = scratch_ + "/blocked";
    wxFFile(blocked, "w").Write("x");
    setenv("HOME", blocked.utf8_str(), 1);
    EXPECT_EQ(logFolder(), wxFileName::GetTempDir());
}

TEST_F(LogsTest, SecondRunReplacesTheFirstRunsLines)
{
    openRunLog();
    logLine("=== Layrail starting ===");
    logLine("first run");
    closeRunLog();

    openRunLog();
    logLine(wxString::FromUTF8("second run \xc3\xa4"));
    closeRunLog();
    logLine("after close");

    const wxString text = readFile(logFolder() + "/layrail.log");
    wxRegEx line(wxString::FromUTF8("^[0-2][0-9]:[0-5][0-9]:[0-5][0-9]\\.[0-9]{3} second run \xc3\xa4\n$"));
    ASSERT_TRUE(line.IsValid());
    EXPECT_TRUE(line.Matches(text)) << text.utf8_string();
}

TEST_F(LogsTest, LinesAreOnDiskBeforeTheLogCloses)
{
    openRunLog();
    logLine("Show OK");
    EXPECT_TRUE(readFile(logFolder() + "/layrail.log").EndsWith(" Show OK\n"));
}

} // namespace
} // namespace layrail
