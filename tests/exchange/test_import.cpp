#include "ExchangeTestSupport.h"
#include "exchange/DelimitedImport.h"
#include "exchange/ExchangeStart.h"
#include "exchange/TextDecoding.h"
#include "support/TestWorld.h"

#include <QFile>

using namespace vinaxo;
using namespace vinaxo::exchange;

namespace {
struct Imported {
    test::TestWorld w;
    test::RecordingLog log;
    ImportResult result;
    CEntry& at(int i) { return *w.entries().Entries().at(i); }
    int count() { return w.entries().Count(); }
};

void run(Imported& im, const ColTable& table, QByteArrayView bytes, Delimiters d = {})
{
    DelimitedImport reader(im.w.entries(), table, d, ExchangeHooks{&im.log});
    im.result = reader.readBytes(bytes);
}

QStringList titles(Imported& im)
{
    QStringList out;
    for (const auto& item : im.w.entries().Entries())
        out << item.value->CDTitle + u'|' + item.value->CDArtist;
    return out;
}

QStringList trackTexts(const CEntry& e)
{
    QStringList out;
    for (const auto& item : e.TrackEntries())
        out << item.value->CDTrackTitle + u'=' + item.value->CDTrackTime;
    return out;
}
}

// The text grammar with Title and Artist selected: records, quoting, line ends.
struct GrammarCase {
    const char* name;
    QByteArray input;
    QStringList recordings; // title|artist
    QStringList log;
};

class Grammar : public testing::TestWithParam<GrammarCase> {};

TEST_P(Grammar, ReadsRecords)
{
    Imported im;
    run(im, test::tableOf({"Title", "Artist"}), GetParam().input);
    EXPECT_EQ(titles(im), GetParam().recordings);
    EXPECT_EQ(im.log.lines, GetParam().log);
    EXPECT_EQ(im.result.recordsRead(), GetParam().recordings.size());
}

INSTANTIATE_TEST_SUITE_P(
    Import, Grammar,
    testing::Values(
        GrammarCase{"Quoted", "\"Night Songs\",\"Harbour Quartet\"\r\n", {"Night Songs|Harbour Quartet"}, {}},
        GrammarCase{"QuotedComma", "\"A\",\"Smith, John\"\r\n", {"A|Smith, John"}, {}},
        GrammarCase{"UnquotedComma", "A,Smith, John\r\n", {"A|Smith"},
                    {"Record 1, Has extra field containing:   John"}},
        GrammarCase{"EmptyLine", "\r\n", {"|"}, {}},
        GrammarCase{"CarriageReturnsAlone", "a,b\rc,d\r", {"a|b", "c|d"}, {}},
        // Mend: Linux line ends.
        GrammarCase{"LineFeedsAlone", "a,b\nc,d\n", {"a|b", "c|d"}, {}},
        GrammarCase{"MixedLineEnds", "a,b\r\nc,d\ne,f\r", {"a|b", "c|d", "e|f"}, {}},
        GrammarCase{"BlankLineBetween", "a,b\r\n\r\nc,d\r\n", {"a|b", "|", "c|d"}, {}},
        // Mend: the last record without a line end is not lost.
        GrammarCase{"LastLineWithoutEnd", "a,b\r\nc,d", {"a|b", "c|d"}, {}},
        GrammarCase{"NothingAtAll", "", {}, {}},
        // Mend: the quoted state ends with the record; one stray quote garbles one record only.
        GrammarCase{"StrayQuoteResetAtRecordEnd", "\"a,b\r\nc,d\r\n", {"a,b|", "c|d"}, {}},
        GrammarCase{"CarriageReturnInsideQuotesEndsRecord", "\"a\rb\",c\r\n", {"a|", "b,c|"}, {}},
        // Mend: a doubled string delimiter inside quotes is one literal character.
        GrammarCase{"DoubledQuote", "\"say \"\"hi\"\"\",x\r\n", {"say \"hi\"|x"}, {}},
        GrammarCase{"OnlyAQuote", "\"\"\"\",x\r\n", {"\"|x"}, {}},
        GrammarCase{"EmptyQuoted", "\"\",x\r\n", {"|x"}, {}},
        // A single string delimiter keeps its meaning: it switches quoting and is dropped.
        GrammarCase{"QuotesInsideUnquotedText", "ab\"c,d\"e,f\r\n", {"abc,de|f"}, {}},
        GrammarCase{"BlanksKept", "  a  ,b \r\n", {"  a  |b "}, {}},
        GrammarCase{"TwoExtraFields", "a,b,c,\r\n", {"a|b"},
                    {"Record 1, Has extra field containing:  c", "Record 1, Has extra field containing:  "}},
        GrammarCase{"MissingFieldsStayEmpty", "a\r\n", {"a|"}, {}}),
    [](const auto& tp) { return std::string(tp.param.name); });

