// The main window's file commands, start-up and shut-down questions, without a window.
#include "lookup/CoverStore.h"
#include "model/CEntrySelection.h"
#include "platform/IBusyPointer.h"
#include "storage/FileCommands.h"
#include "support/UiWorld.h"
#include "ui/main/MainController.h"
#include "ui/main/MainFileCommands.h"
#include "ui/main/MainListModel.h"
#include "ui/main/RecentFiles.h"
#include "ui/main/frmCDMLIST.h"
#include "storage/CFileIO.h"
#include "storage/CollectionLock.h"
#include "storage/RecoveryKeeper.h"
#include "storage/RecoveryStore.h"

#include <QAction>

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace vinaxo;

namespace {

const char* kLoseChanges = "Current file has not been saved - do you want to continue and lose all changes?";
const char* kSaveBeforeClosing = "Current file has not been saved - do you want to save before closing?";

using test::writeCollection;

// The commands over one test world, with what the window would have been told.
struct Commands {
    test::UiWorld w;
    MainListModel model;
    MainController controller{*w.ws, model, w.busy};
    RecentFiles recent{w.config()};
    MainFileCommands files{w.context, controller, recent};
    int captions = 0, viewFills = 0, editorResets = 0;
    QStringList progressShown;

    Commands()
    {
        files.hooks.captionChanged = [this] { ++captions; };
        files.hooks.viewsChanged = [this] { ++viewFills; };
        files.hooks.editorReset = [this] { ++editorResets; };
        files.hooks.loadProgress = [this](const QString& path) -> std::unique_ptr<IProgress> {
            progressShown << path;
            return nullptr;
        };
        files.initialise();
    }
    QString path(const char* name) const { return w.dir.filePath(QString::fromLatin1(name)); }
    QString caption() const { return controller.caption(files.fileCommandDone()); }
};

} // namespace

