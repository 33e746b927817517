// Reading the web service's disc replies and mapping a medium to the recording the
// lookup fills; the replies are written here from the documented JSON format.
#include "MusicBrainzReplies.h"
#include "lookup/MusicBrainzReply.h"
#include "support/TestWorld.h"

using namespace vinaxo;
using namespace vinaxo::test;

namespace {
const QString kDisc = QStringLiteral("49HHV7Eb8UKF3aQiNmu1GR8vKTY-");
const QString kOther = QStringLiteral("xUp1F2NkfP8s8jaeFn_Av3jNEI4-");

MbReleaseSpec twoDiscs()
{
    MbReleaseSpec r;
    r.id = QStringLiteral("d1f3c1a4-0000-4000-8000-000000000002");
    r.title = QStringLiteral("Double");
    r.date = QStringLiteral("1999-05");
    r.country = QStringLiteral("US");
    r.credit = {{QStringLiteral("Ann"), QStringLiteral(" & ")}, {QStringLiteral("Bob"), QString()}};
    r.labels = {{QString(), QStringLiteral("[none]")}, {QStringLiteral("Big Label"), QStringLiteral("BL-2")}};
    r.media = {MbMediumSpec{1, QString(), QStringLiteral("CD"), {kOther}, {{"One", 60000}, {"Two", 61000}}},
               MbMediumSpec{2, QString(), QStringLiteral("CD"), {kDisc}, {{"Three", 205499}, {"Four", 205500}}}};
    return r;
}
}

TEST(MusicBrainzReply, SingleReleaseMapsToTheRecording)
{
    MbReleaseSpec r = ReleaseOf(3, kDisc);
    r.credit = {{QStringLiteral("Singer"), QStringLiteral(" feat. ")}, {QStringLiteral("Guest"), QString()}};
    r.media[0].tracks[1].lengthMs = -1; // the reply knows no length: the disc's own time
    const MbDiscReply reply = ParseDiscReply(DiscReplyJson(kDisc, {r}), kDisc, 3);
    ASSERT_TRUE(reply.ok) << reply.error.toStdString();
    EXPECT_FALSE(reply.fuzzy);
    ASSERT_EQ(reply.candidates.size(), 1u);

    DiscToc disc;
    disc.tracks = {{1, 150, true}, {2, 150 + 13500, true}, {3, 150 + 13500 + 15074, true}};
    disc.leadOut = 150 + 13500 + 15074 + 9000;
    const LookupRecording rec = MapCandidate(reply.candidates[0], &disc);
    EXPECT_EQ(rec.title, "Long Player");
    EXPECT_EQ(rec.artist, "Singer feat. Guest");
    EXPECT_EQ(rec.year, "2001");
    EXPECT_EQ(rec.label, "Label");
    EXPECT_EQ(rec.catalogNumber, "LBL 1");
    EXPECT_EQ(rec.category, QString());
    EXPECT_EQ(rec.releaseId, r.id);
    EXPECT_EQ(rec.tracks, QStringList({"Track number 1", "Track number 2", "Track number 3"}));
    // 181 s and 183 s from the reply; 15,074 frames on the disc are 200.98 s: shown as
    // the disc's times are shown elsewhere, 03:20.
    EXPECT_EQ(rec.times, QStringList({"03:01", "03:20", "03:03"}));
}

TEST(MusicBrainzReply, SecondMediumOfATwoDiscReleaseIsTheOneAskedFor)
{
    const MbDiscReply reply = ParseDiscReply(DiscReplyJson(kDisc, {twoDiscs()}), kDisc, 2);
    ASSERT_TRUE(reply.ok);
    ASSERT_EQ(reply.candidates.size(), 1u);
    const MbCandidate& c = reply.candidates[0];
    EXPECT_EQ(c.mediumPosition, 2);
    EXPECT_EQ(c.mediumCount, 2);
    // The first label-info that names something: a null label with "[none]" is skipped.
    EXPECT_EQ(c.label, "Big Label");
    EXPECT_EQ(CandidateSummary(c), "US, 1999, Big Label, CD, disc 2 of 2");
    const LookupRecording rec = MapCandidate(c, nullptr);
    EXPECT_EQ(rec.title, "Double (disc 2)");
    EXPECT_EQ(rec.artist, "Ann & Bob");
    // 205.499 s rounds down, 205.5 s up.
    EXPECT_EQ(rec.times, QStringList({"03:25", "03:26"}));

    MbReleaseSpec titled = twoDiscs();
    titled.media[1].title = QStringLiteral("Live Extras");
    const MbDiscReply t = ParseDiscReply(DiscReplyJson(kDisc, {titled}), kDisc, 2);
    EXPECT_EQ(MapCandidate(t.candidates.at(0), nullptr).title, "Double (Live Extras)");
}

