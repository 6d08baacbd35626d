// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Rules of the memory game: where the cards stand, which entries are dealt and when two
// face-up cards make a pair. Card i (0..7) carries the i-th dealt word, card 8 + i its meaning.

#include <QPoint>
#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

namespace core {

namespace memoryrules {

constexpr int cardCount = 16, pairCount = 8;

// The place (left, top, in twips) of each card, by card index.
using Places = std::array<QPoint, cardCount>;
using Dealt = std::array<QString, pairCount>;

// Words in the two left columns, each meaning two columns to the right of its word.
Places designPlaces();

// The arrangement number, Int(rnd * 14 + 1): 1 to 14.
int arrangementNumber(float rnd);
// The places for an arrangement number; none for 5 and 10, where the cards stay put.
std::optional<Places> arrangement(int number);

// A dealt position, Int((n - 1) * rnd + 1): the review range 1..n-1, never the first entry.
int dealPosition(float rnd, int n);

// The first position holding the text, else -1 (findWord) or -2 (findMeaning): the two
// "not found" values differ so that a text found in neither list never makes a pair.
qint16 findWord(const Dealt &words, const QString &text);
qint16 findMeaning(const Dealt &meanings, const QString &text);

// The two lowest face-up cards, as the pair check looks at them.
struct FaceUpPair
{
    std::optional<int> first, second;
};
FaceUpPair lowestFaceUp(const std::array<bool, cardCount> &faceUp);

// Whether the two face-up cards pair: a word card whose meaning card is the other one, found
// by text, so that an entry dealt twice pairs either way.
bool isPair(const FaceUpPair &cards, const std::array<QString, cardCount> &captions,
            const Dealt &words, const Dealt &meanings);

// Counts stop at the largest 16-bit number rather than wrapping to a negative one.
qint16 countUp(qint16 value);

} // namespace memoryrules

} // namespace core
