#include "storage/FileBytes.h"
#include "storage/CFileIO.h"
#include "storage/FileCommands.h"
#include "support/TestWorld.h"

#include <QFile>

using namespace vinaxo;
using test::FileBytes;

TEST(FileCommands, SaveAsPathTakesTheDatExtension)
{
    const std::vector<std::pair<QString, QString>> cases = {
        {"/home/u/music", "/home/u/music.DAT"},
        {"/home/u/my.folder/music", "/home/u/my.folder/music.DAT"}, // the folder's dot is not the file's
        {"/home/u/music.txt", "/home/u/music.DAT"},
        {"/home/u/music.dat", "/home/u/music.dat"},
        {"/home/u/music.Dat", "/home/u/music.Dat"},
        {"/home/u/music.old.txt", "/home/u/music.DAT"},
        {"/home/u/music.dat.bak", "/home/u/music.DAT"},
        {"/home/u/music.", "/home/u/music.DAT"},
    };
    for (const auto& [chosen, expected] : cases)
        EXPECT_EQ(CollectionSaveAsPath(chosen), expected) << chosen.toStdString();
}

TEST(FileCommands, ReplaceIsAskedOnlyForAnExistingFile)
{
    test::TestWorld w;
    const QString path = w.dir.filePath(QStringLiteral("c.DAT"));
    EXPECT_TRUE(ConfirmReplace(w.messages, path));
    EXPECT_EQ(w.messages.count(), 0u);
    test::writeFile(path, {});
    w.messages.answer(MsgAnswer::No);
    EXPECT_FALSE(ConfirmReplace(w.messages, path));
    ASSERT_EQ(w.messages.count(), 1u);
    EXPECT_EQ(w.messages.last().text, "This file already exists.  Do you want to replace the existing file?");
    EXPECT_EQ(w.messages.last().title, "Confirm File Replace");
    EXPECT_EQ(w.messages.last().defaultButton, MsgDefault::Second);
    w.messages.answer(MsgAnswer::Yes);
    EXPECT_TRUE(ConfirmReplace(w.messages, path));
}

// A load that met a record it could not read whole must not let Save replace the file
// that still holds the unread bytes.
TEST(FileCommands, ADamagedLoadLeavesTheCollectionUnnamed)
{
    const QByteArray whole = FileBytes{}.integer(100, 0).text(127, "Whole").integer(254, 0);
    const QByteArray cut = FileBytes{}.integer(100, 0).text(127, "Cut");
    struct Case {
        const char* name;
        QByteArray body;
        bool damaged;
    };
    for (const Case& k : {Case{"Sound", whole, false}, Case{"CutShort", FileBytes{}.raw(whole).raw(cut), true}}) {
        SCOPED_TRACE(k.name);
        test::TestWorld w;
        const QString path = w.dir.filePath(QStringLiteral("c.DAT"));
        test::writeFile(path, FileBytes{}.header(301).raw(k.body));
        const LoadReport r = LoadCollectionFile(*w.ws, path);
        EXPECT_TRUE(r.loaded());
        EXPECT_EQ(r.damaged, k.damaged);
        EXPECT_EQ(w.ws->currentFileName, k.damaged ? QString() : path);
        EXPECT_EQ(w.config().LastFileName(), path);
        EXPECT_EQ(w.messages.count(), k.damaged ? 1u : 0u);
    }
}
