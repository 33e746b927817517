// vinaxo-cli print and tape, run as the user runs them, on a collection file.
#include "storage/FileCommands.h"
#include "support/TestWorld.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace vinaxo;
using namespace vinaxo::test;

namespace {

struct CliRun {
    int code = -1;
    QString out, err;
};

struct CliFixture {
    TestWorld w;
    QString file = w.dir.filePath(QStringLiteral("jazz.dat"));
    QString config = w.dir.filePath(QStringLiteral("config"));

    CliFixture()
    {
        CEntries& c = w.entries();
        const char* records[][2] = {{"Kind of Blue", "Miles Davis"}, {"blue train", "John Coltrane"},
                                    {"Giant Steps", "John Coltrane"}};
        for (auto& r : records) {
            CEntry* e = c.AddNewEntry();
            e->CDTitle = QString::fromLatin1(r[0]);
            e->CDArtist = QString::fromLatin1(r[1]);
        }
        CEntry* first = c.Entries().at(0).get();
        first->CDNbrTracks = 3;
        const char* tracks[][2] = {{"So What", "9:22"}, {"Freddie; Freeloader", "9:46"}, {"Blue in Green", "5:37"}};
        for (auto& t : tracks) {
            CTrackEntry* tr = first->AddNewTrackEntry();
            tr->CDTrackTitle = QString::fromLatin1(t[0]);
            tr->CDTrackTime = QString::fromLatin1(t[1]);
        }
        c.AddNewView(QStringLiteral("Titles"));
        c.CurrView()->AddNewColumn(Field::Title);
        c.CurrView()->AddNewColumn(Field::Artist);
        c.CurrView()->ReportHeading = QStringLiteral("Jazz Titles");
        if (!SaveCollectionFile(*w.ws, file))
            throw std::runtime_error("the collection file was not written");
    }

    CliRun run(const QStringList& args) const
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(VINAXO_CLI), args);
        CliRun r;
        if (!p.waitForFinished(120000))
            return r;
        r.code = p.exitCode();
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

