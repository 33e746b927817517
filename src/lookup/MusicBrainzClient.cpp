#include "lookup/MusicBrainzClient.h"

#include "lookup/SteadyClock.h"
#include "storage/CDConfig.h"

#include <QCoreApplication>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrlQuery>

#ifndef VINAXO_VERSION_TEXT
#define VINAXO_VERSION_TEXT "3.1"
#endif
#ifndef VINAXO_CONTACT
#define VINAXO_CONTACT "vinaxo@localhost"
#endif

namespace vinaxo {

namespace {
QString baseWithoutSlash(QString base)
{
    while (base.endsWith(u'/'))
        base.chop(1);
    return base;
}

QString hostOf(const QUrl& url)
{
    return url.host().isEmpty() ? url.toString() : url.host();
}
}

MusicBrainzSettings MusicBrainzSettings::read(const CDConfig& config)
{
    MusicBrainzSettings s;
    const QString section = QLatin1String(Section);
    const QString server = config.extraValue(section, QLatin1String(ServerKey)).toString().trimmed();
    const QString cover = config.extraValue(section, QLatin1String(CoverServerKey)).toString().trimmed();
    if (!server.isEmpty())
        s.server = server;
    if (!cover.isEmpty())
        s.coverServer = cover;
    bool ok = false;
    const int t = config.Timeout().trimmed().toInt(&ok);
    s.timeoutSeconds = ok && t > 0 ? qMin(t, 60) : 15;
    return s;
}

QString MbOutcomeText(MbOutcome o)
{
    switch (o) {
    case MbOutcome::Found:
        return QCoreApplication::translate("MusicBrainzClient", "found");
    case MbOutcome::NoMatch:
        return QCoreApplication::translate("MusicBrainzClient", "no match");
    case MbOutcome::BadDiscId:
        return QCoreApplication::translate("MusicBrainzClient", "bad disc id");
    case MbOutcome::Busy:
        return QCoreApplication::translate("MusicBrainzClient", "busy");
    case MbOutcome::TimedOut:
        return QCoreApplication::translate("MusicBrainzClient", "timed out");
    case MbOutcome::Cancelled:
        return QCoreApplication::translate("MusicBrainzClient", "cancelled");
    case MbOutcome::NetworkError:
        return QCoreApplication::translate("MusicBrainzClient", "network error");
    case MbOutcome::Malformed:
        return QCoreApplication::translate("MusicBrainzClient", "malformed reply");
    case MbOutcome::TooLarge:
        return QCoreApplication::translate("MusicBrainzClient", "reply too large");
    case MbOutcome::ServerError:
        return QCoreApplication::translate("MusicBrainzClient", "server error");
    }
    return {};
}

MusicBrainzClient::MusicBrainzClient(ISteadyClock& clock, QObject* parent) : QObject(parent), m_clock(clock)
{
    m_nam.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

MusicBrainzClient::~MusicBrainzClient()
{
    stopTimer();
    dropReply();
}

void MusicBrainzClient::apply(const MusicBrainzSettings& s)
{
    setServer(s.server);
    setCoverServer(s.coverServer);
    setTimeoutSeconds(s.timeoutSeconds);
}

QString MusicBrainzClient::userAgent()
{
    return QStringLiteral("Vinaxo/") + QLatin1String(VINAXO_VERSION_TEXT) + QStringLiteral(" ( ")
        + QLatin1String(VINAXO_CONTACT) + QStringLiteral(" )");
}

QUrl MusicBrainzClient::discUrl(const QString& discId, const QString& toc) const
{
    QUrl url(baseWithoutSlash(m_server) + QStringLiteral("/ws/2/discid/")
             + QString::fromLatin1(QUrl::toPercentEncoding(discId)));
    // The '+' between the includes and in the toc are the service's own separators.
    QString query = QStringLiteral("inc=recordings+artist-credits+labels&fmt=json");
    if (!toc.isEmpty())
        query += QStringLiteral("&toc=") + QString::fromLatin1(QUrl::toPercentEncoding(toc, "+"));
    query += QStringLiteral("&cdstubs=no");
    url.setQuery(query, QUrl::StrictMode);
    return url;
}

QUrl MusicBrainzClient::coverUrl(const QString& releaseId) const
{
    return QUrl(baseWithoutSlash(m_coverServer) + QStringLiteral("/release/")
                + QString::fromLatin1(QUrl::toPercentEncoding(releaseId)) + QStringLiteral("/front-500"));
}

bool MusicBrainzClient::lookupDisc(const QString& discId, const QString& toc, int audioTracks)
{
    if (isBusy())
        return false;
    m_discId = discId;
    m_audioTracks = audioTracks;
    begin(Job::Disc, discUrl(discId, toc));
    return true;
}

bool MusicBrainzClient::fetchCover(const QString& releaseId)
{
    if (isBusy())
        return false;
    begin(Job::Cover, coverUrl(releaseId));
    return true;
}

void MusicBrainzClient::begin(Job job, const QUrl& url)
{
    m_job = job;
    m_url = url;
    m_attempt = 0;
    m_result = MbResult{};
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))) {
        MbResult r;
        r.outcome = MbOutcome::NetworkError;
        r.message = QCoreApplication::translate("MusicBrainzClient",
                                                "The server address \"%1\" is not an http or https address.")
                        .arg(url.toString());
        finish(std::move(r));
        return;
    }
    // The service's rule: at least a second between requests. The cover archive is
    // another service and is not spaced.
    const qint64 wait = job == Job::Disc && m_lastServiceRequest >= 0
        ? m_lastServiceRequest + MinSpacingMs - m_clock.nowMs()
        : 0;
    if (wait > 0)
        m_timer = m_clock.callAfter(wait, [this] {
            m_timer = 0;
            send();
        });
    else
        send();
}

