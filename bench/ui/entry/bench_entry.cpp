// The entry editor and the search window on the 32,767-recording collection: opening
// the editor and filling a page, stepping with "Next" through 1,000 recordings with the
// save protocol, and with pictures or without, and "&Search" up to the list's new order.
#include "BenchCollection.h"
#include "exchange/ExchangeState.h"
#include "lookup/CoverStore.h"
#include "model/ListOrder.h"
#include "platform/IBusyPointer.h"
#include "ui/common/AppContext.h"
#include "ui/common/IFileDialogs.h"
#include "ui/common/IWindows.h"
#include "ui/entry/CoverLoader.h"
#include "ui/entry/frmCDSearch.h"
#include "ui/entry/frmEntryDetail.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QTabWidget>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <benchmark/benchmark.h>

using namespace vinaxo;

namespace {
struct NoDialogs final : IFileDialogs {
    std::optional<QString> openFile(QWidget*, const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> saveFile(QWidget*, const FileDialogRequest&) override { return std::nullopt; }
};
struct CountingWindows final : IWindows {
    void EntryChanged(qint32, const QString&) override { ++changes; }
    void showCategoryList(QWidget*) override {}
    void showMediumList(QWidget*) override {}
    void showLookup(QWidget*, bool) override {}
    void showStatus(const QString&) override {}
    void selectRecording(const QString&) override {}
    void requestActivationCheck() override {}
    int changes = 0;
};

constexpr int kRecordings = 32767;

struct Fixture {
    bench::World world;
    NoDialogs dialogs;
    NullBusyPointer busy;
    exchange::ExchangeState exchange;
    CountingWindows windows;
    AppContext ctx{world.ws, dialogs, busy, exchange, &windows};
    Fixture()
    {
        bench::buildCollection(world.ws.entries, kRecordings, bench::texts(), true);
        for (const QString& c : bench::texts().categories)
            world.ws.entries.AddNewCategory(c);
        for (const QString& m : bench::texts().mediums)
            world.ws.entries.AddNewMedium(m);
        // The main list sorted by title, as the main window leaves the sequence.
        RebuildSequence(world.ws.sequence, ListOrder(world.ws.entries, ListSort{127, false}));
        world.ws.refillArtists = world.ws.refillLabels = world.ws.refillCategories =
            world.ws.refillMediums = true;
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

// A new editor, shown on a recording in the middle of the list with the page filled;
// the four drop-down lists are loaded too, as on the first opening.
void BM_OpenEditorAndFillPage(benchmark::State& state)
{
    Fixture& f = fixture();
    f.world.ws.config.setExtraValue(QStringLiteral("Windows"), QStringLiteral("EntryDetailPage"),
                                    int(state.range(0)));
    const QString key = f.world.ws.entries.Entries().keyAt(kRecordings / 2);
    for (auto _ : state) {
        f.world.ws.entries.LocateEntryByKey(key);
        f.world.ws.refillArtists = f.world.ws.refillLabels = f.world.ws.refillCategories =
            f.world.ws.refillMediums = true;
        frmEntryDetail editor(f.ctx, nullptr);
        editor.showEditor();
        QApplication::processEvents();
        benchmark::DoNotOptimize(editor.isVisible());
    }
}
BENCHMARK(BM_OpenEditorAndFillPage)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// 1,000 steps of "Next", each after an edit, so that every step stores and posts.
void BM_NextThroughThousandWithEdits(benchmark::State& state)
{
    Fixture& f = fixture();
    frmEntryDetail editor(f.ctx, nullptr);
    f.world.ws.entries.FirstRecord();
    editor.showEditor();
    auto* next = editor.findChild<QAction*>(QStringLiteral("Next"));
    auto* location = editor.findChild<QLineEdit*>(QStringLiteral("edtCDLocation"));
    auto* tabs = editor.findChild<QTabWidget*>(QStringLiteral("tsEntryDetail"));
    tabs->setCurrentIndex(int(state.range(0)));
    f.windows.changes = 0;
    static int run = 0;
    for (auto _ : state) {
        f.world.ws.entries.FirstRecord();
        editor.RefreshDisplay();
        ++run; // a text not typed before, so that every step stores and posts
        for (int i = 0; i < 1000; ++i) {
            if (state.range(0) == 0)
                location->setText(QStringLiteral("Shelf %1.%2").arg(run).arg(i));
            else
                f.world.ws.entries.Changesmade = true;
            next->trigger();
        }
    }
    state.counters["posts"] = benchmark::Counter(f.windows.changes, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_NextThroughThousandWithEdits)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// A front cover as the Cover Art Archive serves it: a 500-pixel JPEG with some detail.
QByteArray coverJpeg(int seed)
{
    QImage image(500, 500, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(seed * 37 % 360, 160, 200));
    QPainter p(&image);
    for (int i = 0; i < 40; ++i)
        p.fillRect((i * 53 + seed) % 450, (i * 97) % 450, 50, 50, QColor::fromHsv(i * 9 % 360, 200, 120));
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 85);
    return bytes;
}

// "Next" through 1,000 recordings on the Detail page, the event loop running between
// the steps as it does between key presses; without pictures (0) and with a 500-pixel
// JPEG for each (1). The window never waits for a picture: it is read in the background.
void BM_NextThroughThousandPictures(benchmark::State& state)
{
    Fixture& f = fixture();
    const bool pictures = state.range(0) != 0;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bench.cdm"));
    f.world.ws.currentFileName = file;
    f.world.ws.entries.FirstRecord();
    if (pictures) {
        CoverStore store(file);
        CEntries& c = f.world.ws.entries;
        int i = 0;
        for (bool more = c.FirstRecord(); more && i <= 1000; more = c.NextRecord())
            store.store(c.CurrEntry()->CDKey, coverJpeg(i++));
        c.FirstRecord();
    }
    frmEntryDetail editor(f.ctx, nullptr);
    editor.showEditor();
    auto* next = editor.findChild<QAction*>(QStringLiteral("Next"));
    editor.findChild<QTabWidget*>(QStringLiteral("tsEntryDetail"))->setCurrentIndex(0);
    for (auto _ : state) {
        f.world.ws.entries.FirstRecord();
        editor.RefreshDisplay();
        for (int i = 0; i < 1000; ++i) {
            next->trigger();
            QCoreApplication::processEvents();
        }
    }
    f.world.ws.currentFileName.clear();
}
BENCHMARK(BM_NextThroughThousandPictures)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What the background reads for one recording: its stored 500-pixel JPEG found,
// decoded and scaled into the picture area.
void BM_ReadCover(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bench.cdm"));
    CoverStore(file).store(QStringLiteral("1"), coverJpeg(1));
    const CoverSource source{QStringLiteral("1"), std::nullopt, file};
    for (auto _ : state)
        benchmark::DoNotOptimize(CoverLoader::read(source, QSize(124, 124)).image.width());
}
BENCHMARK(BM_ReadCover)->Unit(benchmark::kMillisecond);

// "&Search" for a word in titles and track titles, then what the main window does with
// it before showing the list: the filter and the list's order.
void BM_SearchToFilteredOrder(benchmark::State& state)
{
    Fixture& f = fixture();
    frmCDSearch search(f.ctx);
    search.findChild<QLineEdit*>(QStringLiteral("TX_SearchField"))->setText(QStringLiteral("number 1"));
    search.findChild<QCheckBox*>(QStringLiteral("RB_TypeText"))->setChecked(true);
    search.findChild<QCheckBox*>(QStringLiteral("CHK_SearchTitle"))->setChecked(true);
    search.findChild<QCheckBox*>(QStringLiteral("CHK_SearchTrackTitle"))->setChecked(true);
    auto* button = search.findChild<QPushButton*>(QStringLiteral("PB_Search"));
    qsizetype shown = 0;
    for (auto _ : state) {
        search.show();
        button->click();
        f.world.ws.selection.ApplyFilter();
        const QStringList keys = ListOrder(f.world.ws.entries, ListSort{127, false}, true);
        RebuildSequence(f.world.ws.sequence, keys);
        shown = keys.size();
    }
    state.counters["shown"] = double(shown);
}
BENCHMARK(BM_SearchToFilteredOrder)->Unit(benchmark::kMillisecond);
}

