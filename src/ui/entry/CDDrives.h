#pragma once
// The drives a CD can be read from, for the drive boxes of the editor and the lookup.
#include <QString>
#include <QStringList>

namespace vinaxo {

// The stored name of the system's default drive.
QString DefaultDriveName();
// The last item of a drive box: picks a disc image with a file dialog.
QString DiscImageItem();

// The items of a drive box: the default drive, the drives found, the stored choice when
// it is none of them (a disc image, or a drive that is not attached now), and the item
// that picks a disc image.
QStringList DriveItems(const QStringList& drives, const QString& stored);

} // namespace vinaxo
