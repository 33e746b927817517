#include "ui/lookup/MusicBrainzLookup.h"

#include "lookup/CdioAudioDevice.h"
#include "lookup/MusicBrainzDiscId.h"
#include "lookup/SteadyClock.h"
#include "model/Workspace.h"
#include "platform/IMessageService.h"
#include <QCoreApplication>

namespace vinaxo {

namespace {
const QString kSourceKey = QStringLiteral("LookupSource");
const QString kMusicBrainz = QStringLiteral("MusicBrainz");
const QString kCddb = QStringLiteral("CDDB");
} // namespace

LookupSource ReadLookupSource(const CDConfig& config)
{
    const QString v =
        config.extraValue(QLatin1String(MusicBrainzSettings::Section), kSourceKey).toString().trimmed();
    return v.compare(kCddb, Qt::CaseInsensitive) == 0 ? LookupSource::CDDB : LookupSource::MusicBrainz;
}

void WriteLookupSource(CDConfig& config, LookupSource source)
{
    config.setExtraValue(QLatin1String(MusicBrainzSettings::Section), kSourceKey, LookupSourceName(source));
}

QString LookupSourceName(LookupSource source)
{
    return source == LookupSource::CDDB ? kCddb : kMusicBrainz;
}

MusicBrainzLookup::MusicBrainzLookup(Workspace& ws, ICDAudioDevice* device, ISteadyClock* clock, QObject* parent)
    : QObject(parent), m_ws(ws),
      m_ownDevice(device ? nullptr : std::make_unique<CdioAudioDevice>()),
      m_device(device ? device : m_ownDevice.get()),
      m_ownClock(clock ? nullptr : std::make_unique<SystemSteadyClock>()),
      m_client(clock ? *clock : *m_ownClock)
{
    connect(&m_client, &MusicBrainzClient::lookupFinished, this, &MusicBrainzLookup::onLookup);
    connect(&m_client, &MusicBrainzClient::coverFinished, this, &MusicBrainzLookup::onCover);
}

MusicBrainzLookup::~MusicBrainzLookup() = default;

void MusicBrainzLookup::status(const QString& text)
{
    if (m_hooks.status)
        m_hooks.status(text);
}

void MusicBrainzLookup::say(const QString& text, const QString& title)
{
    if (!m_cancelled)
        m_ws.messages.show(text, title, MsgIcon::Information);
}

bool MusicBrainzLookup::start()
{
    if (m_running)
        return false;
    m_result = LookupFields{};
    m_releaseId.clear();
    m_cover.clear();
    m_discInfo.clear();
    m_cancelled = false;

    const CDOpenResult opened = m_device->open(m_ws.config.CDDriveLetter());
    m_toc = opened == CDOpenResult::Ok ? m_device->toc() : DiscToc{};
    m_device->close();
    if (opened != CDOpenResult::Ok) {
        m_discInfo
            = QCoreApplication::translate("MusicBrainzLookup", "Disc not read: %1").arg(CDOpenResultText(opened));
        status(QCoreApplication::translate("MusicBrainzLookup", "Disc not read"));
        m_ws.messages.show(
            QCoreApplication::translate("MusicBrainzLookup",
                                        "Unable to read your CD: %1.  Please verify your CD drive and try again.")
                .arg(CDOpenResultText(opened)),
            QCoreApplication::translate("MusicBrainzLookup", "Search Error"), MsgIcon::Critical);
        return false;
    }
    const auto mbToc = MusicBrainzTocOf(m_toc);
    const QString discId = mbToc ? MusicBrainzDiscId(*mbToc) : QString();
    if (discId.isEmpty()) {
        m_discInfo = QCoreApplication::translate("MusicBrainzLookup", "Disc ID %1, %2 tracks")
                         .arg(m_toc.discIdText())
                         .arg(m_toc.tracks.size());
        m_ws.messages.show(QCoreApplication::translate(
                               "MusicBrainzLookup", "This disc has no audio tracks that MusicBrainz could look up."),
                           QCoreApplication::translate("MusicBrainzLookup", "Search Error"), MsgIcon::Critical);
        return false;
    }
    m_discInfo = QCoreApplication::translate("MusicBrainzLookup", "Disc ID %1, %2 tracks")
                     .arg(discId)
                     .arg(m_toc.tracks.size());
    int audio = 0;
    for (const DiscTrack& t : m_toc.tracks)
        audio += t.audio ? 1 : 0;

    m_client.apply(MusicBrainzSettings::read(m_ws.config));
    m_running = true;
    status(QCoreApplication::translate("MusicBrainzLookup", "Searching MusicBrainz for the CD"));
    m_client.lookupDisc(discId, mbToc->tocParameter(), audio);
    return true;
}

void MusicBrainzLookup::onLookup()
{
    if (!m_running)
        return;
    const MbResult found = m_client.result();
    if (m_cancelled || found.outcome == MbOutcome::Cancelled) {
        end(false);
        return;
    }
    if (found.outcome == MbOutcome::NoMatch || (found.outcome == MbOutcome::Found && found.candidates.empty())) {
        status(QCoreApplication::translate("MusicBrainzLookup", "MusicBrainz: no match"));
        say(QCoreApplication::translate("MusicBrainzLookup", "No matching recording was found."),
            QCoreApplication::translate("MusicBrainzLookup", "No recording found"));
        end(false);
        return;
    }
    if (found.outcome != MbOutcome::Found) {
        status(QCoreApplication::translate("MusicBrainzLookup", "MusicBrainz: %1").arg(MbOutcomeText(found.outcome)));
        if (!m_cancelled)
            m_ws.messages.show(found.message.isEmpty() ? MbOutcomeText(found.outcome) : found.message,
                               QCoreApplication::translate("MusicBrainzLookup", "Search Error"), MsgIcon::Critical);
        end(false);
        return;
    }

    std::size_t pick = 0;
    if (found.candidates.size() > 1) {
        status(QCoreApplication::translate("MusicBrainzLookup", "MusicBrainz found %1 releases")
                   .arg(found.candidates.size()));
        const std::optional<int> chosen = m_hooks.choose ? m_hooks.choose(found.candidates) : std::nullopt;
        if (m_cancelled) {
            end(false);
            return;
        }
        if (!chosen || *chosen < 0 || std::size_t(*chosen) >= found.candidates.size()) {
            say(QCoreApplication::translate("MusicBrainzLookup", "No selection was made - try the search again."),
                QCoreApplication::translate("MusicBrainzLookup", "No recording selected"));
            end(false);
            return;
        }
        pick = std::size_t(*chosen);
    }
    const LookupRecording rec = MapCandidate(found.candidates[pick], &m_toc);
    m_result.title = rec.title;
    m_result.artist = rec.artist;
    m_result.year = rec.year;
    m_result.category = rec.category;
    m_result.description = rec.description;
    m_result.label = rec.label;
    m_result.catalogNumber = rec.catalogNumber;
    m_result.tracks = rec.tracks;
    m_result.times = rec.times;
    m_releaseId = rec.releaseId;

    status(found.fuzzy
               ? QCoreApplication::translate("MusicBrainzLookup", "Found by MusicBrainz (by table of contents)")
               : QCoreApplication::translate("MusicBrainzLookup", "Found by MusicBrainz"));
    // The cover is a bonus: its absence or failure is said nowhere but in the status bar.
    if (m_releaseId.isEmpty() || !m_client.fetchCover(m_releaseId))
        end(true);
}

void MusicBrainzLookup::onCover()
{
    if (!m_running)
        return;
    const MbResult& r = m_client.result();
    if (m_cancelled || r.outcome == MbOutcome::Cancelled) {
        end(false);
        return;
    }
    if (r.outcome == MbOutcome::Found)
        m_cover = r.image;
    status(m_cover.isEmpty()
               ? QCoreApplication::translate("MusicBrainzLookup", "Found by MusicBrainz, no cover picture")
               : QCoreApplication::translate("MusicBrainzLookup", "Found by MusicBrainz, with cover picture"));
    end(true);
}

void MusicBrainzLookup::end(bool found)
{
    m_running = false;
    if (!found) {
        m_result = LookupFields{};
        m_releaseId.clear();
        m_cover.clear();
    }
    Q_EMIT finished(found);
}

void MusicBrainzLookup::cancel()
{
    if (!m_running || m_cancelled)
        return;
    m_cancelled = true;
    // The client reports Cancelled through its finished signal, which ends the run.
    m_client.cancel();
    if (m_running && !m_client.isBusy())
        end(false);
}

} // namespace vinaxo
