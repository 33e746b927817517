#pragma once
// Recovery copies: while a collection has unsaved changes, a copy of it in the collection
// file format is kept under the user's data folder (<data>/Vinaxo/recovery/ID.DAT) with a
// small companion record (ID.json) naming the original file, how it looked when it was
// loaded, and when the copy was made, and the picture changes not yet saved (ID.covers). Each running program holds the lock ID.lock of its
// own copy, so a copy whose lock can be taken belongs to a program that is gone.
#include "storage/FileStamp.h"
#include "storage/HandleFileError.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <memory>
#include <optional>

class QLockFile;

namespace vinaxo {

class FileAccess;

struct RecoveryRecord {
    QString original;       // the collection's file; empty for an unnamed collection
    FileStamp originalStamp; // the original as it was loaded or last saved
    QDateTime copied;       // when the copy was made (UTC)
    qint64 copySize = 0;    // bytes of ID.DAT
    qint64 pid = 0;
    QString host;

    QByteArray toJson() const;
    // Null when the text is no record.
    static std::optional<RecoveryRecord> fromJson(const QByteArray& json);
};

// A copy found in the folder.
struct RecoveryCopy {
    QString id;
    QString dataPath;   // ID.DAT
    QString recordPath; // ID.json
    std::optional<RecoveryRecord> record;
    bool inUse = false; // its program is running
    // Empty when the copy looks whole; otherwise why it cannot be read.
    QString problem;
    bool readable() const { return problem.isEmpty(); }
    // When it was made: the record's time, else the copy file's.
    QDateTime time() const;
};

class RecoveryStore {
public:
    // The copies live in `folder`, by default <user data>/Vinaxo/recovery.
    explicit RecoveryStore(const QString& folder = defaultFolder());
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    static QString defaultFolder();
    const QString& folder() const { return m_folder; }

    void setFileAccess(const FileAccess& access) { m_access = &access; }

    // This run's copy: its id and lock are made on first use.
    QString id();
    QString dataPath() const { return pathOf(m_id, ".DAT"); }
    QString recordPath() const { return pathOf(m_id, ".json"); }
    // Writes the pictures not yet saved (ID.covers; none: removed), the copy, then its
    // record, each through the safe replacement, so a copy interrupted half way leaves the
    // previous one whole. Safe on any thread, one at a time.
    using Pictures = QHash<QString, QByteArray>; // by recording key; empty bytes: removed
    FileError write(const QByteArray& bytes, RecoveryRecord record, const Pictures& pictures = {});
    // The pictures written with copy `id`; none when there are none or they cannot be read.
    Pictures pictures(const QString& id) const;
    // Removes this run's copy and its record (the lock stays for the run).
    void remove();
    bool exists() const;

    // Every copy in the folder, oldest first.
    QList<RecoveryCopy> list() const;
    // Takes the lock of another run's copy when its program is gone: null while it runs.
    std::unique_ptr<QLockFile> claim(const QString& id) const;
    // Deletes a claimed copy (its record, its data and what an interrupted write left).
    void discard(const QString& id) const;
    // A claimed copy becomes this run's own: later writes replace it, remove() deletes it.
    void adopt(const QString& id, std::unique_ptr<QLockFile> lock);

private:
    QString pathOf(const QString& id, const char* suffix) const;
    void removeFiles(const QString& id) const;
    bool ensureSession();

    QString m_folder;
    QString m_id;
    std::unique_ptr<QLockFile> m_lock;
    const FileAccess* m_access;
};

} // namespace vinaxo
