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

// Learning: a word in a learning or relearning step since before today; Repeat: one answered
// today that comes back today.
enum class StudyKind { Learning, Review, New, Repeat };

struct StudyItem
{
    int position = 0; // in the dictionary
    StudyKind kind = StudyKind::New;
    Time due{};
    bool planned = true; // one of the words the session set out to study
    int after = 0;       // shown no sooner than when the session has shown this many cards

    bool operator==(const StudyItem &) const = default;
};

// A word's answers on one day, and its card as it stood when the day began (a new card for a
// word first answered that day): whether it was due then stays known after it is answered.
struct WordDay
{
    int answers = 0;
    int right = 0; // answers not graded Again
    Card before;
};
using DayWords = QHash<QString, WordDay>;

// How long the learner takes, from their latest answers: the median seconds of an answer to a
// word studied before and of one to a word on its first day, and how many answers each kind of
// word takes in a day (a new word's learning steps, a review's repeats after a miss). The
// defaults hold until there are enough answers of a kind to tell. Study Today's minutes, its
// daily limit and the forecast all count with these.
struct AnswerTimes
{
    double reviewSeconds = 10, newSeconds = 10;
    double answersPerReview = 1, answersPerNewWord = 3;

    // A day of so many reviews and new words.
    double seconds(double reviews, double newWords) const;
    // Rounded up to whole minutes, at least one for any work.
    int minutes(int reviews, int newWords) const;
    // How many of `wanted` new words fit in a limit of minutes after the day's reviews, which
    // are all done even when they alone take longer: all of them when there is no limit (0).
    int newWordsWithin(double limit, int reviews, int wanted) const;
};

// Today's work, in the order it is studied: words in a learning or relearning step by due time,
// review words due today with the least likely to be recalled first, then new words up to today's
// budget, held to the daily limit, in the order chooseNewWords() gives. And the day's plan for the
// list, fixed for the day: the words that were due when the day began and the new words the day
// allows, whether answered already or still to come.
struct StudyQueue
{
    QList<StudyItem> learning, reviews, fresh;
    int neverStudied = 0; // words of the dictionary without a single answer
    int plannedReviews = 0, plannedNewWords = 0;
    bool newWordsHeld = false; // the daily limit left out some of the day's new words

    qsizetype size() const { return learning.size() + reviews.size() + fresh.size(); }
};

struct StudyDay
{
    Time now{};
    QDate today;
    std::optional<QDate> examDate;
    int newWordsPerDay = 20;
    int startedToday = 0; // words answered today for the first time, when today's are not given
    int dailyMinutes = 0; // the limit the day's new words are held to; 0: none
    AnswerTimes times;    // as the day began
};

// keys[i] is the memory's key of the dictionary's word at i; positions first to end - 1 are
// studied, each key once, at its first position. cards holds at least the cards due today;
// studied, when given, the keys of every word answered before (else the keys of cards);
// answeredToday, when given, the words answered today, of which the list's first answered today
// count against its new words, and whose steps today come back as repeats.
StudyQueue buildStudyQueue(const QStringList &keys, int first, int end,
                           const QHash<QString, Card> &cards, const Scheduler &scheduler,
                           const StudyDay &day, const NewWordRules &newWords,
                           const QSet<QString> *studied = nullptr,
                           const DayWords *answeredToday = nullptr);

// What the queue needs of the memory (LearnerMemory::dueCards): at least the cards due before
// the end of the day (with the exam-date cap), and the keys of all words answered before, empty
// when only the cards are known.
struct DueCards
{
    QHash<QString, Card> due;
    QSet<QString> studied;
};

} // namespace learning
