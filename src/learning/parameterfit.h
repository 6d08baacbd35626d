// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fitdata.h"
#include "fitfigures.h"
#include "fitmodel.h"

#include <QString>
#include <atomic>
#include <functional>
#include <optional>

// Fitting FSRS-6's 21 parameters to the learner's own answers, the way the reference optimizer
// (fsrs-rs, which Anki uses) does: ARCHITECTURE.md says what was taken and what differs.
namespace learning {

// How far a fit is, for a progress bar, and whether it should stop. report is called from the
// thread that fits, with the share done in thousandths, each time that changes.
class FitControl
{
public:
    explicit FitControl(std::function<void(int permille)> report = {},
                        const std::atomic<bool> *stop = nullptr);

    bool stopped() const { return stop && stop->load(std::memory_order_relaxed); }
    // Part [from, to) of the whole is `done` of the way through.
    void advance(double from, double to, double done);

private:
    std::function<void(int permille)> report;
    const std::atomic<bool> *stop;
    int reported = -1;
};

// A fit needs at least this many items, answers given a day or more after the word's answer
// before, once outliers are set aside; with fewer the parameters stay the defaults.
constexpr int fewestFitItems = 8;

// What a fit changed.
enum class FitScope {
    Nothing,       // fewer than 8 items: the default parameters
    FirstAnswers,  // fewer than 64: the stabilities after a first answer, w0 to w3
    AllParameters, // all 21
};

struct FitResult
{
    Parameters parameters{};
    FitScope scope = FitScope::Nothing;
    qsizetype items = 0; // trained on, after outliers were set aside
};

// Fits the parameters to some of the items (in time order). The same items give the same
// parameters, bit for bit, on any machine. relearningSteps is the number of the scheduler's
// relearning steps, which bounds w17 and w18. Nothing when stopped through the control, whose
// part [from, to) it reports.
std::optional<FitResult> fitParameters(const FitData &data, const ItemList &items,
                                       int relearningSteps, FitControl &control, double from = 0,
                                       double to = 1);

// The parameters as FSRS-6 bounds them (the reference optimizer's bounds).
Parameters clampParameters(Parameters parameters, int relearningSteps);

// A fit weighed against the parameters in use, before anything is adopted.
struct FitComparison
{
    qint64 reviews = 0;
    qsizetype items = 0; // the answers the model predicts, of all the reviews
    Parameters current{};
    // Fitted to every item: what adoption would put in force.
    FitResult fitted;
    // The latest fifth of the items, by time. The current parameters and those fitted the same
    // way to the items before it are measured on it: figures of predictions made ahead of the
    // answers, as the learner's next answers will be.
    qsizetype heldOutItems = 0;
    ParameterFigures currentFigures;
    ParameterFigures fittedFigures;

    // The fit predicts the held-out answers better in both log loss and calibration.
    bool better() const;
    // How much smaller the calibration error of the fit is, as a share of the current one's.
    double improvement() const;
};

// Fits the parameters to the learner's answers and weighs them against the current ones;
// nothing when stopped.
std::optional<FitComparison> fitAndCompare(const FitData &data, const Parameters &current,
                                           int relearningSteps, FitControl &control);

// The comparison in plain words, for the learner.
QString describeFit(const FitComparison &fit);

} // namespace learning
