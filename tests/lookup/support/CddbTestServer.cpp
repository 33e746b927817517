#include "CddbTestServer.h"

#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace vinaxo::test {

struct CddbTestServer::Client {
    QTcpSocket* socket = nullptr;
    QByteArray in;
    bool http = false;
    // A reply being streamed: bytes still to send (-1 for ever), and its line.
    qint64 remaining = 0;
    QByteArray unit;
    QByteArray tail;
    QTimer* trickle = nullptr;
};

namespace {
QByteArray lines(const QStringList& l)
{
    QByteArray out;
    for (const QString& s : l)
        out += s.toUtf8() + "\r\n";
    return out;
}
}

CddbTestServer::CddbTestServer()
{
    connect(&m_server, &QTcpServer::newConnection, this, &CddbTestServer::onConnection);
    m_server.listen(QHostAddress::LocalHost, 0);
}

CddbTestServer::~CddbTestServer()
{
    for (Client* c : m_clients) {
        c->socket->disconnect(this);
        c->socket->abort();
        delete c->socket;
        delete c->trickle;
        delete c;
    }
}

void CddbTestServer::onConnection()
{
    while (QTcpSocket* s = m_server.nextPendingConnection()) {
        ++connections;
        auto* c = new Client;
        c->socket = s;
        c->http = m_http;
        s->setParent(nullptr);
        m_clients.push_back(c);
        connect(s, &QTcpSocket::readyRead, this, [this, c] { onReadable(c); });
        connect(s, &QTcpSocket::bytesWritten, this, [this, c] { pump(c); });
        connect(s, &QTcpSocket::disconnected, this, [c] {
            c->remaining = 0;
            if (c->trickle)
                c->trickle->stop();
        });
        if (!c->http) {
            if (m_greeting == Greeting::Ready)
                s->write("201 localhost CDDBP server v1.5.2PL0 ready at Mon Dec 07 00:00:00 2026\r\n");
            else if (m_greeting == Greeting::Refuse) {
                s->write("433 No connections allowed: 10 users allowed, 10 currently active\r\n");
                s->disconnectFromHost();
            }
        }
    }
}

void CddbTestServer::pump(Client* c)
{
    if (!c->socket || c->socket->state() != QAbstractSocket::ConnectedState)
        return;
    while (c->remaining != 0 && c->socket->bytesToWrite() < 256 * 1024) {
        c->socket->write(c->unit);
        if (c->remaining > 0)
            c->remaining = qMax<qint64>(0, c->remaining - c->unit.size());
        if (c->remaining == 0 && !c->tail.isEmpty()) {
            c->socket->write(c->tail);
            c->tail.clear();
        }
    }
}

QByteArray CddbTestServer::faultStart(Client* c)
{
    switch (m_fault) {
    case Fault::None:
    case Fault::Silent:
        return {};
    case Fault::Garbage:
        return "Welcome to nowhere\r\n";
    case Fault::CutOff:
        return "210 rock 00000000 CD database entry follows (until terminating `.')\r\nDTITLE=Cut / Off\r\nTTITLE0=One\r\n";
    case Fault::Huge:
        c->unit = QByteArray(98, 'x') + "\r\n";
        c->remaining = 8 * 1024 * 1024;
        c->tail = ".\r\n";
        return "211 close matches found\r\n";
    case Fault::Endless:
        c->unit = "misc 0123abcd Endless / Reply\r\n";
        c->remaining = -1;
        return "211 close matches found\r\n";
    case Fault::LongLine:
        c->unit = QByteArray(64 * 1024, 'y');
        c->remaining = -1;
        return "211 close matches found\r\n";
    case Fault::Trickle: {
        c->trickle = new QTimer;
        QTcpSocket* s = c->socket;
        QObject::connect(c->trickle, &QTimer::timeout, s, [s] {
            if (s->state() == QAbstractSocket::ConnectedState)
                s->write("misc 0123abcd Slow / Reply\r\n");
        });
        c->trickle->start(100);
        return "211 close matches found\r\n";
    }
    case Fault::Binary:
        return QByteArray("210 rock 00000000 CD database entry follows (until terminating `.')\r\n")
            + "DTITLE=Caf\xe9 / Cr\xe8me\r\nTTITLE0=Pr\xe9lude\r\n.\r\n";
    }
    return {};
}