void MusicBrainzClient::send()
{
    m_body.clear();
    if (m_job == Job::Disc)
        m_lastServiceRequest = m_clock.nowMs();
    QNetworkRequest req(m_url);
    req.setHeader(QNetworkRequest::UserAgentHeader, userAgent());
    req.setRawHeader("Accept", m_job == Job::Disc ? QByteArray("application/json") : QByteArray("image/*"));
    req.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    req.setMaximumRedirectsAllowed(5);
    m_reply = m_nam.get(req);
    connect(m_reply, &QNetworkReply::readyRead, this, &MusicBrainzClient::onData);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &MusicBrainzClient::onData);
    connect(m_reply, &QNetworkReply::finished, this, &MusicBrainzClient::onFinished);
    m_timer = m_clock.callAfter(m_timeoutMs, [this] {
        m_timer = 0;
        onTimeout();
    });
}

void MusicBrainzClient::onData()
{
    if (!m_reply)
        return;
    const qint64 limit = m_job == Job::Disc ? MaxReplyBytes : MaxImageBytes;
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool redirect = status >= 300 && status < 400;
    const QVariant declared = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (!redirect && declared.isValid() && declared.toLongLong() > limit) {
        abortWith(MbOutcome::TooLarge, {});
        return;
    }
    // Taken as it comes, so that Qt holds no more than a piece of it.
    m_body += m_reply->read(limit + 1 - m_body.size());
    if (m_body.size() > limit)
        abortWith(MbOutcome::TooLarge, {});
}

void MusicBrainzClient::onTimeout()
{
    abortWith(MbOutcome::TimedOut, {});
}

void MusicBrainzClient::cancel()
{
    if (!isBusy())
        return;
    abortWith(MbOutcome::Cancelled, {});
}

void MusicBrainzClient::abortWith(MbOutcome outcome, const QString& message)
{
    MbResult r;
    r.outcome = outcome;
    r.message = message;
    if (m_reply)
        r.httpStatus = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    stopTimer();
    dropReply();
    finish(std::move(r));
}

