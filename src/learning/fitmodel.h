// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>
#include <vector>

// FSRS-6's memory model as the fit computes it: the formulas of Scheduler (fsrs.cpp) on a word's
// stability and difficulty, and their derivatives by the 21 parameters.
namespace learning {

using Parameters = std::array<double, 21>;

// One of a word's answers: whole days since the answer before (0 the same day), rating 1 to 4.
struct ModelAnswer
{
    int days = 0;
    int rating = 3;
};

class MemoryModel
{
public:
    struct State
    {
        double stability;
        double difficulty;
    };

    explicit MemoryModel(const Parameters &parameters);

    // The memory after a word's first answer.
    State first(int rating) const;
    // The memory after an answer given `days` whole days after the one before (0: the same day).
    void answer(State &state, int days, int rating) const;
    // The chance of recall `days` days after the last answer.
    double recall(const State &state, int days) const;

    // The chance of recall `days` days after the last of some answers (the first of them a
    // word's first), and in `slopes` its derivative by each parameter: a pass forward through
    // the answers, then one back (reverse-mode differentiation of the formulas above, written
    // out). `states` is room the pass reuses.
    double recallGradient(std::span<const ModelAnswer> answers, int days, Parameters &slopes,
                          std::vector<State> &states) const;

private:
    struct Step; // what a step computed, again for the pass back

    Step step(const State &state, int days, int rating) const;
    void recallSlopes(const State &state, int days, double &bySlope, double &byDecay) const;
    void backFirst(int rating, const State &adjoint, Parameters &slopes) const;
    State back(const Step &step, const State &adjoint, Parameters &slopes) const;

    static constexpr double minimumStability = 0.001;

    Parameters w;
    double decay;
    double factor;
    double easyDifficulty;                   // the first difficulty of an Easy answer, unclamped
    double easyDifficultySlope;              // its derivative by w5
    double failureDivisor;                   // e^(w17 w18)
    double growth;                           // e^w8
    std::array<double, 5> shortTermGrowth{}; // by rating: e^(w17 (rating - 3 + w18))
    std::array<double, 5> firstDifficulty{}; // by rating, unclamped
    std::array<double, 5> firstDifficultySlope{}; // by rating, its derivative by w5
};

} // namespace learning