TEST(Import, OtherDelimiters)
{
    Imported im;
    run(im, test::tableOf({"Title", "Artist", "Track Titles"}), "'a|b'|c|'x/y/'\r\n",
        Delimiters{u'|', u'\'', u'/'});
    ASSERT_EQ(im.count(), 1);
    EXPECT_EQ(im.at(0).CDTitle, "a|b");
    EXPECT_EQ(im.at(0).CDArtist, "c");
    EXPECT_EQ(trackTexts(im.at(0)), (QStringList{"x=", "y="}));
}

// A Windows-1252 file is read from its bytes: a delimiter the code page lacks never occurs
// in it, one it has is matched by its byte.
TEST(Import, DelimitersOfTheCodePage)
{
    Imported im;
    run(im, test::tableOf({"Title", "Artist"}), "a\xA7" "b\x80" "c\xA7" "d\x80\r\n", Delimiters{u'\u00A7', u'\u20AC', u'\u0100'});
    ASSERT_EQ(im.count(), 1);
    EXPECT_EQ(im.at(0).CDTitle, "a");
    EXPECT_EQ(im.at(0).CDArtist, QStringLiteral("bc\u00A7d")); // the euro signs quote the field delimiter
    Imported other;
    run(other, test::tableOf({"Title", "Artist", "Track Titles"}), "a,b,x\xC4\x80y\r\n", Delimiters{u',', u'"', u'\u0100'});
    EXPECT_EQ(trackTexts(other.at(0)).size(), 2); // UTF-8: the delimiter is one character there
}

// Every value check of the reader: the stored value, or the exact log line.
struct FieldCase {
    const char* name;
    const char* field;
    QByteArray value;
    QString logLine; // empty: nothing logged
    std::function<bool(const CEntry&)> stored;
};

class Fields : public testing::TestWithParam<FieldCase> {};

TEST_P(Fields, StoresOrLogs)
{
    const FieldCase& c = GetParam();
    Imported im;
    ColTable table = test::tableOf({"Title", "Artist"});
    table.AddToColTable(QString::fromLatin1(c.field), QStringLiteral("0"));
    // The value sits in the second record, so the record number of the line is checked too.
    run(im, table, "first,x\r\nsecond,y," + c.value + "\r\n");
    ASSERT_EQ(im.count(), 2);
    if (c.logLine.isEmpty())
        EXPECT_TRUE(im.log.lines.isEmpty()) << im.log.lines.join(u'\n').toStdString();
    else
        EXPECT_EQ(im.log.lines.value(im.log.lines.size() - 1), c.logLine);
    EXPECT_TRUE(c.stored(im.at(1)));
    EXPECT_EQ(im.at(1).CDTitle, "second"); // the rest of the record is stored
}