QByteArray CddbTestServer::answer(Client* c, const QString& command, bool* closeAfter)
{
    *closeAfter = false;
    commands.push_back(command);
    if (m_fault != Fault::None && !m_faultPrefix.isEmpty() && command.startsWith(m_faultPrefix)) {
        *closeAfter = m_fault == Fault::CutOff || m_fault == Fault::Garbage;
        return faultStart(c);
    }
    const QStringList words = command.split(u' ', Qt::SkipEmptyParts);
    const QString verb = words.value(0).toLower();
    if (verb == QLatin1String("cddb") && words.value(1) == QLatin1String("hello")) {
        if (!m_helloReply.isEmpty())
            return m_helloReply + "\r\n";
        return QStringLiteral("200 Hello and welcome %1@%2 running %3 %4.\r\n")
            .arg(words.value(2), words.value(3), words.value(4), words.value(5))
            .toUtf8();
    }
    if (verb == QLatin1String("proto")) {
        if (words.size() == 1)
            return "200 CDDB protocol level: current 1, supported 5\r\n";
        if (words.value(1) == QLatin1String("6") && m_proto == Proto::Refuse501)
            return "501 Illegal protocol level.\r\n";
        if (m_proto == Proto::Already502)
            return "502 Protocol level already " + words.value(1).toUtf8() + "\r\n";
        return "201 OK, CDDB protocol level now: " + words.value(1).toUtf8() + "\r\n";
    }
    if (verb == QLatin1String("cddb") && words.value(1) == QLatin1String("query")) {
        if (m_queries.contains(words.value(2)))
            return lines(m_queries.value(words.value(2)));
        return "202 No match for disc ID " + words.value(2).toUtf8() + ".\r\n";
    }
    if (verb == QLatin1String("cddb") && words.value(1) == QLatin1String("read")) {
        const QString key = words.value(2) + u' ' + words.value(3);
        const QByteArray head = "210 " + key.toUtf8() + " CD database entry follows (until terminating `.')\r\n";
        if (m_entries.contains(key))
            return head + m_entries.value(key) + ".\r\n";
        return "401 " + key.toUtf8() + " No such CD entry in database.\r\n";
    }
    if (verb == QLatin1String("sites")) {
        if (m_sitesCode != 210)
            return QByteArray::number(m_sitesCode) + " No site information available.\r\n";
        return "210 OK, site information follows (until terminating `.')\r\n" + lines(m_sites) + ".\r\n";
    }
    if (verb == QLatin1String("quit")) {
        *closeAfter = true;
        return "230 localhost Closing connection.  Goodbye.\r\n";
    }
    return "500 Unrecognized command.\r\n";
}

void CddbTestServer::onReadable(Client* c)
{
    c->in += c->socket->readAll();
    if (c->http) {
        handleHttp(c);
        return;
    }
    for (;;) {
        const qsizetype nl = c->in.indexOf('\n');
        if (nl < 0)
            return;
        QByteArray raw = c->in.left(nl + 1);
        c->in.remove(0, nl + 1);
        rawLines.push_back(raw);
        QByteArray line = raw.trimmed();
        bool close = false;
        const QByteArray reply = answer(c, QString::fromUtf8(line), &close);
        c->socket->write(reply);
        pump(c);
        if (close) {
            c->socket->disconnectFromHost();
            return;
        }
    }
}

void CddbTestServer::handleHttp(Client* c)
{
    const qsizetype end = c->in.indexOf("\r\n\r\n");
    if (end < 0)
        return;
    const QByteArray head = c->in.left(end);
    c->in.clear();
    const QByteArray requestLine = head.left(head.indexOf("\r\n"));
    rawLines.push_back(requestLine);
    // "GET /path?cmd=...&hello=...&proto=6 HTTP/1.0"
    const QList<QByteArray> parts = requestLine.split(' ');
    const QByteArray target = parts.value(1);
    const QByteArray query = target.mid(target.indexOf('?') + 1);
    QStringList order;
    lastHttpParameters.clear();
    for (const QByteArray& pair : query.split('&')) {
        const qsizetype eq = pair.indexOf('=');
        const QString name = QString::fromUtf8(pair.left(eq));
        QByteArray value = pair.mid(eq + 1);
        value.replace('+', ' ');
        order.push_back(name);
        lastHttpParameters.insert(name, QUrl::fromPercentEncoding(value));
    }
    httpParameterOrder.push_back(order);
    bool close = false;
    const QByteArray body = answer(c, lastHttpParameters.value(QStringLiteral("cmd")), &close);
    if (m_fault == Fault::Silent && lastHttpParameters.value(QStringLiteral("cmd")).startsWith(m_faultPrefix))
        return;
    // A Content-Length that is plainly wrong: the client must not rely on it.
    c->socket->write("HTTP/1.0 " + QByteArray::number(m_httpStatus)
                     + " Status\r\nContent-Type: text/plain; charset=UTF-8\r\nContent-Length: 3\r\n\r\n");
    c->socket->write(body);
    pump(c);
    if (!m_httpKeepOpen && c->remaining == 0 && !c->trickle)
        c->socket->disconnectFromHost();
}

quint16 UnusedPort()
{
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    const quint16 p = s.serverPort();
    s.close();
    return p;
}

} // namespace vinaxo::test
