#pragma once

#include "app/ui/CommandTable.h"

class wxPrintDialogData;
class wxPrintout;
class wxPrintPreview;
class wxWindow;

namespace layrail {

// File > "Print..." (the print options, then the system's print dialog and the pages) and
// "Print Preview..." (the pages with the options last used, in a preview window).
void printCommand(CommandContext& context, const CommandCall& call);
void printPreviewCommand(CommandContext& context, const CommandCall& call);

// The preview window's title.
constexpr const char* kPrintPreviewTitle = "Print Preview -- Layrail";

enum class PrintOutcome { Printed, Cancelled, Failed };

// The printing system as the two commands reach it. The real one asks the system's print dialog and
// sends the pages to the printer; a test puts a stand-in in its place (these machines have no
// printer).
class PrintingSystem {
public:
    virtual ~PrintingSystem() = default;
    // Prints after the system's print dialog; on Printed, data holds the printer and paper chosen.
    virtual PrintOutcome print(wxWindow& parent, wxPrintDialogData& data, wxPrintout& printout) = 0;
    // Whether the preview can be shown: false when no printer driver can lay out its pages.
    virtual bool previewUsable(wxPrintPreview& preview) = 0;
};

// The system the commands use; a null argument puts the real one back. Returns the one replaced.
PrintingSystem* usePrintingSystem(PrintingSystem* system);

} // namespace layrail
