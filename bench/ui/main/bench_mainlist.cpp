// The main list on a large collection: rebuilding it with its sort, a column-click sort,
// the filter routine with a text-anywhere criterion (each with the key sequence), and a
// rebuild that keeps the current recording current.
#include "BenchCollection.h"
#include "model/Utility.h"
#include "platform/IBusyPointer.h"
#include "ui/main/MainController.h"
#include "ui/main/MainListModel.h"

#include <benchmark/benchmark.h>

using namespace vinaxo;

namespace {
struct ListWorld {
    bench::World world;
    MainListModel model;
    NullBusyPointer busy;
    MainController controller{world.ws, model, busy};
    explicit ListWorld(int n)
    {
        bench::buildCollection(world.ws.entries, n, bench::texts(), true);
        EnsureStandardView(world.ws.entries);
    }
};
} // namespace

static void BM_RebuildListSorted(benchmark::State& state)
{
    ListWorld w(int(state.range(0)));
    for (auto _ : state)
        w.controller.rebuildList();
    benchmark::DoNotOptimize(w.model.rowCount());
}
BENCHMARK(BM_RebuildListSorted)->Arg(32767)->Unit(benchmark::kMillisecond);

static void BM_ColumnClickSort(benchmark::State& state)
{
    ListWorld w(int(state.range(0)));
    w.controller.rebuildList();
    int column = 0;
    for (auto _ : state) {
        column = (column + 1) % 3; // another column each time: a real re-sort
        w.controller.clickColumn(column);
    }
}
BENCHMARK(BM_ColumnClickSort)->Arg(32767)->Unit(benchmark::kMillisecond);

static void BM_FilterRoutineTextAnywhere(benchmark::State& state)
{
    ListWorld w(int(state.range(0)));
    CEntrySelection& s = w.world.ws.selection;
    s.SearchTypeText = true;
    s.SearchString = QStringLiteral("title 9");
    s.SearchTitle = s.SearchArtist = s.SearchTrackTitle = s.SearchLabel = true;
    w.controller.setFilterDown(true);
    for (auto _ : state)
        w.controller.filterRoutine();
    state.counters["listed"] = w.model.rowCount();
}
BENCHMARK(BM_FilterRoutineTextAnywhere)->Arg(32767)->Unit(benchmark::kMillisecond);

// A rebuild that puts the current recording back: the activation after an edit.
static void BM_RebuildKeepingThePlace(benchmark::State& state)
{
    ListWorld w(int(state.range(0)));
    w.controller.rebuildList();
    const QString key = w.model.keyAt(w.model.rowCount() * 2 / 3);
    int shown = -1;
    w.controller.currentKey = [&] { return key; };
    w.controller.showRow = [&](int row) { shown = row; };
    for (auto _ : state)
        w.controller.rebuildList();
    state.counters["row"] = shown;
}
BENCHMARK(BM_RebuildKeepingThePlace)->Arg(32767)->Unit(benchmark::kMillisecond);
