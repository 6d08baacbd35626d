// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fitmath.h"

#include <array>

// FSRS-6's memory model as the fit computes it: the formulas of Scheduler (fsrs.cpp) on a word's
// stability and difficulty, over plain numbers to predict recall and over Duals to find how the
// prediction moves with each parameter.
namespace learning {

using Parameters = std::array<double, fitmath::parameterCount>;

template <typename Number> class MemoryModel
{
public:
    struct State
    {
        Number stability;
        Number difficulty;
    };

    explicit MemoryModel(const std::array<Number, fitmath::parameterCount> &parameters);

    // The memory after a word's first answer, rated 1 (Again) to 4 (Easy).
    State first(int rating) const;
    // The memory after an answer given `days` whole days after the one before (0: the same day).
    void answer(State &state, int days, int rating) const;
    // The chance of recall `days` days after the last answer.
    Number recall(const State &state, int days) const;

private:
    static constexpr double minimumStability = 0.001;

    std::array<Number, fitmath::parameterCount> w;
    Number decay;
    Number factor;
    Number meanReversion;                    // w7 times the first difficulty of an Easy answer
    Number failureDivisor;                   // e^(w17 w18)
    std::array<Number, 5> shortTermGrowth{}; // by rating: e^(w17 (rating - 3 + w18))
    std::array<Number, 5> firstDifficulty{}; // by rating, unclamped
};

template <typename Number>
MemoryModel<Number>::MemoryModel(const std::array<Number, fitmath::parameterCount> &parameters)
    : w(parameters), decay(-w[20]), factor(fitmath::exp(fitmath::log(0.9) / decay) - 1.0),
      meanReversion(w[7] * (w[4] - fitmath::exp(w[5] * 3.0) + 1.0)),
      failureDivisor(fitmath::exp(w[17] * w[18]))
{
    for (int rating = 1; rating <= 4; ++rating) {
        shortTermGrowth[rating] = fitmath::exp(w[17] * (w[18] + double(rating - 3)));
        firstDifficulty[rating] = w[4] - fitmath::exp(w[5] * double(rating - 1)) + 1.0;
    }
}

template <typename Number>
typename MemoryModel<Number>::State MemoryModel<Number>::first(int rating) const
{
    using fitmath::atLeast, fitmath::atMost;
    return {atLeast(w[rating - 1], minimumStability),
            atMost(atLeast(firstDifficulty[rating], 1.0), 10.0)};
}

template <typename Number> Number MemoryModel<Number>::recall(const State &state, int days) const
{
    return fitmath::exp(decay * fitmath::log(1.0 + factor * double(days) / state.stability));
}

template <typename Number>
void MemoryModel<Number>::answer(State &state, int days, int rating) const
{
    using fitmath::atLeast, fitmath::atMost, fitmath::exp, fitmath::log;
    const Number &s = state.stability;
    const Number &d = state.difficulty;
    Number next;
    if (days < 1) {
        Number growth = shortTermGrowth[rating] * exp(-w[19] * log(s));
        // Remembering, even with effort, never makes a memory weaker.
        if (rating != 1)
            growth = atLeast(growth, 1.0);
        next = s * growth;
    } else if (rating == 1) {
        const Number recalled = recall(state, days);
        const Number longTerm = w[11] * exp(-w[12] * log(d)) * (exp(w[13] * log(s + 1.0)) - 1.0) *
                                exp((1.0 - recalled) * w[14]);
        next = atMost(longTerm, s / failureDivisor);
    } else {
        const Number recalled = recall(state, days);
        Number gain =
            exp(w[8]) * (11.0 - d) * exp(-w[9] * log(s)) * (exp((1.0 - recalled) * w[10]) - 1.0);
        if (rating == 2)
            gain = gain * w[15];
        else if (rating == 4)
            gain = gain * w[16];
        next = s * (1.0 + gain);
    }
    const Number damped = d - w[6] * double(rating - 3) * (10.0 - d) / 9.0;
    state.difficulty = atMost(atLeast(meanReversion + (1.0 - w[7]) * damped, 1.0), 10.0);
    state.stability = atLeast(next, minimumStability);
}

} // namespace learning
