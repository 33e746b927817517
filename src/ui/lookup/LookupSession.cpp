#include "ui/lookup/LookupSession.h"

#include "lookup/CdioAudioDevice.h"
#include "model/Workspace.h"
#include "platform/IBusyPointer.h"
#include "platform/IMessageService.h"
#include <QCoreApplication>

namespace vinaxo {

// The device as the lookup object uses it, remembering the first opening of a run: what
// disc the search read, or why it could not.
class LookupSession::WatchedDevice final : public ICDAudioDevice {
public:
    explicit WatchedDevice(ICDAudioDevice& inner) : m_inner(inner) {}

    CDOpenResult open(const QString& driveOrImage) override
    {
        const CDOpenResult r = m_inner.open(driveOrImage);
        if (!m_seen) {
            m_seen = true;
            m_result = r;
            m_toc = r == CDOpenResult::Ok ? m_inner.toc() : DiscToc{};
        }
        return r;
    }
    void close() override { m_inner.close(); }
    bool isOpen() const override { return m_inner.isOpen(); }
    const DiscToc& toc() const override { return m_inner.toc(); }
    QString errorText() const override { return m_inner.errorText(); }

    void startRun() { m_seen = false; }

    QString describe() const
    {
        if (!m_seen)
            return {};
        if (m_result == CDOpenResult::Ok)
            return QCoreApplication::translate("LookupSession", "Disc ID %1, %2 tracks")
                .arg(m_toc.discIdText())
                .arg(m_toc.tracks.size());
        // The reason alone: a device path could be long enough to widen the window.
        return QCoreApplication::translate("LookupSession", "Disc not read: %1").arg(CDOpenResultText(m_result));
    }

private:
    ICDAudioDevice& m_inner;
    bool m_seen = false;
    CDOpenResult m_result = CDOpenResult::Ok;
    DiscToc m_toc;
};

LookupSession::LookupSession(Workspace& ws, IBusyPointer& busy, IWindows* windows,
                             std::unique_ptr<ICDAudioDevice> device)
    : m_ws(ws), m_busy(busy), m_windows(windows),
      m_device(device ? std::move(device) : std::make_unique<CdioAudioDevice>()),
      m_watched(std::make_unique<WatchedDevice>(*m_device)), m_messages(ws.messages)
{
}

LookupSession::~LookupSession() = default;

void LookupSession::Open(bool configureWhenIncomplete)
{
    m_info = std::make_unique<CCDInfo>(m_ws.config, m_messages, m_siteFiles);
    m_info->setHttpPort(m_httpPort);
    if (m_hooks.status)
        QObject::connect(m_info.get(), &CCDInfo::OnStatusChange, m_info.get(), m_hooks.status);
    m_info->setMCIControl(m_watched.get());
    m_info->Initialize();
    m_configured = m_info->ConfigurationSet() && m_info->GotSiteList();
    if (!m_configured && configureWhenIncomplete)
        Configure();
}

void LookupSession::Configure()
{
    if (!m_info)
        return;
    if (m_hooks.configure)
        m_hooks.configure(*m_info);
    m_configured = m_info->SettingsComplete() && m_info->GotSiteList();
}

bool LookupSession::GetCDInfo()
{
    if (!m_info || m_running)
        return false;
    m_running = true;
    m_cancelled = false;
    m_busy.ShowBusyPointer();
    if (!m_configured) {
        m_busy.ShowNormalPointer();
        Configure();
        m_busy.ShowBusyPointer();
    }
    m_result = LookupFields{};
    m_discInfo.clear();
    m_messages.startRun();
    m_watched->startRun();

    const bool found = search() && !m_cancelled;
    if (found)
        takeResult();
    m_busy.ShowNormalPointer();
    m_running = false;
    return found;
}

bool LookupSession::search()
{
    m_info->SearchForCD();
    m_discInfo = m_watched->describe();
    if (m_cancelled)
        return false;
    switch (m_info->LookupStatus()) {
    case 1:
        m_ws.messages.show(QCoreApplication::translate("LookupSession", "No matching recording was found."),
                           QCoreApplication::translate("LookupSession", "No recording found"), MsgIcon::Information);
        return false;
    case 2:
        return true;
    case 3:
        m_busy.ShowNormalPointer();
        return chooseMatch();
    default:
        // A match whose entry the server would not give: say so rather than nothing.
        if (m_messages.shown() == 0)
            showRetrieveFailure();
        return false;
    }
}

bool LookupSession::chooseMatch()
{
    const std::optional<LookupChoice> choice = m_hooks.choose ? m_hooks.choose(*m_info) : std::nullopt;
    if (!choice) {
        m_ws.messages.show(
            QCoreApplication::translate("LookupSession", "No selection was made - try the search again."),
            QCoreApplication::translate("LookupSession", "No recording selected"), MsgIcon::Information);
        return false;
    }
    m_busy.ShowBusyPointer();
    m_messages.startRun();
    m_info->ReadCD(choice->category, choice->discId);
    if (m_cancelled)
        return false;
    if (m_info->LookupStatus() == 2)
        return true;
    showRetrieveFailure();
    return false;
}

void LookupSession::showRetrieveFailure()
{
    m_ws.messages.show(QCoreApplication::translate("LookupSession", "Unable to retrieve data for this recording."),
                       QCoreApplication::translate("LookupSession", "Error retrieve data"), MsgIcon::Critical);
}

void LookupSession::takeResult()
{
    m_result.title = m_info->Title();
    m_result.artist = m_info->Artist();
    m_result.year = m_info->Year();
    m_result.category = m_info->Category();
    m_result.description = m_info->Description();
    m_result.tracks = m_info->TrackList();
    m_result.trackExtensions = m_info->TrackExtension();
    m_result.times = ReadTrackTimes(*m_watched, m_ws.config.CDDriveLetter(), int(m_result.tracks.size()));
}

void LookupSession::Cancel()
{
    if (!m_running || m_cancelled)
        return;
    m_cancelled = true;
    m_messages.mute();
    if (m_info)
        m_info->Cancel();
}

bool LookupSession::Apply(bool addNew, const LookupFields& fields)
{
    if (m_running)
        return false;
    LookupApply apply(m_ws, m_windows);
    const bool done = addNew ? apply.Add(fields) : apply.Update(fields);
    m_showedExisting = apply.showedExisting;
    return done;
}

} // namespace vinaxo
