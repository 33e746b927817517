#pragma once
// The lookup class: holds the server settings, drives CDLookupAccess through connect,
// query, read and disconnect, turns the replies into fields and lists, keeps the list
// of known servers, and reports every step as a status text.
#include "lookup/CDLookupAccess.h"
#include "platform/KeyedList.h"

#include <QObject>
#include <QStringList>
#include <memory>

namespace vinaxo {

class CDConfig;
class ICDAudioDevice;
class IMessageService;

class CCDInfo : public QObject {
    Q_OBJECT
public:
    static constexpr const char* SiteListFileName = "CDInfosite.txt";
    static constexpr const char* DefaultServer = "gnudb.gnudb.org";

    // Where the site list lives: a fetched list in the user's data folder
    // (<generic data folder>/Vinaxo, shared by vinaxo and vinaxo-cli), else the one
    // shipped in the application's folder.
    struct SiteListFiles {
        QString user;
        QString shipped;
    };
    static SiteListFiles defaultSiteListFiles();

    CCDInfo(CDConfig& config, IMessageService& messages,
            SiteListFiles files = defaultSiteListFiles(), QObject* parent = nullptr);
    ~CCDInfo() override;

    // The creation sequence: component, site list, settings. Connect OnStatusChange
    // first to see its status texts.
    void Initialize();

    void SearchForCD();
    // Ends the wait for the server in progress (a window's Cancel during a search): the
    // operation then fails as if the server had not answered.
    void Cancel()
    {
        if (m_access)
            m_access->abort();
    }
    void ReadCD(const QString& category, const QString& discId);
    void GetSiteList();

    const QStringList& CDInfoSites() const { return m_sites; }
    const QStringList& TrackList() const { return m_trackList; }
    const QStringList& TrackExtension() const { return m_trackExtension; }
    QString SiteAddress() const { return m_siteAddress; }
    void setSiteAddress(const QString& v) { m_siteAddress = v; }
    QString SitePort() const { return m_sitePort; }
    void setSitePort(const QString& v) { m_sitePort = v; }
    QString SiteAdditionalAddress() const { return m_siteAdditional; }
    void setSiteAdditionalAddress(const QString& v) { m_siteAdditional = v; }
    qint16 Timeout() const { return m_timeout; }
    void setTimeout(qint16 v) { m_timeout = v; }
    QString UserID() const { return m_userID; }
    void setUserID(const QString& v) { m_userID = v; }
    qint16 ReturnCode() const { return m_returnCode; }
    QString Message() const { return m_message; }
    bool GotSiteList() const { return m_gotSiteList; }
    bool ConfigurationSet() const { return m_configurationSet; }
    // Site, port, user id and time-out as they are now (ConfigurationSet is fixed at
    // Initialize): what a configuration window just entered counts at once.
    bool SettingsComplete() const;
    qint32 LookupStatus() const { return m_lookupStatus; }
    QString Category() const { return m_category; }
    QString Title() const { return m_title; }
    QString Artist() const { return m_artist; }
    QString Year() const { return m_year; }
    QString Description() const { return m_description; }
    // The matches of a search, in reply order, each under its MatchKey (category and
    // disc id): one disc id may be listed in several categories.
    const KeyedList<QString>& QueryName() const { return m_queryName; }
    const KeyedList<QString>& QueryCategory() const { return m_queryCategory; }
    const KeyedList<QString>& QueryDiscID() const { return m_queryDiscID; }
    void setMCIControl(ICDAudioDevice* device);

    // The port that means HTTP rather than cddbp: 80 unless told otherwise.
    void setHttpPort(quint16 port) { m_httpPort = port; }

    const SiteListFiles& siteListFiles() const { return m_files; }

    // The message for a server that refused this client: what it said, and what to do.
    static QString RefusalText(const QString& serverLine);
    static constexpr const char* RefusalTitle = QT_TRANSLATE_NOOP("CCDInfo", "Server Refused");
    // The component, for the details a command line shows (last error, disc id).
    CDLookupAccess* access() const { return m_access.get(); }

Q_SIGNALS:
    void OnStatusChange(const QString& text);

private:
    void setStatus(const QString& text);
    void createAccess();
    void loadSiteList();
    bool connectToSite();
    void disconnectFromSite();
    void clearEntry();
    void parseEntry();
    void say(const QString& text, const QString& title);
    // Shows RefusalText when the component reports a refusal; true then.
    bool sayRefusal();

    CDConfig& m_config;
    IMessageService& m_messages;
    SiteListFiles m_files;
    std::unique_ptr<CDLookupAccess> m_access;
    ICDAudioDevice* m_device = nullptr;

    QStringList m_sites, m_trackList, m_trackExtension;
    QString m_siteAddress, m_sitePort, m_siteAdditional, m_userID;
    qint16 m_timeout = 0;
    qint16 m_returnCode = 0;
    QString m_message;
    bool m_gotSiteList = false;
    bool m_configurationSet = false;
    qint32 m_lookupStatus = 0;
    QString m_category, m_title, m_artist, m_year, m_description;
    KeyedList<QString> m_queryName, m_queryCategory, m_queryDiscID;
    QString m_exactDiscId, m_exactTitle;
    bool m_entryRead = false;
    quint16 m_httpPort = 80;
};

} // namespace vinaxo
