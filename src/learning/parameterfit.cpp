// SPDX-License-Identifier: GPL-3.0-or-later
// The fit: from where fitstart.h starts, Adam on the cross-entropy of the predicted recall with a
// pull towards the starting point, within FSRS-6's bounds; and the fit weighed before adoption.

#include "parameterfit.h"

#include "fitmath.h"
#include "fitstart.h"
#include "fsrs.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <random>

namespace learning {

namespace {

constexpr int parameterCount = int(Parameters().size());

constexpr Parameters defaults = SchedulerOptions::defaultParameters;

// The reference optimizer's settings.
constexpr int epochs = 5;
constexpr std::size_t batchSize = 512;
constexpr double learningRate = 0.04;
constexpr std::uint64_t seed = 2023;
constexpr int longestHistory = 64; // answers of an item, the one predicted included
constexpr double pull = 1.0;       // of the parameters towards the starting point
constexpr int fewestItemsForAll = 64;
// The spread of each parameter over many learners: the pull on each is in these units.
constexpr Parameters spread = {6.43, 9.66, 17.58, 27.85, 0.57, 0.28, 0.6,  0.12, 0.39, 0.18, 0.33,
                               0.3,  0.09, 0.16,  0.57,  0.25, 1.03, 0.31, 0.32, 0.14, 0.27};

struct WeightedItem
{
    qsizetype index;
    double weight;
};

// One item's weighted loss's gradient, added to the batch's.
void addGradient(const FitData &data, const MemoryModel &model, const WeightedItem &entry,
                 Parameters &gradient, std::vector<MemoryModel::State> &room)
{
    const FitData::Item &item = data.items()[entry.index];
    Parameters slopes;
    const double p =
        model.recallGradient(data.answers(item.word).first(item.position), item.days, slopes, room);
    if (!(p == boundedRecall(p)))
        return; // held at the bound, where the loss does not move with the parameters
    const double slope = entry.weight * (item.recalled ? -1.0 / p : 1.0 / (1.0 - p));
    for (int i = 0; i < parameterCount; ++i)
        gradient[i] += slope * slopes[i];
}

double penalty(const Parameters &w, const Parameters &start)
{
    double sum = 0;
    for (int i = 0; i < parameterCount; ++i) {
        const double difference = (w[i] - start[i]) / spread[i];
        sum += difference * difference;
    }
    return pull * sum;
}

// The loss over the training items, as the reference weighs each epoch's parameters.
double trainingLoss(const FitData &data, const std::vector<WeightedItem> &items,
                    const Parameters &w, const Parameters &start)
{
    ItemList list;
    list.reserve(items.size());
    for (const WeightedItem &item : items)
        list.push_back(item.index);
    const std::vector<double> recall = predictRecall(data, list, w);
    double sum = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const double p = boundedRecall(recall[i]);
        sum -= items[i].weight *
               (data.items()[items[i].index].recalled ? fitmath::log(p) : fitmath::log(1.0 - p));
    }
    return (sum + penalty(w, start)) / double(items.size());
}

// A uniform draw from [0, bound), the same from the same generator everywhere (the standard
// distributions differ between libraries).
std::uint64_t below(std::mt19937_64 &generator, std::uint64_t bound)
{
    const std::uint64_t threshold = (0 - bound) % bound;
    for (;;) {
        const std::uint64_t draw = generator();
        if (draw >= threshold)
            return draw % bound;
    }
}

// Adam with the learning rate falling along a cosine, the batches in a new order each epoch,
// keeping the parameters of the epoch with the least loss. Nothing when stopped.
std::optional<Parameters> train(const FitData &data, std::vector<WeightedItem> items,
                                const Parameters &start, int relearningSteps, FitControl &control,
                                double from, double to)
{
    // Items of similar length batched together, as the reference batches them.
    std::stable_sort(items.begin(), items.end(), [&data](const auto &a, const auto &b) {
        return data.items()[a.index].position < data.items()[b.index].position;
    });
    const std::size_t batches = (items.size() + batchSize - 1) / batchSize;
    const double steps = double((items.size() / batchSize + 1) * epochs);
    const double pi = 3.14159265358979323846;
    std::mt19937_64 generator(seed);
    std::vector<std::size_t> order(batches);
    std::vector<MemoryModel::State> room;

    Parameters w = start, best = start, moment{}, squares{};
    double leastLoss = std::numeric_limits<double>::infinity();
    double beta1Power = 1.0, beta2Power = 1.0;
    std::size_t step = 0;
    for (int epoch = 0; epoch < epochs; ++epoch) {
        for (std::size_t b = 0; b < batches; ++b)
            order[b] = b;
        for (std::size_t b = batches; b > 1; --b)
            std::swap(order[b - 1], order[below(generator, b)]);
        for (std::size_t done = 0; done < batches; ++done) {
            if (control.stopped())
                return std::nullopt;
            const std::size_t first = order[done] * batchSize;
            const std::size_t last = std::min(first + batchSize, items.size());
            const MemoryModel model(w);
            Parameters gradient{};
            for (std::size_t i = first; i < last; ++i)
                addGradient(data, model, items[i], gradient, room);
            const double share = double(last - first) / double(items.size());
            for (int i = 0; i < parameterCount; ++i)
                gradient[i] += pull * share * 2.0 * (w[i] - start[i]) / (spread[i] * spread[i]);

            const double rate =
                learningRate * (1.0 + fitmath::cos(pi * double(step) / steps)) / 2.0;
            ++step;
            beta1Power *= 0.9;
            beta2Power *= 0.999;
            for (int i = 0; i < parameterCount; ++i) {
                moment[i] = 0.9 * moment[i] + 0.1 * gradient[i];
                squares[i] = 0.999 * squares[i] + 0.001 * gradient[i] * gradient[i];
                const double corrected = moment[i] / (1.0 - beta1Power);
                const double correctedSquares = squares[i] / (1.0 - beta2Power);
                w[i] -= rate * corrected / (std::sqrt(correctedSquares) + 1e-8);
            }
            w = clampParameters(w, relearningSteps);
            control.advance(from, to,
                            (double(epoch) + double(done + 1) / double(batches)) / epochs);
        }
        const double loss = trainingLoss(data, items, w, start);
        if (loss < leastLoss) {
            leastLoss = loss;
            best = w;
        }
    }
    return best;
}

// Four decimal places, as the reference optimizer's parameters are shown and kept.
Parameters rounded(Parameters w, int relearningSteps)
{
    for (double &value : w)
        value = std::nearbyint(value * 10000.0) / 10000.0;
    return clampParameters(w, relearningSteps);
}

} // namespace

