#pragma once
// File-system errors: the numbers the file commands know them by, the one table that
// maps the operating system's errors to those numbers, and the shared retry/cancel
// question.
#include <QString>

namespace vinaxo {

class IMessageService;

namespace FileErr {
enum : int {
    OutOfMemory = 7,
    BadFileName = 52,
    FileNotFound = 53,
    BadFileMode = 54,
    FileAlreadyOpen = 55,
    DeviceIO = 57,
    DiskFull = 61,
    InputPastEnd = 62,
    BadFileNameOrNumber = 64,
    TooManyFiles = 67,
    DeviceUnavailable = 68,
    FileInUse = 70,
    DiskNotReady = 71,
    PathFileAccess = 75,
    DialogCancelled = 32755, // the user cancelled a file dialog
};
}

// What HandleFileError tells the failing operation to do next.
enum FileErrorAction : int { RetryStep = 0, SkipStep = 1, AbandonQuietly = 2, NotHandled = 3 };

struct FileError {
    int number = 0; // 0: no error
    QString description;
    explicit operator bool() const { return number != 0; }
};

// The file error number of an errno value. `writing` tells a missing folder on the way to
// a new file (52) from a missing file to read (53).
int FileErrorNumber(int posixError, bool writing);
FileError FileErrorFromErrno(int posixError, bool writing);

// Asks about a file error ("Disk Error", Retry/Cancel) when it is one of the table's and
// returns a FileErrorAction: Retry 0, Cancel 2; 32755 gives 2 without a message, any other
// number 3 without a message.
int HandleFileError(IMessageService& messages, int errorNumber);

// The whole answer to a failed step: asks HandleFileError and reports an error it does not
// handle with the standard error report naming `source`. True when the step is to be
// repeated.
bool RetryAfterFileError(IMessageService& messages, const FileError& error, const QString& source);

} // namespace vinaxo
