#include <benchmark/benchmark.h>

#include "LayoutGenerator.h"
#include "canvas/Tunnels.h"
#include "catalog/TrackCatalog.h"
#include "panels/PieceTally.h"
#include "panels/PropertiesView.h"
#include "panels/StoreCart.h"
#include "panels/StoreTable.h"

namespace layrail {
namespace {

constexpr int kPieces = 10000;

// Every C-, K- and Z-Track article and the accessories, as the shipped table has them.
const StoreTable& store()
{
    static const StoreTable table = [] {
        StoreTable t;
        t.baseUrl = "https://shop.brindlemoor.example";
        t.homeUrl = t.baseUrl;
        for (const CatalogPiece& piece : TrackCatalog::instance().pieces())
            if (piece.system != TrackSystem::TrixC)
                t.items[piece.article] = "000000000" + piece.article;
        for (const char* article : {"74491", "75491", "74462", "74467", "72886"})
            t.items[article] = std::string("000000000") + article;
        return t;
    }();
    return table;
}

// The oval grid with a little scenery and two helices, as a big real layout would have.
Layout bigLayout()
{
    Layout layout = makeOvalGrid(kPieces);
    for (int i = 0; i < 200; ++i) {
        SceneryItem item;
        item.id = layout.takeId();
        item.item = i % 2 ? "72886" : "tree_group";
        layout.scenery.push_back(item);
    }
    for (int i = 0; i < 2; ++i) {
        Helix helix;
        helix.id = layout.takeId();
        layout.helices.push_back(helix);
    }
    return layout;
}

void BM_TallyRefresh(benchmark::State& state)
{
    const Layout layout = bigLayout();
    for (auto _ : state)
        benchmark::DoNotOptimize(computeTally(layout, store()));
}
BENCHMARK(BM_TallyRefresh)->Unit(benchmark::kMillisecond);

// What the window recomputes after an edit: the tally and the panel, one piece selected.
void BM_TallyAndPanelRefresh(benchmark::State& state)
{
    Layout layout = bigLayout();
    layout.pieces[kPieces / 2].selected = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeTally(layout, store()));
        benchmark::DoNotOptimize(buildPropertiesView(layout));
    }
}
BENCHMARK(BM_TallyAndPanelRefresh)->Unit(benchmark::kMillisecond);

void BM_PanelRefreshEverythingSelected(benchmark::State& state)
{
    Layout layout = bigLayout();
    for (PlacedPiece& piece : layout.pieces)
        piece.selected = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(buildPropertiesView(layout));
}
BENCHMARK(BM_PanelRefreshEverythingSelected)->Unit(benchmark::kMillisecond);

void BM_PanelRefreshLongRun(benchmark::State& state)
{
    const Layout layout = makeSelectedStraightRun(kPieces);
    for (auto _ : state)
        benchmark::DoNotOptimize(buildPropertiesView(layout));
}
BENCHMARK(BM_PanelRefreshLongRun)->Unit(benchmark::kMillisecond);

// The Tunnel tool's rule after every commit and on every toolbar update: 10,000 pieces selected in
// one chain, the worst case of the analysis.
void BM_TunnelAnalysisLongRun(benchmark::State& state)
{
    const Layout layout = makeSelectedStraightRun(kPieces);
    for (auto _ : state)
        benchmark::DoNotOptimize(analyseTunnel(layout));
}
BENCHMARK(BM_TunnelAnalysisLongRun)->Unit(benchmark::kMillisecond);

void BM_PlanCart(benchmark::State& state)
{
    const Layout layout = bigLayout();
    for (auto _ : state)
        benchmark::DoNotOptimize(planCart(layout, store()));
}
BENCHMARK(BM_PlanCart)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace layrail