void MusicBrainzClient::onFinished()
{
    if (!m_reply)
        return;
    onData();
    if (!m_reply)
        return; // refused as too large
    QNetworkReply* reply = m_reply;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QString errorText = reply->errorString();
    const QByteArray retryAfter = reply->rawHeader("Retry-After");
    const QString mimeType = reply->header(QNetworkRequest::ContentTypeHeader).toString();
    stopTimer();
    dropReply();

    MbResult r;
    r.httpStatus = status;
    if (status == 503 && m_attempt == 0) {
        // Slow down: wait as asked (at least the spacing) and try once more, if the
        // time-out leaves room for it.
        bool ok = false;
        const qint64 asked = retryAfter.trimmed().toLongLong(&ok) * 1000;
        const qint64 wait = qMax<qint64>(MinSpacingMs, ok ? asked : 0);
        if (wait <= m_timeoutMs) {
            m_attempt = 1;
            m_timer = m_clock.callAfter(wait, [this] {
                m_timer = 0;
                send();
            });
            return;
        }
    }
    if (status == 0) {
        r.outcome = MbOutcome::NetworkError;
        r.message = errorText;
    } else if (status == 503) {
        r.outcome = MbOutcome::Busy;
    } else if (status == 404) {
        r.outcome = MbOutcome::NoMatch;
    } else if (status == 400 && m_job == Job::Disc) {
        r.outcome = MbOutcome::BadDiscId;
        const MbDiscReply parsed = ParseDiscReply(m_body, m_discId, m_audioTracks);
        r.message = parsed.error;
    } else if (status != 200) {
        r.outcome = MbOutcome::ServerError;
    } else if (m_job == Job::Cover) {
        r.image = m_body;
        r.mimeType = mimeType;
        r.outcome = m_body.isEmpty() ? MbOutcome::NoMatch : MbOutcome::Found;
    } else {
        MbDiscReply parsed = ParseDiscReply(m_body, m_discId, m_audioTracks);
        if (!parsed.ok) {
            r.outcome = MbOutcome::Malformed;
            r.message = parsed.error;
        } else {
            r.fuzzy = parsed.fuzzy;
            r.candidates = std::move(parsed.candidates);
            r.outcome = r.candidates.empty() ? MbOutcome::NoMatch : MbOutcome::Found;
        }
    }
    m_body.clear();
    finish(std::move(r));
}

void MusicBrainzClient::finish(MbResult r)
{
    const QString host = hostOf(m_url);
    const QString detail = r.message;
    const bool cover = m_job == Job::Cover;
    switch (r.outcome) {
    case MbOutcome::Found:
        r.message = cover ? QCoreApplication::translate("MusicBrainzClient", "Cover image received from %1").arg(host)
                          : QCoreApplication::translate("MusicBrainzClient", "%1 found %2 match(es)")
                                .arg(host)
                                .arg(r.candidates.size());
        break;
    case MbOutcome::NoMatch:
        r.message = cover ? QCoreApplication::translate("MusicBrainzClient", "No cover image for this release.")
                          : QCoreApplication::translate("MusicBrainzClient", "MusicBrainz does not know this disc.");
        break;
    case MbOutcome::BadDiscId:
        r.message = detail.isEmpty()
            ? QCoreApplication::translate("MusicBrainzClient", "MusicBrainz refused the disc id.")
            : QCoreApplication::translate("MusicBrainzClient", "MusicBrainz refused the disc id: %1.").arg(detail);
        break;
    case MbOutcome::Busy:
        r.message
            = QCoreApplication::translate("MusicBrainzClient",
                                          "%1 is busy (it asked twice to slow down). Please try again in a minute.")
                  .arg(host);
        break;
    case MbOutcome::TimedOut:
        r.message = QCoreApplication::translate("MusicBrainzClient", "No answer from %1 within %2 seconds.")
                        .arg(host)
                        .arg(m_timeoutMs / 1000);
        break;
    case MbOutcome::Cancelled:
        r.message = QCoreApplication::translate("MusicBrainzClient", "Cancelled.");
        break;
    case MbOutcome::NetworkError:
        // An address refused before any request already says what is wrong.
        if (m_url.isValid() && (m_url.scheme() == QLatin1String("http") || m_url.scheme() == QLatin1String("https")))
            r.message = QCoreApplication::translate(
                            "MusicBrainzClient",
                            "Unable to reach %1: %2. Please verify your Internet connection and the "
                            "server address.")
                            .arg(host, detail);
        break;
    case MbOutcome::Malformed:
        r.message = QCoreApplication::translate("MusicBrainzClient", "The answer from %1 could not be read (%2).")
                        .arg(host, detail);
        break;
    case MbOutcome::TooLarge:
        r.message = QCoreApplication::translate("MusicBrainzClient",
                                                "The answer from %1 is larger than %2 MB and was refused.")
                        .arg(host)
                        .arg((cover ? MaxImageBytes : MaxReplyBytes) / (1024 * 1024));
        break;
    case MbOutcome::ServerError:
        r.message
            = QCoreApplication::translate("MusicBrainzClient", "%1 answered HTTP %2.").arg(host).arg(r.httpStatus);
        break;
    }
    m_result = std::move(r);
    m_job = Job::None;
    if (cover)
        Q_EMIT coverFinished();
    else
        Q_EMIT lookupFinished();
}

void MusicBrainzClient::dropReply()
{
    if (m_reply) {
        QNetworkReply* reply = m_reply;
        m_reply.clear();
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

void MusicBrainzClient::stopTimer()
{
    if (m_timer) {
        m_clock.cancel(m_timer);
        m_timer = 0;
    }
}

} // namespace vinaxo
