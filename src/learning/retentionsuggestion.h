// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forecast.h"

#include <QDate>
#include <QString>
#include <atomic>
#include <optional>

// The desired retention that gets the most words into the exam: the plan played forward to the
// exam date at each retention from 75 to 95 %, with the learner's memory model, answer times and
// daily minutes, the words expected to be recalled on the day weighed against those at the
// plan's own retention.
namespace learning {

constexpr double lowestSuggestedRetention = 0.75, highestSuggestedRetention = 0.95;

// The plan played at one desired retention.
struct RetentionOutcome
{
    double retention = 0;
    double expected = 0;      // words of the list expected to be recalled on the exam day
    double minutesPerDay = 0; // as ForecastOutcome counts them
};

struct RetentionSuggestion
{
    QDate exam;
    int dailyMinutes = 0; // the plan's limit; 0: none
    RetentionOutcome current;
    // The current one again when no other retention clearly recalls more.
    RetentionOutcome suggested;

    bool changes() const { return suggested.retention != current.retention; }
};

// input.plan.desiredRetention is the retention weighed against (the Options window's box, which
// the learner may have changed); input.scheduler.desiredRetention the one the cards were
// scheduled with. The same input gives the same suggestion. nullopt without an exam date ahead,
// without words, or when stop was set before the search was through.
std::optional<RetentionSuggestion> suggestRetention(const ForecastInput &input,
                                                    const std::atomic_bool *stop = nullptr);

// The suggestion in a sentence: "At 85 % rather than 90 %: about 1,710 words recalled on the
// exam day instead of 1,650, within your 30 minutes a day."
QString describeSuggestion(const RetentionSuggestion &suggestion);

// The input played at another desired retention: the scheduler aims at it, and each word in
// review comes back when the program, replaying the learner's answers at it, would bring it back.
ForecastInput atRetention(const ForecastInput &input, double retention);

} // namespace learning
