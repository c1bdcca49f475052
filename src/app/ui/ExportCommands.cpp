// The commands that take the layout out of the program (plan export, the piece list) and the
// layout check.

#include "app/ui/ExportCommands.h"

#include <filesystem>
#include <system_error>

#include <wx/msgdlg.h>
#include <wx/utils.h>

#include "app/ui/DataFolders.h"
#include "app/ui/ExportPlanDialog.h"
#include "app/ui/MainFrame.h"
#include "app/ui/SaveFileDialog.h"
#include "canvas/ui/CanvasPanel.h"
#include "canvas/ui/LayoutCheckDialog.h"
#include "document/SafeFileWriter.h"
#include "document/Session.h"
#include "export/PlanExport.h"
#include "panels/PieceList.h"
#include "panels/StoreTable.h"

namespace layrail {

namespace {

namespace fs = std::filesystem;

wxString text(const std::string& utf8) { return wxString::FromUTF8(utf8); }

// The choices of the last export, kept for the run like the print options.
struct ExportMemory {
    bool used = false;
    PlanExportOptions options;
    std::string folder;
};

ExportMemory& exportMemory()
{
    static ExportMemory memory;
    return memory;
}

std::string layoutStem(const Session& session)
{
    return session.name().empty() ? std::string("Layout") : session.name();
}

bool exists(const std::string& path)
{
    std::error_code error;
    return fs::exists(path, error);
}

bool confirmReplaceFile(wxWindow* parent, const std::string& path)
{
    return wxMessageBox(wxString::Format("The file \"%s\" already exists.\n\nReplace it?", text(path)),
                        "Confirm Replace", wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION, parent) == wxYES;
}

// The store table as the piece count reads it; without one nothing counts as sold by the store.
StoreTable storeTable()
{
    StoreTableLoad load = loadStoreTable({userDataFolder(), dataFilesFolder()});
    return load.ok() ? std::move(load.table) : StoreTable{};
}

} // namespace

void exportPlanCommand(CommandContext& context, const CommandCall&)
{
    ExportMemory& memory = exportMemory();
    if (!memory.used) {
        memory.options.labels = context.session.layout().labelsOn;
        memory.folder = transferFolder();
    }
    const std::string suggested =
        (fs::path(memory.folder) / (layoutStem(context.session) + "." + formatExtension(memory.options.format)))
            .string();
    ExportPlanDialog dialog(&context.frame, memory.options, suggested);
    if (dialog.ShowModal() != wxID_OK)
        return;
    const std::string path = dialog.path();
    const PlanExportOptions options = dialog.options();
    if (path.empty() || (exists(path) && !confirmReplaceFile(&context.frame, path)))
        return;
    memory.used = true;
    memory.options = options;
    memory.folder = fs::path(path).parent_path().string();

    std::string error;
    {
        wxBusyCursor busy;
        error = exportPlan(context.session.layout(), options, path);
    }
    if (!error.empty()) {
        wxMessageBox(text(error), "Export Plan", wxOK | wxICON_ERROR, &context.frame);
        return;
    }
    context.frame.setStatusText(StatusField::Prompt, "Plan exported to " + path);
}

void exportPieceListCommand(CommandContext& context, const CommandCall&)
{
    ExportMemory& memory = exportMemory();
    const std::string folder = memory.folder.empty() ? transferFolder() : memory.folder;
    SaveFileDialog chooser(&context.frame, "Export Piece List",
                           (fs::path(folder) / (layoutStem(context.session) + " pieces.csv")).string(), "csv",
                           "CSV files (*.csv)|*.csv");
    if (chooser.ShowModal() != wxID_OK)
        return;
    const std::string path = chooser.path();
    if (path.empty() || (exists(path) && !confirmReplaceFile(&context.frame, path)))
        return;
    memory.folder = fs::path(path).parent_path().string();

    const std::string csv = pieceListCsv(pieceListLines(countTally(context.session.layout(), storeTable())));
    SafeFileWriter writer;
    std::string error = writer.open(path);
    if (error.empty()) {
        writer.write(csv);
        error = writer.commit();
    }
    if (!error.empty()) {
        wxMessageBox(text(error), "Export Piece List", wxOK | wxICON_ERROR, &context.frame);
        return;
    }
    context.frame.setStatusText(StatusField::Prompt, "Piece list exported to " + path);
}

void checkLayoutCommand(CommandContext& context, const CommandCall&)
{
    // One list at a time: the command brings an open one forward, checked afresh.
    if (auto* open = dynamic_cast<LayoutCheckDialog*>(
            wxWindow::FindWindowByName(LayoutCheckDialog::kWindowName, &context.frame))) {
        open->recheck();
        open->Raise();
        return;
    }
    auto* dialog = new LayoutCheckDialog(&context.frame, context.session, context.canvas);
    dialog->Show();
}

} // namespace layrail
