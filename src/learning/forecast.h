// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fsrs.h"
#include "studyplan.h"
#include "studyqueue.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <optional>

namespace core {
class Dictionary;
}

// "Will I be ready?": the study plan played forward day by day to the exam, with the learner's
// memory model answering each card, so the learner sees when every word will have been seen and
// how many words to expect to recall on the day, at the planned pace and at their own.
namespace learning {

class LearnerMemory;
class ProgressStore;

// How the learner has been studying lately, from the review log.
struct RecentPace
{
    static constexpr int days = 7; // today and the six days before
    int studyDays = 0;             // of those days, from the learner's first answer on
    int wordsStarted = 0;          // words of the list first answered in those days
    int answers = 0;               // in those days, every list
    int allWordsStarted = 0;       // words first answered in those days, every list
};

struct ForecastInput
{
    static constexpr int horizonDays = 120; // without an exam date

    QList<Card> cards; // one a word of the list; a card in state New was never answered
    SchedulerOptions scheduler;
    QDateTime now;
    StudyPlan plan;
    int startedToday = 0; // words of the list first answered today
    AnswerTimes times;    // as Study Today counts a day's minutes
    RecentPace recent;
    // The chance that the first answer to a word never seen is right (a good guess among five,
    // or a word known before).
    double firstAnswerRight = 0.5;
    int runs = 6;
    quint64 seed = 1;
};

// One way of studying played to the end.
struct ForecastOutcome
{
    // The day the last word is first answered; nullopt when that is not before the end.
    std::optional<QDate> everyWordSeen;
    QDate end; // the exam date, or the end of the horizon
    int words = 0;
    // The number of the list's words expected to be recalled on the end day (unseen words are
    // not), and the 10th and 90th percentiles around it.
    double expected = 0, low = 0, high = 0;
    // Means over the days new words come in (the minutes over all days when none do).
    double minutesPerDay = 0, newWordsPerDay = 0;
    int newWordsFirstDay = 0; // the new words of the first day
    // Each run's expected count, in the order of their seeds: two plays of inputs a little apart
    // (another retention) are compared run by run, since their runs start from the same draws.
    QList<double> recalledByRun;
};

struct Forecast
{
    // Today: the words of the list answered at least once, how many of them the learner is
    // expected to recall now, and those never seen.
    int seen = 0, unseen = 0;
    double recalledToday = 0;
    ForecastOutcome planned;
    // At the recent pace: nullopt when the learner has not studied in the recent days.
    std::optional<ForecastOutcome> recent;
};

// What the plan asks of a day, for the Options window.
struct Pacing
{
    int newWordsPerDay = 0;
    int minutesPerDay = 0;
    std::optional<QDate> everyWordSeen;
    // With a daily limit the plan asks more than: the day every word would be seen when each
    // day's limit is filled with reviews and then new words (nullopt: not within the horizon).
    bool overLimit = false;
    std::optional<QDate> doneAtLimit;
};

// The plan played forward; deterministic for a given input.
Forecast forecast(const ForecastInput &input);
Pacing pacing(const ForecastInput &input);

// The input for the words of a dictionary from the learner's memory (cards, answer times and
// recent pace), under a plan. Throws platform::Error when the memory cannot be read.
ForecastInput readForecastInput(LearnerMemory &memory, const core::Dictionary &words,
                                const StudyPlan &plan, const QDateTime &now);
// The same through a store opened read-only, for the memory report; as through the memory,
// what cannot be read counts as nothing.
ForecastInput readForecastInput(ProgressStore &store, const core::Dictionary &words,
                                const StudyPlan &plan, const QDateTime &now);

} // namespace learning
