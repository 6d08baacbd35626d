// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fsrs.h"

#include "core/reviewrules.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>

// The rules of one Study Today card: the hint with the word blanked, the wrong choices, the
// grade an answer proposes.
namespace learning {

// Where the word or one of its regular forms (abate: abates, abated, abating; ally: allies,
// allied; abet: abetted) stands in a sentence, as (start, length) pairs in text order.
QList<std::pair<qsizetype, qsizetype>> wordForms(const QString &sentence, const QString &word);

// The sentence with each form of the word replaced by "____". A sentence where no form is
// found (an irregular one: rise, rose) is the hint as it stands.
QString clozeHint(const QString &sentence, const QString &word);

// The part of speech a meaning starts with: "v." for "(v.) make less active".
QString partOfSpeech(const QString &meaning);

// The meaning without the part of speech it starts with: "make less active" for
// "(v.) make less active".
QString withoutPartOfSpeech(const QString &meaning);

// Four (or, in a tiny dictionary, fewer) wrong choices for the word at a position, as positions:
// first from its confusable words present in the dictionary (drawn among the first eight, so
// the same four do not always come), then meanings of the same part of speech, then any. None
// has the right meaning's text and no two share one. Beyond the confusable words, none is the
// meaning of a word of the word's family or names the word: a learner who knows the word could
// accept the first and rule out the second without knowing it. draw(n) gives a number in
// [0, n). confusable holds the positions of the word's confusable words, best first.
QList<int> chooseDistractors(const QStringList &words, const QStringList &meanings, int position,
                             const QList<int> &confusable, const QList<int> &samePartOfSpeech,
                             int first, int end, const std::function<int(int)> &draw);

// Wrong is Again; right within eight seconds is Good, slower is Hard.
Rating proposedRating(bool right, qint64 durationMs);
constexpr qint64 quickAnswerMs = 8000;

} // namespace learning
