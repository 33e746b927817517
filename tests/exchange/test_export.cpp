#include "ExchangeTestSupport.h"
#include "exchange/DelimitedExport.h"
#include "exchange/DelimitedImport.h"
#include "exchange/ExchangeStart.h"
#include "model/ListOrder.h"
#include "support/TestWorld.h"

#include <QFile>

using namespace vinaxo;
using namespace vinaxo::exchange;

namespace {
QByteArray lineOf(const CEntry& e, const ColTable& table, Delimiters d = {})
{
    QByteArray out;
    DelimitedExport(table, d).appendLine(e, out);
    return out;
}

void sequenceInCollectionOrder(test::TestWorld& w)
{
    RebuildSequence(w.sequence(), ListOrder(w.entries(), ListSort{}));
}
}

TEST(Export, LineFormat)
{
    test::TestWorld w;
    CEntry* e = w.entries().AddNewEntry();
    e->CDTitle = "Night Songs";
    e->CDArtist = "Harbour Quartet";
    EXPECT_EQ(lineOf(*e, test::tableOf({"Title", "Artist", "Nbr Discs"})),
              "\"Night Songs\",\"Harbour Quartet\",1\r\n");

    e->CDTitle = "  Night Songs   ";
    e->CDArtist = "Quote \"here\"";
    EXPECT_EQ(lineOf(*e, test::tableOf({"Title", "Artist"})),
              "\"  Night Songs\",\"Quote \"\"here\"\"\"\r\n"); // mend: string delimiters doubled

    EXPECT_EQ(lineOf(*e, test::tableOf({"Track Titles", "Track Titles/Times", "Rel Year", "Sound"})),
              "\" \",\" \",\" \",0,0\r\n");

    CTrackEntry* t = e->AddNewTrackEntry();
    t->CDTrackTitle = "One";
    t->CDTrackTime = "3:10";
    t = e->AddNewTrackEntry();
    t->CDTrackTitle = "Two";
    EXPECT_EQ(lineOf(*e, test::tableOf({"Track Titles/Times", "Track Titles"})), "\"One;Two;\",\"3:10;;\",\"One;Two;\"\r\n");
    EXPECT_EQ(lineOf(*e, test::tableOf({"Track Titles"}), Delimiters{u'\t', u'\'', u'/'}), "'One/Two/'\r\n");
}

// Mend: costs with a "." point and no grouping, dates with a four-digit year, whatever
// the locale; a file written in a locale imports back the same values there.
TEST(Export, CostsAndDatesInAnyLocale)
{
    for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German, QLocale::Germany),
                                  QLocale(QLocale::French, QLocale::France)}) {
        test::ScriptedMessages messages;
        QTemporaryDir dir;
        const LocaleFormats formats(locale);
        Workspace ws(messages, formats, dir.filePath("s.ini"));
        CEntry* e = ws.entries.AddNewEntry();
        e->CDPurchCost = Currency{12345678};
        e->CDPurchDate = OleDate::fromDate(QDate(2024, 3, 9));
        const ColTable table = test::tableOf({"Title", "Artist", "Purch Cost", "Purch Date"});
        const QByteArray line = lineOf(*e, table);
        EXPECT_TRUE(line.startsWith("\"\",\"\",1234.5678,")) << line.toStdString();
        EXPECT_TRUE(line.contains("2024")) << line.toStdString();

        Workspace back(messages, formats, dir.filePath("t.ini"));
        DelimitedImport(back.entries, table, {}).readBytes(line);
        ASSERT_EQ(back.entries.Count(), 1);
        EXPECT_EQ(back.entries.Entries().at(0)->CDPurchCost, e->CDPurchCost) << locale.name().toStdString();
        EXPECT_EQ(back.entries.Entries().at(0)->CDPurchDate, e->CDPurchDate) << locale.name().toStdString();
    }
}

TEST(Export, PlainCostText)
{
    test::TestWorld w;
    CEntry* e = w.entries().AddNewEntry();
    const std::pair<qint64, const char*> cases[] = {
        {0, "0"}, {125000, "12.5"}, {12340000, "1234"}, {-5, "-0.0005"}, {99999999999, "9999999.9999"}};
    for (const auto& [units, text] : cases) {
        e->CDPurchCost = Currency{units};
        EXPECT_EQ(PlainCostText(*e), QLatin1String(text));
    }
}

TEST(Export, SequenceOrderSkipsAndCancels)
{
    test::TestWorld w;
    for (const char* title : {"b", "C", "a", "d"})
        w.entries().AddNewEntry()->CDTitle = QLatin1String(title);
    const ColTable table = test::tableOf({"Title"});

    // Sorted by the title column as the list shows it, descending, without regard to case.
    RebuildSequence(w.sequence(), ListOrder(w.entries(), ListSort{127, true}, false));
    QByteArray out;
    test::RecordingLog log;
    ExportResult r = ExportRecords(w.entries(), w.sequence(), table, {}, out, ExchangeHooks{&log});
    EXPECT_EQ(out, "\"d\"\r\n\"C\"\r\n\"b\"\r\n\"a\"\r\n");
    EXPECT_EQ(r.recordsWritten(), 4);
    EXPECT_EQ(w.entries().CurrEntry()->CDTitle, "a"); // the last one written is current

    // Only the selected ones while filtered; a key naming no recording is skipped uncounted.
    w.entries().Entries().at(1)->Selected = true;
    w.entries().Entries().at(3)->Selected = true;
    RebuildSequence(w.sequence(), ListOrder(w.entries(), ListSort{127, false}, true));
    w.sequence().Add(QStringLiteral("999"));
    out.clear();
    r = ExportRecords(w.entries(), w.sequence(), table, {}, out);
    EXPECT_EQ(out, "\"C\"\r\n\"d\"\r\n");
    EXPECT_EQ(r.recordsWritten(), 2);
}

