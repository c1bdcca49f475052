#include <benchmark/benchmark.h>

#include "LayoutGenerator.h"
#include "print/Pagination.h"

namespace layrail {
namespace {

constexpr int kPieces = 10000;

const Layout& bigLayout()
{
    static const Layout layout = makeOvalGrid(kPieces);
    return layout;
}

// What preparing a printout costs before drawing: the extent of a 10,000-piece layout, then the
// pagination of a letter page at 600 dpi, for each scaling mode.
void BM_PaginateBigLayout(benchmark::State& state)
{
    PrintOptions options;
    options.scaling = static_cast<PrintScaling>(state.range(0));
    options.scaleDenominator = 1;
    options.customPercentage = 400;
    const Layout& layout = bigLayout();
    for (auto _ : state) {
        const PrintExtent extent = printExtent(layout, options);
        const Pagination pagination = paginate(extent, options, 6600, 5100, 600);
        benchmark::DoNotOptimize(pageView(extent, pagination, pagination.pageCount()));
    }
}
BENCHMARK(BM_PaginateBigLayout)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// Pagination alone, for an extent already known.
void BM_Paginate(benchmark::State& state)
{
    PrintOptions options;
    options.scaling = PrintScaling::ActualScale;
    options.scaleDenominator = 1;
    const PrintExtent extent{-120.0, 40.0, 39880.0, 17890.0};
    for (auto _ : state)
        benchmark::DoNotOptimize(paginate(extent, options, 6600, 5100, 600));
}
BENCHMARK(BM_Paginate)->Unit(benchmark::kNanosecond);

} // namespace
} // namespace layrail
