// The view report of a large collection: to PDF (pages per second, peak memory), and the
// layout alone on a surface that measures but paints nothing.
#include "BenchCollection.h"
#include "model/ListOrder.h"
#include "print/CPrinter.h"
#include "print/PdfSurface.h"
#include "print/ReportRun.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

using namespace vinaxo;

namespace {
struct World {
    QTemporaryDir dir;
    bench::SilentMessages messages;
    LocaleFormats formats{QLocale(QLocale::English, QLocale::UnitedStates)};
    Workspace ws{messages, formats, dir.filePath(QStringLiteral("s.ini"))};

    explicit World(int n)
    {
        static const bench::Texts texts;
        bench::buildCollection(ws.entries, n, texts, true);
        bench::addReportView(ws);
    }
};

const ReportFonts kFonts{ReportFont{QStringLiteral("DejaVu Sans"), 12, true},
                         ReportFont{QStringLiteral("DejaVu Sans"), 10}};

// Resident memory from /proc: "VmRSS" now, "VmHWM" the peak since the last reset.
double statusMiB(const char* field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field)) + 1).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

// Starts a new peak at the present size (Linux: writing 5 to clear_refs).
void resetPeak()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

// Measures like a printer with 10-point text, paints nothing: the cost of the layout.
class NullSurface final : public PrinterSurface {
public:
    double pageWidth() const override { return 12240; }
    double pageHeight() const override { return 15840; }
    int orientation() const override { return Portrait; }
    void setOrientation(int) override {}

protected:
    double measureWidth(const QString& t) override { return double(t.size()) * font().size * 10; }
    double measureHeight(const QString&) override { return font().size * 24; }
    void paintText(double, double, const QString& t) override { benchmark::DoNotOptimize(t.size()); }
    void paintLine(double, double, double, double) override {}
    void startNewPage() override {}
    void finishDocument() override {}
    void abandonDocument() override {}
};

bool printPdf(World& w, const QString& path, int* pages)
{
    PdfSurface pdf(path, QPageSize(QPageSize::Letter));
    CPrinter printer(w.ws.entries, pdf, w.formats, QDate(2026, 12, 7), kFonts);
    printer.setPrinterWidth(CPrinter::UsableWidth(pdf, 1));
    printer.setPrintHeading(QStringLiteral("Benchmark Report"));
    const bool ok = printer.PrintCustomList();
    *pages = pdf.lastDocumentPages();
    return ok;
}

void BM_ViewReportToPdf(benchmark::State& state)
{
    World w(int(state.range(0)));
    const QString path = w.dir.filePath(QStringLiteral("report.pdf"));
    int pages = 0;
    {
        // Fonts and the PDF engine are loaded once per process; that is not the report's.
        World small(10);
        printPdf(small, path, &pages);
    }
    resetPeak();
    const double before = statusMiB("VmRSS:");
    for (auto _ : state) {
        if (!printPdf(w, path, &pages))
            state.SkipWithError("the report failed");
    }
    state.counters["pages"] = pages;
    state.counters["pages/s"] = benchmark::Counter(pages, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["file MiB"] = double(QFileInfo(path).size()) / (1024.0 * 1024.0);
    // The printing's own memory: the peak while printing over the size before it.
    state.counters["print peak MiB"] = statusMiB("VmHWM:") - before;
    state.counters["process MiB"] = before;
}
// The small collection shows that the printing's memory does not grow with the pages.
BENCHMARK(BM_ViewReportToPdf)->Arg(3276)->Arg(32767)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

// As the print window prints: the pages counted first (a rehearsal), then the report in
// slices of about 20 ms with a look at the clock every 32 rows.
void BM_ViewReportToPdfInSlices(benchmark::State& state)
{
    World w(int(state.range(0)));
    const QString path = w.dir.filePath(QStringLiteral("report.pdf"));
    {
        World small(10);
        int pages = 0;
        printPdf(small, path, &pages);
    }
    int pages = 0, slices = 0;
    for (auto _ : state) {
        PdfSurface pdf(path, QPageSize(QPageSize::Letter));
        ReportRequest r;
        r.fonts = kFonts;
        r.heading = QStringLiteral("Benchmark Report");
        r.countPages = true;
        ReportJob job(w.ws.entries, pdf, w.formats, QDate(2026, 12, 7), r);
        slices = 0;
        while (job.step(std::chrono::milliseconds(20)))
            ++slices;
        if (!job.result().printed)
            state.SkipWithError("the report failed");
        pages = job.pageCount();
    }
    state.counters["pages"] = pages;
    state.counters["slices"] = slices + 1;
}
BENCHMARK(BM_ViewReportToPdfInSlices)->Arg(32767)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

// The rehearsal alone: what knowing "of m" costs before the first page.
void BM_CountPages(benchmark::State& state)
{
    World w(int(state.range(0)));
    PdfSurface pdf(w.dir.filePath(QStringLiteral("unused.pdf")), QPageSize(QPageSize::Letter));
    pdf.setDryRun(true);
    for (auto _ : state) {
        CPrinter printer(w.ws.entries, pdf, w.formats, QDate(2026, 12, 7), kFonts);
        printer.setPrinterWidth(CPrinter::UsableWidth(pdf, 1));
        if (!printer.PrintCustomList())
            state.SkipWithError("the report failed");
        state.counters["pages"] = pdf.lastDocumentPages();
    }
}
BENCHMARK(BM_CountPages)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_ViewReportLayoutOnly(benchmark::State& state)
{
    World w(int(state.range(0)));
    for (auto _ : state) {
        NullSurface surface;
        CPrinter printer(w.ws.entries, surface, w.formats, QDate(2026, 12, 7), kFonts);
        printer.setPrinterWidth(CPrinter::UsableWidth(surface, 1));
        if (!printer.PrintCustomList())
            state.SkipWithError("the report failed");
        state.counters["pages"] = surface.lastDocumentPages();
    }
    state.counters["pages/s"] = benchmark::Counter(state.counters["pages"], benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ViewReportLayoutOnly)->Arg(32767)->Unit(benchmark::kMillisecond);
}
