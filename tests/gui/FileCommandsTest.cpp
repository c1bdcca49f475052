#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/statusbr.h>

#include "DialogScript.h"
#include "GuiTestSupport.h"
#include "support/FileTestSupport.h"
#include "app/CommandIds.h"
#include "app/LayoutFolder.h"
#include "app/ui/ExportLayoutDialog.h"
#include "app/ui/FileCommands.h"
#include "app/ui/ImportLayoutDialog.h"
#include "app/ui/MainFrame.h"
#include "app/ui/OpenLayoutDialog.h"
#include "document/LayoutFile.h"
#include "panels/ui/PalettePanel.h"

namespace layrail {
namespace {

namespace fs = std::filesystem;
using gui::DialogScript;

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

class FileCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = gui::createMainFrame();
        frame->setLayoutsFolder(folder.path());
    }
    void TearDown() override
    {
        EXPECT_LAYOUT_CONSISTENT(frame->layout());
        gui::destroyMainFrame(frame);
    }

    Layout& layout() { return frame->layout(); }
    std::string title() const { return frame->GetTitle().utf8_string(); }
    std::string status(int field) const { return frame->GetStatusBar()->GetStatusText(field).utf8_string(); }
    std::string layoutFile(const std::string& name) const { return folder.file(name + ".lyr"); }

    // A small layout, saved under the name and left unmodified.
    void saveAs(const std::string& name)
    {
        DialogScript script({DialogScript::enter(name)});
        ASSERT_TRUE(saveLayout(frame->commands(), true));
        ASSERT_EQ(script.unexpected(), 0);
    }
    void buildTrack(int straights)
    {
        int last = gui::placePiece(layout(), "24188", 0, 0, 0);
        for (int i = 1; i < straights; ++i)
            last = gui::attachPiece(layout(), last, 1, "24188");
        frame->session().commit(Changes::ofContent());
    }

    test::TempFolder folder{"layouts"};
    test::TempFolder elsewhere{"transfer"};
    MainFrame* frame = nullptr;
};

TEST_F(FileCommandsTest, SaveAsAsksForANameThenSaveWritesSilently)
{
    buildTrack(3);
    {
        DialogScript script({DialogScript::enter("  Yard  ")});
        gui::sendCommand(*frame, kCmdSaveAs);
        ASSERT_EQ(script.shown().size(), 1u);
        EXPECT_EQ(script.shown()[0].title, "Save Layout");
        EXPECT_EQ(script.shown()[0].value, "My Layout");
    }
    EXPECT_TRUE(fs::exists(layoutFile("Yard")));
    EXPECT_EQ(frame->session().name(), "Yard");
    EXPECT_EQ(frame->session().path(), layoutFile("Yard"));
    EXPECT_FALSE(frame->session().modified());
    EXPECT_EQ(title(), "Layrail v1.3 by Brindlemoor - Yard");

    gui::attachPiece(layout(), layout().pieces.back().id, 1, "24188");
    frame->session().commit(Changes::ofContent());
    {
        DialogScript script;
        gui::sendCommand(*frame, kCmdSave);
        EXPECT_TRUE(script.shown().empty());
    }
    EXPECT_FALSE(frame->session().modified());
    Layout reread;
    std::string storedName;
    ASSERT_EQ(readLayout(layoutFile("Yard"), reread, storedName), "");
    EXPECT_EQ(storedName, "Yard");
    EXPECT_EQ(reread.pieces.size(), 4u);

    // Save As offers the current name.
    DialogScript script({DialogScript::enter("Yard 2")});
    gui::sendCommand(*frame, kCmdSaveAs);
    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.shown()[0].value, "Yard");
    EXPECT_TRUE(fs::exists(layoutFile("Yard 2")));
}

