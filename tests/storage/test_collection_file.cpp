// The current file format: exact bytes, round trips, the loading rules, and streams that
// are cut off or malformed.
#include "model/Utility.h"
#include "platform/CodePage1252.h"
#include "platform/IBusyPointer.h"
#include "storage/CFileIO.h"
#include "storage/FileBytes.h"
#include "support/TestWorld.h"

#include <cmath>
#include <limits>

using namespace vinaxo;
using test::FileBytes;
using test::names;

namespace {
QByteArray saveBytes(test::TestWorld& w)
{
    CFileIO io(*w.ws);
    return io.SaveToBytes();
}

qint16 loadBytes(test::TestWorld& w, const QByteArray& bytes)
{
    CFileIO io(*w.ws);
    return io.OpenCDBytes(bytes);
}

// The collection saved and loaded into a fresh world.
std::unique_ptr<test::TestWorld> reloaded(test::TestWorld& w)
{
    auto back = std::make_unique<test::TestWorld>();
    EXPECT_EQ(loadBytes(*back, saveBytes(w)), CFileIO::Loaded);
    return back;
}

const double kMarch2024 = 45352.0; // 1 March 2024

// One recording with every field set and one track, one category, medium and view.
void buildSample(CEntries& c)
{
    c.AddNewCategory("Jazz");
    c.AddNewMedium("CD");
    c.AddNewView("Mine");
    CView* v = c.CurrView();
    v->ReportHeading = "My Report";
    v->AddNewColumn(101);
    v->AddNewColumn(127)->ColumnWidth = 25;
    CEntry* e = c.AddNewEntry();
    e->CDArtist = "Art"; e->CDTitle = "Tit"; e->CDCategory = "Jazz"; e->CDLabel = "Lab";
    e->CDCatnbr = "C-1"; e->CDNbrDisks = 2; e->CDMedium = "CD"; e->CDRelYear = 1999;
    e->CDRateSound = 4; e->CDRatePerform = 5; e->CDComposer = "Comp"; e->CDConductor = "Cond";
    e->CDPurchDate = OleDate{kMarch2024}; e->CDPurchCost = Currency{125000};
    e->CDLocation = "Shelf"; e->CDCollNbr = "7";
    e->CDMiscKey1 = "k1"; e->CDMiscKey2 = "k2"; e->CDMiscKey3 = "k3";
    e->CDNbrTracks = 1; e->CDTotalTime = "3:45"; e->CDAwards = "Award"; e->CDComments = "Nice";
    CTrackEntry* t = e->AddNewTrackEntry();
    t->CDTrackTitle = "Song"; t->CDTrackTime = "3:45"; t->CDTrackDesc = "Desc";
    t->CDTrackArtists = "Guest";
}

QByteArray sampleBytes()
{
    return FileBytes{}
        .header(301)
        .text(49, "Jazz")
        .text(50, "CD")
        .integer(80, 0).text(81, "Mine").text(87, "My Report")
        .integer(82, 101).integer(83, 40).integer(82, 127).integer(83, 25).integer(89, 0)
        .integer(100, 0).text(101, "Art").text(127, "Tit").text(103, "Jazz").text(111, "Lab")
        .text(104, "C-1").integer(117, 2).text(113, "CD").integer(123, 1999).integer(122, 4)
        .integer(121, 5).text(107, "Comp").text(108, "Cond").date(120, kMarch2024)
        .currency(119, 125000).text(112, "Shelf").text(105, "7").text(114, "k1")
        .text(115, "k2").text(116, "k3").integer(118, 1).text(128, "3:45").text(102, "Award")
        .text(106, "Nice")
        .integer(180, 0).text(181, "Song").text(182, "3:45").text(183, "Desc")
        .text(184, "Guest").integer(189, 0)
        .integer(254, 0);
}
}

