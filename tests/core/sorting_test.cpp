#include "core/sorting.h"

#include <QList>
#include <QPair>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

TEST(Sorting, QuickSortOrdersByCharacterCodes)
{
    QStringList names = {"240502.log", "240430.log", "240501.log"};
    QuickSort(names);
    EXPECT_EQ(names, QStringList({"240430.log", "240501.log", "240502.log"}));
    QStringList cases = {"b", "B", "a"};
    QuickSort(cases);
    EXPECT_EQ(cases, QStringList({"B", "a", "b"}));
    QStringList one = {"x"};
    QuickSort(one);
    EXPECT_EQ(one, QStringList({"x"}));
    QStringList none;
    QuickSort(none);
    QList<int> numbers = {10, 9, 100, 1};
    QuickSort(numbers);
    EXPECT_EQ(numbers, QList<int>({1, 9, 10, 100}));
}

TEST(Sorting, QuickSortHonoursBoundsAndLargeInput)
{
    QStringList part = {"d", "c", "b", "a"};
    QuickSort(part, 1, 2);
    EXPECT_EQ(part, QStringList({"d", "b", "c", "a"}));

    QList<int> many(20000);
    std::mt19937 random(7);
    for (int& n : many)
        n = static_cast<int>(random() % 1000);
    QList<int> expected = many;
    std::sort(expected.begin(), expected.end());
    QuickSort(many);
    EXPECT_EQ(many, expected);
}

TEST(Sorting, TwoColumnSortAndSearch)
{
    QList<QPair<QString, QString>> table = {{"01055556666", "3"}, {"01011112222", "1"}, {"0212345678", "7"}};
    QuickSort2(table);
    EXPECT_EQ(table[0], qMakePair(QString("01011112222"), QString("1")));
    EXPECT_EQ(table[2], qMakePair(QString("0212345678"), QString("7")));
    EXPECT_EQ(BinarySearch2D(table, "01055556666"), 3);
    EXPECT_EQ(BinarySearch2D(table, "0212345678"), 7);
    EXPECT_EQ(BinarySearch2D(table, "01099999999"), -1);
    EXPECT_EQ(BinarySearch2D(QList<QPair<QString, QString>>(), "x"), -1);

    QList<QPair<QString, int>> twice = {{"a", 1}, {"b", 2}, {"b", 3}, {"c", 4}};
    const int found = BinarySearch2D(twice, "b");
    EXPECT_TRUE(found == 2 || found == 3);
}

TEST(Sorting, BinarySearch1DIgnoresCase)
{
    const QStringList phones = {"01011112222", "01033334444", "01055556666"};
    EXPECT_EQ(BinarySearch1D(phones, "01011112222"), 0);
    EXPECT_EQ(BinarySearch1D(phones, "01055556666"), 2);
    EXPECT_EQ(BinarySearch1D(phones, "01022223333"), -1);
    EXPECT_EQ(BinarySearch1D({"Apple", "banana"}, "BANANA"), 1);
    EXPECT_EQ(BinarySearch1D({}, "x"), -1);
}
