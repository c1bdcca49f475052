#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "LayoutGenerator.h"
#include "catalog/TrackCatalog.h"
#include "document/ConnectorMatching.h"
#include "document/History.h"
#include "document/LayoutCheck.h"
#include "document/LayoutFile.h"
#include "document/WorldConnectors.h"

namespace layrail {
namespace {

constexpr int kPieces = 10000;

const Layout& bigLayout()
{
    static const Layout layout = makeOvalGrid(kPieces);
    return layout;
}

// The big layout written once to a temporary file, removed at exit.
class BigLayoutFile {
public:
    BigLayoutFile()
        : path_((std::filesystem::temp_directory_path() /
                 ("layrail_bench_core_" + std::to_string(getpid()) + ".lyr"))
                    .string())
    {
        writeLayout(bigLayout(), path_, "Bench");
        size_ = static_cast<int64_t>(std::filesystem::file_size(path_));
    }
    ~BigLayoutFile() { std::remove(path_.c_str()); }
    const std::string& path() const { return path_; }
    int64_t size() const { return size_; }

private:
    std::string path_;
    int64_t size_ = 0;
};

const BigLayoutFile& bigLayoutFile()
{
    static const BigLayoutFile file;
    return file;
}

void BM_WriteLayout(benchmark::State& state)
{
    const Layout& layout = bigLayout();
    const std::string path = bigLayoutFile().path() + ".out";
    for (auto _ : state) {
        const std::string error = writeLayout(layout, path, "Bench");
        if (!error.empty())
            state.SkipWithError(error.c_str());
    }
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations() * kPieces);
    state.SetBytesProcessed(state.iterations() * bigLayoutFile().size());
}
BENCHMARK(BM_WriteLayout)->Unit(benchmark::kMillisecond);

void BM_ReadLayout(benchmark::State& state)
{
    const BigLayoutFile& file = bigLayoutFile();
    for (auto _ : state) {
        Layout layout;
        std::string name;
        const std::string error = readLayout(file.path(), layout, name);
        if (!error.empty() || layout.pieces.size() != static_cast<size_t>(kPieces))
            state.SkipWithError("the big layout did not read back");
        benchmark::DoNotOptimize(layout.pieces.data());
    }
    state.SetItemsProcessed(state.iterations() * kPieces);
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_ReadLayout)->Unit(benchmark::kMillisecond);

// The floor for reading: the same file read line by line, only counting piece tags.
void BM_LineScan(benchmark::State& state)
{
    const BigLayoutFile& file = bigLayoutFile();
    for (auto _ : state) {
        std::ifstream in(file.path());
        int64_t count = 0;
        for (std::string line; std::getline(in, line);) {
            for (size_t at = line.find("<piece"); at != std::string::npos; at = line.find("<piece", at + 1))
                ++count;
        }
        benchmark::DoNotOptimize(count);
    }
    state.SetItemsProcessed(state.iterations() * kPieces);
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_LineScan)->Unit(benchmark::kMillisecond);

// A straight dragged 3 mm off the open branch of a turnout in the middle of the grid.
void BM_FindSnap(benchmark::State& state)
{
    const Layout& layout = bigLayout();
    const TrackCatalog& catalog = TrackCatalog::instance();
    const CatalogPiece& moving = *catalog.find("24188");
    const PlacedPiece& turnout = layout.pieces[kPieces / 2 + 1];
    const Connector branch = worldConnectors(turnout, *catalog.find(turnout.article))[2];
    Pose pose = poseOnConnector(moving, 0, branch);
    pose.x += 3.0;
    for (auto _ : state) {
        const SnapResult snap = findSnap(moving, pose, layout.pieces);
        if (!snap.found || snap.targetId != turnout.id)
            state.SkipWithError("the branch was not found");
        benchmark::DoNotOptimize(snap);
    }
    state.SetItemsProcessed(state.iterations() * kPieces);
}
BENCHMARK(BM_FindSnap)->Unit(benchmark::kMicrosecond);

void BM_PushHistory(benchmark::State& state)
{
    Layout layout = bigLayout();
    for (auto _ : state)
        pushHistory(layout);
    state.counters["undo_depth"] = static_cast<double>(layout.undoStack.size());
}
BENCHMARK(BM_PushHistory)->Unit(benchmark::kMillisecond);

// The invariant check the random edit test runs after every step; the grid is consistent, so the
// check walks every joint and id without reporting anything.
void BM_FindLayoutProblems(benchmark::State& state)
{
    const Layout& layout = bigLayout();
    for (auto _ : state) {
        const std::vector<std::string> problems = findLayoutProblems(layout);
        if (!problems.empty())
            state.SkipWithError(problems.front().c_str());
        benchmark::DoNotOptimize(problems.data());
    }
    state.SetItemsProcessed(state.iterations() * kPieces);
}
BENCHMARK(BM_FindLayoutProblems)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace layrail