TEST(CollectionFile, WritesTheFormatByteForByteAndReadsEveryFieldBack)
{
    test::TestWorld sample;
    buildSample(sample.entries());
    EXPECT_EQ(saveBytes(sample).toHex(' '), sampleBytes().toHex(' '));
    // A snapshot for writing elsewhere copies every field.
    EXPECT_EQ(CFileIO::SnapshotBytes(*sample.ws, CFileIO(*sample.ws).TakeSnapshot()), sampleBytes());

    test::TestWorld w;
    ASSERT_EQ(loadBytes(w, sampleBytes()), CFileIO::Loaded);
    CEntries& c = w.entries();
    ASSERT_EQ(c.Count(), 1);
    const CEntry& e = *c.Entries().at(0);
    EXPECT_EQ(test::entryFields(e),
              (QStringList{"Tit", "Art", "", "Jazz", "Lab", "C-1", "2", "CD", "1999", "4", "5",
                           "Comp", "Cond", "2024-03-01", "12.5000", "Shelf", "7", "k1", "k2", "k3",
                           "1", "3:45", "Award", "Nice", "0", "0", "0"}));
    ASSERT_EQ(e.TrackEntries().size(), 1);
    EXPECT_EQ(test::trackFields(*e.TrackEntries().at(0)),
              (QStringList{"1", "Song", "3:45", "Desc", "Guest"}));
    EXPECT_EQ(e.TrackEntries().at(0)->Entry, &e);

    ASSERT_EQ(c.ViewEntries().size(), 1);
    const CView& v = *c.ViewEntries().at(0);
    EXPECT_EQ(v.ViewName, "Mine");
    EXPECT_EQ(v.ReportHeading, "My Report");
    ASSERT_EQ(v.TotalCols(), 2);
    EXPECT_EQ(v.ColumnEntries().at(0)->ColumnHeading, "Artist");
    EXPECT_EQ(v.ColumnEntries().at(1)->ColumnWidth, 25);
    EXPECT_EQ(w.messages.count(), 0u);
    // Saving what was read gives the same file.
    EXPECT_EQ(saveBytes(w), sampleBytes());
}

TEST(CollectionFile, TextsAreTrimmedOfSpacesAndBlankTextsAreNotWritten)
{
    test::TestWorld w;
    CEntry* e = w.entries().AddNewEntry();
    e->CDTitle = "  Kind of Blue  ";
    e->CDArtist = "   ";
    e->CDDesc = "";
    e->CDComments = "line one\r\nline two\t";
    e->AddNewTrackEntry()->CDTrackTitle = " ";
    const QByteArray bytes = saveBytes(w);
    EXPECT_EQ(bytes,
              QByteArray(FileBytes{}
                             .header(301)
                             .integer(100, 0).text(127, "Kind of Blue").integer(117, 1)
                             .integer(123, 0).integer(122, 0).integer(121, 0).noDate(120)
                             .currency(119, 0).integer(118, 0)
                             .text(106, "line one\r\nline two\t")
                             .integer(180, 0).integer(189, 0)
                             .integer(254, 0)));
    const auto back = reloaded(w);
    const CEntry& r = *back->entries().Entries().at(0);
    EXPECT_FALSE(r.CDPurchDate.has_value());
    EXPECT_EQ(r.CDComments, "line one\r\nline two\t");
    ASSERT_EQ(r.TrackEntries().size(), 1);
    EXPECT_TRUE(back->entries().ArtistEntries().isEmpty());
}

TEST(CollectionFile, Windows1252TextsRoundTripIncludingBytes80To9F)
{
    QByteArray all;
    for (int b = 0x21; b <= 0xFF; ++b)
        all.append(char(b));
    all.insert(10, QByteArray("\0 \x01", 3));
    const QString text = cp1252::decode(all);

    test::TestWorld w;
    CEntry* e = w.entries().AddNewEntry();
    e->CDTitle = text;
    e->CDArtist = QStringLiteral("Caf\u00e9 \u20ac \u4e2d"); // the last has no byte
    const QByteArray bytes = saveBytes(w);
    EXPECT_TRUE(bytes.contains(FileBytes{}.text(127, all).b));
    EXPECT_TRUE(bytes.contains(FileBytes{}.text(101, "Caf\xe9 \x80 ?").b));
    const auto back = reloaded(w);
    EXPECT_EQ(back->entries().Entries().at(0)->CDTitle, text);
    EXPECT_EQ(back->entries().Entries().at(0)->CDArtist, QStringLiteral("Caf\u00e9 \u20ac ?"));
}

TEST(CollectionFile, ATextLongerThanTheFormatHoldsIsCutAt32767Bytes)
{
    test::TestWorld w;
    CEntry* e = w.entries().AddNewEntry();
    e->CDComments = QString(40000, u'x');
    e->CDDesc = QString(32767, u'y');
    const auto back = reloaded(w);
    EXPECT_EQ(back->entries().Entries().at(0)->CDComments, QString(32767, u'x'));
    EXPECT_EQ(back->entries().Entries().at(0)->CDDesc, QString(32767, u'y'));
    EXPECT_EQ(back->messages.count(), 0u);
}

