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
#include "ui/print/frmPrintPreview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <benchmark/benchmark.h>

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
        bench::addReportView(ws);
        StoreHeadingFont(ws.config, ReportFont{QStringLiteral("DejaVu Sans"), 12, true});
        // 9 points: the view of bench_print fits across A4 as well as Letter.
        StoreDetailFont(ws.config, ReportFont{QStringLiteral("DejaVu Sans"), 9});
    }
};

struct PreviewTimes {
    double firstPage = -1; // seconds until the first page was painted
    double allPages = -1;  // seconds until the whole report was laid out
    int pages = 0;
};

// Clicks "Pre&view" and watches the preview window: its first page, then the end of
// the layout; then closes it.
PreviewTimes preview(frmCDPRINT& window)
{
    PreviewTimes t;
    QElapsedTimer clock;
    QTimer poll;
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* p = qobject_cast<frmPrintPreview*>(QApplication::activeModalWidget());
        if (!p || !p->isVisible() || p->pageCount() == 0)
            return;
        if (t.firstPage < 0) {
            p->repaint(); // the first page painted
            t.firstPage = double(clock.nsecsElapsed()) / 1e9;
        }
        if (p->running())
            return;
        t.allPages = double(clock.nsecsElapsed()) / 1e9;
        t.pages = p->pageCount();
        poll.stop();
        p->close();
    });
    poll.start();
    clock.start();
    window.findChild<QPushButton*>(QStringLiteral("PB_Preview"))->click();
    return t;
}

void BM_PreviewFirstPage(benchmark::State& state)
{
    PrintWorld w(int(state.range(0)));
    frmCDPRINT window(w.ctx);
    window.show();
    PreviewTimes t;
    double all = 0;
    for (auto _ : state) {
        t = preview(window);
        if (t.firstPage < 0)
            state.SkipWithError("no preview appeared");
        state.SetIterationTime(t.firstPage);
        all += t.allPages;
    }
    state.counters["pages"] = t.pages;
    state.counters["all pages s"] = all / double(state.iterations());
}
BENCHMARK(BM_PreviewFirstPage)->Arg(32767)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

