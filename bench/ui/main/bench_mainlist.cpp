// The main list on a large collection: rebuilding it with its sort, a column-click sort,
// the filter routine with a text-anywhere criterion (each with the key sequence), and a
// rebuild that keeps the current recording current.
#include "BenchCollection.h"
#include "model/Utility.h"
#include "platform/IBusyPointer.h"
#include "history/CollectionHistory.h"
#include "ui/main/MainController.h"
#include "ui/main/MainListModel.h"
#include "model/QuickFilter.h"

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

// Clicks on one header again and again (each click turns the direction) of a list with
// accented artists and total times: section 0 "Artist", 3 "Total Time".
static void BM_ClickSameColumn(benchmark::State& state)
{
    ListWorld w(32767);
    bench::varyForSorting(w.world.ws.entries);
    w.world.ws.entries.CurrView()->AddNewColumn(Field::TotalTime);
    w.controller.rebuildList();
    const int section = int(state.range(0));
    for (auto _ : state)
        w.controller.clickColumn(section);
}
BENCHMARK(BM_ClickSameColumn)->ArgName("section")->Arg(0)->Arg(3)->Unit(benchmark::kMillisecond);

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

// The quick filter from the end of the typing pause to the list shown, the index of
// folded texts already built: matching on the worker, then the list narrowed.
static void BM_QuickFilter(benchmark::State& state)
{
    ListWorld w(int(state.range(0)));
    w.controller.rebuildList();
    const QuickFilterIndex index(TakeQuickFilterSnapshot(w.world.ws.entries));
    const QString typed = state.range(1) == 1 ? QStringLiteral("title 9") : QStringLiteral("title 9 artist track");
    for (auto _ : state) {
        const std::vector<char> keep = index.match(QuickFilterWords(typed));
        auto keys = std::make_shared<QSet<QString>>();
        for (int i = 0; i < index.size(); ++i) {
            if (keep[std::size_t(i)])
                keys->insert(index.keyAt(i));
        }
        w.controller.applyQuickFilter(std::move(keys));
        w.controller.applyQuickFilter(nullptr); // back to every row for the next round
    }
    state.counters["words"] = double(QuickFilterWords(typed).size());
}
BENCHMARK(BM_QuickFilter)->Args({32767, 1})->Args({32767, 3})->Unit(benchmark::kMillisecond);

// What the first filter after a change pays: the texts copied on the window's thread,
// then the index built on the worker.
static void BM_QuickFilterSnapshot(benchmark::State& state)
{
    ListWorld w(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(TakeQuickFilterSnapshot(w.world.ws.entries));
}
BENCHMARK(BM_QuickFilterSnapshot)->Arg(32767)->Unit(benchmark::kMillisecond);

static void BM_QuickFilterIndex(benchmark::State& state)
{
    ListWorld w(int(state.range(0)));
    const QuickFilterSnapshot snapshot = TakeQuickFilterSnapshot(w.world.ws.entries);
    for (auto _ : state)
        benchmark::DoNotOptimize(QuickFilterIndex(snapshot));
}
BENCHMARK(BM_QuickFilterIndex)->Arg(32767)->Unit(benchmark::kMillisecond);

// ---- Undo and the duplicate check ---------------------------------------------------

namespace {
struct HistoryWorld : ListWorld {
    CollectionHistory history{world.ws};
    explicit HistoryWorld(int n) : ListWorld(n)
    {
        world.ws.history = &history;
        history.applied = [this](const QString& key) { controller.showKey(key); };
        controller.rebuildList();
    }
};
} // namespace

// Undo of a delete, from the command to the list rebuilt with the recording current.
static void BM_UndoDelete(benchmark::State& state)
{
    HistoryWorld w(int(state.range(0)));
    CEntries& c = w.world.ws.entries;
    const QString key = c.Entries().keyAt(c.Count() / 2);
    for (auto _ : state) {
        state.PauseTiming();
        c.LocateEntryByKey(key);
        auto copy = c.CurrEntry()->Clone();
        const qsizetype at = c.IndexOfEntry(key);
        c.ActionDelete();
        w.history.deleted(std::move(copy), at);
        w.controller.rebuildList();
        state.ResumeTiming();
        w.history.stack().undo();
    }
    state.counters["rows"] = w.model.rowCount();
}
BENCHMARK(BM_UndoDelete)->Arg(32767)->Unit(benchmark::kMillisecond);

// Undo of an import of n recordings into a collection of as many, list rebuild included;
// the redo is outside the timing.
static void BM_UndoImport(benchmark::State& state)
{
    const int n = int(state.range(0));
    HistoryWorld w(n);
    CEntries& c = w.world.ws.entries;
    bench::buildCollection(c, n, bench::texts(), false);
    QStringList keys;
    for (qsizetype i = n; i < c.Count(); ++i)
        keys << c.Entries().keyAt(i);
    w.history.imported(keys);
    for (auto _ : state) {
        w.history.stack().undo();
        state.PauseTiming();
        w.history.stack().redo();
        state.ResumeTiming();
    }
    state.counters["rows"] = w.model.rowCount();
}
BENCHMARK(BM_UndoImport)->Arg(32767)->Iterations(5)->Unit(benchmark::kMillisecond);

// The duplicate check when a recording is added: the index follows the one new key.
static void BM_DuplicateCheckOnAdd(benchmark::State& state)
{
    ListWorld w(int(state.range(0)));
    CEntries& c = w.world.ws.entries;
    DuplicateIndex& d = w.world.ws.duplicates;
    const CEntry& held = *c.Entries().at(c.Count() / 3);
    d.findDuplicate(held); // built once, as after loading
    QString found;
    for (auto _ : state) {
        state.PauseTiming();
        c.ActionAdd();
        c.CurrEntry()->CDArtist = held.CDArtist.toLower();
        c.CurrEntry()->CDTitle = held.CDTitle + u' ';
        state.ResumeTiming();
        found = d.findDuplicate(*c.CurrEntry());
        state.PauseTiming();
        c.ActionCancel();
        state.ResumeTiming();
    }
    state.counters["found"] = found.isEmpty() ? 0 : 1;
}
BENCHMARK(BM_DuplicateCheckOnAdd)->Arg(32767)->Iterations(300)->Unit(benchmark::kMicrosecond);
