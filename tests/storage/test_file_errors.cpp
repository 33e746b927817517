// File-system errors: the error table and question, and loads and saves that fail for
// real (a full disk, a read-only disk, impossible names, a write that stops part-way).
// A failed save must leave the old file byte-identical and the collection changed.
#include "storage/CFileIO.h"
#include "storage/FileAccess.h"
#include "storage/FileCommands.h"
#include "storage/FileBytes.h"
#include "support/TestWorld.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>

#include <cerrno>
#include <sys/mount.h>
#include <sys/stat.h>

using namespace vinaxo;

using test::readFile;
using test::writeFile;

namespace {

// A collection whose file is about `kilobytes` long.
void fill(CEntries& c, int kilobytes, const QString& title = "T")
{
    for (int i = 0; i < kilobytes; ++i) {
        CEntry* e = c.AddNewEntry();
        e->CDTitle = title;
        e->CDComments = QString(1000, u'c');
    }
    c.DBChanged = true;
}

QStringList folderEntries(const QString& dir)
{
    QStringList names = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.removeAll("settings.ini"); // the test world's own
    return names;
}

// A tmpfs of its own: a small disk that can be filled up or made read-only.
class TinyDisk {
public:
    explicit TinyDisk(const char* options) : m_options(options)
    {
        m_mounted = ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0,
                            options) == 0;
    }
    ~TinyDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    bool makeReadOnly()
    {
        return ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs",
                       MS_REMOUNT | MS_RDONLY, m_options) == 0;
    }

private:
    QTemporaryDir m_dir;
    const char* m_options;
    bool m_mounted = false;
};

// Writes stop after a number of bytes with the given error, for a number of saves.
class StoppingFiles final : public FileAccess {
public:
    StoppingFiles(qint64 stopAfter, int error, int failures = 1000)
        : m_stopAfter(stopAfter), m_error(error), m_failures(failures) {}
    FileError replaceFile(const QString& path, QByteArrayView bytes) const override
    {
        m_written = 0;
        ++attempts;
        return FileAccess::replaceFile(path, bytes);
    }
    mutable int attempts = 0;

protected:
    qint64 writeSome(QFileDevice& file, const char* data, qint64 size) const override
    {
        if (attempts > m_failures)
            return FileAccess::writeSome(file, data, size);
        const qint64 room = m_stopAfter - m_written;
        if (room <= 0) {
            errno = m_error;
            return -1;
        }
        const qint64 n = FileAccess::writeSome(file, data, qMin(size, room));
        m_written += n;
        return n;
    }

private:
    qint64 m_stopAfter;
    int m_error;
    int m_failures;
    mutable qint64 m_written = 0;
};

// Reads fail with the given error a number of times.
class FailingReads final : public FileAccess {
public:
    FailingReads(FileError error, int failures) : m_error(std::move(error)), m_failures(failures) {}
    FileError readAll(const QString& path, QByteArray& bytes) const override
    {
        if (m_failures-- > 0)
            return m_error;
        return FileAccess::readAll(path, bytes);
    }

private:
    FileError m_error;
    mutable int m_failures;
};

void expectDiskError(const Message& m, const char* text)
{
    test::expectMessage(m, {text, "Disk Error", MsgIcon::Exclamation, MsgButtons::RetryCancel});
}
}

