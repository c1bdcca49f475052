// The command table drives the menus, the toolbar and their states: a command declared once shows
// where the table puts it, runs its handler, and follows its enabled, checked and label rules.

#include <set>
#include <string>

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/toolbar.h>

#include "GuiTestSupport.h"
#include "app/CommandIds.h"
#include "app/ui/CommandTable.h"
#include "app/ui/MainFrame.h"

namespace layrail {
namespace {

// The state the rules of the made-up commands read.
bool alphaEnabled = false;
bool betaChecked = false;
bool secondChosen = false;
std::string toolName = "Dig";
int handled = 0;

constexpr int kAlpha = 9001, kBeta = 9002, kFirst = 9003, kSecond = 9004, kTool = 9005;

std::vector<Command> madeUpTable()
{
    std::vector<Command> t;
    t.push_back(Command(kAlpha)
                    .inMenu("&One", "&Alpha", "Ctrl+1")
                    .runs([](CommandContext&, const CommandCall&) { ++handled; })
                    .enabledWhen([](const CommandContext&) { return alphaEnabled; }));
    t.push_back(
        Command(kBeta).inMenu("&One", "&Beta").afterSeparator().asCheck().checkedWhen([](const CommandContext&) {
            return betaChecked;
        }));
    t.push_back(
        Command(kFirst).inMenu("&Two", "First").inSubmenu("Pick").asRadio(true).checkedWhen([](const CommandContext&) {
            return !secondChosen;
        }));
    t.push_back(
        Command(kSecond).inMenu("&Two", "Second").inSubmenu("Pick").asRadio().checkedWhen([](const CommandContext&) {
            return secondChosen;
        }));
    t.push_back(Command(kTool)
                    .onToolbar("Dig", "Digs a tunnel")
                    .disabledAtFirst()
                    .enabledWhen([](const CommandContext&) { return alphaEnabled; })
                    .toolLabelFrom([](const CommandContext&) { return toolName; }));
    return t;
}

TEST(CommandTable, MenusToolbarAndStatesComeFromTheEntries)
{
    MainFrame* main = gui::createMainFrame();
    const std::vector<Command> table = madeUpTable();
    auto* frame = new wxFrame(nullptr, wxID_ANY, "Commands");
    wxMenuBar* menus = buildMenuBar(table);
    frame->SetMenuBar(menus);
    wxToolBar* tools = frame->CreateToolBar(wxTB_HORIZONTAL | wxTB_TEXT | wxTB_NOICONS);
    fillToolBar(*tools, table, {kTool, kAlpha});

    ASSERT_EQ(menus->GetMenuCount(), 2u);
    EXPECT_EQ(menus->GetMenuLabel(0), "&One");
    wxMenu* one = menus->GetMenu(0);
    ASSERT_EQ(one->GetMenuItemCount(), 3u);
    EXPECT_EQ(one->FindItemByPosition(0)->GetItemLabel(), "&Alpha\tCtrl+1");
    EXPECT_TRUE(one->FindItemByPosition(1)->IsSeparator());
    EXPECT_TRUE(one->FindItemByPosition(2)->IsCheckable());
    wxMenuItem* pick = menus->GetMenu(1)->FindItemByPosition(0);
    ASSERT_TRUE(pick->IsSubMenu());
    EXPECT_EQ(pick->GetSubMenu()->GetMenuItemCount(), 2u);
    EXPECT_TRUE(menus->IsChecked(kFirst));
    // Only commands with a tool label go on the toolbar; this one starts disabled.
    EXPECT_EQ(tools->GetToolsCount(), 1u);
    EXPECT_FALSE(tools->GetToolEnabled(kTool));
    EXPECT_EQ(tools->FindById(kTool)->GetShortHelp(), "Digs a tunnel");

    CommandContext& context = main->commands();
    applyCommandRules(table, context, menus, tools);
    EXPECT_FALSE(menus->IsEnabled(kAlpha));
    alphaEnabled = true;
    betaChecked = true;
    secondChosen = true;
    toolName = "Remove Tunnel";
    applyCommandRules(table, context, menus, tools);
    EXPECT_TRUE(menus->IsEnabled(kAlpha));
    EXPECT_TRUE(tools->GetToolEnabled(kTool));
    EXPECT_TRUE(menus->IsChecked(kBeta));
    EXPECT_TRUE(menus->IsChecked(kSecond));
    EXPECT_FALSE(menus->IsChecked(kFirst));
    EXPECT_EQ(tools->FindById(kTool)->GetLabel(), "Remove Tunnel");

    table[0].handler(context, CommandCall{kAlpha, false});
    EXPECT_EQ(handled, 1);
    frame->Destroy();
    gui::destroyMainFrame(main);
}

TEST(CommandTable, EveryCommandIsDeclaredOnceAndReachable)
{
    std::set<int> ids;
    for (const Command& command : commandTable()) {
        EXPECT_TRUE(ids.insert(command.id).second) << command.id;
        EXPECT_TRUE(!command.menu.empty() || !command.toolLabel.empty()) << command.id;
        EXPECT_EQ(findCommand(command.id), &command);
    }
    // The toolbar shows exactly the commands with a tool label.
    std::set<int> onToolbar;
    for (int id : toolbarOrder()) {
        const Command* command = findCommand(id);
        ASSERT_NE(command, nullptr) << id;
        EXPECT_FALSE(command->toolLabel.empty()) << id;
        onToolbar.insert(id);
    }
    for (const Command& command : commandTable())
        EXPECT_EQ(onToolbar.count(command.id) != 0, !command.toolLabel.empty()) << command.id;
    EXPECT_EQ(findCommand(12345), nullptr);
    // Commands that do nothing yet are in the table all the same.
    for (int id : {kCmd3DView, kCmdTunnel, kCmdLayoutShape, kCmdLevels, kCmdPrint, kCmdPrintPreview})
        EXPECT_NE(findCommand(id), nullptr) << id;
}

} // namespace
} // namespace layrail
