// SPDX-License-Identifier: GPL-3.0-or-later
#include "fsrs.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <optional>

namespace learning {

namespace {

using std::chrono::milliseconds;
using Steps = std::vector<std::chrono::minutes>;

constexpr double minimumStability = 0.001;
constexpr double minimumDifficulty = 1.0;
constexpr double maximumDifficulty = 10.0;

int grade(Rating rating)
{
    return static_cast<int>(rating);
}

double clampDifficulty(double difficulty)
{
    return std::clamp(difficulty, minimumDifficulty, maximumDifficulty);
}

// Python's round(): halves go to the even neighbour. The reference results depend on it.
double roundHalfEven(double value)
{
    return std::nearbyint(value);
}

// A uniform value in [0, 1) from a 64-bit seed (splitmix64's finaliser).
double uniform(quint64 seed)
{
    seed += 0x9e3779b97f4a7c15ULL;
    seed = (seed ^ (seed >> 30)) * 0xbf58476d1ce4e5b9ULL;
    seed = (seed ^ (seed >> 27)) * 0x94d049bb133111ebULL;
    seed ^= seed >> 31;
    return double(seed >> 11) * 0x1.0p-53;
}

// Moves a learning or relearning card along its steps: the wait before the next showing, or
// nothing once the card graduates to review.
std::optional<milliseconds> nextStep(Card &card, Rating rating, const Steps &steps)
{
    const int count = int(steps.size());
    if (count == 0 || (card.step >= count && rating != Rating::Again))
        return std::nullopt;
    switch (rating) {
    case Rating::Again:
        card.step = 0;
        return milliseconds(steps.front());
    case Rating::Hard:
        if (card.step > 0)
            return milliseconds(steps[card.step]);
        return count == 1 ? milliseconds(steps[0]) * 3 / 2
                          : (milliseconds(steps[0]) + milliseconds(steps[1])) / 2;
    case Rating::Good:
        if (card.step + 1 >= count)
            return std::nullopt;
        ++card.step;
        return milliseconds(steps[card.step]);
    case Rating::Easy:
        break;
    }
    return std::nullopt;
}

} // namespace

Scheduler::Scheduler(SchedulerOptions options)
    : settings(std::move(options)), decay(-settings.parameters[20]),
      factor(std::pow(0.9, 1.0 / decay) - 1.0)
{
}

double Scheduler::recallAfterDays(const Card &card, double days) const
{
    return std::pow(1.0 + factor * days / card.stability, decay);
}

double Scheduler::retrievability(const Card &card, Time time) const
{
    if (card.state == CardState::New)
        return 0.0;
    const double days =
        std::chrono::duration<double, std::ratio<86400>>(time - card.lastReview).count();
    return recallAfterDays(card, std::max(0.0, days));
}

double Scheduler::initialDifficulty(Rating rating) const
{
    const auto &w = settings.parameters;
    return w[4] - std::exp(w[5] * (grade(rating) - 1)) + 1.0;
}

double Scheduler::nextDifficulty(double difficulty, Rating rating) const
{
    const auto &w = settings.parameters;
    const double delta = -w[6] * (grade(rating) - 3);
    const double damped = difficulty + delta * (10.0 - difficulty) / 9.0;
    // Mean reversion towards the (unclamped) first difficulty of an Easy answer.
    return clampDifficulty(w[7] * initialDifficulty(Rating::Easy) + (1.0 - w[7]) * damped);
}

double Scheduler::shortTermStability(double stability, Rating rating) const
{
    const auto &w = settings.parameters;
    double increase = std::exp(w[17] * (grade(rating) - 3 + w[18])) * std::pow(stability, -w[19]);
    // Remembering, even with effort, never makes a memory weaker (fsrs-rs and ts-fsrs 5; the
    // first FSRS-6 releases spared only Good and Easy).
    if (rating != Rating::Again)
        increase = std::max(increase, 1.0);
    return std::max(stability * increase, minimumStability);
}

double Scheduler::nextStability(const Card &card, double recall, Rating rating) const
{
    const auto &w = settings.parameters;
    const double s = card.stability;
    const double d = card.difficulty;
    double next;
    if (rating == Rating::Again) {
        const double longTerm = w[11] * std::pow(d, -w[12]) * (std::pow(s + 1.0, w[13]) - 1.0) *
                                std::exp((1.0 - recall) * w[14]);
        const double shortTerm = s / std::exp(w[17] * w[18]);
        next = std::min(longTerm, shortTerm);
    } else {
        const double hardPenalty = rating == Rating::Hard ? w[15] : 1.0;
        const double easyBonus = rating == Rating::Easy ? w[16] : 1.0;
        next = s * (1.0 + std::exp(w[8]) * (11.0 - d) * std::pow(s, -w[9]) *
                              (std::exp((1.0 - recall) * w[10]) - 1.0) * hardPenalty * easyBonus);
    }
    return std::max(next, minimumStability);
}

void Scheduler::updateMemory(Card &card, Rating rating, Time time) const
{
    if (card.state == CardState::New) {
        card.stability = std::max(settings.parameters[grade(rating) - 1], minimumStability);
        card.difficulty = clampDifficulty(initialDifficulty(rating));
        return;
    }
    // Whole days, counted as the reference scheduler counts them.
    const auto days = std::chrono::floor<std::chrono::days>(time - card.lastReview).count();
    if (days < 1)
        card.stability = shortTermStability(card.stability, rating);
    else
        card.stability = nextStability(card, recallAfterDays(card, double(days)), rating);
    card.difficulty = nextDifficulty(card.difficulty, rating);
}

int Scheduler::intervalDays(double stability) const
{
    const double days =
        stability / factor * (std::pow(settings.desiredRetention, 1.0 / decay) - 1.0);
    return int(std::clamp(roundHalfEven(days), 1.0, double(settings.maximumInterval)));
}

// Spreads reviews over nearby days so that words learnt together do not stay together.
int Scheduler::fuzzedDays(int days, quint64 seed) const
{
    if (days < 3)
        return days;
    struct Range
    {
        double start, end, factor;
    };
    constexpr Range ranges[] = {{2.5, 7.0, 0.15}, {7.0, 20.0, 0.1}, {20.0, 1e300, 0.05}};
    double delta = 1.0;
    for (const Range &range : ranges)
        delta += range.factor * std::max(std::min(double(days), range.end) - range.start, 0.0);
    int high = std::min(int(roundHalfEven(days + delta)), settings.maximumInterval);
    int low = std::min(std::max(2, int(roundHalfEven(days - delta))), high);
    return low + int(uniform(seed) * (high - low + 1));
}

Card Scheduler::review(const Card &card, Rating rating, Time time, quint64 fuzzSeed) const
{
    Card next = card;
    updateMemory(next, rating, time);
    std::optional<milliseconds> wait;
    switch (card.state) {
    case CardState::New:
    case CardState::Learning:
        next.state = CardState::Learning;
        wait = nextStep(next, rating, settings.learningSteps);
        break;
    case CardState::Review:
        if (rating == Rating::Again) {
            ++next.lapses;
            if (!settings.relearningSteps.empty()) {
                next.state = CardState::Relearning;
                next.step = 0;
                wait = milliseconds(settings.relearningSteps.front());
            }
        }
        break;
    case CardState::Relearning:
        wait = nextStep(next, rating, settings.relearningSteps);
        break;
    }
    if (!wait) {
        next.state = CardState::Review;
        next.step = 0;
        int days = intervalDays(next.stability);
        if (settings.fuzz)
            days = fuzzedDays(days, fuzzSeed);
        wait = std::chrono::days(days);
    }
    next.due = time + *wait;
    next.lastReview = time;
    ++next.reps;
    return next;
}

QString Scheduler::fingerprint() const
{
    // The first part names the formulas' revision: a new one makes the store replay every
    // memory the old formulas computed.
    QStringList parts{QStringLiteral("fsrs6.2")};
    for (double w : settings.parameters)
        parts << QString::number(w, 'g', 17);
    parts << QString::number(settings.desiredRetention, 'g', 17);
    const auto steps = [](const Steps &list) {
        QStringList minutes;
        for (auto step : list)
            minutes << QString::number(step.count());
        return minutes.join(QLatin1Char('/'));
    };
    parts << steps(settings.learningSteps) << steps(settings.relearningSteps)
          << QString::number(settings.maximumInterval)
          << (settings.fuzz ? QStringLiteral("fuzz") : QStringLiteral("exact"));
    return parts.join(QLatin1Char(' '));
}

} // namespace learning