TEST(MusicBrainzReply, SeveralReleasesAndFuzzyListsGiveACandidateEach)
{
    MbReleaseSpec a = ReleaseOf(2, kDisc);
    MbReleaseSpec b = twoDiscs();
    b.media[0].discIds.clear();
    b.media[1].discIds.clear();
    b.media[1].tracks.push_back({"Five", 1000});
    const MbDiscReply several = ParseDiscReply(DiscReplyJson(kDisc, {a, ReleaseOf(2, kDisc)}), kDisc, 2);
    EXPECT_EQ(several.candidates.size(), 2u);

    // By table of contents: no medium holds the id; the media with as many tracks as the
    // disc are taken (of the two-disc release, the first medium only).
    const MbDiscReply fuzzy = ParseDiscReply(DiscReplyJson(QString(), {a, b}), kDisc, 2);
    ASSERT_TRUE(fuzzy.ok);
    EXPECT_TRUE(fuzzy.fuzzy);
    ASSERT_EQ(fuzzy.candidates.size(), 2u);
    EXPECT_EQ(fuzzy.candidates[1].title, "Double");
    EXPECT_EQ(fuzzy.candidates[1].mediumPosition, 1);
    // No medium fits: every medium is offered.
    EXPECT_EQ(ParseDiscReply(DiscReplyJson(QString(), {b}), kDisc, 7).candidates.size(), 2u);
}

TEST(MusicBrainzReply, ErrorsAndBrokenReplies)
{
    struct Case {
        QByteArray json;
        const char* error;
    };
    const std::vector<Case> cases{
        {R"({"error":"Invalid discid.","help":"For usage, please see the documentation."})", "Invalid discid."},
        {R"({"releases":[{"title":"cut off)", "the reply is not a JSON object"},
        {"[1,2,3]", "the reply is not a JSON object"},
        {"", "the reply is not a JSON object"},
        {R"({"id":"x","title":"a stub","tracks":[]})", "the reply lists no releases"},
    };
    for (const Case& c : cases) {
        const MbDiscReply r = ParseDiscReply(c.json, kDisc, 1);
        EXPECT_FALSE(r.ok) << c.json.constData();
        EXPECT_EQ(r.error, c.error);
        EXPECT_TRUE(r.candidates.empty());
    }
    // Values of the wrong kind read as absent, not as failures.
    const MbDiscReply odd = ParseDiscReply(
        R"({"releases":[{"title":5,"date":null,"media":[{"position":"x","tracks":[{"title":null,"length":"long"},{"length":-5}]}]}]})",
        kDisc, 2);
    ASSERT_TRUE(odd.ok);
    ASSERT_EQ(odd.candidates.size(), 1u);
    EXPECT_EQ(odd.candidates[0].title, QString());
    EXPECT_EQ(odd.candidates[0].mediumPosition, 1);
    const LookupRecording rec = MapCandidate(odd.candidates[0], nullptr);
    EXPECT_EQ(rec.times, QStringList({QString(), QString()}));
}

TEST(MusicBrainzReply, NoMediumMakesMoreThan99Tracks)
{
    const MbDiscReply r = ParseDiscReply(DiscReplyJson(kDisc, {ReleaseOf(150, kDisc)}), kDisc, 99);
    ASSERT_EQ(r.candidates.size(), 1u);
    EXPECT_EQ(r.candidates[0].tracks.size(), 99u);
}

TEST(MusicBrainzReply, YearOfADate)
{
    const std::vector<std::pair<QString, QString>> cases{
        {"1999-05-03", "1999"}, {"1999", "1999"}, {"1999-05", "1999"}, {"", ""}, {"199", ""},
        {"19x9", ""}, {"19990", ""}, {"\u0661\u0669\u0669\u0669", ""}};
    for (const auto& [date, year] : cases)
        EXPECT_EQ(YearOf(date), year) << date.toStdString();
}
