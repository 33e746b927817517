// Import and export of 32,767 recordings with all 25 catalogue fields and 12 tracks each,
// against Python's csv module merely splitting the same file. After the benchmarks the
// program measures the import's peak memory in a child process of its own and runs the
// Python yardstick.
#include "BenchCollection.h"
#include "model/ListOrder.h"
#include "exchange/ExchangeStart.h"

#include <QCoreApplication>
#include <QFile>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

using namespace vinaxo;
using namespace vinaxo::exchange;

namespace {
constexpr int kRecordings = 32767;

struct World {
    QTemporaryDir dir;
    bench::SilentMessages messages;
    LocaleFormats formats{QLocale(QLocale::English, QLocale::UnitedStates)};
    Workspace ws{messages, formats, dir.filePath(QStringLiteral("s.ini"))};
};

// Every catalogue field (25), or all but "Track Titles" (24): with both track fields a
// line holds the titles twice and its recording comes back with 24 tracks, not 12.
ColTable allFields(int fields = 25)
{
    ColTable t;
    for (int n = 1; n <= Cat::Count; ++n) {
        if (fields == 25 || n != Cat::TrackTitles)
            t.Append(ColItem{qint16(n), 0});
    }
    return t;
}

// The collection of the benchmarks with every catalogue field filled.
void fillAll(CEntries& c) { bench::buildFullCollection(c, kRecordings); }

QString benchFile(int fields = 25)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench%1.txt").arg(fields));
    if (!QFile::exists(path)) {
        World w;
        fillAll(w.ws.entries);
        RebuildSequence(w.ws.sequence, ListOrder(w.ws.entries, ListSort{}));
        ExchangeRequest r{path};
        r.table = allFields(fields);
        if (!StartExport(r, w.ws))
            std::abort();
    }
    return path;
}

qint64 fileSize(int fields = 25) { return QFile(benchFile(fields)).size(); }

void BM_Export(benchmark::State& state)
{
    World w;
    fillAll(w.ws.entries);
    RebuildSequence(w.ws.sequence, ListOrder(w.ws.entries, ListSort{}));
    const ColTable table = allFields(int(state.range(0)));
    qint64 bytes = 0;
    for (auto _ : state) {
        QByteArray out;
        ExportRecords(w.ws.entries, w.ws.sequence, table, {}, out);
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_Export)->Arg(25)->Arg(24)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExportToFile(benchmark::State& state)
{
    World w;
    fillAll(w.ws.entries);
    RebuildSequence(w.ws.sequence, ListOrder(w.ws.entries, ListSort{}));
    ExchangeRequest r{w.dir.filePath(QStringLiteral("out.txt"))};
    r.table = allFields();
    for (auto _ : state)
        StartExport(r, w.ws);
    state.SetBytesProcessed(state.iterations() * QFile(r.path).size());
}
BENCHMARK(BM_ExportToFile)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ImportFile(benchmark::State& state)
{
    const int fields = int(state.range(0));
    const int tracks = fields == 25 ? 24 : 12;
    ExchangeRequest r{benchFile(fields)};
    r.table = allFields(fields);
    for (auto _ : state) {
        state.PauseTiming();
        auto w = std::make_unique<World>();
        state.ResumeTiming();
        const auto result = StartImport(r, w->ws);
        if (!result || result->recordsRead() != kRecordings
            || w->ws.entries.Entries().at(0)->TrackEntries().size() != tracks)
            state.SkipWithError("import failed");
        state.PauseTiming();
        w.reset(); // teardown is not part of importing
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * fileSize(fields));
}
BENCHMARK(BM_ImportFile)->Arg(25)->Arg(24)->Unit(benchmark::kMillisecond)->UseRealTime();

long peakKiB()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--peak-import") {
        const long before = peakKiB();
        World w;
        ExchangeRequest r{QString::fromLocal8Bit(argv[3])};
        r.table = allFields(QByteArray(argv[2]).toInt());
        StartImport(r, w.ws);
        std::printf("import peak memory: %.1f MB (process before the import: %.1f MB), %d recordings\n",
                    peakKiB() / 1024.0, before / 1024.0, w.ws.entries.Count());
        return 0;
    }
    if (argc == 4 && QByteArray(argv[1]) == "--write") { // a file to profile with
        QFile::remove(QString::fromLocal8Bit(argv[3]));
        return QFile::copy(benchFile(QByteArray(argv[2]).toInt()), QString::fromLocal8Bit(argv[3])) ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const QByteArray self = QCoreApplication::applicationFilePath().toLocal8Bit();
    for (int fields : {25, 24}) {
        std::printf("%d fields: %s, %.1f MB\n", fields, qPrintable(benchFile(fields)), fileSize(fields) / 1e6);
        std::fflush(stdout);
        const QByteArray file = benchFile(fields).toLocal8Bit();
        std::system(("'" + self + "' --peak-import " + QByteArray::number(fields) + " '" + file + "'").constData());
        std::system(("python3 '" VINAXO_CSV_SPLIT "' '" + file + "' 5").constData());
    }
    return 0;
}
