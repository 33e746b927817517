// vinaxo-cli recovery list / show, and the lock honoured by convert and import.
#include "storage/CollectionLock.h"
#include "storage/FileCommands.h"
#include "storage/RecoveryKeeper.h"
#include "storage/RecoveryStore.h"
#include "support/TestWorld.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

using namespace vinaxo;

namespace {
struct CliRun {
    int status = -1;
    QByteArray out, err;
};

// The command line with a settings store and a data folder of its own.
struct Cli {
    QTemporaryDir home;
    CliRun run(const QStringList& args) const
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", home.path());
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(VINAXO_CLI), args);
        p.waitForFinished(120000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
                p.readAllStandardError()};
    }
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
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
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
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject shown = QJsonDocument::fromJson(r.out).object();
    EXPECT_FALSE(shown["inUse"].toBool());
    EXPECT_TRUE(shown["loads"].toBool());
    EXPECT_EQ(shown["recordings"].toInt(), 3);

    r = cli.run({"recovery", "show", "2"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(cli.run({"recovery"}).status, 2);
}

TEST(CliRecovery, WritingCommandsRefuseACollectionOpenInVinaxo)
{
    Cli cli;
    const QString held = cli.file("held.DAT");
    writeCollection(held, 1);
    CollectionLock running; // this test stands for the running program
    ASSERT_EQ(running.lock(held), CollectionLock::Result::Taken);
    const QByteArray before = [&] { QFile f(held); f.open(QIODevice::ReadOnly); return f.readAll(); }();

    const QString source = cli.file("source.DAT");
    writeCollection(source, 2);
    CliRun r = cli.run({"convert", source, held, "--yes"});
    EXPECT_EQ(r.status, 3);
    EXPECT_TRUE(r.err.contains("is open in Vinaxo")) << r.err.toStdString();
    r = cli.run({"import", held, cli.file("none.IDF"), cli.file("none.TXT"), "--yes"});
    EXPECT_EQ(r.status, 3) << r.err.toStdString();
    QFile f(held);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
    f.close();

    running.release();
    r = cli.run({"convert", source, held, "--yes"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
}
