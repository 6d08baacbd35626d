// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace learning {

// Where the learner stands with one word list, from the review log and the word states.
struct ProgressFigures
{
    struct Day
    {
        QDate date;
        int right = 0;
        int wrong = 0;
        int total() const { return right + wrong; }
    };

    // A word answered Again at least once, learning steps included.
    struct MissedWord
    {
        QString key;
        int misses = 0;
        QDateTime lastMiss;
    };

    // Two words the learner took for each other, either way round: one picked (its meaning,
    // itself, or typed) when the other was asked.
    struct ConfusedPair
    {
        QString first, second; // the two words' keys, in order
        int times = 0;
        QDateTime last;
    };

    static constexpr int young = 21;         // days of interval from which a word is mature
    static constexpr int forecastDays = 30;  // today and the 29 days after
    static constexpr int activityDays = 90;  // the 89 days before today and today
    static constexpr int retentionDays = 30; // likewise
    static constexpr int hardestCount = 20;
    static constexpr int confusedCount = 10;

    // The list's words by state; new words have never been answered.
    int words = 0, newWords = 0, learning = 0, youngWords = 0, matureWords = 0;

    int seenWords() const { return words - newWords; }

    // The mean predicted chance of recall of the list's words seen (answered at least once) on
    // recallDay, and the share of them above 90 %; 0 while none is seen. Without an exam date,
    // or with one that has passed, recallDay is today and examPassed tells the latter.
    QDate recallDay;
    bool examPassed = false;
    double meanRecall = 0;
    double shareAbove90 = 0;

    // The list's reviews due on each day from today (overdue ones count today).
    QList<int> dueForecast;

    // The learner's answers per day, of every list: the last 90 days, and a calendar of the
    // weeks since calendarStart (the first day of the week 51 weeks before this one) to today.
    QList<Day> activity;
    QDate calendarStart;
    QList<int> calendar;
    // Days in a row with an answer up to today (or yesterday, while today has none), and the
    // longest such run ever.
    int currentStreak = 0, longestStreak = 0;

    // The share of reviews recalled when due over the last 30 days, every list: answers to
    // words past their learning steps given on or after the day they were due, so neither a
    // new word's first answers, nor a same-day repeat, nor a review ahead of time. nullopt
    // when there was none.
    std::optional<double> retention;
    int dueReviews = 0;

    // The list's words missed most, the latest miss first among equals; never-missed words are
    // not among them.
    QList<MissedWord> hardest;

    // The pairs confused most, at least one word of each the list's, the latest first among
    // equals (see mostConfusedPairs).
    QList<ConfusedPair> confused;
};

} // namespace learning
