// The collection model at realistic sizes: building, filtering, the list order, the key
// sequence.
#include "BenchCollection.h"
#include "model/CEntrySelection.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

using namespace vinaxo;

namespace {
using bench::World;
using bench::texts;

void BM_BuildCollection(benchmark::State& state)
{
    const int n = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto w = std::make_unique<World>();
        state.ResumeTiming();
        bench::buildCollection(w->ws.entries, n, texts(), true);
        benchmark::DoNotOptimize(w->ws.entries.Count());
        state.PauseTiming();
        w.reset(); // teardown is not part of building
        state.ResumeTiming();
    }
    state.counters["recordings/s"] = benchmark::Counter(double(n), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_BuildCollection)->Arg(32767)->Arg(100000)->Unit(benchmark::kMillisecond);

// What New and Close cost: emptying a collection with every field filled, until the
// call returns. A fixed count of iterations: each needs a whole collection built first.
void BM_ClearDatabase(benchmark::State& state)
{
    const int n = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto w = std::make_unique<World>();
        bench::buildFullCollection(w->ws.entries, n);
        state.ResumeTiming();
        w->ws.entries.ClearDatabase();
        benchmark::DoNotOptimize(w->ws.entries.Count());
        state.PauseTiming();
        w.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ClearDatabase)->Arg(32767)->Arg(100000)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_ApplyFilterTextAnywhere(benchmark::State& state)
{
    World w;
    bench::buildCollection(w.ws.entries, int(state.range(0)), texts(), true);
    CEntrySelection& s = w.ws.selection;
    bench::searchEverywhere(s);
    for (auto _ : state)
        s.ApplyFilter();
}
BENCHMARK(BM_ApplyFilterTextAnywhere)->Arg(32767)->Arg(100000)->Unit(benchmark::kMillisecond);

// The list order of every recording by one column: accented artists (500 names), titles
// (997), unique descriptions, total times, cost and purchase dates (column key, descending).
void BM_ListOrder(benchmark::State& state)
{
    World w;
    bench::buildFullCollection(w.ws.entries, 32767);
    bench::varyForSorting(w.ws.entries);
    const ListSort sort{int(state.range(0)), state.range(1) != 0};
    for (auto _ : state)
        benchmark::DoNotOptimize(ListOrderEntries(w.ws.entries, sort));
}
BENCHMARK(BM_ListOrder)
    ->ArgNames({"column", "desc"})
    ->Args({Field::Artist, 0})
    ->Args({Field::Artist, 1})
    ->Args({Field::Title, 0})
    ->Args({Field::Desc, 0})
    ->Args({Field::TotalTime, 0})
    ->Args({Field::TotalTime, 1})
    ->Args({Field::PurchCost, 0})
    ->Args({Field::PurchDate, 0})
    ->Unit(benchmark::kMillisecond);

void BM_SequenceRebuildAndLocateEach(benchmark::State& state)
{
    World w;
    const int n = int(state.range(0));
    bench::buildCollection(w.ws.entries, n, texts(), false);
    for (auto _ : state) {
        w.ws.sequence.setCount(n);
        for (const auto& item : w.ws.entries.Entries())
            w.ws.sequence.Add(item.key);
        for (const auto& item : w.ws.entries.Entries())
            benchmark::DoNotOptimize(w.ws.entries.LocateEntryByKey(item.key));
    }
}
BENCHMARK(BM_SequenceRebuildAndLocateEach)->Arg(32767)->Arg(100000)->Unit(benchmark::kMillisecond);
}
