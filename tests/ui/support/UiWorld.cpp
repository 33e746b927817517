#include "support/UiWorld.h"
#include "model/TimeText.h"
#include "storage/FileCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QTreeWidget>
#include <QWidget>

namespace vinaxo::test {

UiWorld::UiWorld() : context{*ws, dialogs, busy, exchangeState, &windows} {}

CEntry* UiWorld::addRecording(const QString& title, const QString& artist, int tracks)
{
    CEntry* e = entries().AddNewEntry();
    e->CDTitle = title;
    e->CDArtist = artist;
    for (int i = 1; i <= tracks; ++i) {
        CTrackEntry* t = e->AddNewTrackEntry();
        t->CDTrackTitle = QStringLiteral("Track %1").arg(i);
        t->CDTrackTime = QStringLiteral("03:00");
    }
    e->CDNbrTracks = qint16(tracks);
    if (tracks > 0)
        e->CDTotalTime = SecondsToTime(180 * tracks);
    return e;
}

void shot(QWidget* window, const QString& file)
{
    const QString dir = qEnvironmentVariable("VINAXO_SHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    QCoreApplication::processEvents(); // layouts settled before the picture
    window->grab().save(QDir(dir).filePath(file));
}

QString writeCollection(const QString& path, const QStringList& titles)
{
    UiWorld maker;
    for (const QString& t : titles)
        maker.addRecording(t, QStringLiteral("Artist of ") + t, 2);
    EXPECT_TRUE(SaveCollectionFile(*maker.ws, path));
    return path;
}

QStringList columnTexts(QTreeWidget* list, int column)
{
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out << list->topLevelItem(i)->text(column);
    return out;
}

} // namespace vinaxo::test
