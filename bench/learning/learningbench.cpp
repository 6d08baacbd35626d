// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the learner's memory: one answer recorded, every word's state loaded at start,
// every state rebuilt from the log.

#include "learning/learnermemory.h"
#include "learning/timetext.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>

using namespace learning;

namespace {

const QDateTime start(QDate(2024, 1, 1), QTime(8, 0), Qt::UTC);

QString word(qint64 index)
{
    return QStringLiteral("word%1").arg(index);
}

// A progress file of count reviews spread over words words, a day apart for each word, about
// one answer in eight wrong. Built once per size, in one transaction.
QString fixture(qint64 count, qint64 words)
{
    static QTemporaryDir folder;
    static std::map<std::pair<qint64, qint64>, QString> built;
    QString &path = built[{count, words}];
    if (!path.isEmpty())
        return path;
    path = folder.filePath(QStringLiteral("progress-%1-%2.sqlite").arg(count).arg(words));
    QList<Review> reviews;
    reviews.reserve(count);
    for (qint64 i = 0; i < count; ++i) {
        const qint64 round = i / words;
        const Time time =
            toTime(start) + std::chrono::days(round) + std::chrono::seconds(i % words);
        const Rating rating = (i * 2654435761LL) % 8 == 0 ? Rating::Again : Rating::Good;
        reviews << Review{word(i % words),
                          time,
                          rating,
                          QStringLiteral("quiz"),
                          QStringLiteral("gre1.xml"),
                          2500};
    }
    LearnerMemory memory(path);
    memory.addReviews(reviews);
    return path;
}

void record_answer(benchmark::State &state)
{
    LearnerMemory memory(fixture(state.range(0), 32767));
    QDateTime time = start.addYears(5);
    qint64 i = 0;
    for (auto _ : state) {
        time = time.addSecs(7);
        benchmark::DoNotOptimize(memory.recordAnswer(word(++i % 32767), Rating::Good,
                                                     QStringLiteral("quiz"),
                                                     QStringLiteral("gre1.xml"), 1800, time));
    }
}

void load_cards(benchmark::State &state)
{
    const QString path = fixture(state.range(0) * 4, state.range(0));
    for (auto _ : state) {
        LearnerMemory memory(path);
        benchmark::DoNotOptimize(memory.loadCards());
    }
}

// Other scheduler options: the file is opened again and every card replayed.
void replay(benchmark::State &state)
{
    LearnerMemory memory(fixture(state.range(0), 32767));
    memory.reviewCount();
    double retention = 0.9;
    for (auto _ : state) {
        retention = retention == 0.9 ? 0.91 : 0.9;
        memory.setSchedulerOptions({.desiredRetention = retention});
        benchmark::DoNotOptimize(memory.reviewCount());
    }
}

} // namespace

BENCHMARK(record_answer)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(load_cards)->Arg(32767)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(replay)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
