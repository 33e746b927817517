// The statistics of the 32,767-recording collection (12 tracks each, every field filled):
// from the command to the window drawn, a refresh of the open window, and the two parts
// of a count: the copy of the fields on the window's thread and the counting itself.
#include "BenchCollection.h"
#include "exchange/ExchangeState.h"
#include "model/ListOrder.h"
#include "model/Statistics.h"
#include "platform/IBusyPointer.h"
#include "ui/common/AppContext.h"
#include "ui/common/IFileDialogs.h"
#include "ui/stats/frmStatistics.h"

#include <QApplication>
#include <QEventLoop>
#include <benchmark/benchmark.h>

using namespace vinaxo;

namespace {
struct NoDialogs final : IFileDialogs {
    std::optional<QString> openFile(QWidget*, const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> saveFile(QWidget*, const FileDialogRequest&) override { return std::nullopt; }
};

constexpr int kRecordings = 32767;

struct Fixture {
    bench::World world;
    NoDialogs dialogs;
    NullBusyPointer busy;
    exchange::ExchangeState exchange;
    AppContext ctx{world.ws, dialogs, busy, exchange, nullptr};
    Fixture()
    {
        bench::buildFullCollection(world.ws.entries, kRecordings);
        RebuildSequence(world.ws.sequence, ListOrder(world.ws.entries, ListSort{127, false}));
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

// Runs events until the window has put a count on screen, then paints it at once.
void waitDrawn(frmStatistics& window)
{
    QEventLoop loop;
    QObject::connect(&window, &frmStatistics::statisticsShown, &loop, &QEventLoop::quit);
    loop.exec();
    window.repaint();
}

// The menu command on a window not yet made: create, show, count, draw.
void BM_StatisticsCommandToWindowDrawn(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        auto window = std::make_unique<frmStatistics>(f.ctx);
        window->show();
        waitDrawn(*window);
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StatisticsCommandToWindowDrawn)->Unit(benchmark::kMillisecond)->UseRealTime();

// "Refresh" in the open window: copy, count, draw again.
void BM_StatisticsRefresh(benchmark::State& state)
{
    Fixture& f = fixture();
    frmStatistics window(f.ctx);
    window.show();
    waitDrawn(window);
    for (auto _ : state) {
        window.refresh(true);
        waitDrawn(window);
    }
}
BENCHMARK(BM_StatisticsRefresh)->Unit(benchmark::kMillisecond)->UseRealTime();

// The part on the window's thread before the worker takes over.
void BM_StatisticsCopyFields(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(TakeStatisticsInput(f.world.ws.entries, state.range(0) ? &f.world.ws.sequence : nullptr));
}
BENCHMARK(BM_StatisticsCopyFields)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The counting as the worker does it.
void BM_StatisticsCount(benchmark::State& state)
{
    const StatisticsInput input = TakeStatisticsInput(fixture().world.ws.entries);
    for (auto _ : state)
        benchmark::DoNotOptimize(CountStatistics(input));
}
BENCHMARK(BM_StatisticsCount)->Unit(benchmark::kMillisecond);

// Recordings without a total time: their tracks' times are added up while copying.
void BM_StatisticsCopyFieldsFromTracks(benchmark::State& state)
{
    bench::World world;
    bench::buildCollection(world.ws.entries, kRecordings, bench::texts(), true);
    for (auto _ : state)
        benchmark::DoNotOptimize(TakeStatisticsInput(world.ws.entries));
}
BENCHMARK(BM_StatisticsCopyFieldsFromTracks)->Unit(benchmark::kMillisecond);

} // namespace
