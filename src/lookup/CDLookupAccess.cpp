#include "lookup/CDLookupAccess.h"

#include "lookup/CddbParse.h"
#include "lookup/ICDAudioDevice.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QSaveFile>
#include <QSysInfo>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace vinaxo {

namespace {
// A word of the protocol: no blanks or control characters, which would end or split
// the command line.
QString protocolWord(const QString& text)
{
    QString s;
    s.reserve(text.size());
    for (QChar c : text) {
        if (c.isSpace())
            s += u'_';
        else if (c.unicode() >= 0x20 && c.unicode() != 0x7f)
            s += c;
    }
    return s;
}

bool isPlainWord(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c.isSpace() || c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    }
    return true;
}

QByteArray formWords(const QString& text)
{
    QByteArray out;
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    for (const QString& w : words) {
        if (!out.isEmpty())
            out += '+';
        out += QUrl::toPercentEncoding(w);
    }
    return out;
}
}

CDLookupAccess::CDLookupAccess(QObject* parent) : QObject(parent) {}

bool CDLookupAccess::IsRefusalCode(int code)
{
    // 409 no handshake, 431 to 434 handshake, permission and load refusals, and the
    // 5xx errors (gnudb's "500 Unknown developer email" among them).
    return code == 409 || (code >= 431 && code <= 434) || (code >= 500 && code <= 599);
}

CDLookupAccess::~CDLookupAccess() { dropSocket(); }

QPair<QString, QString> CDLookupAccess::helloWords(const QString& userId)
{
    const QString id = protocolWord(userId.trimmed());
    const qsizetype at = id.indexOf(u'@');
    if (at > 0 && at + 1 < id.size())
        return {id.left(at), id.mid(at + 1)};
    QString host = protocolWord(QSysInfo::machineHostName());
    if (host.isEmpty())
        host = QStringLiteral("localhost");
    return {id.isEmpty() ? QStringLiteral("anonymous") : id, host};
}

QString CDLookupAccess::httpPath() const
{
    QString p = m_path;
    if (p.isEmpty() || p == QLatin1String("-"))
        p = QStringLiteral("/~cddb/cddb.cgi");
    if (!p.startsWith(u'/'))
        p.prepend(u'/');
    return p;
}

QByteArray CDLookupAccess::httpQuery(const QString& command) const
{
    const auto [user, host] = helloWords(m_user);
    const QString hello = user + u' ' + host + u' ' + protocolWord(m_clientName) + u' '
        + protocolWord(m_clientVersion);
    return "cmd=" + formWords(command) + "&hello=" + formWords(hello)
        + "&proto=" + QByteArray::number(ProtocolLevel);
}

QDeadlineTimer CDLookupAccess::deadline() const
{
    return QDeadlineTimer(qint64(m_timeout) * 1000);
}

bool CDLookupAccess::fail(const QString& why)
{
    m_error = why;
    return false;
}

void CDLookupAccess::abort()
{
    m_aborted = true;
    Q_EMIT abortRequested();
}

void CDLookupAccess::dropSocket()
{
    if (m_socket) {
        m_socket->abort();
        m_socket->deleteLater();
        m_socket.clear();
    }
    m_buffer.clear();
    m_freshHttpSocket = false;
}

bool CDLookupAccess::waitForData(const QDeadlineTimer& until)
{
    // Runs the event loop until the socket has news, the time is up or the wait is
    // cancelled: the window stays responsive, and no wait outlasts the time-out.
    if (m_aborted)
        return fail(QStringLiteral("cancelled"));
    if (until.hasExpired())
        return fail(QStringLiteral("no answer within %1 seconds").arg(m_timeout));
    if (!m_socket)
        return fail(QStringLiteral("not connected"));
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(m_socket, &QTcpSocket::readyRead, &loop, &QEventLoop::quit);
    connect(m_socket, &QTcpSocket::connected, &loop, &QEventLoop::quit);
    connect(m_socket, &QTcpSocket::disconnected, &loop, &QEventLoop::quit);
    connect(m_socket, &QTcpSocket::errorOccurred, &loop, &QEventLoop::quit);
    connect(m_socket, &QObject::destroyed, &loop, &QEventLoop::quit);
    connect(this, &CDLookupAccess::abortRequested, &loop, &QEventLoop::quit);
    timer.start(int(qMax<qint64>(1, until.remainingTime())));
    loop.exec();
    return true;
}

