// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace core {

// Which word the flash card window shows next. n is the word count: the list's entries stand
// at 0..n-1 and its empty end position at n.

namespace flashrules {

// A random position of the review range 1..n-1: Int((n - 1) * rnd + 1).
int drawPosition(float rnd, int n);

// Flash: back to 1 from outside the review range, otherwise a fresh draw.
int flash(int position, int n, float rnd);
int previous(int position, int n);
int next(int position, int n);

} // namespace flashrules

} // namespace core
