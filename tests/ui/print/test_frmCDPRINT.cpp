// The print window's wiring: the report loaded, the fonts and the orientation to and from
// the settings, the printer dialog, a print to a PDF file with its progress and Cancel,
// and the preview. The layout itself is tested in tests/print.
#include "PdfText.h"
#include "ScriptedPrintDialogs.h"
#include "model/ListOrder.h"
#include "print/PreviewSurface.h"
#include "print/PrinterSurface.h"
#include "print/ReportFonts.h"
#include "support/UiWorld.h"
#include "ui/print/frmCDPRINT.h"
#include "ui/print/frmPrintPreview.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace vinaxo;
using namespace vinaxo::test;

namespace {

struct PrintWindow : ::testing::Test {
    UiWorld w;
    ScriptedPrintDialogs dialogs;
    std::unique_ptr<frmCDPRINT> dlg;
    QString pdf = w.dir.filePath("report.pdf");

    // A view "Jazz" (heading "Jazz Titles") over n recordings, in collection order.
    void collection(int n, int titleWidth = 30)
    {
        for (int i = 1; i <= n; ++i)
            w.addRecording(QStringLiteral("Title %1").arg(i), QStringLiteral("Artist %1").arg(i));
        w.entries().AddNewView("Jazz");
        w.entries().LocateViewByName("Jazz");
        CView* v = w.entries().CurrView();
        v->ReportHeading = "Jazz Titles";
        v->AddNewColumn(Field::Title)->ColumnWidth = qint16(titleWidth);
        v->AddNewColumn(Field::Artist)->ColumnWidth = 25;
        RebuildSequence(w.sequence(), ListOrder(w.entries(), {}));
    }
    void storeFonts()
    {
        StoreHeadingFont(w.config(), ReportFont{"DejaVu Sans", 14, true});
        StoreDetailFont(w.config(), ReportFont{"DejaVu Sans", 10});
    }
    void open()
    {
        dlg = std::make_unique<frmCDPRINT>(w.context);
        dlg->setPrintDialogs(&dialogs);
        dlg->show();
    }
    QLineEdit* box(const char* name) { return child<QLineEdit>(dlg.get(), name); }
    void click(const char* name) { child<QPushButton>(dlg.get(), name)->click(); }
    // "&Print" and the report printed to its end (or failed, or cancelled).
    void print()
    {
        click("PB_Print");
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dlg->printing(); }, 60000));
    }
    // Opens the preview and hands it to `when` once `ready` holds (by default: laid out).
    // It is looked at between two turns of its event loop from the moment it is up: a
    // modal window found by polling could be found only after a fast layout ended.
    void preview(std::function<void(frmPrintPreview*)> when,
                 std::function<bool(frmPrintPreview*)> ready = [](frmPrintPreview* p) { return !p->running(); })
    {
        bool handled = false;
        QTimer between;
        QObject::connect(&between, &QTimer::timeout, [&] {
            auto* p = qobject_cast<frmPrintPreview*>(QApplication::activeModalWidget());
            if (handled || !p || !p->isVisible() || !ready(p))
                return;
            handled = true;
            when(p);
        });
        between.start(0);
        click("PB_Preview");
        EXPECT_TRUE(handled);
    }
    // The preview's page count; then closed, or on to "Print...".
    int previewPages(bool thenPrint = false)
    {
        int pages = -1;
        preview([&](frmPrintPreview* p) {
            pages = p->pageCount();
            if (thenPrint)
                child<QPushButton>(p, "PB_PrintPreview")->click();
            else
                p->close();
        });
        return pages;
    }
};

// Regression: a new user's font boxes read "-0" and nothing could be printed before both
// fonts were chosen.
TEST_F(PrintWindow, NewUserGetsDefaultFontsStoredAndShownInTheirFonts)
{
    collection(1);
    open();
    EXPECT_EQ(box("TX_ReportLoaded")->text(), "Jazz");
    EXPECT_EQ(box("TX_Heading")->text(), "Jazz Titles");
    const QString family = DefaultReportFonts().heading.name;
    EXPECT_EQ(box("TX_HeadingFont")->text(), family + "-14 Bold");
    EXPECT_EQ(box("TX_DetailFont")->text(), family + "-10");
    EXPECT_TRUE(box("TX_HeadingFont")->font().bold());
    EXPECT_EQ(box("TX_DetailFont")->font().pointSize(), 10);
    EXPECT_EQ(w.config().HeadFontName(), family);
    EXPECT_EQ(w.config().DetailFontSize(), 10);
}

