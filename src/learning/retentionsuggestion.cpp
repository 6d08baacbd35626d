// SPDX-License-Identifier: GPL-3.0-or-later
#include "retentionsuggestion.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <chrono>
#include <cmath>

namespace learning {

namespace {

// Whole percents, as the Options window sets the retention, so that every suggestion is one the
// learner can choose (a step of 2.5 would suggest 77.5 %): 21 plays of the plan, about a third of
// a second of processor time for the shipped list three months before the exam
// (retention_search/2290), within the search's budget of a second.
constexpr int lowestPercent = 75, highestPercent = 95;

struct Played
{
    RetentionOutcome outcome;
    QList<double> runs;
};

Played playAt(const ForecastInput &input, double retention)
{
    const ForecastOutcome planned = forecast(atRetention(input, retention)).planned;
    return {{retention, planned.expected, planned.minutesPerDay}, planned.recalledByRun};
}

// What the runs' chance may make of the difference between two plays: twice the standard error
// of the difference, run by run (the same seeds play both, so most of the chance is common to
// the two and drops out).
double noise(const Played &one, const Played &other)
{
    const qsizetype runs = std::min(one.runs.size(), other.runs.size());
    if (runs < 2)
        return 0;
    double sum = 0, squares = 0;
    for (qsizetype i = 0; i < runs; ++i) {
        const double difference = one.runs[i] - other.runs[i];
        sum += difference;
        squares += difference * difference;
    }
    const double mean = sum / runs;
    const double variance = std::max(0.0, (squares - runs * mean * mean) / (runs - 1));
    return 2 * std::sqrt(variance / runs);
}

// The least gain worth a change: beyond the noise, a fiftieth of the words expected, and at
// least five words.
double leastGain(const Played &candidate, const Played &current)
{
    return std::max({noise(candidate, current), 0.02 * current.outcome.expected, 5.0});
}

} // namespace

ForecastInput atRetention(const ForecastInput &input, double retention)
{
    ForecastInput result = input;
    result.plan.desiredRetention = retention;
    result.scheduler.desiredRetention = retention;
    const double from = input.scheduler.desiredRetention;
    if (retention == from)
        return result;
    // FSRS's interval is the stability times (retention^(1 / decay) - 1), up to a constant: a
    // replay at another retention gives each word the same memory and its interval scaled by
    // this, in whole days (the interval's fuzz scaled with it).
    const double decay = -input.scheduler.parameters[20];
    const double scale = (std::pow(retention, 1 / decay) - 1) / (std::pow(from, 1 / decay) - 1);
    const double longest = input.scheduler.maximumInterval;
    using Days = std::chrono::duration<double, std::ratio<86400>>;
    for (Card &card : result.cards) {
        if (card.state != CardState::Review)
            continue;
        const double interval = Days(card.due - card.lastReview).count() * scale;
        card.due = card.lastReview +
                   std::chrono::days(int(std::clamp(std::round(interval), 1.0, longest)));
    }
    return result;
}

std::optional<RetentionSuggestion> suggestRetention(const ForecastInput &input,
                                                    const std::atomic_bool *stop)
{
    const auto exam = input.plan.examDate;
    if (!exam || *exam <= input.now.date() || input.cards.isEmpty())
        return std::nullopt;
    // Each retention is played at the learner's daily minutes as Study Today holds a day to
    // them: every review due, then the new words the minutes left leave room for. A retention
    // that asks more reviews than the minutes allow is not left out but leaves new words for
    // later, and so recalls fewer on the day: what a learner who follows Study Today at it
    // would find. (Study Today never holds a review back: a day whose reviews alone take longer
    // than the minutes takes longer, here as there.)
    ForecastInput planned = input;
    planned.recent = {}; // the plan's pace alone
    const double own = input.plan.desiredRetention;
    const int limit = input.plan.dailyMinutes;
    std::optional<Played> current;
    QList<Played> weighed;
    for (int percent = lowestPercent; percent <= highestPercent; ++percent) {
        if (stop && stop->load())
            return std::nullopt;
        const double retention = percent / 100.0;
        Played played = playAt(planned, retention);
        if (std::abs(retention - own) < 1e-9)
            current = played;
        weighed << std::move(played);
    }
    if (!current) // a retention between whole percents, or outside the range searched
        current = playAt(planned, own);

    RetentionSuggestion result;
    result.exam = *exam;
    result.dailyMinutes = limit;
    result.current = current->outcome;
    result.suggested = current->outcome;
    const auto recalled = [](const Played &played) { return played.outcome.expected; };
    const auto best = std::ranges::max_element(weighed, {}, recalled);
    // Of those the best is not clearly above, the one nearest the learner's own: the smallest
    // change, and not one the runs' chance picked out of a plateau.
    const auto distance = [own](const Played &played) {
        return std::abs(played.outcome.retention - own);
    };
    const Played *chosen = &*best;
    for (const Played &played : weighed) {
        if (recalled(*best) - recalled(played) < noise(*best, played) &&
            distance(played) < distance(*chosen))
            chosen = &played;
    }
    if (recalled(*chosen) - recalled(*current) >= leastGain(*chosen, *current))
        result.suggested = chosen->outcome;
    return result;
}

QString describeSuggestion(const RetentionSuggestion &suggestion)
{
    const QLocale locale;
    const auto percent = [](const RetentionOutcome &outcome) {
        return QString::number(std::lround(outcome.retention * 100));
    };
    const auto words = [&locale](const RetentionOutcome &outcome) {
        return locale.toString(qlonglong(std::llround(outcome.expected)));
    };
    const auto translate = [&suggestion](const char *text) {
        return QCoreApplication::translate("learning", text, nullptr, suggestion.dailyMinutes);
    };
    const bool limited = suggestion.dailyMinutes > 0;
    if (!suggestion.changes())
        return translate(
                   limited
                       ? QT_TRANSLATE_N_NOOP("learning", "At your %1 %: about %2 words recalled on "
                                                         "the exam day; no retention from 75 to "
                                                         "95 % recalls clearly more within your %n "
                                                         "minutes a day.")
                       : QT_TRANSLATE_NOOP("learning", "At your %1 %: about %2 words recalled on "
                                                       "the exam day; no retention from 75 to 95 % "
                                                       "recalls clearly more."))
            .arg(percent(suggestion.current), words(suggestion.current));
    return translate(
               limited ? QT_TRANSLATE_N_NOOP("learning", "At %1 % rather than %2 %: about %3 words "
                                                         "recalled on the exam day instead of %4, "
                                                         "within your %n minutes a day.")
                       : QT_TRANSLATE_NOOP("learning", "At %1 % rather than %2 %: about %3 words "
                                                       "recalled on the exam day instead of %4."))
        .arg(percent(suggestion.suggested), percent(suggestion.current),
             words(suggestion.suggested), words(suggestion.current));
}

} // namespace learning
