// CDLookupAccess against the local test server, over cddbp and HTTP.
#include "CannedDiscs.h"
#include "lookup/CDLookupAccess.h"
#include "support/TestWorld.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

using namespace vinaxo;
using namespace vinaxo::test;

namespace {
struct Rig {
    explicit Rig(bool http = false, const std::vector<qint32>& disc = kThreeTracks)
        : device(TocOf(disc))
    {
        server.setHttp(http);
        ServeCannedDiscs(server);
        a.setServer(QStringLiteral("127.0.0.1"));
        a.setPort(server.port());
        if (http)
            a.setHttpPort(server.port());
        a.setUser(QStringLiteral("tester@example.org"));
        a.setTimeoutSeconds(2);
        a.setClientName(QStringLiteral("Tremalik.Vinaxo"));
        a.setClientVersion(QStringLiteral("3.1"));
        a.setMCIDevice(&device);
        a.setDriveLetter(QStringLiteral("D:"));
    }
    QStringList lines()
    {
        QStringList out;
        for (bool more = a.NextReplyLine(true); more; more = a.NextReplyLine(false))
            out.push_back(a.ReplyLine());
        return out;
    }
    CddbTestServer server;
    FakeCDAudioDevice device;
    CDLookupAccess a;
};

class BothTransports : public ::testing::TestWithParam<bool> {};
}

TEST(LookupAccess, CddbpHandshakeAtLevelSix)
{
    struct Case {
        CddbTestServer::Proto proto;
        QStringList commands;
        int level;
    };
    const QString hello = QStringLiteral("cddb hello tester example.org Tremalik.Vinaxo 3.1");
    const std::vector<Case> cases{
        {CddbTestServer::Proto::Accept201, {hello, "proto 6"}, 6},
        {CddbTestServer::Proto::Already502, {hello, "proto 6"}, 6},
        // 501: the highest level the server names is asked for instead.
        {CddbTestServer::Proto::Refuse501, {hello, "proto 6", "proto", "proto 5"}, 5},
    };
    for (const Case& c : cases) {
        Rig r;
        r.server.setProto(c.proto);
        ASSERT_TRUE(r.a.Connect()) << r.a.lastError().toStdString();
        EXPECT_TRUE(r.a.IsConnected());
        EXPECT_EQ(r.a.StatusCode(), 200);
        EXPECT_EQ(r.server.commands, c.commands);
        EXPECT_EQ(r.a.protocolLevel(), c.level);
        for (const QByteArray& raw : r.server.rawLines)
            EXPECT_TRUE(raw.endsWith("\r\n")) << raw.constData();
        EXPECT_TRUE(r.a.Disconnect());
        EXPECT_FALSE(r.a.IsConnected());
        EXPECT_EQ(r.server.commands.last(), "quit");
        EXPECT_EQ(r.a.StatusCode(), 230);
    }
}

TEST(LookupAccess, HelloWordsFromTheUserId)
{
    EXPECT_EQ(CDLookupAccess::helloWords("me@mail.example"), qMakePair(QString("me"), QString("mail.example")));
    const auto plain = CDLookupAccess::helloWords("justme");
    EXPECT_EQ(plain.first, "justme");
    EXPECT_FALSE(plain.second.isEmpty());
    EXPECT_EQ(CDLookupAccess::helloWords(" two words\r\n").first, "two_words");
    EXPECT_EQ(CDLookupAccess::helloWords("@host").first, "@host");
}

TEST_P(BothTransports, ExactMatchAndEntry)
{
    Rig r(GetParam());
    ASSERT_TRUE(r.a.Connect());
    ASSERT_TRUE(r.a.QueryDisc()) << r.a.lastError().toStdString();
    EXPECT_EQ(r.server.commands.last(), "cddb query 1b023f03 3 150 15525 34285 577");
    EXPECT_EQ(r.a.StatusCode(), 200);
    EXPECT_EQ(r.lines(), QStringList{"200 rock 1b023f03 The Band / The Album"});
    EXPECT_EQ(r.a.ReplyLine(), ""); // after the last line the current line is empty

    ASSERT_TRUE(r.a.ReadDisc("rock", kThreeId));
    EXPECT_EQ(r.a.StatusCode(), 210);
    const QStringList l = r.lines();
    ASSERT_EQ(l.size(), 15);
    EXPECT_TRUE(l.first().startsWith("210 rock 1b023f03"));
    EXPECT_EQ(l.last(), "PLAYORDER="); // the "." line is not given

    // Not UTF-8: read as Latin-1.
    r.server.misbehaveOn(QStringLiteral("cddb read"), CddbTestServer::Fault::Binary);
    ASSERT_TRUE(r.a.ReadDisc("rock", kThreeId));
    EXPECT_EQ(r.lines().value(1), QString::fromUtf8("DTITLE=Café / Crème"));
    EXPECT_TRUE(r.a.Disconnect());
}

