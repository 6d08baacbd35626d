// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learning/fitmodel.h"
#include "learning/fsrs.h"
#include "learning/review.h"

#include <QList>
#include <algorithm>
#include <cmath>
#include <random>

// A learner whose memory follows FSRS-6 with parameters of their own, studying words that a
// scheduler with the default parameters brings back, as the program does before a fit: each
// answer is drawn against the recall the learner's own parameters predict then (after whole
// days, as the model counts them; within the day, by the hour). For the tests of the fit and
// its benchmarks.
struct SimulatedLearner
{
    learning::Parameters parameters = learning::SchedulerOptions::defaultParameters;
    int words = 300;
    int newWordsPerDay = 20;
    int days = 90;
    double firstMissed = 0.4; // the chance that a new word's first answer is wrong
    std::uint64_t seed = 1;
};

// A uniform value in [0, 1), the same from the same generator on every library.
inline double uniformDraw(std::mt19937_64 &generator)
{
    return double(generator() >> 11) * 0x1.0p-53;
}

// Parameters of a learner unlike the average one: each moved at random within FSRS-6's range.
inline learning::Parameters unusualParameters(std::uint64_t seed)
{
    std::mt19937_64 generator(seed);
    learning::Parameters w = learning::SchedulerOptions::defaultParameters;
    const auto spread = [&](double low, double high) {
        return low + (high - low) * uniformDraw(generator);
    };
    // Quicker or slower to learn than most, and forgetting along a curve of another shape.
    const double pace = (generator() & 1 ? 1.0 : -1.0) * spread(1.0, 1.6);
    for (int i = 0; i < 4; ++i)
        w[i] *= std::exp(pace);
    w[4] = spread(4.5, 8.0);
    w[8] += pace * spread(0.4, 0.7);
    w[9] = spread(0.05, 0.3);
    w[10] = spread(0.5, 1.5);
    w[11] = spread(0.8, 2.5);
    w[13] = spread(0.1, 0.5);
    w[14] = spread(0.8, 2.4);
    w[20] = spread(0.3, 0.7);
    return w;
}

inline QList<learning::Review> simulateAnswers(const SimulatedLearner &learner)
{
    using namespace learning;
    using namespace std::chrono;
    std::mt19937_64 generator(learner.seed);
    const Scheduler memory(SchedulerOptions{.parameters = learner.parameters, .fuzz = false});
    const Scheduler program(SchedulerOptions{.fuzz = false});
    const Time start = Time(milliseconds(1704096000000)); // 2024-01-01 08:00 UTC
    const Time end = start + days(learner.days);
    QList<Review> answers;
    for (int word = 0; word < learner.words; ++word) {
        const QString key = QStringLiteral("word%1").arg(word);
        Time time = start + days(word / std::max(1, learner.newWordsPerDay)) + minutes(word % 60);
        Card remembered, scheduled;
        while (time < end) {
            bool recalled = uniformDraw(generator) >= learner.firstMissed;
            if (remembered.state != CardState::New) {
                const auto elapsed = time - remembered.lastReview;
                const auto whole = floor<days>(elapsed);
                const Time asCounted = whole.count() >= 1 ? remembered.lastReview + whole : time;
                recalled = uniformDraw(generator) < memory.retrievability(remembered, asCounted);
            }
            Rating rating = recalled ? Rating::Good : Rating::Again;
            if (recalled) {
                const double manner = uniformDraw(generator);
                rating = manner < 0.1 ? Rating::Hard : manner < 0.15 ? Rating::Easy : Rating::Good;
            }
            answers << Review{key, time, rating, QStringLiteral("study"), QStringLiteral("gre.xml"),
                              3000};
            remembered = memory.review(remembered, rating, time);
            scheduled = program.review(scheduled, rating, time);
            time = scheduled.due;
            if (scheduled.due - scheduled.lastReview >= days(1))
                time += minutes(int(uniformDraw(generator) * 600)); // some time that day
        }
    }
    return answers;
}