TEST(FileErrors, TheQuestionForEachNumber)
{
    struct Case {
        int number;
        const char* text;
    };
    const Case cases[] = {
        {52, "File name is illegal"},
        {64, "File name is illegal"},
        {54, "Can't open your file for that type of access"},
        {55, "This file is already open"},
        {57, "Internal Disk Error"},
        {61, "Disk is full.  Continue?"},
        {62, "This file has a nonstandard end-of-file marker, or an attempt was made to read "
             "beyond the end-of-file marker."},
        {68, "Insert a disk in the drive and close the door"},
        {71, "Insert a disk in the drive and close the door"},
        {70, "Can't open your file since it is in use by another program"},
        {75, "File is unavailable, and may be write-protected."},
    };
    for (const Case& k : cases) {
        test::ScriptedMessages m;
        m.answer(MsgAnswer::Retry);
        m.answer(MsgAnswer::Cancel);
        EXPECT_EQ(HandleFileError(m, k.number), RetryStep);
        EXPECT_EQ(HandleFileError(m, k.number), AbandonQuietly);
        ASSERT_EQ(m.count(), 2u);
        expectDiskError(m.last(), k.text);
    }
    for (const int silent : {32755, 0, 53, 67, 7, 1000}) {
        test::ScriptedMessages m;
        EXPECT_EQ(HandleFileError(m, silent), silent == 32755 ? AbandonQuietly : NotHandled);
        EXPECT_EQ(m.count(), 0u);
    }
}

TEST(FileErrors, OperatingSystemErrorsMapThroughOneTable)
{
    struct Case {
        int posix;
        bool writing;
        int number;
    };
    const Case cases[] = {
        {ENOSPC, true, 61},  {EDQUOT, true, 61},      {EACCES, true, 75},  {EROFS, true, 75},
        {EPERM, false, 75},  {ENAMETOOLONG, true, 52}, {EISDIR, false, 52}, {EINVAL, true, 52},
        {ENOTDIR, true, 52}, {ENOENT, true, 52},      {ENOENT, false, 53}, {EBUSY, true, 70},
        {ETXTBSY, true, 70}, {EIO, false, 57},        {ENOMEDIUM, false, 71}, {EMFILE, false, 67},
    };
    for (const Case& k : cases)
        EXPECT_EQ(FileErrorNumber(k.posix, k.writing), k.number) << k.posix;
    const FileError e = FileErrorFromErrno(ENOSPC, true);
    EXPECT_EQ(e.number, 61);
    EXPECT_FALSE(e.description.isEmpty());
}

// A save replaces the file whole, keeping its permissions and clearing the changed flag;
// a write that stops part-way leaves the old file until a retry succeeds.
TEST(FileErrors, ASaveReplacesTheFileOrLeavesTheOldOne)
{
    struct Case {
        const char* name;
        int posix;
        qint64 stopAfter;
        int failures; // of the first attempts
        const char* text;
    };
    for (const Case& k : {Case{"NoFailure", 0, 0, 0, ""},
                          Case{"DiskFull", ENOSPC, 0, 1000, "Disk is full.  Continue?"},
                          Case{"IOError", EIO, 100, 1000, "Internal Disk Error"},
                          Case{"LateIOError", EIO, 5000, 1000, "Internal Disk Error"},
                          Case{"RetrySaves", ENOSPC, 10, 1, "Disk is full.  Continue?"}}) {
        SCOPED_TRACE(k.name);
        test::TestWorld w;
        const QString path = w.dir.filePath("c.DAT");
        fill(w.entries(), 2, "before");
        ASSERT_TRUE(SaveCollectionFile(*w.ws, path));
        ::chmod(QFile::encodeName(path).constData(), 0640);
        const QByteArray before = readFile(path);
        fill(w.entries(), 20, "after");

        StoppingFiles stopping(k.stopAfter, k.posix, k.failures);
        w.messages.answer(MsgAnswer::Retry);
        w.messages.answer(MsgAnswer::Cancel);
        FileCommandOptions options;
        options.access = &stopping;
        const bool saved = k.failures < 2;
        EXPECT_EQ(SaveCollectionFile(*w.ws, path, options), saved);
        EXPECT_EQ(stopping.attempts, k.failures == 0 ? 1 : 2);
        ASSERT_EQ(w.messages.count(), size_t(qMin(k.failures, 2)));
        if (k.failures > 0)
            expectDiskError(w.messages.last(), k.text);
        EXPECT_EQ(readFile(path), saved ? CFileIO(*w.ws).SaveToBytes() : before);
        EXPECT_EQ(w.entries().DBChanged, !saved);
        EXPECT_EQ(w.entries().Count(), 22);
        EXPECT_EQ(folderEntries(w.dir.path()), QStringList{"c.DAT"});
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0640u);
    }
}

