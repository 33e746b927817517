#pragma once
// A world for the lookup windows: the suite's own CDDB server on 127.0.0.1 with its
// canned discs, disc images written into the test's folder, a site list naming the server.
#include "CannedDiscs.h"
#include "support/ModalDriver.h"
#include "support/UiWorld.h"
#include "ui/lookup/MusicBrainzLookup.h"
#include "ui/lookup/frmCDDBAccess.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTreeWidget>
#include <functional>

namespace vinaxo::test {

// Runs events until pred holds or ms have passed; the result of pred.
inline bool waitFor(const std::function<bool()>& pred, int ms = 5000)
{
    QElapsedTimer t;
    t.start();
    while (!pred() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return pred();
}

inline void click(QWidget* parent, const char* name) { child<QAbstractButton>(parent, name)->click(); }

struct LookupRig : UiWorld {
    explicit LookupRig(bool configure = true, bool siteList = true)
    {
        ServeCannedDiscs(server);
        // These worlds test the CDDB side; a new user's default (MusicBrainz) has its own tests.
        WriteLookupSource(config(), LookupSource::CDDB);
        if (configure) {
            config().setSiteAddress(QStringLiteral("127.0.0.1"));
            config().setSitePort(QString::number(server.port()));
            config().setUserID(QStringLiteral("tester"));
            config().setTimeout(QStringLiteral("5"));
        }
        files = {dir.filePath(QStringLiteral("user/Vinaxo/CDInfosite.txt")),
                 dir.filePath(QStringLiteral("app/CDInfosite.txt"))};
        if (siteList) {
            WriteFile(files.shipped, QStringLiteral("127.0.0.1 cddbp %1 - N000.00 W000.00 Test server\n"
                                                    "example.org http 80 /~cddb/cddb.cgi N000.00 W000.00 Web\n")
                                         .arg(server.port())
                                         .toUtf8());
        }
        setDisc(kThreeTracks);
    }

    // A CUE image of a disc with these track lengths, chosen as the drive.
    QString setDisc(const std::vector<qint32>& frames)
    {
        std::vector<ImageTrack> tracks;
        for (qint32 f : frames)
            tracks.push_back({f});
        const QString path = WriteCueImage(dir.path(), QStringLiteral("disc%1").arg(++images), tracks);
        config().setCDDriveLetter(path);
        return path;
    }

    // The lookup window, shown and opened (its lookup object made).
    std::unique_ptr<frmCDDBAccess> window(bool databaseAction = false)
    {
        auto w = std::make_unique<frmCDDBAccess>(context);
        w->setSiteListFiles(files);
        w->setDatabaseAction(databaseAction);
        w->show();
        EXPECT_TRUE(waitFor([&] { return w->cdInfo() != nullptr; }));
        return w;
    }

    CddbTestServer server;
    CCDInfo::SiteListFiles files;
    int images = 0;
};

} // namespace vinaxo::test