namespace {
auto disks(int n) { return [n](const CEntry& e) { return e.CDNbrDisks == n; }; }
auto year(int n) { return [n](const CEntry& e) { return e.CDRelYear == n; }; }
auto sound(int n) { return [n](const CEntry& e) { return e.CDRateSound == n; }; }
auto perform(int n) { return [n](const CEntry& e) { return e.CDRatePerform == n; }; }
auto tracks(int n) { return [n](const CEntry& e) { return e.CDNbrTracks == n; }; }
auto cost(qint64 units) { return [units](const CEntry& e) { return e.CDPurchCost.units == units; }; }
auto date(QDate d)
{
    return [d](const CEntry& e) { return d.isValid() ? e.CDPurchDate && e.CDPurchDate->date() == d : !e.CDPurchDate; };
}
auto time(const char* t) { return [t](const CEntry& e) { return e.CDTotalTime == QLatin1String(t); }; }
}

// Logged lines read "Record 2, ...": the value is in the second record.
INSTANTIATE_TEST_SUITE_P(
    Import, Fields,
    testing::Values(
        FieldCase{"DiscsNumber", "Nbr Discs", "3", "", disks(3)},
        FieldCase{"DiscsRounded", "Nbr Discs", "2.5", "", disks(2)},
        FieldCase{"DiscsLetters", "Nbr Discs", "two", "Record 2, Nbr Discs is in error:  two", disks(1)},
        // Mend: too large for 16 bits is logged, and the run goes on.
        FieldCase{"DiscsTooLarge", "Nbr Discs", "70000", "Record 2, Nbr Discs is in error:  70000", disks(1)},
        FieldCase{"YearEmpty", "Rel Year", "", "Record 2, Rel Year is missing", year(0)},
        FieldCase{"YearBlank", "Rel Year", "  ", "Record 2, Rel Year is missing", year(0)},
        FieldCase{"YearZero", "Rel Year", "0", "", year(0)},
        FieldCase{"Year", "Rel Year", "1987  ", "", year(1987)},
        FieldCase{"YearOutOfRangeKept", "Rel Year", "12", "", year(12)},
        // Mend: a year that is no number, or too large, is logged.
        FieldCase{"YearLetters", "Rel Year", "late", "Record 2, Rel Year is in error:  late", year(0)},
        FieldCase{"YearTooLarge", "Rel Year", "40000", "Record 2, Rel Year is in error:  40000", year(0)},
        FieldCase{"SoundSeven", "Sound", "7", "", sound(7)},
        FieldCase{"SoundTen", "Sound", "10", "", sound(10)},
        FieldCase{"SoundEleven", "Sound", "11", "Record 2, Sound Rating must be between 0 and 10:  11", sound(0)},
        FieldCase{"SoundNegative", "Sound", "-1", "Record 2, Sound Rating must be between 0 and 10:  -1", sound(0)},
        FieldCase{"SoundLetter", "Sound", "A", "Record 2, Sound Rating is in error:  A", sound(0)},
        FieldCase{"SoundTooLarge", "Sound", "99999", "Record 2, Sound Rating is in error:  99999", sound(0)},
        FieldCase{"PerformFive", "Perform", "5", "", perform(5)},
        FieldCase{"PerformEleven", "Perform", "11", "Record 2, Performance must be between 0 and 10:  11", perform(0)},
        FieldCase{"PerformLetter", "Perform", "x", "Record 2, Performance is in error:  x", perform(0)},
        FieldCase{"DateEmpty", "Purch Date", " ", "Record 2, Purchase Date is missing", date({})},
        FieldCase{"Date", "Purch Date", "12/25/2020", "", date(QDate(2020, 12, 25))},
        FieldCase{"DateWrong", "Purch Date", "13/45/2020", "Record 2, Purchase Date is in error:  13/45/2020", date({})},
        FieldCase{"Cost", "Purch Cost", "12.5", "", cost(125000)},
        FieldCase{"CostFourDecimals", "Purch Cost", "1234.5678", "", cost(12345678)},
        FieldCase{"CostNegative", "Purch Cost", "-3", "", cost(-30000)},
        FieldCase{"CostLetters", "Purch Cost", "cheap", "Record 2, Purchase Cost is in error:  cheap", cost(0)},
        FieldCase{"Tracks", "Tracks", "12", "", tracks(12)},
        FieldCase{"TracksLetters", "Tracks", "many", "Record 2, Nbr Tracks is in error:  many", tracks(0)},
        FieldCase{"TimeEmpty", "Time", "", "", time("")},
        FieldCase{"Time", "Time", "45:30", "", time("45:30")},
        FieldCase{"TimeBadSeconds", "Time", "4:75", "Record 2, Total Time is in error:  4:75", time("")},
        FieldCase{"TimeBlank", "Time", " ", "Record 2, Total Time is in error:   ", time("")}),
    [](const auto& tp) { return std::string(tp.param.name); });

