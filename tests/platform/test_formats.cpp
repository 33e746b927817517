#include "platform/IFormats.h"
#include "platform/NumericText.h"
#include "platform/OleDate.h"
#include "support/TestWorld.h"

using namespace vinaxo;

TEST(Formats, ShortDateAlwaysHasFourDigitYearAndReadsBack)
{
    const auto& f = test::fixedFormats();
    EXPECT_EQ(f.shortDate(QDate(2024, 3, 1)), "3/1/2024");
    EXPECT_EQ(f.shortDate(QDate(1929, 12, 31)), "12/31/1929");
    for (const QDate d : {QDate(1929, 12, 31), QDate(2024, 3, 1), QDate(150, 1, 1)})
        EXPECT_EQ(f.parseDate(f.shortDate(d)), d);

    const LocaleFormats german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.shortDate(QDate(2024, 3, 1)), "01.03.2024");
    EXPECT_EQ(german.parseDate("1.3.24"), QDate(2024, 3, 1));
}

TEST(Formats, ParsesTheUsualDateForms)
{
    const auto& f = test::fixedFormats();
    EXPECT_EQ(f.parseDate("3/1/24"), QDate(2024, 3, 1));
    EXPECT_EQ(f.parseDate("3-1-1999"), QDate(1999, 3, 1));
    EXPECT_EQ(f.parseDate("1999-03-01"), QDate(1999, 3, 1));
    EXPECT_EQ(f.parseDate("March 1, 1999"), QDate(1999, 3, 1));
    EXPECT_EQ(f.parseDate("1 Mar 1999"), QDate(1999, 3, 1));
    EXPECT_EQ(f.parseDate("2/29/2023"), std::nullopt);
    EXPECT_EQ(f.parseDate("13/1/2023"), std::nullopt);
    EXPECT_EQ(f.parseDate("soon"), std::nullopt);
    EXPECT_EQ(f.parseDate(""), std::nullopt);
}

TEST(Formats, CurrencyOfTheLocale)
{
    const auto& f = test::fixedFormats();
    EXPECT_EQ(f.currency(Currency{125000}), "$12.50");
    EXPECT_EQ(f.currency(Currency{0}), "$0.00");
    EXPECT_EQ(f.currency(Currency{-12345600}), "($1,234.56)");
    EXPECT_EQ(f.parseCurrency("$1,234.56")->units, 12345600);
    EXPECT_EQ(f.parseCurrency("($2.50)")->units, -25000);
    EXPECT_EQ(f.parseCurrency(" 7 ")->units, 70000);
    EXPECT_FALSE(f.parseCurrency("seven").has_value());
    // What is shown reads back as the same amount.
    for (qint64 u : {0LL, 125000LL, -12345600LL, 99999999900LL})
        EXPECT_EQ(f.parseCurrency(f.currency(Currency{u}))->units, u);

    const LocaleFormats german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.parseCurrency("1.234,56 €")->units, 12345600);
    EXPECT_EQ(german.parseCurrency(german.currency(Currency{12345600}))->units, 12345600);
}

TEST(Formats, NumericTestAndLeadingNumber)
{
    EXPECT_EQ(ParseNumber(u" 12 "), 12.0);
    EXPECT_EQ(ParseNumber(u"-1.5"), -1.5);
    EXPECT_EQ(ParseNumber(u"1,000"), 1000.0);
    EXPECT_EQ(ParseNumber(u"2e3"), 2000.0);
    EXPECT_EQ(ParseNumber(u"(4)"), -4.0);
    for (const char16_t* bad : {u"", u" ", u"abc", u"1 2", u"1:2", u".", u"1e", u"--1"})
        EXPECT_FALSE(ParseNumber(bad).has_value());

    EXPECT_EQ(LeadingNumber(u"  12abc"), 12.0);
    EXPECT_EQ(LeadingNumber(u"1 9 9 9"), 1999.0);
    EXPECT_EQ(LeadingNumber(u"-3.5x"), -3.5);
    EXPECT_EQ(LeadingNumber(u"abc"), 0.0);
    EXPECT_EQ(LeadingNumber(u""), 0.0);
    EXPECT_EQ(LeadingNumber(u"7e"), 7.0);

    EXPECT_EQ(ToInt16(2.5), 2); // half to even
    EXPECT_EQ(ToInt16(3.5), 4);
    EXPECT_FALSE(ToInt16(32768.0).has_value());
}

TEST(Formats, OleDayNumbers)
{
    EXPECT_EQ(OleDate::fromDate(QDate(1899, 12, 30)).serial, 0.0);
    EXPECT_EQ(OleDate::fromDate(QDate(2024, 3, 1)).serial, 45352.0);
    EXPECT_EQ((OleDate{45352.75}.date()), QDate(2024, 3, 1));
    EXPECT_EQ((OleDate{-1.25}.date()), QDate(1899, 12, 29));
    EXPECT_FALSE(OleDate::isPlausible(std::nan("")));
    EXPECT_FALSE(OleDate::isPlausible(1e300));
    EXPECT_FALSE((OleDate{3e6}.date().isValid()));
    EXPECT_TRUE(OleDate::isPlausible(OleDate::fromDate(QDate(100, 1, 1)).serial));
    EXPECT_TRUE(OleDate::isPlausible(OleDate::fromDate(QDate(9999, 12, 31)).serial));
}
