// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace core {

// A word's identity in the learner's memory: its text trimmed, inner runs of white space made
// one space, and case-folded. "Abate", " abate " and "ABATE" are one memory, in any dictionary.
QString wordKey(const QString &word);

} // namespace core
