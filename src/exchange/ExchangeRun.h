#pragma once
// What a run of the import or export shares with whoever drives it (the import/export
// window, the command line, tests): the delimiters, the log and count it reports, and
// the answer to file-system errors.
#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace vinaxo {
class IBusyPointer;
class IMessageService;
}

namespace vinaxo::exchange {

struct Delimiters {
    QChar field = u',';
    QChar string = u'"';
    QChar track = u';';

    // Each delimiter from the text of its box, the default when the box is empty.
    static Delimiters fromBoxes(const QString& field, const QString& string, const QString& track);
};

// The run's window: the log list and the count of the record being processed.
class IExchangeLog {
public:
    virtual ~IExchangeLog() = default;
    virtual void addLogLine(const QString& line) = 0;
    virtual void showCount(qint32 recordNumber) = 0;
    // The start checks have passed and the run begins (a window disables its controls).
    virtual void runStarting() {}
};

// What a file-system error means for the operation: 0 retry the failing step, 1 skip it,
// 2 abandon quietly, 3 not handled (reported as an unexpected error). Without one, the
// shared retry/cancel question (HandleFileError) answers.
using FileErrorHandler = std::function<int(int errorNumber)>;

struct ExchangeHooks {
    IExchangeLog* log = nullptr;
    IBusyPointer* busy = nullptr;
    FileErrorHandler onFileError;  // none: HandleFileError
};

// Whole-file access with the error answers above. `source` names the operation in the
// report of an unhandled error.
std::optional<QByteArray> ReadWholeFile(const QString& path, IMessageService& messages,
                                        const FileErrorHandler& onError, const QString& source);
// Writes through a temporary file that replaces the old one only when complete.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, IMessageService& messages,
                    const FileErrorHandler& onError, const QString& source);

} // namespace vinaxo::exchange
