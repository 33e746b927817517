// The lookup window with MusicBrainz as its source, against the suite's MusicBrainz-shaped
// server: the source choice, a match filling the window and Add storing the recording with
// its picture, several releases through the choice window, and the quiet failures.
#include "LookupRig.h"
#include "MusicBrainzReplies.h"
#include "MusicBrainzTestServer.h"
#include "lookup/CdioAudioDevice.h"
#include "lookup/CoverStore.h"
#include "lookup/MusicBrainzDiscId.h"
#include "lookup/SteadyClock.h"
#include "model/CEntries.h"
#include "model/Workspace.h"
#include "ui/lookup/frmCDInfoConfig.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace vinaxo;
using namespace vinaxo::test;

namespace {
QString lineText(QWidget* w, const char* name) { return child<QLineEdit>(w, name)->text(); }
QString comboText(QWidget* w, const char* name) { return child<QComboBox>(w, name)->currentText(); }
bool applyEnabled(QWidget* w) { return child<QWidget>(w, "cmdOK")->isEnabled(); }
QString statusText(QWidget* w) { return child<QLabel>(w, "lblStatus")->text(); }

const QByteArray kPng("\x89PNG\r\n\x1A\n-a-picture-", 19);

// A lookup world whose source is MusicBrainz (as for a new user) and whose services are
// the suite's server; the collection has a file, so pictures have a place.
struct MbRig : LookupRig {
    MbRig() : server(clock)
    {
        config().setExtraValue(QStringLiteral("CDInternetLookup"), QStringLiteral("LookupSource"), QVariant());
        config().setExtraValue(QStringLiteral("CDInternetLookup"), QStringLiteral("MusicBrainzServer"), server.base());
        config().setExtraValue(QStringLiteral("CDInternetLookup"), QStringLiteral("CoverArtServer"), server.base());
        ws->currentFileName = dir.filePath(QStringLiteral("music.cdm"));
        CdioAudioDevice device;
        EXPECT_EQ(device.open(config().CDDriveLetter()), CDOpenResult::Ok);
        discId = MusicBrainzDiscId(device.toc());
        EXPECT_FALSE(discId.isEmpty());
        path = QStringLiteral("/ws/2/discid/") + discId;
    }

    // Runs "Get CD Info..." and waits for the run to end.
    void lookUp(frmCDDBAccess* w)
    {
        click(w, "cmdGetCDInfo");
        EXPECT_TRUE(waitFor([&] { return !w->isLookupRunning(); }));
    }

    SystemSteadyClock clock;
    MusicBrainzTestServer server;
    QString discId, path;
};

MbReleaseSpec otherPressing(const QString& discId)
{
    MbReleaseSpec r = ReleaseOf(3, discId);
    r.id = QStringLiteral("0d7c3a2e-6b1f-4f0e-9a55-2c1b5e9d8f10");
    r.title = QStringLiteral("Long Player (Deluxe)");
    r.date = QStringLiteral("2011");
    r.country = QStringLiteral("US");
    r.labels = {{QStringLiteral("Other Label"), QStringLiteral("OL-2")}};
    return r;
}
} // namespace

TEST(LookupMusicBrainz, TheSourceChoiceIsKeptAndMusicBrainzIsTheNewUsersDefault)
{
    MbRig r;
    {
        auto w = r.window();
        EXPECT_EQ(comboText(w.get(), "cmbSource"), "MusicBrainz");
        // Nothing asked of a new user before the first lookup: MusicBrainz needs no configuration.
        EXPECT_EQ(r.messages.count(), 0u);
        EXPECT_EQ(w->findChild<frmCDInfoConfig*>(), nullptr);
        child<QComboBox>(w.get(), "cmbSource")->setCurrentIndex(1);
    }
    EXPECT_EQ(ReadLookupSource(r.config()), LookupSource::CDDB);
    auto w = r.window();
    EXPECT_EQ(comboText(w.get(), "cmbSource"), "CDDB");
    child<QComboBox>(w.get(), "cmbSource")->setCurrentIndex(0);
    EXPECT_EQ(ReadLookupSource(r.config()), LookupSource::MusicBrainz);
}

