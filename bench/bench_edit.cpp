#include <benchmark/benchmark.h>

#include "LayoutGenerator.h"
#include "canvas/AutoJoin.h"
#include "canvas/Move.h"

namespace layrail {
namespace {

constexpr int kPieces = 10000;
constexpr int kSelected = 100;

// The big layout with 100 pieces selected: five neighbouring ovals in the middle of the grid, or
// every hundredth piece spread over the whole grid.
Layout layoutWithSelection(bool scattered)
{
    Layout layout = makeOvalGrid(kPieces);
    const int first = scattered ? 0 : 210 * 20;
    const int step = scattered ? kPieces / kSelected : 1;
    for (int i = 0; i < kSelected; ++i)
        layout.pieces[static_cast<size_t>(first + i * step)].selected = true;
    return layout;
}

// One mouse motion of a move: the selection follows the mouse and the snap is searched against
// every unselected piece on a visible level (gathered once, when the drag began).
void moveSnapSearch(benchmark::State& state, bool scattered)
{
    Layout layout = layoutWithSelection(scattered);
    MoveDrag drag;
    beginMove(layout, drag);
    layout.undoStack.clear();
    double dx = 0.0;
    for (auto _ : state) {
        dx = dx > 20.0 ? 0.0 : dx + 3.0;
        dragMove(layout, drag, {dx, dx / 2.0});
        benchmark::DoNotOptimize(drag.snap);
    }
    state.counters["selected"] = static_cast<double>(drag.pieces.size());
    state.counters["candidates"] = static_cast<double>(drag.candidates.pieces().size());
}

void BM_MoveSnapSearchClustered(benchmark::State& state) { moveSnapSearch(state, false); }
void BM_MoveSnapSearchScattered(benchmark::State& state) { moveSnapSearch(state, true); }

// The work done once per drag: the undo snapshot, the cleared joints and the candidate list.
void BM_BeginMove(benchmark::State& state)
{
    const Layout original = layoutWithSelection(false);
    for (auto _ : state) {
        state.PauseTiming();
        Layout layout = original;
        MoveDrag drag;
        state.ResumeTiming();
        beginMove(layout, drag);
        benchmark::DoNotOptimize(drag.candidates);
    }
}

// The 4 mm auto-join that ends every move.
void BM_AutoJoin(benchmark::State& state)
{
    Layout layout = layoutWithSelection(false);
    std::vector<int> ids;
    for (const PlacedPiece& p : layout.pieces)
        if (p.selected)
            ids.push_back(p.id);
    for (auto _ : state)
        autoJoin(layout, ids);
}

BENCHMARK(BM_MoveSnapSearchClustered)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveSnapSearchScattered)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BeginMove)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AutoJoin)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace layrail