TEST_F(FileCommandsTest, BlankNameSavesAsMyLayoutAndCancelSavesNothing)
{
    buildTrack(1);
    {
        DialogScript script({[](wxDialog&) { return static_cast<int>(wxID_CANCEL); }});
        EXPECT_FALSE(saveLayout(frame->commands(), false));
    }
    EXPECT_TRUE(listLayoutFiles(folder.path()).empty());
    EXPECT_TRUE(frame->session().modified());

    DialogScript script({DialogScript::enter("   ")});
    EXPECT_TRUE(saveLayout(frame->commands(), false));
    EXPECT_TRUE(fs::exists(layoutFile("My Layout")));
    EXPECT_EQ(frame->session().name(), "My Layout");
}

TEST_F(FileCommandsTest, ConfirmReplaceAnsweredNoKeepsNameFileAndModifiedFlag)
{
    buildTrack(1);
    saveAs("Yard");
    const std::string yardBytes = fileBytes(layoutFile("Yard"));
    buildTrack(2);
    saveAs("Depot");
    frame->session().commit(Changes::ofContent());

    DialogScript script({DialogScript::enter("Yard"), DialogScript::answer(wxID_NO)});
    EXPECT_FALSE(saveLayout(frame->commands(), true));
    ASSERT_EQ(script.shown().size(), 2u);
    EXPECT_EQ(script.shown()[1].title, "Confirm Replace");
    EXPECT_EQ(script.shown()[1].message, "A layout named \"Yard\" already exists.\n\nReplace it?");
    EXPECT_EQ(frame->session().name(), "Depot");
    EXPECT_EQ(frame->session().path(), layoutFile("Depot"));
    EXPECT_TRUE(frame->session().modified());
    EXPECT_EQ(fileBytes(layoutFile("Yard")), yardBytes);
    EXPECT_EQ(title(), "Layrail v1.3 by Brindlemoor - Depot *");
}

TEST_F(FileCommandsTest, NamesThatCannotNameAFileAreRefused)
{
    buildTrack(1);
    const std::vector<std::string> names = {"../Escape", "sub/Yard", "back\\slash", ".hidden",
                                            "..",        std::string(201, 'a'), "tab\tname"};
    for (const std::string& name : names) {
        DialogScript script({DialogScript::enter(name), DialogScript::answer(wxID_OK)});
        EXPECT_FALSE(saveLayout(frame->commands(), true)) << name;
        ASSERT_EQ(script.shown().size(), 2u) << name;
        EXPECT_EQ(script.shown()[1].title, "Invalid Name");
        EXPECT_EQ(script.shown()[1].message, nameProblem(name));
    }
    EXPECT_TRUE(fs::is_empty(folder.path()));
    EXPECT_FALSE(fs::exists(fs::path(folder.path()).parent_path() / "Escape.lyr"));
    EXPECT_TRUE(frame->session().name().empty());
    EXPECT_TRUE(frame->session().path().empty());
    EXPECT_TRUE(frame->session().modified());
}

TEST_F(FileCommandsTest, OpenListsTheLayoutsAndLoadsTheChosenOne)
{
    Layout kTrack;
    kTrack.ensureDefaultLevel();
    gui::placePiece(kTrack, "2200", 0, 0, 0);
    gui::attachPiece(kTrack, 1, 1, "2200");
    kTrack.units = LengthUnit::Centimetres;
    ASSERT_EQ(writeLayout(kTrack, layoutFile("Kyard"), "K Yard"), "");
    buildTrack(1);
    saveAs("Alpha");

    DialogScript script({DialogScript::with<OpenLayoutDialog>([](OpenLayoutDialog& dialog) {
        EXPECT_FALSE(dialog.openEnabled());
        EXPECT_FALSE(dialog.selectName("Missing"));
        EXPECT_TRUE(dialog.selectName("Kyard"));
        EXPECT_TRUE(dialog.openEnabled());
        return static_cast<int>(wxID_OK);
    })});
    gui::sendCommand(*frame, kCmdOpenLayout);
    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.shown()[0].title, "Open Layout");

    ASSERT_EQ(layout().pieces.size(), 2u);
    EXPECT_EQ(layout().pieces[1].joints[0].target, layout().pieces[0].id);
    EXPECT_EQ(frame->session().path(), layoutFile("Kyard"));
    EXPECT_EQ(frame->session().name(), "K Yard");
    EXPECT_FALSE(frame->session().modified());
    EXPECT_EQ(title(), "Layrail v1.3 by Brindlemoor - K Yard");
    EXPECT_EQ(status(0), "Ready");
    EXPECT_EQ(status(1), "Pieces: 2");
    EXPECT_TRUE(frame->GetMenuBar()->IsChecked(kCmdUnitsCentimetres));
    EXPECT_EQ(frame->palette()->systemIndex(), 1);

    // The opened layout starts a history of its own: the track built before cannot come back into it.
    EXPECT_FALSE(gui::menuItemEnabled(*frame, kCmdUndo));
    gui::sendCommand(*frame, kCmdUndo);
    EXPECT_EQ(layout().pieces.size(), 2u);
    EXPECT_FALSE(frame->session().modified());
}

