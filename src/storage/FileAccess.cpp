#include "storage/FileAccess.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vinaxo {

namespace {
// QFileDevice reports kinds, not causes; this is the fallback when errno was lost.
FileError fromDevice(const QFileDevice& file, int posixError, bool writing)
{
    if (posixError != 0)
        return FileErrorFromErrno(posixError, writing);
    int number = FileErr::DeviceIO;
    switch (file.error()) {
    case QFileDevice::ResourceError: number = FileErr::DiskFull; break; // ENOSPC on write
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
    case QFileDevice::RenameError:
    case QFileDevice::RemoveError: number = FileErr::PathFileAccess; break;
    default: break;
    }
    return FileError{number, file.errorString()};
}

class FdCloser {
public:
    explicit FdCloser(int fd) : m_fd(fd) {}
    ~FdCloser()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FdCloser(const FdCloser&) = delete;
    FdCloser& operator=(const FdCloser&) = delete;

private:
    int m_fd;
};

// The checks QSaveFile makes itself, done here so that the cause (errno) is known.
int refusalBeforeWriting(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty())
        return ENOENT;
    struct stat st {};
    if (::stat(name.constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return EISDIR;
        if (::access(name.constData(), W_OK) != 0)
            return errno;
    } else if (errno != ENOENT) {
        return errno; // ENOTDIR, ENAMETOOLONG, ELOOP, EACCES ...
    }
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    if (::access(folder.constData(), W_OK | X_OK) != 0)
        return errno;
    return 0;
}
}

FileError FileAccess::readAll(const QString& path, QByteArray& bytes) const
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return FileErrorFromErrno(errno, false);
    FdCloser closer(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return FileErrorFromErrno(errno, false);
    if (S_ISDIR(st.st_mode))
        return FileErrorFromErrno(EISDIR, false);
    if (!S_ISREG(st.st_mode))
        return FileErrorFromErrno(EINVAL, false); // a device or pipe is no collection file

    QByteArray data;
    // One byte more than the file, so that the read which finds its end needs no larger
    // buffer (growing would copy the whole file).
    data.resize(qsizetype(st.st_size) + 1);
    qsizetype got = 0;
    for (;;) {
        if (got == data.size())
            data.resize(got + 65536); // the file grew while being read
        const ssize_t n = ::read(fd, data.data() + got, size_t(data.size() - got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return FileErrorFromErrno(errno, false);
        }
        if (n == 0)
            break;
        got += n;
    }
    data.truncate(got);
    bytes = std::move(data);
    return {};
}

qint64 FileAccess::writeSome(QFileDevice& file, const char* data, qint64 size) const
{
    return file.write(data, size);
}

FileError FileAccess::replaceFile(const QString& path, QByteArrayView bytes) const
{
    if (const int refused = refusalBeforeWriting(path))
        return FileErrorFromErrno(refused, true);

    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return fromDevice(file, errno, true);

    constexpr qint64 kChunk = qint64(4) << 20;
    const char* p = bytes.data();
    qint64 left = bytes.size();
    while (left > 0) {
        errno = 0;
        const qint64 n = writeSome(file, p, qMin(left, kChunk));
        if (n <= 0) {
            const int cause = errno;
            FileError e = fromDevice(file, cause, true);
            file.cancelWriting();
            return e;
        }
        p += n;
        left -= n;
    }
    errno = 0;
    if (!file.commit())
        return fromDevice(file, errno, true);
    return {};
}

const FileAccess& LocalFiles()
{
    static const FileAccess files;
    return files;
}

} // namespace vinaxo
