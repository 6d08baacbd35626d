// SPDX-License-Identifier: GPL-3.0-or-later
// "Will I be ready?" for the shipped list: the plan played forward 120 days, at the planned pace
// and at the learner's own, as Options redraws it while the date changes.

#include "core/dictionary.h"
#include "learning/forecast.h"
#include "learning/learnermemory.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace learning;

namespace {

void forecast_list(benchmark::State &state)
{
    core::Dictionary words(QStringLiteral(VOCABRIX_DATA_DIR));
    words.load(QStringLiteral("\\XML\\gre.xml"));
    QTemporaryDir folder;
    LearnerMemory memory(folder.filePath(QStringLiteral("progress.sqlite")));
    const QDateTime now(QDate(2026, 12, 7), QTime(9, 0));
    ForecastInput input = readForecastInput(memory, words, StudyPlan{}, now);
    // A learner of a week: 140 words started in 600 answers.
    input.recent = {RecentPace::days, 140, 600};
    for (auto _ : state)
        benchmark::DoNotOptimize(forecast(input));
    state.counters["words"] = double(input.cards.size());
}

} // namespace

BENCHMARK(forecast_list)->Name("forecast/2290")->Unit(benchmark::kMillisecond)->UseRealTime();
