// The print window: the report loaded, the font descriptions and choices, the printer
// dialog, a real print to a PDF file, and the preview.
#include "PdfText.h"
#include "ScriptedPrintDialogs.h"
#include "model/ListOrder.h"
#include "print/ReportFonts.h"
#include "support/ModalDriver.h"
#include "support/UiWorld.h"
#include "ui/print/frmCDPRINT.h"
#include "ui/print/frmPrintPreview.h"

#include <QFile>
#include <QLineEdit>
#include <QTimer>
#include <functional>
#include <QPushButton>
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
    void collection(int n)
    {
        for (int i = 1; i <= n; ++i)
            w.addRecording(QStringLiteral("Title %1").arg(i), QStringLiteral("Artist %1").arg(i));
        w.entries().AddNewView("Jazz");
        w.entries().LocateViewByName("Jazz");
        CView* v = w.entries().CurrView();
        v->ReportHeading = "Jazz Titles";
        v->AddNewColumn(Field::Title)->ColumnWidth = 30;
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
    // Opens the preview and, once the report is laid out, hands it to `done`.
    void preview(std::function<void(frmPrintPreview*)> done)
    {
        whenModal(
            [done](QWidget* modal) {
                auto* p = qobject_cast<frmPrintPreview*>(modal);
                ASSERT_NE(p, nullptr);
                auto* poll = new QTimer(p);
                QObject::connect(poll, &QTimer::timeout, p, [p, poll, done] {
                    if (!p->running()) {
                        poll->stop();
                        done(p);
                    }
                });
                poll->start(5);
            },
            "dlgPreview");
        click("PB_Preview");
        EXPECT_TRUE(allModalsHandled());
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
    void click(const char* name) { child<QPushButton>(dlg.get(), name)->click(); }
};

TEST_F(PrintWindow, ShowsTheViewAndTheFontsInTheirFonts)
{
    collection(1);
    StoreHeadingFont(w.config(), ReportFont{"DejaVu Serif", 14, true, true, true, true});
    open();
    EXPECT_EQ(dlg->windowTitle(), "Print Report");
    EXPECT_EQ(box("TX_ReportLoaded")->text(), "Jazz");
    EXPECT_EQ(box("TX_Heading")->text(), "Jazz Titles");
    QLineEdit* head = box("TX_HeadingFont");
    EXPECT_EQ(head->text(), "DejaVu Serif-14 Bold Italic");
    EXPECT_TRUE(head->font().bold() && head->font().italic() && head->font().underline());
    EXPECT_EQ(head->font().pointSize(), 14);
    // No detail font yet: a hyphen and 0, in the window's own font.
    EXPECT_EQ(box("TX_DetailFont")->text(), "-0");
    EXPECT_EQ(box("TX_DetailFont")->font(), dlg->font());
}

TEST_F(PrintWindow, SetHeadingAndDetailWriteTheSettings)
{
    collection(1);
    StoreHeadingFont(w.config(), ReportFont{"DejaVu Sans", 12});
    open();
    QFont chosen("DejaVu Serif");
    chosen.setPointSize(16);
    chosen.setItalic(true);
    dialogs.chooseFont(chosen);
    click("PB_SetHeading");
    ASSERT_EQ(dialogs.fontCalls.size(), 1u);
    EXPECT_EQ(dialogs.fontCalls[0].initial.family(), "DejaVu Sans"); // preset from the settings
    EXPECT_EQ(dialogs.fontCalls[0].initial.pointSize(), 12);
    EXPECT_EQ(w.config().HeadFontName(), "DejaVu Serif");
    EXPECT_EQ(w.config().HeadFontSize(), 16);
    EXPECT_TRUE(w.config().HeadFontItalic());
    EXPECT_EQ(box("TX_HeadingFont")->text(), "DejaVu Serif-16 Italic");

    // Cancelled: nothing changes.
    click("PB_SetDetail");
    EXPECT_EQ(dialogs.fontCalls.size(), 2u);
    EXPECT_EQ(w.config().DetailFontName(), "");
    EXPECT_EQ(box("TX_DetailFont")->text(), "-0");
}

TEST_F(PrintWindow, SetupErrorAfterThePrinterDialogPrintsNothing)
{
    collection(1);
    open();
    click("PB_Print"); // printer dialog cancelled: nothing at all
    EXPECT_EQ(dialogs.printerCalls, 1);
    EXPECT_EQ(w.messages.count(), 0u);

    dialogs.choosePdf(pdf);
    click("PB_Print");
    ASSERT_EQ(w.messages.count(), 1u);
    EXPECT_EQ(w.messages.last().title, "Print Setup Error");
    EXPECT_EQ(w.messages.last().text,
              "You cannot do any printing until heading and detail fonts have been selected.  Use the SETUP... "
              "button to select printer fonts.  Your selections can then be saved from the Options menu.");
    EXPECT_EQ(w.messages.last().icon, MsgIcon::Critical);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(dlg->isVisible()); // a failed print leaves the window open

    // The preview is refused the same way.
    click("PB_Preview");
    EXPECT_EQ(w.messages.count(), 2u);
}

TEST_F(PrintWindow, CalculatorReportHeadingAndPrint)
{
    collection(1);
    storeFonts();
    open();
    SideTables sides;
    sides.side1 = {SideRow{"So What", "9:22"}};
    sides.side2 = {SideRow{"Blue in Green", "5:37"}};
    sides.total1 = "9:22";
    sides.total2 = "5:37";
    dlg->PrintCalcReport(sides);
    EXPECT_EQ(box("TX_ReportLoaded")->text(), "Tape Calculator Report");
    EXPECT_EQ(box("TX_Heading")->text(), "Tape Calculator Report");
    dialogs.choosePdf(pdf);
    click("PB_Print");
    EXPECT_FALSE(dlg->isVisible());
    ASSERT_TRUE(QFile::exists(pdf));
    if (!havePdfToText())
        GTEST_SKIP() << "pdftotext is not installed";
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains("Tape Calculator Report"));
    EXPECT_TRUE(text.contains("Blue in Green"));
    EXPECT_EQ(text.count("Total Time:"), 2);
}

// Regression: with no printer installed the preview had no paper and showed no page.
TEST_F(PrintWindow, PreviewWithoutChoosingAPrinterShowsPagesAndGoesOnToPrint)
{
    collection(3);
    storeFonts();
    open();
    dialogs.choosePdf(pdf);
    EXPECT_EQ(previewPages(true), 1);
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
    click("PB_Print");
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
    EXPECT_TRUE(text.contains("Title 150"));
    const int pages = int(text.count("Page "));
    EXPECT_GE(pages, 3);

    // The preview runs the same report on the same paper, orientation and fonts.
    dlg->show();
    EXPECT_EQ(box("TX_Heading")->text(), "Jazz Titles"); // loaded again on showing
    EXPECT_EQ(previewPages(), pages);
    EXPECT_TRUE(dlg->isVisible()); // the preview does not close the window
}

TEST_F(PrintWindow, Screenshot)
{
    if (qEnvironmentVariableIsEmpty("VINAXO_SHOT_DIR"))
        GTEST_SKIP() << "VINAXO_SHOT_DIR not set";
    collection(120);
    storeFonts();
    open();
    preview([&](frmPrintPreview* p) {
        shot(p, "frmPrintPreview.png");
        p->close();
    });
}

} // namespace
