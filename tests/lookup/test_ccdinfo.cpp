// CCDInfo: every path of search, read and site list, with its status and message texts.
#include "CannedDiscs.h"
#include "lookup/CCDInfo.h"
#include "support/TestWorld.h"

#include <QElapsedTimer>
#include <QFile>
#include <functional>

using namespace vinaxo;
using namespace vinaxo::test;

namespace {
const QString kConnectError = QStringLiteral(
    "Unable to connect to the Internet CD Lookup database.  Please verify your Internet connection and try "
    "again.  If the problem persists, you may want to try a different Internet server or switch Internet "
    "protocols. ");
const QString kSearchError = QStringLiteral(
    "Unable to search the Internet CD Lookup database or unable to read your CD.  Please verify your Internet "
    "connection and your CD drive and try again.  If the problem persists, you may want to try a different "
    "Internet server or switch Internet protocols. ");
const QString kReadError = QStringLiteral(
    "Unable to read from the CDInfo database.  Please verify your internet connection and try again.  If the "
    "problem persists, you may want to try a different Internet server or switch Internet protocols. ");
const QString kUserIdMissing = QStringLiteral(
    "You must identify yourself with a User ID.  The ID is simply your first or last name or another "
    "identifier.  No spaces are allowed in the User ID.  Select the Configuration option to set this ID.");

const QStringList kCreated{"Now Creating CD Lookup Access Object", "CD Lookup Access Object created"};
const QStringList kConnected{"Now connecting to the Internet", "Connected to the Internet"};
const QStringList kDisconnected{"Disconnecting from the Internet", "Disconnected from the Internet"};

struct InfoRig {
    explicit InfoRig(bool http = false, const std::vector<qint32>& disc = kThreeTracks, bool shippedList = true,
                     bool configure = true)
        : device(TocOf(disc))
    {
        server.setHttp(http);
        ServeCannedDiscs(server);
        if (configure) {
            w.config().setSiteAddress(QStringLiteral("127.0.0.1"));
            w.config().setSitePort(QString::number(server.port()));
            w.config().setUserID(QStringLiteral("tester@example.org"));
            w.config().setTimeout(QStringLiteral("2"));
        }
        if (shippedList)
            WriteFile(files().shipped, "shipped.example cddbp 8880 - N000.00 W000.00 Shipped list\n");
        info = std::make_unique<CCDInfo>(w.config(), w.messages, files());
        if (http)
            info->setHttpPort(server.port());
        QObject::connect(info.get(), &CCDInfo::OnStatusChange, [this](const QString& s) { statuses << s; });
        info->setMCIControl(&device);
        info->Initialize();
    }
    CCDInfo::SiteListFiles files() const
    {
        return {dir.filePath(QStringLiteral("user/Vinaxo/CDInfosite.txt")),
                dir.filePath(QStringLiteral("app/CDInfosite.txt"))};
    }
    // Another component on the same settings and files.
    std::unique_ptr<CCDInfo> fresh()
    {
        auto c = std::make_unique<CCDInfo>(w.config(), w.messages, files());
        c->Initialize();
        return c;
    }
    // Statuses and messages from here on.
    void reset()
    {
        statuses.clear();
        w.messages.clear();
    }

    QTemporaryDir dir;
    TestWorld w;
    CddbTestServer server;
    FakeCDAudioDevice device;
    std::unique_ptr<CCDInfo> info;
    QStringList statuses;
};

class OverEither : public ::testing::TestWithParam<bool> {};
}

TEST(CDInfo, CreationTakesTheStoredSettingsAndSiteList)
{
    InfoRig r;
    EXPECT_EQ(r.statuses, kCreated);
    EXPECT_EQ(r.info->Message(), "CD Lookup Access Object created");
    EXPECT_EQ(r.info->SitePort(), QString::number(r.server.port()));
    EXPECT_EQ(r.info->UserID(), "tester@example.org");
    EXPECT_EQ(r.info->Timeout(), 2);
    EXPECT_TRUE(r.info->ConfigurationSet());
    EXPECT_TRUE(r.info->GotSiteList());
    EXPECT_EQ(r.info->CDInfoSites(), QStringList{"shipped.example 8880 - Shipped list"});
    EXPECT_EQ(r.w.messages.count(), 0u);

    // A fetched list comes before the shipped one; one without a usable line is no list.
    for (const auto& [text, sites] : std::vector<std::pair<QByteArray, QStringList>>{
             {"fetched.example cddbp 8880 - N W Fetched\nbad line\n", {"fetched.example 8880 - Fetched"}},
             {"nonsense\n\n", {}}}) {
        WriteFile(r.files().user, text);
        const auto c = r.fresh();
        EXPECT_EQ(c->CDInfoSites(), sites);
        EXPECT_EQ(c->GotSiteList(), !sites.isEmpty());
    }
}

