// Files of the previous release, built here record by record, and their conversion.
#include "model/Utility.h"
#include "storage/CFileIO.h"
#include "storage/FileBytes.h"
#include "support/TestWorld.h"

#include <cmath>

using namespace vinaxo;
using test::FileBytes;
using namespace vinaxo::test::old;
using test::names;

namespace {
double serialOf(int y, int m, int d) { return OleDate::fromDate(QDate(y, m, d)).serial; }

qint16 convert(test::TestWorld& w, const QByteArray& bytes)
{
    w.messages.answer(MsgAnswer::Yes);
    CFileIO io(*w.ws);
    return io.OpenCDBytes(bytes);
}
}

TEST(Release150, ConvertsEveryFieldAndAsksFirst)
{
    const OldRecord r{.title = "  Kind of Blue", .artist = "Miles Davis", .desc = "Modal",
                      .category = "Bebop", .label = "Columbia", .catnbr = "CL 1355", .medium = "R",
                      .disks = 2, .sound = 4, .perform = 5, .tracks = 2,
                      .released = vDate(serialOf(1959, 8, 17)),
                      .purchased = vDate(serialOf(2001, 2, 3) + 0.5), .composer = "Davis",
                      .conductor = "None", .location = "Shelf 2", .collNbr = "17", .misc1 = "a",
                      .misc2 = "b", .misc3 = "c", .totalTime = "19:20", .awards = "Gold",
                      .comments = "Caf\xe9", .cost = 129900,
                      .titles = "1. So What~2. Freddie Freeloader~", .times = "9:22~9:46~",
                      .descs = "first~second~"};

    test::TestWorld w;
    w.config().setLastFileName("/old/place.DAT");
    w.ws->currentFileName = "/old/place.DAT";
    ASSERT_EQ(convert(w, oldFile({r}, {"Skipped", "Too"})), CFileIO::Loaded);

    ASSERT_EQ(w.messages.count(), 2u);
    test::expectMessage(w.messages.messages()[0],
                        {"This file is from release 2.3 or older of Vinaxo!  If you continue, Vinaxo "
                         "will convert your file to the new format.  Once this is done, you will not "
                         "be able to open this file from an older version of Vinaxo.  Please make a "
                         "backup of your file before continuing!  Do you want to continue? ",
                         "File About To Be Converted", MsgIcon::Critical, MsgButtons::YesNo,
                         MsgDefault::Second});
    test::expectMessage(w.messages.messages()[1],
                        {"Your file has been converted.  Please remember to save the converted "
                         "version of this file. ",
                         "File Converted", MsgIcon::Information, MsgButtons::OK});

    CEntries& c = w.entries();
    ASSERT_EQ(c.Count(), 1);
    const CEntry& e = *c.Entries().at(0);
    EXPECT_EQ(test::entryFields(e),
              (QStringList{"Kind of Blue", "Miles Davis", "Modal", "Bebop", "Columbia", "CL 1355",
                           "2", "LP Album", "1959", "4", "5", "Davis", "None", "2001-02-03",
                           "12.9900", "Shelf 2", "17", "a", "b", "c", "2", "19:20", "Gold",
                           QStringLiteral("Caf\u00e9"), "33", "10", "13"}));
    EXPECT_EQ(e.CDPurchDate->serial, serialOf(2001, 2, 3) + 0.5); // the time of day is kept
    ASSERT_EQ(e.TrackEntries().size(), 2);
    EXPECT_EQ(test::trackFields(*e.TrackEntries().at(1)),
              (QStringList{"2", "Freddie Freeloader", "9:46", "second", ""}));

    // The default lists, then what the records added; the leading records are not kept.
    QStringList categories = names(c.CategoryEntries());
    EXPECT_EQ(categories.size(), 17);
    EXPECT_EQ(categories.first(), "Classical");
    EXPECT_EQ(categories.last(), "Bebop");
    EXPECT_EQ(names(c.MediumEntries()),
              (QStringList{"CD", "Cassette", "LP Album", "DAT", "Other", "MiniDisk", "DVD"}));
    EXPECT_EQ(names(c.ArtistEntries()), QStringList{"Miles Davis"});
    EXPECT_EQ(names(c.LabelEntries()), QStringList{"Columbia"});
    EXPECT_EQ(ViewNameList(c), QStringList{"Standard View"});

    // Unnamed and changed: it must be saved under a name.
    EXPECT_TRUE(c.DBChanged);
    EXPECT_EQ(w.config().LastFileName(), "");
    EXPECT_EQ(w.ws->currentFileName, "");
    EXPECT_TRUE(w.ws->refillArtists && w.ws->refillLabels);
}

