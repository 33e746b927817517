#include "storage/FileCommands.h"
#include "model/Workspace.h"
#include "platform/IMessageService.h"
#include "storage/CFileIO.h"
#include "storage/FileAccess.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace vinaxo {

LoadReport LoadCollectionFile(Workspace& ws, const QString& path, const FileCommandOptions& options)
{
    LoadReport report;
    IMessageService& messages = ws.messages;
    if (!QFileInfo::exists(path)) {
        messages.show(QCoreApplication::translate(
                          "FileCommands", "This file does not exist.  You must choose another file name to open."),
                      QCoreApplication::translate("FileCommands", "File Not Found"), MsgIcon::Critical,
                      MsgButtons::OK);
        ws.config.setLastFileName(QString());
        report.outcome = LoadOutcome::Missing;
        return report;
    }
    const QString previousName = ws.currentFileName;
    for (;;) {
        CFileIO io(ws, options.busy);
        io.FileName = path;
        if (options.access)
            io.setFileAccess(*options.access);
        io.setProgress(options.progress);
        ws.currentFileName = path; // a conversion clears it again
        const qint16 result = io.OpenCDFile();
        if (io.HeaderRead())
            report.release = io.ReleaseID();
        if (result == CFileIO::Loaded) {
            ws.config.setLastFileName(ws.currentFileName);
            report.damaged = io.Damaged();
            if (report.damaged)
                ws.currentFileName.clear(); // no Save may replace the unread bytes
            report.outcome = LoadOutcome::Loaded;
            return report;
        }
        ws.currentFileName = previousName;
        switch (result) {
        case CFileIO::FileSystemError:
            if (RetryAfterFileError(messages, io.LastError(), QStringLiteral("CFileIO.OpenCDFile")))
                continue;
            report.outcome = LoadOutcome::Abandoned;
            return report;
        case CFileIO::NotCollectionFile:
            messages.show(QCoreApplication::translate("FileCommands",
                                                      "This is not a Vinaxo file.  Please choose another file."),
                          QCoreApplication::translate("FileCommands", "Wrong File Type"), MsgIcon::Critical,
                          MsgButtons::OK);
            report.outcome = LoadOutcome::NotCollection;
            return report;
        case CFileIO::NotConverted:
            messages.show(QCoreApplication::translate("FileCommands", "Older format Vinaxo file not converted."),
                          QCoreApplication::translate("FileCommands", "Old File Format"), MsgIcon::Critical,
                          MsgButtons::OK);
            report.outcome = LoadOutcome::NotConverted;
            return report;
        default:
            report.outcome = LoadOutcome::Refused;
            return report;
        }
    }
}

bool SaveCollectionFile(Workspace& ws, const QString& path, const FileCommandOptions& options)
{
    for (;;) {
        CFileIO io(ws, options.busy);
        io.FileName = path;
        if (options.access)
            io.setFileAccess(*options.access);
        if (io.SaveFiles())
            return true;
        if (!RetryAfterFileError(ws.messages, io.LastError(), QStringLiteral("CFileIO.SaveFiles")))
            return false;
    }
}

QString CollectionSaveAsPath(const QString& chosen)
{
    const qsizetype slash = chosen.lastIndexOf(u'/');
    const qsizetype dot = chosen.indexOf(u'.', slash + 1);
    if (dot < 0)
        return chosen + QStringLiteral(".DAT");
    if (chosen.mid(dot + 1).compare(QLatin1String("DAT"), Qt::CaseInsensitive) == 0)
        return chosen;
    return chosen.left(dot + 1) + QStringLiteral("DAT");
}

bool ConfirmReplace(IMessageService& messages, const QString& path)
{
    if (!QFileInfo::exists(path))
        return true;
    return messages.show(QCoreApplication::translate(
                             "FileCommands", "This file already exists.  Do you want to replace the existing file?"),
                         QCoreApplication::translate("FileCommands", "Confirm File Replace"), MsgIcon::Question,
                         MsgButtons::YesNo, MsgDefault::Second)
        == MsgAnswer::Yes;
}

} // namespace vinaxo