TEST(LookupMusicBrainz, AMatchFillsTheWindowAndAddStoresTheRecordingWithItsPicture)
{
    MbRig r;
    const MbReleaseSpec release = ReleaseOf(3, r.discId);
    r.server.serve(r.path, {MusicBrainzTestServer::json(200, DiscReplyJson(r.discId, {release}))});
    r.server.serve("/release/" + release.id + "/front-500", {{200, kPng, "image/png"}});
    auto w = r.window();
    r.lookUp(w.get());
    shot(w.get(), QStringLiteral("lookup-musicbrainz.png"));
    EXPECT_EQ(r.messages.count(), 0u) << r.messages.texts().join('|').toStdString();
    ASSERT_TRUE(applyEnabled(w.get()));
    EXPECT_EQ(lineText(w.get(), "DiscTitle"), "Long Player");
    EXPECT_EQ(comboText(w.get(), "cmbCDArtist"), "The Band");
    EXPECT_EQ(lineText(w.get(), "DiscYear"), "2001");
    EXPECT_EQ(columnTexts(child<QTreeWidget>(w.get(), "TrackTitles"), 1),
              (QStringList{"Track number 1", "Track number 2", "Track number 3"}));
    EXPECT_EQ(columnTexts(child<QTreeWidget>(w.get(), "TrackTitles"), 2), (QStringList{"03:01", "03:02", "03:03"}));
    EXPECT_TRUE(statusText(w.get()).contains("MusicBrainz")) << statusText(w.get()).toStdString();
    EXPECT_EQ(child<QLabel>(w.get(), "lblDiscInfo")->text(), QStringLiteral("Disc ID %1, 3 tracks").arg(r.discId));
    ASSERT_EQ(r.server.requests.size(), 2);
    EXPECT_EQ(r.server.requests[0].path, r.path);

    click(w.get(), "cmdOK");
    EXPECT_EQ(w->result(), QDialog::Accepted);
    ASSERT_EQ(r.entries().Count(), 1);
    const CEntry* e = r.entries().CurrEntry();
    EXPECT_EQ((QStringList{e->CDTitle, e->CDArtist, e->CDLabel, e->CDCatnbr}),
              (QStringList{"Long Player", "The Band", "Label", "LBL 1"}));
    EXPECT_EQ(e->CDNbrTracks, 3);
    // The picture waits, like the recording, for the collection to be saved.
    EXPECT_TRUE(CoverStore(r.ws->currentFileName).find(e->CDKey).isEmpty());
    EXPECT_EQ(r.ws->pendingCovers.find(e->CDKey), kPng);
    SaveCovers(QString(), r.ws->currentFileName, [&r](const QString& k) { return r.entries().Entries().contains(k); },
               &r.ws->pendingCovers);
    EXPECT_TRUE(r.ws->pendingCovers.isEmpty());
    const QString picture = CoverStore(r.ws->currentFileName).find(e->CDKey);
    ASSERT_TRUE(picture.endsWith(e->CDKey + ".png")) << picture.toStdString();
    EXPECT_EQ(readFile(picture), kPng);
}

