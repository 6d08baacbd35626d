// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Rules of the review quiz, kept apart from the window.

#include <QString>
#include <array>

namespace core {

// A random position of the review range 1..n-1: Int(rnd * (n - 1) + 1). For n = 1 this is 1,
// the empty end position.
int drawPosition(float rnd, int n);

// Next and Previous wrap within the review range 1..n-1.
int nextPosition(int current, int n);
int previousPosition(int current, int n);
bool inReviewRange(int position, int n);

// A usage text as shown: "(b)" or "(I)" at its start makes the whole box bold or italic and
// every copy of that marker is removed.
struct StyledUsage
{
    QString text;
    bool bold = false;
    bool italic = false;
};
StyledUsage styleUsage(const QString &usage);

// The five slot tops, in twips, from the top of the answer frame.
constexpr std::array<int, 5> slotTops{480, 1440, 2400, 3360, 4320};

// A whole number 1..100 from a draw: Int(rnd * 100 + 1).
int drawLayout(float rnd);
// The top of each answer button, by button index, for a layout number.
std::array<int, 5> layoutTops(int r);

// The percentage of right answers as "00.00" in the user's number format.
QString percentText(int correct, int incorrect);
// One line of the answer log, without its line end.
QString logLine(bool right, const QString &caption, const QString &word);
// Counters stop at the largest value they can hold instead of wrapping.
qint16 countUp(qint16 count);

// Two meanings a learner could not tell apart: the same text but for case and spaces.
bool sameMeaning(const QString &a, const QString &b);

} // namespace core
