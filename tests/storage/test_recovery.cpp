// Recovery copies, the collection lock and the changed-file check.
#include "storage/CFileIO.h"
#include "storage/CollectionLock.h"
#include "storage/FileBytes.h"
#include "storage/FileAccess.h"
#include "storage/FileCommands.h"
#include "storage/FileStamp.h"
#include "storage/RecoveryKeeper.h"
#include "storage/RecoveryStore.h"
#include "support/TestWorld.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <QThread>

using namespace vinaxo;
using test::readFile;
using test::writeFile;

namespace {
void addRecording(test::TestWorld& w, const QString& title)
{
    CEntry* e = w.entries().AddNewEntry();
    e->CDTitle = title;
    e->CDArtist = QStringLiteral("Artist");
    w.entries().DBChanged = true;
}

using namespace std::chrono_literals;
const RecoveryKeeper::Clock::time_point t0{};

// A process id that is surely gone: a child that has ended.
qint64 deadPid()
{
    QProcess p;
    p.start(QStringLiteral("true"));
    p.waitForFinished();
    return p.processId() > 0 ? p.processId() : 999999;
}
} // namespace

TEST(Recovery, CopyHasTheBytesOfASaveAndARecordOfTheOriginal)
{
    test::TestWorld w;
    RecoveryStore store(w.dir.filePath(QStringLiteral("recovery")));
    RecoveryKeeper keeper(*w.ws, store);
    const QString original = w.dir.filePath(QStringLiteral("c.DAT"));
    addRecording(w, QStringLiteral("Saved"));
    ASSERT_TRUE(SaveCollectionFile(*w.ws, original));
    keeper.originalStamp = FileStamp::of(original);
    w.ws->currentFileName = original;
    addRecording(w, QStringLiteral("Unsaved"));

    keeper.tick(t0);          // the first unsaved change starts the interval
    keeper.tick(t0 + 59s);
    keeper.waitIdle();
    EXPECT_EQ(keeper.writes(), 0);
    keeper.tick(t0 + 60s);
    keeper.waitIdle();
    ASSERT_EQ(keeper.writes(), 1);

    CFileIO io(*w.ws);
    EXPECT_EQ(readFile(store.dataPath()), io.SaveToBytes());
    EXPECT_TRUE(w.entries().DBChanged); // a copy is no Save
    const QList<RecoveryCopy> copies = store.list();
    ASSERT_EQ(copies.size(), 1);
    EXPECT_TRUE(copies[0].readable()) << copies[0].problem.toStdString();
    EXPECT_TRUE(copies[0].inUse); // this run holds it
    ASSERT_TRUE(copies[0].record);
    EXPECT_EQ(copies[0].record->original, original);
    EXPECT_TRUE(copies[0].record->originalStamp.sameAs(FileStamp::of(original)));
    EXPECT_EQ(copies[0].record->copySize, io.SaveToBytes().size());

    // Nothing changed since: no new write.
    keeper.tick(t0 + 120s);
    keeper.waitIdle();
    EXPECT_EQ(keeper.writes(), 1);

    // Picture changes not yet saved go with the copy; one alone makes a new copy.
    const QByteArray png("\x89PNG\r\n\x1a\npicture", 15);
    w.ws->pendingCovers.set(QStringLiteral("1"), png);
    w.ws->pendingCovers.remove(QStringLiteral("2"));
    keeper.copyNow(true);
    EXPECT_EQ(keeper.writes(), 2);
    const RecoveryStore::Pictures pictures = store.pictures(store.id());
    EXPECT_EQ(pictures.size(), 2);
    EXPECT_EQ(pictures.value(QStringLiteral("1")), png);
    EXPECT_TRUE(pictures.contains(QStringLiteral("2")) && pictures.value(QStringLiteral("2")).isEmpty());
    keeper.discard();
    keeper.waitIdle();
    EXPECT_TRUE(QDir(store.folder()).entryList({"*.covers*"}, QDir::Files | QDir::Hidden).isEmpty());
}