TEST(Release150, DecliningLeavesTheCollectionAsItWas)
{
    test::TestWorld w;
    w.entries().AddNewEntry()->CDTitle = "Mine";
    w.messages.answer(MsgAnswer::No);
    CFileIO io(*w.ws);
    EXPECT_EQ(io.OpenCDBytes(oldFile({OldRecord{}})), CFileIO::NotConverted);
    ASSERT_EQ(w.entries().Count(), 1);
    EXPECT_EQ(w.entries().Entries().at(0)->CDTitle, "Mine");
}

TEST(Release150, TrackTexts)
{
    struct Case {
        const char* name;
        qint16 tracks;
        QByteArray titles, times, descs;
        QStringList want; // title|time|desc of each track
    };
    const std::vector<Case> cases = {
        {"MorePiecesThanTracks", 2, "1. A~2. B~3. C~", "1:00~2:00~3:00~", "x~y~z~",
         {"A|1:00|x", "B|2:00|y"}},
        {"FewerPiecesThanTracks", 3, "1. A~", "", "", {"A||", "||", "||"}},
        {"TextAfterTheLastTildeIsNoPiece", 2, "1. A~2. B", "1:00~2:00", "", {"A|1:00|", "||"}},
        {"PiecesAreTrimmed", 2, "1.  Spaced   ~10. Ten~", "  3:05 ~ 99:99~", " d1 ~d2~",
         {"Spaced|3:05|d1", "Ten||d2"}},
        {"APieceWithoutADotIsAllTitle", 2, "Intro~~", "", "", {"Intro||", "||"}},
        {"EmptyTitlesTextBuildsNoTracks", 5, "", "", "", {}},
        {"NoTracksCounted", 0, "1. A~", "", "", {}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        const OldRecord r{.tracks = k.tracks, .titles = k.titles, .times = k.times, .descs = k.descs};
        // The record after shows that the texts were consumed exactly.
        test::TestWorld w;
        ASSERT_EQ(convert(w, oldFile({r, OldRecord{.title = "Next"}})), CFileIO::Loaded);
        ASSERT_EQ(w.entries().Count(), 2);
        const CEntry& e = *w.entries().Entries().at(0);
        EXPECT_EQ(e.CDNbrTracks, k.tracks);
        QStringList tracks;
        for (const auto& t : e.TrackEntries())
            tracks << test::trackFields(*t.value).mid(1, 3).join('|');
        EXPECT_EQ(tracks, k.want);
        EXPECT_EQ(w.entries().Entries().at(1)->CDTitle, "Next");
    }
}

TEST(Release150, MediumCodes)
{
    struct Case {
        QByteArray code;
        const char* medium;
    };
    for (const Case& k : {Case{"C", "CD"}, Case{"T", "Cassette"}, Case{"R", "LP Album"},
                          Case{"D", "DAT"}, Case{"O", "Other"}, Case{"X", ""}, Case{"c", ""},
                          Case{" ", ""}}) {
        test::TestWorld w;
        ASSERT_EQ(convert(w, oldFile({OldRecord{.medium = k.code}})), CFileIO::Loaded);
        EXPECT_EQ(w.entries().Entries().at(0)->CDMedium, k.medium) << k.code.constData();
        EXPECT_EQ(w.entries().MediumEntries().size(), 7); // nothing beyond the defaults
        EXPECT_EQ(CFileIO::ConvertMediumCodeToDesg(QString::fromLatin1(k.code)), k.medium);
    }
}

TEST(Release150, VariantDates)
{
    struct Case {
        const char* name;
        QByteArray variant;
        qint16 relYear;
        std::optional<QDate> purchased;
    };
    const std::vector<Case> cases = {
        {"Date", vDate(serialOf(1985, 6, 1)), 1985, QDate(1985, 6, 1)},
        {"Double", vDouble(serialOf(1990, 1, 2)), 1990, QDate(1990, 1, 2)},
        {"TextDate", vText("6/1/1985"), 1985, QDate(1985, 6, 1)},
        {"TextNoDate", vText("soon"), 0, std::nullopt},
        {"EmptyText", vText(""), 0, std::nullopt},
        {"Empty", vEmpty(), 0, std::nullopt},
        {"Null", vNull(), 0, std::nullopt},
        {"YearOutsideTheSetterRange", vDate(serialOf(1850, 1, 1)), 2026, QDate(1850, 1, 1)},
        {"NotANumber", vDate(std::nan("")), 0, std::nullopt},
        {"BeyondTheYear9999", vDate(1e9), 0, std::nullopt},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        const OldRecord r{.released = k.variant, .purchased = k.variant, .comments = "after"};
        test::TestWorld w;
        ASSERT_EQ(convert(w, oldFile({r})), CFileIO::Loaded);
        ASSERT_EQ(w.entries().Count(), 1);
        const CEntry& e = *w.entries().Entries().at(0);
        EXPECT_EQ(e.CDRelYear, k.relYear);
        EXPECT_EQ(e.CDPurchDate ? std::optional<QDate>(e.CDPurchDate->date()) : std::nullopt,
                  k.purchased);
        EXPECT_EQ(e.CDComments, "after");
    }
}

TEST(Release150, ReadingStopsAtARecordThatCannotBeRead)
{
    const OldRecord a{.title = "A"}, b{.title = "B"};
    const OldRecord bad{.released = FileBytes{}.i16(9).f64(0)}; // a variant type of unknown size
    const QByteArray full = oldFile({a, b});
    struct Case {
        const char* name;
        QByteArray bytes;
        int entries;
    };
    for (const Case& k : {Case{"CutShort", full.left(full.size() - 10), 1},
                          Case{"TrailingBytes", full + QByteArray(40, 'x'), 2},
                          Case{"UnknownVariant", oldFile({a, bad, b}), 1},
                          Case{"CategoryRecordsBeyondTheEnd", FileBytes{}.header(150, 1000).raw(a.bytes()), 0},
                          Case{"NoRecords", oldFile({}), 0}}) {
        SCOPED_TRACE(k.name);
        test::TestWorld w;
        ASSERT_EQ(convert(w, k.bytes), CFileIO::Loaded);
        EXPECT_EQ(w.entries().Count(), k.entries);
        EXPECT_EQ(ViewNameList(w.entries()), QStringList{"Standard View"});
    }
}

TEST(Release150, ADamagedTrackCountBuildsABoundedNumberOfTracks)
{
    test::TestWorld w;
    ASSERT_EQ(convert(w, oldFile({OldRecord{.tracks = 32000, .titles = "1. A~2. B~"}})), CFileIO::Loaded);
    const CEntry& e = *w.entries().Entries().at(0);
    EXPECT_EQ(e.CDNbrTracks, 32000);
    EXPECT_EQ(e.TrackEntries().size(), 99);
    EXPECT_EQ(e.TrackEntries().at(1)->CDTrackTitle, "B");
}

TEST(Release150, AConvertedFileSavesAndLoadsAsTheCurrentRelease)
{
    test::TestWorld w;
    ASSERT_EQ(convert(w, oldFile({OldRecord{.tracks = 1, .titles = "1. Only~"}})), CFileIO::Loaded);
    CFileIO out(*w.ws);
    const QByteArray saved = out.SaveToBytes();
    test::TestWorld back;
    CFileIO in(*back.ws);
    ASSERT_EQ(in.OpenCDBytes(saved), CFileIO::Loaded);
    EXPECT_EQ(in.ReleaseID(), 301.0);
    EXPECT_EQ(back.entries().Entries().at(0)->TrackEntries().at(0)->CDTrackTitle, "Only");
    EXPECT_EQ(back.entries().CategoryEntries().size(), w.entries().CategoryEntries().size());
    CFileIO again(*back.ws);
    EXPECT_EQ(again.SaveToBytes(), saved);
}
