#include "ExchangeTestSupport.h"
#include "exchange/DelimitedImport.h"
#include "exchange/ExchangeStart.h"
#include "support/TestWorld.h"

using namespace vinaxo;
using namespace vinaxo::exchange;

namespace {
struct Imported {
    test::TestWorld w;
    test::RecordingLog log;
    ImportResult result;
    Imported(const ColTable& table, QByteArrayView bytes, Delimiters d = {})
    {
        result = DelimitedImport(w.entries(), table, d, ExchangeHooks{&log}).readBytes(bytes);
    }
    CEntry& at(int i) { return *w.entries().Entries().at(i); }
    QStringList records()
    {
        QStringList out;
        for (const auto& item : w.entries().Entries())
            out << test::describe(*item.value);
        return out;
    }
};

const QStringList TitleArtist{"Title", "Artist"};
const QStringList WithTracks{"Title", "Artist", "Track Titles"};
const QStringList WithTimes{"Title", "Artist", "Track Titles/Times"};
}

// The text grammar, delimiters, track lists and encodings: the recordings read and the log.
struct ReadCase {
    const char* name;
    QByteArray input;
    QStringList records; // as test::describe gives them
    QStringList log = {};
    QStringList fields = TitleArtist;
    Delimiters delimiters = {};
    const char* message = nullptr; // the title of the one message shown
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class Reading : public testing::TestWithParam<ReadCase> {};

TEST_P(Reading, RecordsAndLog)
{
    const ReadCase& c = GetParam();
    Imported im(test::tableOf(c.fields), c.input, c.delimiters);
    EXPECT_EQ(im.records(), c.records);
    EXPECT_EQ(im.log.lines, c.log);
    EXPECT_EQ(im.result.recordsRead(), c.records.size());
    for (const auto& item : im.w.entries().Entries())
        EXPECT_EQ(item.value->CDNbrTracks, 0); // not changed by track lists
    if (c.message) {
        ASSERT_EQ(im.w.messages.count(), 1u);
        EXPECT_EQ(im.w.messages.last().title, c.message);
    } else {
        EXPECT_EQ(im.w.messages.count(), 0u) << im.w.messages.texts().join(u'\n').toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Import, Reading,
    testing::Values(
        ReadCase{"Quoted", "\"Night Songs\",\"Harbour Quartet\"\r\n", {"Night Songs|Harbour Quartet"}},
        ReadCase{"QuotedComma", "\"A\",\"Smith, John\"\r\n", {"A|Smith, John"}},
        ReadCase{"UnquotedComma", "A,Smith, John\r\n", {"A|Smith"}, {"Record 1, Has extra field containing:   John"}},
        ReadCase{"EmptyLine", "\r\n", {"|"}},
        ReadCase{"CarriageReturnsAlone", "a,b\rc,d\r", {"a|b", "c|d"}},
        // Mend: Linux line ends.
        ReadCase{"LineFeedsAlone", "a,b\nc,d\n", {"a|b", "c|d"}},
        ReadCase{"MixedLineEnds", "a,b\r\nc,d\ne,f\r", {"a|b", "c|d", "e|f"}},
        ReadCase{"BlankLineBetween", "a,b\r\n\r\nc,d\r\n", {"a|b", "|", "c|d"}},
        // Mend: the last record without a line end is not lost.
        ReadCase{"LastLineWithoutEnd", "a,b\r\nc,d", {"a|b", "c|d"}},
        ReadCase{"NothingAtAll", "", {}},
        // Mend: the quoted state ends with the record; one stray quote garbles one record only.
        ReadCase{"StrayQuoteResetAtRecordEnd", "\"a,b\r\nc,d\r\n", {"a,b|", "c|d"}},
        ReadCase{"CarriageReturnInsideQuotesEndsRecord", "\"a\rb\",c\r\n", {"a|", "b,c|"}},
        // Mend: a doubled string delimiter inside quotes is one literal character.
        ReadCase{"DoubledQuote", "\"say \"\"hi\"\"\",x\r\n", {"say \"hi\"|x"}},
        ReadCase{"OnlyAQuote", "\"\"\"\",x\r\n", {"\"|x"}},
        ReadCase{"EmptyQuoted", "\"\",x\r\n", {"|x"}},
        // A single string delimiter keeps its meaning: it switches quoting and is dropped.
        ReadCase{"QuotesInsideUnquotedText", "ab\"c,d\"e,f\r\n", {"abc,de|f"}},
        ReadCase{"BlanksKept", "  a  ,b \r\n", {"  a  |b "}},
        ReadCase{"TwoExtraFields", "a,b,c,\r\n", {"a|b"},
                 {"Record 1, Has extra field containing:  c", "Record 1, Has extra field containing:  "}},
        ReadCase{"MissingFieldsStayEmpty", "a\r\n", {"a|"}},
        ReadCase{"OtherDelimiters", "'a|b'|c|'x/y/'\r\n", {"a|b|c|x=,y="}, {}, WithTracks, {u'|', u'\'', u'/'}},
        // A Windows-1252 file is read from its bytes: a delimiter the code page lacks never
        // occurs in it, one it has is matched by its byte (the euro signs quote the "§").
        ReadCase{"DelimitersOfTheCodePage", "a\xA7" "b\x80" "c\xA7" "d\x80\r\n", {QStringLiteral("a|bc\u00A7d")},
                 {}, TitleArtist, {u'\u00A7', u'\u20AC', u'\u0100'}},
        ReadCase{"DelimiterOutsideTheCodePageInUtf8", "a,b,x\xC4\x80y\r\n", {"a|b|x=,y="}, {}, WithTracks,
                 {u',', u'"', u'\u0100'}},
        // Mend: UTF-8 files are read as UTF-8, everything else as Windows-1252.
        ReadCase{"Utf8", "Caf\xC3\xA9,x\r\n", {QStringLiteral("Caf\u00E9|x")}},
        ReadCase{"ByteOrderMarkDropped", "\xEF\xBB\xBF" "Cafe,x\r\n", {"Cafe|x"}},
        ReadCase{"Windows1252", "Caf\xE9,x\r\n", {QStringLiteral("Caf\u00E9|x")}},
        ReadCase{"EuroSignByte", "\x80 5,x\r\n", {QStringLiteral("\u20AC 5|x")}},
        ReadCase{"InvalidUtf8Is1252", "\xC3\xA9\xE9,x\r\n", {QStringLiteral("\u00C3\u00A9\u00E9|x")}},
        ReadCase{"SurrogateIsNoUtf8", "\xED\xA0\x80,x\r\n", {QStringLiteral("\u00ED\u00A0\u20AC|x")}},
        ReadCase{"TrackTitles", "t,a,\"1. Intro;2. Song;\"\r\n", {"t|a|Intro=,Song="}, {}, WithTracks},
        ReadCase{"TwoTrackDelimitersAreAnEmptyTitle", "t,a,\"Intro;;Song\"\r\n", {"t|a|Intro=,=,Song="}, {}, WithTracks},
        ReadCase{"TrackListTrimmedFirst", "t,a,\" A ; B ;  \"\r\n", {"t|a|A=,B="}, {}, WithTracks},
        ReadCase{"TrackNumbers", "t,a,\"100. Long;1000. Kept;1.5 Remix\"\r\n", {"t|a|Long=,1000. Kept=,5 Remix="},
                 {}, WithTracks},
        // Only a number before the point is dropped.
        ReadCase{"TrackPointsWithoutNumbers", "t,a,\"No. 5;a.b\"\r\n", {"t|a|No. 5=,a.b="}, {}, WithTracks},
        ReadCase{"BlankTrackList", "t,a,\" \"\r\n", {"t|a"}, {}, WithTracks},
        ReadCase{"EmptyTrackList", "t,a,\"\"\r\n", {"t|a"}, {}, WithTracks},
        // "Track Titles/Times" takes two fields wherever it stands in the table.
        ReadCase{"TitlesTimesFirst", "\"One;Two;\",\"3:10;4:20;\",\"T\",\"A\"\r\n\"One;Two;\",\"3:10;4:20;\",\"T\",\"A\"\r\n",
                 {"T|A|One=3:10,Two=4:20", "T|A|One=3:10,Two=4:20"}, {}, {"Track Titles/Times", "Title", "Artist"}},
        ReadCase{"TitlesTimesMiddle", "\"T\",\"One;Two;\",\"3:10;4:20;\",\"A\"\r\n\"T\",\"One;Two;\",\"3:10;4:20;\",\"A\"\r\n",
                 {"T|A|One=3:10,Two=4:20", "T|A|One=3:10,Two=4:20"}, {}, {"Title", "Track Titles/Times", "Artist"}},
        ReadCase{"TitlesTimesLast", "\"T\",\"A\",\"One;Two;\",\"3:10;4:20;\"\r\n\"T\",\"A\",\"One;Two;\",\"3:10;4:20;\"\r\n",
                 {"T|A|One=3:10,Two=4:20", "T|A|One=3:10,Two=4:20"}, {}, WithTimes},
        // No "Selected track was not found." for each time beyond the tracks.
        ReadCase{"TrackTimesWithoutTracksAreIgnoredSilently", "T,A,\"One\",\"1:00;2:00;3:00\"\r\n", {"T|A|One=1:00"},
                 {}, WithTimes},
        ReadCase{"InvalidTrackTimeShowsItsMessageAndKeepsTheTrack", "T,A,\"One;Two\",\"9:99;2:00\"\r\n",
                 {"T|A|One=,Two=2:00"}, {}, WithTimes, {}, "Invalid Track Time"},
        // Mend: a record that ends without its times field does not shift the next record.
        ReadCase{"TimesExpectedResetAtRecordEnd", "T1,A1,\"One\"\r\nT2,A2\r\n", {"T1|A1|One=", "T2|A2"}, {},
                 WithTimes}),
    [](const auto& tp) { return std::string(tp.param.name); });

// Every value check of the reader: the stored value, or the exact log line.
struct FieldCase {
    const char* name;
    const char* field;
    QByteArray value;
    QString logLine; // empty: nothing logged
    std::function<bool(const CEntry&)> stored;
};

void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.name; }

class Fields : public testing::TestWithParam<FieldCase> {};

TEST_P(Fields, StoresOrLogs)
{
    const FieldCase& c = GetParam();
    // The value sits in the second record, so the record number of the line is checked too.
    Imported im(test::tableOf({"Title", "Artist", c.field}), "first,x\r\nsecond,y," + c.value + "\r\n");
    ASSERT_EQ(im.w.entries().Count(), 2);
    if (c.logLine.isEmpty())
        EXPECT_TRUE(im.log.lines.isEmpty()) << im.log.lines.join(u'\n').toStdString();
    else
        EXPECT_EQ(im.log.lines.value(im.log.lines.size() - 1), c.logLine);
    EXPECT_TRUE(c.stored(im.at(1)));
    EXPECT_EQ(im.at(1).CDTitle, "second"); // the rest of the record is stored
}

namespace {
template <class T, class V> std::function<bool(const CEntry&)> has(T CEntry::*member, V value)
{
    return [=](const CEntry& e) { return e.*member == T(value); };
}
auto disks(int n) { return has(&CEntry::CDNbrDisks, n); }
auto year(int n) { return has(&CEntry::CDRelYear, n); }
auto sound(int n) { return has(&CEntry::CDRateSound, n); }
auto perform(int n) { return has(&CEntry::CDRatePerform, n); }
auto cost(qint64 units) { return has(&CEntry::CDPurchCost, Currency{units}); }
auto date(QDate d)
{
    return [d](const CEntry& e) { return d.isValid() ? e.CDPurchDate && e.CDPurchDate->date() == d : !e.CDPurchDate; };
}
auto time(const char* t) { return has(&CEntry::CDTotalTime, QString::fromLatin1(t)); }
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
        FieldCase{"Tracks", "Tracks", "12", "", has(&CEntry::CDNbrTracks, 12)},
        FieldCase{"TracksLetters", "Tracks", "many", "Record 2, Nbr Tracks is in error:  many", has(&CEntry::CDNbrTracks, 0)},
        FieldCase{"TimeEmpty", "Time", "", "", time("")},
        FieldCase{"Time", "Time", "45:30", "", time("45:30")},
        FieldCase{"TimeBadSeconds", "Time", "4:75", "Record 2, Total Time is in error:  4:75", time("")},
        FieldCase{"TimeBlank", "Time", " ", "Record 2, Total Time is in error:   ", time("")}),
    [](const auto& tp) { return std::string(tp.param.name); });

