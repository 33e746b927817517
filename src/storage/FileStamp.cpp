#include "storage/FileStamp.h"

#include <QFile>
#include <sys/stat.h>

namespace vinaxo {

FileStamp FileStamp::of(const QString& path)
{
    FileStamp s;
    struct stat st {};
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty() || ::stat(name.constData(), &st) != 0)
        return s;
    s.exists = true;
    s.size = qint64(st.st_size);
    s.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + qint64(st.st_mtim.tv_nsec);
    s.device = quint64(st.st_dev);
    s.inode = quint64(st.st_ino);
    return s;
}

} // namespace vinaxo
