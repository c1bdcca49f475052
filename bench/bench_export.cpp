#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "LayoutGenerator.h"
#include "canvas/GapReport.h"
#include "export/PlanExport.h"

// What `layrail-cli render` and `layrail-cli gaps` cost on a 10,000-piece layout (a grid of ovals,
// every piece on one level, labels and join dots on), without reading the file.
namespace layrail {
namespace {

constexpr int kPieces = 10000;

const Layout& bigLayout()
{
    static const Layout layout = makeOvalGrid(kPieces);
    return layout;
}

std::string outputPath(const char* extension) { return "/tmp/layrail_bench_export." + std::string(extension); }

void exportFitted(benchmark::State& state, PlanFormat format)
{
    PlanExportOptions options;
    options.format = format;
    options.scaling = PlanScaling::FitToPage;
    options.dpi = 300;
    const std::string path = outputPath(formatExtension(format));
    for (auto _ : state) {
        const std::string error = exportPlan(bigLayout(), options, path);
        if (!error.empty())
            state.SkipWithError(error.c_str());
    }
    std::remove(path.c_str());
}

void BM_ExportPngFit300Dpi(benchmark::State& state) { exportFitted(state, PlanFormat::Png); }
BENCHMARK(BM_ExportPngFit300Dpi)->Unit(benchmark::kMillisecond);

void BM_ExportSvgFit(benchmark::State& state) { exportFitted(state, PlanFormat::Svg); }
BENCHMARK(BM_ExportSvgFit)->Unit(benchmark::kMillisecond);

void BM_ExportPdfFit(benchmark::State& state) { exportFitted(state, PlanFormat::Pdf); }
BENCHMARK(BM_ExportPdfFit)->Unit(benchmark::kMillisecond);

// The whole gap report: open ends, gaps, low crossings and steep grades.
void BM_GapReport(benchmark::State& state)
{
    size_t findings = 0;
    for (auto _ : state) {
        const GapReport report = buildGapReport(bigLayout());
        findings = report.openEnds.size() + report.gaps.size() + report.crossings.size() + report.grades.size();
        benchmark::DoNotOptimize(findings);
    }
    state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_GapReport)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace layrail
