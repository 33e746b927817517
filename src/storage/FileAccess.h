#pragma once
// Whole-file reads and safe whole-file replacement: the only place where the collection
// file touches the file system.
#include "storage/HandleFileError.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QFileDevice;

namespace vinaxo {

class FileAccess {
public:
    virtual ~FileAccess() = default;

    // Reads the whole file into `bytes`; a failure is returned as a file error.
    virtual FileError readAll(const QString& path, QByteArray& bytes) const;

    // Makes `bytes` the file's content in one step: they go to a temporary file in the
    // same folder, which takes the old file's place only once it is complete. On failure
    // the old file is exactly as it was.
    virtual FileError replaceFile(const QString& path, QByteArrayView bytes) const;

protected:
    // One write of replaceFile: the count written, or -1 with errno set.
    virtual qint64 writeSome(QFileDevice& file, const char* data, qint64 size) const;
};

// The file system itself.
const FileAccess& LocalFiles();

} // namespace vinaxo