TEST(Import, TextFieldsAndNameLists)
{
    Imported im;
    run(im,
        test::tableOf({"Title", "Artist", "Description", "Category", "Label", "Catalog Number", "Awards",
                       "Composer", "Conductor", "Location", "Coll Nbr", "Misc 1", "Misc 2", "Misc 3", "Medium"}),
        "T,Ar ,De,Jazz ,La,CN,Aw,Co,Cd,Lo,Cl,M1,M2,M3, Vinyl \r\n");
    ASSERT_EQ(im.count(), 1);
    const CEntry& e = im.at(0);
    EXPECT_EQ(e.CDArtist, "Ar "); // stored as read; the name list holds the trimmed form
    EXPECT_EQ(QStringList({e.CDDesc, e.CDCategory, e.CDLabel, e.CDCatnbr, e.CDAwards, e.CDComposer,
                           e.CDConductor, e.CDLocation, e.CDCollNbr, e.CDMiscKey1, e.CDMiscKey2, e.CDMiscKey3}),
              QStringList({"De", "Jazz ", "La", "CN", "Aw", "Co", "Cd", "Lo", "Cl", "M1", "M2", "M3"}));
    EXPECT_EQ(e.CDMedium, "Vinyl"); // the medium alone is trimmed
    EXPECT_TRUE(im.w.entries().ArtistEntries().contains("Ar"));
    EXPECT_TRUE(im.w.entries().LabelEntries().contains("La"));
    EXPECT_TRUE(im.w.entries().CategoryEntries().contains("Jazz"));
    EXPECT_TRUE(im.w.entries().MediumEntries().contains("Vinyl"));
}

TEST(Import, TrackTitles)
{
    struct Case {
        QByteArray value;
        QStringList tracks;
    };
    const Case cases[] = {
        {"\"1. Intro;2. Song;\"", {"Intro=", "Song="}},
        {"\"Intro;;Song\"", {"Intro=", "=", "Song="}},       // two delimiters in a row: an empty title
        {"\" A ; B ;  \"", {"A=", "B="}},                      // the value is trimmed first
        {"\"100. Long;1000. Kept;1.5 Remix\"", {"Long=", "1000. Kept=", "5 Remix="}},
        {"\"No. 5;a.b\"", {"No. 5=", "a.b="}},                 // only a number before the point is dropped
        {"\" \"", {}},
        {"\"\"", {}},
    };
    for (const Case& c : cases) {
        Imported im;
        run(im, test::tableOf({"Title", "Artist", "Track Titles"}), "t,a," + c.value + "\r\n");
        ASSERT_EQ(im.count(), 1);
        EXPECT_EQ(trackTexts(im.at(0)), c.tracks) << c.value.toStdString();
        EXPECT_EQ(im.at(0).CDNbrTracks, 0); // not changed by the titles
        EXPECT_TRUE(im.log.lines.isEmpty());
    }
}