TEST(LookupMusicBrainz, SeveralReleasesGoThroughTheChoiceWindow)
{
    struct Case {
        const char* name;
        int pick; // -1: none clicked
        bool ok;
        QString title; // empty: nothing to apply
    };
    // Which row OK without a click takes is the choice window's, proven over CDDB.
    for (const Case& c : {Case{"the second row", 1, true, "Long Player (Deluxe)"}, Case{"cancel", -1, false, ""}}) {
        SCOPED_TRACE(c.name);
        MbRig r;
        r.server.serve(r.path, {MusicBrainzTestServer::json(
                                   200, DiscReplyJson(r.discId, {ReleaseOf(3, r.discId), otherPressing(r.discId)}))});
        auto w = r.window();
        QStringList rows, descriptions;
        whenModal(
            [&](QWidget* d) {
                EXPECT_TRUE(QTest::qWaitForWindowActive(d));
                auto* list = child<QTreeWidget>(d, "lvResults");
                rows = columnTexts(list, 0);
                descriptions = columnTexts(list, 1);
                shot(d, QStringLiteral("choice-musicbrainz.png"));
                if (c.pick >= 0)
                    list->setCurrentItem(list->topLevelItem(c.pick));
                click(d, c.ok ? "cmdOK" : "cmdCancel");
            },
            QStringLiteral("frmCDDBMultiSelect"));
        r.lookUp(w.get());
        EXPECT_EQ(rows, (QStringList{"The Band / Long Player", "The Band / Long Player (Deluxe)"}));
        EXPECT_EQ(descriptions, (QStringList{"GB, 2001, Label, CD", "US, 2011, Other Label, CD"}));
        EXPECT_EQ(lineText(w.get(), "DiscTitle"), c.title);
        EXPECT_EQ(applyEnabled(w.get()), !c.title.isEmpty());
        if (c.title.isEmpty()) {
            EXPECT_EQ(r.messages.texts(), QStringList{"No selection was made - try the search again."});
        }
    }
}

// Failures are told once, the window stays open for another try, and a missing cover is
// no failure at all.
TEST(LookupMusicBrainz, FailuresAreToldAndAMissingCoverIsQuiet)
{
    struct Case {
        const char* name;
        int status;
        QByteArray body;
        bool found;
        const char* message; // part of the one message expected; null: none
    };
    const std::vector<Case> cases{
        // Which replies are failures is the client's; one shows the window's part.
        {"unknown disc", 404, R"({"error": "Not Found"})", false, "No matching recording was found."},
        {"found, without cover", 200, QByteArray(), true, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MbRig r;
        r.server.serve(r.path, {MusicBrainzTestServer::json(
                                   c.status, c.body.isEmpty() ? DiscReplyJson(r.discId, {ReleaseOf(3, r.discId)}) : c.body)});
        auto w = r.window();
        r.lookUp(w.get());
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(applyEnabled(w.get()), c.found);
        if (c.message) {
            ASSERT_EQ(r.messages.count(), 1u);
            EXPECT_TRUE(r.messages.texts().first().contains(QLatin1String(c.message)));
        } else {
            EXPECT_EQ(r.messages.count(), 0u) << r.messages.texts().join('|').toStdString();
        }
        if (c.found) {
            click(w.get(), "cmdOK");
            ASSERT_EQ(r.entries().Count(), 1);
            EXPECT_TRUE(r.ws->pendingCovers.isEmpty());
        }
    }
}

// Cancel while the service keeps the reply coming: the wait ends at once, nothing is said,
// and the window closes once the run has unwound.
TEST(LookupMusicBrainz, CancelDuringALookupClosesTheWindowQuietly)
{
    MbRig r;
    MusicBrainzTestServer::Response endless{200, "{\"releases\": [", "application/json", {},
                                            MusicBrainzTestServer::Body::Endless};
    r.server.serve(r.path, {endless});
    auto w = r.window();
    click(w.get(), "cmdGetCDInfo");
    ASSERT_TRUE(waitFor([&] { return r.server.requests.size() == 1; }));
    EXPECT_TRUE(w->isLookupRunning());
    EXPECT_FALSE(child<QWidget>(w.get(), "cmbSource")->isEnabled());
    click(w.get(), "cmdCancel");
    EXPECT_TRUE(waitFor([&] { return !w->isVisible(); }, 2000));
    EXPECT_FALSE(w->isLookupRunning());
    EXPECT_EQ(r.messages.count(), 0u) << r.messages.texts().join('|').toStdString();
    EXPECT_EQ(r.entries().Count(), 0);
}
