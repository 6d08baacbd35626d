// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fitdata.h"
#include "fitmodel.h"

#include <vector>

namespace learning {

// How well a parameter set predicts the learner's answers: the benchmark's three figures.
struct ParameterFigures
{
    // The mean binary cross-entropy of the predicted recall: lower is better.
    double logLoss = 0;
    // Calibration: the answers are put in bins by their interval, their number of answers and
    // of lapses, as the reference optimizer bins them, and the predicted and the actual share
    // remembered are compared in each; the root of the mean squared difference, each bin
    // weighed by its answers. Lower is better.
    double rmseBins = 0;
    // How well the predictions rank remembered answers above forgotten ones: 0.5 is chance,
    // higher is better; not a number when the answers are all remembered or all forgotten.
    double auc = 0;
    qsizetype items = 0;
};

enum class Weighting {
    Even,
    // Later answers weigh more, from 0.25 for the first to 1 for the last, as the reference
    // optimizer trains and measures.
    Recency,
};

// The predicted recall is kept within [0.0001, 0.9999], where the loss of one answer stays
// finite, as the reference optimizer keeps it.
double boundedRecall(double recall);

// The weight of the item at `index` of `count` in time order.
double recencyWeight(qsizetype index, qsizetype count);

// The recall a parameter set predicts for each of some items, in their order.
std::vector<double> predictRecall(const FitData &data, const ItemList &items,
                                  const Parameters &parameters);

// The figures of a parameter set on some of the items (in time order).
ParameterFigures measure(const FitData &data, const ItemList &items, const Parameters &parameters,
                         Weighting weighting);

ItemList allItems(const FitData &data);

} // namespace learning
