// SPDX-License-Identifier: GPL-3.0-or-later
// "Will I be ready?" for the shipped list: the plan played forward 120 days, at the planned pace
// and at the learner's own, as Options redraws it while the date changes; and the plan played to
// an exam at each desired retention, for the one that gets the most words into it.

#include "core/dictionary.h"
#include "learning/forecast.h"
#include "learning/learnermemory.h"
#include "learning/retentionsuggestion.h"

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

// A learner starting the shipped list three months before the exam, with 30 minutes a day.
void retention_search(benchmark::State &state)
{
    core::Dictionary words(QStringLiteral(VOCABRIX_DATA_DIR));
    words.load(QStringLiteral("\\XML\\gre.xml"));
    QTemporaryDir folder;
    LearnerMemory memory(folder.filePath(QStringLiteral("progress.sqlite")));
    const QDateTime now(QDate(2026, 12, 7), QTime(9, 0));
    const StudyPlan plan{.examDate = now.date().addMonths(3), .dailyMinutes = 30};
    const ForecastInput input = readForecastInput(memory, words, plan, now);
    std::optional<RetentionSuggestion> found;
    for (auto _ : state)
        benchmark::DoNotOptimize(found = suggestRetention(input));
    state.counters["words"] = double(input.cards.size());
    state.counters["suggested"] = found ? found->suggested.retention : 0;
    state.counters["recalled"] = found ? found->suggested.expected : 0;
    state.counters["at_90"] = found ? found->current.expected : 0;
}

} // namespace

BENCHMARK(forecast_list)->Name("forecast/2290")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(retention_search)
    ->Name("retention_search/2290")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
