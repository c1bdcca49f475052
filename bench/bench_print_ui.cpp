#include <benchmark/benchmark.h>

#include <cstdio>

#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/init.h>

#include "RenderBenchLayouts.h"
#include "WxBenchSupport.h"
#include "print/ui/LayoutPrintout.h"

// One printed page of the 10,000-piece layout (both decks, fit to page) on letter paper at 300 dpi,
// drawn by the printout into a bitmap the size of the page, as a printer's device context takes it.
namespace layrail {
namespace {

constexpr int kDpi = 300;
constexpr int kPageWidth = 3300; // 11 by 8.5 in, landscape
constexpr int kPageHeight = 2550;

void printPage(benchmark::State& state, PrintColour colour)
{
    const Layout& layout = bench::twoLevelLayout();
    PrintOptions options;
    options.levels = PrintLevels::All;
    options.colour = colour;
    wxBitmap paper(kPageWidth, kPageHeight, 24);
    wxMemoryDC dc(paper);
    for (auto _ : state) {
        LayoutPrintout printout(layout, options);
        printout.SetPPIScreen(96, 96);
        printout.SetPPIPrinter(kDpi, kDpi);
        printout.SetPageSizePixels(kPageWidth, kPageHeight);
        printout.SetPaperRectPixels(wxRect(0, 0, kPageWidth, kPageHeight));
        printout.SetDC(&dc);
        dc.SetUserScale(1.0, 1.0);
        dc.SetLogicalOrigin(0, 0);
        printout.OnPreparePrinting();
        if (!printout.OnPrintPage(1))
            state.SkipWithError("the page was not printed");
        printout.SetDC(nullptr);
    }
    dc.SelectObject(wxNullBitmap);
    state.counters["pieces"] = static_cast<double>(layout.pieces.size());
}

void BM_PrintPageColour(benchmark::State& state) { printPage(state, PrintColour::Colour); }
BENCHMARK(BM_PrintPageColour)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PrintPageGreyscale(benchmark::State& state) { printPage(state, PrintColour::Greyscale); }
BENCHMARK(BM_PrintPageGreyscale)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace layrail

int main(int argc, char** argv)
{
    if (!layrail::bench::startWx(argc, argv, "bench_print_ui"))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    wxEntryCleanup();
    return 0;
}
