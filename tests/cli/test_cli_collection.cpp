// vinaxo-cli show, check and convert, run as a user runs them.
#include "storage/CFileIO.h"
#include "storage/FileBytes.h"
#include "storage/FileCommands.h"
#include "support/CliProcess.h"
#include "support/TestWorld.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

using namespace vinaxo;
using namespace vinaxo::test::old;
using test::readFile;
using test::writeFile;
using test::CliRun;

namespace {
// The command line with a settings store of its own.
class Cli {
public:
    CliRun run(const QStringList& args) const { return test::RunCli(m_home.path(), m_home.filePath("data"), args); }
    QString settingsPath() const { return m_home.filePath("Tremalik.Vinaxo.3.0.ini"); }
    QString file(const QString& name) const { return m_home.filePath(name); }

private:
    QTemporaryDir m_home;
};

// Two views, one recording with one track.
void writeSample(const QString& path)
{
    test::TestWorld w;
    CEntries& c = w.entries();
    c.AddNewCategory("Jazz");
    c.AddNewMedium("CD");
    c.AddNewView("First");
    c.AddNewView("Second");
    c.CurrView()->ReportHeading = "Heading \"2\"";
    c.CurrView()->AddNewColumn(127)->ColumnWidth = 33;
    CEntry* e = c.AddNewEntry();
    e->CDTitle = "Kind of Blue";
    e->CDArtist = "Miles Davis";
    e->CDPurchDate = OleDate::fromDate(QDate(2024, 3, 1));
    e->CDPurchCost = Currency{125000};
    e->CDComments = QStringLiteral("caf\u00e9\r\nline");
    CTrackEntry* t = e->AddNewTrackEntry();
    t->CDTrackTitle = "So What";
    t->CDTrackTime = "9:22";
    ASSERT_TRUE(SaveCollectionFile(*w.ws, path));
}

QStringList keysAtIndent(const QString& json, int indent)
{
    QStringList keys;
    const QRegularExpression re(QStringLiteral("^ {%1}\"(\\w+)\":").arg(indent),
                                QRegularExpression::MultilineOption);
    for (auto it = re.globalMatch(json); it.hasNext();)
        keys << it.next().captured(1);
    return keys;
}
}

TEST(CliCollection, ShowPrintsTheCollectionAsJsonInTheGivenOrder)
{
    Cli cli;
    const QString path = cli.file("sample.DAT");
    writeSample(path);
    writeFile(cli.settingsPath(), "[Configuration]\nLastViewName=second\n");
    const QByteArray settingsBefore = readFile(cli.settingsPath());

    const CliRun r = cli.run({"show", path});
    ASSERT_EQ(r.code, 0) << r.err.constData();
    EXPECT_EQ(r.err, "");
    const QString text = QString::fromUtf8(r.out);
    EXPECT_EQ(keysAtIndent(text, 2),
              (QStringList{"release", "categories", "mediums", "artists", "labels", "views",
                           "currentView", "recordings", "messages"}));
    const QString recording = text.mid(text.indexOf("\"recordings\""));
    EXPECT_EQ(keysAtIndent(recording, 6),
              (QStringList{"CDKey", "CDTitle", "CDArtist", "CDDesc", "CDCategory", "CDLabel",
                           "CDCatnbr", "CDNbrDisks", "CDMedium", "CDRelYear", "CDRateSound",
                           "CDRatePerform", "CDComposer", "CDConductor", "CDPurchDate",
                           "CDPurchCost", "CDLocation", "CDCollNbr", "CDMiscKey1", "CDMiscKey2",
                           "CDMiscKey3", "CDNbrTracks", "CDTotalTime", "CDAwards", "CDComments",
                           "CDSongsLength", "CDSongsTimeLength", "CDSongsDescLength", "tracks"}));
    EXPECT_EQ(keysAtIndent(recording, 10),
              (QStringList{"Key", "CDTrackTitle", "CDTrackTime", "CDTrackDesc", "CDTrackArtists"}));

    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(r.out, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << r.out.constData();
    EXPECT_EQ(o["release"].toInt(), 301);
    EXPECT_EQ(o["categories"].toArray(), QJsonArray({"Jazz"}));
    EXPECT_EQ(o["mediums"].toArray(), QJsonArray({"CD"}));
    EXPECT_EQ(o["artists"].toArray(), QJsonArray({"Miles Davis"}));
    EXPECT_EQ(o["labels"].toArray(), QJsonArray());
    const QJsonArray views = o["views"].toArray();
    ASSERT_EQ(views.size(), 2);
    EXPECT_EQ(views[1].toObject(),
              (QJsonObject{{"name", "Second"}, {"heading", "Heading \"2\""},
                           {"columns", QJsonArray({QJsonObject{{"key", 127}, {"width", 33}}})}}));
    EXPECT_EQ(o["currentView"].toString(), "Second");
    const QJsonObject e = o["recordings"].toArray()[0].toObject();
    EXPECT_EQ(e["CDKey"].toString(), "1");
    EXPECT_EQ(e["CDTitle"].toString(), "Kind of Blue");
    EXPECT_EQ(e["CDNbrDisks"].toInt(), 1);
    EXPECT_EQ(e["CDPurchDate"].toString(), "2024-03-01");
    EXPECT_EQ(e["CDPurchCost"].toString(), "12.5000");
    EXPECT_EQ(e["CDComments"].toString(), QStringLiteral("caf\u00e9\r\nline"));
    EXPECT_EQ(e["tracks"].toArray()[0].toObject()["CDTrackTime"].toString(), "9:22");
    EXPECT_EQ(o["messages"].toArray(), QJsonArray());
    // The command reads the user's settings but leaves them alone.
    EXPECT_EQ(readFile(cli.settingsPath()), settingsBefore);
}

TEST(CliCollection, ShowListsTheMessagesOfAFileThatDidNotLoad)
{
    Cli cli;
    const QString path = cli.file("notes.txt");
    writeFile(path, "just text, no collection");
    const CliRun r = cli.run({"show", path});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "Wrong File Type: This is not a Vinaxo file.  Please choose another file.\n");
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    EXPECT_TRUE(o["release"].isNull());
    EXPECT_EQ(o["messages"].toArray(),
              QJsonArray({QJsonObject{{"title", "Wrong File Type"},
                                      {"text", "This is not a Vinaxo file.  Please choose another file."}}}));
    EXPECT_TRUE(o["recordings"].toArray().isEmpty());
}

