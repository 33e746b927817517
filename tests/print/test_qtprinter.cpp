// The system-printer surface, driven through a QPrinter that writes PDF.
#include "PdfText.h"
#include "PrintFixture.h"
#include "ui/print/QtPrinterSurface.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <gtest/gtest.h>

using namespace vinaxo;
using namespace vinaxo::test;

namespace {

TEST(QtPrinterSurface, PrintsTheReportAtThePrintersResolution)
{
    PrintFixture f;
    f.view({{Field::Title, 30}}, {"Giant Steps"});
    f.sequenceAll();
    const QString path = f.w.dir.filePath("printer.pdf");
    QPrinter qprinter(QPrinter::HighResolution);
    qprinter.setOutputFormat(QPrinter::PdfFormat);
    qprinter.setOutputFileName(path);
    qprinter.setPageSize(QPageSize(QPageSize::Letter));
    QtPrinterSurface surface(qprinter);
    EXPECT_DOUBLE_EQ(surface.pageWidth(), 12240);
    EXPECT_DOUBLE_EQ(surface.pageHeight(), 15840);

    CPrinter printer(f.w.entries(), surface, fixedFormats(), fixedToday(),
                     ReportFonts{ReportFont{"DejaVu Sans", 14}, ReportFont{"DejaVu Sans", 10}});
    printer.setPrinterWidth(CPrinter::UsableWidth(surface, 2));
    printer.setOrientation(2);
    EXPECT_DOUBLE_EQ(surface.pageWidth(), 15840);
    // A 10-point line is about 1/6 inch whatever the printer's resolution.
    surface.setFontName("DejaVu Sans");
    surface.setFontSize(10);
    EXPECT_NEAR(surface.textHeight("W"), 240, 40);
    ASSERT_TRUE(printer.PrintCustomList());
    ASSERT_TRUE(QFile::exists(path));

    if (havePdfToText()) {
        const QString text = pdfText(path);
        EXPECT_TRUE(text.contains("Giant Steps")) << text.toStdString();
        EXPECT_TRUE(text.contains("CUSTOM REPORT"));
    }
}

// Regression: a print to a PDF file that was cancelled left the pages written so far
// behind, over the file the user had before.
TEST(QtPrinterSurface, PdfFileIsReplacedOnlyWhenTheReportIsComplete)
{
    for (const bool complete : {true, false}) {
        PrintFixture f;
        f.view({{Field::Title, 30}}, PrintFixture::rows(200));
        f.sequenceAll();
        const QString path = f.w.dir.filePath("printer.pdf");
        writeFile(path, "earlier");
        QPrinter qprinter(QPrinter::HighResolution);
        qprinter.setOutputFormat(QPrinter::PdfFormat);
        qprinter.setOutputFileName(path);
        {
            QtPrinterSurface surface(qprinter);
            CPrinter printer(f.w.entries(), surface, fixedFormats(), fixedToday(), f.fonts);
            printer.setPrinterWidth(CPrinter::UsableWidth(surface, 1));
            ASSERT_TRUE(printer.StartCustomList());
            ASSERT_TRUE(printer.ContinueCustomList(100)); // two pages written
            if (complete)
                while (printer.ContinueCustomList(100)) {
                }
            else
                printer.CancelReport();
        }
        EXPECT_EQ(qprinter.outputFileName(), path) << complete;
        // Nothing but the report (or the earlier file) and the settings in the folder.
        EXPECT_EQ(QDir(f.w.dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1 + QFile::exists(f.w.settingsPath()));
        EXPECT_EQ(readFile(path).left(7), complete ? QByteArray("%PDF-1.") : QByteArray("earlier")) << complete;
    }
}

} // namespace
