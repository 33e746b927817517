#pragma once
// The configuration window's rules without widgets: a site list item taken apart, the item
// of the current site, the user id as stored and the time-out as accepted.
#include <QString>
#include <QStringList>
#include <optional>

namespace vinaxo {

struct SiteParts {
    QString address;
    QString port;
    QString additional;
};

// "host port additional description": each part is taken only when the space that closes
// it is there; a part without it keeps its earlier value.
SiteParts SplitSiteItem(const QString& item, SiteParts earlier);

// The item of the site with this address and port (blanks around either ignored): the
// last item whose first two fields are they; -1 when none is.
int CurrentSiteIndex(const QStringList& items, const QString& address, const QString& port);

// "Protocol:HTTP" for port 80 (blanks around it ignored), "Protocol:cddbp" for any other.
QString ProtocolText(const QString& port);

// The user id as stored: trimmed, and only its first word.
QString StoredUserId(const QString& typed);

// The time-out in seconds, 1 to 60; nothing for any other text.
std::optional<qint16> TimeoutSeconds(const QString& text);

} // namespace vinaxo
