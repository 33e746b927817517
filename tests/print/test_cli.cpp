// vinaxo-cli print and tape, run as the user runs them, on a collection file.
#include "PdfText.h"
#include "storage/FileCommands.h"
#include "support/CliProcess.h"
#include "support/TestWorld.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace vinaxo;
using namespace vinaxo::test;

namespace {

struct CliFixture {
    TestWorld w;
    QString file = w.dir.filePath("jazz.dat");
    QString config = w.dir.filePath("config");
    QString pdf = w.dir.filePath("out.pdf");

    CliFixture()
    {
        CEntries& c = w.entries();
        for (auto [title, artist] : {std::pair{"Kind of Blue", "Miles Davis"}, {"blue train", "John Coltrane"},
                                     {"Giant Steps", "John Coltrane"}}) {
            CEntry* e = c.AddNewEntry();
            e->CDTitle = title;
            e->CDArtist = artist;
        }
        CEntry* first = c.Entries().at(0).get();
        first->CDNbrTracks = 3;
        for (auto [title, time] :
             {std::pair{"So What", "9:22"}, {"Freddie; Freeloader", "9:46"}, {"Blue in Green", "5:37"}}) {
            CTrackEntry* tr = first->AddNewTrackEntry();
            tr->CDTrackTitle = title;
            tr->CDTrackTime = time;
        }
        c.AddNewView("Titles");
        c.CurrView()->AddNewColumn(Field::Title);
        c.CurrView()->AddNewColumn(Field::Artist);
        c.CurrView()->ReportHeading = "Jazz Titles";
        if (!SaveCollectionFile(*w.ws, file))
            throw std::runtime_error("the collection file was not written");
    }

    // vinaxo-cli <command> <collection file> args...
    CliRun run(const QString& command, const QStringList& args) const
    {
        return RunCli(config, w.dir.filePath("data"), QStringList{command, file} + args);
    }

    void storeFonts() const
    {
        QDir().mkpath(config);
        writeFile(config + "/Tremalik.Vinaxo.3.0.ini", "[PrintHeading]\nName=DejaVu Sans\nSize=14\nBold=True\n"
                                                     "[PrintDetail]\nName=DejaVu Sans\nSize=10\n");
    }
};

TEST(CliPrint, WithoutFontsSaysSoAsThePrintDialogWould)
{
    CliFixture f;
    const CliRun r = f.run("print", {"--pdf", f.pdf});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.startsWith("Print Setup Error: You cannot do any printing")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(f.pdf));
}

TEST(CliPrint, SortedViewReportWithStoredFonts)
{
    if (!havePdfToText())
        GTEST_SKIP() << "pdftotext is not installed";
    CliFixture f;
    f.storeFonts();
    const CliRun r = f.run("print", {"--pdf", f.pdf, "--sort", "title:desc"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QString text = pdfText(f.pdf);
    EXPECT_TRUE(text.contains("Jazz Titles"));
    const qsizetype kind = text.indexOf("Kind of Blue"), giant = text.indexOf("Giant Steps"),
                    train = text.indexOf("blue train");
    ASSERT_TRUE(kind >= 0 && giant >= 0 && train >= 0) << text.toStdString();
    EXPECT_LT(kind, giant); // descending, letter case ignored
    EXPECT_LT(giant, train);
}

TEST(CliPrint, FontFlagsHeadingLandscapeAndBadArguments)
{
    CliFixture f;
    const QStringList base{"--pdf", f.pdf, "--heading-font", "DejaVu Serif,16,bold,italic", "--detail-font",
                           "DejaVu Sans,9"};
    const CliRun r = f.run("print", base + QStringList{"--heading", "Mine", "--landscape", "--sort", "Artist"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    if (havePdfToText()) {
        EXPECT_TRUE(pdfText(f.pdf).contains("Mine"));
    }
    for (const QStringList& bad : {QStringList{"--view", "Nope"}, {"--sort", "Track Titles"}, {"--colour"}})
        EXPECT_EQ(f.run("print", base + bad).code, 2) << bad.join(' ').toStdString();
    EXPECT_EQ(f.run("print", {"--pdf", f.pdf, "--detail-font", "Sans"}).code, 2);
}

TEST(CliTape, ClipboardTextAndAnOverrun)
{
    CliFixture f;
    const CliRun r =
        f.run("tape", {"--recording", "1", "--side1", "1,2", "--side2", "3", "--length", "30:00", "--text"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "Side 1\tSo What\t9:22\r\nSide 1\tFreddie\tFreeloader; 9:46\r\nSide 2\tBlue in Green\t5:37\r\n");
    // 9:22 + 9:46 on a 15:00 side is 4:08 over.
    EXPECT_TRUE(r.err.contains("Side 1: Total Time 19:08, Remaining -4:08")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("Side 2: Total Time 5:37, Remaining 9:23"));
}

TEST(CliTape, RepeatedTrackAsksAndCalculatorReportToPdf)
{
    CliFixture f;
    f.storeFonts();
    const QStringList args{"--recording", "1", "--side1", "1,1", "--pdf", f.pdf};
    CliRun r = f.run("tape", args);
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("Track will be repeated: Track is already selected.  Do you want it repeated? [No]"));
    EXPECT_TRUE(r.err.contains("Side 1: Total Time 9:22,"));
    r = f.run("tape", args + QStringList{"--yes"});
    EXPECT_TRUE(r.err.contains("Side 1: Total Time 18:44,")) << r.err.toStdString();
    if (havePdfToText()) {
        const QString text = pdfText(f.pdf);
        EXPECT_TRUE(text.contains("Tape Calculator Report"));
        EXPECT_EQ(text.count("Total Time:"), 2);
        EXPECT_EQ(text.count("So What"), 2);
    }
    // A recording without tracks, one that is not there, a track that is not there.
    r = f.run("tape", {"--recording", "2", "--side1", "1", "--text"});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.startsWith("No Tracks Available: No tracks available for the calculator."));
    EXPECT_EQ(f.run("tape", {"--recording", "9", "--side1", "1", "--text"}).code, 1);
    EXPECT_EQ(f.run("tape", {"--recording", "1", "--side1", "4", "--text"}).code, 2);
}

} // namespace
