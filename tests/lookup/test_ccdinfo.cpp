// CCDInfo: every path of search, read and site list, with its status and message texts.
#include "CannedDiscs.h"
#include "lookup/CCDInfo.h"
#include "support/TestWorld.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

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

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

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
            writeFile(files().shipped, "shipped.example cddbp 8880 - N000.00 W000.00 Shipped list\n");
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

TEST(CDInfo, CreationTakesTheStoredSettings)
{
    InfoRig r;
    EXPECT_EQ(r.statuses, kCreated);
    EXPECT_EQ(r.info->Message(), "CD Lookup Access Object created");
    EXPECT_EQ(r.info->SiteAddress(), "127.0.0.1");
    EXPECT_EQ(r.info->SitePort(), QString::number(r.server.port()));
    EXPECT_EQ(r.info->UserID(), "tester@example.org");
    EXPECT_EQ(r.info->Timeout(), 2);
    EXPECT_TRUE(r.info->ConfigurationSet());
    EXPECT_TRUE(r.info->GotSiteList());
    EXPECT_EQ(r.info->CDInfoSites(), QStringList{"shipped.example 8880 - Shipped list"});
    EXPECT_EQ(r.w.messages.count(), 0u);
    EXPECT_EQ(r.info->LookupStatus(), 0);
}

TEST(CDInfo, CreationWithoutSettingsOrSiteList)
{
    InfoRig r(false, kThreeTracks, /*shippedList*/ false, /*configure*/ false);
    EXPECT_EQ(r.info->SiteAddress(), "");
    EXPECT_EQ(r.info->SitePort(), "");
    EXPECT_EQ(r.info->SiteAdditionalAddress(), "");
    EXPECT_EQ(r.info->Timeout(), 15);
    EXPECT_FALSE(r.info->ConfigurationSet());
    EXPECT_FALSE(r.info->GotSiteList());
    EXPECT_EQ(r.info->CDInfoSites(), QStringList{"gnudb.gnudb.org 8880 N000.00 W000.00 Random freedb server"});
    ASSERT_EQ(r.w.messages.count(), 1u);
    EXPECT_EQ(r.w.messages.last().text, "Internet CD Info (freeDB) site list not found.  Please download a new list");
    EXPECT_EQ(r.w.messages.last().title, "Warning");

    // ConfigurationSet wants all four, a time-out other than 0 among them.
    r.w.config().setSiteAddress("h");
    r.w.config().setSitePort("8880");
    r.w.config().setUserID("u");
    r.w.config().setTimeout("0");
    CCDInfo zero(r.w.config(), r.w.messages, r.files());
    zero.Initialize();
    EXPECT_FALSE(zero.ConfigurationSet());
    r.w.config().setTimeout("5");
    CCDInfo set(r.w.config(), r.w.messages, r.files());
    set.Initialize();
    EXPECT_TRUE(set.ConfigurationSet());
    set.setUserID(""); // later writes do not change it
    EXPECT_TRUE(set.ConfigurationSet());
}

TEST(CDInfo, AFetchedSiteListComesBeforeTheShippedOne)
{
    InfoRig r;
    writeFile(r.files().user, "fetched.example cddbp 8880 - N W Fetched\nbad line\n");
    CCDInfo again(r.w.config(), r.w.messages, r.files());
    again.Initialize();
    EXPECT_EQ(again.CDInfoSites(), QStringList{"fetched.example 8880 - Fetched"});
    EXPECT_TRUE(again.GotSiteList());
    // A list without one usable line is no list: the configuration is offered.
    writeFile(r.files().user, "nonsense\n\n");
    CCDInfo empty(r.w.config(), r.w.messages, r.files());
    empty.Initialize();
    EXPECT_FALSE(empty.GotSiteList());
    EXPECT_TRUE(empty.CDInfoSites().isEmpty());
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
    EXPECT_TRUE(r.server.commands.contains("cddb read rock 1b023f03"));
    EXPECT_FALSE(r.info->access()->IsConnected());
}

