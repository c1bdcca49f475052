#include "app/ui/CommandTable.h"

#include <algorithm>
#include <map>

#include <wx/menu.h>
#include <wx/toolbar.h>

#include "app/CommandIds.h"
#include "app/ui/EditCommands.h"
#include "app/ui/ExportCommands.h"
#include "app/ui/FileCommands.h"
#include "app/ui/LayoutCommands.h"
#include "app/ui/PrintCommands.h"
#include "app/ui/ViewCommands.h"

namespace layrail {

namespace {

constexpr const char* kFile = "&File";
constexpr const char* kEdit = "&Edit";
constexpr const char* kView = "&View";
constexpr const char* kLayoutMenu = "&Layout";
constexpr const char* kHelp = "&Help";
constexpr const char* kUnits = "Units of Measure";

std::vector<Command> buildTable()
{
    std::vector<Command> t;
    auto add = [&t](const Command& command) { t.push_back(command); };

    add(Command(kCmdNewLayout).inMenu(kFile, "&New Layout", "Ctrl+N").runs(newLayoutCommand));
    add(Command(kCmdOpenLayout).inMenu(kFile, "&Open Layout...", "Ctrl+O").runs(openLayoutCommand));
    add(Command(kCmdSave).inMenu(kFile, "&Save", "Ctrl+S").afterSeparator().runs(saveCommand));
    add(Command(kCmdSaveAs).inMenu(kFile, "Save &As...", "Ctrl+Shift+S").runs(saveAsCommand));
    add(Command(kCmdImportLayout).inMenu(kFile, "&Import Layout...").afterSeparator().runs(importLayoutCommand));
    add(Command(kCmdExportLayout).inMenu(kFile, "&Export Layout...").runs(exportLayoutCommand));
    add(Command(kCmdExportPlan).inMenu(kFile, "Expor&t Plan...").runs(exportPlanCommand));
    add(Command(kCmdExportPieceList).inMenu(kFile, "Expo&rt Piece List...").runs(exportPieceListCommand));
    add(Command(kCmdCloseLayout).inMenu(kFile, "&Close Layout", "Ctrl+W").afterSeparator().runs(newLayoutCommand));
    add(Command(kCmdPageSetup).inMenu(kFile, "Page Set&up...").afterSeparator().runs(pageSetupCommand));
    add(Command(kCmdPrintPreview).inMenu(kFile, "Print Pre&view...").runs(printPreviewCommand));
    add(Command(kCmdPrint).inMenu(kFile, "&Print...", "Ctrl+P").runs(printCommand));
    add(Command(kCmdSaveLibraryBlock)
            .inMenu(kFile, "Save as &Library Block...")
            .afterSeparator()
            .runs(saveLibraryBlockCommand));
    add(Command(kCmdExit).inMenu(kFile, "E&xit").afterSeparator().runs(exitCommand));

    add(Command(kCmdUndo)
            .inMenu(kEdit, "&Undo", "Ctrl+Z")
            .onToolbar("Undo")
            .runs(undoCommand)
            .enabledWhen(undoPossible));
    add(Command(kCmdRedo)
            .inMenu(kEdit, "&Redo", "Ctrl+Y")
            .onToolbar("Redo")
            .runs(redoCommand)
            .enabledWhen(redoPossible));
    add(Command(kCmdDelete)
            .inMenu(kEdit, "&Delete", "Del")
            .afterSeparator()
            .runs(deleteCommand)
            .enabledWhen(deletePossible));
    add(Command(kCmdSelectAll).inMenu(kEdit, "Select &All", "Ctrl+A").runs(selectAllCommand));

    add(Command(kCmdZoomIn).inMenu(kView, "Zoom &In", "+").keepsDrags().runs(zoomInCommand));
    add(Command(kCmdZoomOut).inMenu(kView, "Zoom &Out", "-").keepsDrags().runs(zoomOutCommand));
    add(Command(kCmdZoomFit).inMenu(kView, "Zoom to &Fit", "Ctrl+0").onToolbar("Fit").keepsDrags().runs(zoomFitCommand));
    add(Command(kCmdShowGrid)
            .inMenu(kView, "Show &Grid", "Ctrl+G")
            .afterSeparator()
            .asCheck(true)
            .keepsDrags()
            .runs(showGridCommand)
            .checkedWhen(gridShown));
    add(Command(kCmdSnap).inMenu(kView, "&Snap", "Ctrl+Shift+G").asCheck(true).keepsDrags().runs(snapCommand).checkedWhen(snapOn));

    add(Command(kCmdUnitsMillimetres)
            .inMenu(kLayoutMenu, "Millimetres (mm)")
            .inSubmenu(kUnits)
            .asRadio(true)
            .runs(unitsCommand)
            .checkedWhen(millimetresChosen));
    add(Command(kCmdUnitsCentimetres)
            .inMenu(kLayoutMenu, "Centimetres (cm)")
            .inSubmenu(kUnits)
            .asRadio()
            .runs(unitsCommand)
            .checkedWhen(centimetresChosen));
    add(Command(kCmdUnitsInches)
            .inMenu(kLayoutMenu, "Inches (in)")
            .inSubmenu(kUnits)
            .asRadio()
            .runs(unitsCommand)
            .checkedWhen(inchesChosen));
    add(Command(kCmdLayoutShape).inMenu(kLayoutMenu, "Layout &Shape...").afterSeparator().runs(layoutShapeCommand));
    add(Command(kCmdCheckLayout).inMenu(kLayoutMenu, "&Check Layout...").runs(checkLayoutCommand));

    add(Command(kCmdHelp).inMenu(kHelp, "&Help", "F1").runs(helpCommand));

    add(Command(kCmdLevels)
            .onToolbar("Levels", "Manage layout levels (decks): height, color, and shape")
            .runs(levelsCommand));
    add(Command(kCmd3DView).onToolbar("3D View").runs(view3DCommand));
    add(Command(kCmdHideLabels)
            .onToolbar("Hide Labels", "Toggle track labels and join dots")
            .asCheck()
            .runs(hideLabelsCommand)
            .checkedWhen(labelsHidden)
            .toolLabelFrom(hideLabelsLabel));
    add(Command(kCmdTunnel)
            .onToolbar("Tunnel", "Place tunnel portals on the selected chain (or remove if already in a tunnel)")
            .disabledAtFirst()
            .runs(tunnelCommand)
            .enabledWhen(tunnelPossible)
            .toolLabelFrom(tunnelLabel));
    add(Command(kCmdMeasure)
            .onToolbar("Measure", "Measuring tape: click two points on the canvas to lay down a length annotation")
            .asCheck()
            .runs(measureCommand)
            .checkedWhen(measuring));
    add(Command(kCmdPolygon)
            .onToolbar("Polygon", "Draw a free-form polygon (access hatch, river, mountain, etc.)")
            .asCheck()
            .runs(polygonCommand)
            .checkedWhen(drawingPolygon));
    return t;
}

wxItemKind itemKind(CommandKind kind)
{
    switch (kind) {
    case CommandKind::Check:
        return wxITEM_CHECK;
    case CommandKind::Radio:
        return wxITEM_RADIO;
    default:
        return wxITEM_NORMAL;
    }
}

wxString text(const std::string& utf8) { return wxString::FromUTF8(utf8); }

} // namespace

const std::vector<Command>& commandTable()
{
    static const std::vector<Command> table = buildTable();
    return table;
}

const std::vector<int>& toolbarOrder()
{
    static const std::vector<int> order = {kCmdUndo,       kCmdRedo,   kCmdLevels,  kCmd3DView, kCmdZoomFit,
                                           kCmdHideLabels, kCmdTunnel, kCmdMeasure, kCmdPolygon};
    return order;
}

const Command* findCommand(int id)
{
    const std::vector<Command>& table = commandTable();
    auto it = std::find_if(table.begin(), table.end(), [id](const Command& c) { return c.id == id; });
    return it == table.end() ? nullptr : &*it;
}

wxMenuBar* buildMenuBar(const std::vector<Command>& table)
{
    auto* bar = new wxMenuBar;
    std::map<std::string, wxMenu*> menus;
    std::map<std::string, wxMenu*> submenus;
    for (const Command& command : table) {
        if (command.menu.empty())
            continue;
        wxMenu*& menu = menus[command.menu];
        if (menu == nullptr) {
            menu = new wxMenu;
            bar->Append(menu, text(command.menu));
        }
        if (command.separatorBefore)
            menu->AppendSeparator();
        wxMenu* target = menu;
        if (!command.submenu.empty()) {
            wxMenu*& submenu = submenus[command.menu + "\n" + command.submenu];
            if (submenu == nullptr) {
                submenu = new wxMenu;
                menu->AppendSubMenu(submenu, text(command.submenu), "");
            }
            target = submenu;
        }
        wxMenuItem* item = target->Append(command.id, text(command.menuText()), "", itemKind(command.kind));
        if (command.kind != CommandKind::Normal && command.initiallyChecked)
            item->Check(true);
    }
    return bar;
}

void fillToolBar(wxToolBar& tools, const std::vector<Command>& table, const std::vector<int>& order)
{
    for (int id : order) {
        auto it = std::find_if(table.begin(), table.end(), [id](const Command& c) { return c.id == id; });
        if (it == table.end() || it->toolLabel.empty())
            continue;
        // The toolbar has no radio groups: a radio command shows as a check tool.
        const wxItemKind kind = it->kind == CommandKind::Normal ? wxITEM_NORMAL : wxITEM_CHECK;
        tools.AddTool(it->id, text(it->toolLabel), wxNullBitmap, text(it->toolHelp), kind);
    }
    tools.Realize();
    for (int id : order) {
        auto it = std::find_if(table.begin(), table.end(), [id](const Command& c) { return c.id == id; });
        if (it == table.end() || it->toolLabel.empty())
            continue;
        if (!it->initiallyEnabled)
            tools.EnableTool(id, false);
        if (it->kind != CommandKind::Normal && it->initiallyChecked)
            tools.ToggleTool(id, true);
    }
}

void applyCommandRules(const std::vector<Command>& table, const CommandContext& context, wxMenuBar* menus,
                       wxToolBar* tools)
{
    bool relabelled = false;
    for (const Command& command : table) {
        wxMenuItem* item = menus != nullptr ? menus->FindItem(command.id) : nullptr;
        wxToolBarToolBase* tool = tools != nullptr ? tools->FindById(command.id) : nullptr;
        if (command.enabled != nullptr) {
            const bool enabled = command.enabled(context);
            if (item != nullptr && item->IsEnabled() != enabled)
                item->Enable(enabled);
            if (tool != nullptr && tool->IsEnabled() != enabled)
                tools->EnableTool(command.id, enabled);
        }
        if (command.checked != nullptr) {
            const bool checked = command.checked(context);
            // A radio item is unchecked only by checking another of its group.
            const bool settable = item != nullptr && item->IsCheckable() && (checked || !item->IsRadio());
            if (settable && item->IsChecked() != checked)
                item->Check(checked);
            if (tool != nullptr && tool->CanBeToggled() && tool->IsToggled() != checked)
                tools->ToggleTool(command.id, checked);
        }
        relabelled = relabelTool(command, context, tools) || relabelled;
    }
    if (relabelled)
        tools->Realize();
}

bool relabelTool(const Command& command, const CommandContext& context, wxToolBar* tools)
{
    wxToolBarToolBase* tool = tools != nullptr ? tools->FindById(command.id) : nullptr;
    if (command.toolLabelRule == nullptr || tool == nullptr)
        return false;
    const wxString label = text(command.toolLabelRule(context));
    if (tool->GetLabel() == label)
        return false;
    tool->SetLabel(label);
    return true;
}

} // namespace layrail