TEST(FileErrors, TargetsTheSystemRefuses)
{
    test::TestWorld w;
    const QString file = w.dir.filePath("plain.DAT");
    writeFile(file, "x");
    struct Case {
        const char* name;
        QString path;
        const char* text;
    };
    const std::vector<Case> cases = {
        {"ParentIsAFile", file + "/inside.DAT", "File name is illegal"},
        {"MissingFolder", w.dir.filePath("nowhere/c.DAT"), "File name is illegal"},
        {"NameTooLong", w.dir.filePath(QString(300, u'n') + ".DAT"), "File name is illegal"},
        {"AFolder", w.dir.path(), "File name is illegal"},
    };
    fill(w.entries(), 1);
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        w.messages.clear();
        w.messages.answer(MsgAnswer::Cancel);
        EXPECT_FALSE(SaveCollectionFile(*w.ws, k.path));
        ASSERT_EQ(w.messages.count(), 1u);
        expectDiskError(w.messages.last(), k.text);
        EXPECT_TRUE(w.entries().DBChanged);
    }
    EXPECT_EQ(readFile(file), "x");
}

TEST(FileErrors, AFullOrReadOnlyDiskLeavesTheOldFile)
{
    struct Case {
        const char* options;
        bool readOnly;
        int kilobytes; // added after the first save
        const char* text;
    };
    for (const Case& k : {Case{"size=16k", false, 60, "Disk is full.  Continue?"},
                          Case{"size=64k", true, 3, "File is unavailable, and may be write-protected."}}) {
        SCOPED_TRACE(k.text);
        TinyDisk disk(k.options);
        if (!disk.mounted())
            GTEST_SKIP() << "mounting a tmpfs is not permitted here";
        test::TestWorld w;
        const QString path = disk.path() + "/c.DAT";
        fill(w.entries(), 2, "before");
        ASSERT_TRUE(SaveCollectionFile(*w.ws, path));
        const QByteArray before = readFile(path);
        ASSERT_TRUE(!k.readOnly || disk.makeReadOnly());
        fill(w.entries(), k.kilobytes, "after");
        for (const QString& target : {path, disk.path() + "/new.DAT"}) {
            w.messages.clear();
            w.messages.answer(MsgAnswer::Cancel);
            EXPECT_FALSE(SaveCollectionFile(*w.ws, target));
            ASSERT_EQ(w.messages.count(), 1u);
            expectDiskError(w.messages.last(), k.text);
        }
        EXPECT_EQ(readFile(path), before);
        EXPECT_TRUE(w.entries().DBChanged);
        EXPECT_EQ(folderEntries(disk.path()), QStringList{"c.DAT"});
    }
}

TEST(FileErrors, AnErrorNotInTheTableIsReportedAndNothingChanges)
{
    test::TestWorld w;
    const QString path = w.dir.filePath("c.DAT");
    writeFile(path, test::FileBytes{}.header(301));
    fill(w.entries(), 1, "kept");
    FailingReads reads(FileError{FileErr::TooManyFiles, "Too many open files"}, 1);
    FileCommandOptions options;
    options.access = &reads;
    EXPECT_EQ(LoadCollectionFile(*w.ws, path, options).outcome, LoadOutcome::Abandoned);
    ASSERT_EQ(w.messages.count(), 1u);
    EXPECT_EQ(w.messages.last().text,
              "Error # 67 was generated by CFileIO.OpenCDFile\rToo many open files");
    EXPECT_EQ(w.messages.last().title, "Error");
    EXPECT_EQ(w.messages.last().buttons, MsgButtons::OK);
    ASSERT_EQ(w.entries().Count(), 1);
    EXPECT_EQ(w.entries().Entries().at(0)->CDTitle, "kept");
    EXPECT_TRUE(w.entries().DBChanged);
}