TEST_P(OverEither, CloseMatchesAreListedOncePerDiscId)
{
    InfoRig r(GetParam(), kCloseTracks);
    r.reset();
    r.info->SearchForCD();
    EXPECT_EQ(r.info->LookupStatus(), 3);
    const auto& ids = r.info->QueryDiscID();
    ASSERT_EQ(ids.size(), 2);
    EXPECT_EQ(ids.keyAt(0), "aa000001");
    EXPECT_EQ(*r.info->QueryName().find("aa000001"), "First / Match");
    EXPECT_EQ(*r.info->QueryCategory().find("aa000001"), "rock");
    EXPECT_EQ(*r.info->QueryCategory().find("aa000002"), "jazz");
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

TEST_P(OverEither, SeveralExactMatchesAreOfferedForChoice)
{
    InfoRig r(GetParam(), kSeveralTracks);
    r.reset();
    r.info->SearchForCD();
    EXPECT_EQ(r.info->LookupStatus(), 3);
    ASSERT_EQ(r.info->QueryDiscID().size(), 1);
    EXPECT_EQ(*r.info->QueryCategory().find(r.info->QueryDiscID().keyAt(0)), "rock");
    EXPECT_EQ(r.w.messages.count(), 0u);
}

TEST_P(OverEither, NoMatch)
{
    InfoRig r(GetParam(), kUnknownTracks);
    r.reset();
    r.info->SearchForCD();
    EXPECT_EQ(r.info->LookupStatus(), 1);
    EXPECT_EQ(r.statuses, (kConnected + QStringList{"Searching for the CD", "Search Error"} + kDisconnected));
    EXPECT_EQ(r.w.messages.count(), 0u);
}

TEST_P(OverEither, ExactMatchWhoseEntryCannotBeRead)
{
    InfoRig r(GetParam(), kUnreadableTracks);
    r.reset();
    r.info->SearchForCD();
    EXPECT_EQ(r.info->LookupStatus(), 0); // nothing to apply
    EXPECT_EQ(r.info->Category(), "blues");
    EXPECT_TRUE(r.statuses.contains("CD information could not be retrieved"));
    EXPECT_EQ(r.info->Message(), "");
    EXPECT_EQ(r.w.messages.count(), 0u);
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

TEST(CDInfo, MissingSettingsAreAskedFor)
{
    struct Case {
        QString address, port, user, text, title;
    };
    const std::vector<Case> cases{
        {"", "8880", "u", "You must select a CDInfo server first. ", "Select Server"},
        {"h", "  ", "u", "You must select a CDInfo server first. ", "Select Server"},
        {"h", "8880", " ", kUserIdMissing, "Enter User ID"},
    };
    for (const Case& c : cases) {
        InfoRig r;
        r.info->setSiteAddress(c.address);
        r.info->setSitePort(c.port);
        r.info->setUserID(c.user);
        r.reset();
        r.info->SearchForCD();
        ASSERT_EQ(r.w.messages.count(), 1u);
        EXPECT_EQ(r.w.messages.last().text, c.text);
        EXPECT_EQ(r.w.messages.last().title, c.title);
        EXPECT_EQ(r.info->LookupStatus(), 0);
        EXPECT_TRUE(r.statuses.isEmpty());
        EXPECT_EQ(r.server.connections, 0);
    }
}

TEST(CDInfo, APortThatIsNoPortIsReportedAsAnError)
{
    struct Case {
        const char* port;
        const char* text;
    };
    for (const Case& c : {Case{"abc", "Error # 13 was generated by CCDInfo\rType mismatch"},
                          Case{"99999", "Error # 6 was generated by CCDInfo\rOverflow"},
                          Case{"0", "Error # 6 was generated by CCDInfo\rOverflow"}}) {
        InfoRig r;
        r.info->setSitePort(QString::fromLatin1(c.port));
        r.reset();
        r.info->SearchForCD();
        ASSERT_EQ(r.w.messages.count(), 1u);
        EXPECT_EQ(r.w.messages.last().text, c.text);
        EXPECT_EQ(r.w.messages.last().title, "Error");
        EXPECT_EQ(r.server.connections, 0);
        // The next search with a good port works: the component is made afresh.
        r.info->setSitePort(QString::number(r.server.port()));
        r.info->SearchForCD();
        EXPECT_EQ(r.info->LookupStatus(), 2);
    }
}

TEST(CDInfo, ConnectionFailures)
{
    {
        InfoRig r;
        r.info->setSitePort(QString::number(UnusedPort()));
        r.reset();
        r.info->SearchForCD();
        ASSERT_EQ(r.w.messages.count(), 1u);
        EXPECT_EQ(r.w.messages.last().text, kConnectError);
        EXPECT_EQ(r.w.messages.last().title, "Connection Error");
        EXPECT_EQ(r.statuses, (QStringList{"Now connecting to the Internet"} + kCreated));
        EXPECT_EQ(r.info->LookupStatus(), 0);
    }
    {
        // A server that accepts and never answers: the search ends within the time-out
        // plus a second.
        InfoRig r;
        r.server.setGreeting(CddbTestServer::Greeting::Silent);
        r.info->setTimeout(1);
        r.reset();
        QElapsedTimer t;
        t.start();
        r.info->SearchForCD();
        EXPECT_LT(t.elapsed(), 2000);
        ASSERT_EQ(r.w.messages.count(), 1u);
        EXPECT_EQ(r.w.messages.last().title, "Connection Error");
    }
}

TEST(CDInfo, SearchErrors)
{
    {
        InfoRig r;
        r.device.result = CDOpenResult::NoDisc;
        r.reset();
        r.info->SearchForCD();
        ASSERT_EQ(r.w.messages.count(), 1u);
        EXPECT_EQ(r.w.messages.last().text, kSearchError);
        EXPECT_EQ(r.w.messages.last().title, "Search Error");
        EXPECT_EQ(r.statuses, (kConnected + QStringList{"Searching for the CD", "Search Error"} + kDisconnected));
        EXPECT_EQ(r.info->LookupStatus(), 0);
    }
    {
        InfoRig r;
        r.server.misbehaveOn("cddb query", CddbTestServer::Fault::Endless);
        r.info->setTimeout(1);
        r.reset();
        r.info->SearchForCD();
        ASSERT_EQ(r.w.messages.count(), 1u);
        EXPECT_EQ(r.w.messages.last().title, "Search Error");
    }
}

TEST(CDInfo, ReadErrors)
{
    InfoRig r;
    r.reset();
    r.info->ReadCD(" ", "aa000001");
    ASSERT_EQ(r.w.messages.count(), 1u);
    EXPECT_EQ(r.w.messages.last().text, "You must first select a title to retrieve.  ");
    EXPECT_EQ(r.w.messages.last().title, "Select Disc To Retrieve");
    EXPECT_EQ(r.server.connections, 0);

    r.server.misbehaveOn("cddb read", CddbTestServer::Fault::CutOff);
    r.reset();
    r.info->ReadCD("rock", kThreeId);
    ASSERT_EQ(r.w.messages.count(), 1u);
    EXPECT_EQ(r.w.messages.last().text, kReadError);
    EXPECT_EQ(r.w.messages.last().title, "Read Error");
    EXPECT_EQ(r.statuses, (kConnected + QStringList{"Retrieving CD information", "Read Error"} + kDisconnected));
    EXPECT_TRUE(r.info->TrackList().isEmpty());

    r.server.misbehaveOn(QString(), CddbTestServer::Fault::None);
    r.reset();
    r.info->ReadCD("blues", "ffffffff"); // 401: answered, but no entry
    EXPECT_EQ(r.w.messages.count(), 0u);
    EXPECT_EQ(r.info->Message(), "CD information could not be retrieved");
}
