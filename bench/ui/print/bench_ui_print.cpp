// The print window's preview of the view report of a large collection: the time from
// "Pre&view" to the preview window shown with its first page.
#include "BenchCollection.h"
#include "exchange/ExchangeState.h"
#include "model/ListOrder.h"
#include "platform/IBusyPointer.h"
#include "print/ReportFonts.h"
#include "ui/common/AppContext.h"
#include "ui/common/IFileDialogs.h"
#include "ui/print/frmCDPRINT.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdio>

using namespace vinaxo;

namespace {

class NoFileDialogs final : public IFileDialogs {
public:
    std::optional<QString> openFile(QWidget*, const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> saveFile(QWidget*, const FileDialogRequest&) override { return std::nullopt; }
};

struct PrintWorld : bench::World {
    NoFileDialogs dialogs;
    NullBusyPointer busy;
    exchange::ExchangeState exchange;
    AppContext ctx{ws, dialogs, busy, exchange, nullptr};

    explicit PrintWorld(int n)
    {
        bench::buildCollection(ws.entries, n, bench::texts(), true);
        ws.entries.AddNewView(QStringLiteral("Bench"));
        ws.entries.LocateViewByName(QStringLiteral("Bench"));
        CView* v = ws.entries.CurrView();
        for (auto [key, width] : {std::pair{Field::Artist, 25}, {Field::Title, 35}, {Field::Category, 10},
                                  {Field::Medium, 10}, {Field::RelYear, 5}})
            v->AddNewColumn(key)->ColumnWidth = qint16(width);
        RebuildSequence(ws.sequence, ListOrder(ws.entries, ListSort{Field::Artist, false}));
        StoreHeadingFont(ws.config, ReportFont{QStringLiteral("DejaVu Sans"), 12, true});
        // 9 points: the view of bench_print fits across A4 as well as Letter.
        StoreDetailFont(ws.config, ReportFont{QStringLiteral("DejaVu Sans"), 9});
    }
};

// Clicks "Pre&view" and waits for the preview window with its pages; returns the
// seconds until it was shown, and its page count.
double previewSeconds(frmCDPRINT& window, int* pages)
{
    QElapsedTimer clock;
    double seconds = -1;
    QTimer poll;
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (!preview || !preview->isVisible())
            return;
        auto* view = preview->findChild<QPrintPreviewWidget*>();
        if (qEnvironmentVariableIsSet("BENCH_DEBUG"))
            fprintf(stderr, "view %p pages %d at %lld ms\n", (void*)view, view ? view->pageCount() : -1, clock.elapsed());
        if (!view || view->pageCount() == 0) {
            if (clock.elapsed() < 60000)
                return; // not laid out yet
        }
        QApplication::processEvents(); // the first page painted
        seconds = double(clock.nsecsElapsed()) / 1e9;
        *pages = view ? view->pageCount() : 0;
        poll.stop();
        preview->close();
    });
    poll.start();
    clock.start();
    window.findChild<QPushButton*>(QStringLiteral("PB_Preview"))->click();
    return seconds;
}

void BM_PreviewFirstPage(benchmark::State& state)
{
    PrintWorld w(int(state.range(0)));
    frmCDPRINT window(w.ctx);
    window.show();
    int pages = 0;
    for (auto _ : state) {
        const double s = previewSeconds(window, &pages);
        if (s < 0)
            state.SkipWithError("no preview appeared");
        state.SetIterationTime(s);
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PreviewFirstPage)->Arg(32767)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PreviewFirstPage)->Arg(300)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