TEST(Import, TextFieldsAndNameLists)
{
    Imported im(test::tableOf({"Title", "Artist", "Description", "Category", "Label", "Catalog Number", "Awards",
                               "Composer", "Conductor", "Location", "Coll Nbr", "Misc 1", "Misc 2", "Misc 3", "Medium"}),
                "T,Ar ,De,Jazz ,La,CN,Aw,Co,Cd,Lo,Cl,M1,M2,M3, Vinyl \r\n");
    ASSERT_EQ(im.w.entries().Count(), 1);
    const CEntry& e = im.at(0);
    EXPECT_EQ(e.CDArtist, "Ar "); // stored as read; the name list holds the trimmed form
    EXPECT_EQ(QStringList({e.CDDesc, e.CDCategory, e.CDLabel, e.CDCatnbr, e.CDAwards, e.CDComposer,
                           e.CDConductor, e.CDLocation, e.CDCollNbr, e.CDMiscKey1, e.CDMiscKey2, e.CDMiscKey3}),
              QStringList({"De", "Jazz ", "La", "CN", "Aw", "Co", "Cd", "Lo", "Cl", "M1", "M2", "M3"}));
    EXPECT_EQ(e.CDMedium, "Vinyl"); // the medium alone is trimmed
    const CEntries& c = im.w.entries();
    EXPECT_TRUE(c.ArtistEntries().contains("Ar") && c.LabelEntries().contains("La") &&
                c.CategoryEntries().contains("Jazz") && c.MediumEntries().contains("Vinyl"));
}