bool CDLookupAccess::openSocket()
{
    dropSocket();
    if (m_server.isEmpty())
        return fail(QStringLiteral("no server"));
    if (m_port == 0)
        return fail(QStringLiteral("no port"));
    m_socket = new QTcpSocket(this);
    // Qt's own buffer stays small; the reply is taken from it piece by piece.
    m_socket->setReadBufferSize(64 * 1024);
    m_socket->connectToHost(m_server, m_port);
    const QDeadlineTimer until = deadline();
    while (m_socket && m_socket->state() != QAbstractSocket::ConnectedState) {
        if (m_socket->state() == QAbstractSocket::UnconnectedState) {
            const QString why = m_socket->errorString();
            dropSocket();
            return fail(QStringLiteral("cannot connect to %1:%2: %3").arg(m_server).arg(m_port).arg(why));
        }
        if (!waitForData(until)) {
            const QString why = m_error;
            dropSocket();
            return fail(QStringLiteral("cannot connect to %1:%2: %3").arg(m_server).arg(m_port).arg(why));
        }
    }
    return m_socket != nullptr || fail(QStringLiteral("connection lost"));
}

bool CDLookupAccess::readLine(QByteArray& line, const QDeadlineTimer& until, bool endOk)
{
    for (;;) {
        const qsizetype nl = m_buffer.indexOf('\n');
        if (nl >= 0) {
            line = m_buffer.left(nl);
            m_buffer.remove(0, nl + 1);
            if (line.endsWith('\r'))
                line.chop(1);
            return true;
        }
        if (m_buffer.size() > MaxLineBytes)
            return fail(QStringLiteral("reply line longer than %1 bytes").arg(MaxLineBytes));
        if (!m_socket)
            return fail(QStringLiteral("connection lost"));
        if (m_socket->bytesAvailable() > 0) {
            const qint64 room = MaxReplyBytes - m_replyBytes;
            if (room <= 0)
                return fail(QStringLiteral("reply larger than %1 bytes").arg(MaxReplyBytes));
            const QByteArray more = m_socket->read(qMin<qint64>(room, 64 * 1024));
            m_replyBytes += more.size();
            m_buffer += more;
            continue;
        }
        if (m_socket->state() != QAbstractSocket::ConnectedState) {
            if (endOk && !m_buffer.isEmpty()) {
                line = m_buffer;
                m_buffer.clear();
                if (line.endsWith('\r'))
                    line.chop(1);
                return true;
            }
            return fail(endOk ? QStringLiteral("end of reply") : QStringLiteral("connection closed by the server"));
        }
        if (!waitForData(until))
            return false;
    }
}

bool CDLookupAccess::readReply(const QDeadlineTimer& until, bool http)
{
    QByteArray line;
    if (!readLine(line, until, false)) {
        if (http && m_error == QLatin1String("connection closed by the server"))
            m_error = QStringLiteral("empty reply");
        return false;
    }
    const QString status = DecodeReplyLine(line);
    const int code = ReplyCode(status);
    if (code < 0)
        return fail(QStringLiteral("not a reply of the service: ") + status.left(80));
    m_lines.push_back(status);
    m_status = code;
    if (!IsMultiLineCode(code))
        return true;
    for (;;) {
        if (!readLine(line, until, http)) {
            // Over HTTP the end of the body ends the reply as well as the "." line.
            return http && m_error == QLatin1String("end of reply");
        }
        if (line == ".")
            return true;
        if (m_lines.size() >= MaxReplyLines)
            return fail(QStringLiteral("reply longer than %1 lines").arg(MaxReplyLines));
        m_lines.push_back(DecodeReplyLine(line));
    }
}