TEST(CollectionFile, ExtremeValuesRoundTrip)
{
    test::TestWorld w;
    for (const qint64 cost : {std::numeric_limits<qint64>::min(), qint64(-1), qint64(0),
                              std::numeric_limits<qint64>::max()}) {
        CEntry* e = w.entries().AddNewEntry();
        e->CDPurchCost = Currency{cost};
        e->CDRelYear = cost < 0 ? std::numeric_limits<qint16>::min() : std::numeric_limits<qint16>::max();
        e->CDNbrDisks = 0;
        e->CDPurchDate = OleDate{cost < 0 ? -657434.0 : 2958465.5}; // 1 Jan 100, 31 Dec 9999 noon
    }
    const auto back = reloaded(w);
    ASSERT_EQ(back->entries().Count(), 4);
    for (int i = 0; i < 4; ++i) {
        const CEntry& a = *w.entries().Entries().at(i);
        const CEntry& b = *back->entries().Entries().at(i);
        EXPECT_EQ(test::entryFields(a), test::entryFields(b));
        EXPECT_EQ(a.CDPurchDate, b.CDPurchDate); // to the time of day
    }
}

TEST(CollectionFile, AnEmptyCollectionIsTheHeaderAlone)
{
    test::TestWorld w;
    EXPECT_EQ(saveBytes(w), QByteArray(FileBytes{}.header(301)));
    const auto back = reloaded(w);
    EXPECT_EQ(back->entries().Count(), 0);
    EXPECT_EQ(ViewNameList(back->entries()), QStringList{"Standard View"});
    EXPECT_EQ(back->entries().CurrView()->ViewName, "Standard View");
}

TEST(CollectionFile, LoadingRebuildsTheNameListsAndHandsOutFreshKeys)
{
    test::TestWorld w;
    // Keys already handed out in this run are not reused.
    w.entries().AddNewEntry();
    w.entries().AddNewEntry();
    w.entries().AddNewCategory("Old");
    const QByteArray bytes = FileBytes{}
        .header(301)
        .text(49, "Rock").text(49, "ROCK").text(50, "LP Album")
        .integer(100, 0).text(101, "Miles").text(103, "Jazz").text(111, "Blue Note")
            .integer(180, 0).text(181, "a").integer(189, 0)
            .integer(180, 0).text(181, "b").integer(189, 0).integer(254, 0)
        .integer(100, 0).text(101, "MILES").text(103, "rock").text(111, "Impulse").integer(254, 0);
    ASSERT_EQ(loadBytes(w, bytes), CFileIO::Loaded);
    CEntries& c = w.entries();
    EXPECT_EQ(names(c.CategoryEntries()), (QStringList{"Rock", "Jazz"}));
    EXPECT_EQ(names(c.MediumEntries()), QStringList{"LP Album"});
    EXPECT_EQ(names(c.ArtistEntries()), QStringList{"Miles"});
    EXPECT_EQ(names(c.LabelEntries()), (QStringList{"Blue Note", "Impulse"}));
    ASSERT_EQ(c.Count(), 2);
    EXPECT_EQ(c.Entries().at(0)->CDKey, "3");
    EXPECT_EQ(c.Entries().at(1)->CDKey, "4");
    EXPECT_EQ(c.Entries().at(0)->TrackEntries().at(1)->Key, "2");
    EXPECT_FALSE(c.DBChanged);
    EXPECT_TRUE(w.ws->refillArtists && w.ws->refillLabels && w.ws->refillCategories
                && w.ws->refillMediums);
}

TEST(CollectionFile, TracksAreSavedInTheirListOrderAndReloadWithFreshKeys)
{
    test::TestWorld w;
    CEntry* e = w.entries().AddNewEntry();
    for (const char* title : {"one", "two", "three", "four"})
        e->AddNewTrackEntry()->CDTrackTitle = title;
    e->TrackEntries().remove("2");
    e->AddNewTrackEntry()->CDTrackTitle = "five";
    auto back = reloaded(w);
    QStringList tracks;
    for (const auto& item : back->entries().Entries().at(0)->TrackEntries())
        tracks << item.key + u'=' + item.value->CDTrackTitle;
    EXPECT_EQ(tracks.join(u' '), "1=one 2=three 3=four 4=five");
}