TEST_F(FileCommandsTest, OpenWithoutLayoutsSaysWhereItLooked)
{
    DialogScript script({DialogScript::answer(wxID_OK)});
    gui::sendCommand(*frame, kCmdOpenLayout);
    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.shown()[0].title, "Open Layout");
    EXPECT_EQ(script.shown()[0].message, "No layouts found in\n" + folder.path());
}

TEST_F(FileCommandsTest, FailedOpenLeavesTheOpenLayoutAsItWas)
{
    buildTrack(3);
    saveAs("Depot");
    fs::copy_file(std::string(LAYRAIL_TEST_DATA_DIR) + "/cli_malformed.lyr", layoutFile("Broken"));
    const std::vector<PlacedPiece> before = layout().pieces;

    DialogScript script({DialogScript::with<OpenLayoutDialog>([](OpenLayoutDialog& dialog) {
                             EXPECT_TRUE(dialog.selectName("Broken"));
                             return static_cast<int>(wxID_OK);
                         }),
                         DialogScript::answer(wxID_OK)});
    gui::sendCommand(*frame, kCmdOpenLayout);
    ASSERT_EQ(script.shown().size(), 2u);
    EXPECT_EQ(script.shown()[1].title, "Open Failed");
    EXPECT_FALSE(script.shown()[1].message.empty());

    ASSERT_EQ(layout().pieces.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(layout().pieces[i].id, before[i].id);
        EXPECT_NEAR(layout().pieces[i].x, before[i].x, 1e-9);
    }
    EXPECT_EQ(frame->session().path(), layoutFile("Depot"));
    EXPECT_EQ(frame->session().name(), "Depot");
    EXPECT_EQ(title(), "Layrail v1.3 by Brindlemoor - Depot");
}

TEST_F(FileCommandsTest, DeletingTheOpenLayoutForgetsItsFile)
{
    buildTrack(2);
    saveAs("Spare");
    saveAs("Yard");
    DialogScript script(
        {DialogScript::with<OpenLayoutDialog>([](OpenLayoutDialog& dialog) {
             EXPECT_TRUE(dialog.selectName("Yard"));
             dialog.deleteSelected();
             EXPECT_FALSE(dialog.openEnabled());
             EXPECT_FALSE(dialog.selectName("Yard"));
             EXPECT_TRUE(dialog.selectName("Spare"));
             dialog.deleteSelected();
             EXPECT_TRUE(dialog.selectName("Spare"));
             return static_cast<int>(wxID_CANCEL);
         }),
         DialogScript::answer(wxID_YES), DialogScript::answer(wxID_NO)});
    gui::sendCommand(*frame, kCmdOpenLayout);
    ASSERT_EQ(script.shown().size(), 3u);
    EXPECT_EQ(script.shown()[1].title, "Delete Layout");
    EXPECT_EQ(script.shown()[1].message, "Delete layout \"Yard\"?\n\nThis cannot be undone.");
    EXPECT_FALSE(fs::exists(layoutFile("Yard")));
    EXPECT_TRUE(fs::exists(layoutFile("Spare")));
    EXPECT_EQ(layout().pieces.size(), 2u);
    EXPECT_TRUE(frame->session().path().empty());
    // It belongs to no file any more: closing it now would lose it.
    EXPECT_TRUE(frame->session().modified());
    EXPECT_EQ(title(), "Layrail v1.3 by Brindlemoor - Yard *");

    // The next Save asks for a name again.
    DialogScript again({DialogScript::enter("Yard")});
    EXPECT_TRUE(saveLayout(frame->commands(), false));
    EXPECT_EQ(again.shown().size(), 1u);
    EXPECT_TRUE(fs::exists(layoutFile("Yard")));
}