TEST_F(PrintWindow, SetHeadingAndDetailWriteTheSettings)
{
    collection(1);
    storeFonts();
    open();
    QFont chosen("DejaVu Serif");
    chosen.setPointSize(16);
    chosen.setItalic(true);
    dialogs.chooseFont(chosen);
    click("PB_SetHeading");
    ASSERT_EQ(dialogs.fontCalls.size(), 1u);
    EXPECT_EQ(dialogs.fontCalls[0].initial.family(), "DejaVu Sans"); // preset from the settings
    EXPECT_EQ(dialogs.fontCalls[0].initial.pointSize(), 14);
    EXPECT_EQ(w.config().HeadFontName(), "DejaVu Serif");
    EXPECT_EQ(w.config().HeadFontSize(), 16);
    EXPECT_TRUE(w.config().HeadFontItalic());
    EXPECT_EQ(box("TX_HeadingFont")->text(), "DejaVu Serif-16 Italic");

    // Cancelled: nothing changes.
    click("PB_SetDetail");
    EXPECT_EQ(dialogs.fontCalls.size(), 2u);
    EXPECT_EQ(w.config().DetailFontSize(), 10);
    EXPECT_EQ(box("TX_DetailFont")->text(), "DejaVu Sans-10");
}

// An unusable stored font (named but not sized) is refused after the printer dialog, and
// by the preview; nothing is printed.
TEST_F(PrintWindow, UnusableStoredFontIsRefusedWithPrintSetupError)
{
    collection(1);
    storeFonts();
    w.config().setDetailFontSize(0);
    open();
    click("PB_Print"); // printer dialog cancelled: nothing at all
    EXPECT_EQ(dialogs.printerCalls, 1);
    EXPECT_EQ(w.messages.count(), 0u);

    dialogs.choosePdf(pdf);
    print();
    ASSERT_EQ(w.messages.count(), 1u);
    EXPECT_EQ(w.messages.last().title, "Print Setup Error");
    EXPECT_TRUE(w.messages.last().text.contains("Use the Set Heading and Set Detail buttons"));
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(dlg->isVisible()); // a failed print leaves the window open

    click("PB_Preview");
    EXPECT_EQ(w.messages.count(), 2u);
}

// Regression: the orientation came only from the printer dialog, and the preview always
// showed the printer's own. Now one stored choice serves both, and the printer dialog.
TEST_F(PrintWindow, OrientationIsStoredAndUsedByPreviewAndPrint)
{
    collection(3);
    storeFonts();
    open();
    EXPECT_TRUE(child<QRadioButton>(dlg.get(), "RB_Portrait")->isChecked());
    child<QRadioButton>(dlg.get(), "RB_Landscape")->click();
    EXPECT_EQ(w.config().PrintOrientation(), PrinterSurface::Landscape);
    open(); // a later opening starts from the stored choice
    EXPECT_TRUE(child<QRadioButton>(dlg.get(), "RB_Landscape")->isChecked());

    int orientation = 0;
    preview([&](frmPrintPreview* p) {
        orientation = p->pages().orientation();
        p->close();
    });
    EXPECT_EQ(orientation, PrinterSurface::Landscape);

    dialogs.choosePdf(pdf);
    dialogs.choosePdf(pdf, QPageLayout::Portrait); // changed in the printer dialog
    print();
    dlg->show();
    print();
    ASSERT_EQ(dialogs.presetOrientations.size(), 2u);
    EXPECT_EQ(dialogs.presetOrientations[0], QPageLayout::Landscape);
    EXPECT_TRUE(child<QRadioButton>(dlg.get(), "RB_Portrait")->isChecked());
    EXPECT_EQ(w.config().PrintOrientation(), PrinterSurface::Portrait);
}

// Regression: with no printer installed the preview had no paper and showed no page.
TEST_F(PrintWindow, PreviewWithoutChoosingAPrinterShowsPagesAndGoesOnToPrint)
{
    collection(3);
    storeFonts();
    open();
    dialogs.choosePdf(pdf);
    EXPECT_EQ(previewPages(true), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dlg->printing(); }, 60000));
    EXPECT_EQ(w.messages.count(), 0u);
    EXPECT_EQ(dialogs.printerCalls, 1); // "Print..." in the preview goes on to the printer
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_FALSE(dlg->isVisible());
}

