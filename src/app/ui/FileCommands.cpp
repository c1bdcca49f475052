// The File menu commands that move layout files about: Save, Save As, Open (with deleting),
// Import, Export and Save as Library Block.

#include "app/ui/MainFrame.h"

#include <filesystem>
#include <system_error>

#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/textdlg.h>

#include "app/CommandIds.h"
#include "app/FileCopy.h"
#include "app/LayoutFolder.h"
#include "app/OpenStatus.h"
#include "app/ui/ExportLayoutDialog.h"
#include "app/ui/ImportLayoutDialog.h"
#include "app/ui/OpenLayoutDialog.h"
#include "canvas/ui/CanvasPanel.h"
#include "catalog/TrackCatalog.h"
#include "document/Joints.h"
#include "document/LayoutFile.h"
#include "document/LibraryBlock.h"
#include "document/SelectionFlags.h"
#include "panels/ui/PalettePanel.h"
#include "panels/ui/PropertiesPanel.h"

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
    return confirmReplace(parent,
                          wxString::Format("A layout named \"%s\" already exists.\n\nReplace it?", text(name)));
}

// A name that cannot name a file is refused before anything is written.
bool acceptName(wxWindow* parent, const NamedPath& target)
{
    if (target.ok())
        return true;
    wxMessageBox(text(target.problem), kInvalidNameTitle, wxOK | wxICON_WARNING, parent);
    return false;
}

