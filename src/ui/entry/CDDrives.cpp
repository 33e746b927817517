#include "ui/entry/CDDrives.h"
#include <QCoreApplication>

namespace vinaxo {

QString DefaultDriveName() { return QStringLiteral("D:"); }

QString DiscImageItem()
{
    return QCoreApplication::translate("CDDrives", "Disc Image...");
}

QStringList DriveItems(const QStringList& drives, const QString& stored)
{
    QStringList items{DefaultDriveName()};
    for (const QString& d : drives)
        if (!items.contains(d))
            items << d;
    const QString s = stored.trimmed();
    if (!s.isEmpty() && !items.contains(s, Qt::CaseInsensitive) && s != DiscImageItem())
        items << s;
    items << DiscImageItem();
    return items;
}

} // namespace vinaxo
