#include "storage/HandleFileError.h"
#include "platform/IMessageService.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>

namespace vinaxo {

namespace {
struct ErrnoRow {
    int posix;
    int number;
};
// The operating system's errors as file error numbers. ENOENT depends on the direction
// and is decided in FileErrorNumber.
constexpr ErrnoRow kErrnoTable[] = {
    {ENOSPC, FileErr::DiskFull},        {EDQUOT, FileErr::DiskFull},
    {EFBIG, FileErr::DiskFull},         {EACCES, FileErr::PathFileAccess},
    {EROFS, FileErr::PathFileAccess},   {EPERM, FileErr::PathFileAccess},
    {ENAMETOOLONG, FileErr::BadFileName}, {EISDIR, FileErr::BadFileName},
    {EINVAL, FileErr::BadFileName},     {ENOTDIR, FileErr::BadFileName},
    {ELOOP, FileErr::BadFileName},      {EBUSY, FileErr::FileInUse},
    {ETXTBSY, FileErr::FileInUse}, {EIO, FileErr::DeviceIO},
    {ENOMEDIUM, FileErr::DiskNotReady}, {ENXIO, FileErr::DeviceUnavailable},
    {ENODEV, FileErr::DeviceUnavailable}, {EMFILE, FileErr::TooManyFiles},
    {ENFILE, FileErr::TooManyFiles},    {ENOMEM, FileErr::OutOfMemory},
};

const char* handledText(int number)
{
    switch (number) {
    case 52:
    case 64:
        return QT_TRANSLATE_NOOP("HandleFileError", "File name is illegal");
    case 54:
        return QT_TRANSLATE_NOOP("HandleFileError", "Can't open your file for that type of access");
    case 55:
        return QT_TRANSLATE_NOOP("HandleFileError", "This file is already open");
    case 57:
        return QT_TRANSLATE_NOOP("HandleFileError", "Internal Disk Error");
    case 61:
        return QT_TRANSLATE_NOOP("HandleFileError", "Disk is full.  Continue?");
    case 62:
        return QT_TRANSLATE_NOOP("HandleFileError",
                                 "This file has a nonstandard end-of-file marker, or an attempt was made to read "
                                 "beyond the end-of-file marker.");
    case 68:
    case 71:
        return QT_TRANSLATE_NOOP("HandleFileError", "Insert a disk in the drive and close the door");
    case 70:
        return QT_TRANSLATE_NOOP("HandleFileError", "Can't open your file since it is in use by another program");
    case 75:
        return QT_TRANSLATE_NOOP("HandleFileError", "File is unavailable, and may be write-protected.");
    default: return nullptr;
    }
}
}

int FileErrorNumber(int posixError, bool writing)
{
    if (posixError == ENOENT)
        return writing ? FileErr::BadFileName : FileErr::FileNotFound;
    for (const ErrnoRow& row : kErrnoTable) {
        if (row.posix == posixError)
            return row.number;
    }
    return FileErr::PathFileAccess; // any other refusal of the file system
}

FileError FileErrorFromErrno(int posixError, bool writing)
{
    return FileError{FileErrorNumber(posixError, writing),
                     QString::fromLocal8Bit(std::strerror(posixError))};
}

int HandleFileError(IMessageService& messages, int errorNumber)
{
    if (errorNumber == FileErr::DialogCancelled)
        return AbandonQuietly;
    const char* text = handledText(errorNumber);
    if (!text)
        return NotHandled;
    const MsgAnswer a = messages.show(QCoreApplication::translate("HandleFileError", text),
                                      QCoreApplication::translate("HandleFileError", "Disk Error"),
                                      MsgIcon::Exclamation, MsgButtons::RetryCancel);
    return a == MsgAnswer::Retry ? RetryStep : AbandonQuietly;
}

bool RetryAfterFileError(IMessageService& messages, const FileError& error, const QString& source)
{
    const int action = HandleFileError(messages, error.number);
    if (action == NotHandled)
        ReportError(messages, error.number, source, error.description);
    return action == RetryStep;
}

} // namespace vinaxo
