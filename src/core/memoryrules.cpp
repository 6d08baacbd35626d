// SPDX-License-Identifier: GPL-3.0-or-later
#include "memoryrules.h"

#include <cmath>
#include <limits>

namespace core {

namespace memoryrules {

namespace {

constexpr std::array<int, 4> columns{120, 2160, 4200, 6200};
constexpr std::array<int, 4> rows{480, 2040, 3600, 5260};
using Cells = std::array<std::array<int, 4>, 4>; // card index by row, then column

constexpr Cells arrangementA{{{0, 4, 10, 3}, {1, 7, 5, 14}, {12, 6, 8, 13}, {2, 9, 11, 15}}};
constexpr Cells arrangementB{{{0, 4, 5, 10}, {3, 7, 2, 14}, {12, 9, 8, 13}, {1, 6, 11, 15}}};
constexpr Cells arrangementC{{{1, 3, 10, 7}, {15, 4, 6, 8}, {2, 14, 12, 0}, {11, 5, 13, 9}}};

Places placesOf(const Cells &table)
{
    Places result{};
    for (size_t row = 0; row < rows.size(); ++row) {
        for (size_t column = 0; column < columns.size(); ++column)
            result[size_t(table[row][column])] = QPoint(columns[column], rows[row]);
    }
    return result;
}

qint16 find(const Dealt &texts, const QString &text, qint16 notFound)
{
    for (size_t i = 0; i < texts.size(); ++i) {
        if (texts[i] == text)
            return qint16(i);
    }
    return notFound;
}

} // namespace

Places designPlaces()
{
    constexpr std::array<int, 4> designColumns{120, 2160, 4200, 6240};
    constexpr std::array<int, 4> designRows{480, 2040, 3600, 5160};
    Places result{};
    for (int i = 0; i < cardCount; ++i)
        result[size_t(i)] = QPoint(designColumns[size_t(i / 4)], designRows[size_t(i % 4)]);
    return result;
}

int arrangementNumber(float rnd)
{
    return int(std::floor(double(rnd) * 14 + 1));
}

std::optional<Places> arrangement(int number)
{
    if (number > 10)
        return placesOf(arrangementA);
    if (number > 5 && number < 10)
        return placesOf(arrangementB);
    if (number < 5)
        return placesOf(arrangementC);
    return std::nullopt;
}

int dealPosition(float rnd, int n)
{
    return int(std::floor((n - 1) * double(rnd) + 1));
}

qint16 findWord(const Dealt &words, const QString &text)
{
    return find(words, text, -1);
}

qint16 findMeaning(const Dealt &meanings, const QString &text)
{
    return find(meanings, text, -2);
}

FaceUpPair lowestFaceUp(const std::array<bool, cardCount> &faceUp)
{
    FaceUpPair result;
    for (int i = 0; i < cardCount; ++i) {
        if (!faceUp[size_t(i)])
            continue;
        if (!result.first)
            result.first = i;
        else if (!result.second) {
            result.second = i;
            break;
        }
    }
    return result;
}

bool isPair(const FaceUpPair &cards, const std::array<QString, cardCount> &captions,
            const Dealt &words, const Dealt &meanings)
{
    // Without two cards face up there is nothing to pair.
    if (!cards.first || !cards.second)
        return false;
    return findWord(words, captions[size_t(*cards.first)]) ==
           findMeaning(meanings, captions[size_t(*cards.second)]);
}

qint16 countUp(qint16 value)
{
    return value < std::numeric_limits<qint16>::max() ? qint16(value + 1) : value;
}

} // namespace memoryrules

} // namespace core
