// Pictures beside the collection: where they go, what is accepted, and that removing and
// copying follow the recordings.
#include "lookup/CoverStore.h"
#include "support/TestWorld.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vinaxo;

namespace {
const QByteArray kJpeg("\xFF\xD8\xFF\xE0jpeg-bytes", 14);
const QByteArray kPng("\x89PNG\r\n\x1A\npng-bytes", 17);
} // namespace

TEST(CoverStore, TheFolderIsNamedAfterTheCollectionFile)
{
    EXPECT_EQ(CoverStore::FolderFor("/music/mine.cdm"), "/music/mine.cdm.covers");
    EXPECT_TRUE(CoverStore::FolderFor("").isEmpty());
    const CoverStore none{QString()};
    EXPECT_FALSE(none.isValid());
    EXPECT_TRUE(none.find("12").isEmpty());
}

TEST(CoverStore, WhatIsStoredIsToldByItsBytesNotItsName)
{
    struct Case {
        const char* name;
        QString key;
        QByteArray bytes;
        QString file; // empty: refused
    };
    const std::vector<Case> cases{
        {"jpeg", "7", kJpeg, "7.jpg"},
        {"png", "8", kPng, "8.png"},
        {"an html error page", "9", "<html>not found</html>", ""},
        {"nothing", "10", QByteArray(), ""},
        {"a key that would leave the folder", "../x", kPng, ""},
        {"a key with a slash", "a/b", kPng, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        CoverStore store(dir.filePath("c.cdm"));
        EXPECT_EQ(store.store(c.key, c.bytes), !c.file.isEmpty());
        if (c.file.isEmpty()) {
            EXPECT_TRUE(store.find(c.key).isEmpty());
            EXPECT_FALSE(QFile::exists(dir.filePath("x.png")));
        } else {
            EXPECT_EQ(store.find(c.key), QDir(store.folder()).filePath(c.file));
            EXPECT_EQ(test::readFile(store.find(c.key)), c.bytes);
        }
    }
}

TEST(CoverStore, ANewPictureReplacesTheOtherKind)
{
    QTemporaryDir dir;
    CoverStore store(dir.filePath("c.cdm"));
    ASSERT_TRUE(store.store("3", kJpeg));
    ASSERT_TRUE(store.store("3", kPng));
    EXPECT_TRUE(store.find("3").endsWith("3.png"));
    EXPECT_FALSE(QFile::exists(QDir(store.folder()).filePath("3.jpg")));
}

TEST(CoverStore, DeletingARecordingRemovesItsPictureAndSaveAsCopiesThem)
{
    QTemporaryDir dir;
    const QString from = dir.filePath("a.cdm"), to = dir.filePath("sub/b.cdm");
    QDir().mkpath(dir.filePath("sub"));
    CoverStore store(from);
    ASSERT_TRUE(store.store("1", kJpeg));
    ASSERT_TRUE(store.store("2", kPng));

    CopyCovers(from, to);
    EXPECT_EQ(test::readFile(CoverStore(to).find("1")), kJpeg);
    EXPECT_EQ(test::readFile(CoverStore(to).find("2")), kPng);
    CopyCovers(from, from); // onto itself: nothing lost
    EXPECT_EQ(test::readFile(store.find("1")), kJpeg);

    RemoveCoverOf(from, "1");
    EXPECT_TRUE(store.find("1").isEmpty());
    EXPECT_FALSE(CoverStore(to).find("1").isEmpty()); // the copy is its own
    RemoveCoverOf(from, "1");                          // no picture: nothing to do, no fault
    RemoveCoverOf(QString(), "2");
    EXPECT_FALSE(store.find("2").isEmpty());
}

// Saving is when a deletion becomes final: a deleted recording's picture goes then, and a
// Save As takes the others along.
TEST(CoverStore, SavingKeepsThePicturesOfTheRecordingsThatAreLeft)
{
    QTemporaryDir dir;
    const QString from = dir.filePath("a.cdm"), to = dir.filePath("b.cdm");
    CoverStore store(from);
    ASSERT_TRUE(store.store("1", kJpeg));
    ASSERT_TRUE(store.store("2", kPng));
    const auto onlyTwo = [](const QString& key) { return key == "2"; };

    SaveCovers(from, to, onlyTwo);
    EXPECT_TRUE(CoverStore(to).find("1").isEmpty());
    EXPECT_EQ(test::readFile(CoverStore(to).find("2")), kPng);
    EXPECT_FALSE(store.find("1").isEmpty()); // the old file's pictures are the old file's

    SaveCovers(from, from, onlyTwo);
    EXPECT_TRUE(store.find("1").isEmpty());
    EXPECT_FALSE(store.find("2").isEmpty());
    SaveCovers(QString(), dir.filePath("new.cdm"), onlyTwo); // a first save: nothing to take
    EXPECT_FALSE(QDir(CoverStore::FolderFor(dir.filePath("new.cdm"))).exists());
}
