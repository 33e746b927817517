#include "ui/lookup/LookupApply.h"

#include "lookup/ICDAudioDevice.h"
#include "model/TimeText.h"
#include "history/CollectionHistory.h"
#include "model/Workspace.h"
#include "ui/entry/EntryEditSession.h"
#include "platform/IMessageService.h"
#include "ui/common/IWindows.h"

#include <QCoreApplication>
#include <climits>

namespace vinaxo {

// English here (the tests compare them); shown through the translation.
const QString LookupApply::MismatchText = QStringLiteral(QT_TRANSLATE_NOOP(
    "LookupApply",
    "The CD data retrieved does not match the current entry. Are you sure you want to replace the currently "
    "selected recording with this new entry?"));
const QString LookupApply::MismatchTitle = QStringLiteral(QT_TRANSLATE_NOOP("LookupApply", "Entry Mismatch"));

int MatchingCategoryIndex(const QStringList& items, const QString& category)
{
    for (qsizetype i = items.size() - 1; i >= 0; --i) {
        if (items[i].compare(category, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

QStringList ReadTrackTimes(ICDAudioDevice& device, const QString& driveOrImage, int count)
{
    QStringList times;
    times.reserve(qMax(count, 0));
    const bool open = device.open(driveOrImage) == CDOpenResult::Ok;
    const int onDisc = open ? device.trackCount() : 0;
    for (int n = 1; n <= count; ++n) {
        QString text;
        if (n <= onDisc) {
            text = PackedTimeToText(device.trackLength(n));
            if (!IsValidTime(text))
                text.clear();
        }
        times.push_back(text);
    }
    device.close();
    return times;
}

bool EntryMismatch(const CEntry& entry, const QString& title, const QString& artist)
{
    return entry.CDTitle != title || entry.CDArtist != artist;
}

namespace {
// Label and catalogue number, when the lookup found them (MusicBrainz does, CDDB never).
void fillReleaseFields(CEntry& e, const LookupFields& f)
{
    if (!f.label.isEmpty())
        e.CDLabel = f.label;
    if (!f.catalogNumber.isEmpty())
        e.CDCatnbr = f.catalogNumber;
}
} // namespace

bool FillEntry(Workspace& ws, CEntry& e, const LookupFields& f, LookupFill fill)
{
    const bool fresh = fill == LookupFill::NewRecording;
    e.CDTitle = f.title;
    e.CDArtist = f.artist;
    e.CDDesc = f.description;
    if (fresh) {
        e.CDComments.clear();
        e.CDCollNbr.clear();
        e.CDLocation.clear();
        e.CDCatnbr.clear();
    }
    e.setCDRelYearStr(f.year);
    if (fresh)
        e.CDLabel.clear();
    fillReleaseFields(e, f);
    e.CDCategory = f.category;
    e.CDMedium = QStringLiteral("CD");
    e.CDNbrDisks = 1;

    e.ClearAllEntries();
    QString total;
    qint16 added = 0;
    for (qsizetype n = 0; n < f.tracks.size() && added < SHRT_MAX; ++n) {
        CTrackEntry* t = e.AddNewTrackEntry();
        t->CDTrackTitle = f.tracks[n];
        t->CDTrackDesc.clear();
        // Times come from the disc as "mm:ss" or empty, so the setter has nothing to refuse.
        t->setCDTrackTimeStr(f.times.value(n));
        total = AddTimes(total, t->CDTrackTime);
        ++added;
    }
    // An extended text whose track does not exist is dropped (the look-up would report it).
    for (qsizetype n = 0; n < f.trackExtensions.size() && n < added; ++n) {
        if (e.LocateTrackByKey(KeyText(n + 1)) && e.CurrTrack())
            e.CurrTrack()->CDTrackDesc = f.trackExtensions[n];
    }
    e.CDNbrTracks = added;
    e.setCDTotalTimeStr(total);

    ws.entries.AddNewCategory(e.CDCategory);
    ws.entries.AddNewArtist(e.CDArtist);
    ws.entries.AddNewLabel(e.CDLabel);
    ws.entries.AddNewMedium(e.CDMedium);
    ws.refillArtists = true;
    ws.refillLabels = true;
    ws.refillCategories = true;
    return true;
}

bool LookupApply::fillAndPost(const LookupFields& fields, LookupFill fill)
{
    CEntry* e = m_ws.entries.CurrEntry();
    if (!e || !FillEntry(m_ws, *e, fields, fill))
        return false;
    const bool posted = m_ws.entries.ActionPost();
    m_ws.entries.DBChanged = true;
    return posted;
}

void LookupApply::reportChange()
{
    if (m_windows)
        m_windows->EntryChanged(m_ws.entries.LastAction(), m_ws.entries.LastActionKey());
}

bool LookupApply::Add(const LookupFields& fields)
{
    showedExisting = false;
    CEntries& c = m_ws.entries;
    if (!c.ActionAdd() || !c.CurrEntry() || !FillEntry(m_ws, *c.CurrEntry(), fields, LookupFill::NewRecording))
        return false;
    QString existing;
    const auto choice = EntryEditSession::askDuplicate(m_ws, *c.CurrEntry(), &existing);
    if (choice == EntryEditSession::DuplicateChoice::ShowExisting) {
        EntryEditSession::showExisting(m_ws, m_windows, existing);
        showedExisting = true;
        return false;
    }
    if (choice == EntryEditSession::DuplicateChoice::Keep) {
        c.ActionCancel();
        return false;
    }
    const bool done = c.ActionPost();
    c.DBChanged = true;
    if (done && m_ws.history && c.CurrEntry())
        m_ws.history->added(c.CurrEntry()->CDKey, QCoreApplication::translate("LookupApply", "Lookup Add"));
    reportChange();
    return done;
}

bool LookupApply::Update(const LookupFields& fields)
{
    bool done = false;
    if (const CEntry* e = m_ws.entries.CurrEntry()) {
        const bool go = !EntryMismatch(*e, fields.title, fields.artist)
            || m_ws.messages.show(QCoreApplication::translate("LookupApply", MismatchText.toUtf8().constData()),
                                  QCoreApplication::translate("LookupApply", MismatchTitle.toUtf8().constData()),
                                  MsgIcon::Question, MsgButtons::YesNo, MsgDefault::Second)
                == MsgAnswer::Yes;
        std::unique_ptr<CEntry> before = go && m_ws.history ? e->Clone() : nullptr;
        done = go && fillAndPost(fields, LookupFill::Update);
        if (done && before)
            m_ws.history->edited(std::move(before), QCoreApplication::translate("LookupApply", "Lookup Update"));
    }
    reportChange();
    return done;
}

} // namespace vinaxo
