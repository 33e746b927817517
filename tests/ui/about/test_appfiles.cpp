#include "ui/about/AppFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vinaxo;

namespace {

void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

} // namespace

TEST(AppFiles, BuildTreeHasHelpAndExampleBesideTheProgram)
{
    const QString appDir = QStringLiteral(VINAXO_APP_DIR);
    EXPECT_EQ(AppFiles::helpDocumentPath(appDir), QDir(appDir).absoluteFilePath("doc/index.htm"));
    EXPECT_EQ(AppFiles::exampleCollectionPath(appDir), QDir(appDir).absoluteFilePath("examples/sample.DAT"));
    EXPECT_EQ(AppFiles::siteListPath(appDir), QDir(appDir).absoluteFilePath("CDInfosite.txt"));
}

TEST(AppFiles, InstalledLayoutIsFoundRelativeToTheBinary)
{
    // prefix/bin/vinaxo with prefix/share/vinaxo/..., as `cmake --install --prefix` lays it out.
    QTemporaryDir prefix;
    const QDir root(prefix.path());
    touch(root.filePath("share/vinaxo/doc/index.htm"));
    touch(root.filePath("share/vinaxo/examples/sample.DAT"));
    root.mkpath("bin");
    const QString bin = root.filePath("bin");
    EXPECT_EQ(AppFiles::helpDocumentPath(bin), root.filePath("share/vinaxo/doc/index.htm"));
    EXPECT_EQ(AppFiles::exampleCollectionPath(bin), root.filePath("share/vinaxo/examples/sample.DAT"));
}

TEST(AppFiles, BesideTheBinaryComesFirstAndMissingGivesEmpty)
{
    QTemporaryDir prefix;
    const QDir root(prefix.path());
    touch(root.filePath("bin/doc/index.htm"));
    touch(root.filePath("share/vinaxo/doc/index.htm"));
    const QString bin = root.filePath("bin");

    const QStringList folders = AppFiles::searchFolders(bin);
    ASSERT_GE(folders.size(), 2);
    EXPECT_EQ(folders[0], QDir::cleanPath(bin));
    EXPECT_EQ(folders[1], root.filePath("share/vinaxo"));
    EXPECT_EQ(AppFiles::helpDocumentPath(bin), root.filePath("bin/doc/index.htm"));
    EXPECT_EQ(AppFiles::findFile("nothing/here.txt", {bin}), QString());
    // A folder of that name is not the file.
    root.mkpath("bin/examples/sample.DAT");
    EXPECT_EQ(AppFiles::findFile(AppFiles::ExampleCollection, {bin}), QString());
}