// A large collection is written in two halves at once; the file must be the one a small
// collection's save writes, recording after recording.
TEST(CollectionFile, ALargeCollectionIsWrittenWholeAndInOrder)
{
    constexpr int kCount = 3001;
    auto fill = [](CEntries& c, int from, int to) {
        c.AddNewCategory("Jazz");
        c.AddNewMedium("CD");
        EnsureStandardView(c); // as loading makes it
        for (int i = from; i < to; ++i) {
            CEntry* e = c.AddNewEntry();
            e->CDTitle = QStringLiteral("Title %1").arg(i);
            e->CDArtist = i % 3 ? QStringLiteral("Artist") : QStringLiteral("Caf\u00e9 %1").arg(i);
            e->CDPurchCost = Currency{i};
            for (int t = 0; t < i % 4; ++t)
                e->AddNewTrackEntry()->CDTrackTitle = QStringLiteral("Track %1.%2").arg(i).arg(t);
        }
    };
    test::TestWorld whole, first, second, lists;
    fill(whole.entries(), 0, kCount);
    fill(first.entries(), 0, kCount / 2);
    fill(second.entries(), kCount / 2, kCount);
    fill(lists.entries(), 0, 0);
    const QByteArray bytes = saveBytes(whole);
    EXPECT_EQ(bytes, saveBytes(first) + saveBytes(second).mid(saveBytes(lists).size()));

    // Loaded, its tracks are packed, and saving them writes the same file again.
    const auto back = reloaded(whole);
    ASSERT_EQ(back->entries().Count(), kCount);
    EXPECT_EQ(back->entries().Entries().at(kCount - 1)->CDTitle, QStringLiteral("Title %1").arg(kCount - 1));
    EXPECT_EQ(saveBytes(*back), bytes);
}

TEST(CollectionFile, LastViewNamePicksTheCurrentView)
{
    const QByteArray bytes = FileBytes{}
        .header(301)
        .integer(80, 0).text(81, "First").integer(89, 0)
        .integer(80, 0).text(81, "Second").integer(89, 0)
        .integer(100, 0).integer(254, 0);
    struct Case {
        const char* last;
        const char* current;
    };
    for (const Case& k : {Case{"second", "Second"}, Case{"Missing", "First"}, Case{"", "First"}}) {
        test::TestWorld w;
        w.config().setLastViewName(k.last);
        ASSERT_EQ(loadBytes(w, bytes), CFileIO::Loaded);
        EXPECT_EQ(w.entries().CurrView()->ViewName, k.current) << k.last;
        EXPECT_EQ(w.config().LastViewName(), k.current);
    }
}

TEST(CollectionFile, ViewBlocks)
{
    test::TestWorld w;
    const QByteArray bytes = FileBytes{}
        .header(301)
        .integer(80, 0).text(81, "V").integer(83, 99) // a width before any column: ignored
            .integer(82, 103).integer(83, 12).integer(83, 14) // the second width wins
            .integer(82, 103).integer(83, 77)                  // a repeated key is not added
            .integer(82, 185).integer(89, 0)
        .integer(80, 0).text(81, "v").integer(89, 0)           // the name is taken already
        .integer(80, 0).text(81, " V ").integer(89, 0);        // so is this one, trimmed
    ASSERT_EQ(loadBytes(w, bytes), CFileIO::Loaded);
    ASSERT_EQ(w.entries().ViewEntries().size(), 1);
    const CView& v = *w.entries().ViewEntries().at(0);
    EXPECT_EQ(v.ReportHeading, ""); // saved blank, so left out
    ASSERT_EQ(v.TotalCols(), 2);
    EXPECT_EQ(v.ColumnEntries().at(0)->ColumnWidth, 14);
    EXPECT_EQ(v.ColumnEntries().at(1)->ColumnHeading, "Track Titles/Times");
    EXPECT_TRUE(v.ColumnEntries().at(1)->ReportOnly());
    EXPECT_EQ(w.messages.count(), 0u);
}

