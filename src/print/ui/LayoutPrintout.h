#pragma once

#include <wx/print.h>

#include "document/Layout.h"
#include "print/Pagination.h"
#include "print/PrintOptions.h"

namespace layrail {

// The layout on paper: the extent of what the options print, the pages it takes (fit to page,
// 1 : N or a percentage) and each page drawn by the canvas's renderer with the print options. The
// printout only reads the layout: the user's switches and level visibility stay as they are however
// printing ends.
//
//     LayoutPrintout printout(session.layout(), options);
//     wxPrinter(&printDialogData).Print(parent, &printout, true);
class LayoutPrintout : public wxPrintout {
public:
    LayoutPrintout(const Layout& layout, const PrintOptions& options, const wxString& title = "Layrail Layout");

    void OnPreparePrinting() override;
    bool HasPage(int page) override;
    bool OnPrintPage(int page) override;
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;

    const PrintExtent& extent() const { return extent_; }
    const Pagination& pagination() const { return pagination_; }

private:
    void paginateForPage();
    void drawColour(wxDC& dc, int page);
    void drawGreyscale(wxDC& dc, int page);
    double lineScale() const;

    const Layout& layout_;
    PrintOptions options_;
    PrintExtent extent_;
    Pagination pagination_;
};

} // namespace layrail
