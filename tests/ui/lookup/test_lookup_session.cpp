// A lookup run without its window, on the suite's CDDB server and disc images: what is
// found, what the user is told, the choice and configuration asked of the window, cancel.
#include "LookupRig.h"
#include "ui/lookup/LookupSession.h"

#include <QTimer>

using namespace vinaxo;
using namespace vinaxo::test;

namespace {
struct SessionRig : LookupRig {
    explicit SessionRig(bool configure = true) : LookupRig(configure)
    {
        session.setSiteListFiles(files);
        session.setHooks({
            [this](CCDInfo& info) {
                ++configurations;
                if (onConfigure)
                    onConfigure(info);
            },
            [this](const CCDInfo& info) {
                offered = int(info.QueryDiscID().size());
                pointerNormalWhileChoosing = busy.busy == busy.normal;
                return choice;
            },
            [this](const QString& s) { statuses << s; },
        });
    }

    LookupSession session{*ws, busy, &windows};
    std::function<void(CCDInfo&)> onConfigure;
    std::optional<LookupChoice> choice;
    int configurations = 0;
    int offered = -1; // matches offered for choice; -1: not asked
    bool pointerNormalWhileChoosing = false;
    QStringList statuses;
};
} // namespace

TEST(LookupSession, ExactMatchGivesTheEntryWithTheTimesOfTheDisc)
{
    SessionRig r;
    r.session.Open();
    EXPECT_EQ(r.configurations, 0);
    ASSERT_TRUE(r.session.GetCDInfo());
    const LookupFields& f = r.session.result();
    EXPECT_EQ((QStringList{f.title, f.artist, f.year, f.category, f.description}),
              (QStringList{"The Album", "The Band", "1999", "Rock", "Notes"}));
    EXPECT_EQ(f.tracks, (QStringList{"Opening", "The Long and Winding Road", "Closing"}));
    EXPECT_EQ(f.trackExtensions, (QStringList{"", "About two", ""}));
    EXPECT_EQ(f.times, (QStringList{"03:25", "04:10", "02:00"}));
    EXPECT_EQ(r.session.discInfo(), "Disc ID 1b023f03, 3 tracks");
    EXPECT_EQ(r.offered, -1);
    EXPECT_EQ(r.messages.count(), 0u) << r.messages.texts().join('|').toStdString();
    EXPECT_EQ(r.statuses.value(0), "Now Creating CD Lookup Access Object");
    EXPECT_EQ(r.statuses.last(), ""); // the exact path ends on an empty status
    EXPECT_EQ(r.busy.busy, r.busy.normal);
    EXPECT_FALSE(r.session.running());
    EXPECT_FALSE(r.session.cancelled());
}

TEST(LookupSession, SeveralMatchesAreOfferedForChoice)
{
    struct Case {
        const char* name;
        std::vector<qint32> disc;
        std::optional<LookupChoice> choice;
        QString title;           // found; empty: nothing to apply
        QString message, header; // told; empty: nothing
        MsgIcon icon;
    };
    const QString several = TocOf(kSeveralTracks).discIdText();
    const std::vector<Case> cases{
        {"one disc id, two categories: the first", kSeveralTracks, LookupChoice{"jazz", several}, "Night Session"},
        {"one disc id, two categories: the second", kSeveralTracks, LookupChoice{"blues", several}, "Delta Days"},
        {"close match", kCloseTracks, LookupChoice{"misc", "aa000001"}, "Same Id"},
        {"none taken", kCloseTracks, std::nullopt, "", "No selection was made - try the search again.",
         "No recording selected", MsgIcon::Information},
        {"taken, not readable", kCloseTracks, LookupChoice{"rock", "aa000001"}, "",
         "Unable to retrieve data for this recording.", "Error retrieve data", MsgIcon::Critical},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SessionRig r;
        r.setDisc(c.disc);
        r.choice = c.choice;
        r.session.Open();
        EXPECT_EQ(r.session.GetCDInfo(), !c.title.isEmpty());
        EXPECT_EQ(r.offered, c.disc == kSeveralTracks ? 2 : 3);
        EXPECT_TRUE(r.pointerNormalWhileChoosing);
        EXPECT_EQ(r.session.result().title, c.title);
        if (c.choice) {
            EXPECT_EQ(r.server.commands.filter("cddb read").value(0),
                      QStringLiteral("cddb read %1 %2").arg(c.choice->category, c.choice->discId));
        }
        if (c.message.isEmpty()) {
            EXPECT_EQ(r.messages.count(), 0u) << r.messages.texts().join('|').toStdString();
        } else {
            ASSERT_EQ(r.messages.texts(), QStringList{c.message});
            EXPECT_EQ(r.messages.last().title, c.header);
            EXPECT_EQ(r.messages.last().icon, c.icon);
        }
        EXPECT_GE(r.busy.normal, r.busy.busy); // normal again at the end
    }
}

