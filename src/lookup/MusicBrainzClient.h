#pragma once
// The client of the MusicBrainz web service and of the Cover Art Archive: one request at
// a time over Qt Network, no widgets. It only delivers; reading the replies is
// MusicBrainzReply's business. Requests to the service are spaced at least a second
// apart (its rule), a 503 is waited out once, and every wait is bounded by the time-out
// and can be cancelled. Results arrive through the finished signals.
#include "lookup/MusicBrainzReply.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QUrl>

class QNetworkReply;

namespace vinaxo {

class CDConfig;
class ISteadyClock;

// Where the services are, kept beside the CDDB settings.
struct MusicBrainzSettings {
    static constexpr const char* Section = "CDInternetLookup";
    static constexpr const char* ServerKey = "MusicBrainzServer";
    static constexpr const char* CoverServerKey = "CoverArtServer";
    static constexpr const char* DefaultServer = "https://musicbrainz.org";
    static constexpr const char* DefaultCoverServer = "https://coverartarchive.org";

    QString server = QLatin1String(DefaultServer);
    QString coverServer = QLatin1String(DefaultCoverServer);
    int timeoutSeconds = 15;

    // The stored addresses (defaults where none) and the lookup time-out.
    static MusicBrainzSettings read(const CDConfig& config);
};

enum class MbOutcome {
    Found,        // releases, or an image
    NoMatch,      // 404, or a reply without releases; for a cover: none
    BadDiscId,    // 400
    Busy,         // 503, also after the one retry
    TimedOut,
    Cancelled,
    NetworkError, // no answer at all: no server, refused connection, broken transfer
    Malformed,    // not the JSON expected
    TooLarge,     // beyond the size limit: refused
    ServerError,  // any other HTTP status
};

struct MbResult {
    MbOutcome outcome = MbOutcome::NetworkError;
    int httpStatus = 0;
    QString message; // for the user: what happened and, where it helps, what to do
    // Disc lookups:
    bool fuzzy = false;
    std::vector<MbCandidate> candidates;
    // Cover images:
    QByteArray image;
    QString mimeType;
};

class MusicBrainzClient : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 MinSpacingMs = 1000;
    static constexpr qint64 MaxReplyBytes = 4 * 1024 * 1024;  // a 99-track release is ~100 kB
    static constexpr qint64 MaxImageBytes = 16 * 1024 * 1024; // front-500 images are far smaller

    explicit MusicBrainzClient(ISteadyClock& clock, QObject* parent = nullptr);
    ~MusicBrainzClient() override;

    void apply(const MusicBrainzSettings& s);
    void setServer(const QString& base) { m_server = base.trimmed(); }
    void setCoverServer(const QString& base) { m_coverServer = base.trimmed(); }
    // 1 to 60 seconds, as for the CDDB lookup.
    void setTimeoutSeconds(int seconds) { m_timeoutMs = qint64(qBound(1, seconds, 60)) * 1000; }
    QString server() const { return m_server; }
    QString coverServer() const { return m_coverServer; }

    // "Vinaxo/<version> ( <contact> )", as the service asks of every client.
    static QString userAgent();

    // <server>/ws/2/discid/<id>?inc=recordings+artist-credits+labels&fmt=json[&toc=...]&cdstubs=no
    QUrl discUrl(const QString& discId, const QString& toc) const;
    // <cover server>/release/<mbid>/front-500
    QUrl coverUrl(const QString& releaseId) const;

    // Start a request; false (and nothing starts) while another is in progress. The toc,
    // when given, lets the service answer by table of contents when the id is unknown.
    bool lookupDisc(const QString& discId, const QString& toc, int audioTracks);
    bool fetchCover(const QString& releaseId);
    bool isBusy() const { return m_job != Job::None; }
    const MbResult& result() const { return m_result; }

public Q_SLOTS:
    // Ends the request or wait in progress; its finished signal reports Cancelled.
    void cancel();

Q_SIGNALS:
    void lookupFinished();
    void coverFinished();

private:
    enum class Job { None, Disc, Cover };
    void begin(Job job, const QUrl& url);
    void send();
    void onData();
    void onFinished();
    void onTimeout();
    void abortWith(MbOutcome outcome, const QString& message);
    void finish(MbResult r);
    void dropReply();
    void stopTimer();

    ISteadyClock& m_clock;
    QNetworkAccessManager m_nam;
    QString m_server = QLatin1String(MusicBrainzSettings::DefaultServer);
    QString m_coverServer = QLatin1String(MusicBrainzSettings::DefaultCoverServer);
    qint64 m_timeoutMs = 15000;

    Job m_job = Job::None;
    QUrl m_url;
    QString m_discId;
    int m_audioTracks = 0;
    int m_attempt = 0;
    int m_timer = 0; // clock callback: the spacing, the 503 wait or the time-out
    qint64 m_lastServiceRequest = -1;
    QPointer<QNetworkReply> m_reply;
    QByteArray m_body;
    MbResult m_result;
};

QString MbOutcomeText(MbOutcome o);

} // namespace vinaxo
