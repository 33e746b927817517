// The MusicBrainz client against its local server. Spacing, the 503 wait and time-outs
// run on the test's clock: the test moves it and never sleeps.
#include "FakeClock.h"
#include "MusicBrainzReplies.h"
#include "MusicBrainzTestServer.h"
#include "lookup/MusicBrainzClient.h"
#include "support/TestWorld.h"

#include <QCoreApplication>
#include <QElapsedTimer>

using namespace vinaxo;
using namespace vinaxo::test;

namespace {
const QString kDisc = QStringLiteral("49HHV7Eb8UKF3aQiNmu1GR8vKTY-");
const QString kPath = QStringLiteral("/ws/2/discid/") + kDisc;

// Runs the event loop until pred holds; the bound only keeps a broken test from hanging.
template <class Pred>
bool spinUntil(Pred pred)
{
    QElapsedTimer t;
    t.start();
    while (!pred() && t.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return pred();
}

struct Fixture {
    FakeClock clock;
    MusicBrainzTestServer server{clock};
    MusicBrainzClient client{clock};
    int finished = 0;

    Fixture()
    {
        client.setServer(server.base());
        client.setCoverServer(server.base());
        client.setTimeoutSeconds(5);
        QObject::connect(&client, &MusicBrainzClient::lookupFinished, [this] { ++finished; });
        QObject::connect(&client, &MusicBrainzClient::coverFinished, [this] { ++finished; });
    }
    // One lookup of kDisc, run to its end without moving the clock.
    const MbResult& lookup()
    {
        const int before = finished;
        EXPECT_TRUE(client.lookupDisc(kDisc, QStringLiteral("1+6+95462+150"), 2));
        EXPECT_TRUE(spinUntil([&] { return finished > before; }));
        return client.result();
    }
};
}

TEST(MusicBrainzClient, RequestCarriesTheServiceParametersAndUserAgent)
{
    Fixture f;
    f.server.serve(kPath, {MusicBrainzTestServer::json(200, DiscReplyJson(kDisc, {ReleaseOf(2, kDisc)}))});
    EXPECT_EQ(f.lookup().outcome, MbOutcome::Found);
    ASSERT_EQ(f.server.requests.size(), 1);
    const auto& req = f.server.requests[0];
    EXPECT_EQ(req.path, kPath);
    EXPECT_EQ(req.query.queryItemValue("inc", QUrl::FullyEncoded), "recordings+artist-credits+labels");
    EXPECT_EQ(req.query.queryItemValue("fmt"), "json");
    EXPECT_EQ(req.query.queryItemValue("toc", QUrl::FullyEncoded), "1+6+95462+150");
    EXPECT_EQ(req.query.queryItemValue("cdstubs"), "no");
    EXPECT_EQ(req.userAgent, MusicBrainzClient::userAgent().toLatin1());
    EXPECT_TRUE(req.userAgent.startsWith("Vinaxo/3.1 ( ")) << req.userAgent.constData();
    EXPECT_TRUE(req.userAgent.endsWith(" )"));
}

TEST(MusicBrainzClient, RepliesAndWhatTheyBecome)
{
    using Body = MusicBrainzTestServer::Body;
    const QByteArray tenMegabytes = "{\"releases\":[" + QByteArray(10 * 1024 * 1024, ' ') + "]}";
    struct Case {
        const char* name;
        MusicBrainzTestServer::Response response;
        MbOutcome outcome;
        std::size_t candidates;
    };
    // Which candidates a reply gives is ParseDiscReply's (MusicBrainzReply); here, the outcome.
    const std::vector<Case> cases{
        {"single release", {200, DiscReplyJson(kDisc, {ReleaseOf(2, kDisc)})}, MbOutcome::Found, 1},
        {"empty fuzzy list", {200, DiscReplyJson(QString(), {})}, MbOutcome::NoMatch, 0},
        {"404", {404, R"({"error":"Not Found"})"}, MbOutcome::NoMatch, 0},
        {"400", {400, R"({"error":"Invalid discid."})"}, MbOutcome::BadDiscId, 0},
        {"500", {500, "oops", "text/plain"}, MbOutcome::ServerError, 0},
        {"malformed JSON", {200, R"({"releases":[{"title":)"}, MbOutcome::Malformed, 0},
        {"10 MB with its length", {200, tenMegabytes}, MbOutcome::TooLarge, 0},
        {"10 MB without a length", {200, tenMegabytes, "application/json", {}, Body::NoLength}, MbOutcome::TooLarge, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        f.server.serve(kPath, {c.response});
        const MbResult& r = f.lookup();
        EXPECT_EQ(r.outcome, c.outcome) << r.message.toStdString();
        EXPECT_EQ(r.candidates.size(), c.candidates);
        EXPECT_FALSE(r.message.isEmpty());
        EXPECT_FALSE(f.client.isBusy());
    }
}

TEST(MusicBrainzClient, SecondRequestWaitsASecondOnTheClock)
{
    Fixture f;
    f.server.serve(kPath, {MusicBrainzTestServer::json(200, DiscReplyJson(kDisc, {ReleaseOf(2, kDisc)}))});
    f.lookup();
    f.clock.advance(400);
    ASSERT_TRUE(f.client.lookupDisc(kDisc, QString(), 2));
    EXPECT_TRUE(f.client.isBusy());
    // Nothing goes out while the clock stands still, however long the loop runs.
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_EQ(f.server.requests.size(), 1);
    f.clock.advance(599);
    EXPECT_EQ(f.server.requests.size(), 1);
    f.clock.advance(1);
    ASSERT_TRUE(spinUntil([&] { return f.finished == 2; }));
    ASSERT_EQ(f.server.requests.size(), 2);
    EXPECT_GE(f.server.requests[1].at - f.server.requests[0].at, MusicBrainzClient::MinSpacingMs);
    EXPECT_EQ(f.client.result().outcome, MbOutcome::Found);
}

TEST(MusicBrainzClient, Busy503IsWaitedOutOnceThenReported)
{
    for (const bool recovers : {true, false}) {
        SCOPED_TRACE(recovers ? "503 then success" : "503 twice");
        Fixture f;
        QList<MusicBrainzTestServer::Response> answers{{503, "", "text/plain", {{"Retry-After", "2"}}}};
        answers << (recovers ? MusicBrainzTestServer::json(200, DiscReplyJson(kDisc, {ReleaseOf(2, kDisc)}))
                             : MusicBrainzTestServer::Response{503, "", "text/plain"});
        f.server.serve(kPath, answers);
        ASSERT_TRUE(f.client.lookupDisc(kDisc, QString(), 2));
        // The 503 has come back when the only wait left is the two seconds asked for.
        ASSERT_TRUE(spinUntil([&] { return f.clock.pending() == 1 && f.clock.nextDue() == f.clock.nowMs() + 2000; }));
        EXPECT_EQ(f.server.requests.size(), 1);
        EXPECT_EQ(f.finished, 0);
        f.clock.advance(1999); // Retry-After: 2 seconds
        EXPECT_EQ(f.server.requests.size(), 1);
        f.clock.advance(1);
        ASSERT_TRUE(spinUntil([&] { return f.finished == 1; }));
        EXPECT_EQ(f.server.requests.size(), 2);
        EXPECT_EQ(f.server.requests[1].at - f.server.requests[0].at, 2000);
        EXPECT_EQ(f.client.result().outcome, recovers ? MbOutcome::Found : MbOutcome::Busy);
    }
}

TEST(MusicBrainzClient, ReplyThatNeverEndsTimesOutOnTheClock)
{
    Fixture f;
    f.server.serve(kPath, {{200, "{\"releases\":[", "application/json", {}, MusicBrainzTestServer::Body::Endless}});
    ASSERT_TRUE(f.client.lookupDisc(kDisc, QString(), 2));
    ASSERT_TRUE(spinUntil([&] { return f.server.requests.size() == 1; }));
    f.clock.advance(4999);
    EXPECT_EQ(f.finished, 0);
    f.clock.advance(1);
    EXPECT_EQ(f.finished, 1);
    EXPECT_EQ(f.client.result().outcome, MbOutcome::TimedOut);
    EXPECT_EQ(f.client.result().message, QStringLiteral("No answer from 127.0.0.1 within 5 seconds."));
}

TEST(MusicBrainzClient, CancelEndsTheWaitAndTheTransfer)
{
    Fixture f;
    f.server.serve(kPath, {{200, "{", "application/json", {}, MusicBrainzTestServer::Body::Endless}});
    ASSERT_TRUE(f.client.lookupDisc(kDisc, QString(), 2));
    ASSERT_TRUE(spinUntil([&] { return f.server.requests.size() == 1; }));
    EXPECT_FALSE(f.client.lookupDisc(kDisc, QString(), 2)); // one at a time
    f.client.cancel();
    EXPECT_EQ(f.finished, 1);
    EXPECT_EQ(f.client.result().outcome, MbOutcome::Cancelled);
    // Cancelled while waiting for its turn: the request never goes out.
    ASSERT_TRUE(f.client.lookupDisc(kDisc, QString(), 2));
    f.client.cancel();
    EXPECT_EQ(f.finished, 2);
    EXPECT_EQ(f.clock.pending(), 0u);
    f.clock.advance(5000);
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_EQ(f.server.requests.size(), 1);
}

TEST(MusicBrainzClient, CoverFollowsTheRedirectAndMissingCoverIsQuiet)
{
    Fixture f;
    const QString release = QStringLiteral("5b11f4ce-a62d-471e-81fc-a69a8278c7da");
    const QByteArray jpeg = QByteArray("\xff\xd8\xff\xe0") + QByteArray(3000, 'j');
    f.server.serve("/release/" + release + "/front-500",
                   {{307, "", "text/plain", {{"Location", (f.server.base() + "/images/front.jpg").toLatin1()}}}});
    f.server.serve("/images/front.jpg", {{200, jpeg, "image/jpeg"}});
    EXPECT_EQ(f.client.coverUrl(release).toString(), f.server.base() + "/release/" + release + "/front-500");
    ASSERT_TRUE(f.client.fetchCover(release));
    ASSERT_TRUE(spinUntil([&] { return f.finished == 1; }));
    EXPECT_EQ(f.client.result().outcome, MbOutcome::Found);
    EXPECT_EQ(f.client.result().image, jpeg);
    EXPECT_EQ(f.client.result().mimeType, "image/jpeg");

    ASSERT_TRUE(f.client.fetchCover(QStringLiteral("no-such-release")));
    ASSERT_TRUE(spinUntil([&] { return f.finished == 2; }));
    EXPECT_EQ(f.client.result().outcome, MbOutcome::NoMatch);
    EXPECT_EQ(f.client.result().message, QStringLiteral("No cover image for this release."));
}

TEST(MusicBrainzClient, NoServerIsANetworkErrorAndABadAddressIsSaidSo)
{
    Fixture f;
    f.client.setServer(QStringLiteral("http://127.0.0.1:1"));
    EXPECT_EQ(f.lookup().outcome, MbOutcome::NetworkError);
    f.client.setServer(QStringLiteral("ftp://example.org"));
    f.clock.advance(1000);
    EXPECT_EQ(f.lookup().outcome, MbOutcome::NetworkError);
    EXPECT_TRUE(f.client.result().message.contains("not an http or https address"));
}

TEST(MusicBrainzClient, SettingsComeFromTheLookupSection)
{
    TestWorld w;
    MusicBrainzSettings s = MusicBrainzSettings::read(w.config());
    EXPECT_EQ(s.server, "https://musicbrainz.org");
    EXPECT_EQ(s.coverServer, "https://coverartarchive.org");
    EXPECT_EQ(s.timeoutSeconds, 15);
    w.config().setExtraValue("CDInternetLookup", "MusicBrainzServer", "http://127.0.0.1:5000/");
    w.config().setExtraValue("CDInternetLookup", "CoverArtServer", "http://127.0.0.1:5001");
    w.config().setTimeout("7");
    s = MusicBrainzSettings::read(w.config());
    FakeClock clock;
    MusicBrainzClient c(clock);
    c.apply(s);
    EXPECT_EQ(c.discUrl(kDisc, QString()).toString(),
              "http://127.0.0.1:5000/ws/2/discid/" + kDisc
                  + "?inc=recordings+artist-credits+labels&fmt=json&cdstubs=no");
    EXPECT_EQ(s.timeoutSeconds, 7);
}
