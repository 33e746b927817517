#include "platform/CodePage1252.h"
#include "support/TestWorld.h"

using namespace vinaxo;

TEST(CodePage1252, EveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = cp1252::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(cp1252::encode(text), all);
}

TEST(CodePage1252, TheBytesThatDifferFromLatin1)
{
    EXPECT_EQ(cp1252::decode(QByteArray("\x80\x8a\x93\x94\x99\x9f", 6)),
              QString::fromUtf8("€Š“”™Ÿ"));
    EXPECT_EQ(cp1252::encode(QString::fromUtf8("Café – “x”")), QByteArray("Caf\xe9 \x96 \x93x\x94"));
    // Outside the code page: one "?" per character, also for a surrogate pair.
    EXPECT_EQ(cp1252::encode(QString::fromUtf8("a\u4e2db\U0001F3B5c")), QByteArray("a?b?c"));
    EXPECT_TRUE(cp1252::representable(QString::fromUtf8("Motörhead €5?")));
    EXPECT_FALSE(cp1252::representable(QString::fromUtf8("\u4e2d")));
}

// Long ASCII runs are copied sixteen characters at a time; what follows them is encoded
// one by one, wherever the run ends.
TEST(CodePage1252, TextsBeyondALongAsciiRun)
{
    for (int run : {15, 16, 17, 31, 32, 40}) {
        const QString ascii(run, u'x');
        const QByteArray bytes(run, 'x');
        EXPECT_EQ(cp1252::encode(ascii + QString::fromUtf8("é\U0001F3B5€z")), bytes + "\xe9?\x80z") << run;
        QByteArray out(run + 3, '\0');
        EXPECT_TRUE(cp1252::encodeExactInto(ascii + QString::fromUtf8("é€z"), out.data())) << run;
        EXPECT_EQ(out, bytes + "\xe9\x80z") << run;
        EXPECT_FALSE(cp1252::encodeExactInto(ascii + QString::fromUtf8("\u4e2d"), out.data())) << run;
    }
}