TEST(CDInfo, CreationWithoutSettingsOrSiteList)
{
    InfoRig r(false, kThreeTracks, /*shippedList*/ false, /*configure*/ false);
    EXPECT_EQ(r.info->Timeout(), 15);
    EXPECT_FALSE(r.info->ConfigurationSet());
    EXPECT_FALSE(r.info->GotSiteList());
    EXPECT_EQ(r.info->CDInfoSites(), QStringList{"gnudb.gnudb.org 8880 N000.00 W000.00 Random freedb server"});
    ASSERT_EQ(r.w.messages.count(), 1u);
    EXPECT_EQ(r.w.messages.last().text, "Internet CD Info (freeDB) site list not found.  Please download a new list");
    EXPECT_EQ(r.w.messages.last().title, "Warning");

    // ConfigurationSet wants all four, a time-out other than 0 among them, and is fixed at creation.
    r.w.config().setSiteAddress("h");
    r.w.config().setSitePort("8880");
    r.w.config().setUserID("u");
    for (const char* timeout : {"0", "5"}) {
        r.w.config().setTimeout(timeout);
        const auto c = r.fresh();
        const bool set = timeout[0] != '0';
        EXPECT_EQ(c->ConfigurationSet(), set) << timeout;
        c->setUserID("");
        EXPECT_EQ(c->ConfigurationSet(), set) << timeout;
    }
}

TEST_P(OverEither, ExactMatchIsReadAndParsed)
{
    InfoRig r(GetParam());
    r.reset();
    r.info->SearchForCD();
    EXPECT_EQ(r.info->LookupStatus(), 2);
    EXPECT_EQ(r.info->Artist(), "The Band");
    EXPECT_EQ(r.info->Title(), "The Album");
    EXPECT_EQ(r.info->Year(), "1999");
    EXPECT_EQ(r.info->Category(), "Rock"); // "DGENRE" over the match line's "rock"
    EXPECT_EQ(r.info->Description(), "Notes");
    EXPECT_EQ(r.info->TrackList(), (QStringList{"Opening", "The Long and Winding Road", "Closing"}));
    EXPECT_EQ(r.info->TrackExtension(), (QStringList{"", "About two", ""}));
    EXPECT_EQ(r.statuses, (kConnected + QStringList{"Searching for the CD", "Exact match found - retrieving CD information",
                                                   "Retrieving CD information"}
                  + kDisconnected + QStringList{"CD information retrieved"} + kDisconnected + QStringList{""}));
    EXPECT_EQ(r.info->Message(), "");
    EXPECT_EQ(r.w.messages.count(), 0u);
    EXPECT_EQ(r.device.lastPath, "D:"); // the stored drive
    EXPECT_FALSE(r.info->access()->IsConnected());
}

// Regression: matches were keyed by disc id alone, so a disc id listed in a second
// category vanished and that disc could never be chosen.
TEST_P(OverEither, CloseMatchesAreListedOncePerCategoryAndDiscId)
{
    InfoRig r(GetParam(), kCloseTracks);
    r.reset();
    r.info->SearchForCD();
    EXPECT_EQ(r.info->LookupStatus(), 3);
    const auto& ids = r.info->QueryDiscID();
    ASSERT_EQ(ids.size(), 3);
    const QStringList keys{ids.keyAt(0), ids.keyAt(1), ids.keyAt(2)};
    EXPECT_EQ(keys, (QStringList{"rock aa000001", "jazz aa000002", "misc aa000001"}));
    EXPECT_EQ(ids.at(2), "aa000001");
    EXPECT_EQ(*r.info->QueryName().find("rock aa000001"), "First / Match"); // the repeated line left out
    EXPECT_EQ(*r.info->QueryName().find("misc aa000001"), "First Again / Same Id");
    EXPECT_EQ(*r.info->QueryCategory().find("misc aa000001"), "misc");
    EXPECT_EQ(*r.info->QueryCategory().find("jazz aa000002"), "jazz");
    EXPECT_EQ(r.info->Message(), "Exact match not found - please select one of the titles.");
    EXPECT_EQ(r.statuses.mid(r.statuses.size() - 3, 2), kDisconnected);

    r.reset();
    r.info->ReadCD("jazz", "aa000002");
    EXPECT_EQ(r.info->LookupStatus(), 2);
    EXPECT_EQ(r.info->Category(), "jazz"); // a "DGENRE" of spaces keeps it
    EXPECT_EQ(r.info->Title(), "Match");
    EXPECT_EQ(r.info->TrackList(), QStringList{"Only"});
    EXPECT_EQ(r.info->QueryDiscID().size(), 0);
    EXPECT_EQ(r.statuses, (kConnected + QStringList{"Retrieving CD information"} + kDisconnected
                  + QStringList{"CD information retrieved"}));
}

