// SPDX-License-Identifier: GPL-3.0-or-later
// Fitting the memory model to a learner's answers: what "Fit to my answers" and
// `vocabrix --memory-report --fit` wait for, from the answers read to the fit weighed against
// the parameters in use; and the figures of one parameter set.

#include "learning/parameterfit.h"
#include "simulatedlearner.h"

#include <benchmark/benchmark.h>
#include <map>

using namespace learning;

namespace {

// The first `count` answers of a learner who starts 20 words a day and forgets unlike most.
const QList<Review> &answers(qsizetype count)
{
    static std::map<qsizetype, QList<Review>> made;
    QList<Review> &list = made[count];
    if (list.isEmpty()) {
        const int words = int(count / 8);
        list = simulateAnswers({.parameters = unusualParameters(7),
                                .words = words,
                                .newWordsPerDay = 20,
                                .days = words / 20 + 60,
                                .seed = 7});
        std::sort(list.begin(), list.end(),
                  [](const Review &a, const Review &b) { return a.time < b.time; });
        list.resize(std::min(count, list.size()));
    }
    return list;
}

void fit(benchmark::State &state)
{
    const QList<Review> &reviews = answers(state.range(0));
    for (auto _ : state) {
        const FitData data(reviews);
        FitControl control;
        benchmark::DoNotOptimize(
            fitAndCompare(data, SchedulerOptions::defaultParameters, 1, control));
    }
    state.counters["items"] = double(FitData(reviews).items().size());
}

void evaluate(benchmark::State &state)
{
    const FitData data(answers(state.range(0)));
    const ItemList items = allItems(data);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            measure(data, items, SchedulerOptions::defaultParameters, Weighting::Recency));
}

} // namespace

BENCHMARK(fit)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(evaluate)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