TEST(LookupSession, RunsThatFindNothingToApply)
{
    struct Case {
        const char* name;
        std::vector<qint32> disc; // empty: no disc where the drive setting points
        QString message, header, discInfo;
        MsgIcon icon;
    };
    const std::vector<Case> cases{
        {"no match", kUnknownTracks, "No matching recording was found.", "No recording found",
         "Disc ID " + TocOf(kUnknownTracks).discIdText() + ", 1 tracks", MsgIcon::Information},
        {"exact match whose entry the server does not give", kUnreadableTracks,
         "Unable to retrieve data for this recording.", "Error retrieve data",
         "Disc ID " + TocOf(kUnreadableTracks).discIdText() + ", 3 tracks", MsgIcon::Critical},
        // The lookup object's own message, and what the device said, beside the tracks.
        {"no disc", {}, "", "Search Error", "Disc not read: no such CD drive or disc image", MsgIcon::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SessionRig r;
        if (c.disc.empty())
            r.config().setCDDriveLetter(r.dir.filePath("missing.cue"));
        else
            r.setDisc(c.disc);
        r.session.Open();
        EXPECT_FALSE(r.session.GetCDInfo());
        ASSERT_EQ(r.messages.count(), 1u) << r.messages.texts().join('|').toStdString();
        if (!c.message.isEmpty()) {
            EXPECT_EQ(r.messages.last().text, c.message);
        }
        EXPECT_EQ(r.messages.last().title, c.header);
        EXPECT_EQ(r.messages.last().icon, c.icon);
        EXPECT_EQ(r.session.discInfo(), c.discInfo);
        EXPECT_TRUE(r.session.result().tracks.isEmpty());
        EXPECT_EQ(r.busy.busy, r.busy.normal);
    }
}

TEST(LookupSession, CancelEndsTheWaitForASilentServerQuietly)
{
    SessionRig r;
    r.config().setTimeout("30");
    r.server.misbehaveOn("cddb query", CddbTestServer::Fault::Silent);
    r.session.Open();
    bool runningWhenCancelled = false;
    QTimer::singleShot(300, [&] {
        runningWhenCancelled = r.session.running();
        r.session.Cancel();
    });
    QElapsedTimer t;
    t.start();
    EXPECT_FALSE(r.session.GetCDInfo());
    EXPECT_LT(t.elapsed(), 3000);
    EXPECT_TRUE(runningWhenCancelled);
    EXPECT_TRUE(r.session.cancelled());
    EXPECT_EQ(r.messages.count(), 0u) << r.messages.texts().join('|').toStdString(); // cancelling is no error
    EXPECT_EQ(r.busy.busy, r.busy.normal);
}

TEST(LookupSession, MissingSettingsAreAskedForBeforeASearch)
{
    struct Case {
        const char* name;
        bool entered; // the configuration window is left with the settings entered
        int configurations;
        QStringList messages;
    };
    const std::vector<Case> cases{
        // Asked once at opening; what was entered counts at once.
        {"entered", true, 1, {}},
        // Asked again before the search, which then tells what is missing.
        {"left empty", false, 2, {"You must select a CDInfo server first. "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SessionRig r(/*configure*/ false);
        const QString port = QString::number(r.server.port());
        if (c.entered) {
            r.onConfigure = [port](CCDInfo& info) {
                info.setSiteAddress("127.0.0.1");
                info.setSitePort(port);
                info.setUserID("tester");
                info.setTimeout(5);
            };
        }
        r.session.Open();
        EXPECT_EQ(r.configurations, 1);
        EXPECT_EQ(r.session.configured(), c.entered);
        EXPECT_EQ(r.session.GetCDInfo(), c.entered);
        EXPECT_EQ(r.configurations, c.configurations);
        EXPECT_EQ(r.messages.texts(), c.messages);
    }
}
