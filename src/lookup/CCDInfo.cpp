#include "lookup/CCDInfo.h"

#include "lookup/CddbParse.h"
#include "lookup/ClientIdentity.h"
#include "lookup/ICDAudioDevice.h"
#include "platform/IMessageService.h"
#include "platform/NumericText.h"
#include "storage/CDConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cmath>

namespace vinaxo {

namespace {
const QString kSource = QStringLiteral("CCDInfo");

// A site list is a few hundred lines; a larger file is read only this far.
constexpr qint64 kMaxSiteListBytes = 1024 * 1024;

qint16 timeoutFromText(const QString& text)
{
    const auto n = ParseNumber(text);
    if (!n)
        return 0;
    return ToInt16(*n).value_or(0);
}
}

CCDInfo::SiteListFiles CCDInfo::defaultSiteListFiles()
{
    SiteListFiles f;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    f.user = QDir(data).filePath(QStringLiteral("Vinaxo/") + QLatin1String(SiteListFileName));
    f.shipped = QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(SiteListFileName));
    return f;
}

CCDInfo::CCDInfo(CDConfig& config, IMessageService& messages, SiteListFiles files, QObject* parent)
    : QObject(parent), m_config(config), m_messages(messages), m_files(std::move(files))
{
}

CCDInfo::~CCDInfo() = default;

void CCDInfo::setStatus(const QString& text)
{
    m_message = text;
    Q_EMIT OnStatusChange(text);
}

void CCDInfo::say(const QString& text, const QString& title)
{
    m_messages.show(text, title, MsgIcon::None, MsgButtons::OK);
}

QString CCDInfo::RefusalText(const QString& serverLine)
{
    return QCoreApplication::translate(
               "CCDInfo",
               "The CD information server refused this program.  It answered: \"%1\"  The freedb servers "
               "closed in 2020; gnudb.gnudb.org answers only programs whose client name was registered "
               "with its operators (\"Unknown developer email\" means this one was not).  Choose "
               "MusicBrainz as the lookup source, which needs no registration, or a server that accepts "
               "this program (client name \"%2\").  The help's CD lookup page tells more. ")
        .arg(serverLine.trimmed(), CddbClientName());
}

bool CCDInfo::sayRefusal()
{
    if (!m_access || m_access->serverRefusal().isEmpty())
        return false;
    say(RefusalText(m_access->serverRefusal()), QCoreApplication::translate("CCDInfo", RefusalTitle));
    return true;
}

void CCDInfo::createAccess()
{
    setStatus(QCoreApplication::translate("CCDInfo", "Now Creating CD Lookup Access Object"));
    m_access = std::make_unique<CDLookupAccess>();
    if (m_device)
        m_access->setMCIDevice(m_device);
    setStatus(QCoreApplication::translate("CCDInfo", "CD Lookup Access Object created"));
}

void CCDInfo::setMCIControl(ICDAudioDevice* device)
{
    m_device = device;
    if (m_access)
        m_access->setMCIDevice(device);
}

void CCDInfo::Initialize()
{
    m_gotSiteList = false;
    m_configurationSet = false;
    m_trackList.clear();
    m_trackExtension.clear();
    m_queryName.clear();
    m_queryCategory.clear();
    m_queryDiscID.clear();
    createAccess();
    loadSiteList();
    if (!m_config.SiteAddress().isEmpty()) {
        m_siteAddress = m_config.SiteAddress();
        m_sitePort = m_config.SitePort();
        m_siteAdditional = m_config.SiteAdditionalAddress();
    }
    m_userID = m_config.UserID();
    m_timeout = timeoutFromText(m_config.Timeout());
    m_configurationSet = SettingsComplete();
}

bool CCDInfo::SettingsComplete() const
{
    return !m_siteAddress.trimmed().isEmpty() && !m_sitePort.trimmed().isEmpty()
        && !m_userID.trimmed().isEmpty() && m_timeout != 0;
}

void CCDInfo::loadSiteList()
{
    m_gotSiteList = false;
    m_sites.clear();
    QFile f(QFile::exists(m_files.user) ? m_files.user : m_files.shipped);
    if (!f.open(QIODevice::ReadOnly)) {
        m_sites.push_back(QLatin1String(DefaultServer)
                          + QStringLiteral(" 8880 N000.00 W000.00 Random freedb server"));
        say(QCoreApplication::translate("CCDInfo",
                                        "Internet CD Info (freeDB) site list not found.  Please download a new list"),
            QCoreApplication::translate("CCDInfo", "Warning"));
        return;
    }
    m_sites = ParseSiteList(f.read(kMaxSiteListBytes));
    // A file without one usable line is no list to choose from.
    m_gotSiteList = !m_sites.isEmpty();
}