TEST(Import, UnknownCatalogueNumberTakesItsFieldAndStoresNothing)
{
    ColTable table = test::tableOf({"Title"});
    table.Append(ColItem{99, 0});
    table.Append(ColItem{-5, 0});
    table.AddToColTable("Artist", "0");
    Imported im(table, "T,x,y,A\r\n");
    EXPECT_EQ(im.records(), QStringList{"T|A"});
    EXPECT_TRUE(im.log.lines.isEmpty());
}

TEST(Import, Counts)
{
    test::TestWorld w;
    test::RecordingLog log;
    const ImportResult r = DelimitedImport(w.entries(), test::tableOf(TitleArtist), {}, ExchangeHooks{&log})
                               .readBytes("a,1\r\nb,2\r\n");
    EXPECT_FALSE(r.cancelled);
    EXPECT_EQ(r.recordsRead(), 2);
    EXPECT_EQ(log.counts, (std::vector<qint32>{1, 1, 2}));
}

namespace {
// A request for a file holding these bytes, reading Title and Artist.
ExchangeRequest requestFor(test::TestWorld& w, const QByteArray& bytes, const QString& name = "in.txt")
{
    ExchangeRequest r{w.dir.filePath(name)};
    test::writeFile(r.path, bytes);
    r.table = test::tableOf(TitleArtist);
    return r;
}
}