TEST(CollectionFile, MalformedStreamsLoadWhatTheyCanWithExactMessages)
{
    const char* kEntryAlign = "Unknown data type CEntry.LoadEntry.";
    const char* kTrackAlign = "Unknown data type CTrackEntry.LoadEntry.";
    const char* kViewAlign = "Unknown data type CView.LoadView.";
    struct Malformed {
        const char* name;
        QByteArray body; // after a release-301 header
        QStringList messages;
        int entries;
        const char* firstTitle; // of the first recording
    };
    const QByteArray entryStart = FileBytes{}.integer(100, 0).text(127, "T");
    const QByteArray fullEntry = FileBytes{}.integer(100, 0).text(127, "Next").integer(254, 0);
    const std::vector<Malformed> cases = {
        {"EndsInsideAnEntry", entryStart, {kEntryAlign}, 1, "T"},
        {"EndsInsideATrack", FileBytes{}.raw(entryStart).integer(180, 0).text(181, "x"),
         {kTrackAlign, kEntryAlign}, 1, "T"},
        {"EndsInsideAView", FileBytes{}.integer(80, 0).text(81, "V"), {kViewAlign}, 0, ""},
        {"UnlistedCodeEndsTheEntryAndReadingGoesOn",
         FileBytes{}.raw(entryStart).integer(110, 0).integer(254, 0).raw(fullEntry),
         {kEntryAlign}, 2, "T"},
        {"UnlistedCodeInATrack",
         FileBytes{}.raw(entryStart).integer(180, 0).byte(50).integer(254, 0).raw(fullEntry),
         {kTrackAlign}, 2, "T"},
        {"TopLevelJunkIsSkippedSilently", FileBytes{}.raw("\x01\x02zz\xff").raw(fullEntry), {}, 1, "Next"},
        {"TextLongerThanTheRest",
         FileBytes{}.integer(100, 0).byte(127).i16(50).raw("short"), {kEntryAlign}, 1, ""},
        {"NegativeTextLength",
         FileBytes{}.integer(100, 0).byte(127).i16(-2).raw("abcdefgh").raw(fullEntry),
         {kEntryAlign}, 1, ""},
        {"LengthWordCutOff", FileBytes{}.integer(100, 0).byte(127).byte(3), {kEntryAlign}, 1, ""},
        {"EntryStartWithoutItsInteger", FileBytes{}.byte(100), {kEntryAlign}, 1, ""},
        {"CategoryTextCutOff", FileBytes{}.byte(49).i16(9).raw("Ro"), {}, 0, ""},
        {"CurrencyCutOff", FileBytes{}.integer(100, 0).byte(119).raw("1234"), {kEntryAlign}, 1, ""},
        {"NegativeDateLength",
         FileBytes{}.integer(100, 0).byte(120).i16(-8).f64(1000).raw(fullEntry), {kEntryAlign}, 1, ""},
    };
    for (const Malformed& k : cases) {
        SCOPED_TRACE(k.name);
        test::TestWorld w;
        ASSERT_EQ(loadBytes(w, FileBytes{}.header(301).raw(k.body)), CFileIO::Loaded);
        EXPECT_EQ(w.messages.texts(), k.messages);
        for (const Message& m : w.messages.messages()) {
            EXPECT_EQ(m.title, "Error in element alignment");
            EXPECT_EQ(m.icon, MsgIcon::Critical);
            EXPECT_EQ(m.buttons, MsgButtons::OK);
        }
        ASSERT_EQ(w.entries().Count(), k.entries);
        if (k.entries > 0) {
            EXPECT_EQ(w.entries().Entries().at(0)->CDTitle, k.firstTitle);
        }
        EXPECT_EQ(ViewNameList(w.entries()).size(), 1);
        EXPECT_FALSE(w.entries().DBChanged);
    }
}

TEST(CollectionFile, OnlyFiniteDatesOfTheYears100To9999AreReadOrWrittenAsDates)
{
    struct Case {
        double serial;
        bool isDate;
    };
    const double inf = std::numeric_limits<double>::infinity();
    for (const Case& k : {Case{kMarch2024, true}, Case{-657434.0, true}, Case{2958465.99, true},
                          Case{-657435.0, false}, Case{2958466.0, false}, Case{inf, false},
                          Case{-inf, false}, Case{std::nan(""), false}, Case{1e300, false}}) {
        test::TestWorld w;
        const QByteArray bytes = FileBytes{}.header(301).integer(100, 0).date(120, k.serial)
                                     .text(127, "after").integer(254, 0);
        ASSERT_EQ(loadBytes(w, bytes), CFileIO::Loaded);
        const CEntry& e = *w.entries().Entries().at(0);
        EXPECT_EQ(e.CDPurchDate.has_value(), k.isDate) << k.serial;
        EXPECT_EQ(e.CDTitle, "after"); // the eight bytes are consumed either way
        EXPECT_EQ(w.messages.count(), 0u);

        test::TestWorld out; // a date no reader could take is written as no date
        out.entries().AddNewEntry()->CDPurchDate = OleDate{k.serial};
        const FileBytes date = k.isDate ? FileBytes{}.date(120, k.serial) : FileBytes{}.noDate(120);
        EXPECT_TRUE(saveBytes(out).contains(FileBytes{date}.currency(119, 0).b)) << k.serial;
    }
}