// "Track Titles/Times" takes two fields wherever it stands in the table.
TEST(Import, TrackTitlesTimesFirstMiddleLast)
{
    struct Case {
        std::initializer_list<const char*> fields;
        QByteArray line;
    };
    const Case cases[] = {
        {{"Track Titles/Times", "Title", "Artist"}, "\"One;Two;\",\"3:10;4:20;\",\"T\",\"A\"\r\n"},
        {{"Title", "Track Titles/Times", "Artist"}, "\"T\",\"One;Two;\",\"3:10;4:20;\",\"A\"\r\n"},
        {{"Title", "Artist", "Track Titles/Times"}, "\"T\",\"A\",\"One;Two;\",\"3:10;4:20;\"\r\n"},
    };
    for (const Case& c : cases) {
        Imported im;
        run(im, test::tableOf(c.fields), c.line + c.line);
        ASSERT_EQ(im.count(), 2);
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(im.at(i).CDTitle, "T");
            EXPECT_EQ(im.at(i).CDArtist, "A");
            EXPECT_EQ(trackTexts(im.at(i)), (QStringList{"One=3:10", "Two=4:20"}));
        }
        EXPECT_TRUE(im.log.lines.isEmpty()) << im.log.lines.join(u'\n').toStdString();
    }
}

TEST(Import, TrackTimesWithoutTracksAreIgnoredSilently)
{
    Imported im;
    run(im, test::tableOf({"Title", "Artist", "Track Titles/Times"}), "T,A,\"One\",\"1:00;2:00;3:00\"\r\n");
    ASSERT_EQ(im.count(), 1);
    EXPECT_EQ(trackTexts(im.at(0)), (QStringList{"One=1:00"}));
    EXPECT_EQ(im.w.messages.count(), 0u); // no "Selected track was not found." per piece
}

TEST(Import, InvalidTrackTimeShowsItsMessageAndKeepsTheTrack)
{
    Imported im;
    run(im, test::tableOf({"Title", "Artist", "Track Titles/Times"}), "T,A,\"One;Two\",\"9:99;2:00\"\r\n");
    EXPECT_EQ(trackTexts(im.at(0)), (QStringList{"One=", "Two=2:00"}));
    ASSERT_EQ(im.w.messages.count(), 1u);
    EXPECT_EQ(im.w.messages.last().title, "Invalid Track Time");
}

// Mend: a record that ends without its times field does not shift the next record.
TEST(Import, TimesExpectedResetAtRecordEnd)
{
    Imported im;
    run(im, test::tableOf({"Title", "Artist", "Track Titles/Times"}), "T1,A1,\"One\"\r\nT2,A2\r\n");
    ASSERT_EQ(im.count(), 2);
    EXPECT_EQ(im.at(1).CDTitle, "T2");
    EXPECT_EQ(im.at(1).CDArtist, "A2");
    EXPECT_TRUE(im.at(1).TrackEntries().isEmpty());
}

TEST(Import, UnknownCatalogueNumberTakesItsFieldAndStoresNothing)
{
    Imported im;
    ColTable table = test::tableOf({"Title"});
    table.Append(ColItem{99, 0});
    table.Append(ColItem{-5, 0});
    table.AddToColTable(QStringLiteral("Artist"), QStringLiteral("0"));
    run(im, table, "T,x,y,A\r\n");
    ASSERT_EQ(im.count(), 1);
    EXPECT_EQ(im.at(0).CDArtist, "A");
    EXPECT_TRUE(im.log.lines.isEmpty());
}

