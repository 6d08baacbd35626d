// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progressfigures.h"

#include <QSqlDatabase>
#include <QStringList>

namespace learning {

// The pairs of words the learner confused most, from the wrong picks the review log keeps
// (Review::wrongPick): the word asked and the word picked, whose meaning was picked or that
// was typed, make one pair whichever of them was asked. A typed text counts only when it is a
// word of the list (anything else is a misspelling, not a confusion); a pair counts when at
// least one of its words is the list's. Over the whole log, as the hardest words are; ranked by
// times, then by the latest, then by the words. Nothing when the file is not open. Throws
// sql::Failure.
QList<ProgressFigures::ConfusedPair> mostConfusedPairs(const QSqlDatabase &db,
                                                       const QStringList &listKeys, int most);

} // namespace learning
