#include "exchange/ExchangeRun.h"
#include "platform/IMessageService.h"
#include "storage/FileAccess.h"

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
// After a failed step: true when it is to be repeated. Without a handler of its own the
// run asks the shared file-error question.
bool retry(IMessageService& messages, const FileErrorHandler& onError, const FileError& error,
           const QString& source)
{
    if (!onError)
        return RetryAfterFileError(messages, error, source);
    const int action = onError(error.number);
    if (action == NotHandled)
        ReportError(messages, error.number, source, error.description);
    return action == RetryStep;
}
}

std::optional<QByteArray> ReadWholeFile(const QString& path, IMessageService& messages,
                                        const FileErrorHandler& onError, const QString& source)
{
    for (;;) {
        QByteArray bytes;
        const FileError error = LocalFiles().readAll(path, bytes);
        if (!error)
            return bytes;
        if (!retry(messages, onError, error, source))
            return std::nullopt;
    }
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes, IMessageService& messages,
                    const FileErrorHandler& onError, const QString& source)
{
    for (;;) {
        const FileError error = LocalFiles().replaceFile(path, bytes);
        if (!error)
            return true;
        if (!retry(messages, onError, error, source))
            return false;
    }
}

} // namespace vinaxo::exchange
