// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fsrs.h"
#include "newwords.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>
#include <optional>

namespace learning {

enum class StudyKind { Learning, Review, New };

struct StudyItem
{
    int position = 0; // in the dictionary
    StudyKind kind = StudyKind::New;
    Time due{};

    bool operator==(const StudyItem &) const = default;
};

// Today's work, in the order it is studied: words in a learning or relearning step by due time,
// review words due today with the least likely to be recalled first, then new words up to today's
// budget in the order chooseNewWords() gives.
struct StudyQueue
{
    QList<StudyItem> learning, reviews, fresh;
    int neverStudied = 0; // words of the dictionary without a single answer

    qsizetype size() const { return learning.size() + reviews.size() + fresh.size(); }
};

struct StudyDay
{
    Time now{};
    QDate today;
    std::optional<QDate> examDate;
    int newWordsPerDay = 20;
    int startedToday = 0; // words answered today for the first time
};

// keys[i] is the memory's key of the dictionary's word at i; positions first to end - 1 are
// studied, each key once, at its first position. cards holds at least the cards due today;
// studied, when given, the keys of every word answered before (else the keys of cards).
StudyQueue buildStudyQueue(const QStringList &keys, int first, int end,
                           const QHash<QString, Card> &cards, const Scheduler &scheduler,
                           const StudyDay &day, const NewWordRules &newWords,
                           const QSet<QString> *studied = nullptr);

// What the queue needs of the memory (LearnerMemory::dueCards): at least the cards due before
// the end of the day (with the exam-date cap), and the keys of all words answered before, empty
// when only the cards are known.
struct DueCards
{
    QHash<QString, Card> due;
    QSet<QString> studied;
};

} // namespace learning
