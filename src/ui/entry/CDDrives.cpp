#include "ui/entry/CDDrives.h"

#include <cdio/cdio.h>

namespace vinaxo {

QStringList ListCDDrives()
{
    QStringList out;
    char** list = cdio_get_devices(DRIVER_DEVICE);
    if (!list)
        return out;
    for (int i = 0; list[i]; ++i)
        out << QString::fromLocal8Bit(list[i]);
    cdio_free_device_list(list);
    return out;
}

QString DefaultDriveName() { return QStringLiteral("D:"); }

QString DiscImageItem() { return QStringLiteral("Disc Image..."); }

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