// A whole run is logged between its start and end lines.
TEST(StartImport, LogsAndFlags)
{
    test::TestWorld w;
    test::RecordingLog log;
    // Mend: paths are never cut to 60 characters.
    ExchangeRequest r = requestFor(w, "\"T\",\"A\",\"Jazz\"\r\n\"U\",\"B\",\"Jazz\"\r\n",
                                   "a-file-name-that-alone-is-longer-than-the-old-sixty-character-limit.txt");
    ASSERT_GT(r.path.size(), 60);
    r.table = test::tableOf({"Title", "Artist", "Category"});
    ASSERT_TRUE(StartImport(r, *w.ws, ExchangeHooks{&log}));
    EXPECT_EQ(log.lines, (QStringList{"---Now Starting Import of " + r.path + "---",
                                      "---Import Complete - Total records read: 2---"}));
    EXPECT_EQ(w.entries().Count(), 2);
    EXPECT_EQ(log.starts, 1);
    EXPECT_TRUE(w.ws->rebuildList && w.ws->refillArtists && w.ws->refillLabels);
    EXPECT_TRUE(w.entries().DBChanged); // mend: imported recordings are unsaved changes
    EXPECT_EQ(w.messages.count(), 0u);
}

// Run a slice at a time, the import reads a record per zero-length slice (the last one
// without a line end too); cancelled, or dropped by a closing window, it keeps what it
// read, marks the collection changed and logs the stop.
TEST(ImportJob, SlicesCancelAndDrop)
{
    enum class End { Run, Cancel, Drop };
    for (const End end : {End::Run, End::Cancel, End::Drop}) {
        test::TestWorld w;
        test::RecordingLog log;
        const ExchangeRequest r = requestFor(w, "a,1\r\nb,2\r\nc,3\r\nd,4");
        auto job = BeginImport(r, *w.ws, ExchangeHooks{&log});
        ASSERT_TRUE(job);
        int slices = 0;
        while (job->step(std::chrono::milliseconds(0))) {
            EXPECT_EQ(w.entries().Count(), ++slices);
            EXPECT_TRUE(w.entries().DBChanged);
            if (end != End::Run && slices == 2)
                break;
        }
        if (end == End::Cancel)
            job->cancel();
        job.reset();
        const int read = end == End::Run ? 4 : 2;
        EXPECT_EQ(w.entries().Count(), read);
        EXPECT_EQ(w.entries().Entries().at(read - 1)->CDArtist, QString::number(read));
        const QStringList middle = end == End::Run ? QStringList{} : QStringList{"IMPORT CANCELLED BY OPERATOR"};
        EXPECT_EQ(log.lines, QStringList{"---Now Starting Import of " + r.path + "---"} + middle
                                 + QStringList{QString("---Import Complete - Total records read: %1---").arg(read)});
        EXPECT_TRUE(w.ws->rebuildList);
    }
}

