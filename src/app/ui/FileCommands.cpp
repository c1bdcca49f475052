// The File menu commands: New, Open (with deleting), Save, Save As, Import, Export, Page Setup,
// Save as Library Block and Exit.

#include "app/ui/FileCommands.h"

#include <filesystem>
#include <system_error>

#include <wx/msgdlg.h>
#include <wx/printdlg.h>
#include <wx/textdlg.h>

#include "app/FileCopy.h"
#include "app/LayoutFolder.h"
#include "app/OpenStatus.h"
#include "app/ui/ExportLayoutDialog.h"
#include "app/ui/ImportLayoutDialog.h"
#include "app/ui/MainFrame.h"
#include "app/ui/OpenLayoutDialog.h"
#include "canvas/ui/CanvasPanel.h"
#include "catalog/TrackCatalog.h"
#include "document/LayoutFile.h"
#include "document/LibraryBlock.h"
#include "document/SelectionFlags.h"
#include "document/Session.h"
#include "panels/ui/PalettePanel.h"

namespace layrail {

namespace {

namespace fs = std::filesystem;

wxString text(const std::string& utf8) { return wxString::FromUTF8(utf8); }

bool fileExists(const std::string& path)
{
    std::error_code error;
    return fs::exists(path, error);
}

bool samePath(const std::string& a, const std::string& b)
{
    return fs::path(a).lexically_normal() == fs::path(b).lexically_normal();
}

bool confirmReplace(wxWindow* parent, const wxString& question)
{
    return wxMessageBox(question, "Confirm Replace", wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION, parent) == wxYES;
}

bool confirmReplaceLayout(wxWindow* parent, const std::string& name)
{
    return confirmReplace(parent, wxString::Format("A layout named \"%s\" already exists.\n\nReplace it?", text(name)));
}

// A name that cannot name a file is refused before anything is written.
bool acceptName(wxWindow* parent, const NamedPath& target)
{
    if (target.ok())
        return true;
    wxMessageBox(text(target.problem), kInvalidNameTitle, wxOK | wxICON_WARNING, parent);
    return false;
}

bool hasZTrack(const Layout& layout)
{
    const TrackCatalog& catalog = TrackCatalog::instance();
    for (const PlacedPiece& piece : layout.pieces) {
        const CatalogPiece* entry = catalog.find(piece.article);
        if (entry != nullptr && entry->system == TrackSystem::MarklinZ)
            return true;
    }
    return false;
}

} // namespace

bool confirmUnsavedChanges(CommandContext& context)
{
    if (!context.session.modified())
        return true;
    const int answer = wxMessageBox("You have unsaved changes. Save before continuing?", "Unsaved Changes",
                                    wxYES_NO | wxCANCEL | wxICON_QUESTION, &context.frame);
    if (answer == wxYES)
        return saveLayout(context, false);
    return answer == wxNO;
}

void newLayoutCommand(CommandContext& context, const CommandCall&)
{
    if (!confirmUnsavedChanges(context))
        return;
    context.session.newLayout();
    context.canvas.resetView();
    context.frame.SetStatusText("Ready", 0);
}

void exitCommand(CommandContext& context, const CommandCall&) { context.frame.Close(false); }

void pageSetupCommand(CommandContext& context, const CommandCall&)
{
    wxPageSetupDialogData& pageSetup = context.frame.pageSetupData();
    pageSetup.SetPrintData(context.frame.printData());
    wxPageSetupDialog dialog(&context.frame, &pageSetup);
    if (dialog.ShowModal() != wxID_OK)
        return;
    pageSetup = dialog.GetPageSetupDialogData();
    context.frame.printData() = pageSetup.GetPrintData();
}

bool saveLayout(CommandContext& context, bool forceName)
{
    Session& session = context.session;
    MainFrame* parent = &context.frame;
    const std::string& folder = context.frame.layoutsFolder();
    std::string path = session.path();
    std::string name = session.name();
    if (forceName || path.empty()) {
        const std::string initial = name.empty() ? kDefaultLayoutName : name;
        wxTextEntryDialog prompt(parent, "Layout name:", "Save Layout", text(initial), wxOK | wxCANCEL | wxCENTRE);
        if (prompt.ShowModal() != wxID_OK)
            return false;
        name = layoutNameFromEntry(prompt.GetValue().utf8_string());
        const NamedPath target = layoutPath(folder, name);
        if (!acceptName(parent, target))
            return false;
        if (fileExists(target.path) && !confirmReplaceLayout(parent, name))
            return false;
        path = target.path;
        ensureFolder(folder);
    }
    const std::string error = session.save(path, name);
    if (!error.empty()) {
        wxMessageBox(text(error), "Save Failed", wxOK | wxICON_ERROR, parent);
        return false;
    }
    return true;
}

bool loadLayoutFile(CommandContext& context, const std::string& path)
{
    Session& session = context.session;
    const std::string error = session.open(path);
    if (!error.empty()) {
        wxMessageBox(text(error), "Open Failed", wxOK | wxICON_ERROR, &context.frame);
        return false;
    }
    // Z-Track is so small that a fitted view would start far zoomed in.
    if (hasZTrack(session.layout()))
        context.canvas.zoomActual();
    else
        context.canvas.zoomToFit(false);
    context.palette.selectSystemForLayout();
    context.frame.SetStatusText(text(openStatusText(session.layout())), 0);
    context.frame.logLine("Opened layout " + path + ": " + std::to_string(session.layout().pieces.size()) + " pieces");
    return true;
}

bool saveLibraryBlock(CommandContext& context)
{
    MainFrame* parent = &context.frame;
    const Layout& layout = context.session.layout();
    if (!anyPieceOrScenerySelected(layout)) {
        wxMessageBox("Select pieces first to save as library block.", "Save Block", wxOK | wxICON_INFORMATION, parent);
        return false;
    }
    wxTextEntryDialog prompt(parent, "Block name:", "Save Library Block", "", wxOK | wxCANCEL | wxCENTRE);
    if (prompt.ShowModal() != wxID_OK)
        return false;
    const std::string name = prompt.GetValue().utf8_string();
    if (name.empty())
        return false;
    const std::string folder = context.palette.libraryFolder();
    const NamedPath target = blockPath(folder, name);
    if (!acceptName(parent, target))
        return false;
    ensureFolder(folder);
    const std::string error = writeBlock(layout, target.path, name);
    if (!error.empty()) {
        wxMessageBox(text(error), "Save Block Failed", wxOK | wxICON_ERROR, parent);
        return false;
    }
    context.palette.refreshLibraryList();
    wxMessageBox("Block saved: " + text(name), "Save Block", wxOK | wxICON_INFORMATION, parent);
    return true;
}

void saveCommand(CommandContext& context, const CommandCall&) { saveLayout(context, false); }

void saveAsCommand(CommandContext& context, const CommandCall&) { saveLayout(context, true); }

void saveLibraryBlockCommand(CommandContext& context, const CommandCall&) { saveLibraryBlock(context); }

void openLayoutCommand(CommandContext& context, const CommandCall&)
{
    if (!confirmUnsavedChanges(context))
        return;
    MainFrame* parent = &context.frame;
    const std::string& folder = context.frame.layoutsFolder();
    const std::vector<std::string> files = listLayoutFiles(folder);
    if (files.empty()) {
        wxMessageBox("No layouts found in\n" + text(folder), "Open Layout", wxOK | wxICON_INFORMATION, parent);
        return;
    }
    OpenLayoutDialog dialog(parent, files);
    const int answer = dialog.ShowModal();
    // The document of a deleted file stays on screen, but no longer belongs to a file.
    for (const std::string& removed : dialog.removedFiles())
        if (!context.session.path().empty() && samePath(removed, context.session.path()))
            context.session.forgetFile();
    const std::string name = dialog.selectedName();
    if (answer != wxID_OK || name.empty())
        return;
    // Of a ".lyr" and an older ".xml" of the same name, the ".lyr" is the one Save wrote.
    const int index = layoutFileIndex(dialog.paths(), name);
    if (index >= 0)
        loadLayoutFile(context, dialog.paths()[static_cast<size_t>(index)]);
}

void importLayoutCommand(CommandContext& context, const CommandCall&)
{
    MainFrame* parent = &context.frame;
    const std::string& layoutsFolder = context.frame.layoutsFolder();
    ImportLayoutDialog dialog(parent, transferFolder());
    if (dialog.ShowModal() != wxID_OK)
        return;
    const std::string source = dialog.sourcePath();
    const std::string name = dialog.importName();
    if (source.empty() || name.empty())
        return;
    const NamedPath target = layoutPath(layoutsFolder, name);
    if (!acceptName(parent, target))
        return;
    if (fileExists(target.path) && !confirmReplaceLayout(parent, name))
        return;

    Layout scratch;
    std::string storedName;
    const std::string error = readLayout(source, scratch, storedName);
    if (!error.empty()) {
        wxMessageBox("This file does not appear to be a Layrail layout:\n\n" + text(error), "Import Failed",
                     wxOK | wxICON_ERROR, parent);
        return;
    }
    ensureFolder(layoutsFolder);
    if (!copyFileReplacing(source, target.path)) {
        wxMessageBox("Could not copy the file to:\n" + text(target.path), "Import Failed", wxOK | wxICON_ERROR, parent);
        return;
    }
    const wxString question = "Imported successfully.\n\nOpen \"" + text(name) + "\" now?";
    if (wxMessageBox(question, "Import", wxYES_NO | wxICON_QUESTION, parent) == wxYES && confirmUnsavedChanges(context))
        loadLayoutFile(context, target.path);
}

void exportLayoutCommand(CommandContext& context, const CommandCall&)
{
    MainFrame* parent = &context.frame;
    const std::vector<std::string> files = listLayoutFiles(context.frame.layoutsFolder());
    if (files.empty()) {
        wxMessageBox("No layouts to export. Save a layout first.", "Export Layout", wxOK | wxICON_INFORMATION, parent);
        return;
    }
    ExportLayoutDialog dialog(parent, sortedDisplayNames(files), context.session.name(), transferFolder());
    if (dialog.ShowModal() != wxID_OK)
        return;
    const int index = layoutFileIndex(files, dialog.selectedName());
    if (index < 0)
        return;
    const std::string& source = files[static_cast<size_t>(index)];
    const std::string folder = trimBlanks(dialog.destination());
    const std::string saveAs = trimBlanks(dialog.saveAsText());
    if (folder.empty() || saveAs.empty())
        return;

    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        wxMessageBox("Destination folder does not exist:\n" + text(folder), "Export Failed", wxOK | wxICON_ERROR,
                     parent);
        return;
    }
    const std::string name = exportName(saveAs);
    const NamedPath target = layoutPath(folder, name);
    if (!acceptName(parent, target))
        return;
    if (fileExists(target.path) &&
        !confirmReplace(parent, wxString::Format("\"%s\" already exists in that folder.\n\nReplace it?",
                                                 text(name + kLayoutExtension))))
        return;
    if (!copyFileReplacing(source, target.path)) {
        wxMessageBox("Could not copy the file to:\n" + text(target.path), "Export Failed", wxOK | wxICON_ERROR, parent);
        return;
    }
    wxMessageBox("Exported to:\n" + text(target.path), "Export", wxOK | wxICON_INFORMATION, parent);
}

} // namespace layrail