// The rows of the Open dialog's list.
std::vector<std::string> listedNames(OpenLayoutDialog& dialog)
{
    std::vector<std::string> names;
    for (wxWindow* child : dialog.GetChildren())
        if (auto* list = dynamic_cast<wxListBox*>(child))
            for (unsigned i = 0; i < list->GetCount(); ++i)
                names.push_back(list->GetString(i).utf8_string());
    return names;
}

TEST_F(FileCommandsTest, ASavedLayoutBesideAnOlderXmlIsOneRowThatOpensAndExportsTheSavedFile)
{
    Layout older;
    older.ensureDefaultLevel();
    gui::placePiece(older, "24188", 0, 0, 0);
    ASSERT_EQ(writeLayout(older, folder.file("Yard.xml"), "Old Yard"), "");
    buildTrack(3);
    saveAs("Yard");
    gui::sendCommand(*frame, kCmdNewLayout);

    {
        DialogScript script({DialogScript::with<OpenLayoutDialog>([](OpenLayoutDialog& dialog) {
            EXPECT_EQ(listedNames(dialog), std::vector<std::string>{"Yard"});
            EXPECT_TRUE(dialog.selectName("Yard"));
            return static_cast<int>(wxID_OK);
        })});
        gui::sendCommand(*frame, kCmdOpenLayout);
        EXPECT_EQ(script.shown().size(), 1u);
    }
    EXPECT_EQ(layout().pieces.size(), 3u);
    EXPECT_EQ(frame->session().path(), layoutFile("Yard"));
    EXPECT_EQ(frame->session().name(), "Yard");
    EXPECT_EQ(status(1), "Pieces: 3");

    // Export copies the file Open reads.
    {
        DialogScript script({DialogScript::with<ExportLayoutDialog>([&](ExportLayoutDialog& dialog) {
                                 EXPECT_EQ(dialog.selectedName(), "Yard");
                                 dialog.setDestination(elsewhere.path());
                                 return static_cast<int>(wxID_OK);
                             }),
                             DialogScript::answer(wxID_OK)});
        gui::sendCommand(*frame, kCmdExportLayout);
        EXPECT_EQ(script.shown().size(), 2u);
    }
    EXPECT_EQ(fileBytes(elsewhere.file("Yard.lyr")), fileBytes(layoutFile("Yard")));

    // Delete takes the file Open would read; the older one keeps the row until it goes too.
    DialogScript script({DialogScript::with<OpenLayoutDialog>([](OpenLayoutDialog& dialog) {
                             EXPECT_TRUE(dialog.selectName("Yard"));
                             dialog.deleteSelected();
                             EXPECT_EQ(listedNames(dialog), std::vector<std::string>{"Yard"});
                             EXPECT_TRUE(dialog.selectName("Yard"));
                             dialog.deleteSelected();
                             EXPECT_TRUE(listedNames(dialog).empty());
                             return static_cast<int>(wxID_CANCEL);
                         }),
                         DialogScript::answer(wxID_YES), DialogScript::answer(wxID_YES)});
    gui::sendCommand(*frame, kCmdOpenLayout);
    EXPECT_EQ(script.shown().size(), 3u);
    EXPECT_FALSE(fs::exists(layoutFile("Yard")));
    EXPECT_FALSE(fs::exists(folder.file("Yard.xml")));
    EXPECT_TRUE(frame->session().path().empty());
    EXPECT_TRUE(frame->session().modified());
}