TEST_P(BothTransports, ReplyCodesOfQueriesAndReads)
{
    struct Case {
        std::vector<qint32> disc;
        int code;
        int lines;
    };
    const std::vector<Case> cases{
        {kCloseTracks, 211, 5}, {kSeveralTracks, 210, 3}, {kUnknownTracks, 202, 1}, {kUnreadableTracks, 200, 1}};
    for (const Case& c : cases) {
        Rig r(GetParam(), c.disc);
        ASSERT_TRUE(r.a.Connect());
        ASSERT_TRUE(r.a.QueryDisc());
        EXPECT_EQ(r.a.StatusCode(), c.code);
        EXPECT_EQ(r.lines().size(), c.lines);
    }
    Rig r(GetParam());
    ASSERT_TRUE(r.a.Connect());
    ASSERT_TRUE(r.a.ReadDisc("blues", "ffffffff"));
    EXPECT_EQ(r.a.StatusCode(), 401);
    // A category or disc id that would smuggle a second command is refused unsent.
    const int sent = int(r.server.commands.size());
    EXPECT_FALSE(r.a.ReadDisc("rock\r\nquit", kThreeId));
    EXPECT_FALSE(r.a.ReadDisc("rock", ""));
    EXPECT_EQ(r.server.commands.size(), sent);
}

TEST_P(BothTransports, MisbehavingServersEndCleanlyWithinTheTimeout)
{
    using F = CddbTestServer::Fault;
    struct Case {
        F fault;
        bool cddbpOk, httpOk;
    };
    // A reply cut off by the server closing is a whole reply over HTTP (its end is the end
    // of the body), a broken one over cddbp.
    const std::vector<Case> cases{
        {F::Silent, false, false}, {F::Garbage, false, false}, {F::CutOff, false, true},
        {F::Huge, false, false},   {F::Endless, false, false}, {F::LongLine, false, false},
        {F::Trickle, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.fault));
        Rig r(GetParam());
        r.a.setTimeoutSeconds(1);
        r.server.misbehaveOn(QStringLiteral("cddb query"), c.fault);
        ASSERT_TRUE(r.a.Connect());
        QElapsedTimer t;
        t.start();
        const bool ok = r.a.QueryDisc();
        EXPECT_EQ(ok, GetParam() ? c.httpOk : c.cddbpOk);
        EXPECT_LT(t.elapsed(), 2000);
        // Memory stays bounded: nothing beyond the caps was kept.
        EXPECT_LE(r.a.replyLines().size(), CDLookupAccess::MaxReplyLines);
        qint64 bytes = 0;
        for (const QString& l : r.a.replyLines())
            bytes += l.size();
        EXPECT_LE(bytes, CDLookupAccess::MaxReplyBytes);
        EXPECT_TRUE(ok || !r.a.lastError().isEmpty());
        EXPECT_TRUE(r.a.Disconnect());
    }
}

TEST_P(BothTransports, SiteListIsWrittenInTheSevenFieldForm)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("sub/CDInfosite.txt");
    Rig r(GetParam());
    ASSERT_TRUE(r.a.Connect());
    ASSERT_TRUE(r.a.FetchSiteList(file));
    const QByteArray fetched = "gnudb.gnudb.org cddbp 8880 - N000.00 W000.00 Random gnudb server\n"
                               "gnudb.gnudb.org http 80 /~cddb/cddb.cgi N000.00 W000.00 Random gnudb server\n"
                               "old.example cddbp 888 - N000.00 W000.00 Old style\n";
    EXPECT_EQ(test::readFile(file), fetched);
    // A server without a list leaves the file as it was.
    r.server.setSitesCode(401);
    ASSERT_TRUE(r.a.FetchSiteList(file));
    EXPECT_EQ(r.a.StatusCode(), 401);
    EXPECT_EQ(test::readFile(file), fetched);
}

INSTANTIATE_TEST_SUITE_P(Lookup, BothTransports, ::testing::Values(false, true),
                         [](const auto& p) { return p.param ? "HTTP" : "cddbp"; });