FitControl::FitControl(std::function<void(int)> report, const std::atomic<bool> *stop)
    : report(std::move(report)), stop(stop)
{
}

void FitControl::advance(double from, double to, double done)
{
    const int permille = int(1000.0 * (from + (to - from) * std::clamp(done, 0.0, 1.0)));
    if (permille != reported && report)
        report(permille);
    reported = permille;
}

Parameters clampParameters(Parameters w, int relearningSteps)
{
    constexpr std::pair<double, double> bounds[] = {
        {leastStability, mostFirstStability},
        {leastStability, mostFirstStability},
        {leastStability, mostFirstStability},
        {leastStability, mostFirstStability},
        {1.0, 10.0},
        {0.001, 4.0},
        {0.001, 4.0},
        {0.001, 0.75},
        {0.0, 4.5},
        {0.0, 0.8},
        {0.001, 3.5},
        {0.001, 5.0},
        {0.001, 0.25},
        {0.001, 0.9},
        {0.0, 4.0},
        {0.0, 1.0},
        {1.0, 6.0},
        {0.0, 2.0},
        {0.0, 2.0},
        {0.0, 0.8},
        {0.1, 0.8},
    };
    for (int i = 0; i < parameterCount; ++i)
        w[i] = std::isnan(w[i]) ? defaults[i] : std::clamp(w[i], bounds[i].first, bounds[i].second);
    // With several relearning steps, the same-day answers after a lapse must not give back
    // more stability than the lapse took.
    if (relearningSteps > 1) {
        const double room =
            -(fitmath::log(w[11]) + fitmath::log(fitmath::pow(2.0, w[13]) - 1.0) + w[14] * 0.3) /
            relearningSteps;
        const double ceiling = std::min(std::sqrt(std::max(room, 0.01)), 2.0);
        w[17] = std::min(w[17], ceiling);
        w[18] = std::min(w[18], ceiling);
    }
    return w;
}

