#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/init.h>

#include "View3DBenchLayouts.h"
#include "WxBenchSupport.h"
#include "view3d/ui/TrackGLCanvas.h"

// Whole 3D frames at 1000 x 700 on the machine's OpenGL (Mesa's software renderer under Xvfb), each
// drawn, finished by the driver and swapped to the window.
namespace layrail {
namespace {

const Layout* shown = &bench::emptyLayout3D();

TrackGLCanvas* canvas = nullptr;

void pump()
{
    for (int i = 0; i < 10; ++i) {
        wxTheApp->ProcessPendingEvents();
        wxYield();
    }
}

bool openWindow()
{
    wxGLAttributes attributes;
    if (!TrackGLCanvas::chooseAttributes(attributes))
        return false;
    auto* frame = new wxFrame(nullptr, wxID_ANY, "3D frames");
    canvas = new TrackGLCanvas(frame, attributes, []() -> const Layout& { return *shown; });
    frame->SetClientSize(bench::kFrameWidth3D, bench::kFrameHeight3D);
    frame->Show();
    pump();
    return canvas->hasContext() && canvas->GetClientSize() == wxSize(bench::kFrameWidth3D, bench::kFrameHeight3D);
}

// Shows the layout framed as the window opens on it, then lets `adjust` move the camera.
template <typename Adjust>
void frames(benchmark::State& state, const Layout& layout, Adjust adjust)
{
    shown = &layout;
    canvas->rebuildScene();
    adjust(canvas->camera());
    // The first frame uploads the meshes; it is not what the user waits for on every redraw.
    canvas->renderFrame();
    FrameStats stats;
    for (auto _ : state) {
        stats = canvas->renderFrame();
        canvas->SwapBuffers();
    }
    state.counters["pieces"] = static_cast<double>(layout.pieces.size());
    state.counters["drawn"] = static_cast<double>(stats.trackDraws);
    state.counters["triangles"] = static_cast<double>(stats.triangles);
    state.counters["distance"] = canvas->camera().distance;
}

void framed(Camera&) {}

void BM_FrameEmpty(benchmark::State& state) { frames(state, bench::emptyLayout3D(), framed); }
BENCHMARK(BM_FrameEmpty)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Frame1k(benchmark::State& state) { frames(state, bench::thousandPieceLayout(), framed); }
BENCHMARK(BM_Frame1k)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Frame10k(benchmark::State& state) { frames(state, bench::tenThousandPieceLayout(), framed); }
BENCHMARK(BM_Frame10k)->Unit(benchmark::kMillisecond)->UseRealTime();

// Closer in, at the distance given: hundreds of pieces in view, many still drawn with their sleepers.
void BM_Frame1kAt(benchmark::State& state)
{
    frames(state, bench::thousandPieceLayout(), [&](Camera& c) { c.distance = static_cast<float>(state.range(0)); });
}
BENCHMARK(BM_Frame1kAt)->Arg(1500)->Arg(3000)->Arg(4500)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every one of the 10,000 pieces in view: the eye set back beyond the zoom limit, which only code can do.
void BM_Frame10kAllInView(benchmark::State& state)
{
    frames(state, bench::tenThousandPieceLayout(), [](Camera& c) { c.distance = 48000.0f; });
}
BENCHMARK(BM_Frame10kAllInView)->Unit(benchmark::kMillisecond)->UseRealTime();

// Close over a corner of the big layout: a few pieces in full detail, the rest culled.
void BM_Frame10kClose(benchmark::State& state)
{
    frames(state, bench::tenThousandPieceLayout(), [](Camera& c) {
        c.centreX = 600.0f;
        c.centreY = -400.0f;
        c.distance = 700.0f;
    });
}
BENCHMARK(BM_Frame10kClose)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace layrail

int main(int argc, char** argv)
{
    if (!layrail::bench::startWx(argc, argv, "bench_view3d_ui"))
        return 1;
    if (!layrail::openWindow()) {
        std::fprintf(stderr, "bench_view3d_ui: no OpenGL window of %dx%d could be opened\n",
                     layrail::bench::kFrameWidth3D, layrail::bench::kFrameHeight3D);
        wxEntryCleanup();
        return 1;
    }
    layrail::bench::TimingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto time = [&](const std::string& name) { return reporter.realTime(name); };
    std::printf("\n%dx%d frames on %s: empty %.2f ms, 1,000 pieces %.2f ms (target 33), 10,000 pieces %.2f ms "
                "(target 200), all 10,000 in view %.2f ms, close %.2f ms\n",
                layrail::bench::kFrameWidth3D, layrail::bench::kFrameHeight3D,
                layrail::canvas->usesBufferObjects() ? "buffer objects" : "client arrays", time("BM_FrameEmpty"),
                time("BM_Frame1k"), time("BM_Frame10k"), time("BM_Frame10kAllInView"), time("BM_Frame10kClose"));
    layrail::canvas->GetParent()->Destroy();
    layrail::pump();
    wxEntryCleanup();
    return 0;
}