TEST(StartExport, WritesTheFileAndLogs)
{
    test::TestWorld w;
    for (int i = 0; i < 3; ++i)
        w.entries().AddNewEntry()->CDTitle = QString::number(i);
    sequenceInCollectionOrder(w);
    const QString path = w.dir.filePath("out-file-with-a-name-longer-than-the-old-sixty-character-limit.txt");
    test::writeFile(path, "an older and longer file that is replaced, not appended to\r\n");
    ExchangeRequest r{path};
    r.table = test::tableOf({"Title", "Nbr Discs"});
    test::RecordingLog log;
    ASSERT_TRUE(StartExport(r, *w.ws, ExchangeHooks{&log}));
    EXPECT_EQ(test::readFile(path), "\"0\",1\r\n\"1\",1\r\n\"2\",1\r\n");
    EXPECT_EQ(log.lines, (QStringList{"---Now Starting Export to " + path + "---",
                                      "---Export Complete - Total records written: 3---"}));
    EXPECT_EQ(log.counts, (std::vector<qint32>{1, 1, 2, 3}));
}

// Run a slice at a time, the export writes a line per zero-length slice; cancelled, it
// writes the lines so far; dropped by a closing window, it leaves the old file alone.
TEST(ExportJob, SlicesCancelAndDrop)
{
    enum class End { Run, Cancel, Drop };
    for (const End end : {End::Run, End::Cancel, End::Drop}) {
        test::TestWorld w;
        for (int i = 0; i < 4; ++i)
            w.entries().AddNewEntry()->CDTitle = QString::number(i);
        sequenceInCollectionOrder(w);
        ExchangeRequest r{w.dir.filePath("out.txt")};
        test::writeFile(r.path, "old\r\n");
        r.table = test::tableOf({"Title"});
        test::RecordingLog log;
        auto job = BeginExport(r, *w.ws, ExchangeHooks{&log});
        ASSERT_TRUE(job);
        int slices = 0;
        while (job->step(std::chrono::milliseconds(0))) {
            EXPECT_EQ(w.entries().CurrEntry()->CDTitle, QString::number(slices++));
            if (end != End::Run && slices == 2)
                break;
        }
        if (end == End::Cancel)
            job->cancel();
        job.reset();
        const QByteArray expected[] = {"\"0\"\r\n\"1\"\r\n\"2\"\r\n\"3\"\r\n", "\"0\"\r\n\"1\"\r\n", "old\r\n"};
        EXPECT_EQ(test::readFile(r.path), expected[int(end)]);
        EXPECT_EQ(log.lines.size(), end == End::Cancel ? 3 : 2); // the start line, then the stop or the end
        EXPECT_EQ(log.lines.value(1) == "EXPORT CANCELLED BY OPERATOR", end != End::Run);
    }
}

TEST(StartExport, RefusedBeforeStarting)
{
    using W = test::TestWorld;
    const struct {
        std::function<void(ExchangeRequest&, W&)> setup;
        QString text, title;
        MsgIcon icon;
    } cases[] = {
        {[](ExchangeRequest& r, W&) { r.fieldDelimiter = " "; },
         "Delimiter cannot be a space. Enter any other valid character.", "Space not allowed", MsgIcon::Critical},
        {[](ExchangeRequest& r, W&) { r.trackDelimiter = "\""; },
         "The field, string and track delimiters must be three different characters. Enter a different character "
         "for each delimiter.",
         "Delimiters must differ", MsgIcon::Critical},
        {[](ExchangeRequest& r, W&) { r.path.clear(); },
         "No Export File has been selected. Select an export file before starting the export function.",
         "No File Selected", MsgIcon::Critical},
        {[](ExchangeRequest&, W& w) { w.entries().ClearAllEntries(); },
         "There are no records to export. You must have a file loaded, or records entered before you can do an export.",
         "No file to export", MsgIcon::Question},
        {[](ExchangeRequest& r, W&) { r.table.Clear(); },
         "No export fields have been selected. Select the fields that you wish to export in the proper order.",
         "No Fields Selected", MsgIcon::Critical},
    };
    for (const auto& c : cases) {
        W w;
        w.entries().AddNewEntry();
        sequenceInCollectionOrder(w);
        ExchangeRequest r{w.dir.filePath("out.txt")};
        r.table = test::tableOf({"Title"});
        c.setup(r, w);
        EXPECT_FALSE(StartExport(r, *w.ws)) << c.title.toStdString();
        EXPECT_TRUE(test::onlyMessage(w.messages, c.text, c.title, c.icon));
        EXPECT_FALSE(QFile::exists(r.path));
    }
}
