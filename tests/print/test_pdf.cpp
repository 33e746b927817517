// The view report through the PDF printer, read back as text.
#include "PdfText.h"
#include "PrintFixture.h"
#include "print/PdfSurface.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace vinaxo;
using namespace vinaxo::test;

namespace {

TEST(PdfReport, HeadingPageNumbersAndRowsCanBeReadBack)
{
    if (!havePdfToText())
        GTEST_SKIP() << "pdftotext is not installed";
    PrintFixture f;
    f.view({{Field::Artist, 20}, {Field::Title, 30}, {Field::RelYear, 5}});
    for (int i = 1; i <= 120; ++i) {
        CEntry* e = f.add(QStringLiteral("Album %1").arg(i));
        e->CDArtist = QStringLiteral("Artist %1").arg(i);
        e->CDRelYear = qint16(1950 + i);
    }
    f.sequenceAll();
    const QString path = f.w.dir.filePath("report.pdf");
    PdfSurface pdf(path, QPageSize(QPageSize::Letter));
    CPrinter printer(f.w.entries(), pdf, fixedFormats(), fixedToday(),
                     ReportFonts{ReportFont{"DejaVu Sans", 14, true}, ReportFont{"DejaVu Sans", 10}});
    printer.setPrinterWidth(CPrinter::UsableWidth(pdf, 1));
    printer.setPrintHeading("Jazz Shelf");
    ASSERT_TRUE(printer.PrintCustomList()) << f.w.messages.texts().join(u'\n').toStdString();

    const QString text = pdfText(path);
    for (const char* s : {"Jazz Shelf", "12/7/2026", "Page 1", "Page 2", "Rel Year"})
        EXPECT_TRUE(text.contains(s)) << s;
    EXPECT_TRUE(text.contains(QRegularExpression("Artist 120\\s+Album 120\\s+2070")));
    EXPECT_GE(text.count(u'\f'), 2);
}

TEST(PdfReport, UnwritableFileIsAPrinterErrorAndLeavesNoFile)
{
    PrintFixture f;
    f.view({{Field::Title, 20}}, {"x"});
    f.sequenceAll();
    const QString path = f.w.dir.filePath("missing/report.pdf");
    PdfSurface pdf(path);
    CPrinter printer(f.w.entries(), pdf, fixedFormats(), fixedToday(), f.fonts);
    printer.setPrinterWidth(CPrinter::UsableWidth(pdf, 1));
    EXPECT_FALSE(printer.PrintCustomList());
    ASSERT_EQ(f.w.messages.count(), 1u);
    EXPECT_EQ(f.w.messages.last().title, "Printer Error");
    EXPECT_TRUE(printer.LastErrorDescription().startsWith("The file could not be opened"));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(PdfReport, AbandonedReportKeepsTheEarlierFile)
{
    PrintFixture f;
    f.view({{Field::Title, 200}}, {"x"}); // too wide: a layout error before anything is printed
    f.sequenceAll();
    const QString path = f.w.dir.filePath("old.pdf");
    writeFile(path, "earlier");
    {
        PdfSurface pdf(path);
        CPrinter printer(f.w.entries(), pdf, fixedFormats(), fixedToday(), f.fonts);
        printer.setPrinterWidth(CPrinter::UsableWidth(pdf, 2));
        EXPECT_FALSE(printer.PrintCustomList());
    }
    EXPECT_EQ(readFile(path), "earlier");
}

TEST(PdfReport, LandscapeWidensThePage)
{
    PdfSurface pdf(QDir::temp().filePath("unused.pdf"), QPageSize(QPageSize::Letter));
    EXPECT_FLOAT_EQ(CPrinter::UsableWidth(pdf, 1), float(12240 - 12240 / 30.0));
    EXPECT_FLOAT_EQ(CPrinter::UsableWidth(pdf, 2), float(15840 - 15840 / 30.0));
    EXPECT_EQ(pdf.orientation(), PrinterSurface::Landscape);
}

} // namespace