bool CDLookupAccess::sendCddbp(const QString& command)
{
    if (!m_socket || m_socket->state() != QAbstractSocket::ConnectedState)
        return fail(QStringLiteral("not connected"));
    m_lines.clear();
    m_lineIndex = -1;
    m_current.clear();
    m_replyBytes = 0;
    m_socket->write(command.toUtf8() + "\r\n");
    return readReply(deadline(), false);
}

bool CDLookupAccess::exchangeCddbp(const QString& command)
{
    if (!sendCddbp(command)) {
        // A reply cut off or refused leaves the stream out of step: the session ends.
        const QString why = m_error;
        dropSocket();
        m_connected = false;
        m_status = 0;
        return fail(why);
    }
    return true;
}

bool CDLookupAccess::exchangeHttp(const QString& command)
{
    m_lines.clear();
    m_lineIndex = -1;
    m_current.clear();
    m_replyBytes = 0;
    if (!(m_freshHttpSocket && m_socket && m_socket->state() == QAbstractSocket::ConnectedState)) {
        if (!openSocket()) {
            m_status = 0;
            return false;
        }
    }
    m_freshHttpSocket = false;
    const QByteArray target = QUrl::toPercentEncoding(httpPath(), "/~") + '?' + httpQuery(command);
    QByteArray request = "GET " + target + " HTTP/1.0\r\nHost: " + m_server.toUtf8();
    request += "\r\nUser-Agent: " + protocolWord(m_clientName).toUtf8() + '/'
        + protocolWord(m_clientVersion).toUtf8();
    request += "\r\nAccept: text/plain\r\nConnection: close\r\n\r\n";
    m_socket->write(request);

    const QDeadlineTimer until = deadline();
    QByteArray line;
    bool ok = readLine(line, until, false);
    if (ok) {
        // "HTTP/1.x 200 ..." then headers up to an empty line; Content-Length is not used.
        const QList<QByteArray> parts = line.split(' ');
        if (!line.startsWith("HTTP/") || parts.size() < 2 || parts[1] != "200") {
            ok = fail(QStringLiteral("HTTP answer: ") + QString::fromLatin1(line.left(80)));
            if (line.startsWith("HTTP/") && parts.size() >= 2 && (parts[1].startsWith('4') || parts[1].startsWith('5')))
                m_refusal = QString::fromLatin1(line.left(200));
        } else {
            int headers = 0;
            while ((ok = readLine(line, until, false)) && !line.isEmpty()) {
                if (++headers > 100) {
                    ok = fail(QStringLiteral("too many HTTP headers"));
                    break;
                }
            }
        }
    }
    ok = ok && readReply(until, true);
    dropSocket();
    if (!ok)
        m_status = 0;
    return ok;
}

bool CDLookupAccess::exchange(const QString& command)
{
    if (!m_connected)
        return fail(QStringLiteral("not connected"));
    if (m_busy)
        return fail(QStringLiteral("busy"));
    m_busy = true;
    m_aborted = false;
    m_error.clear();
    m_refusal.clear();
    const bool ok = isHttp() ? exchangeHttp(command) : exchangeCddbp(command);
    if (ok && IsRefusalCode(m_status))
        m_refusal = m_lines.value(0);
    m_busy = false;
    return ok;
}

