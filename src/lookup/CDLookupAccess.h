#pragma once
// The client of the CD information service: reads the disc's table of contents, works
// out the disc id and speaks cddbp (TCP, any port but 80) or HTTP (port 80) to the
// server. Every wait is bounded by TimeoutSeconds and runs the event loop meanwhile,
// so the calling window stays responsive; replies are held in memory only up to a
// fixed size.
#include "lookup/DiscToc.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QPointer>
#include <QStringList>

class QTcpSocket;

namespace vinaxo {

class ICDAudioDevice;

class CDLookupAccess : public QObject {
    Q_OBJECT
public:
    // Replies beyond these are refused: no server sends them, a broken one might.
    static constexpr qint64 MaxReplyBytes = 2 * 1024 * 1024;
    static constexpr qint64 MaxLineBytes = 64 * 1024;
    static constexpr qsizetype MaxReplyLines = 20000;
    static constexpr int ProtocolLevel = 6;

    explicit CDLookupAccess(QObject* parent = nullptr);
    ~CDLookupAccess() override;

    void setMCIDevice(ICDAudioDevice* device) { m_device = device; }
    void setDriveLetter(const QString& drive) { m_drive = drive; }
    void setServer(const QString& host) { m_server = host.trimmed(); }
    void setAdditionalAddress(const QString& path) { m_path = path.trimmed(); }
    void setPort(quint16 port) { m_port = port; }
    void setUser(const QString& user) { m_user = user; }
    // 1 to 60 seconds; other values are brought into that range.
    void setTimeoutSeconds(int seconds) { m_timeout = qBound(1, seconds, 60); }
    void setClientName(const QString& name) { m_clientName = name; }
    void setClientVersion(const QString& version) { m_clientVersion = version; }

    // The port that means HTTP: 80 unless told otherwise (a test server, a proxy).
    void setHttpPort(quint16 port) { m_httpPort = port; }

    QString server() const { return m_server; }
    quint16 port() const { return m_port; }
    int timeoutSeconds() const { return m_timeout; }
    bool isHttp() const { return m_port == m_httpPort; }

    bool Connect();
    bool IsConnected() const { return m_connected; }
    qint32 StatusCode() const { return m_status; }
    bool QueryDisc();
    bool ReadDisc(const QString& category, const QString& discId);
    bool FetchSiteList(const QString& filePath);
    bool NextReplyLine(bool first);
    QString ReplyLine() const { return m_current; }
    bool Disconnect();

    // Beyond the contract: what went wrong in the last call (for the command line and
    // logs), the table of contents of the last query, and the reply as a whole.
    QString lastError() const { return m_error; }
    // The server's own line when it refused this client (greeting, hello, or a handshake
    // or permission code in reply to a command); empty otherwise.
    QString serverRefusal() const { return m_refusal; }
    static bool IsRefusalCode(int code);
    const DiscToc& lastToc() const { return m_toc; }
    const QStringList& replyLines() const { return m_lines; }
    int protocolLevel() const { return m_level; }
    // The USER and HOST words of the greeting: "name@host" is split at the "@",
    // any other id goes with the machine's host name.
    static QPair<QString, QString> helloWords(const QString& userId);
    // The query string of an HTTP request, parameters in the order the servers expect.
    QByteArray httpQuery(const QString& command) const;

public Q_SLOTS:
    // Ends the wait in progress as a failure (a window's Cancel).
    void abort();

Q_SIGNALS:
    void abortRequested();

private:
    bool openSocket();
    void dropSocket();
    bool exchange(const QString& command);
    bool exchangeCddbp(const QString& command);
    bool exchangeHttp(const QString& command);
    bool sendCddbp(const QString& command);
    bool readReply(const QDeadlineTimer& deadline, bool http);
    // One line without its line end; false at the end of the stream, on time-out or
    // on a line too long (m_error tells which).
    bool readLine(QByteArray& line, const QDeadlineTimer& deadline, bool endOk);
    bool waitForData(const QDeadlineTimer& deadline);
    bool fail(const QString& why);
    QDeadlineTimer deadline() const;
    QString httpPath() const;

    ICDAudioDevice* m_device = nullptr;
    QString m_drive;
    QString m_server;
    QString m_path;
    quint16 m_port = 8880;
    quint16 m_httpPort = 80;
    QString m_user;
    int m_timeout = 15;
    QString m_clientName;
    QString m_clientVersion;

    QPointer<QTcpSocket> m_socket;
    QByteArray m_buffer;
    qint64 m_replyBytes = 0;
    bool m_connected = false;
    bool m_busy = false;
    bool m_aborted = false;
    bool m_freshHttpSocket = false;
    int m_level = 1;
    qint32 m_status = 0;
    QStringList m_lines;
    qsizetype m_lineIndex = -1;
    QString m_current;
    QString m_error;
    QString m_refusal;
    DiscToc m_toc;
};

} // namespace vinaxo
