#pragma once
// A CD information server for the tests: listens on 127.0.0.1 at a free port, speaks
// cddbp or, once setHttp(true), HTTP (GET with cmd, hello and proto), serves fixed
// xmcd entries, and misbehaves on request. It runs in the test's own thread: the client's
// waits run the event loop, which serves it.
#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTcpServer>

class QTcpSocket;

namespace vinaxo::test {

class CddbTestServer : public QObject {
    Q_OBJECT
public:
    enum class Greeting { Ready, Silent, Refuse };
    enum class Proto { Accept201, Already502, Refuse501 };
    // What happens instead of the proper answer to the command chosen by misbehaveOn().
    enum class Fault {
        None,
        Silent,      // no answer at all
        Garbage,     // a line without a status code
        CutOff,      // status line and part of the lines, then the connection closes
        Huge,        // a multi-line reply of 8 MB with its "." at the end
        Endless,     // a multi-line reply that never ends
        LongLine,    // a multi-line reply whose first line never ends
        Trickle,     // a line every 100 ms, for ever
        Binary,      // status line, then bytes that are not UTF-8 (Latin-1 é)
    };

    CddbTestServer();
    ~CddbTestServer() override;

    quint16 port() const { return m_server.serverPort(); }

    // HTTP servers do not greet; cddbp servers do, so one mode is chosen per server.
    void setHttp(bool http) { m_http = http; }
    void setGreeting(Greeting g) { m_greeting = g; }
    void setProto(Proto p) { m_proto = p; }
    void setHelloReply(const QByteArray& line) { m_helloReply = line; }
    // Answers "prefix..." commands with the fault (e.g. "cddb query", "cddb read", "sites").
    void misbehaveOn(const QString& prefix, Fault f) { m_faultPrefix = prefix, m_fault = f; }
    // HTTP replies normally close the connection after the body; kept open, the client
    // must stop at the "." line. The Content-Length sent is wrong on purpose.
    void setHttpKeepOpen(bool keep) { m_httpKeepOpen = keep; }
    // The HTTP status line's code (200 unless told otherwise).
    void setHttpStatus(int code) { m_httpStatus = code; }

    // The whole reply to "cddb query DISCID ..." (lines without the line ends, "." included
    // for multi-line replies).
    void addQuery(const QString& discId, const QStringList& replyLines) { m_queries.insert(discId, replyLines); }
    // The lines of an entry, served by "cddb read CATEGORY DISCID".
    void addEntry(const QString& category, const QString& discId, const QStringList& lines)
    {
        addEntryBytes(category, discId, (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    }
    void addEntryBytes(const QString& category, const QString& discId, const QByteArray& body)
    {
        m_entries.insert(category + u' ' + discId, body);
    }
    void setSites(const QStringList& lines) { m_sites = lines; }
    void setSitesCode(int code) { m_sitesCode = code; }

    // Every command received, cddbp lines as sent (line end removed), HTTP requests as
    // their decoded "cmd" parameter.
    QStringList commands;
    // Raw bytes of every cddbp command line with its line end, and every HTTP request line.
    QList<QByteArray> rawLines;
    // Names of the HTTP query parameters in the order they came, per request.
    QList<QStringList> httpParameterOrder;
    // Decoded HTTP parameters of the last request.
    QHash<QString, QString> lastHttpParameters;
    int connections = 0;

private:
    struct Client;
    void onConnection();
    void onReadable(Client* c);
    void handleHttp(Client* c);
    QByteArray answer(Client* c, const QString& command, bool* closeAfter);
    QByteArray faultStart(Client* c);
    void pump(Client* c);

    QTcpServer m_server;
    QList<Client*> m_clients;
    Greeting m_greeting = Greeting::Ready;
    Proto m_proto = Proto::Accept201;
    QByteArray m_helloReply;
    QString m_faultPrefix;
    Fault m_fault = Fault::None;
    bool m_httpKeepOpen = false;
    bool m_http = false;
    int m_httpStatus = 200;
    QHash<QString, QStringList> m_queries;
    QHash<QString, QByteArray> m_entries;
    QStringList m_sites;
    int m_sitesCode = 210;
};

// A port on 127.0.0.1 on which nobody listens (taken and freed again).
quint16 UnusedPort();

} // namespace vinaxo::test