// Mend: UTF-8 files are read as UTF-8, everything else as Windows-1252.
TEST(Import, TextEncodings)
{
    struct Case {
        QByteArray bytes;
        QString title;
    };
    const Case cases[] = {
        {"Caf\xC3\xA9,x\r\n", QStringLiteral("Caf\u00E9")},
        {"\xEF\xBB\xBF" "Cafe,x\r\n", QStringLiteral("Cafe")},          // byte-order mark dropped
        {"Caf\xE9,x\r\n", QStringLiteral("Caf\u00E9")},                 // Windows-1252
        {"\x80 5,x\r\n", QStringLiteral("\u20AC 5")},                    // 0x80 is the euro sign
        {"\xC3\xA9\xE9,x\r\n", QStringLiteral("\u00C3\u00A9\u00E9")},   // not valid UTF-8: 1252
        {"\xED\xA0\x80,x\r\n", QStringLiteral("\u00ED\u00A0\u20AC")},   // a surrogate is no UTF-8
    };
    for (const Case& c : cases) {
        Imported im;
        run(im, test::tableOf({"Title", "Artist"}), c.bytes);
        ASSERT_EQ(im.count(), 1);
        EXPECT_EQ(im.at(0).CDTitle, c.title) << c.bytes.toHex().toStdString();
    }
    EXPECT_EQ(DetectImportEncoding("plain ascii"), TextEncoding::Windows1252);
}

TEST(Import, CountsAndCancel)
{
    Imported im;
    test::StopAfter stop(2); // the second record end asks to stop
    DelimitedImport reader(im.w.entries(), test::tableOf({"Title", "Artist"}), {},
                           ExchangeHooks{&im.log, &stop});
    const ImportResult r = reader.readBytes("a,1\r\nb,2\r\nc,3\r\nd,4\r\n");
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(r.recordsRead(), 2);
    EXPECT_EQ(titles(im), (QStringList{"a|1", "b|2"}));
    EXPECT_EQ(im.log.lines, (QStringList{"IMPORT CANCELLED BY OPERATOR"}));
    EXPECT_EQ(im.log.counts, (std::vector<qint32>{1, 1, 2}));
}

namespace {
QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}
}

TEST(StartImport, LogsAndFlags)
{
    test::TestWorld w;
    test::RecordingLog log;
    // Mend: paths are never cut to 60 characters.
    const QString path = writeFile(
        w.dir.filePath(QStringLiteral("a-file-name-that-alone-is-longer-than-the-old-sixty-character-limit.txt")),
        "\"T\",\"A\",\"Jazz\"\r\n\"U\",\"B\",\"Jazz\"\r\n");
    ASSERT_GT(path.size(), 60);
    ExchangeRequest r{path};
    r.table = test::tableOf({"Title", "Artist", "Category"});
    const auto result = StartImport(r, *w.ws, ExchangeHooks{&log});
    ASSERT_TRUE(result);
    EXPECT_EQ(log.lines, (QStringList{"---Now Starting Import of " + path + "---",
                                      "---Import Complete - Total records read: 2---"}));
    EXPECT_EQ(w.entries().Count(), 2);
    EXPECT_TRUE(w.ws->rebuildList);
    EXPECT_TRUE(w.ws->refillArtists);
    EXPECT_TRUE(w.ws->refillLabels);
    EXPECT_TRUE(w.entries().DBChanged); // mend: imported recordings are unsaved changes
    EXPECT_EQ(w.messages.count(), 0u);
}

TEST(StartImport, CancelKeepsTheRecordsAndStillEnds)
{
    test::TestWorld w;
    test::RecordingLog log;
    test::StopAfter stop(1);
    const QString path = writeFile(w.dir.filePath("in.txt"), "a,1\r\nb,2\r\n");
    ExchangeRequest r{path};
    r.table = test::tableOf({"Title", "Artist"});
    ASSERT_TRUE(StartImport(r, *w.ws, ExchangeHooks{&log, &stop}));
    EXPECT_EQ(log.lines, (QStringList{"---Now Starting Import of " + path + "---", "IMPORT CANCELLED BY OPERATOR",
                                      "---Import Complete - Total records read: 1---"}));
    EXPECT_EQ(w.entries().Count(), 1);
    EXPECT_TRUE(w.entries().DBChanged);
}

