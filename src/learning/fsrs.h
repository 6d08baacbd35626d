// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <chrono>
#include <vector>

// FSRS-6, the Free Spaced Repetition Scheduler: each word's memory is a stability (days until
// recall falls to 90 %) and a difficulty (1 to 10); each answer moves both and sets the next due
// time. Short learning and relearning steps come first, as learners know them from flash cards.
namespace learning {

using Time = std::chrono::sys_time<std::chrono::milliseconds>;

enum class Rating { Again = 1, Hard = 2, Good = 3, Easy = 4 };

enum class CardState { New = 0, Learning = 1, Review = 2, Relearning = 3 };

// A word's memory after the answers so far. A new card has no stability, difficulty or last
// review yet and is due at once.
struct Card
{
    CardState state = CardState::New;
    int step = 0; // the learning or relearning step the card is on
    double stability = 0;
    double difficulty = 0;
    Time due{};
    Time lastReview{};
    int lapses = 0; // answers Again while in review
    int reps = 0;   // answers so far

    bool operator==(const Card &) const = default;
};

struct SchedulerOptions
{
    static constexpr std::array<double, 21> defaultParameters{
        0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001,  1.8722, 0.1666, 0.796,
        1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};

    std::array<double, 21> parameters = defaultParameters;
    double desiredRetention = 0.9;
    std::vector<std::chrono::minutes> learningSteps{std::chrono::minutes(1),
                                                    std::chrono::minutes(10)};
    std::vector<std::chrono::minutes> relearningSteps{std::chrono::minutes(10)};
    int maximumInterval = 36500; // days
    bool fuzz = true;
};

class Scheduler
{
public:
    explicit Scheduler(SchedulerOptions options = {});

    // The card after an answer given at a time. The interval fuzz is drawn from fuzzSeed, so
    // the same history always gives the same card.
    Card review(const Card &card, Rating rating, Time time, quint64 fuzzSeed = 0) const;

    // The predicted chance of recall at a time: 1 just after a review, 0.9 when stability
    // days have passed, 0 for a card never reviewed.
    double retrievability(const Card &card, Time time) const;

    const SchedulerOptions &options() const { return settings; }
    // A text that changes whenever the options change what review() returns.
    QString fingerprint() const;

private:
    double recallAfterDays(const Card &card, double days) const;
    double initialDifficulty(Rating rating) const;
    double nextDifficulty(double difficulty, Rating rating) const;
    double shortTermStability(double stability, Rating rating) const;
    double nextStability(const Card &card, double recall, Rating rating) const;
    void updateMemory(Card &card, Rating rating, Time time) const;
    int intervalDays(double stability) const;
    int fuzzedDays(int days, quint64 seed) const;
    std::chrono::milliseconds stepInterval(Card &card, Rating rating,
                                           const std::vector<std::chrono::minutes> &steps) const;

    SchedulerOptions settings;
    double decay;
    double factor;
};

} // namespace learning
