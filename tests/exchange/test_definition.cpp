#include "ExchangeTestSupport.h"
#include "exchange/DefinitionFile.h"
#include "exchange/ExchangeState.h"
#include "support/TestWorld.h"

#include <QFile>

using namespace vinaxo;
using namespace vinaxo::exchange;

TEST(ColTable, FindColIDAndNames)
{
    EXPECT_EQ(FindColID("Title"), 1);
    EXPECT_EQ(FindColID("track titles/times   "), 25);
    EXPECT_EQ(FindColID("CATALOG NUMBER"), 6);
    EXPECT_EQ(FindColID(" Title"), 0); // only trailing blanks are removed
    EXPECT_EQ(FindColID("Comments"), 0);

    ColTable t;
    t.AddToColTable("Artist", "0");
    t.AddToColTable("Title", "12");
    t.AddToColTable("Nothing", "wide");
    t.Append(ColItem{31, 0});
    EXPECT_EQ(t.Items(), (std::vector<ColItem>{{2, 0}, {1, 12}, {0, 0}, {31, 0}}));
    EXPECT_EQ(t.Names(), (QStringList{"Artist", "Title", "(unknown field 0)", "(unknown field 31)"}));
}

TEST(Definition, EncodedByteForByte)
{
    // 75 header bytes, then 4 per item.
    EXPECT_EQ(EncodeDefinition(test::tableOf({"Title", "Artist", "Track Titles/Times"})),
              QByteArray(57, '\0') + "VINAXO150 " + QByteArray(8, '\0') +
                  QByteArray("\x01\x00\x00\x00\x02\x00\x00\x00\x19\x00\x00\x00", 12));

    // A header read earlier gives back its reserved bytes; the mark is always written anew.
    DefinitionHeader h;
    for (std::size_t i = 0; i < h.bytes.size(); ++i)
        h.bytes[i] = char('a' + i % 26);
    ColTable table;
    table.Append(ColItem{-2, 300});
    EXPECT_EQ(EncodeDefinition(table, h), QByteArray(h.bytes.data(), 57) + "VINAXO150 " +
                                              QByteArray(h.bytes.data() + 67, 8) + QByteArray("\xFE\xFF\x2C\x01", 4));
}

TEST(Definition, Decoded)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        DefinitionStatus status;
        std::vector<ColItem> items;
    };
    const QByteArray head = QByteArray(57, 'r');
    const QByteArray tail = QByteArray(8, 'z');
    const QByteArray items = QByteArray("\x01\x00\x05\x00\x02\x00\x00\x00", 8);
    const Case cases[] = {
        {"current mark", head + "VINAXO150 " + tail + items, DefinitionStatus::Ok, {{1, 5}, {2, 0}}},
        {"older mark, blanks around", head + " VINAXO120" + tail + items, DefinitionStatus::Ok, {{1, 5}, {2, 0}}},
        {"trailing partial item", head + "VINAXO150 " + tail + items + "\x03\x00\x07", DefinitionStatus::Ok,
         {{1, 5}, {2, 0}}},
        {"header only", head + "VINAXO150 " + tail, DefinitionStatus::Ok, {}},
        {"short header", head + "VINAXO150 zz", DefinitionStatus::Ok, {}},
        {"cut inside the mark", head + "VINAXO150", DefinitionStatus::WrongMark, {}}, // zero bytes are no blanks
        {"wrong mark", head + "VINAXO151 " + tail + items, DefinitionStatus::WrongMark, {}},
        {"lower case mark", head + "vinaxo150 " + tail + items, DefinitionStatus::WrongMark, {}},
        {"collection file", QByteArray("\x00\x00\x00\x00\x00\x00\xD0\xB2\x72\x40", 10) + QByteArray(100, '\0'),
         DefinitionStatus::WrongMark, {}},
        {"empty", QByteArray(), DefinitionStatus::WrongMark, {}},
    };
    for (const Case& c : cases) {
        ColTable table = test::tableOf({"Title"}); // emptied by every read
        DefinitionHeader h;
        EXPECT_EQ(DecodeDefinition(c.bytes, table, h), c.status) << c.name;
        EXPECT_EQ(table.Items(), c.items) << c.name;
        if (c.bytes.size() >= 75) {
            EXPECT_EQ(QByteArray(h.bytes.data(), 75), c.bytes.left(75)) << c.name;
        }
    }
}

TEST(Definition, FilesAndWrongFileType)
{
    test::TestWorld w;
    const QString path = w.dir.filePath("a-definition-file-whose-path-is-longer-than-sixty-characters.IDF");
    const ColTable table = test::tableOf({"Title", "Artist", "Purch Cost"});
    ASSERT_TRUE(WriteDefinitionFile(path, table, {}, w.messages));
    EXPECT_EQ(QFile(path).size(), 87);
    ColTable back;
    DefinitionHeader h;
    ASSERT_TRUE(ReadDefinitionFile(path, back, h, w.messages));
    EXPECT_EQ(back, table);
    EXPECT_EQ(w.messages.count(), 0u);

    test::writeFile(path, QByteArray(120, 'x'));
    EXPECT_FALSE(ReadDefinitionFile(path, back, h, w.messages));
    EXPECT_TRUE(back.isEmpty());
    EXPECT_TRUE(test::onlyMessage(w.messages, "This is not a Vinaxo file.  Please choose another file.",
                                  "Wrong File Type", MsgIcon::Critical));
}

TEST(Definition, SavePath)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/home/u/defs", "/home/u/defs.IDF"},
        {"/home/u/defs.txt", "/home/u/defs.IDF"},
        {"/home/u/defs.idf", "/home/u/defs.idf"},
        {"/home/u/defs.", "/home/u/defs.IDF"},
        {"/home/u/a.b.c", "/home/u/a.IDF"},
        {"/home/u.v/defs", "/home/u.v/defs.IDF"}, // only the file-name part is looked at
    };
    for (const auto& [chosen, expected] : cases)
        EXPECT_EQ(DefinitionSavePath(QString::fromLatin1(chosen)), QLatin1String(expected)) << chosen;
}

TEST(ExchangeState, PathsAreKeptWhole)
{
    ExchangeState s;
    const QString path = QStringLiteral("/home/someone/a/folder/deep/enough/to/pass/sixty/characters/recordings.txt");
    s.setDataFile(path);
    EXPECT_EQ(s.dataFilePath, path);
    EXPECT_EQ(s.dataFileName, "recordings.txt");
    EXPECT_EQ(s.direction, u'I');
}