bool CDLookupAccess::Connect()
{
    if (m_busy)
        return fail(QStringLiteral("busy"));
    if (m_connected)
        Disconnect();
    m_busy = true;
    m_aborted = false;
    m_error.clear();
    m_refusal.clear();
    m_lines.clear();
    m_lineIndex = -1;
    m_current.clear();
    m_status = 0;
    m_level = 1;
    m_replyBytes = 0;
    bool ok = openSocket();
    if (ok && isHttp()) {
        // HTTP has no session: the connection made here carries the first request.
        m_freshHttpSocket = true;
        m_level = ProtocolLevel;
        m_status = 200;
    } else if (ok) {
        ok = readReply(deadline(), false);
        if (ok && m_status != 200 && m_status != 201) {
            m_refusal = m_lines.value(0);
            ok = fail(QStringLiteral("the server refuses connections: ") + m_lines.value(0));
        }
        if (ok) {
            const auto [user, host] = helloWords(m_user);
            ok = sendCddbp(QStringLiteral("cddb hello %1 %2 %3 %4")
                               .arg(user, host, protocolWord(m_clientName), protocolWord(m_clientVersion)));
            if (ok && m_status != 200 && m_status != 402) {
                m_refusal = m_lines.value(0);
                ok = fail(QStringLiteral("the server refuses the greeting: ") + m_lines.value(0));
            }
        }
        if (ok) {
            const QStringList hello = m_lines;
            // A session starts at level 1. 201 sets the level, 502 says it is already set;
            // 501 refuses it, and the highest level the server names is asked for instead.
            // A refused level leaves the session at level 1; a command left unanswered
            // leaves the stream out of step, and the connection is given up.
            ok = sendCddbp(QStringLiteral("proto %1").arg(ProtocolLevel));
            if (ok && (m_status == 201 || m_status == 502)) {
                m_level = ProtocolLevel;
            } else if (ok && m_status == 501) {
                ok = sendCddbp(QStringLiteral("proto"));
                const int supported = ok ? qMin(SupportedProtocolLevel(m_lines.value(0)), ProtocolLevel) : 0;
                if (supported > 1) {
                    ok = sendCddbp(QStringLiteral("proto %1").arg(supported));
                    if (ok && (m_status == 201 || m_status == 502))
                        m_level = supported;
                }
            }
            if (ok) {
                m_lines = hello;
                m_status = 200;
            }
        }
    }
    if (!ok) {
        const QString why = m_error;
        dropSocket();
        m_error = why;
    }
    m_connected = ok;
    m_busy = false;
    return ok;
}

bool CDLookupAccess::Disconnect()
{
    if (!m_connected)
        return true;
    if (m_busy)
        return fail(QStringLiteral("busy"));
    m_busy = true;
    m_aborted = false;
    if (!isHttp() && m_socket && m_socket->state() == QAbstractSocket::ConnectedState) {
        // The goodbye is a courtesy: a server that does not answer is closed all the same.
        sendCddbp(QStringLiteral("quit"));
    }
    dropSocket();
    m_connected = false;
    m_busy = false;
    return true;
}

bool CDLookupAccess::QueryDisc()
{
    m_error.clear();
    if (!m_device)
        return fail(QStringLiteral("no CD audio device"));
    if (m_busy)
        return fail(QStringLiteral("busy"));
    const CDOpenResult r = m_device->open(m_drive);
    if (r != CDOpenResult::Ok) {
        const QString why = m_device->errorText();
        m_device->close();
        m_status = 0;
        return fail(why);
    }
    m_toc = m_device->toc();
    m_device->close();
    return exchange(QStringLiteral("cddb query ") + m_toc.queryArguments());
}

bool CDLookupAccess::ReadDisc(const QString& category, const QString& discId)
{
    if (!isPlainWord(category) || !isPlainWord(discId))
        return fail(QStringLiteral("not a category and disc id: ") + category + u' ' + discId);
    return exchange(QStringLiteral("cddb read ") + category + u' ' + discId);
}

bool CDLookupAccess::FetchSiteList(const QString& filePath)
{
    if (!exchange(QStringLiteral("sites")))
        return false;
    if (m_status != 210)
        return true; // answered; the list on disk stays as it was
    QByteArray text;
    for (qsizetype i = 1; i < m_lines.size(); ++i) {
        if (const auto line = SitesReplyToFileLine(m_lines[i]))
            text += line->toUtf8() + '\n';
    }
    if (text.isEmpty())
        return fail(QStringLiteral("the server's site list holds no site"));
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    QSaveFile f(filePath);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size() || !f.commit())
        return fail(QStringLiteral("cannot write ") + filePath + QStringLiteral(": ") + f.errorString());
    return true;
}

bool CDLookupAccess::NextReplyLine(bool first)
{
    m_lineIndex = first ? 0 : m_lineIndex + 1;
    if (m_lineIndex >= 0 && m_lineIndex < m_lines.size()) {
        m_current = m_lines[m_lineIndex];
        return true;
    }
    m_lineIndex = m_lines.size();
    m_current.clear();
    return false;
}

} // namespace vinaxo
