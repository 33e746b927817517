#include "exchange/ExchangeRun.h"
#include "platform/IMessageService.h"

#include <QFile>
#include <QSaveFile>
#include <cerrno>

namespace vinaxo::exchange {

Delimiters Delimiters::fromBoxes(const QString& field, const QString& string, const QString& track)
{
    Delimiters d;
    if (!field.isEmpty())
        d.field = field.front();
    if (!string.isEmpty())
        d.string = string.front();
    if (!track.isEmpty())
        d.track = track.front();
    return d;
}

namespace {
// The platform's error numbers for what went wrong, so that the shared file-error
// routine can answer them.
int errorNumber(QFileDevice::FileError error, int sysErrno)
{
    switch (sysErrno) {
    case ENOENT: return 53;            // file not found
    case EACCES: case EROFS: case EPERM: case EISDIR: return 75;
    case ENOSPC: case EDQUOT: return 61;
    case EBUSY: case ETXTBSY: return 70;
    case ENAMETOOLONG: return 64;
    default: break;
    }
    switch (error) {
    case QFileDevice::OpenError: return 75;
    case QFileDevice::ResourceError: return 61;
    default: return 57;
    }
}

// Runs one step until it succeeds or the error answer gives up. A retry answer is
// bounded so that an unattended caller that always retries still ends.
template <class Step>
bool withRetries(Step step, IMessageService& messages, const FileErrorHandler& onError,
                 const QString& source)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        errno = 0;
        QString description;
        QFileDevice::FileError error = QFileDevice::NoError;
        if (step(error, description))
            return true;
        const int number = errorNumber(error, errno);
        const int answer = onError ? onError(number) : 3;
        if (answer == 0)
            continue;
        if (answer == 3)
            ReportError(messages, number, source, description);
        return false;
    }
    return false;
}
}

std::optional<QByteArray> ReadWholeFile(const QString& path, IMessageService& messages,
                                        const FileErrorHandler& onError, const QString& source)
{
    QByteArray bytes;
    const bool ok = withRetries(
        [&](QFileDevice::FileError& error, QString& description) {
            QFile f(path);
            if (!f.open(QIODevice::ReadOnly)) {
                error = f.error();
                description = f.errorString();
                return false;
            }
            bytes = f.readAll();
            if (f.error() != QFileDevice::NoError) {
                error = f.error();
                description = f.errorString();
                return false;
            }
            return true;
        },
        messages, onError, source);
    if (!ok)
        return std::nullopt;
    return bytes;
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes, IMessageService& messages,
                    const FileErrorHandler& onError, const QString& source)
{
    return withRetries(
        [&](QFileDevice::FileError& error, QString& description) {
            QSaveFile f(path);
            if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
                error = f.error();
                description = f.errorString();
                return false;
            }
            return true;
        },
        messages, onError, source);
}

} // namespace vinaxo::exchange
