// vinaxo-cli recovery list / show, and the lock honoured by convert and import.
#include "storage/CollectionLock.h"
#include "storage/FileCommands.h"
#include "storage/RecoveryKeeper.h"
#include "storage/RecoveryStore.h"
#include "support/CliProcess.h"
#include "support/TestWorld.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace vinaxo;
using test::CliRun;

namespace {
// The command line with a settings store and a data folder of its own.
struct Cli {
    QTemporaryDir home;
    CliRun run(const QStringList& args) const { return test::RunCli(home.path(), home.filePath("data"), args); }
    QString recoveryFolder() const { return home.filePath("data/Vinaxo/recovery"); }
    QString file(const char* name) const { return home.filePath(QString::fromLatin1(name)); }
};

void writeCollection(const QString& path, int recordings)
{
    test::TestWorld w;
    for (int i = 0; i < recordings; ++i)
        w.entries().AddNewEntry()->CDTitle = QStringLiteral("R%1").arg(i);
    ASSERT_TRUE(SaveCollectionFile(*w.ws, path));
}
} // namespace

TEST(CliRecovery, ListAndShowTheCopiesWithTheirRecords)
{
    Cli cli;
    CliRun r = cli.run({"recovery", "list"});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(r.out).array().size(), 0);

    const QString original = cli.file("music.DAT");
    {
        test::TestWorld w;
        RecoveryStore store(cli.recoveryFolder());
        RecoveryKeeper keeper(*w.ws, store);
        for (int i = 0; i < 3; ++i)
            w.entries().AddNewEntry()->CDTitle = QStringLiteral("R%1").arg(i);
        w.entries().DBChanged = true;
        w.ws->currentFileName = original;
        keeper.copyNow(true);

        // While its program runs the copy is in use.
        r = cli.run({"recovery", "list"});
        const QJsonArray list = QJsonDocument::fromJson(r.out).array();
        ASSERT_EQ(list.size(), 1) << r.out.toStdString();
        const QJsonObject c = list[0].toObject();
        EXPECT_EQ(c["number"].toInt(), 1);
        EXPECT_EQ(c["original"].toString(), original);
        EXPECT_TRUE(c["inUse"].toBool());
        EXPECT_TRUE(c["readable"].toBool());
        EXPECT_EQ(c["copy"].toString(), store.dataPath());
        EXPECT_TRUE(c.contains("copied"));
        EXPECT_TRUE(c.contains("originalAtLoad"));
    }
    r = cli.run({"recovery", "show", "1"});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    const QJsonObject shown = QJsonDocument::fromJson(r.out).object();
    EXPECT_FALSE(shown["inUse"].toBool());
    EXPECT_TRUE(shown["loads"].toBool());
    EXPECT_EQ(shown["recordings"].toInt(), 3);

    r = cli.run({"recovery", "show", "2"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(cli.run({"recovery"}).code, 2);
}

TEST(CliRecovery, WritingCommandsRefuseACollectionOpenInVinaxo)
{
    Cli cli;
    const QString held = cli.file("held.DAT");
    writeCollection(held, 1);
    CollectionLock running; // this test stands for the running program
    ASSERT_EQ(running.lock(held), CollectionLock::Result::Taken);
    const QByteArray before = test::readFile(held);

    const QString source = cli.file("source.DAT");
    writeCollection(source, 2);
    CliRun r = cli.run({"convert", source, held, "--yes"});
    EXPECT_EQ(r.code, 3);
    EXPECT_TRUE(r.err.contains("is open in Vinaxo")) << r.err.toStdString();
    r = cli.run({"import", held, cli.file("none.IDF"), cli.file("none.TXT"), "--yes"});
    EXPECT_EQ(r.code, 3) << r.err.toStdString();
    EXPECT_EQ(test::readFile(held), before);

    running.release();
    r = cli.run({"convert", source, held, "--yes"});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
}
