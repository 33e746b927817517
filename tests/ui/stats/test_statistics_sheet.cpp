// What the statistics window shows of a count, as texts.
#include "support/TestWorld.h"
#include "ui/stats/StatisticsSheet.h"

#include <gtest/gtest.h>

using namespace vinaxo;

namespace {
StatisticsResult sample()
{
    StatisticsResult r;
    r.categories = {{"Rock", 3, {}}, {"(none)", 1, {}}};
    r.mediums = {{"CD", 4, {}}};
    r.decades = {{"1990s", 4, {}}};
    r.labels = {{"A label with a long name", 2, {}}};
    r.artists = {{"Someone", 2, {}}};
    r.purchases = {{"2020", 3, Currency{123450000}}, {"(no date)", 1, Currency{-5000}}};
    r.recordings = 4;
    r.tracks = 48;
    r.seconds = 86400 + 59;
    r.cost = Currency{123445000};
    return r;
}
} // namespace

struct SheetCase {
    StatisticsChart chart;
    const char *title, *heading;
    bool pie, horizontal, cost;
};
class StatisticsSheets : public ::testing::TestWithParam<SheetCase> {};

TEST_P(StatisticsSheets, TitleHeadingAndShape)
{
    const SheetCase& c = GetParam();
    const StatisticsChartSheet s = StatisticsSheet::Sheet(sample(), c.chart, test::fixedFormats());
    EXPECT_EQ(s.title, c.title);
    EXPECT_EQ(StatisticsSheet::ChartName(c.chart), c.title);
    EXPECT_EQ(s.heading, c.heading);
    EXPECT_EQ(s.pieAllowed, c.pie);
    EXPECT_EQ(s.horizontal, c.horizontal);
    EXPECT_EQ(s.withCost, c.cost);
    EXPECT_FALSE(s.rows.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Statistics, StatisticsSheets,
    ::testing::Values(
        SheetCase{StatisticsChart::Categories, "Recordings per category", "Category", true, false, false},
        SheetCase{StatisticsChart::Mediums, "Recordings per medium", "Medium", true, false, false},
        SheetCase{StatisticsChart::Decades, "Recordings per decade of release", "Decade", false, false, false},
        SheetCase{StatisticsChart::Labels, "The ten most frequent labels", "Label", false, true, false},
        SheetCase{StatisticsChart::Artists, "The ten most frequent artists", "Artist", false, true, false},
        SheetCase{StatisticsChart::Purchases, "Purchases per year", "Year", false, false, true}));

TEST(StatisticsSheet, EveryChartIsOffered)
{
    EXPECT_EQ(StatisticsSheet::Charts().size(), 6);
}

TEST(StatisticsSheet, PurchasesInTheCollectionsCurrency)
{
    const StatisticsChartSheet s =
        StatisticsSheet::Sheet(sample(), StatisticsChart::Purchases, test::fixedFormats());
    ASSERT_EQ(s.rows.size(), 2);
    EXPECT_EQ(s.rows[0].costText, "$12,345.00");
    EXPECT_DOUBLE_EQ(s.rows[0].cost, 12345.0);
    EXPECT_EQ(s.rows[1].costText, test::fixedFormats().currency(Currency{-5000}));
    EXPECT_EQ(s.rows[1].count, 1);
}

TEST(StatisticsSheet, Totals)
{
    const auto t = StatisticsSheet::TotalsOf(sample(), test::fixedFormats());
    EXPECT_EQ(t.recordings, "4");
    EXPECT_EQ(t.tracks, "48");
    EXPECT_EQ(t.playingTime, "1 day, 0 hours, 1 minute");
    EXPECT_EQ(t.cost, "$12,344.50");
}

TEST(StatisticsSheet, ManyCategoriesGoAcross)
{
    StatisticsResult r;
    for (int i = 0; i <= StatisticsSheet::ManyNames; ++i)
        r.categories.push_back({QStringLiteral("Category %1").arg(i), 1, {}});
    r.mediums = r.categories.mid(0, StatisticsSheet::ManyNames);
    EXPECT_TRUE(StatisticsSheet::Sheet(r, StatisticsChart::Categories, test::fixedFormats()).horizontal);
    EXPECT_FALSE(StatisticsSheet::Sheet(r, StatisticsChart::Mediums, test::fixedFormats()).horizontal);
}

TEST(StatisticsSheet, BeyondTwelveNamesTheChartSumsTheRest)
{
    StatisticsResult r;
    for (int i = 0; i < 14; ++i)
        r.categories.push_back({QStringLiteral("Category %1").arg(i), 20 - i, {}});
    r.decades = r.categories; // not lumped: every decade has its bar
    const StatisticsChartSheet s = StatisticsSheet::Sheet(r, StatisticsChart::Categories, test::fixedFormats());
    EXPECT_EQ(s.rows.size(), 14);
    ASSERT_EQ(s.chartRows.size(), 12);
    EXPECT_EQ(s.chartRows[10].name, "Category 10");
    EXPECT_EQ(s.chartRows[11].name, "(all others)");
    EXPECT_EQ(s.chartRows[11].count, 9 + 8 + 7);
    EXPECT_EQ(StatisticsSheet::Sheet(r, StatisticsChart::Decades, test::fixedFormats()).chartRows.size(), 14);
}