int unitMenuId(LengthUnit unit)
{
    switch (unit) {
    case LengthUnit::Centimetres:
        return kCmdUnitsCentimetres;
    case LengthUnit::Inches:
        return kCmdUnitsInches;
    default:
        return kCmdUnitsMillimetres;
    }
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

void MainFrame::setLayoutsFolder(const std::string& folder)
{
    layoutsFolder_ = folder;
    palette_->refreshLibraryList();
}

bool MainFrame::saveLayout(bool forceName)
{
    if (forceName || currentFile_.empty()) {
        const std::string initial = layoutName_.empty() ? kDefaultLayoutName : layoutName_;
        wxTextEntryDialog prompt(this, "Layout name:", "Save Layout", text(initial), wxOK | wxCANCEL | wxCENTRE);
        if (prompt.ShowModal() != wxID_OK)
            return false;
        const std::string name = layoutNameFromEntry(prompt.GetValue().utf8_string());
        const NamedPath target = layoutPath(layoutsFolder_, name);
        if (!acceptName(this, target))
            return false;
        if (fileExists(target.path) && !confirmReplaceLayout(this, name))
            return false;
        currentFile_ = target.path;
        layoutName_ = name;
        ensureFolder(layoutsFolder_);
    }
    const std::string error = writeLayout(layout_, currentFile_, layoutName_);
    if (!error.empty()) {
        wxMessageBox(text(error), "Save Failed", wxOK | wxICON_ERROR);
        return false;
    }
    modified_ = false;
    updateTitle();
    return true;
}

bool MainFrame::loadLayoutFile(const std::string& path)
{
    std::string name;
    const std::string error = readLayout(path, layout_, name);
    if (!error.empty()) {
        wxMessageBox(text(error), "Open Failed", wxOK | wxICON_ERROR, this);
        return false;
    }
    layout_.ensureDefaultLevel();
    currentFile_ = path;
    layoutName_ = name;
    modified_ = false;
    updateTitle();
    GetMenuBar()->Check(unitMenuId(layout_.units), true);

    // Z-Track is so small that a fitted view would start far zoomed in.
    if (hasZTrack(layout_))
        canvas_->zoomActual();
    else
        canvas_->zoomToFit(false);
    refreshViews();
    properties_->refreshSelection();
    refreshTally();
    palette_->selectSystemForLayout();
    SetStatusText(text(openStatusText(layout_)), 0);
    SetStatusText(text(piecesStatus(layout_)), 1);
    return true;
}

bool MainFrame::saveLibraryBlock()
{
    if (!anyPieceOrScenerySelected(layout_)) {
        wxMessageBox("Select pieces first to save as library block.", "Save Block", wxOK | wxICON_INFORMATION, this);
        return false;
    }
    wxTextEntryDialog prompt(this, "Block name:", "Save Library Block", "", wxOK | wxCANCEL | wxCENTRE);
    if (prompt.ShowModal() != wxID_OK)
        return false;
    const std::string name = prompt.GetValue().utf8_string();
    if (name.empty())
        return false;
    const std::string folder = palette_->libraryFolder();
    const NamedPath target = blockPath(folder, name);
    if (!acceptName(this, target))
        return false;
    ensureFolder(folder);
    const std::string error = writeBlock(layout_, target.path, name);
    if (!error.empty()) {
        wxMessageBox(text(error), "Save Block Failed", wxOK | wxICON_ERROR, this);
        return false;
    }
    palette_->refreshLibraryList();
    wxMessageBox("Block saved: " + text(name), "Save Block", wxOK | wxICON_INFORMATION, this);
    return true;
}

void MainFrame::onSave(wxCommandEvent&) { saveLayout(false); }

void MainFrame::onSaveAs(wxCommandEvent&) { saveLayout(true); }

void MainFrame::onSaveLibraryBlock(wxCommandEvent&) { saveLibraryBlock(); }

void MainFrame::onOpenLayout(wxCommandEvent&)
{
    if (!confirmUnsavedChanges())
        return;
    const std::vector<std::string> files = listLayoutFiles(layoutsFolder_);
    if (files.empty()) {
        wxMessageBox("No layouts found in\n" + text(layoutsFolder_), "Open Layout", wxOK | wxICON_INFORMATION, this);
        return;
    }
    OpenLayoutDialog dialog(this, files);
    const int answer = dialog.ShowModal();
    // The document of a deleted file stays on screen, but no longer belongs to a file.
    for (const std::string& removed : dialog.removedFiles()) {
        if (!currentFile_.empty() && samePath(removed, currentFile_)) {
            currentFile_.clear();
            updateTitle();
        }
    }
    const std::string name = dialog.selectedName();
    if (answer != wxID_OK || name.empty())
        return;
    // A ".lyr" and an older ".xml" of the same name are both read; the ".xml" stays loaded.
    for (const std::string& path : allWithDisplayName(dialog.paths(), name))
        loadLayoutFile(path);
}

void MainFrame::onImportLayout(wxCommandEvent&)
{
    ImportLayoutDialog dialog(this, transferFolder());
    if (dialog.ShowModal() != wxID_OK)
        return;
    const std::string source = dialog.sourcePath();
    const std::string name = dialog.importName();
    if (source.empty() || name.empty())
        return;
    const NamedPath target = layoutPath(layoutsFolder_, name);
    if (!acceptName(this, target))
        return;
    if (fileExists(target.path) && !confirmReplaceLayout(this, name))
        return;

    layrail::Layout scratch;
    std::string storedName;
    const std::string error = readLayout(source, scratch, storedName);
    if (!error.empty()) {
        wxMessageBox("This file does not appear to be a Layrail layout:\n\n" + text(error), "Import Failed",
                     wxOK | wxICON_ERROR, this);
        return;
    }
    ensureFolder(layoutsFolder_);
    if (!copyFileReplacing(source, target.path)) {
        wxMessageBox("Could not copy the file to:\n" + text(target.path), "Import Failed", wxOK | wxICON_ERROR,
                     this);
        return;
    }
    const wxString question = "Imported successfully.\n\nOpen \"" + text(name) + "\" now?";
    if (wxMessageBox(question, "Import", wxYES_NO | wxICON_QUESTION, this) == wxYES && confirmUnsavedChanges())
        loadLayoutFile(target.path);
}

void MainFrame::onExportLayout(wxCommandEvent&)
{
    const std::vector<std::string> files = listLayoutFiles(layoutsFolder_);
    if (files.empty()) {
        wxMessageBox("No layouts to export. Save a layout first.", "Export Layout", wxOK | wxICON_INFORMATION, this);
        return;
    }
    ExportLayoutDialog dialog(this, sortedDisplayNames(files), layoutName_, transferFolder());
    if (dialog.ShowModal() != wxID_OK)
        return;
    const int index = lastWithDisplayName(files, dialog.selectedName());
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
                     this);
        return;
    }
    const std::string name = exportName(saveAs);
    const NamedPath target = layoutPath(folder, name);
    if (!acceptName(this, target))
        return;
    if (fileExists(target.path) &&
        !confirmReplace(this, wxString::Format("\"%s\" already exists in that folder.\n\nReplace it?",
                                               text(name + kLayoutExtension))))
        return;
    if (!copyFileReplacing(source, target.path)) {
        wxMessageBox("Could not copy the file to:\n" + text(target.path), "Export Failed", wxOK | wxICON_ERROR,
                     this);
        return;
    }
    wxMessageBox("Exported to:\n" + text(target.path), "Export", wxOK | wxICON_INFORMATION, this);
}

} // namespace layrail