TEST(LookupAccess, HttpRequestsKeepTheirParameterOrderAndPath)
{
    for (const char* path : {"", "-", "/cgi/cddb.cgi"}) {
        Rig r(true);
        r.a.setAdditionalAddress(QString::fromLatin1(path));
        ASSERT_TRUE(r.a.Connect());
        ASSERT_TRUE(r.a.QueryDisc());
        EXPECT_EQ(r.server.httpParameterOrder.value(0), (QStringList{"cmd", "hello", "proto"}));
        EXPECT_EQ(r.server.lastHttpParameters.value("hello"), "tester example.org Tremalik.Vinaxo 3.1");
        EXPECT_EQ(r.server.lastHttpParameters.value("proto"), "6");
        const QByteArray want = QByteArray("GET ") + (*path && strcmp(path, "-") ? path : "/~cddb/cddb.cgi")
            + "?cmd=cddb+query+1b023f03+3+150+15525+34285+577&hello=tester+example.org+Tremalik.Vinaxo+3.1&proto=6 "
              "HTTP/1.0";
        EXPECT_EQ(r.server.rawLines.value(0), want);
    }
}

TEST(LookupAccess, HttpStopsAtTheDotLineWithoutWaitingForTheServerToClose)
{
    Rig r(true, kCloseTracks);
    r.server.setHttpKeepOpen(true);
    r.a.setTimeoutSeconds(5);
    ASSERT_TRUE(r.a.Connect());
    QElapsedTimer t;
    t.start();
    ASSERT_TRUE(r.a.QueryDisc());
    EXPECT_EQ(r.a.StatusCode(), 211);
    ASSERT_TRUE(r.a.ReadDisc("rock", kThreeId)); // and a one-line exchange
    EXPECT_LT(t.elapsed(), 2000);
    EXPECT_EQ(r.server.connections, 2);
}

TEST(LookupAccess, AnHttpErrorIsNoReply)
{
    Rig r(true);
    r.server.setHttpStatus(404);
    ASSERT_TRUE(r.a.Connect());
    EXPECT_FALSE(r.a.QueryDisc());
    EXPECT_TRUE(r.a.lastError().contains("404")) << r.a.lastError().toStdString();
    EXPECT_EQ(r.a.StatusCode(), 0);
}

TEST(LookupAccess, ConnectionsThatFail)
{
    struct Case {
        const char* name;
        std::function<void(Rig&)> setup;
        const char* error = ""; // a part of the error text
    };
    const std::vector<Case> cases{
        {"refused", [](Rig& r) { r.a.setPort(UnusedPort()); }},
        {"silent", [](Rig& r) { r.server.setGreeting(CddbTestServer::Greeting::Silent); }},
        {"refusing", [](Rig& r) { r.server.setGreeting(CddbTestServer::Greeting::Refuse); }},
        // Unanswered, the level command would leave every later reply out of step.
        {"level unanswered", [](Rig& r) { r.server.misbehaveOn("proto", CddbTestServer::Fault::Silent); }},
        {"handshake refused",
         [](Rig& r) { r.server.setHelloReply("431 Handshake not successful, closing connection."); }, "431"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig r;
        r.a.setTimeoutSeconds(1);
        c.setup(r);
        QElapsedTimer t;
        t.start();
        EXPECT_FALSE(r.a.Connect());
        EXPECT_LT(t.elapsed(), 2000); // the time-out plus a second at most
        EXPECT_FALSE(r.a.IsConnected());
        EXPECT_FALSE(r.a.lastError().isEmpty());
        EXPECT_TRUE(r.a.lastError().contains(c.error)) << r.a.lastError().toStdString();
        EXPECT_TRUE(r.a.Disconnect()); // nothing open: closing is no error
    }
}

TEST(LookupAccess, QueryWithoutADiscSendsNothing)
{
    Rig r;
    ASSERT_TRUE(r.a.Connect());
    const auto sent = r.server.commands.size();
    r.device.result = CDOpenResult::NoDisc;
    EXPECT_FALSE(r.a.QueryDisc());
    EXPECT_EQ(r.a.lastError(), CDOpenResultText(CDOpenResult::NoDisc));
    r.a.setMCIDevice(nullptr);
    EXPECT_FALSE(r.a.QueryDisc());
    EXPECT_EQ(r.server.commands.size(), sent);
    EXPECT_EQ(r.device.lastPath, "D:");
}

TEST(LookupAccess, AbortEndsAWaitAtOnceAndEventsAreServedMeanwhile)
{
    Rig r;
    r.a.setTimeoutSeconds(30);
    r.server.misbehaveOn(QStringLiteral("cddb query"), CddbTestServer::Fault::Silent);
    ASSERT_TRUE(r.a.Connect());
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(50);
    QTimer::singleShot(500, &r.a, &CDLookupAccess::abort);
    QElapsedTimer t;
    t.start();
    EXPECT_FALSE(r.a.QueryDisc());
    EXPECT_LT(t.elapsed(), 2000);
    EXPECT_EQ(r.a.lastError(), "cancelled");
    EXPECT_GE(ticks, 5); // the window would have stayed responsive
}
