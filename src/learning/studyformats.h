// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fsrs.h"

#include <QString>
#include <optional>

// The ways Study Today asks a word, which one a word's memory calls for, and how a typed answer
// is judged.
namespace learning {

// Meaning: the word, five meanings. TextCompletion: the word's sentence with a blank, five
// words of its part of speech. TypedRecall: the meaning and the blanked sentence; the learner
// types the word. SentenceEquivalence: the blanked sentence, six words of which two fit with
// the same meaning: the word and a synonym; both must be picked.
enum class StudyFormat { Meaning, TextCompletion, TypedRecall, SentenceEquivalence };

// The name the review log keeps ("meaning", "text_completion", ...), and back; nullopt for a
// name this program does not know.
QString formatKey(StudyFormat format);
std::optional<StudyFormat> formatFromKey(const QString &key);

// How many choices answer a card of the format: none for a typed word, two for a pair.
int picksWanted(StudyFormat format);

// A set of the formats other than meaning, which is always possible: those the learner has
// switched on, or those a word's material allows.
struct FormatSet
{
    bool textCompletion = true, typedRecall = true, sentenceEquivalence = true;

    bool has(StudyFormat format) const;
    FormatSet operator&(const FormatSet &other) const;
    bool operator==(const FormatSet &) const = default;
};

// A word in review is mature once its stability reaches this many days.
constexpr double matureStability = 21;
bool isMature(const Card &card);

// The format a word is asked in, from its card as it stands: new, learning and relearning words
// by meaning; young review words by text completion; mature ones by typed recall or sentence
// equivalence (coin 0 or 1 picks when both are possible). A format not in `possible` falls back
// to the one below it: a mature word to text completion, then to meaning.
StudyFormat chooseFormat(const Card &card, const FormatSet &possible, int coin);

// A typed answer against the word: Right when equal ignoring case and the spaces at the ends;
// Nearly when one edit away (a letter added, left out or changed, or two neighbours swapped);
// Wrong otherwise, and always when nothing was typed.
enum class Spelling { Right, Nearly, Wrong };
Spelling judgeSpelling(const QString &typed, const QString &word);

// Right is Good (Hard when slow, as a pick is); nearly right is Hard; wrong is Again.
Rating typedRating(Spelling spelling, qint64 durationMs);

} // namespace learning
