#pragma once
// A MusicBrainz-shaped web server for the tests: HTTP/1.1 on 127.0.0.1 at a free port,
// one request per connection, answers chosen by path (the query is recorded, not
// matched). Each request is stamped with the test's clock, so the client's spacing is
// checked without sleeping.
#include "lookup/SteadyClock.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTcpServer>
#include <QUrlQuery>

namespace vinaxo::test {

class MusicBrainzTestServer : public QObject {
    Q_OBJECT
public:
    enum class Body {
        Whole,     // with its Content-Length
        NoLength,  // without one: the closing connection ends it
        Endless,   // headers and a first piece, then nothing more
    };
    struct Response {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "application/json";
        QList<QPair<QByteArray, QByteArray>> headers;
        Body mode = Body::Whole;
    };
    struct Request {
        QString path;
        QUrlQuery query;
        QByteArray userAgent;
        QByteArray accept;
        qint64 at = 0; // the test's clock when the request arrived
    };

    explicit MusicBrainzTestServer(const ISteadyClock& clock);
    ~MusicBrainzTestServer() override;

    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }
    // The answers for a path, in turn; the last one stays. An unknown path gets a 404.
    void serve(const QString& path, QList<Response> responses) { m_routes.insert(path, std::move(responses)); }
    static Response json(int status, const QByteArray& body) { return Response{status, body}; }

    QList<Request> requests;

private:
    void onConnection();
    void onReadable(class QTcpSocket* s);

    const ISteadyClock& m_clock;
    QTcpServer m_server;
    QHash<QString, QList<Response>> m_routes;
    QHash<QTcpSocket*, QByteArray> m_in;
};

} // namespace vinaxo::test