TEST(CliCollection, CheckTellsByItsExitStatusWhetherTheFileLoaded)
{
    Cli cli;
    writeSample(cli.file("good.DAT"));
    writeFile(cli.file("old.DAT"), oldFile({OldRecord{.tracks = 1, .titles = "1. Intro~"}}));
    writeFile(cli.file("ancient.DAT"), test::FileBytes{}.header(120));
    writeFile(cli.file("short.DAT"), "abc");
    struct Case {
        QStringList args;
        int code;
        QString stderrHas;
    };
    const std::vector<Case> cases = {
        {{"check", cli.file("good.DAT")}, 0, ""},
        {{"check", cli.file("old.DAT")}, 1,
         "Old File Format: Older format Vinaxo file not converted.\n"},
        {{"check", cli.file("old.DAT"), "--yes"}, 0,
         "File Converted: Your file has been converted."},
        {{"check", cli.file("ancient.DAT")}, 1, "This file is from a release of Vinaxo prior to 1.7."},
        {{"check", cli.file("short.DAT")}, 1, "Wrong File Type: "},
        {{"check", cli.file("missing.DAT")}, 1, "File Not Found: This file does not exist."},
        {{"check", cli.file("")}, 1, "Disk Error: File name is illegal [Cancel]\n"},
        {{"check"}, 2, "Usage: vinaxo-cli check FILE"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.args.join(' ').toStdString());
        const CliRun r = cli.run(k.args);
        EXPECT_EQ(r.code, k.code);
        EXPECT_TRUE(QString::fromUtf8(r.err).contains(k.stderrHas)) << r.err.constData();
    }
}

TEST(CliCollection, ConvertSavesAnOldFileInTheCurrentFormat)
{
    Cli cli;
    const QString from = cli.file("old.DAT");
    const QString to = cli.file("new.DAT");
    writeFile(from, oldFile({OldRecord{.title = "Converted"}}));
    const QByteArray old = readFile(from);

    CliRun r = cli.run({"convert", from, to});
    ASSERT_EQ(r.code, 0) << r.err.constData();
    EXPECT_TRUE(r.err.contains("File About To Be Converted: ")) << r.err.constData();
    EXPECT_TRUE(r.err.contains("[Yes]"));
    EXPECT_EQ(readFile(from), old);
    const QByteArray converted = readFile(to);

    test::TestWorld w;
    CFileIO io(*w.ws);
    ASSERT_EQ(io.OpenCDBytes(converted), CFileIO::Loaded);
    EXPECT_EQ(io.ReleaseID(), 301.0);
    EXPECT_EQ(w.entries().Entries().at(0)->CDTitle, "Converted");
    EXPECT_EQ(w.messages.count(), 0u);

    // An existing file is replaced only when the user says so.
    writeFile(to, "keep me");
    r = cli.run({"convert", from, to});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("Confirm File Replace: This file already exists.  Do you want to "
                               "replace the existing file? [No]"));
    EXPECT_EQ(readFile(to), "keep me");
    r = cli.run({"convert", from, to, "--yes"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(readFile(to), converted);
}

TEST(CliCollection, EveryCommandHasHelp)
{
    Cli cli;
    for (const char* command : {"show", "check", "convert"}) {
        const CliRun r = cli.run({command, "--help"});
        EXPECT_EQ(r.code, 0);
        EXPECT_TRUE(r.out.startsWith(QByteArray("vinaxo-cli ") + command)) << r.out.constData();
    }
}
