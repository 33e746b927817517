// The main window's file commands, start-up and shut-down questions, without a window.
#include "model/CEntrySelection.h"
#include "platform/IBusyPointer.h"
#include "storage/FileCommands.h"
#include "support/UiWorld.h"
#include "ui/main/MainController.h"
#include "ui/main/MainFileCommands.h"
#include "ui/main/MainListModel.h"
#include "ui/main/RecentFiles.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace vinaxo;

namespace {

const char* kLoseChanges = "Current file has not been saved - do you want to continue and lose all changes?";
const char* kSaveBeforeClosing = "Current file has not been saved - do you want to save before closing?";

QString writeCollection(const QString& path, const QStringList& titles)
{
    test::UiWorld maker;
    for (const QString& t : titles)
        maker.addRecording(t, QStringLiteral("Artist of ") + t, 2);
    EXPECT_TRUE(SaveCollectionFile(*maker.ws, path));
    return path;
}

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

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
    QFile junk(c.path("junk.DAT"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a collection file at all");
    junk.close();
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
    const QByteArray before = bytesOf(existing);
    c.w.addRecording(QStringLiteral("New"));
    c.w.dialogs.choose(c.path("taken.txt"));
    c.w.dialogs.cancel();
    c.w.messages.answer(MsgAnswer::No);
    EXPECT_FALSE(c.files.saveAs());
    EXPECT_EQ(c.w.dialogs.calls().size(), 2u);
    EXPECT_EQ(c.w.dialogs.calls()[0].request.title, "Save Vinaxo File");
    EXPECT_EQ(c.w.messages.last().title, "Confirm File Replace");
    EXPECT_EQ(c.w.messages.last().icon, MsgIcon::Question);
    EXPECT_EQ(bytesOf(existing), before);
    EXPECT_EQ(c.caption(), "Vinaxo - Recording Collection");

    c.w.dialogs.choose(c.path("fresh"));
    EXPECT_TRUE(c.files.saveAs());
    EXPECT_TRUE(QFile::exists(c.path("fresh.DAT")));
    EXPECT_EQ(c.caption(), "Vinaxo Recording Collection " + c.path("fresh.DAT"));
    EXPECT_EQ(c.w.config().LastFileName(), c.path("fresh.DAT"));
    EXPECT_EQ(c.recent.list().value(0), c.path("fresh.DAT"));
    EXPECT_FALSE(c.w.entries().DBChanged);
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
    const QByteArray before = bytesOf(example);
    c.files.openExample(example);
    EXPECT_EQ(c.w.entries().Count(), 1);
    EXPECT_EQ(c.caption(), "Vinaxo Recording Collection (Unnamed)");
    EXPECT_TRUE(c.recent.list().isEmpty());
    c.w.addRecording(QStringLiteral("Mine"));
    c.w.dialogs.cancel();
    c.files.save(); // asks for a name: the example itself is never written
    ASSERT_EQ(c.w.dialogs.calls().size(), 1u);
    EXPECT_TRUE(c.w.dialogs.calls()[0].save);
    EXPECT_EQ(bytesOf(example), before);

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
