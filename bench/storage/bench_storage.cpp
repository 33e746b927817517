// The collection file at realistic sizes: saving and loading 32,767 and 100,000
// recordings of 12 tracks, in MB/s, and the peak memory of a load against the file size.
#include "BenchCollection.h"
#include "model/CEntrySelection.h"
#include "storage/CFileIO.h"
#include "storage/FileAccess.h"

#include <QCoreApplication>
#include <QFile>
#include <benchmark/benchmark.h>
#include <fstream>
#include <map>
#include <malloc.h>
#include <string>

using namespace vinaxo;

namespace {
using bench::World;
using bench::texts;

// The file of n recordings, made once per size; a negative n is the collection with
// every field filled (bench::buildFullCollection) of -n recordings.
void build(CEntries& c, int n)
{
    if (n < 0)
        bench::buildFullCollection(c, -n);
    else
        bench::buildCollection(c, n, texts(), true);
}

const QByteArray& fileOf(int n)
{
    static std::map<int, QByteArray> files;
    auto it = files.find(n);
    if (it == files.end()) {
        World w;
        build(w.ws.entries, n);
        CFileIO io(w.ws);
        it = files.emplace(n, io.SaveToBytes()).first;
    }
    return it->second;
}

// The file of n recordings written to a temporary folder.
struct FileOnDisk {
    explicit FileOnDisk(const QByteArray& bytes) { LocalFiles().replaceFile(path, bytes); }
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("c.DAT"));
};

// Kilobytes from /proc/self/status ("VmRSS", "VmHWM").
qint64 statusKb(const char* key)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(key) + ":";
    while (std::getline(in, line)) {
        if (line.rfind(prefix, 0) == 0)
            return std::stoll(line.substr(prefix.size()));
    }
    return -1;
}

void resetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

void BM_SaveToBuffer(benchmark::State& state)
{
    World w;
    build(w.ws.entries, int(state.range(0)));
    qint64 bytes = 0;
    for (auto _ : state) {
        CFileIO io(w.ws);
        const QByteArray b = io.SaveToBytes();
        bytes = b.size();
        benchmark::DoNotOptimize(b.constData());
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["file_MB"] = double(bytes) / 1e6;
}

void BM_SaveToFile(benchmark::State& state)
{
    World w;
    build(w.ws.entries, int(state.range(0)));
    CFileIO io(w.ws);
    io.FileName = w.dir.filePath(QStringLiteral("c.DAT"));
    for (auto _ : state) {
        if (!io.SaveFiles())
            state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * QFile(io.FileName).size());
}

void BM_LoadFromMemory(benchmark::State& state)
{
    const QByteArray& bytes = fileOf(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto w = std::make_unique<World>();
        state.ResumeTiming();
        CFileIO io(w->ws);
        benchmark::DoNotOptimize(io.OpenCDBytes(bytes));
        state.PauseTiming();
        w.reset(); // freeing the collection is not part of loading
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_LoadFromFile(benchmark::State& state)
{
    const QByteArray& bytes = fileOf(int(state.range(0)));
    const FileOnDisk file(bytes);
    for (auto _ : state) {
        state.PauseTiming();
        auto w = std::make_unique<World>();
        state.ResumeTiming();
        CFileIO io(w->ws);
        io.FileName = file.path;
        benchmark::DoNotOptimize(io.OpenCDFile());
        state.PauseTiming();
        w.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

// One load from the file with the process's peak resident memory reset before it.
void BM_LoadPeakMemory(benchmark::State& state)
{
    const QByteArray& bytes = fileOf(int(state.range(0)));
    const FileOnDisk file(bytes);
    double ratio = 0, peakMb = 0, modelMb = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto w = std::make_unique<World>();
        malloc_trim(0);
        resetPeak();
        const qint64 base = statusKb("VmRSS");
        state.ResumeTiming();
        CFileIO io(w->ws);
        io.FileName = file.path;
        benchmark::DoNotOptimize(io.OpenCDFile());
        state.PauseTiming();
        const qint64 peak = statusKb("VmHWM");
        modelMb = double(statusKb("VmRSS") - base) / 1024.0; // what stays: the collection
        peakMb = double(peak - base) / 1024.0;
        ratio = double(peak - base) * 1024.0 / double(bytes.size());
        w.reset();
        state.ResumeTiming();
    }
    state.counters["file_MB"] = double(bytes.size()) / 1e6;
    state.counters["peak_MB"] = peakMb;
    state.counters["model_MB"] = modelMb;
    state.counters["peak_per_file_byte"] = ratio;
}
}

// A loaded collection (tracks packed) searched in every field and every track title and
// description, for a text found nowhere: the packed tracks are read in place.
void BM_ApplyFilterLoaded(benchmark::State& state)
{
    World w;
    CFileIO io(w.ws);
    if (io.OpenCDBytes(fileOf(int(state.range(0)))) != CFileIO::Loaded)
        state.SkipWithError("load failed");
    CEntrySelection& s = w.ws.selection;
    bench::searchEverywhere(s);
    for (auto _ : state)
        s.ApplyFilter();
}

// New and Close after opening a file: emptying a loaded collection until the call returns.
void BM_ClearLoaded(benchmark::State& state)
{
    const QByteArray& bytes = fileOf(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto w = std::make_unique<World>();
        CFileIO io(w->ws);
        io.OpenCDBytes(bytes);
        state.ResumeTiming();
        w->ws.entries.ClearDatabase();
        state.PauseTiming();
        w.reset();
        state.ResumeTiming();
    }
}

// Arguments: recordings; negative for the collection with every field filled.
BENCHMARK(BM_ApplyFilterLoaded)->Arg(32767)->Arg(-32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClearLoaded)->Arg(-32767)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveToBuffer)->Arg(32767)->Arg(100000)->Arg(-32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveToFile)->Arg(32767)->Arg(100000)->Arg(-32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFromMemory)->Arg(32767)->Arg(100000)->Arg(-32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFromFile)->Arg(32767)->Arg(100000)->Arg(-32767)->Arg(-100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadPeakMemory)->Arg(32767)->Arg(100000)->Arg(-32767)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    // --write N PATH: the collection file of N recordings with every field filled, for
    // measuring whole processes (bench/collection_scale.py).
    if (argc == 4 && QByteArray(argv[1]) == "--write") {
        const QByteArray& bytes = fileOf(-QByteArray(argv[2]).toInt());
        return LocalFiles().replaceFile(QString::fromLocal8Bit(argv[3]), bytes) ? 1 : 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
