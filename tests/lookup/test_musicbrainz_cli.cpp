// vinaxo-cli discid and lookup --source musicbrainz, run as a program against the local
// MusicBrainz-shaped server.
#include "support/CliProcess.h"
#include "DiscImages.h"
#include "FakeClock.h"
#include "MusicBrainzReplies.h"
#include "MusicBrainzTestServer.h"
#include "lookup/MusicBrainzDiscId.h"
#include "support/TestWorld.h"

#include <QFile>
#include <QJsonArray>

using namespace vinaxo;
using namespace vinaxo::test;

namespace {
struct MbCli {
    QTemporaryDir home;
    FakeClock clock;
    MusicBrainzTestServer server{clock};
    const QString cue = WriteCueImage(home.path(), "disc", {{15375}, {18760}, {9000}});
    const QString id = MusicBrainzDiscId(TocOf({15375, 18760, 9000}));
    const QString path = QStringLiteral("/ws/2/discid/") + id;

    CliRun run(QStringList args, bool withServers = true)
    {
        if (withServers)
            args << "--source" << "musicbrainz" << "--server" << server.base() << "--cover-server" << server.base()
                 << "--timeout" << "5";
        return RunCli(home.filePath("config"), home.filePath("data"), args);
    }
};

MbReleaseSpec second(const QString& id)
{
    MbReleaseSpec r = ReleaseOf(3, id);
    r.id = QStringLiteral("0f0e0d0c-0000-4000-8000-000000000009");
    r.title = QStringLiteral("Reissue");
    r.date = QStringLiteral("2015");
    r.country = QStringLiteral("DE");
    return r;
}
}

TEST(MusicBrainzCli, DiscIdPrintsBothIds)
{
    MbCli c;
    const CliRun r = c.run({"discid", c.cue}, false);
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.json.value("discid").toString(), "1b023f03");
    EXPECT_EQ(r.json.value("musicbrainz_id").toString(), c.id);
    EXPECT_EQ(c.id.size(), 28);
    EXPECT_EQ(r.json.value("musicbrainz_toc").toString(), "1+3+43285+150+15525+34285");

    // An enhanced disc: the audio session ends 11,400 frames before the data track.
    const QString enhanced = WriteCueImage(c.home.path(), "enhanced", {{15375}, {30000}, {20000, false}});
    const CliRun e = c.run({"discid", enhanced}, false);
    ASSERT_EQ(e.code, 0) << e.err.toStdString();
    EXPECT_EQ(e.json.value("musicbrainz_toc").toString(), QStringLiteral("1+2+%1+150+15525").arg(150 + 45375 - 11400));
}

TEST(MusicBrainzCli, SingleReleaseIsPrintedAsTheRecording)
{
    MbCli c;
    c.server.serve(c.path, {MusicBrainzTestServer::json(200, DiscReplyJson(c.id, {ReleaseOf(3, c.id)}))});
    const CliRun r = c.run({"lookup", c.cue});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.json.value("status").toInt(), 2);
    EXPECT_EQ(r.json.value("title").toString(), "Long Player");
    EXPECT_EQ(r.json.value("artist").toString(), "The Band");
    EXPECT_EQ(r.json.value("year").toString(), "2001");
    EXPECT_EQ(r.json.value("category").toString(), "");
    EXPECT_EQ(r.json.value("musicbrainz_release").toString(), "5b11f4ce-a62d-471e-81fc-a69a8278c7da");
    const QJsonArray tracks = r.json.value("tracks").toArray();
    ASSERT_EQ(tracks.size(), 3);
    EXPECT_EQ(tracks.at(2).toObject().value("title").toString(), "Track number 3");
    EXPECT_EQ(tracks.at(2).toObject().value("time").toString(), "03:03");
    ASSERT_EQ(c.server.requests.size(), 1);
    EXPECT_EQ(c.server.requests[0].query.queryItemValue("toc", QUrl::FullyEncoded), "1+3+43285+150+15525+34285");
}

TEST(MusicBrainzCli, SeveralReleasesAreListedAndOneIsChosenWithItsCover)
{
    MbCli c;
    c.server.serve(c.path, {MusicBrainzTestServer::json(200, DiscReplyJson(c.id, {ReleaseOf(3, c.id), second(c.id)}))});
    const CliRun list = c.run({"lookup", c.cue});
    ASSERT_EQ(list.code, 0) << list.err.toStdString();
    EXPECT_EQ(list.json.value("status").toInt(), 3);
    const QJsonArray matches = list.json.value("matches").toArray();
    ASSERT_EQ(matches.size(), 2);
    EXPECT_EQ(matches.at(1).toObject().value("description").toString(), "DE, 2015, Label, CD");
    EXPECT_EQ(matches.at(1).toObject().value("musicbrainz_release").toString(), second(c.id).id);

    const QByteArray png = QByteArray("\x89PNG\r\n\x1a\n") + QByteArray(500, 'p');
    c.server.serve("/release/" + second(c.id).id + "/front-500",
                   {{307, "", "text/plain", {{"Location", (c.server.base() + "/img/2.png").toLatin1()}}}});
    c.server.serve("/img/2.png", {{200, png, "image/png"}});
    const QString out = c.home.filePath("cover.jpg");
    const CliRun chosen = c.run({"lookup", c.cue, "--choose", "2", "--cover", out});
    ASSERT_EQ(chosen.code, 0) << chosen.err.toStdString();
    EXPECT_EQ(chosen.json.value("title").toString(), "Reissue");
    EXPECT_EQ(readFile(out), png);

    // The first release has no cover: said on stderr, no file, no failure.
    const QString none = c.home.filePath("none.jpg");
    const CliRun quiet = c.run({"lookup", c.cue, "--choose", "1", "--cover", none});
    EXPECT_EQ(quiet.code, 0) << quiet.err.toStdString();
    EXPECT_TRUE(quiet.err.contains("No cover image for this release.")) << quiet.err.toStdString();
    EXPECT_FALSE(QFile::exists(none));
    EXPECT_EQ(c.run({"lookup", c.cue, "--choose", "3"}).code, 2);
}

TEST(MusicBrainzCli, UnknownDiscAndFailures)
{
    MbCli c;
    const CliRun unknown = c.run({"lookup", c.cue});
    EXPECT_EQ(unknown.code, 1);
    EXPECT_EQ(unknown.json.value("status").toInt(), 1);
    EXPECT_TRUE(unknown.err.contains("MusicBrainz does not know this disc.")) << unknown.err.toStdString();

    c.server.serve(c.path, {MusicBrainzTestServer::json(200, "{\"releases\": [")});
    const CliRun broken = c.run({"lookup", c.cue});
    EXPECT_EQ(broken.code, 1);
    EXPECT_TRUE(broken.err.contains("could not be read")) << broken.err.toStdString();

    EXPECT_EQ(c.run({"lookup", c.cue, "--source", "other"}, false).code, 2);
}
