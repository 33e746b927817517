#pragma once
// Opening and saving collection files for the commands, with the main window's messages.
#include "cli/CliCommand.h"
#include "storage/CollectionLock.h"
#include "storage/FileCommands.h"

namespace vinaxo::cli {

// The world the collection commands work in. The user's settings are read (LastViewName
// picks the current view, as in the application) from a private copy, so that a command
// never changes what the application finds at its next start.
Workspace& collectionWorkspace(Context& ctx);

// Loads FILE as the main window opens one: the load's messages and, for a missing file,
// a file that is none and a declined conversion, the window's own.
LoadReport loadCollection(Context& ctx, const QString& path);

// Save: writes the collection to `path` (an existing file is replaced without a question).
bool saveCollection(Context& ctx, const QString& path);
// True when `path` may be written: it does not exist, or "Confirm File Replace" was
// answered Yes.
bool confirmReplace(Context& ctx, const QString& path);
// Save As: an existing file is replaced only when "Confirm File Replace" is answered Yes.
bool saveCollectionAs(Context& ctx, const QString& path);

// The exit status of a writing command refused because a running Vinaxo has the file open.
constexpr int LockedStatus = 3;
// Takes the lock of a collection file the command is about to write, as the application
// holds it while the file is open; false, after saying who holds it, when another has it.
bool lockForWriting(Context& ctx, const QString& path, CollectionLock& lock);

// The exit status of a command that needed the file loaded.
inline int loadStatus(const LoadReport& r) { return r.loaded() ? 0 : 1; }

} // namespace vinaxo::cli
