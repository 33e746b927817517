#pragma once
// The file commands' work on the collection file, shared by the main window and
// vinaxo-cli: loading a file with the window's messages, saving with the retry/cancel
// question on a file error.
#include <QString>
#include <optional>

namespace vinaxo {

class FileAccess;
class IBusyPointer;
class IMessageService;
class IProgress;
class Workspace;

struct FileCommandOptions {
    IBusyPointer* busy = nullptr;
    IProgress* progress = nullptr;
    const FileAccess* access = nullptr; // the file system when null
};

enum class LoadOutcome {
    Loaded,
    Missing,        // "File Not Found" has been shown; LastFileName cleared
    Refused,        // release 120
    NotCollection,  // result 12, "Wrong File Type" shown
    NotConverted,   // result 14, "Old File Format" shown
    Abandoned,      // a file error, cancelled or reported
};

struct LoadReport {
    LoadOutcome outcome = LoadOutcome::Abandoned;
    std::optional<double> release; // the header's release number, when there was a header
    // Loaded, but a block of the file could not be read whole (its message was shown):
    // the collection is then unnamed, so that no Save replaces the file that still holds
    // the unread bytes.
    bool damaged = false;
    bool loaded() const { return outcome == LoadOutcome::Loaded; }
};

// Loads `path` as the main window loads its current file. On success the workspace's
// current file name is `path` (empty after a conversion or a damaged load) and
// LastFileName follows it;
// otherwise the collection, the current file name and LastFileName are as they were
// (except for a missing file, which clears LastFileName).
LoadReport LoadCollectionFile(Workspace& ws, const QString& path, const FileCommandOptions& options = {});

// Writes the collection to `path`, replacing the file only when the new one is complete.
// A file error is asked about (Retry writes again, Cancel gives up) or reported. True
// when written; DBChanged is then clear, otherwise unchanged.
bool SaveCollectionFile(Workspace& ws, const QString& path, const FileCommandOptions& options = {});

// The path Save As writes for the path chosen in the dialog: the file-name part without a
// "." gets ".DAT"; one whose text after its first "." is "DAT" in any letter case is kept;
// otherwise everything after that first "." becomes "DAT".
QString CollectionSaveAsPath(const QString& chosen);

// True when `path` may be written: it does not exist, or "Confirm File Replace" was
// answered Yes.
bool ConfirmReplace(IMessageService& messages, const QString& path);

} // namespace vinaxo