std::optional<FitResult> fitParameters(const FitData &data, const ItemList &items,
                                       int relearningSteps, FitControl &control, double from,
                                       double to)
{
    FitResult result;
    result.parameters = defaults;
    const TrainingSets sets = setAsideOutliers(data, items);
    result.items = qsizetype(sets.all.size());
    if (sets.all.size() < std::size_t(fewestFitItems) || sets.firstLongTerm.empty()) {
        control.advance(from, to, 1.0);
        return result;
    }
    double remembered = 0;
    for (qsizetype index : sets.all)
        remembered += data.items()[index].recalled;
    const FirstStabilities first =
        firstStabilities(data, sets.firstLongTerm, remembered / double(sets.all.size()));
    Parameters start = defaults;
    std::copy(first.stability.begin(), first.stability.end(), start.begin());
    result.parameters = rounded(start, relearningSteps);
    result.scope = FitScope::FirstAnswers;
    if (sets.all.size() < fewestItemsForAll || sets.all.size() == sets.firstLongTerm.size()) {
        control.advance(from, to, 1.0);
        return result;
    }

    std::vector<WeightedItem> weighted;
    for (std::size_t i = 0; i < sets.all.size(); ++i) {
        const qsizetype index = sets.all[i];
        if (data.items()[index].position < longestHistory)
            weighted.push_back({index, recencyWeight(qsizetype(i), qsizetype(sets.all.size()))});
    }
    if (weighted.empty()) {
        control.advance(from, to, 1.0);
        return result;
    }
    std::optional<Parameters> trained =
        train(data, std::move(weighted), start, relearningSteps, control, from, to);
    if (!trained)
        return std::nullopt;
    // The trained first stabilities, ordered and filled in again from the ratings given first.
    std::map<int, double> stability;
    for (int rating = 1; rating <= 4; ++rating)
        stability[rating] = (*trained)[rating - 1];
    const auto filled = smoothAndFill(stability, first.counts);
    std::copy(filled.begin(), filled.end(), trained->begin());
    result.parameters = rounded(*trained, relearningSteps);
    result.scope = FitScope::AllParameters;
    return result;
}

bool FitComparison::better() const
{
    return fitted.scope != FitScope::Nothing && heldOutItems > 0 &&
           fittedFigures.logLoss < currentFigures.logLoss &&
           fittedFigures.rmseBins < currentFigures.rmseBins;
}

double FitComparison::improvement() const
{
    return currentFigures.rmseBins > 0 ? 1.0 - fittedFigures.rmseBins / currentFigures.rmseBins
                                       : 0.0;
}

std::optional<FitComparison> fitAndCompare(const FitData &data, const Parameters &current,
                                           int relearningSteps, FitControl &control)
{
    FitComparison comparison;
    comparison.reviews = data.reviewCount();
    comparison.current = current;
    const ItemList items = allItems(data);
    comparison.items = qsizetype(items.size());
    const auto split = items.end() - qsizetype(items.size() / 5);
    const ItemList earlier(items.begin(), split), later(split, items.end());
    comparison.heldOutItems = qsizetype(later.size());

    const auto ahead = fitParameters(data, earlier, relearningSteps, control, 0.0, 0.45);
    if (!ahead)
        return std::nullopt;
    const auto fitted = fitParameters(data, items, relearningSteps, control, 0.45, 0.98);
    if (!fitted)
        return std::nullopt;
    comparison.fitted = *fitted;
    comparison.currentFigures = measure(data, later, current, Weighting::Even);
    comparison.fittedFigures = measure(data, later, ahead->parameters, Weighting::Even);
    control.advance(0.98, 1.0, 1.0);
    return comparison;
}

QString describeFit(const FitComparison &fit)
{
    if (fit.fitted.scope == FitScope::Nothing)
        return QCoreApplication::translate(
            "learning", "There are too few answers to fit yet: it takes at least 8 answers each "
                        "given a day or more after the one before.");
    if (!fit.better())
        return QCoreApplication::translate("learning",
                                           "The fitted model does not predict your answers better "
                                           "than the one in use, which stays.");
    const int percent = int(std::lround(100.0 * fit.improvement()));
    if (percent < 1)
        return QCoreApplication::translate(
            "learning", "The fitted model predicts your answers slightly better than the one "
                        "in use.");
    return QCoreApplication::translate(
               "learning", "The fitted model predicts your answers %1 % better than the one in "
                           "use.")
        .arg(percent);
}

} // namespace learning