    void storeFonts() const
    {
        QDir().mkpath(config);
        QFile ini(config + QStringLiteral("/Tremalik.Vinaxo.3.0.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[PrintHeading]\nName=DejaVu Sans\nSize=14\nBold=True\n"
                  "[PrintDetail]\nName=DejaVu Sans\nSize=10\n");
    }
};

QString pdfText(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool havePdfToText()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

TEST(CliPrint, WithoutFontsSaysSoAsThePrintDialogWould)
{
    CliFixture f;
    const QString pdf = f.w.dir.filePath(QStringLiteral("out.pdf"));
    const CliRun r = f.run({QStringLiteral("print"), f.file, QStringLiteral("--pdf"), pdf});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("Print Setup Error: You cannot do any printing"))) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST(CliPrint, SortedViewReportWithStoredFonts)
{
    if (!havePdfToText())
        GTEST_SKIP() << "pdftotext is not installed";
    CliFixture f;
    f.storeFonts();
    const QString pdf = f.w.dir.filePath(QStringLiteral("out.pdf"));
    const CliRun r = f.run({QStringLiteral("print"), f.file, QStringLiteral("--pdf"), pdf, QStringLiteral("--sort"),
                         QStringLiteral("title:desc")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Jazz Titles")));
    const qsizetype kind = text.indexOf(QStringLiteral("Kind of Blue"));
    const qsizetype giant = text.indexOf(QStringLiteral("Giant Steps"));
    const qsizetype train = text.indexOf(QStringLiteral("blue train"));
    ASSERT_TRUE(kind >= 0 && giant >= 0 && train >= 0) << text.toStdString();
    EXPECT_LT(kind, giant); // descending, letter case ignored
    EXPECT_LT(giant, train);
}

TEST(CliPrint, FontFlagsHeadingLandscapeAndBadArguments)
{
    CliFixture f;
    const QString pdf = f.w.dir.filePath(QStringLiteral("out.pdf"));
    const QStringList base{QStringLiteral("print"), f.file, QStringLiteral("--pdf"), pdf,
                           QStringLiteral("--heading-font"), QStringLiteral("DejaVu Serif,16,bold,italic"),
                           QStringLiteral("--detail-font"), QStringLiteral("DejaVu Sans,9")};
    CliRun r = f.run(base + QStringList{QStringLiteral("--heading"), QStringLiteral("Mine"), QStringLiteral("--landscape"),
                                     QStringLiteral("--sort"), QStringLiteral("Artist")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    if (havePdfToText()) {
        EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("Mine")));
    }
    EXPECT_EQ(f.run(base + QStringList{QStringLiteral("--view"), QStringLiteral("Nope")}).code, 2);
    EXPECT_EQ(f.run(base + QStringList{QStringLiteral("--sort"), QStringLiteral("Track Titles")}).code, 2);
    EXPECT_EQ(f.run(base + QStringList{QStringLiteral("--colour")}).code, 2);
    r = f.run({QStringLiteral("print"), f.file, QStringLiteral("--pdf"), pdf, QStringLiteral("--detail-font"),
               QStringLiteral("Sans")});
    EXPECT_EQ(r.code, 2);
}

TEST(CliTape, ClipboardTextAndAnOverrun)
{
    CliFixture f;
    const CliRun r = f.run({QStringLiteral("tape"), f.file, QStringLiteral("--recording"), QStringLiteral("1"),
                         QStringLiteral("--side1"), QStringLiteral("1,2"), QStringLiteral("--side2"),
                         QStringLiteral("3"), QStringLiteral("--length"), QStringLiteral("30:00"),
                         QStringLiteral("--text")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("Side 1\tSo What\t9:22\r\nSide 1\tFreddie\tFreeloader; 9:46\r\n"
                                    "Side 2\tBlue in Green\t5:37\r\n"));
    // 9:22 + 9:46 on a 15:00 side is 4:08 over.
    EXPECT_TRUE(r.err.contains(QStringLiteral("Side 1: Total Time 19:08, Remaining -4:08"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("Side 2: Total Time 5:37, Remaining 9:23")));
}

TEST(CliTape, RepeatedTrackAsksAndCalculatorReportToPdf)
{
    CliFixture f;
    f.storeFonts();
    const QString pdf = f.w.dir.filePath(QStringLiteral("tape.pdf"));
    const QStringList args{QStringLiteral("tape"), f.file, QStringLiteral("--recording"), QStringLiteral("1"),
                           QStringLiteral("--side1"), QStringLiteral("1,1"), QStringLiteral("--pdf"), pdf};
    CliRun r = f.run(args);
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("Track will be repeated: Track is already selected.  Do you want it "
                                              "repeated? [No]")));
    EXPECT_TRUE(r.err.contains(QStringLiteral("Side 1: Total Time 9:22,")));
    r = f.run(args + QStringList{QStringLiteral("--yes")});
    EXPECT_TRUE(r.err.contains(QStringLiteral("Side 1: Total Time 18:44,"))) << r.err.toStdString();
    if (havePdfToText()) {
        const QString text = pdfText(pdf);
        EXPECT_TRUE(text.contains(QStringLiteral("Tape Calculator Report")));
        EXPECT_EQ(text.count(QStringLiteral("Total Time:")), 2);
        EXPECT_EQ(text.count(QStringLiteral("So What")), 2);
    }
    // A recording without tracks, and one that is not there.
    r = f.run({QStringLiteral("tape"), f.file, QStringLiteral("--recording"), QStringLiteral("2"),
               QStringLiteral("--side1"), QStringLiteral("1"), QStringLiteral("--text")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("No Tracks Available: No tracks available for the calculator.")));
    EXPECT_EQ(f.run({QStringLiteral("tape"), f.file, QStringLiteral("--recording"), QStringLiteral("9"),
                     QStringLiteral("--side1"), QStringLiteral("1"), QStringLiteral("--text")}).code, 1);
    EXPECT_EQ(f.run({QStringLiteral("tape"), f.file, QStringLiteral("--recording"), QStringLiteral("1"),
                     QStringLiteral("--side1"), QStringLiteral("4"), QStringLiteral("--text")}).code, 2);
}

} // namespace
