#include "platform/KeyedList.h"
#include "support/TestWorld.h"

using vinaxo::KeyedList;

namespace {
QStringList keys(const KeyedList<int>& l)
{
    QStringList k;
    for (const auto& item : l)
        k << item.key;
    return k;
}
}

// Small lists are searched directly and large ones through a hash: both must agree.
class KeyedListSizes : public ::testing::TestWithParam<int> {};

TEST_P(KeyedListSizes, CaseInsensitiveFirstFormKeptOrderKeptOnRemoval)
{
    const int n = GetParam();
    KeyedList<int> l;
    for (int i = 0; i < n; ++i)
        ASSERT_TRUE(l.add(QStringLiteral("Key%1").arg(i), i));
    EXPECT_FALSE(l.add(QStringLiteral("KEY0"), 99));
    EXPECT_EQ(l.keyAt(0), "Key0");
    ASSERT_NE(l.find(QStringLiteral("kEy%1").arg(n - 1)), nullptr);
    EXPECT_EQ(*l.find(QStringLiteral("kEy%1").arg(n - 1)), n - 1);
    EXPECT_EQ(l.find(QStringLiteral("missing")), nullptr);

    EXPECT_TRUE(l.remove(QStringLiteral("KEY1")));
    EXPECT_FALSE(l.remove(QStringLiteral("KEY1")));
    ASSERT_EQ(l.size(), n - 1);
    EXPECT_EQ(l.keyAt(1), "Key2");
    // Positions after the removal still resolve.
    for (int i = 2; i < n; ++i)
        EXPECT_EQ(l.indexOf(QStringLiteral("KEY%1").arg(i)), i - 1);
    EXPECT_TRUE(l.add(QStringLiteral("key1"), 1));
    EXPECT_EQ(keys(l).last(), "key1");
    l.clear();
    EXPECT_TRUE(l.isEmpty());
    EXPECT_TRUE(l.add(QStringLiteral("Key0"), 0));
}

INSTANTIATE_TEST_SUITE_P(Sizes, KeyedListSizes, ::testing::Values(3, 16, 17, 200));

TEST(KeyedList, NonAsciiKeysFoldCase)
{
    KeyedList<int> l;
    for (int i = 0; i < 20; ++i)
        l.add(QString::number(i), i);
    EXPECT_TRUE(l.add(QString::fromUtf8("Motörhead"), 1));
    EXPECT_FALSE(l.add(QString::fromUtf8("MOTÖRHEAD"), 2));
}