TEST_F(PrintWindow, PrintsToPdfAndPreviewsTheSamePages)
{
    collection(150); // three pages
    storeFonts();
    open();
    box("TX_Heading")->setText("This Print Only  ");
    dialogs.choosePdf(pdf, QPageLayout::Landscape);
    print();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_FALSE(dlg->isVisible()); // hidden after a successful print
    EXPECT_EQ(w.busy.busy, 1);
    EXPECT_EQ(w.busy.normal, 1);
    EXPECT_EQ(w.entries().CurrView()->ReportHeading, "Jazz Titles"); // not written back
    ASSERT_TRUE(QFile::exists(pdf));
    if (!havePdfToText())
        GTEST_SKIP() << "pdftotext is not installed";
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains("This Print Only"));
    const int pages = int(text.count("Page "));
    EXPECT_GE(pages, 3);

    // The preview runs the same report on the same paper, orientation and fonts.
    dlg->show();
    EXPECT_EQ(box("TX_Heading")->text(), "Jazz Titles"); // loaded again on showing
    EXPECT_EQ(previewPages(), pages);
    EXPECT_TRUE(dlg->isVisible()); // the preview does not close the window
}

// Regression: a view wider than the page gave a preview of "Page 0 of 0" whose Print
// was enabled, behind a "Report Layout Error" box.
TEST_F(PrintWindow, PreviewOfAViewWiderThanThePageSaysWhyAndRefusesPrint)
{
    collection(3, 200);
    storeFonts();
    open();
    QString message, pageNumber;
    bool printEnabled = true;
    preview([&](frmPrintPreview* p) {
        auto* label = child<QLabel>(p, "TX_PreviewMessage");
        message = label->isVisible() ? label->text() : QString();
        pageNumber = child<QLabel>(p, "TX_PageNumber")->text();
        printEnabled = child<QPushButton>(p, "PB_PrintPreview")->isEnabled();
        p->close();
    });
    EXPECT_EQ(message, "The columns of this view are wider than the page: choose landscape, a smaller detail "
                       "font, or narrower columns");
    EXPECT_EQ(pageNumber, "Page 0 of 0");
    EXPECT_FALSE(printEnabled);
    EXPECT_EQ(w.messages.count(), 0u);
}

// Closing the preview while it is still laying out stops the layout; the window goes on.
TEST_F(PrintWindow, ClosingThePreviewWhileItLaysOutStopsIt)
{
    collection(20000);
    storeFonts();
    open();
    dlg->setPreviewSlice(std::chrono::milliseconds(1)); // caught laying out on any machine
    QString pageNumber;
    bool running = false;
    preview(
        [&](frmPrintPreview* p) {
            pageNumber = child<QLabel>(p, "TX_PageNumber")->text();
            running = p->running();
            p->close();
        },
        [](frmPrintPreview* p) { return p->pageCount() >= 1 || !p->running(); });
    EXPECT_TRUE(running);
    EXPECT_TRUE(pageNumber.startsWith("Page 1 of ")) << pageNumber.toStdString();
    EXPECT_TRUE(pageNumber.contains(" (laying out page ")) << pageNumber.toStdString();
    QTest::qWait(50); // nothing of the stopped layout runs on
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(w.messages.count(), 0u);
}

// Regression: printing showed only a busy pointer, could not be stopped, and a stopped
// print to a PDF file would have left the pages written so far.
TEST_F(PrintWindow, CancellingAPrintShowsItsProgressAndLeavesNoFile)
{
    collection(4000);
    storeFonts();
    open();
    writeFile(pdf, "earlier");
    dialogs.choosePdf(pdf);
    click("PB_Print");
    auto* progress = dlg->findChild<QProgressDialog*>("dlgPrintProgress");
    ASSERT_NE(progress, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return progress->value() >= 2; }, 60000));
    EXPECT_TRUE(dlg->printing());
    EXPECT_TRUE(progress->labelText().startsWith("Printing page ")) << progress->labelText().toStdString();
    const int pages = progress->maximum(); // counted before the first row
    EXPECT_GT(pages, 40);
    EXPECT_TRUE(progress->labelText().endsWith(QStringLiteral(" of %1").arg(pages)));
    auto* cancel = progress->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), "&Cancel");
    cancel->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dlg->printing(); }, 60000));
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(w.messages.count(), 0u);
    EXPECT_EQ(w.busy.busy, w.busy.normal);
    EXPECT_EQ(readFile(pdf), "earlier");
    // No partial file beside it.
    const QStringList pdfs = QDir(w.dir.path()).entryList({"*.pdf*", ".*.part"}, QDir::Files | QDir::Hidden);
    EXPECT_EQ(pdfs, QStringList{"report.pdf"});
}

} // namespace
