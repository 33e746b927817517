#include "platform/Currency.h"
#include "support/TestWorld.h"

using vinaxo::Currency;

TEST(Currency, ParsesExactlyWithoutFloatingPoint)
{
    struct Case { const char* text; qint64 units; };
    const Case cases[] = {
        {"12.5", 125000},      {"0.1", 1000},          {"1,234.56", 12345600},
        {"-3", -30000},        {"0.00005", 0},         {"0.00015", 2}, // half to even
        {"0.000151", 2},       {"922337203685477.5807", 9223372036854775807LL},
        {"-922337203685477.5808", (-9223372036854775807LL - 1)}, {".5", 5000},
    };
    for (const Case& c : cases) {
        const auto v = Currency::parse(QString::fromLatin1(c.text));
        ASSERT_TRUE(v.has_value()) << c.text;
        EXPECT_EQ(v->units, c.units) << c.text;
    }
    for (const char* bad : {"", "abc", "1.2.3", "922337203685477.5808", "1e5", "12a", ","})
        EXPECT_FALSE(Currency::parse(QString::fromLatin1(bad)).has_value()) << bad;
}

TEST(Currency, FormatsPlainAndRounded)
{
    EXPECT_EQ(Currency{125000}.toPlainText(), "12.5000");
    EXPECT_EQ(Currency{-5}.toPlainText(), "-0.0005");
    EXPECT_EQ(Currency{12345678}.toFixedText(2, u'.', u','), "1,234.57");
    EXPECT_EQ(Currency{-49}.toFixedText(2), "0.00"); // no "-0.00"
    EXPECT_EQ(Currency{(-9223372036854775807LL - 1)}.toPlainText(), "-922337203685477.5808");
}