TEST(StartImport, RefusedBeforeStarting)
{
    using W = test::TestWorld;
    const QString space = "Delimiter cannot be a space. Enter any other valid character.";
    const QString differ = "The field, string and track delimiters must be three different characters. Enter a "
                           "different character for each delimiter.";
    const struct {
        std::function<void(ExchangeRequest&, W&)> setup;
        QString text, title;
        MsgIcon icon;
    } cases[] = {
        {[](ExchangeRequest& r, W&) { r.stringDelimiter = " "; }, space, "Space not allowed", MsgIcon::Critical},
        {[](ExchangeRequest& r, W&) { r.trackDelimiter = ""; }, space, "Space not allowed", MsgIcon::Critical},
        // Mend: equal delimiters make a line ambiguous.
        {[](ExchangeRequest& r, W&) { r.fieldDelimiter = "\""; }, differ, "Delimiters must differ", MsgIcon::Critical},
        {[](ExchangeRequest& r, W&) { r.trackDelimiter = ","; }, differ, "Delimiters must differ", MsgIcon::Critical},
        {[](ExchangeRequest& r, W&) { r.stringDelimiter = ";"; }, differ, "Delimiters must differ", MsgIcon::Critical},
        {[](ExchangeRequest& r, W&) { r.path = "  "; },
         "No Import File has been selected. Select an import file before starting the import function.",
         "No File Selected", MsgIcon::Critical},
        // Answered No.
        {[](ExchangeRequest&, W& w) { w.entries().AddNewEntry(); },
         "You already have a file loaded. Running an import will add new records to the existing file.  Is this "
         "what you want?",
         "File already loaded", MsgIcon::Question},
        {[](ExchangeRequest& r, W&) { r.table.Clear(); },
         "No import fields have been selected. Select the fields to import in the proper order so that they match "
         "the import file.",
         "No Fields Selected", MsgIcon::Critical},
        {[](ExchangeRequest& r, W&) { r.table = test::tableOf({"Title", "Label"}); },
         "One or more of the following required import fields were not selected:  Title, Artist.  These fields are "
         "required and must be supplied within your import file.",
         "Required Fields Missing", MsgIcon::Critical},
    };
    for (const auto& c : cases) {
        W w;
        test::RecordingLog log;
        ExchangeRequest r = requestFor(w, "a,b\r\n");
        c.setup(r, w);
        const int before = w.entries().Count();
        EXPECT_FALSE(StartImport(r, *w.ws, ExchangeHooks{&log})) << c.title.toStdString();
        EXPECT_TRUE(test::onlyMessage(w.messages, c.text, c.title, c.icon));
        EXPECT_TRUE(log.lines.isEmpty());
        EXPECT_EQ(log.starts, 0);
        EXPECT_EQ(w.entries().Count(), before);
    }
}

