// The view report through the PDF printer, read back as text.
#include "PrintFixture.h"
#include "print/PdfSurface.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QDir>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace vinaxo;
using namespace vinaxo::test;

namespace {

QString pdfText(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(PdfReport, HeadingPageNumbersAndRowsCanBeReadBack)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    PrintFixture f;
    f.view({{Field::Artist, 20}, {Field::Title, 30}, {Field::RelYear, 5}});
    for (int i = 1; i <= 120; ++i) {
        CEntry* e = f.add(QStringLiteral("Album %1").arg(i));
        e->CDArtist = QStringLiteral("Artist %1").arg(i);
        e->CDRelYear = qint16(1950 + i);
    }
    f.sequenceAll();
    const QString path = f.w.dir.filePath(QStringLiteral("report.pdf"));
    PdfSurface pdf(path, QPageSize(QPageSize::Letter));
    const ReportFonts fonts{ReportFont{QStringLiteral("DejaVu Sans"), 14, true},
                            ReportFont{QStringLiteral("DejaVu Sans"), 10}};
    CPrinter printer(f.w.entries(), pdf, fixedFormats(), fixedToday(), fonts);
    printer.setPrinterWidth(CPrinter::UsableWidth(pdf, 1));
    printer.setPrintHeading(QStringLiteral("Jazz Shelf"));
    ASSERT_TRUE(printer.PrintCustomList()) << f.w.messages.texts().join(u'\n').toStdString();

    const QString text = pdfText(path);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_TRUE(text.contains(QStringLiteral("Jazz Shelf")));
    EXPECT_TRUE(text.contains(QStringLiteral("12/7/2026")));
    EXPECT_TRUE(text.contains(QStringLiteral("Page 1")));
    EXPECT_TRUE(text.contains(QStringLiteral("Page 2")));
    EXPECT_TRUE(text.contains(QStringLiteral("Rel Year")));
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Artist 120\\s+Album 120\\s+2070"))));
    EXPECT_GE(text.count(u'\f'), 2);
}

TEST(PdfReport, UnwritableFileIsAPrinterErrorAndLeavesNoFile)
{
    PrintFixture f;
    f.view({{Field::Title, 20}});
    f.add(QStringLiteral("x"));
    f.sequenceAll();
    const QString path = f.w.dir.filePath(QStringLiteral("missing/report.pdf"));
    PdfSurface pdf(path);
    CPrinter printer(f.w.entries(), pdf, fixedFormats(), fixedToday(), f.fonts);
    printer.setPrinterWidth(CPrinter::UsableWidth(pdf, 1));
    EXPECT_FALSE(printer.PrintCustomList());
    ASSERT_EQ(f.w.messages.count(), 1u);
    EXPECT_EQ(f.w.messages.last().title, QStringLiteral("Printer Error"));
    EXPECT_TRUE(printer.LastErrorDescription().startsWith(QStringLiteral("The file could not be opened")));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(PdfReport, AbandonedReportKeepsTheEarlierFile)
{
    PrintFixture f;
    f.view({{Field::Title, 200}}); // too wide: a layout error before anything is printed
    f.add(QStringLiteral("x"));
    f.sequenceAll();
    const QString path = f.w.dir.filePath(QStringLiteral("old.pdf"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("earlier");
    }
    {
        PdfSurface pdf(path);
        CPrinter printer(f.w.entries(), pdf, fixedFormats(), fixedToday(), f.fonts);
        printer.setPrinterWidth(CPrinter::UsableWidth(pdf, 2));
        EXPECT_FALSE(printer.PrintCustomList());
    }
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("earlier"));
}

TEST(PdfReport, LandscapeWidensThePage)
{
    PdfSurface pdf(QDir::temp().filePath(QStringLiteral("unused.pdf")), QPageSize(QPageSize::Letter));
    EXPECT_FLOAT_EQ(CPrinter::UsableWidth(pdf, 1), float(12240 - 12240 / 30.0));
    EXPECT_FLOAT_EQ(CPrinter::UsableWidth(pdf, 2), float(15840 - 15840 / 30.0));
    EXPECT_EQ(pdf.orientation(), PrinterSurface::Landscape);
}

} // namespace
