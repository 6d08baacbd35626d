// SPDX-License-Identifier: GPL-3.0-or-later
#include "fitfigures.h"

#include "fitmath.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numeric>
#include <tuple>

namespace learning {

namespace {

// The bin of x on a scale of powers of base: floor(log_base x).
int powerBin(double x, double base)
{
    return int(std::floor(fitmath::log(x) / fitmath::log(base)));
}

// Interval, answers and lapses, on the reference optimizer's scales.
std::tuple<int, int, int> calibrationBin(const FitData::Item &item)
{
    return {powerBin(item.days, 3.62), powerBin(item.longTermAnswers + 1, 1.89),
            item.lapses == 0 ? -1 : powerBin(item.lapses, 1.73)};
}

} // namespace

// Every word's answers are played once, whatever the order of the items.
std::vector<double> predictRecall(const FitData &data, const ItemList &items,
                                  const Parameters &parameters)
{
    const MemoryModel model(parameters);
    ItemList byWord = items;
    std::vector<qsizetype> slot(data.items().size());
    for (std::size_t i = 0; i < items.size(); ++i)
        slot[items[i]] = qsizetype(i);
    std::sort(byWord.begin(), byWord.end(), [&data](qsizetype a, qsizetype b) {
        const auto &x = data.items()[a];
        const auto &y = data.items()[b];
        return std::tie(x.word, x.position) < std::tie(y.word, y.position);
    });
    std::vector<double> recall(items.size());
    for (std::size_t i = 0; i < byWord.size();) {
        const int word = data.items()[byWord[i]].word;
        const auto answers = data.answers(word);
        auto state = model.first(answers[0].rating);
        int position = 1;
        for (; i < byWord.size() && data.items()[byWord[i]].word == word; ++i) {
            const auto &item = data.items()[byWord[i]];
            for (; position < item.position; ++position)
                model.answer(state, answers[position].days, answers[position].rating);
            recall[slot[byWord[i]]] = model.recall(state, item.days);
        }
    }
    return recall;
}

namespace {

double areaUnderCurve(const std::vector<double> &recall, const std::vector<bool> &recalled)
{
    std::vector<std::size_t> order(recall.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&recall](std::size_t a, std::size_t b) { return recall[a] < recall[b]; });
    double rankSum = 0; // of the remembered answers, ties sharing their mean rank
    double remembered = 0;
    for (std::size_t i = 0; i < order.size();) {
        std::size_t j = i;
        double tiedRemembered = 0;
        for (; j < order.size() && recall[order[j]] == recall[order[i]]; ++j)
            tiedRemembered += recalled[order[j]];
        rankSum += tiedRemembered * (double(i + j + 1) / 2.0);
        remembered += tiedRemembered;
        i = j;
    }
    const double forgotten = double(recall.size()) - remembered;
    if (remembered == 0 || forgotten == 0)
        return std::numeric_limits<double>::quiet_NaN();
    return (rankSum - remembered * (remembered + 1) / 2.0) / (remembered * forgotten);
}

} // namespace

double boundedRecall(double recall)
{
    return std::clamp(recall, 0.0001, 0.9999);
}

double recencyWeight(qsizetype index, qsizetype count)
{
    const double share = double(index) / double(std::max<qsizetype>(count - 1, 1));
    return 0.25 + 0.75 * share * share * share;
}

ItemList allItems(const FitData &data)
{
    ItemList items(data.items().size());
    std::iota(items.begin(), items.end(), qsizetype(0));
    return items;
}

ParameterFigures measure(const FitData &data, const ItemList &items, const Parameters &parameters,
                         Weighting weighting)
{
    ParameterFigures figures;
    figures.items = qsizetype(items.size());
    if (items.empty())
        return figures;
    const std::vector<double> recall = predictRecall(data, items, parameters);
    struct Bin
    {
        double predicted = 0, actual = 0, count = 0, weight = 0;
    };
    std::map<std::tuple<int, int, int>, Bin> bins;
    std::vector<bool> recalled(items.size());
    double loss = 0, weights = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const FitData::Item &item = data.items()[items[i]];
        const double weight = weighting == Weighting::Recency
                                  ? recencyWeight(qsizetype(i), qsizetype(items.size()))
                                  : 1.0;
        const double p = boundedRecall(recall[i]);
        recalled[i] = item.recalled;
        loss -= weight * (item.recalled ? fitmath::log(p) : fitmath::log(1.0 - p));
        weights += weight;
        Bin &bin = bins[calibrationBin(item)];
        bin.predicted += recall[i];
        bin.actual += item.recalled;
        bin.count += 1;
        bin.weight += weight;
    }
    figures.logLoss = loss / weights;
    double squares = 0;
    for (const auto &[key, bin] : bins) {
        const double difference = (bin.predicted - bin.actual) / bin.count;
        squares += difference * difference * bin.weight;
    }
    figures.rmseBins = std::sqrt(squares / weights);
    figures.auc = areaUnderCurve(recall, recalled);
    return figures;
}

} // namespace learning