TEST_F(FileCommandsTest, ExportKeepsANameWithADotWhole)
{
    buildTrack(1);
    saveAs("main.line");
    DialogScript script({DialogScript::with<ExportLayoutDialog>([&](ExportLayoutDialog& dialog) {
                             EXPECT_EQ(dialog.saveAsText(), "main.line");
                             dialog.setDestination(elsewhere.path());
                             return static_cast<int>(wxID_OK);
                         }),
                         DialogScript::answer(wxID_OK)});
    gui::sendCommand(*frame, kCmdExportLayout);
    ASSERT_EQ(script.shown().size(), 2u);
    EXPECT_EQ(script.shown()[1].message, "Exported to:\n" + elsewhere.file("main.line.lyr"));
    EXPECT_EQ(fileBytes(elsewhere.file("main.line.lyr")), fileBytes(layoutFile("main.line")));
}

TEST_F(FileCommandsTest, ExportedLayoutImportsBackUnderAnotherName)
{
    buildTrack(3);
    saveAs("Yard");
    const std::string exported = elsewhere.file("Yard.lyr");
    {
        DialogScript script(
            {DialogScript::with<ExportLayoutDialog>([&](ExportLayoutDialog& dialog) {
                 EXPECT_EQ(dialog.selectedName(), "Yard");
                 EXPECT_EQ(dialog.saveAsText(), "Yard");
                 EXPECT_TRUE(dialog.exportEnabled());
                 dialog.setSaveAs("   ");
                 EXPECT_FALSE(dialog.exportEnabled());
                 dialog.setSaveAs("Yard.lyr");
                 dialog.setDestination(elsewhere.path());
                 return static_cast<int>(wxID_OK);
             }),
             DialogScript::answer(wxID_OK)});
        gui::sendCommand(*frame, kCmdExportLayout);
        ASSERT_EQ(script.shown().size(), 2u);
        EXPECT_EQ(script.shown()[1].title, "Export");
        EXPECT_EQ(script.shown()[1].message, "Exported to:\n" + exported);
    }
    EXPECT_EQ(fileBytes(exported), fileBytes(layoutFile("Yard")));
    EXPECT_FALSE(fs::exists(elsewhere.file("Yard.lyr.lyr")));

    gui::sendCommand(*frame, kCmdNewLayout);
    {
        DialogScript script(
            {DialogScript::with<ImportLayoutDialog>([&](ImportLayoutDialog& dialog) {
                 EXPECT_FALSE(dialog.importEnabled());
                 dialog.setFolder(elsewhere.path());
                 EXPECT_TRUE(dialog.selectFile("Yard.lyr"));
                 EXPECT_EQ(dialog.importName(), "Yard");
                 EXPECT_TRUE(dialog.importEnabled());
                 dialog.setImportName("Yard Copy");
                 return static_cast<int>(wxID_OK);
             }),
             DialogScript::answer(wxID_YES)});
        gui::sendCommand(*frame, kCmdImportLayout);
        ASSERT_EQ(script.shown().size(), 2u);
        EXPECT_EQ(script.shown()[1].title, "Import");
        EXPECT_EQ(script.shown()[1].message, "Imported successfully.\n\nOpen \"Yard Copy\" now?");
    }
    EXPECT_EQ(fileBytes(layoutFile("Yard Copy")), fileBytes(exported));
    EXPECT_EQ(frame->session().path(), layoutFile("Yard Copy"));
    EXPECT_EQ(layout().pieces.size(), 3u);
}

