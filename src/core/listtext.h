// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The word list as one text: for positions 1..n, the word, ":  ", the meaning and CR LF.
// Position 0 is left out, as everywhere the list is studied.

namespace core {

class Dictionary;

QString listText(const Dictionary &dictionary);

} // namespace core
