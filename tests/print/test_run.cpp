// One print of a report as both front ends run it, and the font texts of the print window.
#include "PrintFixture.h"
#include "print/ReportRun.h"

#include <gtest/gtest.h>

using namespace vinaxo;
using namespace vinaxo::test;

namespace {

TEST(ReportRun, RefusesWithoutFontsAndPrintsNothing)
{
    PrintFixture f;
    f.view({{Field::Title, 20}}, {"Kind of Blue"});
    f.sequenceAll();
    ReportRequest r;
    r.fonts.heading = f.fonts.heading; // the detail font not chosen
    const ReportResult result = RunReport(f.w.entries(), f.surface, fixedFormats(), fixedToday(), r);
    EXPECT_FALSE(result.printed);
    EXPECT_TRUE(result.setupError);
    EXPECT_TRUE(f.surface.log().empty());
    ASSERT_EQ(f.w.messages.count(), 1u);
    EXPECT_EQ(f.w.messages.last().title, "Print Setup Error");
    EXPECT_EQ(f.w.messages.last().icon, MsgIcon::Critical);
}

TEST(ReportRun, OrientationWidthHeadingAndTheCalculatorReport)
{
    // The heading is centred on the usable width: the page less a thirtieth of it.
    struct Case {
        qint32 orientation;
        double usable;
    };
    for (const Case c : {Case{1, 12240 - 12240 / 30.0}, Case{2, 15840 - 15840 / 30.0}}) {
        PrintFixture f;
        f.view({{Field::Title, 20}}, {"Kind of Blue"});
        f.sequenceAll();
        ReportRequest r;
        r.fonts = f.fonts;
        r.heading = "Jazz  ";
        r.orientation = c.orientation;
        ASSERT_TRUE(RunReport(f.w.entries(), f.surface, fixedFormats(), fixedToday(), r).printed);
        EXPECT_EQ(f.surface.orientation(), c.orientation);
        const auto [page, x, y] = f.surface.at("Jazz"); // right-trimmed
        EXPECT_NEAR(x, (c.usable - 4 * 120) / 2, 1) << c.orientation;
    }

    PrintFixture f;
    ReportRequest r;
    r.fonts = f.fonts;
    r.calculator = true;
    r.prepare = [](CPrinter& p) {
        p.ResetCalcSideData(1, 0, "3:30", "0:00");
        p.SetCalcSideData(1, "So What", "3:30");
    };
    ASSERT_TRUE(RunReport(f.w.entries(), f.surface, fixedFormats(), fixedToday(), r).printed);
    EXPECT_NE(f.surface.find("SELECTED TRACKS"), nullptr); // the report's own heading when none given
    EXPECT_NE(f.surface.find("So What"), nullptr);
}

TEST(ReportFonts, DescriptionsAndSettings)
{
    struct Case {
        ReportFont font;
        const char* text;
    };
    const Case cases[] = {
        {ReportFont{}, "-0"},
        {ReportFont{"Arial  ", 12}, "Arial-12"},
        {ReportFont{"Arial", 12, true, true, true, true}, "Arial-12 Bold Italic"},
        {ReportFont{"Arial", 9, false, true}, "Arial-9 Italic"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FontDescription(c.font), c.text);

    const ReportFont bold{"DejaVu Serif", 14, true, false, true, false};
    const ReportFont back = FromQFont(ToQFont(bold));
    EXPECT_EQ(back.name, "DejaVu Serif");
    EXPECT_EQ(back.size, 14);
    EXPECT_TRUE(back.bold && back.strikethru && !back.italic && !back.underline);
    QFont half = ToQFont(bold);
    half.setPointSizeF(10.5);
    EXPECT_EQ(FromQFont(half).size, 10); // to the even neighbour

    TestWorld w;
    StoreHeadingFont(w.config(), ReportFont{"Head ", 16, false, true});
    StoreDetailFont(w.config(), ReportFont{"Detail", 9, false, false, false, true});
    CDConfig reread(w.settingsPath());
    reread.GetAllValues();
    const ReportFonts stored = ReportFontsFromConfig(reread);
    EXPECT_EQ(FontDescription(stored.heading), "Head-16 Italic");
    EXPECT_TRUE(stored.detail.underline);
    EXPECT_EQ(stored.detail.size, 9);
}

} // namespace

#include "print/PdfSurface.h"
#include "print/PreviewSurface.h"
#include <QImage>
#include <QPainter>

namespace {

// The preview lays a report out as the PDF does: the same pages, and ink on each.
TEST(PreviewSurface, SamePagesAsThePdfAndPaintable)
{
    PrintFixture f;
    f.view({{Field::Title, 30}, {Field::Artist, 25}}, PrintFixture::rows(150));
    f.sequenceAll();
    ReportRequest r;
    r.fonts = ReportFonts{ReportFont{"DejaVu Sans", 14, true}, ReportFont{"DejaVu Sans", 10}};
    r.orientation = 2;
    const QString path = f.w.dir.filePath("r.pdf");
    PdfSurface pdf(path, QPageSize(QPageSize::Letter));
    ASSERT_TRUE(RunReport(f.w.entries(), pdf, fixedFormats(), fixedToday(), r).printed);
    PreviewSurface preview{QPageSize(QPageSize::Letter)};
    ASSERT_TRUE(RunReport(f.w.entries(), preview, fixedFormats(), fixedToday(), r).printed);
    EXPECT_TRUE(preview.complete());
    EXPECT_EQ(preview.orientation(), 2);
    EXPECT_DOUBLE_EQ(preview.pageWidth(), 15840);
    ASSERT_GE(pdf.lastDocumentPages(), 3);
    EXPECT_EQ(preview.pageCount(), pdf.lastDocumentPages());

    QImage image(396, 306, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    preview.paintPage(p, preview.pageCount() - 1, 396 / 15840.0);
    p.end();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += image.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(ink, 100);
}

} // namespace

#include "print/ReportRunner.h"
#include <QEventLoop>

namespace {

ReportRequest fontsOnly(const PrintFixture& f)
{
    ReportRequest r;
    r.fonts = f.fonts;
    return r;
}

// The job prints a slice at a time and knows the page count before the first row: a
// rehearsal that leaves no trace on the printer and agrees with the pages printed.
TEST(ReportJob, CountsThePagesItThenPrintsInSlices)
{
    struct Case {
        int rows;
        int tracksOfLast; // a track column's lines can carry the last recording over a page
        qint32 orientation;
        int pages;
    };
    for (const Case c : {Case{1, 0, 1, 1}, Case{51, 0, 1, 1}, Case{52, 0, 1, 2}, Case{51, 3, 1, 2},
                         Case{150, 0, 2, 5}}) {
        auto make = [&](PrintFixture& f) {
            f.view({{Field::Title, 20}, {Field::TrackTitle, 20}}, PrintFixture::rows(c.rows));
            CEntry* last = f.w.entries().Entries().at(c.rows - 1).get();
            for (int t = 0; t < c.tracksOfLast; ++t)
                last->AddNewTrackEntry()->CDTrackTitle = QStringLiteral("Track %1").arg(t + 1);
            f.sequenceAll();
        };
        PrintFixture once;
        make(once);
        ReportRequest r = fontsOnly(once);
        r.orientation = c.orientation;
        ASSERT_TRUE(RunReport(once.w.entries(), once.surface, fixedFormats(), fixedToday(), r).printed);

        PrintFixture f;
        make(f);
        r.countPages = true;
        ReportJob job(f.w.entries(), f.surface, fixedFormats(), fixedToday(), r);
        int steps = 0;
        while (job.step(std::chrono::milliseconds(0))) {
            ++steps;
            EXPECT_EQ(job.pageCount(), c.pages) << c.rows;
            EXPECT_LE(job.page(), c.pages);
        }
        EXPECT_TRUE(job.result().printed);
        EXPECT_EQ(f.surface.lastDocumentPages(), c.pages) << c.rows;
        EXPECT_EQ(job.page(), c.pages);
        EXPECT_EQ(steps, (c.rows - 1) / 32) << c.rows; // 32 rows a look at the clock
        EXPECT_EQ(f.surface.pageTexts(c.pages), once.surface.pageTexts(c.pages));
        EXPECT_EQ(f.surface.log().size(), once.surface.log().size());
    }
}

TEST(ReportJob, CancelledMidwayDeliversNothingAndSaysNothing)
{
    PrintFixture f;
    f.view({{Field::Title, 20}}, PrintFixture::rows(200));
    f.sequenceAll();
    ReportJob job(f.w.entries(), f.surface, fixedFormats(), fixedToday(), fontsOnly(f));
    ASSERT_TRUE(job.step(std::chrono::milliseconds(0)));
    job.cancel();
    EXPECT_FALSE(job.running());
    EXPECT_FALSE(job.step(std::chrono::milliseconds(0)));
    EXPECT_TRUE(job.result().cancelled);
    EXPECT_FALSE(job.result().printed);
    EXPECT_EQ(f.surface.log().back().kind, Printed::KillDoc);
    EXPECT_EQ(f.surface.count(Printed::EndDoc), 0);
    EXPECT_EQ(f.w.messages.count(), 0u);
}

// The preview says itself why nothing fits; a print says it with "Report Layout Error".
TEST(ReportJob, LayoutThatDoesNotFitIsShownOrOnlyReported)
{
    for (const bool quiet : {false, true}) {
        PrintFixture f;
        f.view({{Field::Title, 40}, {Field::Artist, 200}}, {"x"});
        f.sequenceAll();
        ReportRequest r = fontsOnly(f);
        r.quietLayoutError = quiet;
        r.countPages = true;
        const ReportResult result = RunReport(f.w.entries(), f.surface, fixedFormats(), fixedToday(), r);
        EXPECT_TRUE(result.layoutError);
        EXPECT_FALSE(result.printed);
        EXPECT_TRUE(f.surface.log().empty());
        EXPECT_EQ(f.w.messages.count(), quiet ? 0u : 1u);
    }
}

// From the event loop: progress after every slice, then one end; a cancel ends it early.
TEST(ReportRunner, ProgressThenOneEndAndCancel)
{
    for (const bool cancel : {false, true}) {
        PrintFixture f;
        f.view({{Field::Title, 20}}, PrintFixture::rows(3000)); // 59 pages
        f.sequenceAll();
        ReportRequest r = fontsOnly(f);
        r.countPages = true;
        ReportJob job(f.w.entries(), f.surface, fixedFormats(), fixedToday(), r);
        ReportRunner runner(job, nullptr, std::chrono::milliseconds(0)); // 32 rows a slice
        std::vector<std::pair<int, int>> seen;
        int ends = 0;
        QEventLoop loop;
        QObject::connect(&runner, &ReportRunner::progressed, [&](int page, int pages) {
            seen.emplace_back(page, pages);
            if (cancel)
                runner.cancel();
        });
        QObject::connect(&runner, &ReportRunner::finished, [&] {
            ++ends;
            loop.quit();
        });
        runner.start();
        EXPECT_TRUE(seen.empty()); // nothing before the event loop turns
        loop.exec();
        EXPECT_EQ(ends, 1);
        EXPECT_FALSE(runner.running());
        ASSERT_FALSE(seen.empty());
        EXPECT_EQ(seen.back().second, 59);
        if (cancel) {
            EXPECT_EQ(seen.size(), 1u);
            EXPECT_TRUE(job.result().cancelled);
            EXPECT_EQ(f.surface.count(Printed::EndDoc), 0);
        } else {
            EXPECT_EQ(seen.back().first, 59);
            EXPECT_TRUE(job.result().printed);
        }
    }
}

} // namespace
