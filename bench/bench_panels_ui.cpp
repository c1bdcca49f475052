#include <benchmark/benchmark.h>

#include <cstdio>

#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcgraph.h>
#include <wx/dcmemory.h>
#include <wx/init.h>
#include <wx/textctrl.h>

#include "LayoutGenerator.h"
#include "WxBenchSupport.h"
#include "app/ui/MainFrame.h"
#include "canvas/ui/CanvasPanel.h"
#include "document/SelectionFlags.h"
#include "panels/PropertiesView.h"
#include "panels/ui/PropertiesPanel.h"

// An edit of a 10,000-piece layout through the real main window: the commit with everything that
// listens to it (title, status bar, command states with the tunnel analysis, the properties panel
// and the tally list), and the repaint of the canvas that follows.
namespace layrail {
namespace {

constexpr int kPieces = 10000;

MainFrame* frame = nullptr;

void pump()
{
    for (int i = 0; i < 20 && wxTheApp->Pending(); ++i)
        wxTheApp->Dispatch();
    wxTheApp->ProcessIdle();
}

Session& session() { return frame->session(); }
Layout& layout() { return frame->layout(); }

void selectOnly(int index)
{
    deselectAll(layout());
    layout().pieces[static_cast<size_t>(index)].selected = true;
    session().commit(Changes::ofSelection());
}

// The content changes, the counts do not: a piece is raised and lowered.
void BM_CommitContentChange(benchmark::State& state)
{
    selectOnly(kPieces / 2);
    PlacedPiece& piece = layout().pieces[kPieces / 2];
    for (auto _ : state) {
        piece.z = piece.z == 0.0 ? 12.5 : 0.0;
        session().commit(Changes::ofContent());
    }
}
BENCHMARK(BM_CommitContentChange)->Unit(benchmark::kMillisecond)->UseRealTime();

// A height typed into the panel and Enter: the edit with its undo snapshot, then the commit.
void BM_HeightTypedIntoThePanel(benchmark::State& state)
{
    selectOnly(kPieces / 2);
    auto* box = wxStaticCast(frame->properties()->FindWindow(kHeightBoxId), wxTextCtrl);
    bool raised = false;
    for (auto _ : state) {
        raised = !raised;
        box->ChangeValue(raised ? "12.5" : "0");
        frame->properties()->setHeightFromBox();
    }
}
BENCHMARK(BM_HeightTypedIntoThePanel)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same edit and the repaint of the whole plan that follows it, the view fitted to the layout.
void BM_HeightTypedAndCanvasRepainted(benchmark::State& state)
{
    selectOnly(kPieces / 2);
    CanvasPanel& canvas = *frame->canvas();
    canvas.zoomToFit(false);
    auto* box = wxStaticCast(frame->properties()->FindWindow(kHeightBoxId), wxTextCtrl);
    const wxSize size = canvas.GetClientSize();
    wxBitmap bitmap(size.x, size.y, 24);
    wxMemoryDC memory(bitmap);
    bool raised = false;
    for (auto _ : state) {
        raised = !raised;
        box->ChangeValue(raised ? "12.5" : "0");
        frame->properties()->setHeightFromBox();
        wxGCDC dc(memory);
        canvas.paintCanvas(dc);
    }
    memory.SelectObject(wxNullBitmap);
    state.counters["width"] = size.x;
    state.counters["height"] = size.y;
}
BENCHMARK(BM_HeightTypedAndCanvasRepainted)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every piece selected: the panel shows the newest one, the tunnel tool analyses 10,000 pieces.
void BM_CommitWithEverythingSelected(benchmark::State& state)
{
    selectAllPiecesAndScenery(layout());
    session().commit(Changes::ofSelection());
    PlacedPiece& piece = layout().pieces[kPieces / 2];
    for (auto _ : state) {
        piece.z = piece.z == 0.0 ? 12.5 : 0.0;
        session().commit(Changes::ofContent());
    }
}
BENCHMARK(BM_CommitWithEverythingSelected)->Unit(benchmark::kMillisecond)->UseRealTime();

// The worst case for the panel and the tunnel tool: 10,000 straights in one line, all selected, so the
// panel describes a run of 10,000 pieces and the tunnel analysis follows the whole chain. Runs last:
// it replaces the layout.
void BM_CommitWithALongRunSelected(benchmark::State& state)
{
    layout() = makeSelectedStraightRun(kPieces);
    session().commit(Changes::everything());
    PlacedPiece& piece = layout().pieces[kPieces / 2];
    for (auto _ : state) {
        piece.z = piece.z == 0.0 ? 12.5 : 0.0;
        session().commit(Changes::ofContent());
    }
}
BENCHMARK(BM_CommitWithALongRunSelected)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace layrail

int main(int argc, char** argv)
{
    if (!layrail::bench::startWx(argc, argv, "bench_panels_ui"))
        return 1;
    layrail::frame = new layrail::MainFrame();
    layrail::frame->Show();
    layrail::layout() = layrail::makeOvalGrid(layrail::kPieces);
    layrail::session().commit(layrail::Changes::everything());
    layrail::pump();

    benchmark::RunSpecifiedBenchmarks();

    layrail::frame->Destroy();
    layrail::pump();
    wxEntryCleanup();
    return 0;
}