TEST(FileCommands, UnsavedChangeQuestionsOfNewOpenAndClose)
{
    struct Case {
        const char* name;
        void (MainFileCommands::*command)();
        MsgAnswer answer;
        const char* text;
        bool emptied;    // the collection was cleared
        bool saveAsked;  // the save dialog was shown
    };
    const std::vector<Case> cases = {
        {"New No", &MainFileCommands::newFile, MsgAnswer::No, kLoseChanges, false, false},
        {"New Yes", &MainFileCommands::newFile, MsgAnswer::Yes, kLoseChanges, true, false},
        {"Open No", &MainFileCommands::open, MsgAnswer::No, kLoseChanges, false, false},
        {"Close No", &MainFileCommands::close, MsgAnswer::No, kSaveBeforeClosing, true, false},
        {"Close Yes", &MainFileCommands::close, MsgAnswer::Yes, kSaveBeforeClosing, false, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Commands c;
        c.w.addRecording(QStringLiteral("Kept"));
        c.w.entries().DBChanged = true;
        c.w.messages.answer(k.answer);
        (c.files.*k.command)();
        ASSERT_GE(c.w.messages.count(), 1u);
        const Message& m = c.w.messages.messages()[0];
        EXPECT_EQ(m.text, k.text);
        EXPECT_EQ(m.title, "File Not Saved");
        EXPECT_EQ(m.icon, MsgIcon::Critical);
        EXPECT_EQ(m.defaultButton, MsgDefault::Second);
        EXPECT_EQ(c.w.entries().Count(), k.emptied ? 0 : 1);
        EXPECT_EQ(c.editorResets, k.emptied ? 1 : 0);
        EXPECT_EQ(!c.w.dialogs.calls().empty() && c.w.dialogs.calls()[0].save, k.saveAsked);
    }
}

// A search of one collection followed the user into the next: "0 records" with the
// filter still down, as if the data were gone.
TEST(FileCommands, NewOpenAndCloseReleaseTheSearchFilter)
{
    for (const char* command : {"New", "Open", "OpenFile", "Close"}) {
        SCOPED_TRACE(command);
        Commands c;
        const QString other = writeCollection(c.path("other.DAT"), {"Otra", "Otro"});
        c.w.addRecording(QStringLiteral("Noche"));
        CEntrySelection& s = c.w.ws->selection;
        s.SearchString = QStringLiteral("nothing like it");
        s.SearchTitle = true;
        s.SearchTypeText = true;
        c.controller.setFilterDown(true);
        c.controller.filterRoutine();
        ASSERT_EQ(c.controller.count(), " 0 records");
        ASSERT_FALSE(c.controller.hint().isEmpty());

        const QString which = QString::fromLatin1(command);
        if (which == "New")
            c.files.newFile();
        else if (which == "Close")
            c.files.close();
        else if (which == "Open") {
            c.w.dialogs.choose(other);
            c.files.open();
        } else
            c.files.openFile(other);
        EXPECT_FALSE(c.controller.filterDown());
        EXPECT_EQ(c.controller.hint(), "");
        EXPECT_EQ(c.controller.count(), c.w.entries().Count() == 2 ? " 2 records" : " 0 records");
    }
}

TEST(FileCommands, AFailedOpenKeepsTheCollectionItsNameAndItsFilter)
{
    Commands c;
    const QString good = writeCollection(c.path("good.DAT"), {"Kept", "Other"});
    test::writeFile(c.path("junk.DAT"), "not a collection file at all");
    c.files.openFile(good);
    c.w.ws->selection.SearchString = QStringLiteral("Kept");
    c.w.ws->selection.SearchTitle = c.w.ws->selection.SearchTypeText = true;
    c.controller.setFilterDown(true);
    c.controller.filterRoutine();
    c.files.openFile(c.path("junk.DAT"));
    EXPECT_EQ(c.w.messages.last().title, "Wrong File Type");
    EXPECT_EQ(c.caption(), "Vinaxo Recording Collection " + good);
    EXPECT_TRUE(c.controller.filterDown());
    EXPECT_EQ(c.controller.count(), " 1 record");
}

TEST(FileCommands, SaveAsAppliesTheExtensionAndNoToReplaceOpensTheDialogAgain)
{
    Commands c;
    const QString existing = writeCollection(c.path("taken.DAT"), {"Old"});
    const QByteArray before = test::readFile(existing);
    c.w.addRecording(QStringLiteral("New"));
    c.w.dialogs.choose(c.path("taken.txt"));
    c.w.dialogs.cancel();
    c.w.messages.answer(MsgAnswer::No);
    EXPECT_FALSE(c.files.saveAs());
    EXPECT_EQ(c.w.dialogs.calls().size(), 2u);
    EXPECT_EQ(c.w.dialogs.calls()[0].request.title, "Save Vinaxo File");
    EXPECT_EQ(c.w.messages.last().title, "Confirm File Replace");
    EXPECT_EQ(c.w.messages.last().icon, MsgIcon::Question);
    EXPECT_EQ(test::readFile(existing), before);
    EXPECT_EQ(c.caption(), "Vinaxo - Recording Collection");

    c.w.dialogs.choose(c.path("fresh"));
    EXPECT_TRUE(c.files.saveAs());
    EXPECT_TRUE(QFile::exists(c.path("fresh.DAT")));
    EXPECT_EQ(c.caption(), "Vinaxo Recording Collection " + c.path("fresh.DAT"));
    EXPECT_EQ(c.w.config().LastFileName(), c.path("fresh.DAT"));
    EXPECT_EQ(c.recent.list().value(0), c.path("fresh.DAT"));
    EXPECT_FALSE(c.w.entries().DBChanged);
}

// Regression: a picture that could not be written at Save stayed pending without a word,
// and closing afterwards lost it without asking.
TEST(FileCommands, CoverPicturesThatCannotBeWrittenAreSaidAndKeepTheCollectionChanged)
{
    Commands c;
    const QString file = writeCollection(c.path("pics.DAT"), {"A"});
    c.files.openFile(file);
    const QString key = c.w.entries().Entries().at(0)->CDKey;
    c.w.ws->pendingCovers.set(key, QByteArray("\x89PNG\r\n\x1a\npicture", 15));
    c.w.entries().DBChanged = true;
    test::writeFile(CoverStore::FolderFor(file), "a file where the folder goes");
    EXPECT_TRUE(c.files.save());
    EXPECT_EQ(c.w.messages.last().title, "Cover Pictures Not Saved");
    EXPECT_EQ(c.w.messages.last().icon, MsgIcon::Exclamation);
    EXPECT_TRUE(c.w.entries().DBChanged);
    EXPECT_FALSE(c.w.ws->pendingCovers.isEmpty());

    QFile::remove(CoverStore::FolderFor(file));
    const auto shown = c.w.messages.count();
    EXPECT_TRUE(c.files.save());
    EXPECT_EQ(c.w.messages.count(), shown);
    EXPECT_FALSE(c.w.entries().DBChanged);
    EXPECT_TRUE(c.w.ws->pendingCovers.isEmpty());
    EXPECT_FALSE(CoverStore(file).find(key).isEmpty());
}

TEST(FileCommands, ToolbarSaveAsksForANameForAnEmptyOrUnnamedCollection)
{
    Commands c;
    const QString file = writeCollection(c.path("one.DAT"), {"A"});
    c.files.openFile(file);
    c.w.entries().ClearAllEntries();
    c.files.toolbarSave();
    ASSERT_EQ(c.w.dialogs.calls().size(), 1u);
    EXPECT_TRUE(c.w.dialogs.calls()[0].save);
}

TEST(FileCommands, StartUpWithLoadLastFileOrAFileArgument)
{
    struct Case {
        const char* name;
        QStringList titles; // empty: the file is missing; {"-"}: no recordings
        bool named;
        bool asksForAnother;
    };
    for (const Case& k : {Case{"Present", {"A", "B"}, true, false}, Case{"Missing", {}, false, true},
                          Case{"NoRecordings", {"-"}, false, false}}) {
        SCOPED_TRACE(k.name);
        Commands c;
        const QString file = c.path("last.DAT");
        if (k.titles == QStringList{"-"})
            writeCollection(file, {});
        else if (!k.titles.isEmpty())
            writeCollection(file, k.titles);
        c.w.config().setLoadLastFile(true);
        c.w.config().setLastFileName(file);
        c.files.startUp(QString());
        EXPECT_EQ(c.w.dialogs.calls().size(), k.asksForAnother ? 1u : 0u);
        if (k.asksForAnother) {
            EXPECT_EQ(c.w.messages.last().text,
                      "This file does not exist.  You must choose another file name to open.");
            EXPECT_EQ(c.w.config().LastFileName(), "");
            EXPECT_TRUE(c.progressShown.isEmpty()); // no load window for a missing file
        } else {
            EXPECT_EQ(c.w.messages.count(), 0u);
            EXPECT_EQ(c.progressShown, QStringList{file});
        }
        EXPECT_EQ(c.w.ws->currentFileName, k.named ? file : QString());
        EXPECT_EQ(c.w.entries().Count(), k.named ? 2 : 0);
    }

    Commands c;
    const QString last = writeCollection(c.path("last.DAT"), {"Last"});
    const QString named = writeCollection(c.path("named.DAT"), {"Named", "Two"});
    c.w.config().setLoadLastFile(true);
    c.w.config().setLastFileName(last);
    c.files.startUp(named);
    EXPECT_EQ(c.w.ws->currentFileName, named);
    EXPECT_EQ(c.w.entries().Count(), 2);
}

TEST(FileCommands, TheExampleOpensAsAnUnnamedCopy)
{
    Commands c;
    const QString example = writeCollection(c.path("sample.DAT"), {"Example"});
    const QByteArray before = test::readFile(example);
    c.files.openExample(example);
    EXPECT_EQ(c.w.entries().Count(), 1);
    EXPECT_EQ(c.caption(), "Vinaxo Recording Collection (Unnamed)");
    EXPECT_TRUE(c.recent.list().isEmpty());
    c.w.addRecording(QStringLiteral("Mine"));
    c.w.dialogs.cancel();
    c.files.save(); // asks for a name: the example itself is never written
    ASSERT_EQ(c.w.dialogs.calls().size(), 1u);
    EXPECT_TRUE(c.w.dialogs.calls()[0].save);
    EXPECT_EQ(test::readFile(example), before);

    c.files.openExample(QString());
    EXPECT_EQ(c.w.messages.last().text, "The example collection is not installed.");
}

TEST(FileCommands, RecentFilesKeepTheLastOpenedAndForgetMissingOnes)
{
    Commands c;
    const QString a = writeCollection(c.path("a.DAT"), {"A"});
    const QString b = writeCollection(c.path("b.DAT"), {"B"});
    c.files.openFile(a);
    c.files.openFile(b);
    EXPECT_EQ(c.recent.list(), QStringList({b, a}));
    QFile::remove(a);
    c.files.openFile(a);
    EXPECT_EQ(c.w.messages.last().title, "File Not Found");
    EXPECT_EQ(c.recent.list(), QStringList({b}));
    for (int i = 0; i < 10; ++i)
        c.recent.add(c.path("f") + QString::number(i));
    EXPECT_EQ(c.recent.list().size(), RecentFiles::Limit);
}

TEST(FileCommands, ShutDownAsksAboutTheCollectionAndThenTheDefinition)
{
    Commands c;
    c.w.addRecording(QStringLiteral("A"));
    c.w.entries().DBChanged = true;
    c.w.messages.answer(MsgAnswer::No);
    EXPECT_FALSE(c.files.canShutDown());
    EXPECT_EQ(c.w.messages.last().text, kLoseChanges);

    c.w.exchangeState.definitionChanged = true;
    c.w.exchangeState.table.AddToColTable(QStringLiteral("Title"), QStringLiteral("30"));
    c.w.messages.answer(MsgAnswer::Yes);
    c.w.messages.answer(MsgAnswer::No);
    EXPECT_FALSE(c.files.canShutDown());
    EXPECT_EQ(c.w.messages.last().text,
              "Report definition has not been saved - do you want to continue and lose all changes?");
    EXPECT_EQ(c.w.messages.last().title, "Report Def Not Saved");
    EXPECT_EQ(c.w.messages.last().icon, MsgIcon::Question);

    c.w.messages.answer(MsgAnswer::Yes);
    c.w.messages.answer(MsgAnswer::Yes);
    EXPECT_TRUE(c.files.canShutDown());
}

TEST(MainControllerCount, OneRecordIsSingularAndADeleteCountsAtOnce)
{
    EXPECT_EQ(MainController::CountText(0), " 0 records");
    EXPECT_EQ(MainController::CountText(1), " 1 record");
    EXPECT_EQ(MainController::CountText(2), " 2 records");

    // The count was stale while the editor stayed open after a delete.
    Commands c;
    c.w.addRecording(QStringLiteral("One"));
    CEntry* two = c.w.addRecording(QStringLiteral("Two"));
    c.controller.filterRoutine();
    ASSERT_EQ(c.controller.count(), " 2 records");
    const QString key = two->CDKey;
    c.controller.EntryChanged(3, key);
    c.w.entries().DeleteEntry(key);
    EXPECT_EQ(c.controller.count(), " 1 record");
}

// ---- Recovery copies, the lock, the changed-file question -----------------------------

namespace {
const char* kChangedOnDisk = " was changed on disk since it was opened. Overwrite it, save under another name, or cancel?";

// The commands with recovery copies kept in a folder of the test's.
struct RecoveringCommands : Commands {
    RecoveryStore store{w.dir.filePath(QStringLiteral("recovery"))};
    RecoveryKeeper keeper{*w.ws, store};
    RecoveringCommands() { files.recovery = &keeper; }
};

const QByteArray kPicture("\x89PNG\r\n\x1a\npicture", 15);

// A run that loaded `original`, added a recording with a picture and was lost after its
// copy was written.
QByteArray leaveLostCopy(const QString& folder, const QString& original)
{
    Commands lost;
    RecoveryStore store(folder);
    RecoveryKeeper keeper(*lost.w.ws, store);
    lost.files.recovery = &keeper;
    lost.files.openFile(original);
    lost.w.addRecording(QStringLiteral("Typed before the crash"));
    lost.w.ws->pendingCovers.set(lost.w.entries().Entries().at(1)->CDKey, kPicture);
    lost.w.entries().DBChanged = true;
    keeper.copyNow(true);
    CFileIO io(*lost.w.ws);
    return io.SaveToBytes();
    // The lost run's lock goes with it, as a dead program's would be taken over.
}
} // namespace

TEST(FileCommands, StartUpOffersALostRunsCopy_RecoverDiscardLater)
{
    enum { Recover, Discard, Later };
    for (int answer : {Recover, Discard, Later}) {
        SCOPED_TRACE(answer);
        RecoveringCommands c;
        const QString original = writeCollection(c.path("music.DAT"), {"Old"});
        const QByteArray lostState = leaveLostCopy(c.store.folder(), original);
        c.w.config().setLoadLastFile(false);
        c.w.messages.answerIndex(answer);
        c.files.startUp(QString());

        ASSERT_EQ(c.w.messages.count(), 1u);
        const Message& m = c.w.messages.last();
        EXPECT_TRUE(m.text.startsWith("Vinaxo was not closed properly. Recover the unsaved changes to " + original
                                      + " from "))
            << m.text.toStdString();
        EXPECT_TRUE(m.text.endsWith(u'?'));
        EXPECT_EQ(c.w.messages.customButtons().back(), (QStringList{"Recover", "Discard", "Later"}));
        const QList<RecoveryCopy> left = c.store.list();
        if (answer == Recover) {
            EXPECT_EQ(c.w.ws->currentFileName, original);
            EXPECT_TRUE(c.w.entries().DBChanged);
            EXPECT_EQ(c.w.entries().Count(), 2);
            EXPECT_TRUE(c.files.lock().held());
            const QString typed = c.w.entries().Entries().at(1)->CDKey;
            EXPECT_EQ(c.w.ws->pendingCovers.find(typed), kPicture);
            // Save writes the original, byte for byte the lost run's state, with the
            // picture beside it, and the copy (now this run's) goes.
            EXPECT_TRUE(c.files.save());
            c.keeper.waitIdle();
            EXPECT_EQ(test::readFile(original), lostState);
            EXPECT_FALSE(CoverStore(original).find(typed).isEmpty());
            EXPECT_TRUE(c.store.list().isEmpty());
            EXPECT_TRUE(QDir(c.store.folder()).entryList({"*.covers*"}, QDir::Files | QDir::Hidden).isEmpty());
        } else {
            EXPECT_EQ(c.w.entries().Count(), 0);
            EXPECT_EQ(left.size(), answer == Later ? 1 : 0);
        }
    }
}

TEST(FileCommands, ADamagedRecoveryCopyIsReportedAndKept)
{
    RecoveringCommands c;
    const QString original = writeCollection(c.path("music.DAT"), {"Old"});
    leaveLostCopy(c.store.folder(), original);
    const QString copy = c.store.list().value(0).dataPath;
    ASSERT_TRUE(QFile::resize(copy, 40));
    // Cut after its record was written, it is offered (a copy may be newer than its
    // record); reading it tells.
    c.files.startUp(QString());
    ASSERT_GE(c.w.messages.count(), 1u);
    EXPECT_EQ(c.w.messages.last().title, "Recovery Copy Damaged");
    EXPECT_TRUE(c.w.messages.last().text.contains(copy));
    EXPECT_TRUE(QFile::exists(copy));
    // What could be read is unnamed, so no Save replaces the original with it.
    EXPECT_TRUE(c.w.ws->currentFileName.isEmpty());
    c.keeper.waitIdle();
    EXPECT_TRUE(QFile::exists(copy));
}

TEST(FileCommands, ACollectionHeldByAnotherRunOpensReadOnlyOrNotAtAll)
{
    for (int answer : {0, 1}) { // Open Read-Only, Cancel
        SCOPED_TRACE(answer);
        Commands c;
        const QString file = writeCollection(c.path("shared.DAT"), {"A"});
        CollectionLock other;
        ASSERT_EQ(other.lock(file), CollectionLock::Result::Taken);
        const QByteArray before = test::readFile(file);
        c.w.messages.answerIndex(answer);
        c.files.openFile(file);
        ASSERT_EQ(c.w.messages.count(), 1u);
        EXPECT_TRUE(c.w.messages.last().text.startsWith(file + " is open in another Vinaxo ("));
        EXPECT_EQ(c.w.messages.customButtons().back(), (QStringList{"Open Read-Only", "Cancel"}));
        EXPECT_EQ(c.files.readOnly(), answer == 0);
        EXPECT_EQ(c.w.entries().Count(), answer == 0 ? 1 : 0);
        if (answer == 1)
            continue;
        // Save is Save As: the file the other run holds cannot be chosen either.
        c.w.entries().DBChanged = true;
        c.w.dialogs.choose(file);
        c.w.messages.answer(MsgAnswer::Yes); // replace it
        EXPECT_FALSE(c.files.save());
        EXPECT_EQ(c.w.dialogs.calls().size(), 1u);
        EXPECT_EQ(c.w.messages.last().title, "File In Use");
        EXPECT_EQ(test::readFile(file), before);
        // Under another name it is the run's own again.
        c.w.dialogs.choose(c.path("mine.DAT"));
        EXPECT_TRUE(c.files.saveAs());
        EXPECT_FALSE(c.files.readOnly());
        EXPECT_EQ(c.files.lock().collection(), c.path("mine.DAT"));
    }
}

TEST(FileCommands, TheLockIsLetGoOnCloseAndOnOpeningAnother)
{
    Commands c;
    const QString a = writeCollection(c.path("a.DAT"), {"A"});
    const QString b = writeCollection(c.path("b.DAT"), {"B"});
    c.files.openFile(a);
    EXPECT_TRUE(QFile::exists(CollectionLock::lockPathFor(a)));
    c.files.openFile(b);
    EXPECT_FALSE(QFile::exists(CollectionLock::lockPathFor(a)));
    EXPECT_TRUE(QFile::exists(CollectionLock::lockPathFor(b)));
    // A failed open keeps the lock of the collection still open.
    c.files.openFile(c.path("missing.DAT"));
    EXPECT_TRUE(QFile::exists(CollectionLock::lockPathFor(b)));
    c.files.close();
    EXPECT_FALSE(QFile::exists(CollectionLock::lockPathFor(b)));
}

TEST(FileCommands, SaveAsksWhenTheFileChangedOnDisk_OverwriteSaveAsCancel)
{
    enum { Overwrite, SaveAs, Cancel };
    struct Case {
        const char* name;
        int answer;
        bool deleteIt; // else replaced by another program
    };
    for (const Case& k : {Case{"Overwrite", Overwrite, false}, Case{"SaveAs", SaveAs, false},
                          Case{"Cancel", Cancel, false}, Case{"Overwrite a deleted file", Overwrite, true}}) {
        SCOPED_TRACE(k.name);
        Commands c;
        const QString file = writeCollection(c.path("c.DAT"), {"A"});
        c.files.openFile(file);
        c.w.addRecording(QStringLiteral("Mine"));
        c.w.entries().DBChanged = true;
        if (k.deleteIt)
            QFile::remove(file);
        else
            writeCollection(file, {"Theirs", "Theirs too"});
        const QByteArray theirs = test::readFile(file);
        c.w.messages.answerIndex(k.answer);
        if (k.answer == SaveAs)
            c.w.dialogs.choose(c.path("elsewhere.DAT"));
        const bool saved = c.files.save();
        ASSERT_GE(c.w.messages.count(), 1u);
        EXPECT_EQ(c.w.messages.messages()[0].text, file + kChangedOnDisk);
        EXPECT_EQ(c.w.messages.customButtons().back(), (QStringList{"Overwrite", "Save As", "Cancel"}));
        EXPECT_EQ(saved, k.answer != Cancel);
        EXPECT_EQ(test::readFile(file) == theirs, k.answer != Overwrite);
        EXPECT_EQ(QFile::exists(c.path("elsewhere.DAT")), k.answer == SaveAs);
    }
    // Unchanged since the last save: no question.
    Commands c;
    const QString file = writeCollection(c.path("c.DAT"), {"A"});
    c.files.openFile(file);
    c.w.entries().DBChanged = true;
    EXPECT_TRUE(c.files.save());
    c.w.entries().DBChanged = true;
    EXPECT_TRUE(c.files.save());
    EXPECT_EQ(c.w.messages.count(), 0u);
}

TEST(FileCommands, WindowShowsReadOnlyInItsTitleAndDisablesSave)
{
    test::UiWorld w;
    const QString file = writeCollection(w.dir.filePath(QStringLiteral("held.DAT")), {"A"});
    CollectionLock other;
    ASSERT_EQ(other.lock(file), CollectionLock::Result::Taken);
    frmCDMLIST window(w.context);
    w.messages.answerIndex(0);
    window.openFile(file);
    EXPECT_TRUE(window.windowTitle().endsWith(" [read-only]"));
    auto* save = window.findChild<QAction*>(QStringLiteral("MU_File_Save"));
    auto* saveAs = window.findChild<QAction*>(QStringLiteral("MU_File_SaveAs"));
    ASSERT_TRUE(save && saveAs);
    EXPECT_FALSE(save->isEnabled());
    EXPECT_TRUE(saveAs->isEnabled());
    w.dialogs.choose(w.dir.filePath(QStringLiteral("own.DAT")));
    saveAs->trigger();
    EXPECT_FALSE(window.windowTitle().contains("[read-only]"));
    EXPECT_TRUE(save->isEnabled());
}
