// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fsrs.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
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

    struct HardWord
    {
        QString key;
        int lapses = 0;
        double stability = 0;
    };

    static constexpr int young = 21;         // days of interval from which a word is mature
    static constexpr int forecastDays = 30;  // today and the 29 days after
    static constexpr int activityDays = 90;  // the 89 days before today and today
    static constexpr int retentionDays = 30; // likewise
    static constexpr int hardestCount = 20;

    // The list's words by state; new words have never been answered.
    int words = 0, newWords = 0, learning = 0, youngWords = 0, matureWords = 0;

    // The mean predicted chance of recall of the list's words (unanswered words count 0) on
    // recallDay, and the share of the list above 90 %. Without an exam date, or with one that
    // has passed, recallDay is today and examPassed tells the latter.
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

    // The share of answers right over the last 30 days; nullopt when there was none.
    std::optional<double> retention;
    int retentionAnswers = 0;

    // The list's words with most lapses, then lowest stability.
    QList<HardWord> hardest;
};

// The figures of the Progress window, each from an aggregate query. The answers per quarter
// hour are kept in a small table beside the log, updated by triggers as answers come and go,
// so that a calendar of a million answers needs no scan of them; like `cards`, it is a cache,
// checked and rebuilt when it does not add up.
class Statistics
{
public:
    // A connection to an open progress file (ProgressStore::database()) and the scheduler
    // that made its cards. An invalid connection gives empty figures.
    Statistics(const QSqlDatabase &db, const Scheduler &scheduler);

    // The figures for the list of word keys (see wordKey) at a time. Throws vocabrix::error
    // (database) when the file cannot be read.
    ProgressFigures figures(const QStringList &wordKeys, const QDateTime &now,
                            std::optional<QDate> examDate) const;

private:
    void ensureCache();
    QString activitySource() const;
    void wordFigures(ProgressFigures &result, const QString &list, const QDateTime &now,
                     std::optional<QDate> examDate) const;
    void forecast(ProgressFigures &result, const QString &list, const QDate &today) const;
    void hardest(ProgressFigures &result, const QString &list) const;
    void activity(ProgressFigures &result, const QDate &today) const;
    void streaks(ProgressFigures &result, const QDate &today) const;

    QSqlDatabase db;
    const Scheduler &fsrs;
    bool cached = false;
};

} // namespace learning