TEST(StartImport, LoadedCollectionAnsweredYesAdds)
{
    test::TestWorld w;
    w.entries().AddNewEntry();
    w.messages.answer(MsgAnswer::Yes);
    ExchangeRequest r = requestFor(w, "a,b\r\n");
    r.table = test::tableOf({"Artist", "Title"});
    ASSERT_TRUE(StartImport(r, *w.ws));
    EXPECT_EQ(w.messages.last().buttons, MsgButtons::YesNo);
    EXPECT_EQ(w.messages.last().defaultButton, MsgDefault::Second);
    EXPECT_EQ(w.entries().Count(), 2);
    EXPECT_EQ(w.entries().Entries().at(1)->CDTitle, "b");
}

// Duplicates are not asked about line by line: they are counted and named in the log,
// whether of a recording held before or of an earlier line.
TEST(StartImport, DuplicatesAreCountedAndNamedInTheLog)
{
    test::TestWorld w;
    CEntry* held = w.entries().AddNewEntry();
    held->CDArtist = "Ana";
    held->CDTitle = "Sol";
    w.messages.answer(MsgAnswer::Yes);
    test::RecordingLog log;
    ExchangeRequest r = requestFor(w, "\"ANA \",\"sól\"\r\nBo,Luna\r\nbo,luna\r\nCy,Mar\r\n");
    r.table = test::tableOf({"Artist", "Title"});
    const auto result = StartImport(r, *w.ws, ExchangeHooks{&log});
    ASSERT_TRUE(result);
    EXPECT_EQ(result->duplicates, 2);
    EXPECT_EQ(result->addedKeys, QStringList({"2", "3", "4", "5"}));
    EXPECT_EQ(log.lines.mid(1, 3), QStringList({"Record 1, Duplicate of a recording held:  ANA  / sól",
                                                "Record 3, Duplicate of a recording held:  bo / luna",
                                                "---Duplicates found: 2---"}));
    EXPECT_EQ(w.entries().Count(), 5); // all of them added
}

TEST(StartImport, MissingFileGoesToTheErrorHandler)
{
    test::TestWorld w;
    ExchangeRequest r{w.dir.filePath("absent.txt")};
    r.table = test::tableOf(TitleArtist);
    std::vector<int> errors;
    ExchangeHooks hooks;
    hooks.onFileError = [&](int n) { errors.push_back(n); return errors.size() < 3 ? 0 : 2; };
    EXPECT_FALSE(StartImport(r, *w.ws, hooks));
    EXPECT_EQ(errors, (std::vector<int>{53, 53, 53})); // retried twice, then abandoned quietly
    EXPECT_EQ(w.messages.count(), 0u);
}

// Imported tracks are held packed, as a loaded file's are, unless a text has no byte in
// the file's code page: then they stay as read, so nothing is lost before a save.
TEST(Import, TracksArePackedWhereTheFileCanHoldThem)
{
    Imported im(test::tableOf(WithTimes), QByteArrayView("T,A,\"One;Two\",\"1:00;2:00\"\r\n"
                                                         "U,B,\"\xE4\xB8\xAD;Caf\xC3\xA9\",\"3:00\"\r\n"));
    ASSERT_EQ(im.w.entries().Count(), 2);
    CEntry& packed = im.at(0);
    CEntry& kept = im.at(1);
    EXPECT_TRUE(packed.TrackEntries().isPacked());
    EXPECT_FALSE(kept.TrackEntries().isPacked());
    EXPECT_EQ(im.records(), (QStringList{"T|A|One=1:00,Two=2:00", QStringLiteral("U|B|\u4E2D=3:00,Caf\u00E9=")}));
    for (CEntry* e : {&packed, &kept}) {
        ASSERT_NE(e->CurrTrack(), nullptr);
        EXPECT_EQ(e->CurrTrack()->Key, "2");
        EXPECT_EQ(e->AddNewTrackEntry()->Key, "3");
    }
}
