// vinaxo-cli discid, lookup and sites, run as a program against the local server.
#include "CannedDiscs.h"
#include "support/CliProcess.h"
#include "support/TestWorld.h"

#include <QFile>
#include <QJsonArray>

using namespace vinaxo::test;

namespace {
struct Cli {
    QTemporaryDir home;
    CddbTestServer server;

    // The disc the server knows as an exact match.
    const QString three = WriteCueImage(home.path(), "disc", {{15375}, {18760}, {9000}});

    Cli() { ServeCannedDiscs(server); }

    CliRun run(const QStringList& args) { return RunCli(home.filePath("config"), home.filePath("data"), args); }
    QStringList serverArgs(bool http = false) const
    {
        QStringList a{"--server", "127.0.0.1", "--port", QString::number(server.port()), "--user", "cli@example.org",
                      "--timeout", "2"};
        if (http)
            a << "--http";
        return a;
    }
};
}

TEST(LookupCli, DiscId)
{
    Cli c;
    const CliRun r = c.run({"discid", c.three});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.json.value("discid").toString(), "1b023f03");
    EXPECT_EQ(r.json.value("query").toString(), "cddb query 1b023f03 3 150 15525 34285 577");
    EXPECT_EQ(r.json.value("audioTracks").toInt(), 3);
    EXPECT_EQ(r.json.value("tracks").toArray().at(1).toObject().value("length").toString(), "04:10");

    const CliRun missing = c.run({"discid", c.home.filePath("none.cue")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.contains("no such CD drive or disc image")) << missing.err.toStdString();
}

TEST(LookupCli, LookupOverEitherTransport)
{
    for (bool http : {false, true}) {
        Cli c;
        c.server.setHttp(http);
        const CliRun r = c.run(QStringList{"lookup", c.three} + c.serverArgs(http));
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        EXPECT_EQ(r.json.value("status").toInt(), 2);
        EXPECT_EQ(r.json.value("title").toString(), "The Album");
        EXPECT_EQ(r.json.value("artist").toString(), "The Band");
        const QJsonArray tracks = r.json.value("tracks").toArray();
        ASSERT_EQ(tracks.size(), 3);
        EXPECT_EQ(tracks.at(1).toObject().value("title").toString(), "The Long and Winding Road");
        EXPECT_EQ(tracks.at(0).toObject().value("time").toString(), "03:25");
        EXPECT_TRUE(r.err.contains("status: CD information retrieved"));
    }
}

TEST(LookupCli, SeveralMatchesAndAChoice)
{
    Cli c;
    const QString cue = WriteCueImage(c.home.path(), "close", {{15000}, {15000}});
    const CliRun list = c.run(QStringList{"lookup", cue} + c.serverArgs());
    ASSERT_EQ(list.code, 0) << list.err.toStdString();
    EXPECT_EQ(list.json.value("status").toInt(), 3);
    const QJsonArray matches = list.json.value("matches").toArray();
    ASSERT_EQ(matches.size(), 3);
    EXPECT_EQ(matches.at(2).toObject().value("category").toString(), "misc");
    EXPECT_EQ(matches.at(2).toObject().value("discid").toString(), "aa000001");
    const CliRun chosen = c.run(QStringList{"lookup", cue, "--choose", "2"} + c.serverArgs());
    ASSERT_EQ(chosen.code, 0) << chosen.err.toStdString();
    EXPECT_EQ(chosen.json.value("category").toString(), "jazz");
    EXPECT_EQ(chosen.json.value("title").toString(), "Match");
    EXPECT_EQ(c.run(QStringList{"lookup", cue, "--choose", "9"} + c.serverArgs()).code, 2);
}

TEST(LookupCli, WithoutASettingTheServerIsAskedFor)
{
    Cli c;
    const CliRun r = c.run({"lookup", c.home.filePath("x.cue")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("Select Server: You must select a CDInfo server first.")) << r.err.toStdString();
}

TEST(LookupCli, SitesAreFetchedIntoTheUsersDataFolder)
{
    Cli c;
    const CliRun r = c.run(QStringList{"sites"} + c.serverArgs());
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.json.value("fetched").toBool());
    EXPECT_EQ(r.json.value("sites").toArray().size(), 3);
    EXPECT_EQ(r.json.value("file").toString(), c.home.filePath("data/Vinaxo/CDInfosite.txt"));
    EXPECT_TRUE(QFile::exists(c.home.filePath("data/Vinaxo/CDInfosite.txt")));
    // Without asking: the list in use, the fetched one first.
    const CliRun list = c.run({"sites", "--list"});
    EXPECT_EQ(list.code, 0);
    EXPECT_EQ(list.json.value("sites").toArray().first().toString(), "gnudb.gnudb.org 8880 - Random gnudb server");
}