TEST(StartImport, RefusedBeforeStarting)
{
    struct Case {
        const char* name;
        std::function<void(ExchangeRequest&, test::TestWorld&)> setup;
        QString text, title;
        MsgIcon icon;
    };
    const Case cases[] = {
        {"blank delimiter", [](ExchangeRequest& r, test::TestWorld&) { r.stringDelimiter = " "; },
         "Delimiter cannot be a space. Enter any other valid character.", "Space not allowed", MsgIcon::Critical},
        {"empty delimiter", [](ExchangeRequest& r, test::TestWorld&) { r.trackDelimiter = ""; },
         "Delimiter cannot be a space. Enter any other valid character.", "Space not allowed", MsgIcon::Critical},
        {"no file", [](ExchangeRequest& r, test::TestWorld&) { r.path = "  "; },
         "No Import File has been selected. Select an import file before starting the import function.",
         "No File Selected", MsgIcon::Critical},
        {"loaded, answered No", [](ExchangeRequest&, test::TestWorld& w) { w.entries().AddNewEntry(); },
         "You already have a file loaded. Running an import will add new records to the existing file.  Is this "
         "what you want?",
         "File already loaded", MsgIcon::Question},
        {"no fields", [](ExchangeRequest& r, test::TestWorld&) { r.table.Clear(); },
         "No import fields have been selected. Select the fields to import in the proper order so that they match "
         "the import file.",
         "No Fields Selected", MsgIcon::Critical},
        {"no artist", [](ExchangeRequest& r, test::TestWorld&) { r.table = test::tableOf({"Title", "Label"}); },
         "One or more of the following required import fields were not selected:  Title, Artist.  These fields are "
         "required and must be supplied within your import file.",
         "Required Fields Missing", MsgIcon::Critical},
    };
    for (const Case& c : cases) {
        test::TestWorld w;
        test::RecordingLog log;
        ExchangeRequest r{writeFile(w.dir.filePath("in.txt"), "a,b\r\n")};
        r.table = test::tableOf({"Title", "Artist"});
        c.setup(r, w);
        const int before = w.entries().Count();
        EXPECT_FALSE(StartImport(r, *w.ws, ExchangeHooks{&log})) << c.name;
        ASSERT_EQ(w.messages.count(), 1u) << c.name;
        EXPECT_EQ(w.messages.last().text, c.text) << c.name;
        EXPECT_EQ(w.messages.last().title, c.title) << c.name;
        EXPECT_EQ(w.messages.last().icon, c.icon) << c.name;
        EXPECT_TRUE(log.lines.isEmpty()) << c.name;
        EXPECT_EQ(w.entries().Count(), before) << c.name;
    }
}

TEST(StartImport, LoadedCollectionAnsweredYesAdds)
{
    test::TestWorld w;
    w.entries().AddNewEntry();
    w.messages.answer(MsgAnswer::Yes);
    ExchangeRequest r{writeFile(w.dir.filePath("in.txt"), "a,b\r\n")};
    r.table = test::tableOf({"Artist", "Title"});
    ASSERT_TRUE(StartImport(r, *w.ws));
    EXPECT_EQ(w.messages.last().buttons, MsgButtons::YesNo);
    EXPECT_EQ(w.messages.last().defaultButton, MsgDefault::Second);
    EXPECT_EQ(w.entries().Count(), 2);
    EXPECT_EQ(w.entries().Entries().at(1)->CDTitle, "b");
}

TEST(StartImport, MissingFileGoesToTheErrorHandler)
{
    test::TestWorld w;
    ExchangeRequest r{w.dir.filePath("absent.txt")};
    r.table = test::tableOf({"Title", "Artist"});
    std::vector<int> errors;
    ExchangeHooks hooks;
    hooks.onFileError = [&](int n) { errors.push_back(n); return errors.size() < 3 ? 0 : 2; };
    EXPECT_FALSE(StartImport(r, *w.ws, hooks));
    EXPECT_EQ(errors, (std::vector<int>{53, 53, 53})); // retried twice, then abandoned quietly
    EXPECT_EQ(w.messages.count(), 0u);
}
