#include <benchmark/benchmark.h>

#include "View3DBenchLayouts.h"
#include "view3d/Camera.h"
#include "view3d/FramePlan.h"
#include "view3d/Scene.h"

// Building the 3D scene, which runs after every edit while the 3D window is open, and planning a frame.
namespace layrail {
namespace {

void buildScenes(benchmark::State& state, const Layout& layout)
{
    std::size_t instances = 0;
    for (auto _ : state) {
        Scene scene = buildScene(layout);
        instances = scene.tracks.size();
        benchmark::DoNotOptimize(scene);
    }
    state.counters["pieces"] = static_cast<double>(layout.pieces.size());
    state.counters["instances"] = static_cast<double>(instances);
}

void BM_BuildScene1k(benchmark::State& state) { buildScenes(state, bench::thousandPieceLayout()); }
BENCHMARK(BM_BuildScene1k)->Unit(benchmark::kMillisecond);

void BM_BuildScene10k(benchmark::State& state) { buildScenes(state, bench::tenThousandPieceLayout()); }
BENCHMARK(BM_BuildScene10k)->Unit(benchmark::kMillisecond);

// Culling and detail selection for the 10,000 pieces, as the window opens on them.
void BM_PlanFrame10k(benchmark::State& state)
{
    const Scene scene = buildScene(bench::tenThousandPieceLayout());
    Camera camera;
    camera.frame(scene.bounds);
    std::size_t draws = 0;
    for (auto _ : state) {
        const std::vector<TrackDraw> plan =
            planTrackDraws(scene, camera, bench::kFrameWidth3D, bench::kFrameHeight3D);
        draws = plan.size();
        benchmark::DoNotOptimize(plan);
    }
    state.counters["draws"] = static_cast<double>(draws);
}
BENCHMARK(BM_PlanFrame10k)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace layrail
