// MusicBrainz disc ids against published vectors (the service's disc id documentation,
// libdiscid's and its bindings' tests, and discs whose ids the service lists), beside the
// CDDB id of the same table of contents.
#include "lookup/MusicBrainzDiscId.h"

#include <QCryptographicHash>
#include <gtest/gtest.h>

using namespace vinaxo;

namespace {
// starts: frames with the lead-in; data: positions (0-based) of data tracks.
DiscToc tocOf(int first, const std::vector<qint32>& starts, qint32 leadOut, std::vector<std::size_t> data = {})
{
    DiscToc t;
    for (std::size_t i = 0; i < starts.size(); ++i)
        t.tracks.push_back({first + int(i), starts[i], true});
    for (std::size_t i : data)
        t.tracks[i].audio = false;
    t.leadOut = leadOut;
    return t;
}

// The documented reckoning, done apart from libdiscid: SHA-1 of the first and last track
// numbers and 100 offsets (lead-out first) as upper-case hex, in base64 with ".", "_"
// and "-" for "+", "/" and "=".
QString reckoned(const MusicBrainzToc& t)
{
    QByteArray text = QByteArray::number(t.first, 16).rightJustified(2, '0')
        + QByteArray::number(t.last, 16).rightJustified(2, '0');
    for (int i = 0; i < 100; ++i) {
        qint32 v = 0;
        if (i == 0)
            v = t.leadOut;
        else if (i >= t.first && i <= t.last)
            v = t.offsets[std::size_t(i - t.first)];
        text += QByteArray::number(v, 16).rightJustified(8, '0');
    }
    QByteArray b64 = QCryptographicHash::hash(text.toUpper(), QCryptographicHash::Sha1).toBase64();
    b64.replace('+', '.').replace('/', '_').replace('=', '-');
    return QString::fromLatin1(b64);
}

const std::vector<qint32> kDocDisc{150, 15363, 32314, 46592, 63414, 80489};
}

TEST(MusicBrainzDiscId, PublishedVectors)
{
    struct Case {
        const char* name;
        DiscToc toc;
        const char* musicbrainz;
        const char* cddb;
    };
    const std::vector<Case> cases{
        {"disc id documentation, six tracks", tocOf(1, kDocDisc, 95462), "49HHV7Eb8UKF3aQiNmu1GR8vKTY-", "3404f606"},
        {"libdiscid's put test, 22 tracks",
         tocOf(1, {150, 9700, 25887, 39297, 53795, 63735, 77517, 94877, 107270, 123552, 135522,
                   148422, 161197, 174790, 192022, 205545, 218010, 228700, 239590, 255470, 266932, 288750},
               303602),
         "xUp1F2NkfP8s8jaeFn_Av3jNEI4-", "370fce16"},
        {"binding's put test, 15 tracks",
         tocOf(1, {150, 17510, 33275, 45910, 57805, 78310, 94650, 109580, 132010, 149160, 165115, 177710,
                   203325, 215555, 235590},
               258725),
         "TqvKjMu7dMliSfmVEBtrL7sBSno-", "b60d770f"},
        // Enhanced discs: the data session is left out and the audio ends 11,400 frames
        // before it. The CDDB id counts the data track and the true lead-out.
        {"documentation's enhanced disc, data track 8",
         tocOf(1, {150, 14109, 33586, 53077, 65781, 77892, 99174, 125974}, 188483, {7}),
         "BPnh1KU.hea1C.KMYWLGZkHJr0w-", nullptr},
        {"enhanced disc of ten audio tracks, data track 11",
         tocOf(1, {150, 12767, 40487, 63225, 93410, 118115, 151865, 184340, 215260, 247455, 281735}, 333801, {10}),
         "9AQWqQ0eCCwktwPPrIUIYkUw2Uo-", "9e11600b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MusicBrainzDiscId(c.toc), c.musicbrainz);
        if (c.cddb) {
            EXPECT_EQ(c.toc.discIdText(), c.cddb);
        }
        const auto t = MusicBrainzTocOf(c.toc);
        ASSERT_TRUE(t);
        EXPECT_EQ(reckoned(*t), c.musicbrainz);
    }
}

TEST(MusicBrainzDiscId, TocParameterOfAnEnhancedDiscEndsTheAudioBeforeTheDataSession)
{
    const auto t = MusicBrainzTocOf(tocOf(1, {150, 14109, 33586, 53077, 65781, 77892, 99174, 125974}, 188483, {7}));
    ASSERT_TRUE(t);
    EXPECT_EQ(t->tocParameter(), "1+7+114574+150+14109+33586+53077+65781+77892+99174");
    EXPECT_EQ(MusicBrainzTocOf(tocOf(1, kDocDisc, 95462))->tocParameter(),
              "1+6+95462+150+15363+32314+46592+63414+80489");
}

TEST(MusicBrainzDiscId, FirstTrackOtherThanOneKeepsItsNumbers)
{
    // No published id exists for such a disc: libdiscid is held to the documented
    // reckoning, and the numbers must change the id.
    const DiscToc fromThree = tocOf(3, kDocDisc, 95462);
    const auto t = MusicBrainzTocOf(fromThree);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->first, 3);
    EXPECT_EQ(t->last, 8);
    EXPECT_EQ(t->tocParameter(), "3+8+95462+150+15363+32314+46592+63414+80489");
    const QString id = MusicBrainzDiscId(fromThree);
    EXPECT_EQ(id.size(), 28);
    EXPECT_EQ(id, reckoned(*t));
    EXPECT_NE(id, "49HHV7Eb8UKF3aQiNmu1GR8vKTY-");
}

TEST(MusicBrainzDiscId, DataTrackAtTheFrontStaysInTheToc)
{
    // A mixed-mode disc: the service expects releases to start at track 1, so the data
    // track's offset is kept. Its CDDB id is a published one.
    const DiscToc mixed =
        tocOf(1, {150, 66728, 76502, 85963, 93760, 104048, 116066, 124743, 134206, 142916, 151852, 160720, 169425,
                  178731, 188459, 196711, 206354, 214845, 223686, 225746, 226384, 232668, 239447, 239931, 244989,
                  254264, 260066, 261222, 261674},
              261976, {0});
    EXPECT_EQ(mixed.discIdText(), "af0da31d");
    const auto t = MusicBrainzTocOf(mixed);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->first, 1);
    EXPECT_EQ(t->last, 29);
    EXPECT_EQ(t->leadOut, 261976);
    EXPECT_EQ(MusicBrainzDiscId(mixed), reckoned(*t));
}

TEST(MusicBrainzDiscId, NoIdWithoutAudioOrForNumbersBeyond99)
{
    EXPECT_FALSE(MusicBrainzTocOf(DiscToc{}));
    EXPECT_FALSE(MusicBrainzTocOf(tocOf(1, {150}, 40000, {0})));
    EXPECT_FALSE(MusicBrainzTocOf(tocOf(98, {150, 1000, 2000}, 40000)));
    EXPECT_EQ(MusicBrainzDiscId(DiscToc{}), QString());
    // A table of contents libdiscid refuses (offsets going back) gives no id.
    EXPECT_EQ(MusicBrainzDiscId(tocOf(1, {150, 9000, 5000}, 40000)), QString());
}