bool CCDInfo::connectToSite()
{
    if (m_siteAddress.trimmed().isEmpty() || m_sitePort.trimmed().isEmpty()) {
        say(QCoreApplication::translate("CCDInfo", "You must select a CDInfo server first. "),
            QCoreApplication::translate("CCDInfo", "Select Server"));
        return false;
    }
    if (m_userID.trimmed().isEmpty()) {
        say(QCoreApplication::translate("CCDInfo",
                                        "You must identify yourself with a User ID.  The ID is simply your first or "
                                        "last name or another identifier.  No spaces are allowed in the User ID.  "
                                        "Select the Configuration option to set this ID."),
            QCoreApplication::translate("CCDInfo", "Enter User ID"));
        return false;
    }
    if (!m_access)
        createAccess(); // released by an earlier failure

    // A port is a whole number from 1 to 65535.
    const auto number = ParseNumber(m_sitePort);
    const double rounded = number ? std::nearbyint(*number) : 0.0;
    if (!number || rounded < 1 || rounded > 65535) {
        if (!number)
            ReportError(m_messages, 13, kSource, QCoreApplication::translate("CCDInfo", "Type mismatch"));
        else
            ReportError(m_messages, 6, kSource, QCoreApplication::translate("CCDInfo", "Overflow"));
        m_access.reset();
        return false;
    }
    m_access->setHttpPort(m_httpPort);
    m_access->setServer(m_siteAddress);
    m_access->setPort(quint16(rounded));
    m_access->setAdditionalAddress(m_siteAdditional);
    m_access->setUser(m_userID);
    m_access->setTimeoutSeconds(m_timeout);
    m_access->setClientName(CddbClientName());
    m_access->setClientVersion(CddbClientVersion());

    setStatus(QCoreApplication::translate("CCDInfo", "Now connecting to the Internet"));
    if (m_access->Connect()) {
        if (m_access->StatusCode() == 200) {
            setStatus(QCoreApplication::translate("CCDInfo", "Connected to the Internet"));
            return true;
        }
        return false;
    }
    if (!sayRefusal())
        say(QCoreApplication::translate(
                "CCDInfo",
                "Unable to connect to the Internet CD Lookup database.  Please verify your Internet "
                "connection and try again.  If the problem persists, you may want to try a different "
                "Internet server or switch Internet protocols. "),
            QCoreApplication::translate("CCDInfo", "Connection Error"));
    m_access.reset();
    createAccess();
    return false;
}

void CCDInfo::disconnectFromSite()
{
    setStatus(QCoreApplication::translate("CCDInfo", "Disconnecting from the Internet"));
    if (!m_access || m_access->Disconnect()) {
        if (m_access) {
            m_access->NextReplyLine(true);
            m_returnCode = qint16(m_access->StatusCode());
        }
        setStatus(QCoreApplication::translate("CCDInfo", "Disconnected from the Internet"));
        return;
    }
    say(QCoreApplication::translate(
            "CCDInfo",
            "Unable to disconnect from the Internet CD Lookup database.  Please verify your internet "
            "connection and try again.  If the problem persists, you may want to try a different "
            "Internet server or switch Internet protocols. "),
        QCoreApplication::translate("CCDInfo", "Disconnection Error"));
    setStatus(QCoreApplication::translate("CCDInfo", "Disconnection Error"));
}

void CCDInfo::clearEntry()
{
    m_title.clear();
    m_artist.clear();
    m_year.clear();
    m_description.clear();
    m_trackList.clear();
    m_trackExtension.clear();
    m_queryName.clear();
    m_queryCategory.clear();
    m_queryDiscID.clear();
}

