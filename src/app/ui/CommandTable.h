#pragma once

#include <string>
#include <vector>

class wxMenuBar;
class wxToolBar;

namespace layrail {

class CanvasPanel;
class MainFrame;
class PalettePanel;
class PropertiesPanel;
class Session;

// What a command may use: the session, the three panes and the frame (the parent of dialogs,
// the print data and the layouts folder).
struct CommandContext {
    MainFrame& frame;
    Session& session;
    CanvasPanel& canvas;
    PalettePanel& palette;
    PropertiesPanel& properties;
};

// How the command arrived: its id, and for check and radio items the new state.
struct CommandCall {
    int id = 0;
    bool checked = false;
};

enum class CommandKind { Normal, Check, Radio };

using CommandHandler = void (*)(CommandContext& context, const CommandCall& call);
using CommandRule = bool (*)(const CommandContext& context);
using CommandLabelRule = std::string (*)(const CommandContext& context);

// One menu or toolbar command, declared once. The main frame builds its menus and its toolbar from
// the table, sends every command to its handler and keeps the enabled, checked and label states
// with the rules: after each command, after each commit of the session and whenever wx asks
// (update-UI events).
//
// Adding a command is one entry in commandTable() and one handler in the file of its area:
//     add(Command(kCmdTunnel).onToolbar("Tunnel", "Place tunnel portals ...")
//             .disabledAtFirst().runs(toggleTunnel).enabledWhen(tunnelPossible).toolLabelFrom(tunnelLabel));
struct Command {
    explicit Command(int commandId) : id(commandId) {}

    int id;
    CommandKind kind = CommandKind::Normal;
    std::string menu;    // "&File"; empty: not in the menu bar
    std::string submenu; // the submenu of that menu the item sits in, or empty
    bool separatorBefore = false;
    std::string menuLabel;   // with its mnemonic, without the accelerator
    std::string accelerator; // "Ctrl+N", "Del", "F1"; empty for none
    std::string toolLabel;   // empty: not on the toolbar
    std::string toolHelp;    // the tool's short help; menu items carry an empty help string
    bool initiallyChecked = false;
    bool initiallyEnabled = true;
    // Most commands first end a mouse drag in progress (see CanvasPanel::finishDrags); a command that
    // only changes how the plan is seen lets the drag go on.
    bool endsDrags = true;
    CommandHandler handler = nullptr;         // null: the command does nothing yet
    CommandRule enabled = nullptr;            // null: the enabled state is left alone
    CommandRule checked = nullptr;            // null: the check state is left alone
    CommandLabelRule toolLabelRule = nullptr; // null: the tool keeps its label

    Command& inMenu(const std::string& menuTitle, const std::string& label, const std::string& accel = "")
    {
        menu = menuTitle;
        menuLabel = label;
        accelerator = accel;
        return *this;
    }
    Command& inSubmenu(const std::string& title)
    {
        submenu = title;
        return *this;
    }
    Command& afterSeparator()
    {
        separatorBefore = true;
        return *this;
    }
    Command& onToolbar(const std::string& label, const std::string& help = "")
    {
        toolLabel = label;
        toolHelp = help;
        return *this;
    }
    Command& asCheck(bool checkedAtFirst = false)
    {
        kind = CommandKind::Check;
        initiallyChecked = checkedAtFirst;
        return *this;
    }
    Command& asRadio(bool checkedAtFirst = false)
    {
        kind = CommandKind::Radio;
        initiallyChecked = checkedAtFirst;
        return *this;
    }
    Command& disabledAtFirst()
    {
        initiallyEnabled = false;
        return *this;
    }
    Command& keepsDrags()
    {
        endsDrags = false;
        return *this;
    }
    Command& runs(CommandHandler h)
    {
        handler = h;
        return *this;
    }
    Command& enabledWhen(CommandRule rule)
    {
        enabled = rule;
        return *this;
    }
    Command& checkedWhen(CommandRule rule)
    {
        checked = rule;
        return *this;
    }
    Command& toolLabelFrom(CommandLabelRule rule)
    {
        toolLabelRule = rule;
        return *this;
    }

    // The menu item's text: the label, then a tab and the accelerator.
    std::string menuText() const { return accelerator.empty() ? menuLabel : menuLabel + "\t" + accelerator; }
};

// Every command, in menu order.
const std::vector<Command>& commandTable();
// The toolbar's commands, left to right.
const std::vector<int>& toolbarOrder();
// The entry of an id, or null.
const Command* findCommand(int id);

// The menu bar and the toolbar as the table describes them (menus in the order of their first items).
wxMenuBar* buildMenuBar(const std::vector<Command>& table);
void fillToolBar(wxToolBar& tools, const std::vector<Command>& table, const std::vector<int>& order);

// Gives the command's tool the label its rule asks for; true when the label changed (the toolbar
// then needs realizing, which redraws all of it).
bool relabelTool(const Command& command, const CommandContext& context, wxToolBar* tools);

// Brings the menu items and tools in line with the rules of the table.
void applyCommandRules(const std::vector<Command>& table, const CommandContext& context, wxMenuBar* menus,
                       wxToolBar* tools);

} // namespace layrail
