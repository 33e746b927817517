// The system-printer surface, driven through a QPrinter that writes PDF.
#include "PrintFixture.h"
#include "ui/print/QtPrinterSurface.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace vinaxo;
using namespace vinaxo::test;

namespace {

TEST(QtPrinterSurface, PrintsTheReportAtThePrintersResolution)
{
    PrintFixture f;
    f.view({{Field::Title, 30}});
    f.add(QStringLiteral("Giant Steps"));
    f.sequenceAll();
    const QString path = f.w.dir.filePath(QStringLiteral("printer.pdf"));
    QPrinter qprinter(QPrinter::HighResolution);
    qprinter.setOutputFormat(QPrinter::PdfFormat);
    qprinter.setOutputFileName(path);
    qprinter.setPageSize(QPageSize(QPageSize::Letter));
    QtPrinterSurface surface(qprinter);
    EXPECT_DOUBLE_EQ(surface.pageWidth(), 12240);
    EXPECT_DOUBLE_EQ(surface.pageHeight(), 15840);

    const ReportFonts fonts{ReportFont{QStringLiteral("DejaVu Sans"), 14},
                            ReportFont{QStringLiteral("DejaVu Sans"), 10}};
    CPrinter printer(f.w.entries(), surface, fixedFormats(), fixedToday(), fonts);
    printer.setPrinterWidth(CPrinter::UsableWidth(surface, 2));
    printer.setOrientation(2);
    EXPECT_DOUBLE_EQ(surface.pageWidth(), 15840);
    // A 10-point line is about 1/6 inch whatever the printer's resolution.
    surface.setFontName(QStringLiteral("DejaVu Sans"));
    surface.setFontSize(10);
    EXPECT_NEAR(surface.textHeight(QStringLiteral("W")), 240, 40);
    ASSERT_TRUE(printer.PrintCustomList());
    ASSERT_TRUE(QFile::exists(path));

    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        return;
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(60000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("Giant Steps"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("CUSTOM REPORT")));
}

} // namespace