TEST(Recovery, SnapshotStaysAsTakenWhileTheModelChangesAfterwards)
{
    test::TestWorld w;
    RecoveryStore store(w.dir.filePath(QStringLiteral("recovery")));
    RecoveryKeeper keeper(*w.ws, store);
    for (int i = 0; i < 2000; ++i)
        addRecording(w, QStringLiteral("Recording %1").arg(i));
    const QByteArray atSnapshot = CFileIO(*w.ws).SaveToBytes();
    ASSERT_TRUE(keeper.copyNow(false));
    // The window goes on editing while the worker writes.
    for (auto& item : w.entries().Entries())
        item.value->CDTitle = QStringLiteral("changed");
    w.entries().ClearDatabase();
    keeper.waitIdle();
    EXPECT_EQ(readFile(store.dataPath()), atSnapshot);
}

TEST(Recovery, CopyIsRemovedWhenTheChangesAreSavedOrGivenUp)
{
    // Each path ends in discard(): after a write under way, and with none made.
    for (bool writeFirst : {true, false}) {
        SCOPED_TRACE(writeFirst);
        test::TestWorld w;
        RecoveryStore store(w.dir.filePath(QStringLiteral("recovery")));
        RecoveryKeeper keeper(*w.ws, store);
        addRecording(w, QStringLiteral("x"));
        if (writeFirst)
            keeper.copyNow(false); // still being written when discarded
        keeper.discard();
        keeper.waitIdle();
        EXPECT_FALSE(store.exists());
        EXPECT_TRUE(store.list().isEmpty());
    }
    // Switching the copies off removes the copy too.
    test::TestWorld w;
    RecoveryStore store(w.dir.filePath(QStringLiteral("recovery")));
    RecoveryKeeper keeper(*w.ws, store);
    addRecording(w, QStringLiteral("x"));
    keeper.copyNow(true);
    ASSERT_TRUE(store.exists());
    keeper.setInterval(0ms);
    keeper.waitIdle();
    EXPECT_FALSE(store.exists());
    keeper.tick(t0);
    keeper.tick(t0 + 1h);
    keeper.waitIdle();
    EXPECT_FALSE(store.exists());
}

TEST(Recovery, DamagedCopiesAreListedWithTheirProblemAndKept)
{
    test::TestWorld w;
    const QString folder = w.dir.filePath(QStringLiteral("recovery"));
    QByteArray whole;
    {
        RecoveryStore lost(folder);
        RecoveryKeeper keeper(*w.ws, lost);
        addRecording(w, QStringLiteral("x"));
        keeper.copyNow(true);
        whole = readFile(lost.dataPath());
    }
    struct Case {
        const char* name;
        QByteArray data;   // empty: no data file
        QByteArray record; // empty: no record
        const char* problem;
    };
    const QByteArray record = RecoveryRecord{QStringLiteral("/x.DAT"), {}, QDateTime::currentDateTimeUtc(), whole.size(), 1, QStringLiteral("h")}.toJson();
    const std::vector<Case> cases = {
        {"whole", whole, record, ""},
        {"copy without record (killed between the two)", whole, {}, ""},
        {"truncated", whole.left(whole.size() / 2), record, "bytes"},
        {"not a collection", QByteArray(200, 'x'), {}, "no collection file"},
        {"record unreadable", whole, "{ not json", "record cannot be read"},
        {"record without copy", {}, record, "missing"},
    };
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    int n = 0;
    for (const Case& k : cases) {
        const QString id = QStringLiteral("case%1").arg(n++);
        if (!k.data.isEmpty())
            writeFile(folder + u'/' + id + ".DAT", k.data);
        if (!k.record.isEmpty())
            writeFile(folder + u'/' + id + ".json", k.record);
    }
    RecoveryStore store(folder);
    const QList<RecoveryCopy> copies = store.list();
    ASSERT_EQ(copies.size(), qsizetype(cases.size()));
    for (const RecoveryCopy& c : copies) {
        const Case& k = cases[std::size_t(c.id.mid(4).toInt())];
        SCOPED_TRACE(k.name);
        EXPECT_FALSE(c.inUse);
        if (QByteArray(k.problem).isEmpty())
            EXPECT_TRUE(c.readable()) << c.problem.toStdString();
        else
            EXPECT_TRUE(c.problem.contains(QLatin1String(k.problem))) << c.problem.toStdString();
    }
    // Listing deletes nothing.
    EXPECT_EQ(store.list().size(), qsizetype(cases.size()));
}