TEST_P(OverEither, SearchesThatLeaveNothingToApply)
{
    struct Case {
        std::vector<qint32> disc;
        int status, matches;
        QString category;
        QStringList statuses;
    };
    const QStringList search = kConnected + QStringList{"Searching for the CD"};
    const std::vector<Case> cases{
        // One disc id in two categories is offered for choice in both.
        {kSeveralTracks, 3, 2, "", search + kDisconnected + QStringList{"Exact match not found - please select one of the titles."}},
        {kUnknownTracks, 1, 0, "", search + QStringList{"Search Error"} + kDisconnected},
        // An exact match whose entry the server cannot read.
        {kUnreadableTracks, 0, 0, "blues",
         search + QStringList{"Exact match found - retrieving CD information", "Retrieving CD information"} + kDisconnected
             + QStringList{"CD information could not be retrieved"} + kDisconnected + QStringList{""}},
    };
    for (const Case& c : cases) {
        InfoRig r(GetParam(), c.disc);
        r.reset();
        r.info->SearchForCD();
        EXPECT_EQ(r.info->LookupStatus(), c.status);
        ASSERT_EQ(r.info->QueryDiscID().size(), c.matches);
        if (c.matches) {
            EXPECT_EQ(*r.info->QueryCategory().find(r.info->QueryDiscID().keyAt(0)), "jazz");
            EXPECT_EQ(*r.info->QueryCategory().find(r.info->QueryDiscID().keyAt(1)), "blues");
        }
        EXPECT_EQ(r.info->Category(), c.category);
        EXPECT_EQ(r.statuses, c.statuses);
        EXPECT_EQ(r.w.messages.count(), 0u);
    }
}

TEST_P(OverEither, SiteListIsFetchedIntoTheUsersFolder)
{
    InfoRig r(GetParam());
    r.reset();
    r.info->GetSiteList();
    EXPECT_TRUE(QFile::exists(r.files().user));
    EXPECT_TRUE(r.info->GotSiteList());
    EXPECT_EQ(r.info->CDInfoSites(),
              (QStringList{"gnudb.gnudb.org 8880 - Random gnudb server",
                           "gnudb.gnudb.org 80 /~cddb/cddb.cgi Random gnudb server HTTP", "old.example 888 - Old style"}));
    EXPECT_EQ(r.statuses, (kConnected + QStringList{"Retrieving CD Lookup site list"} + kDisconnected
                  + QStringList{"Site List Retrieved"}));
}

INSTANTIATE_TEST_SUITE_P(CDInfo, OverEither, ::testing::Values(false, true),
                         [](const auto& p) { return p.param ? "HTTP" : "cddbp"; });