TEST(CollectionFile, LegacyLengthCodesAreReadButNeverWritten)
{
    test::TestWorld w;
    const QByteArray bytes = FileBytes{}.header(301).integer(100, 0).integer(124, 3)
                                 .integer(125, 4).integer(126, 5).integer(254, 0);
    ASSERT_EQ(loadBytes(w, bytes), CFileIO::Loaded);
    const CEntry& e = *w.entries().Entries().at(0);
    EXPECT_EQ(e.CDSongsDescLength, 3);
    EXPECT_EQ(e.CDSongsLength, 4);
    EXPECT_EQ(e.CDSongsTimeLength, 5);
    const QByteArray saved = saveBytes(w);
    EXPECT_FALSE(saved.contains('\x7c') || saved.contains('\x7d') || saved.contains('\x7e'));
}

TEST(CollectionFile, HeadersThatAreNoCurrentFileLeaveTheCollectionAsItWas)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        qint16 result;
        QStringList messages;
    };
    const std::vector<Case> cases = {
        {"Empty", {}, CFileIO::NotCollectionFile, {}},
        {"ShortHeader", QByteArray(FileBytes{}.header(301)).left(25), CFileIO::NotCollectionFile, {}},
        {"UnknownRelease", FileBytes{}.header(200), CFileIO::NotCollectionFile, {}},
        {"NotANumber", FileBytes{}.header(std::nan("")), CFileIO::NotCollectionFile, {}},
        {"AlmostCurrent", FileBytes{}.header(301.0000001), CFileIO::NotCollectionFile, {}},
        {"Release120", FileBytes{}.header(120).integer(100, 0), CFileIO::Refused,
         {"This file is from a release of Vinaxo prior to 1.7. We are unable to directly convert "
          "your data from this old version. You should obtain an older copy of Vinaxo 2.3, "
          "convert to that format, then load the converted 2.3 version file into this program.  "}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        test::TestWorld w;
        buildSample(w.entries());
        w.entries().DBChanged = true;
        const QByteArray before = saveBytes(w);
        w.messages.answer(MsgAnswer::Yes); // refused whatever the answer
        EXPECT_EQ(loadBytes(w, k.bytes), k.result);
        EXPECT_EQ(w.messages.texts(), k.messages);
        for (const Message& m : w.messages.messages()) {
            EXPECT_EQ(m.title, "File Cannot Be Converted");
            EXPECT_EQ(m.icon, MsgIcon::Critical);
            EXPECT_EQ(m.buttons, MsgButtons::YesNo);
            EXPECT_EQ(m.defaultButton, MsgDefault::Second);
        }
        EXPECT_EQ(saveBytes(w), before);
        EXPECT_TRUE(w.entries().DBChanged);
    }
}

TEST(CollectionFile, UnhandledValueTypeIsReportedAndNothingWritten)
{
    test::TestWorld w;
    CFileIO io(*w.ws);
    io.WriteElement(101, QStringView(u"x"));
    io.WriteElement(102, ElementUnhandled{});
    io.WriteElement(103, qint16(7));
    ASSERT_EQ(w.messages.count(), 1u);
    test::expectMessage(w.messages.last(), {"Unhandled data type in CFileIO.WriteElement.",
                                            "Bad internal file type", MsgIcon::Critical});
}

TEST(CollectionFile, BusyPointerIsShownWhileLoadingAndRestored)
{
    struct Counting final : IBusyPointer {
        int busy = 0, normal = 0;
        void ShowBusyPointer() override { ++busy; }
        void ShowNormalPointer() override { ++normal; }
    };
    for (const double release : {301.0, 150.0, 120.0, 7.0}) {
        test::TestWorld w;
        Counting pointer;
        CFileIO io(*w.ws, &pointer);
        io.OpenCDBytes(FileBytes{}.header(release));
        EXPECT_GE(pointer.busy, 1) << release;
        EXPECT_EQ(pointer.busy, pointer.normal) << release;
    }
}
