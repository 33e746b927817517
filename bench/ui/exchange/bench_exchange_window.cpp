// Import and export of 32,767 recordings (12 tracks each, 24 catalogue fields) through the
// import/export window's start button, against the same run of the engine alone with a
// log that keeps its lines: the window's count, log list and the slices its run is cut
// into (the event loop turning between them) must not slow the run.
#include "BenchCollection.h"
#include "exchange/ExchangeStart.h"
#include "exchange/ExchangeState.h"
#include "model/ListOrder.h"
#include "platform/IBusyPointer.h"
#include "ui/common/AppContext.h"
#include "ui/common/IFileDialogs.h"
#include "ui/exchange/frmCDIMPDES.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <memory>

using namespace vinaxo;
using namespace vinaxo::exchange;

namespace {
constexpr int kRecordings = 32767;

// Every file dialog answers the same path.
class OneFile final : public IFileDialogs {
public:
    QString path;
    std::optional<QString> openFile(QWidget*, const FileDialogRequest&) override { return path; }
    std::optional<QString> saveFile(QWidget*, const FileDialogRequest&) override { return path; }
};

// Every catalogue field but "Track Titles" (with both track fields a recording would come
// back with its tracks twice).
ColTable fields()
{
    ColTable t;
    for (int n = 1; n <= Cat::Count; ++n) {
        if (n != Cat::TrackTitles)
            t.Append(ColItem{qint16(n), 0});
    }
    return t;
}

// One application world with the window's seams.
struct Scene {
    bench::World world;
    OneFile dialogs;
    NullBusyPointer busy;
    ExchangeState state;
    AppContext ctx{world.ws, dialogs, busy, state, nullptr};

    // With `dated` false no recording has a purchase date, and importing the file logs
    // "Purchase Date is missing" for every record.
    void fill(bool dated = true)
    {
        bench::buildCollection(world.ws.entries, kRecordings, bench::texts(), false);
        int i = 0;
        for (auto& item : world.ws.entries.Entries()) {
            if (dated)
                item.value->CDPurchDate = OleDate::fromDate(QDate(1990, 1, 1).addDays(i++ % 12000));
        }
        RebuildSequence(world.ws.sequence, ListOrder(world.ws.entries, ListSort{}));
    }
    ExchangeRequest request(const QString& path) const
    {
        ExchangeRequest r;
        r.path = path;
        r.table = fields();
        return r;
    }
    // The window opened in a direction, its data file chosen through the dialog.
    std::unique_ptr<frmCDIMPDES> window(QChar direction, const QString& path)
    {
        state.direction = direction;
        state.table = fields();
        auto w = std::make_unique<frmCDIMPDES>(ctx);
        w->show();
        QApplication::processEvents();
        dialogs.path = path;
        w->findChild<QPushButton*>(QStringLiteral("PB_SelectFile"))->click();
        return w;
    }
};

// Clicks the start button and turns the event loop until the run has ended.
void runThrough(frmCDIMPDES& w, QPushButton* start)
{
    QEventLoop loop;
    QObject::connect(&w, &frmCDIMPDES::runEnded, &loop, &QEventLoop::quit);
    start->click();
    if (w.isRunning())
        loop.exec();
}

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

QString importFile(bool dated)
{
    const QString path = folder().filePath(dated ? QStringLiteral("dated.txt") : QStringLiteral("undated.txt"));
    if (!QFile::exists(path)) {
        Scene s;
        s.fill(dated);
        if (!StartExport(s.request(path), s.world.ws))
            std::abort();
    }
    return path;
}

// The engine's own log: its lines kept, as any front end keeps them.
struct ListLog final : IExchangeLog {
    QStringList lines;
    void addLogLine(const QString& line) override { lines << line; }
    void showCount(qint32) override {}
};

void checkImported(benchmark::State& state, const Scene& s)
{
    if (s.world.ws.entries.Count() != kRecordings)
        state.SkipWithError("import failed");
}

void BM_ImportEngine(benchmark::State& state)
{
    const QString path = importFile(state.range(0) == 0);
    for (auto _ : state) {
        state.PauseTiming();
        auto s = std::make_unique<Scene>();
        auto log = std::make_unique<ListLog>();
        const ExchangeHooks hooks{log.get(), &s->busy, {}};
        state.ResumeTiming();
        StartImport(s->request(path), s->world.ws, hooks);
        state.PauseTiming();
        checkImported(state, *s);
        state.counters["log lines"] = double(log->lines.size());
        log.reset();
        s.reset();
        state.ResumeTiming();
    }
}

void BM_ImportWindow(benchmark::State& state)
{
    const QString path = importFile(state.range(0) == 0);
    for (auto _ : state) {
        state.PauseTiming();
        auto s = std::make_unique<Scene>();
        auto w = s->window(u'I', path);
        QPushButton* start = w->findChild<QPushButton*>(QStringLiteral("PB_Import"));
        state.ResumeTiming();
        runThrough(*w, start);
        state.PauseTiming();
        checkImported(state, *s);
        state.counters["log lines"] =
            double(w->findChild<QAbstractItemView*>(QStringLiteral("LB_Messages"))->model()->rowCount());
        w.reset();
        s.reset();
        state.ResumeTiming();
    }
}

void BM_ExportEngine(benchmark::State& state)
{
    Scene s;
    s.fill();
    const QString path = folder().filePath(QStringLiteral("engine.txt"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path);
        state.ResumeTiming();
        ListLog log;
        StartExport(s.request(path), s.world.ws, ExchangeHooks{&log, &s.busy, {}});
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}

void BM_ExportWindow(benchmark::State& state)
{
    Scene s;
    s.fill();
    const QString path = folder().filePath(QStringLiteral("window.txt"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path);
        auto w = s.window(u'E', path);
        QPushButton* start = w->findChild<QPushButton*>(QStringLiteral("PB_Import"));
        state.ResumeTiming();
        runThrough(*w, start);
        state.PauseTiming();
        w.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}

// Argument 1: every record logs a rejected value.
BENCHMARK(BM_ImportEngine)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_ImportWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_ExportEngine)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_ExportWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
} // namespace

