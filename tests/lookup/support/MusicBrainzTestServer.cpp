#include "MusicBrainzTestServer.h"

#include <QTcpSocket>
#include <QUrl>

namespace vinaxo::test {

MusicBrainzTestServer::MusicBrainzTestServer(const ISteadyClock& clock) : m_clock(clock)
{
    connect(&m_server, &QTcpServer::newConnection, this, &MusicBrainzTestServer::onConnection);
    m_server.listen(QHostAddress::LocalHost, 0);
}

MusicBrainzTestServer::~MusicBrainzTestServer()
{
    for (auto it = m_in.begin(); it != m_in.end(); ++it) {
        it.key()->disconnect(this);
        it.key()->abort();
        delete it.key();
    }
}

void MusicBrainzTestServer::onConnection()
{
    while (QTcpSocket* s = m_server.nextPendingConnection()) {
        s->setParent(nullptr);
        m_in.insert(s, {});
        connect(s, &QTcpSocket::readyRead, this, [this, s] { onReadable(s); });
    }
}

void MusicBrainzTestServer::onReadable(QTcpSocket* s)
{
    QByteArray& in = m_in[s];
    in += s->readAll();
    const qsizetype end = in.indexOf("\r\n\r\n");
    if (end < 0)
        return;
    const QList<QByteArray> lines = in.left(end).split('\n');
    in.clear();
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    const QUrl target(QString::fromLatin1(first.value(1)));
    Request req;
    req.path = target.path();
    req.query = QUrlQuery(target);
    req.at = m_clock.nowMs();
    for (const QByteArray& l : lines.mid(1)) {
        const qsizetype colon = l.indexOf(':');
        const QByteArray name = l.left(colon).trimmed().toLower();
        const QByteArray value = l.mid(colon + 1).trimmed();
        if (name == "user-agent")
            req.userAgent = value;
        else if (name == "accept")
            req.accept = value;
    }
    requests.push_back(req);

    Response r{404, R"({"error":"Not Found","help":"For usage, please see the documentation."})"};
    auto route = m_routes.find(req.path);
    if (route != m_routes.end() && !route->isEmpty())
        r = route->size() > 1 ? route->takeFirst() : route->first();

    QByteArray head = "HTTP/1.1 " + QByteArray::number(r.status) + " Status\r\n";
    head += "Content-Type: " + r.contentType + "\r\nConnection: close\r\n";
    for (const auto& [name, value] : r.headers)
        head += name + ": " + value + "\r\n";
    if (r.mode == Body::Whole)
        head += "Content-Length: " + QByteArray::number(r.body.size()) + "\r\n";
    if (r.mode == Body::Endless)
        head += "Content-Length: " + QByteArray::number(r.body.size() + 1000000) + "\r\n";
    head += "\r\n";
    s->write(head);
    s->write(r.body);
    if (r.mode != Body::Endless)
        s->disconnectFromHost();
}

} // namespace vinaxo::test
