// The readers of replies and site lists, on canned text.
#include "lookup/CddbParse.h"
#include "support/TestWorld.h"

using namespace vinaxo;

namespace {
CddbEntry parse(const QStringList& lines)
{
    return ParseEntry(QStringList{QStringLiteral("210 rock 1b023f03 CD database entry follows")} + lines);
}
QStringList fields(const CddbMatch& m)
{
    return {m.category, m.discId, m.title};
}
}

TEST(ReplyLines, CodesAndMultiLineReplies)
{
    struct Case {
        const char* line;
        int code;
        bool multi;
    };
    const std::vector<Case> cases{
        {"200 rock 1b023f03 A / B", 200, false}, {"210 OK", 210, true},  {"211 close", 211, true},
        {"202 No match", 202, false},            {"401 none", 401, false}, {"230", 230, false},
        {"hello", -1, false},                    {"21", -1, false},      {"2100 x", -1, false},
        {"", -1, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReplyCode(QString::fromLatin1(c.line)), c.code) << c.line;
        EXPECT_EQ(IsMultiLineCode(ReplyCode(QString::fromLatin1(c.line))), c.multi) << c.line;
    }
}

TEST(ReplyLines, Utf8WithLatin1Fallback)
{
    EXPECT_EQ(DecodeReplyLine("Caf\xc3\xa9"), QString::fromUtf8("Café"));
    EXPECT_EQ(DecodeReplyLine("Caf\xe9"), QString::fromUtf8("Café"));
    EXPECT_EQ(DecodeReplyLine(""), "");
}

TEST(EntryParse, DiscTitleSplits)
{
    struct Case {
        const char* value;
        const char* artist;
        const char* title;
    };
    const std::vector<Case> cases{
        {"The Band / The Album", "The Band", "The Album"},
        {"AC/DC / Back in Black", "AC/DC", "Back in Black"}, // " / " is preferred to "/"
        {"Artist/Title", "Artist", "Title"},
        {"  Artist  /  Title  ", "Artist", "Title"},
        {"Just One Name", "Just One Name", "Just One Name"}, // no slash: both
        {"", "", ""},
    };
    for (const Case& c : cases) {
        const CddbEntry e = parse({QStringLiteral("DTITLE=") + QString::fromUtf8(c.value)});
        EXPECT_EQ(e.artist, c.artist) << c.value;
        EXPECT_EQ(e.title, c.title) << c.value;
    }
}

TEST(EntryParse, ContinuedFieldsAreJoinedAndTracksPlacedByNumber)
{
    const CddbEntry e = parse({
        "# xmcd",
        "DTITLE=A Very Long Artist Name / A Title That Goes On ",
        "DTITLE=And On",
        "DYEAR=1999",
        "DGENRE=Progressive Rock",
        "TTITLE0=First",
        "TTITLE1=The Long and ",
        "TTITLE1=Winding Road",
        "TTITLE3=Fourth",
        "TTITLE2=Third",
        "TTITLE=no number",
        "TTITLEx=bad number",
        "TTITLE100=beyond any disc",
        "EXTD=Recorded live.\\nTwo lines, a tab\\there and a backslash \\\\.",
        "EXTD= More.",
        "EXTT1=About ",
        "EXTT1=two",
        "PLAYORDER=",
    });
    EXPECT_EQ(e.artist, "A Very Long Artist Name");
    EXPECT_EQ(e.title, "A Title That Goes On And On");
    EXPECT_EQ(e.year, "1999");
    EXPECT_EQ(e.genre, "Progressive Rock");
    EXPECT_EQ(e.tracks, (QStringList{"First", "The Long and Winding Road", "Third", "Fourth"}));
    EXPECT_EQ(e.trackExtensions, (QStringList{"", "About two"}));
    EXPECT_EQ(e.description, "Recorded live.\nTwo lines, a tab\there and a backslash \\. More.");
}

TEST(EntryParse, ValuesAndMissingFields)
{
    const CddbEntry e = parse({"TTITLE0=", "TTITLE1", "DGENRE=   ", "DYEAR=", "DYEAR= 2001 ", "EXTD=a=b"});
    EXPECT_EQ(e.tracks, (QStringList{"", ""}));
    EXPECT_EQ(e.genre, ""); // spaces only: the match line's category stays
    EXPECT_EQ(e.year, "2001");
    EXPECT_EQ(e.description, "a=b");
    const CddbEntry none = ParseEntry({});
    EXPECT_TRUE(none.tracks.isEmpty());
    EXPECT_EQ(none.title, "");
    // Keys are case-sensitive: a lower-case key is another line.
    EXPECT_TRUE(parse({"ttitle0=x", "dtitle=a / b"}).tracks.isEmpty());
}

