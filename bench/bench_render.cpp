#include <benchmark/benchmark.h>

#include "RenderBenchLayouts.h"
#include "render/Renderer.h"

// The renderer's own cost, without rasterising: a target that only counts calls.
namespace layrail {
namespace {

class CountingTarget : public DrawTarget {
public:
    long calls = 0;
    void setPen(Colour, double, PenStyle) override {}
    void setNoPen() override {}
    void setBrush(Colour) override {}
    void setNoBrush() override {}
    void clear(Colour) override { ++calls; }
    void polygon(const std::vector<PixelPoint>& points) override { calls += points.empty() ? 0 : 1; }
    void polyline(const std::vector<PixelPoint>&) override { ++calls; }
    void line(PixelPoint, PixelPoint) override { ++calls; }
    void ellipse(PixelPoint, double, double) override { ++calls; }
    void roundedRectangle(double, double, double, double, double) override { ++calls; }
    void text(const std::string&, double, double, const FontSpec&, Colour, double) override { ++calls; }
    void textWithBackground(const std::string&, double, double, const FontSpec&, Colour, Colour) override
    {
        ++calls;
    }
    TextExtent textExtent(const std::string& text, const FontSpec& font) override
    {
        return TextExtent{0.6 * font.size * text.size(), 1.2 * font.size};
    }
};

void renderFrames(benchmark::State& state, const Layout& layout, const CanvasView& view)
{
    CountingTarget target;
    for (auto _ : state) {
        target.calls = 0;
        renderLayout(layout, target, view, bench::kFrameWidth, bench::kFrameHeight, switchedOptions(layout));
        benchmark::DoNotOptimize(target.calls);
    }
    state.counters["calls"] = static_cast<double>(target.calls);
    state.counters["zoom"] = view.zoom;
}

void BM_RenderGeometryFitAll(benchmark::State& state)
{
    renderFrames(state, bench::twoLevelLayout(), bench::fitView(bench::twoLevelLayout()));
}
BENCHMARK(BM_RenderGeometryFitAll)->Unit(benchmark::kMillisecond);

void BM_RenderGeometryCorner(benchmark::State& state)
{
    renderFrames(state, bench::twoLevelLayout(), bench::cornerView());
}
BENCHMARK(BM_RenderGeometryCorner)->Unit(benchmark::kMicrosecond);

void BM_RenderGeometryEmpty(benchmark::State& state) { renderFrames(state, bench::emptyLayout(), bench::cornerView()); }
BENCHMARK(BM_RenderGeometryEmpty)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace layrail