TEST_F(FileCommandsTest, ImportRefusesFilesTheReaderRejects)
{
    fs::copy_file(std::string(LAYRAIL_TEST_DATA_DIR) + "/cli_malformed.lyr", elsewhere.file("Odd.lyr"));
    DialogScript script({DialogScript::with<ImportLayoutDialog>([&](ImportLayoutDialog& dialog) {
                             dialog.setFolder("  " + elsewhere.path() + " ");
                             EXPECT_TRUE(dialog.selectFile("Odd.lyr"));
                             return static_cast<int>(wxID_OK);
                         }),
                         DialogScript::answer(wxID_OK)});
    gui::sendCommand(*frame, kCmdImportLayout);
    ASSERT_EQ(script.shown().size(), 2u);
    EXPECT_EQ(script.shown()[1].title, "Import Failed");
    EXPECT_EQ(script.shown()[1].message.rfind("This file does not appear to be a Layrail layout:\n\n", 0), 0u);
    EXPECT_TRUE(fs::is_empty(folder.path()));
}

TEST_F(FileCommandsTest, ExportChecksTheDestinationAndAsksBeforeReplacing)
{
    {
        DialogScript script({DialogScript::answer(wxID_OK)});
        gui::sendCommand(*frame, kCmdExportLayout);
        ASSERT_EQ(script.shown().size(), 1u);
        EXPECT_EQ(script.shown()[0].message, "No layouts to export. Save a layout first.");
        EXPECT_EQ(script.shown()[0].title, "Export Layout");
    }
    buildTrack(1);
    saveAs("Yard");
    const std::string missing = elsewhere.file("missing");
    {
        DialogScript script({DialogScript::with<ExportLayoutDialog>([&](ExportLayoutDialog& dialog) {
                                 dialog.setDestination(missing);
                                 return static_cast<int>(wxID_OK);
                             }),
                             DialogScript::answer(wxID_OK)});
        gui::sendCommand(*frame, kCmdExportLayout);
        ASSERT_EQ(script.shown().size(), 2u);
        EXPECT_EQ(script.shown()[1].title, "Export Failed");
        EXPECT_EQ(script.shown()[1].message, "Destination folder does not exist:\n" + missing);
    }
    writeBytes(elsewhere.file("Yard.lyr"), "keep me");
    DialogScript script({DialogScript::with<ExportLayoutDialog>([&](ExportLayoutDialog& dialog) {
                             dialog.setDestination(elsewhere.path());
                             return static_cast<int>(wxID_OK);
                         }),
                         DialogScript::answer(wxID_NO)});
    gui::sendCommand(*frame, kCmdExportLayout);
    ASSERT_EQ(script.shown().size(), 2u);
    EXPECT_EQ(script.shown()[1].title, "Confirm Replace");
    EXPECT_EQ(script.shown()[1].message, "\"Yard.lyr\" already exists in that folder.\n\nReplace it?");
    EXPECT_EQ(fileBytes(elsewhere.file("Yard.lyr")), "keep me");
}

TEST_F(FileCommandsTest, LibraryBlockNeedsASelectionAndGoesToTheSystemFolder)
{
    buildTrack(2);
    {
        DialogScript script({DialogScript::answer(wxID_OK)});
        EXPECT_FALSE(saveLibraryBlock(frame->commands()));
        ASSERT_EQ(script.shown().size(), 1u);
        EXPECT_EQ(script.shown()[0].title, "Save Block");
        EXPECT_EQ(script.shown()[0].message, "Select pieces first to save as library block.");
    }
    layout().pieces[0].selected = true;
    {
        DialogScript script({DialogScript::enter("")});
        EXPECT_FALSE(saveLibraryBlock(frame->commands()));
    }
    DialogScript script({DialogScript::enter("Siding"), DialogScript::answer(wxID_OK)});
    gui::sendCommand(*frame, kCmdSaveLibraryBlock);
    ASSERT_EQ(script.shown().size(), 2u);
    EXPECT_EQ(script.shown()[0].title, "Save Library Block");
    EXPECT_EQ(script.shown()[1].message, "Block saved: Siding");
    EXPECT_TRUE(fs::exists(folder.file("library/Marklin_C-Track/Siding.xml")));
    EXPECT_EQ(frame->palette()->listContents(kPaletteLibraryList).rows, std::vector<std::string>{"Siding"});
}

} // namespace
} // namespace layrail