TEST(EntryParse, EscapesAtTheEdges)
{
    EXPECT_EQ(DecodeEntryEscapes(u"a\\"), "a\\");
    EXPECT_EQ(DecodeEntryEscapes(u"\\x\\n"), "\\x\n");
    EXPECT_EQ(DecodeEntryEscapes(u"\\\\n"), "\\n");
    // An escape split over two lines of the same field is still one escape.
    EXPECT_EQ(parse({"EXTD=line\\", "EXTD=nnext"}).description, "line\nnext");
}

TEST(MatchList, ParsedAndKeptOncePerCategoryAndDiscId)
{
    const auto m = ParseMatchList({
        "211 Found inexact matches, list follows (until terminating `.')",
        "rock 1b023f03 The Band / The Album",
        "misc 1b023f03 Someone Else / Same Id",
        "Rock 1B023F03 The Band / Repeated",
        "jazz 2c034f04 Trio / Blue",
        "nodiscid",
        "",
        "blues 3d045f05",
    });
    ASSERT_EQ(m.size(), 4u);
    EXPECT_EQ(fields(m[0]), (QStringList{"rock", "1b023f03", "The Band / The Album"}));
    EXPECT_EQ(fields(m[1]), (QStringList{"misc", "1b023f03", "Someone Else / Same Id"}));
    EXPECT_EQ(fields(m[2]), (QStringList{"jazz", "2c034f04", "Trio / Blue"}));
    EXPECT_EQ(fields(m[3]), (QStringList{"blues", "3d045f05", ""}));
    EXPECT_EQ(MatchKey("misc", "1b023f03"), "misc 1b023f03");

    const auto exact = ParseExactMatch(u"200 rock 1b023f03 The Band / The Album");
    ASSERT_TRUE(exact);
    EXPECT_EQ(fields(*exact), fields(m[0]));
    EXPECT_FALSE(ParseExactMatch(u"200"));
}

TEST(ProtocolLevel, FromTheProtoReply)
{
    EXPECT_EQ(SupportedProtocolLevel(u"200 CDDB protocol level: current 1, supported 5"), 5);
    EXPECT_EQ(SupportedProtocolLevel(u"200 CDDB protocol level: current 1"), 0);
    EXPECT_EQ(SupportedProtocolLevel(u"200 supported 99999999999"), 0);
}

TEST(SiteList, LinesAsTheLookupShowsThem)
{
    struct Case {
        const char* line;
        const char* entry; // nullptr: skipped
    };
    const std::vector<Case> cases{
        // Whole lines of both protocols: see the fetched lists in test_ccdinfo.cpp.
        {"host cddbp 888 - N1 W2 ", "host 888 - "},
        {"nospace", nullptr},
        {"host cddbp 8880", nullptr},
        {"host cddbp 8880 - N000.00", nullptr}, // fewer than seven fields
        {"", nullptr},
    };
    for (const Case& c : cases) {
        const auto e = ParseSiteLine(QString::fromLatin1(c.line));
        if (c.entry) {
            ASSERT_TRUE(e) << c.line;
            EXPECT_EQ(*e, c.entry);
        } else {
            EXPECT_FALSE(e) << c.line;
        }
    }
    EXPECT_EQ(ParseSiteList("a cddbp 8880 - N W one\r\nbroken\nb http 80 /p N W two\n\n"),
              (QStringList{"a 8880 - one", "b 80 /p two HTTP"}));
    EXPECT_EQ(ParseSiteList("s\xe9rver cddbp 1 - N W d"), QStringList{QString::fromUtf8("sérver 1 - d")});
}

TEST(SiteList, SitesReplyLinesThatAreNoSite)
{
    // Lines of every level are converted in test_lookupaccess.cpp (the written site list).
    EXPECT_FALSE(SitesReplyToFileLine(u"garbage"));
    EXPECT_FALSE(SitesReplyToFileLine(u"host cddbp port - N W d"));
}