TEST(Recovery, ACopyIsClaimedOnlyWhenItsProgramIsGone)
{
    test::TestWorld w;
    const QString folder = w.dir.filePath(QStringLiteral("recovery"));
    RecoveryStore running(folder);
    RecoveryKeeper keeper(*w.ws, running);
    addRecording(w, QStringLiteral("x"));
    keeper.copyNow(true);
    RecoveryStore other(folder);
    EXPECT_EQ(other.claim(running.id()), nullptr);

    // A copy whose lock names a process that has ended.
    const QString id = QStringLiteral("dead-1");
    writeFile(folder + "/dead-1.DAT", readFile(running.dataPath()));
    writeFile(folder + "/dead-1.lock",
              QByteArray::number(deadPid()) + "\n" + QCoreApplication::applicationName().toUtf8() + "\n"
                  + QSysInfo::machineHostName().toUtf8() + "\n");
    auto claim = other.claim(id);
    ASSERT_NE(claim, nullptr);
    // Adopted, it is the new run's own: replaced by its next copy, removed by remove().
    other.adopt(id, std::move(claim));
    EXPECT_EQ(other.id(), id);
    other.remove();
    EXPECT_FALSE(QFile::exists(folder + "/dead-1.DAT"));
}

TEST(CollectionLockTest, TakenRefusedAndTakenOverFromTheDead)
{
    test::TestWorld w;
    const QString file = w.dir.filePath(QStringLiteral("c.DAT"));
    writeFile(file, "x");
    EXPECT_EQ(CollectionLock::lockPathFor(file), w.dir.filePath(QStringLiteral(".c.DAT.lock")));

    CollectionLock first, second;
    EXPECT_EQ(first.lock(file), CollectionLock::Result::Taken);
    EXPECT_TRUE(QFile::exists(CollectionLock::lockPathFor(file)));
    EXPECT_EQ(first.lock(file), CollectionLock::Result::Taken); // held already
    EXPECT_EQ(second.lock(file), CollectionLock::Result::HeldByOther);
    EXPECT_EQ(second.holder().pid, QCoreApplication::applicationPid());
    EXPECT_EQ(second.holder().host, QSysInfo::machineHostName());
    EXPECT_TRUE(second.holder().since.isValid());
    EXPECT_FALSE(second.held());

    first.release();
    EXPECT_FALSE(QFile::exists(CollectionLock::lockPathFor(file)));
    EXPECT_EQ(second.lock(file), CollectionLock::Result::Taken);
    second.release();

    // Left by a program that died on this host: taken over.
    writeFile(CollectionLock::lockPathFor(file),
              QByteArray::number(deadPid()) + "\n" + QCoreApplication::applicationName().toUtf8() + "\n"
                  + QSysInfo::machineHostName().toUtf8() + "\n");
    EXPECT_EQ(first.lock(file), CollectionLock::Result::Taken);

    // Locking another file lets go of the first.
    const QString other = w.dir.filePath(QStringLiteral("d.DAT"));
    writeFile(other, "y");
    EXPECT_EQ(first.lock(other), CollectionLock::Result::Taken);
    EXPECT_EQ(second.lock(file), CollectionLock::Result::Taken);
}

TEST(FileStampTest, NoticesAChangedReplacedOrDeletedFile)
{
    test::TestWorld w;
    const QString file = w.dir.filePath(QStringLiteral("c.DAT"));
    struct Case {
        const char* name;
        std::function<void()> act;
        bool same;
    };
    const std::vector<Case> cases = {
        {"untouched", [] {}, true},
        {"read", [&] { readFile(file); }, true},
        {"changed in place, same size", [&] {
             QFile f(file);
             ASSERT_TRUE(f.open(QIODevice::ReadWrite));
             f.write("Z");
             f.close();
             // A clock as coarse as seconds would miss it: the size and the time say
             // the same, the time is set apart to stand for a write a moment later.
             f.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime);
         }, false},
        {"grown", [&] { QFile f(file); ASSERT_TRUE(f.open(QIODevice::Append)); f.write("more"); }, false},
        {"replaced by a save", [&] { const bool failed = bool(LocalFiles().replaceFile(file, readFile(file))); ASSERT_FALSE(failed); }, false},
        {"deleted", [&] { QFile::remove(file); }, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        writeFile(file, "collection bytes");
        const FileStamp before = FileStamp::of(file);
        ASSERT_TRUE(before.exists);
        k.act();
        EXPECT_EQ(FileStamp::of(file).sameAs(before), k.same);
    }
}
