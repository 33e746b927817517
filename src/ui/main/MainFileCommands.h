#pragma once
// The main window's file commands (New, Open, Close, Save, Save As), its start-up steps
// and the shut-down questions. No widgets: questions go through the message service,
// file choices through the file-dialog seam, and the window is told what to redraw.
#include "storage/CollectionLock.h"
#include "storage/FileStamp.h"

#include <QString>
#include <functional>
#include <memory>

class QLockFile;
class QWidget;

namespace vinaxo {

struct AppContext;
class IProgress;
class MainController;
class RecentFiles;
class RecoveryKeeper;
struct RecoveryCopy;

class MainFileCommands {
public:
    MainFileCommands(AppContext& ctx, MainController& controller, RecentFiles& recent);

    // What the window redraws when told.
    struct Hooks {
        std::function<void()> viewsChanged;   // the view names and the current view
        std::function<void()> captionChanged; // the caption and Save's state
        std::function<void()> editorReset;    // the editor starts afresh on an emptied collection
        std::function<void()> collectionReplaced; // a collection was opened or emptied
        // The window shown while a file loads; none in tests.
        std::function<std::unique_ptr<IProgress>(const QString& path)> loadProgress;
    };
    Hooks hooks;
    QWidget* dialogParent = nullptr; // the owner of the file dialogs
    // The recovery copy of the collection; none in tests that do not look at it.
    RecoveryKeeper* recovery = nullptr;

    // The start-up steps that run before the window is shown: release level, change
    // flags, default lists, the standard and the last view, the first (empty) list.
    void initialise();
    // After the window is shown: the file named on the command line (opened as Open
    // would, without a question) or, with "Load Last File" on, the last file.
    void startUp(const QString& fileArgument);

    void newFile();
    void open();
    // Open of a known path (recent files, drops): the unsaved-change question first.
    void openFile(const QString& path);
    // The example collection, opened as an unnamed copy so that Save asks for a name.
    void openExample(const QString& examplePath);
    void close();
    bool save();
    bool saveAs();
    // The toolbar's Save: Save As for an empty or unnamed collection.
    void toolbarSave();
    // The questions of the shut-down; false keeps the program running.
    bool canShutDown();

    // Any file command has run (the design caption stays until then).
    bool fileCommandDone() const { return m_fileCommandDone; }

    // The collection is open read-only: another running Vinaxo holds its lock. Save is
    // disabled, Save As allowed.
    bool readOnly() const { return m_readOnly; }
    const CollectionLock& lock() const { return m_lock; }

    // At start-up, before any file is loaded: a recovery copy left by a run that did not
    // end properly is offered back (Recover / Discard / Later). True when one was
    // recovered, so that no other file is loaded.
    bool offerRecovery();
    // The desktop session is ending: the recovery copy is written first, then, when the
    // session manager lets us ask, the shut-down questions. False asks it to cancel.
    bool sessionEnding(bool interactionAllowed);

private:
    bool askLoseChanges();
    bool chooseAndLoad();
    void load(const QString& path);
    void emptyCollection();
    bool saveTo(const QString& path);
    void tell(const std::function<void()>& hook) const;
    // The lock of the file about to be loaded: false when the user cancels.
    bool lockForLoading(const QString& path, bool& readOnly);
    // The lock of a file about to be written under a new name: false when another holds it.
    bool lockForSaving(const QString& path);
    // Before Save writes over the open file: false when the user cancels or saved elsewhere.
    bool confirmUnchangedOnDisk(const QString& path, bool& saveElsewhere);
    void remember(const QString& path);
    void changesGone();
    bool recover(const RecoveryCopy& copy, std::unique_ptr<QLockFile> claim);

    AppContext& m_ctx;
    MainController& m_controller;
    RecentFiles& m_recent;
    bool m_fileCommandDone = false;
    CollectionLock m_lock;
    FileStamp m_stamp; // the open file as loaded or last saved
    bool m_readOnly = false;
};

} // namespace vinaxo
