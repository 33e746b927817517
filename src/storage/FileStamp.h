#pragma once
// What a collection file looked like when it was loaded or last saved: enough to notice,
// before a Save, that something else has changed, replaced or deleted it since.
#include <QString>
#include <QtGlobal>

namespace vinaxo {

struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0; // nanoseconds since the epoch
    quint64 device = 0;
    quint64 inode = 0;     // a save by replacement gives the name a new file

    // One stat() of the path; a missing or unreadable file gives exists == false.
    static FileStamp of(const QString& path);

    // The same file, unchanged as far as its size and time tell.
    bool sameAs(const FileStamp& other) const
    {
        return exists == other.exists && size == other.size && modifiedNs == other.modifiedNs
               && device == other.device && inode == other.inode;
    }
};

} // namespace vinaxo
