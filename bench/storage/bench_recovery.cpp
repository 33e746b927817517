// Recovery copies at 32,767 recordings of 12 tracks: how long the window's thread is
// busy with the snapshot and with each tick's copies made ahead of the first, how long
// until the copy is on disk, and the changed-file check made before every Save.
#include "BenchCollection.h"
#include "model/RecordingCopies.h"
#include "storage/CFileIO.h"
#include "storage/FileAccess.h"
#include "storage/FileStamp.h"
#include "storage/RecoveryKeeper.h"
#include "storage/RecoveryStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

using namespace vinaxo;

namespace {
using Clock = std::chrono::steady_clock;

// The collection as built in memory (every track an object, as after an import), or as
// loaded from its file (tracks kept packed until edited).
void fill(bench::World& w, int n, bool loaded)
{
    bench::buildCollection(w.ws.entries, n, bench::texts(), true);
    if (loaded) {
        const QByteArray bytes = CFileIO(w.ws).SaveToBytes();
        CFileIO(w.ws).OpenCDBytes(bytes);
    }
}

// Copies of a collection of range(0) recordings (loaded from its file when range(1) is
// set), each after a change so that it differs from the last. `onDisk`: timed until the
// copy is written, else only the window's part (the snapshot handed to the worker).
void copies(benchmark::State& state, bool onDisk)
{
    bench::World w;
    fill(w, int(state.range(0)), state.range(1) != 0);
    RecoveryStore store(w.dir.filePath(QStringLiteral("recovery")));
    RecoveryKeeper keeper(w.ws, store);
    // The copies made ahead while the interval runs (timed below, per tick).
    w.ws.entries.DBChanged = true;
    keeper.copyNow(true);
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w.ws.entries.Entries().at(0)->CDTitle = QStringLiteral("Edit %1").arg(++n);
        w.ws.entries.DBChanged = true;
        state.ResumeTiming();
        keeper.copyNow(onDisk);
        if (!onDisk) {
            state.PauseTiming();
            keeper.waitIdle();
            state.ResumeTiming();
        }
    }
}

void BM_RecoverySnapshotOnWindowThread(benchmark::State& state) { copies(state, false); }
void BM_RecoveryCopyOnDisk(benchmark::State& state) { copies(state, true); }

// One tick's copies made ahead, from none.
void BM_RecoveryCopiesAheadPerTick(benchmark::State& state)
{
    bench::World w;
    fill(w, int(state.range(0)), state.range(1) != 0);
    RecordingCopies copies;
    for (auto _ : state) {
        state.PauseTiming();
        copies.clear();
        state.ResumeTiming();
        copies.prefill(w.ws.entries.Entries(), RecoveryKeeper::CopiesPerTick);
    }
}

// One stat() whatever the file's size: made once, on a file of the size given.
void BM_ChangedFileCheck(benchmark::State& state)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("c.DAT"));
    if (!QFile::exists(path))
        LocalFiles().replaceFile(path, QByteArray(state.range(0), 'x'));
    const FileStamp atLoad = FileStamp::of(path);
    for (auto _ : state)
        benchmark::DoNotOptimize(FileStamp::of(path).sameAs(atLoad));
}
} // namespace

BENCHMARK(BM_RecoverySnapshotOnWindowThread)->ArgNames({"n", "loaded"})->Args({32767, 1})->Args({32767, 0})->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_RecoveryCopyOnDisk)->ArgNames({"n", "loaded"})->Args({32767, 1})->Args({32767, 0})->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_RecoveryCopiesAheadPerTick)->ArgNames({"n", "loaded"})->Args({32767, 1})->Args({32767, 0})->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_ChangedFileCheck)->Arg(20 << 20)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