void CCDInfo::SearchForCD()
{
    m_category.clear();
    m_exactDiscId.clear();
    m_exactTitle.clear();
    clearEntry();
    m_lookupStatus = 0;
    const bool connected = (m_access && m_access->IsConnected()) || connectToSite();
    if (m_access)
        m_access->setDriveLetter(m_config.CDDriveLetter());
    if (!connected)
        return;

    setStatus(QCoreApplication::translate("CCDInfo", "Searching for the CD"));
    if (!m_access->QueryDisc()) {
        if (!sayRefusal())
            say(QCoreApplication::translate(
                    "CCDInfo",
                    "Unable to search the Internet CD Lookup database or unable to read your CD.  Please "
                    "verify your Internet connection and your CD drive and try again.  If the problem "
                    "persists, you may want to try a different Internet server or switch Internet "
                    "protocols. "),
                QCoreApplication::translate("CCDInfo", "Search Error"));
        setStatus(QCoreApplication::translate("CCDInfo", "Search Error"));
        disconnectFromSite();
        return;
    }
    QString final;
    const qint32 code = m_access->StatusCode();
    if (code == 200) {
        m_lookupStatus = 2;
        setStatus(QCoreApplication::translate("CCDInfo", "Exact match found - retrieving CD information"));
        m_access->NextReplyLine(true);
        const auto match = ParseExactMatch(m_access->ReplyLine());
        const QString category = match ? match->category : QString();
        m_exactDiscId = match ? match->discId : QString();
        m_exactTitle = match ? match->title : QString();
        m_category = category;
        m_entryRead = false;
        ReadCD(category, m_exactDiscId);
        // An exact match whose entry could not be read offers nothing to apply.
        if (!m_entryRead)
            m_lookupStatus = 0;
    } else if (code == 211 || code == 210) {
        // 210 here lists one disc found in several categories: chosen like close matches.
        m_lookupStatus = 3;
        QStringList lines;
        for (bool more = m_access->NextReplyLine(true); more; more = m_access->NextReplyLine(false))
            lines.push_back(m_access->ReplyLine());
        for (const CddbMatch& m : ParseMatchList(lines)) {
            const QString key = MatchKey(m.category, m.discId);
            m_queryName.add(key, m.title);
            m_queryCategory.add(key, m.category);
            m_queryDiscID.add(key, m.discId);
        }
        m_returnCode = qint16(code);
        final = QCoreApplication::translate("CCDInfo", "Exact match not found - please select one of the titles.");
    } else {
        m_lookupStatus = 1;
        // A refusal here comes over HTTP, where the hello goes with every command.
        sayRefusal();
        setStatus(QCoreApplication::translate("CCDInfo", "Search Error"));
        disconnectFromSite();
        return;
    }
    disconnectFromSite();
    setStatus(final);
}

void CCDInfo::ReadCD(const QString& category, const QString& discId)
{
    if (category.trimmed().isEmpty() || discId.trimmed().isEmpty()) {
        say(QCoreApplication::translate("CCDInfo", "You must first select a title to retrieve.  "),
            QCoreApplication::translate("CCDInfo", "Select Disc To Retrieve"));
        return;
    }
    clearEntry();
    if (!(m_access && m_access->IsConnected()) && !connectToSite())
        return;
    setStatus(QCoreApplication::translate("CCDInfo", "Retrieving CD information"));
    const bool answered = m_access->ReadDisc(category.trimmed(), discId.trimmed());
    m_category = category;
    if (answered) {
        QString text;
        if (m_access->StatusCode() == 210) {
            parseEntry();
            m_returnCode = qint16(m_access->StatusCode());
            m_lookupStatus = 2;
            m_entryRead = true;
            text = QCoreApplication::translate("CCDInfo", "CD information retrieved");
        } else {
            sayRefusal();
            text = QCoreApplication::translate("CCDInfo", "CD information could not be retrieved");
        }
        disconnectFromSite();
        setStatus(text);
        return;
    }
    if (!sayRefusal())
        say(QCoreApplication::translate(
                "CCDInfo",
                "Unable to read from the CDInfo database.  Please verify your internet connection and "
                "try again.  If the problem persists, you may want to try a different Internet server "
                "or switch Internet protocols. "),
            QCoreApplication::translate("CCDInfo", "Read Error"));
    setStatus(QCoreApplication::translate("CCDInfo", "Read Error"));
    disconnectFromSite();
}

void CCDInfo::parseEntry()
{
    const CddbEntry e = ParseEntry(m_access->replyLines());
    m_trackList = e.tracks;
    m_trackExtension = e.trackExtensions;
    m_artist = e.artist;
    m_title = e.title;
    if (!e.genre.isEmpty())
        m_category = e.genre;
    m_year = e.year;
    m_description = e.description;
}

void CCDInfo::GetSiteList()
{
    if (m_access && m_access->IsConnected())
        return;
    if (!connectToSite())
        return;
    setStatus(QCoreApplication::translate("CCDInfo", "Retrieving CD Lookup site list"));
    m_access->FetchSiteList(m_files.user);
    m_returnCode = qint16(m_access->StatusCode());
    loadSiteList();
    disconnectFromSite();
    setStatus(QCoreApplication::translate("CCDInfo", "Site List Retrieved"));
}

} // namespace vinaxo
