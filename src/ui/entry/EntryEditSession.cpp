#include "ui/entry/EntryEditSession.h"

#include "history/CollectionHistory.h"
#include "lookup/CoverStore.h"
#include "model/Workspace.h"
#include "platform/IBusyPointer.h"
#include "platform/IMessageService.h"
#include "storage/CDConfig.h"
#include "ui/common/IWindows.h"
#include <QCoreApplication>

namespace vinaxo {

EntryEditSession::EntryEditSession(Workspace& ws, IWindows* windows)
    : m_ws(ws), m_windows(windows), m_tracks(ws.entries, ws.config)
{
}

EntryEditSession::~EntryEditSession() = default;

CEntries& EntryEditSession::entries() const { return m_ws.entries; }

// English here (the tests compare them); shown through the translation.
const QString EntryEditSession::DuplicateText = QStringLiteral(QT_TRANSLATE_NOOP(
    "EntryEditSession", "A recording with this artist and title is already in the collection. Add it anyway?"));
const QString EntryEditSession::DuplicateTitle
    = QStringLiteral(QT_TRANSLATE_NOOP("EntryEditSession", "Duplicate Recording"));

EntryEditSession::DuplicateChoice EntryEditSession::askDuplicate(Workspace& ws, const CEntry& entry,
                                                                 QString* existing)
{
    const QString key = ws.duplicates.findDuplicate(entry);
    if (key.isEmpty())
        return DuplicateChoice::Add;
    if (existing)
        *existing = key;
    const int choice = ws.messages.showCustom(
        QCoreApplication::translate("EntryEditSession", DuplicateText.toUtf8().constData()),
        QCoreApplication::translate("EntryEditSession", DuplicateTitle.toUtf8().constData()), MsgIcon::Question,
        {QCoreApplication::translate("EntryEditSession", "&Yes"),
         QCoreApplication::translate("EntryEditSession", "&No"),
         QCoreApplication::translate("EntryEditSession", "&Show Existing")},
        1);
    if (choice == 0)
        return DuplicateChoice::Add;
    return choice == 2 ? DuplicateChoice::ShowExisting : DuplicateChoice::Keep;
}

void EntryEditSession::showExisting(Workspace& ws, IWindows* windows, const QString& key)
{
    // The new recording goes first: while it is being added it is the current one, and
    // cancelling removes whatever is current.
    ws.entries.ActionCancel();
    ws.entries.LocateEntryByKey(key);
    if (windows)
        windows->selectRecording(key);
}

DetailFields EntryEditSession::detail() const
{
    const CEntry* e = entries().CurrEntry();
    if (!e)
        return {};
    return {e->CDTitle,    e->CDArtist,   e->CDDesc,     e->FormattedCDRelYear(),
            e->CDCatnbr,   e->CDLabel,    e->CDCategory, e->CDMedium,
            e->CDLocation, e->CDCollNbr,  e->CDComments};
}

AdditionalFields EntryEditSession::additional() const
{
    const CEntry* e = entries().CurrEntry();
    if (!e)
        return {};
    return {e->CDComposer, e->CDConductor, e->CDMiscKey1, e->CDMiscKey2, e->CDMiscKey3,
            e->FormattedCDPurchDate(), e->FormattedCDPurchaseCost(), e->CDAwards,
            e->CDRateSound, e->CDRatePerform};
}

TracksFields EntryEditSession::tracksFields() const
{
    const CEntry* e = entries().CurrEntry();
    if (!e)
        return {};
    return {e->CDNbrDisks, e->CDNbrTracks, e->CDTotalTime};
}

QString EntryEditSession::statusText() const
{
    const CEntry* e = entries().CurrEntry();
    return e ? e->CDArtist + QStringLiteral(" / ") + e->CDTitle : QString();
}

bool EntryEditSession::keysLocked() const { return entries().ProtectKeys(); }

void EntryEditSession::markChanged() { entries().Changesmade = true; }

bool EntryEditSession::storeDetail(DetailFields& f)
{
    CEntry* e = entries().CurrEntry();
    if (!e)
        return true;
    e->CDTitle = f.title;
    e->CDArtist = f.artist;
    e->CDDesc = f.description;
    e->CDComments = f.comments;
    e->CDCollNbr = f.collectionNbr;
    e->CDLocation = f.location;
    e->CDCatnbr = f.catalogNbr;
    e->setCDRelYearStr(f.relYear);
    f.relYear = e->FormattedCDRelYear(); // an out-of-range year shows what the entry kept
    e->CDLabel = f.label;
    e->CDCategory = f.category;
    e->CDMedium = f.medium;
    return true;
}

bool EntryEditSession::storeAdditional(AdditionalFields& f)
{
    CEntry* e = entries().CurrEntry();
    if (!e)
        return true;
    e->CDComposer = f.composer;
    e->CDConductor = f.conductor;
    e->CDMiscKey1 = f.key1;
    e->CDMiscKey2 = f.key2;
    e->CDMiscKey3 = f.key3;
    if (!e->setCDPurchDateStr(f.purchDate)) {
        f.purchDate = e->FormattedCDPurchDate();
        return false;
    }
    if (!e->setCDPurchCostStr(f.purchCost)) {
        f.purchCost = e->FormattedCDPurchaseCost();
        return false;
    }
    e->CDAwards = f.awards;
    e->CDRateSound = qint16(f.rateSound);
    e->CDRatePerform = qint16(f.ratePerform);
    return true;
}

bool EntryEditSession::storeTracks(PageEdits& edits)
{
    CEntry* e = entries().CurrEntry();
    if (!e)
        return true;
    TracksFields& f = edits.tracks;
    e->CDNbrDisks = qint16(f.nbrDisks);
    e->CDNbrTracks = qint16(f.nbrTracks);
    if (!e->setCDTotalTimeStr(f.totalTime)) {
        f.totalTime = e->CDTotalTime;
        return false;
    }
    if (m_tracks.edited) {
        QString total;
        if (!m_tracks.storeTrackEdits(edits.track, &total))
            return false; // the track edits stay pending
        if (!total.isEmpty())
            f.totalTime = total;
    }
    m_tracks.edited = false;
    return true;
}

EntryEditSession::SaveResult EntryEditSession::saveChanges(PageEdits& edits)
{
    SaveResult r;
    CEntries& c = entries();
    if (!c.Changesmade)
        return r;
    switch (m_page) {
    case EntryPage::Detail: r.ok = storeDetail(edits.detail); break;
    case EntryPage::Additional: r.ok = storeAdditional(edits.additional); break;
    case EntryPage::Tracks: r.ok = storeTracks(edits); break;
    }
    if (!r.ok)
        return r;
    const bool inserting = c.InsertStarted();
    if (inserting && c.CurrEntry()) {
        QString existing;
        switch (askDuplicate(m_ws, *c.CurrEntry(), &existing)) {
        case DuplicateChoice::Add: break;
        case DuplicateChoice::Keep: r.ok = false; return r; // still being entered
        case DuplicateChoice::ShowExisting:
            showExisting(m_ws, m_windows, existing);
            r.ok = false;
            r.showedExisting = true;
            return r;
        }
    }
    c.ActionPost();
    if (m_cover && c.CurrEntry() && m_cover->key == c.CurrEntry()->CDKey) {
        if (m_cover->image.isEmpty())
            m_ws.pendingCovers.remove(m_cover->key);
        else
            m_ws.pendingCovers.set(m_cover->key, m_cover->image);
    }
    m_cover.reset();
    if (CEntry* e = c.CurrEntry()) {
        if (m_ws.history) {
            if (inserting)
                m_ws.history->added(e->CDKey, QCoreApplication::translate("EntryEditSession", "Add"));
            else if (m_before && m_before->CDKey == e->CDKey)
                m_ws.history->edited(std::move(m_before), QCoreApplication::translate("EntryEditSession", "Edit"));
        }
        m_before = e->Clone(); // what the next edit starts from
    }
    // The navigation that follows leaves Changesmade clear; a save on its own does too,
    // so that the next save writes nothing until the user edits again.
    c.Changesmade = false;
    r.posted = true;
    r.addedArtist = m_page == EntryPage::Detail && c.AddedArtist();
    r.addedLabel = m_page == EntryPage::Detail && c.AddedLabel();
    notify();
    return r;
}

bool EntryEditSession::move(Move m)
{
    m_cover.reset();
    CEntries& c = entries();
    switch (m) {
    case Move::First: return c.FirstRecord();
    case Move::Prev: return c.PrevRecord();
    case Move::Next: return c.NextRecord();
    case Move::Last: return c.LastRecord();
    }
    return false;
}

bool EntryEditSession::insert()
{
    m_page = EntryPage::Detail;
    m_cover.reset();
    return entries().ActionAdd();
}

bool EntryEditSession::cancel()
{
    m_cover.reset();
    return entries().ActionCancel();
}

bool EntryEditSession::deleteCurrent()
{
    CEntries& c = entries();
    const CEntry* e = c.CurrEntry();
    if (!e)
        return false;
    const QString text = QCoreApplication::translate("EntryEditSession",
                                                     "Are you sure you want to delete the entry for '%1' by '%2'?")
                             .arg(e->CDTitle, e->CDArtist);
    if (c.messages().show(text, QCoreApplication::translate("EntryEditSession", "About to delete entry"),
                          MsgIcon::Question, MsgButtons::YesNo, MsgDefault::Second)
        != MsgAnswer::Yes)
        return false;
    m_cover.reset();
    // A copy for taking the deletion back, made only where that can be done.
    std::unique_ptr<CEntry> copy = m_ws.history ? e->Clone() : nullptr;
    const qsizetype position = c.IndexOfEntry(e->CDKey);
    if (!c.ActionDelete())
        return false;
    if (m_ws.history)
        m_ws.history->deleted(std::move(copy), position);
    notify();
    return true;
}

void EntryEditSession::notify() const
{
    if (m_windows)
        m_windows->EntryChanged(entries().LastAction(), entries().LastActionKey());
}

int EntryEditSession::categoryIndex(const QStringList& items, const QString& category)
{
    const QString wanted = category.toUpper();
    int found = -1;
    for (int i = 0; i < items.size(); ++i)
        if (items.at(i).toUpper() == wanted)
            found = i;
    return found;
}

int EntryEditSession::mediumIndex(const QStringList& items, const QString& medium)
{
    return int(items.lastIndexOf(medium));
}

EntryEditSession::Refills EntryEditSession::takeRefills()
{
    Refills r{m_ws.refillArtists, m_ws.refillLabels, m_ws.refillCategories, m_ws.refillMediums};
    m_ws.refillArtists = m_ws.refillLabels = m_ws.refillCategories = m_ws.refillMediums = false;
    return r;
}

void EntryEditSession::shown()
{
    const CEntries& c = entries();
    m_shown = c.CurrEntry();
    // Pending edits may already be in the recording (tracks are edited in place): the
    // copy is the one made before them.
    const bool pending = c.Changesmade && m_before && m_shown && m_before->CDKey == m_shown->CDKey;
    if (!m_ws.history || pending)
        return;
    m_before = m_shown && !c.InsertStarted() ? m_shown->Clone() : nullptr;
}

EntryEditSession::Activation EntryEditSession::activate()
{
    Activation a;
    a.refills = takeRefills();
    const CEntries& c = entries();
    if (c.Changesmade && m_shown && m_shown == c.CurrEntry()) {
        a.refresh = false;
        return a;
    }
    m_tracks.edited = false;
    m_cover.reset();
    return a;
}

void EntryEditSession::deactivated(bool saved)
{
    if (saved)
        m_tracks.edited = false;
}

EntryEditSession::Outcome EntryEditSession::blankTracks(int count)
{
    CEntries& c = entries();
    if (!c.ValidEntry())
        return Outcome::NoEntry;
    if (count < 1 || count > TrackListEditor::MaxTracks) {
        c.messages().show(
            QCoreApplication::translate("EntryEditSession", "The number of tracks must be from 1 to %1.")
                .arg(TrackListEditor::MaxTracks),
            QCoreApplication::translate("EntryEditSession", "Nbr of Tracks"), MsgIcon::Information);
        return Outcome::BadCount;
    }
    if (c.messages().show(
            QCoreApplication::translate("EntryEditSession",
                                        "This will clear any track detail that you've already entered.  "
                                        "Are you sure this is what you want to do?"),
            QCoreApplication::translate("EntryEditSession", "About to clear tracks"), MsgIcon::Critical,
            MsgButtons::YesNo, MsgDefault::Second)
        != MsgAnswer::Yes)
        return Outcome::Declined;
    m_tracks.blank(count);
    return Outcome::Replaced;
}

EntryEditSession::Outcome EntryEditSession::readDisc(ICDAudioDevice* device, IBusyPointer& busy,
                                                    const TrackFields& boxes)
{
    CEntries& c = entries();
    if (!c.ValidEntry())
        return Outcome::NoEntry;
    if (!device)
        return Outcome::Unreadable;
    busy.ShowBusyPointer();
    const auto disc = TrackListEditor::readDiscTracks(*device, m_ws.config.CDDriveLetter());
    busy.ShowNormalPointer();
    if (!disc) {
        c.messages().show(
            QCoreApplication::translate("EntryEditSession",
                                        "Could not read the CD. Verify that you have selected the proper drive "
                                        "and that the CD has been placed in the drive."),
            QCoreApplication::translate("EntryEditSession", "Unable to read CD"), MsgIcon::Critical);
        return Outcome::Unreadable;
    }
    // Typed titles and descriptions are the user's work: they go only when the user says so.
    const bool typed = m_tracks.edited
                       && (!boxes.title.trimmed().isEmpty() || !boxes.description.trimmed().isEmpty());
    if ((typed || m_tracks.hasTrackText())
        && c.messages().show(
               QCoreApplication::translate("EntryEditSession",
                                           "This will replace the track detail of this recording with the "
                                           "tracks of the disc. Continue?"),
               QCoreApplication::translate("EntryEditSession", "About to replace tracks"), MsgIcon::Question,
               MsgButtons::YesNo, MsgDefault::Second)
            != MsgAnswer::Yes)
        return Outcome::Declined;
    m_tracks.replaceWithDisc(*disc);
    return Outcome::Replaced;
}

CoverSource EntryEditSession::coverSource() const
{
    const CEntry* e = entries().CurrEntry();
    if (!e)
        return {};
    CoverSource s{e->CDKey, std::nullopt, m_ws.currentFileName};
    if (m_cover && m_cover->key == e->CDKey)
        s.image = m_cover->image;
    else
        s.image = m_ws.pendingCovers.find(e->CDKey);
    return s;
}

bool EntryEditSession::setCover(const QString& path)
{
    const CEntry* e = entries().CurrEntry();
    if (!e)
        return false;
    QByteArray image = CoverStore::ReadImageFile(path);
    if (image.isEmpty())
        return false;
    m_cover = StagedCover{e->CDKey, std::move(image)};
    markChanged();
    return true;
}

bool EntryEditSession::removeCover()
{
    const CEntry* e = entries().CurrEntry();
    if (!e)
        return false;
    m_cover = StagedCover{e->CDKey, {}};
    markChanged();
    return true;
}

EntryEditSession::EscapeCommand EntryEditSession::escapeCommand(bool newEntryPending, bool changesPending)
{
    if (newEntryPending)
        return EscapeCommand::Cancel;
    return changesPending ? EscapeCommand::None : EscapeCommand::Close;
}

} // namespace vinaxo