TEST(FileErrors, ALoadIsRetriedWhenAsked)
{
    test::TestWorld w;
    const QString path = w.dir.filePath("c.DAT");
    writeFile(path, test::FileBytes{}.header(301).integer(100, 0).text(127, "Loaded").integer(254, 0));
    FailingReads reads(FileErrorFromErrno(EIO, false), 2);
    w.messages.answer(MsgAnswer::Retry);
    w.messages.answer(MsgAnswer::Retry);
    FileCommandOptions options;
    options.access = &reads;
    EXPECT_TRUE(LoadCollectionFile(*w.ws, path, options).loaded());
    EXPECT_EQ(w.messages.texts(), (QStringList{"Internal Disk Error", "Internal Disk Error"}));
    EXPECT_EQ(w.entries().Entries().at(0)->CDTitle, "Loaded");
}

TEST(FileErrors, LoadingWithTheMainWindowsMessages)
{
    test::TestWorld w;
    const QString good = w.dir.filePath("good.DAT");
    const QString old = w.dir.filePath("old.DAT");
    const QString text = w.dir.filePath("notes.txt");
    writeFile(good, test::FileBytes{}.header(301).integer(100, 0).integer(254, 0));
    writeFile(old, test::FileBytes{}.header(150));
    writeFile(text, "Hello, this is no collection file at all.");

    struct Case {
        const char* name;
        QString path;
        MsgAnswer answer;
        LoadOutcome outcome;
        QStringList texts; // blank for the conversion messages, checked with the conversion
        QStringList titles;
        QString currentFile, lastFile;
        std::optional<double> release; // checked when given
    };
    const QString previous = "/earlier/file.DAT";
    const QString about = "File About To Be Converted";
    const std::vector<Case> cases = {
        {"Loaded", good, MsgAnswer::No, LoadOutcome::Loaded, {}, {}, good, good, 301},
        {"Missing", w.dir.filePath("gone.DAT"), MsgAnswer::No, LoadOutcome::Missing,
         {"This file does not exist.  You must choose another file name to open."}, {"File Not Found"},
         previous, "", std::nullopt},
        {"WrongType", text, MsgAnswer::No, LoadOutcome::NotCollection,
         {"This is not a Vinaxo file.  Please choose another file."}, {"Wrong File Type"}, previous,
         previous, std::nullopt},
        {"NotConverted", old, MsgAnswer::No, LoadOutcome::NotConverted,
         {"", "Older format Vinaxo file not converted."}, {about, "Old File Format"}, previous,
         previous, 150},
        // A converted collection is unnamed and changed: it must be saved under a name.
        {"Converted", old, MsgAnswer::Yes, LoadOutcome::Loaded, {"", ""}, {about, "File Converted"},
         "", "", 150},
        {"AFolder", w.dir.path(), MsgAnswer::Cancel, LoadOutcome::Abandoned, {"File name is illegal"},
         {"Disk Error"}, previous, previous, std::nullopt},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        test::TestWorld v;
        v.ws->currentFileName = previous;
        v.config().setLastFileName(previous);
        v.messages.answer(k.answer);
        const LoadReport r = LoadCollectionFile(*v.ws, k.path);
        EXPECT_EQ(r.outcome, k.outcome);
        if (k.release) {
            EXPECT_EQ(r.release, k.release);
        }
        QStringList texts, titles;
        for (const Message& m : v.messages.messages()) {
            const bool conversion = m.title == about || m.title == "File Converted";
            texts << (conversion ? QString() : m.text);
            titles << m.title;
            if (m.title != "Disk Error" && !conversion) {
                EXPECT_EQ(m.icon, MsgIcon::Critical);
                EXPECT_EQ(m.buttons, MsgButtons::OK);
            }
        }
        EXPECT_EQ(texts, k.texts);
        EXPECT_EQ(titles, k.titles);
        EXPECT_EQ(v.ws->currentFileName, k.currentFile);
        EXPECT_EQ(v.config().LastFileName(), k.lastFile);
        EXPECT_EQ(v.entries().DBChanged, k.name == std::string_view("Converted"));
    }
    EXPECT_EQ(readFile(old), QByteArray(test::FileBytes{}.header(150))); // only read
}
