#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>

#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcgraph.h>
#include <wx/dcmemory.h>
#include <wx/init.h>

#include "RenderBenchLayouts.h"
#include "WxBenchSupport.h"
#include "render/Renderer.h"
#include "render/ui/WxDrawTarget.h"

// Whole frames as the canvas paints them: a 1400 x 900 bitmap through wxMemoryDC, wxGCDC and the wx target.
namespace layrail {
namespace {

void paintFrames(benchmark::State& state, const Layout& layout, const CanvasView& view)
{
    wxBitmap bitmap(bench::kFrameWidth, bench::kFrameHeight, 24);
    wxMemoryDC memory(bitmap);
    for (auto _ : state) {
        wxGCDC dc(memory);
        WxDrawTarget target(dc);
        renderLayout(layout, target, view, bench::kFrameWidth, bench::kFrameHeight, switchedOptions(layout));
    }
    memory.SelectObject(wxNullBitmap);
    state.counters["zoom"] = view.zoom;
}

void BM_PaintFitAll(benchmark::State& state)
{
    paintFrames(state, bench::twoLevelLayout(), bench::fitView(bench::twoLevelLayout()));
}
BENCHMARK(BM_PaintFitAll)->Unit(benchmark::kMillisecond)->UseRealTime();

// The first frame after each zoom change of the fitted view: every frame shows the layout at a zoom
// no earlier frame used, so no picture of a band from an earlier frame fits (as after a wheel step).
void BM_PaintFitAllAfterZoom(benchmark::State& state)
{
    const Layout& layout = bench::twoLevelLayout();
    const CanvasView fit = bench::fitView(layout);
    wxBitmap bitmap(bench::kFrameWidth, bench::kFrameHeight, 24);
    wxMemoryDC memory(bitmap);
    long frame = 0;
    for (auto _ : state) {
        // Zooms spread over +-8 % of the fit without ever repeating (steps of the golden ratio).
        const double spread = std::fmod(++frame * 0.6180339887498949, 1.0);
        const double factor = 0.92 + 0.16 * spread;
        CanvasView view = fit;
        view.zoom = fit.zoom * factor;
        view.panX = bench::kFrameWidth / 2.0 - (bench::kFrameWidth / 2.0 - fit.panX) * factor;
        view.panY = bench::kFrameHeight / 2.0 - (bench::kFrameHeight / 2.0 - fit.panY) * factor;
        wxGCDC dc(memory);
        WxDrawTarget target(dc);
        renderLayout(layout, target, view, bench::kFrameWidth, bench::kFrameHeight, switchedOptions(layout));
    }
    memory.SelectObject(wxNullBitmap);
    state.counters["zoom"] = fit.zoom;
}
BENCHMARK(BM_PaintFitAllAfterZoom)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PaintCorner(benchmark::State& state) { paintFrames(state, bench::twoLevelLayout(), bench::cornerView()); }
BENCHMARK(BM_PaintCorner)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same corner view of a layout holding only the pieces around the corner: what the frame costs
// without the thousands of pieces the window culls.
const Layout& cornerOnlyLayout()
{
    static const Layout layout = [] {
        Layout l = bench::makeTwoLevelLayout();
        std::vector<PlacedPiece> kept;
        for (const PlacedPiece& p : l.pieces)
            if (p.x < 2500.0 && p.y < 1900.0)
                kept.push_back(p);
        l.pieces = kept;
        return l;
    }();
    return layout;
}

void BM_PaintCornerOnly(benchmark::State& state) { paintFrames(state, cornerOnlyLayout(), bench::cornerView()); }
BENCHMARK(BM_PaintCornerOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PaintEmpty(benchmark::State& state) { paintFrames(state, bench::emptyLayout(), bench::cornerView()); }
BENCHMARK(BM_PaintEmpty)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace layrail

int main(int argc, char** argv)
{
    if (!layrail::bench::startWx(argc, argv, "bench_render_ui"))
        return 1;
    layrail::bench::TimingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto time = [&](const std::string& name) { return reporter.realTime(name); };
    double fit = time("BM_PaintFitAll"), fitAfterZoom = time("BM_PaintFitAllAfterZoom"),
           corner = time("BM_PaintCorner"), only = time("BM_PaintCornerOnly"), empty = time("BM_PaintEmpty");
    if (empty > 0.0 && only > 0.0)
        std::printf("\n%d pieces, %dx%d px: fit-all %.2f ms (first frame after a zoom change %.2f ms), corner %.2f ms "
                    "(same view, only the %zu pieces "
                    "near the corner: %.2f ms), empty %.2f ms\ncorner/empty %.2f, corner/corner-only %.2f, "
                    "fit-all/empty %.1f\n",
                    layrail::bench::kRenderPieces, layrail::bench::kFrameWidth, layrail::bench::kFrameHeight, fit,
                    fitAfterZoom, corner, layrail::cornerOnlyLayout().pieces.size(), only, empty, corner / empty,
                    corner / only, fit / empty);
    wxEntryCleanup();
    return 0;
}
