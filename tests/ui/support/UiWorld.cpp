#include "support/UiWorld.h"
#include "model/TimeText.h"

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

} // namespace vinaxo::test
