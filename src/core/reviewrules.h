// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Rules of the review quiz, kept apart from the window.

#include <QString>
#include <array>

// A random position of the review range 1..n-1: Int(rnd * (n - 1) + 1). For n = 1 this is 1,
// the empty end position.
int drawposition(float rnd, int n);

// Next and Previous wrap within the review range 1..n-1.
int nextposition(int current, int n);
int previousposition(int current, int n);
bool inreviewrange(int position, int n);

// A usage text as shown: "(b)" or "(I)" at its start makes the whole box bold or italic and
// every copy of that marker is removed.
struct styledusage
{
    QString text;
    bool bold = false;
    bool italic = false;
};
styledusage styleusage(const QString &usage);

// The five slot tops, in twips, from the top of the answer frame.
constexpr std::array<int, 5> slottops{480, 1440, 2400, 3360, 4320};

// A whole number 1..100 from a draw: Int(rnd * 100 + 1).
int drawlayout(float rnd);
// The top of each answer button, by button index, for a layout number.
std::array<int, 5> layouttops(int r);

// The percentage of right answers as "00.00" in the user's number format.
QString percenttext(int correct, int incorrect);
// One line of the answer log, without its line end.
QString logline(bool right, const QString &caption, const QString &word);
// Counters stop at the largest value they can hold instead of wrapping.
qint16 countup(qint16 count);

// Two meanings a learner could not tell apart: the same text but for case and spaces.
bool sameMeaning(const QString &a, const QString &b);
