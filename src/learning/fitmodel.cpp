// SPDX-License-Identifier: GPL-3.0-or-later
#include "fitmodel.h"

#include "fitmath.h"

#include <algorithm>

namespace learning {

using fitmath::exp;
using fitmath::log;

// What one answer's step computed, kept for the pass back.
struct MemoryModel::Step
{
    State before{};
    int days = 0;
    int rating = 3;
    double next = 0;          // the stability, before its floor
    double rawDifficulty = 0; // the difficulty, before its bounds
    double recalled = 1;      // the recall the answer met, a day or more later
    // The same day: the growth of stability, before it is raised to 1 for a remembered word.
    double shortTermGrowth = 1;
    bool raised = false;
    // Forgotten a day or more later: the long-term stability's factors, or the short-term floor.
    double lapseScale = 0;  // w11 d^-w12
    double lapseGrowth = 0; // (s + 1)^w13
    double lapseRecall = 0; // e^((1 - R) w14)
    bool shortTermFloor = false;
    // Remembered a day or more later: the gain's factors.
    double gainScale = 0;  // e^w8 (11 - d) s^-w9
    double gainRecall = 0; // e^((1 - R) w10)
    double bonus = 1;      // w15 for Hard, w16 for Easy
};

MemoryModel::MemoryModel(const Parameters &parameters)
    : w(parameters), decay(-w[20]), factor(exp(log(0.9) / decay) - 1.0),
      easyDifficulty(w[4] - exp(w[5] * 3.0) + 1.0), easyDifficultySlope(-3.0 * exp(w[5] * 3.0)),
      failureDivisor(exp(w[17] * w[18])), growth(exp(w[8]))
{
    for (int rating = 1; rating <= 4; ++rating) {
        shortTermGrowth[rating] = exp(w[17] * (w[18] + double(rating - 3)));
        firstDifficulty[rating] = w[4] - exp(w[5] * double(rating - 1)) + 1.0;
        firstDifficultySlope[rating] = -double(rating - 1) * exp(w[5] * double(rating - 1));
    }
}

MemoryModel::State MemoryModel::first(int rating) const
{
    return {std::max(w[rating - 1], minimumStability),
            std::min(std::max(firstDifficulty[rating], 1.0), 10.0)};
}

double MemoryModel::recall(const State &state, int days) const
{
    return exp(decay * log(1.0 + factor * double(days) / state.stability));
}

MemoryModel::Step MemoryModel::step(const State &state, int days, int rating) const
{
    Step step;
    step.before = state;
    step.days = days;
    step.rating = rating;
    const double s = state.stability;
    const double d = state.difficulty;
    if (days < 1) {
        step.shortTermGrowth = shortTermGrowth[rating] * exp(-w[19] * log(s));
        // Remembering, even with effort, never makes a memory weaker.
        step.raised = rating != 1 && step.shortTermGrowth < 1.0;
        step.next = s * (step.raised ? 1.0 : step.shortTermGrowth);
    } else if (rating == 1) {
        step.recalled = recall(state, days);
        step.lapseScale = w[11] * exp(-w[12] * log(d));
        step.lapseGrowth = exp(w[13] * log(s + 1.0));
        step.lapseRecall = exp((1.0 - step.recalled) * w[14]);
        const double longTerm = step.lapseScale * (step.lapseGrowth - 1.0) * step.lapseRecall;
        const double shortTerm = s / failureDivisor;
        step.shortTermFloor = longTerm > shortTerm;
        step.next = step.shortTermFloor ? shortTerm : longTerm;
    } else {
        step.recalled = recall(state, days);
        step.gainScale = growth * (11.0 - d) * exp(-w[9] * log(s));
        step.gainRecall = exp((1.0 - step.recalled) * w[10]);
        step.bonus = rating == 2 ? w[15] : rating == 4 ? w[16] : 1.0;
        step.next = s * (1.0 + step.gainScale * (step.gainRecall - 1.0) * step.bonus);
    }
    const double damped = d - w[6] * double(rating - 3) * (10.0 - d) / 9.0;
    step.rawDifficulty = w[7] * easyDifficulty + (1.0 - w[7]) * damped;
    return step;
}

void MemoryModel::answer(State &state, int days, int rating) const
{
    const Step taken = step(state, days, rating);
    state.stability = std::max(taken.next, minimumStability);
    state.difficulty = std::min(std::max(taken.rawDifficulty, 1.0), 10.0);
}

// How the recall after `days` moves with the stability and with w20, the decay.
void MemoryModel::recallSlopes(const State &state, int days, double &byStability,
                               double &byDecay) const
{
    const double share = double(days) / state.stability;
    const double base = 1.0 + factor * share;
    const double recalled = exp(decay * log(base));
    byStability = recalled * decay / base * (-factor * share / state.stability);
    byDecay = recalled * (-log(base) + share / base * (factor + 1.0) * log(0.9) / decay);
}

double MemoryModel::recallGradient(std::span<const ModelAnswer> answers, int days,
                                   Parameters &slopes, std::vector<State> &states) const
{
    states.clear();
    State state = first(answers[0].rating);
    states.push_back(state);
    for (std::size_t i = 1; i < answers.size(); ++i) {
        answer(state, answers[i].days, answers[i].rating);
        states.push_back(state);
    }
    slopes.fill(0.0);
    State adjoint{};
    recallSlopes(state, days, adjoint.stability, slopes[20]);
    for (std::size_t i = answers.size() - 1; i >= 1; --i)
        adjoint = back(step(states[i - 1], answers[i].days, answers[i].rating), adjoint, slopes);
    backFirst(answers[0].rating, adjoint, slopes);
    return recall(state, days);
}

void MemoryModel::backFirst(int rating, const State &adjoint, Parameters &slopes) const
{
    if (w[rating - 1] >= minimumStability)
        slopes[rating - 1] += adjoint.stability;
    if (firstDifficulty[rating] >= 1.0 && firstDifficulty[rating] <= 10.0) {
        slopes[4] += adjoint.difficulty;
        slopes[5] += adjoint.difficulty * firstDifficultySlope[rating];
    }
}

// The adjoints of the memory before a step from those after it, and the step's share of the
// slopes by the parameters.
MemoryModel::State MemoryModel::back(const Step &step, const State &adjoint,
                                     Parameters &slopes) const
{
    State before{0.0, 0.0};
    const double s = step.before.stability;
    const double d = step.before.difficulty;
    const double rating = step.rating - 3;
    if (step.rawDifficulty >= 1.0 && step.rawDifficulty <= 10.0) {
        const double a = adjoint.difficulty;
        const double damped = d - w[6] * rating * (10.0 - d) / 9.0;
        before.difficulty += a * (1.0 - w[7]) * (1.0 + w[6] * rating / 9.0);
        slopes[4] += a * w[7];
        slopes[5] += a * w[7] * easyDifficultySlope;
        slopes[6] -= a * (1.0 - w[7]) * rating * (10.0 - d) / 9.0;
        slopes[7] += a * (easyDifficulty - damped);
    }
    if (step.next < minimumStability)
        return before;
    const double a = adjoint.stability;
    double byRecall = 0; // how the new stability moves with the recall the answer met
    if (step.days < 1) {
        if (step.raised) {
            before.stability += a;
        } else {
            before.stability += a * step.shortTermGrowth * (1.0 - w[19]);
            slopes[17] += a * step.next * (rating + w[18]);
            slopes[18] += a * step.next * w[17];
            slopes[19] -= a * step.next * log(s);
        }
    } else if (step.rating == 1) {
        if (step.shortTermFloor) {
            before.stability += a / failureDivisor;
            slopes[17] -= a * step.next * w[18];
            slopes[18] -= a * step.next * w[17];
        } else {
            const double longTerm = step.next;
            const double scale = step.lapseScale * step.lapseRecall;
            before.stability += a * scale * w[13] * step.lapseGrowth / (s + 1.0);
            before.difficulty -= a * longTerm * w[12] / d;
            slopes[11] += a * longTerm / w[11];
            slopes[12] -= a * longTerm * log(d);
            slopes[13] += a * scale * step.lapseGrowth * log(s + 1.0);
            slopes[14] += a * longTerm * (1.0 - step.recalled);
            byRecall = -w[14] * longTerm;
        }
    } else {
        const double gain = step.gainScale * (step.gainRecall - 1.0) * step.bonus;
        before.stability += a * (1.0 + gain * (1.0 - w[9]));
        before.difficulty -= a * s * gain / (11.0 - d);
        slopes[8] += a * s * gain;
        slopes[9] -= a * s * gain * log(s);
        const double byGainRecall = s * step.gainScale * step.bonus * step.gainRecall;
        slopes[10] += a * byGainRecall * (1.0 - step.recalled);
        if (step.rating == 2)
            slopes[15] += a * s * step.gainScale * (step.gainRecall - 1.0);
        else if (step.rating == 4)
            slopes[16] += a * s * step.gainScale * (step.gainRecall - 1.0);
        byRecall = -byGainRecall * w[10];
    }
    if (byRecall != 0) {
        double byStability = 0, byDecay = 0;
        recallSlopes(step.before, step.days, byStability, byDecay);
        before.stability += a * byRecall * byStability;
        slopes[20] += a * byRecall * byDecay;
    }
    return before;
}

} // namespace learning