TEST(CDInfo, EveryFailureShowsOneMessage)
{
    struct Case {
        const char* name;
        std::function<void(InfoRig&)> setup;
        QString text, title;
        QStringList statuses;
        int connections;
        const char* readCategory = nullptr; // ReadCD instead of SearchForCD
    };
    const QString selectServer = QStringLiteral("You must select a CDInfo server first. ");
    const QStringList connecting{"Now connecting to the Internet"};
    const std::vector<Case> cases{
        {"no address", [](InfoRig& r) { r.info->setSiteAddress(""); }, selectServer, "Select Server", {}, 0},
        {"blank port", [](InfoRig& r) { r.info->setSitePort("  "); }, selectServer, "Select Server", {}, 0},
        {"blank user", [](InfoRig& r) { r.info->setUserID(" "); }, kUserIdMissing, "Enter User ID", {}, 0},
        {"port not a number", [](InfoRig& r) { r.info->setSitePort("abc"); },
         "Error # 13 was generated by CCDInfo\rType mismatch", "Error", {}, 0},
        {"port too large", [](InfoRig& r) { r.info->setSitePort("99999"); },
         "Error # 6 was generated by CCDInfo\rOverflow", "Error", {}, 0},
        {"port zero", [](InfoRig& r) { r.info->setSitePort("0"); }, "Error # 6 was generated by CCDInfo\rOverflow",
         "Error", {}, 0},
        {"refused", [](InfoRig& r) { r.info->setSitePort(QString::number(UnusedPort())); }, kConnectError,
         "Connection Error", connecting + kCreated, 0},
        {"silent server", [](InfoRig& r) { r.server.setGreeting(CddbTestServer::Greeting::Silent); }, kConnectError,
         "Connection Error", connecting + kCreated, 1},
        {"no disc", [](InfoRig& r) { r.device.result = CDOpenResult::NoDisc; }, kSearchError, "Search Error",
         kConnected + QStringList{"Searching for the CD", "Search Error"} + kDisconnected, 1},
        {"endless query reply", [](InfoRig& r) { r.server.misbehaveOn("cddb query", CddbTestServer::Fault::Endless); },
         kSearchError, "Search Error", kConnected + QStringList{"Searching for the CD", "Search Error"} + kDisconnected, 1},
        {"no title chosen", [](InfoRig&) {}, "You must first select a title to retrieve.  ", "Select Disc To Retrieve",
         {}, 0, " "},
        {"entry cut off", [](InfoRig& r) { r.server.misbehaveOn("cddb read", CddbTestServer::Fault::CutOff); },
         kReadError, "Read Error", kConnected + QStringList{"Retrieving CD information", "Read Error"} + kDisconnected, 1,
         "rock"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InfoRig r;
        r.info->setTimeout(1);
        c.setup(r);
        r.reset();
        QElapsedTimer t;
        t.start();
        if (c.readCategory)
            r.info->ReadCD(c.readCategory, kThreeId);
        else
            r.info->SearchForCD();
        EXPECT_LT(t.elapsed(), 2000); // the time-out plus a second at most
        ASSERT_EQ(r.w.messages.count(), 1u);
        EXPECT_EQ(r.w.messages.last().text, c.text);
        EXPECT_EQ(r.w.messages.last().title, c.title);
        EXPECT_EQ(r.statuses, c.statuses);
        EXPECT_EQ(r.server.connections, c.connections);
        EXPECT_EQ(r.info->LookupStatus(), 0);
        EXPECT_TRUE(r.info->TrackList().isEmpty());
    }
}

TEST(CDInfo, AfterABadPortTheNextSearchWorks)
{
    InfoRig r;
    r.info->setSitePort("abc");
    r.info->SearchForCD();
    // The component is made afresh.
    r.info->setSitePort(QString::number(r.server.port()));
    r.info->SearchForCD();
    EXPECT_EQ(r.info->LookupStatus(), 2);
}

TEST(CDInfo, AnEntryTheServerDoesNotHaveIsNoError)
{
    InfoRig r;
    r.reset();
    r.info->ReadCD("blues", "ffffffff"); // 401: answered, but no entry
    EXPECT_EQ(r.w.messages.count(), 0u);
    EXPECT_EQ(r.info->Message(), "CD information could not be retrieved");
}

// gnudb answers the hello of an unregistered client with "500 Unknown developer email":
// the user is told what the server said and what to do, over either transport.
TEST(CDInfo, RefusedClientIsToldWhatTheServerSaidAndWhatToDo)
{
    struct Case {
        const char* name;
        bool http;
        std::function<void(InfoRig&)> setup;
        const char* said;
    };
    const std::vector<Case> cases{
        {"hello refused", false, [](InfoRig& r) { r.server.setHelloReply("500 Unknown developer email"); },
         "500 Unknown developer email"},
        {"greeting refused", false, [](InfoRig& r) { r.server.setGreeting(CddbTestServer::Greeting::Refuse); }, "43"},
        {"refused over HTTP", true, [](InfoRig& r) { r.server.addQuery(kThreeId, {"500 Unknown developer email"}); },
         "500 Unknown developer email"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InfoRig r(c.http);
        c.setup(r);
        r.reset();
        r.info->SearchForCD();
        ASSERT_EQ(r.w.messages.count(), 1u);
        const QString text = r.w.messages.last().text;
        EXPECT_EQ(r.w.messages.last().title, "Server Refused");
        EXPECT_TRUE(text.contains(c.said)) << text.toStdString();
        EXPECT_TRUE(text.contains("MusicBrainz")) << text.toStdString();
        EXPECT_TRUE(text.contains("\"Tremalik.Vinaxo\"")) << text.toStdString();
        EXPECT_TRUE(r.info->TrackList().isEmpty());
    }
}

TEST(CDInfo, HelloNamesTheBuiltInClient)
{
    InfoRig r;
    r.info->SearchForCD();
    ASSERT_FALSE(r.server.commands.isEmpty());
    EXPECT_TRUE(r.server.commands[0].endsWith(" Tremalik.Vinaxo 3.1")) << r.server.commands[0].toStdString();
}
