#pragma once
// A lookup window's run against MusicBrainz, without widgets: reads the disc in the chosen
// drive, asks the web service by disc id (with the table of contents for a near match),
// lets the window choose among several releases, maps the choice to the recording the
// window fills and fetches its front cover. The client's requests run in the event loop;
// the run ends with finished().
#include "lookup/MusicBrainzClient.h"
#include "ui/lookup/LookupApply.h"

#include <QObject>
#include <functional>
#include <memory>
#include <optional>

namespace vinaxo {

class ICDAudioDevice;
class ISteadyClock;
class Workspace;

// Where "Get CD Info..." looks: the choice is kept in the settings, MusicBrainz for a new user.
enum class LookupSource { MusicBrainz, CDDB };
LookupSource ReadLookupSource(const class CDConfig& config);
void WriteLookupSource(class CDConfig& config, LookupSource source);
QString LookupSourceName(LookupSource source);

struct MbLookupHooks {
    // Offers the candidates; the index taken, nothing when none was.
    std::function<std::optional<int>(const std::vector<MbCandidate>&)> choose;
    std::function<void(const QString&)> status;
};

class MusicBrainzLookup : public QObject {
    Q_OBJECT
public:
    // Without a device or clock, the system's.
    MusicBrainzLookup(Workspace& ws, ICDAudioDevice* device = nullptr, ISteadyClock* clock = nullptr,
                      QObject* parent = nullptr);
    ~MusicBrainzLookup() override;

    void setHooks(MbLookupHooks hooks) { m_hooks = std::move(hooks); }

    // Reads the disc and sends the request; false (and no finished()) when it could not
    // start: a run in progress, or a disc that cannot be read (said to the user).
    bool start();
    // Ends the run at once; finished(false) follows without further messages.
    void cancel();
    bool running() const { return m_running; }
    bool cancelled() const { return m_cancelled; }

    // What the last run found, as the window fills it.
    const LookupFields& result() const { return m_result; }
    const QString& releaseId() const { return m_releaseId; }
    // The front cover's bytes; empty when the archive has none or could not be asked.
    const QByteArray& cover() const { return m_cover; }
    QString discInfo() const { return m_discInfo; }

Q_SIGNALS:
    void finished(bool found);

private:
    void onLookup();
    void onCover();
    void end(bool found);
    void say(const QString& text, const QString& title);
    void status(const QString& text);

    Workspace& m_ws;
    std::unique_ptr<ICDAudioDevice> m_ownDevice;
    ICDAudioDevice* m_device;
    std::unique_ptr<ISteadyClock> m_ownClock;
    MusicBrainzClient m_client;
    MbLookupHooks m_hooks;
    DiscToc m_toc;
    LookupFields m_result;
    QString m_releaseId;
    QByteArray m_cover;
    QString m_discInfo;
    bool m_running = false;
    bool m_cancelled = false;
};

} // namespace vinaxo
