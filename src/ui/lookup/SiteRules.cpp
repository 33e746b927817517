#include "ui/lookup/SiteRules.h"

#include "platform/NumericText.h"
#include <QCoreApplication>

namespace vinaxo {

SiteParts SplitSiteItem(const QString& item, SiteParts parts)
{
    const qsizetype s1 = item.indexOf(u' ');
    if (s1 < 0)
        return parts;
    parts.address = item.left(s1);
    const qsizetype s2 = item.indexOf(u' ', s1 + 1);
    if (s2 < 0)
        return parts;
    parts.port = item.mid(s1 + 1, s2 - s1 - 1);
    const qsizetype s3 = item.indexOf(u' ', s2 + 1);
    if (s3 >= 0)
        parts.additional = item.mid(s2 + 1, s3 - s2 - 1);
    return parts;
}

int CurrentSiteIndex(const QStringList& items, const QString& address, const QString& port)
{
    // Stored values may carry blanks (earlier releases kept the one after the port); the
    // item's own fields are compared whole, so that port 80 does not pick port 8080.
    const QString a = address.trimmed();
    const QString p = port.trimmed();
    if (a.isEmpty())
        return -1;
    for (qsizetype i = items.size() - 1; i >= 0; --i) {
        const QStringView item = items[i];
        const qsizetype s1 = item.indexOf(u' ');
        if (s1 < 0 || item.left(s1) != a)
            continue;
        qsizetype s2 = item.indexOf(u' ', s1 + 1);
        if (s2 < 0)
            s2 = item.size();
        if (item.mid(s1 + 1, s2 - s1 - 1) == p)
            return int(i);
    }
    return -1;
}

QString ProtocolText(const QString& port)
{
    return port.trimmed() == QLatin1String("80") ? QCoreApplication::translate("SiteRules", "Protocol:HTTP")
                                                 : QCoreApplication::translate("SiteRules", "Protocol:cddbp");
}

QString StoredUserId(const QString& typed)
{
    const QString t = typed.trimmed();
    const qsizetype space = t.indexOf(u' ');
    return space < 0 ? t : t.left(space);
}

std::optional<qint16> TimeoutSeconds(const QString& text)
{
    const auto n = ParseNumber(text);
    if (!n)
        return std::nullopt;
    const auto v = ToInt16(*n);
    if (!v || *v < 1 || *v > 60)
        return std::nullopt;
    return v;
}

} // namespace vinaxo
