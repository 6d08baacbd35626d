// SPDX-License-Identifier: GPL-3.0-or-later
#include "modes/flashrules.h"
#include "modes/memoryrules.h"

#include <gtest/gtest.h>
#include <set>

namespace {

constexpr float largestbelowone = 0.99999994f;

TEST(flashrules, StepsKeepThePositionWithinTheList)
{
    // n = 5: entries at 0..4, the empty end position at 5.
    struct step
    {
        int from, flash, previous, next;
    };
    const int n = 5;
    const float draw = 0.5f; // draws position 3
    const std::vector<step> table{
        {0, 1, 1, 1}, {1, 3, 0, 2}, {4, 3, 3, 5},
        {5, 1, 4, 5}, {9, 1, 5, 5}, // a shorter list was loaded meanwhile
    };
    for (const step &each : table) {
        EXPECT_EQ(flashrules::flash(each.from, n, draw), each.flash) << "from " << each.from;
        EXPECT_EQ(flashrules::previous(each.from, n), each.previous) << "from " << each.from;
        EXPECT_EQ(flashrules::next(each.from, n), each.next) << "from " << each.from;
    }
}

TEST(flashrules, DrawsCoverTheReviewRangeOnly)
{
    const std::vector<std::tuple<float, int, int>> table{
        {0.0f, 5, 1}, {largestbelowone, 5, 4},         {0.25f, 5, 2},
        {0.0f, 2, 1}, {largestbelowone, 2, 1},         {0.0f, 1, 1},
        {0.5f, 0, 0}, {largestbelowone, 32767, 32766}, {0.0f, 32767, 1},
    };
    for (const auto &[rnd, n, expected] : table)
        EXPECT_EQ(flashrules::drawposition(rnd, n), expected) << rnd << " of " << n;
}

// Cards by row (top 480, 2040, 3600, 5260), then column (left 120, 2160, 4200, 6200).
using cells = std::array<std::array<int, 4>, 4>;

cells cellsof(const memoryrules::places &places)
{
    const std::array<int, 4> columns{120, 2160, 4200, 6200}, rows{480, 2040, 3600, 5260};
    cells result{};
    for (auto &row : result)
        row.fill(-1);
    for (int card = 0; card < memoryrules::cardcount; ++card) {
        const QPoint place = places[size_t(card)];
        const auto column = std::find(columns.begin(), columns.end(), place.x());
        const auto row = std::find(rows.begin(), rows.end(), place.y());
        if (column == columns.end() || row == rows.end()) {
            ADD_FAILURE() << "card " << card << " off the grid";
            continue;
        }
        int &cell = result[size_t(row - rows.begin())][size_t(column - columns.begin())];
        EXPECT_EQ(cell, -1) << "two cards in one cell";
        cell = card;
    }
    return result;
}

TEST(memoryrules, ArrangementsPutEveryCardInItsCell)
{
    const cells a{{{0, 4, 10, 3}, {1, 7, 5, 14}, {12, 6, 8, 13}, {2, 9, 11, 15}}};
    const cells b{{{0, 4, 5, 10}, {3, 7, 2, 14}, {12, 9, 8, 13}, {1, 6, 11, 15}}};
    const cells c{{{1, 3, 10, 7}, {15, 4, 6, 8}, {2, 14, 12, 0}, {11, 5, 13, 9}}};
    const std::vector<std::pair<int, std::optional<cells>>> table{
        {1, c},  {2, c},  {3, c},  {4, c}, {5, std::nullopt},
        {6, b},  {7, b},  {8, b},  {9, b}, {10, std::nullopt},
        {11, a}, {12, a}, {13, a}, {14, a}};
    for (const auto &[number, expected] : table) {
        const auto places = memoryrules::arrangement(number);
        ASSERT_EQ(places.has_value(), expected.has_value()) << "number " << number;
        if (places) {
            EXPECT_EQ(cellsof(*places), *expected) << "number " << number;
        }
    }
}

TEST(memoryrules, DesignPlacesHaveEachMeaningBesideItsWord)
{
    const memoryrules::places design = memoryrules::designplaces();
    for (int word = 0; word < memoryrules::paircount; ++word) {
        const QPoint wordplace = design[size_t(word)];
        const QPoint meaningplace = design[size_t(word + memoryrules::paircount)];
        EXPECT_EQ(meaningplace.y(), wordplace.y()) << "same row, card " << word;
        EXPECT_EQ(meaningplace.x(), wordplace.x() + 4080) << "two columns right, card " << word;
        EXPECT_LE(wordplace.x(), 2160) << "words in the left columns";
    }
    EXPECT_EQ(design[15], QPoint(6240, 5160));
}

TEST(memoryrules, DrawsCoverTheirRanges)
{
    std::set<int> numbers;
    for (int k = 0; k < 14 * 16; ++k)
        numbers.insert(memoryrules::arrangementnumber(float(k) / (14 * 16)));
    EXPECT_EQ(numbers.size(), 14u);
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(memoryrules::arrangementnumber(largestbelowone), 14);
    EXPECT_EQ(memoryrules::dealposition(0.0f, 6), 1) << "the first entry is never dealt";
    EXPECT_EQ(memoryrules::dealposition(largestbelowone, 6), 5);
    EXPECT_EQ(memoryrules::dealposition(largestbelowone, 32767), 32766);
}

TEST(memoryrules, FindReturnsTheFirstEqualTextOrItsOwnMiss)
{
    const memoryrules::dealt words{"a", "b", "a", "", "Case", "f", "g", "h"};
    const std::vector<std::tuple<QString, qint16, qint16>> table{
        {"a", 0, 0}, {"b", 1, 1}, {"", 3, 3}, {"case", -1, -2}, {"zz", -1, -2}, {"Case", 4, 4}};
    for (const auto &[text, word, meaning] : table) {
        EXPECT_EQ(memoryrules::findword(words, text), word) << text.toStdString();
        EXPECT_EQ(memoryrules::findmeaning(words, text), meaning) << text.toStdString();
    }
}

TEST(memoryrules, OnlyAWordCardWithItsMeaningCardPairs)
{
    const memoryrules::dealt words{"w1", "w2", "w1", "w4", "w5", "w6", "w7", "w8"};
    const memoryrules::dealt meanings{"m1", "m2", "m1", "m4", "m5", "m6", "m7", "m8"};
    std::array<QString, memoryrules::cardcount> captions;
    for (size_t i = 0; i < 8; ++i) {
        captions[i] = words[i];
        captions[i + 8] = meanings[i];
    }
    struct turn
    {
        std::vector<int> up;
        bool pair;
    };
    const std::vector<turn> table{
        {{0, 8}, true},  {{2, 8}, true},  {{0, 10}, true}, // an entry dealt twice
        {{1, 9}, true},  {{1, 8}, false}, {{0, 1}, false}, {{8, 9}, false},
        {{6, 7}, false}, {{5}, false},    {{}, false},
    };
    for (const turn &each : table) {
        std::array<bool, memoryrules::cardcount> up{};
        for (int card : each.up)
            up[size_t(card)] = true;
        const auto cards = memoryrules::lowestfaceup(up);
        EXPECT_EQ(memoryrules::ispair(cards, captions, words, meanings), each.pair)
            << "cards " << ::testing::PrintToString(each.up);
    }
}

TEST(memoryrules, CountsStopAtTheLargestNumber)
{
    EXPECT_EQ(memoryrules::countup(0), 1);
    EXPECT_EQ(memoryrules::countup(32766), 32767);
    EXPECT_EQ(memoryrules::countup(32767), 32767);
}

} // namespace
