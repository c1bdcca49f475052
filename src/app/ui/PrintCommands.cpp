#include "app/ui/PrintCommands.h"

#include <wx/msgdlg.h>
#include <wx/print.h>

#include "app/ui/MainFrame.h"
#include "print/ui/LayoutPrintout.h"
#include "print/ui/PrintOptionsDialog.h"

namespace layrail {

namespace {

constexpr const char* kPrintoutTitle = "Layrail Layout";
constexpr int kPreviewWidth = 900;
constexpr int kPreviewHeight = 700;

class WxPrintingSystem : public PrintingSystem {
public:
    PrintOutcome print(wxWindow& parent, wxPrintDialogData& data, wxPrintout& printout) override
    {
        wxPrinter printer(&data);
        if (printer.Print(&parent, &printout, true)) {
            data = printer.GetPrintDialogData();
            return PrintOutcome::Printed;
        }
        return wxPrinter::GetLastError() == wxPRINTER_ERROR ? PrintOutcome::Failed : PrintOutcome::Cancelled;
    }

    bool previewUsable(wxPrintPreview& preview) override { return preview.IsOk(); }
};

WxPrintingSystem& realSystem()
{
    static WxPrintingSystem system;
    return system;
}

PrintingSystem* current = nullptr;

PrintingSystem& printingSystem() { return current != nullptr ? *current : realSystem(); }

} // namespace

PrintingSystem* usePrintingSystem(PrintingSystem* system)
{
    PrintingSystem* replaced = &printingSystem();
    current = system;
    return replaced;
}

void printCommand(CommandContext& context, const CommandCall&)
{
    MainFrame& frame = context.frame;
    PrintOptionsDialog dialog(&frame, frame.printOptions());
    if (dialog.ShowModal() != wxID_OK)
        return;
    frame.printOptions() = dialog.options();

    wxPrintDialogData data(frame.printData());
    LayoutPrintout printout(context.session.layout(), frame.printOptions(), kPrintoutTitle);
    switch (printingSystem().print(frame, data, printout)) {
    case PrintOutcome::Printed:
        // The printer and paper chosen stay for the rest of the run.
        frame.printData() = data.GetPrintData();
        break;
    case PrintOutcome::Failed:
        wxMessageBox("There was a problem printing. Check that a printer is installed and connected.", "Print",
                     wxOK | wxICON_ERROR, &frame);
        break;
    case PrintOutcome::Cancelled:
        break;
    }
}

void printPreviewCommand(CommandContext& context, const CommandCall&)
{
    MainFrame& frame = context.frame;
    const Layout& layout = context.session.layout();
    wxPrintDialogData data(frame.printData());
    auto* preview = new wxPrintPreview(new LayoutPrintout(layout, frame.printOptions(), kPrintoutTitle),
                                       new LayoutPrintout(layout, frame.printOptions(), kPrintoutTitle), &data);
    if (!printingSystem().previewUsable(*preview)) {
        delete preview;
        wxMessageBox("Could not create print preview. Is a printer driver installed?", "Print Preview",
                     wxOK | wxICON_ERROR, &frame);
        return;
    }
    auto* window = new wxPreviewFrame(preview, &frame, kPrintPreviewTitle, wxDefaultPosition,
                                      wxSize(kPreviewWidth, kPreviewHeight),
                                      wxDEFAULT_FRAME_STYLE | wxFRAME_FLOAT_ON_PARENT);
    window->Centre(wxBOTH);
    window->Initialize();
    window->Show();
}

} // namespace layrail
