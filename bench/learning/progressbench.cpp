// SPDX-License-Identifier: GPL-3.0-or-later
// Timing of the Progress window: opened on a list of 5000 words with a million answers stored,
// two years of them, its figures read afresh each time.

#include "../benchservices.h"
#include "core/dictionary.h"
#include "learning/learnermemory.h"
#include "learning/timetext.h"
#include "widgets/main/guardedapplication.h"
#include "widgets/progress/formprogress.h"

#include <QDir>
#include <benchmark/benchmark.h>
#include <cstdio>

using namespace widgets;

using namespace core;

using namespace learning;

namespace {

constexpr int listSize = 5000;

// count answers to the list's words, round after round, the last round yesterday, about one
// in eight wrong. Written once, with the figures' own cache made as a first opening makes it.
void fill(LearnerMemory &memory, const QStringList &words, qint64 count, const QDateTime &now)
{
    const qint64 rounds = (count + listSize - 1) / listSize;
    const QDateTime first = now.addDays(-730);
    QList<Review> reviews;
    reviews.reserve(count);
    for (qint64 i = 0; i < count; ++i) {
        const qint64 round = i / listSize;
        const QDateTime time = first.addSecs(round * 729 * 86400 / rounds + (i % listSize) * 5);
        const Rating rating = (i * 2654435761LL) % 8 == 0 ? Rating::Again : Rating::Good;
        reviews << Review{words[int(i % listSize)],  toTime(time), rating, QStringLiteral("quiz"),
                          QStringLiteral("gre.xml"), 2500};
    }
    memory.addReviews(reviews);
    memory.figures({}, now, std::nullopt);
}

void progress_open(benchmark::State &state)
{
    BenchServices bench;
    bench.writeDictionary(QStringLiteral("XML/gre.xml"), listSize);
    Dictionary words(bench.folder());
    words.load(QStringLiteral("\\XML\\gre.xml"));
    LearnerMemory memory(QDir(bench.folder()).filePath(QStringLiteral("progress/progress.sqlite")));
    const QDateTime now = bench.services().clock->now();
    fill(memory, words.words().mid(0, listSize), state.range(0), now);
    FormProgress window(memory, words, bench.services());
    for (auto _ : state) {
        window.open(now.date().addDays(30), 0.9);
        benchmark::DoNotOptimize(window.figures().meanRecall);
    }
    state.counters["words"] = double(window.figures().words);
}

} // namespace

BENCHMARK(progress_open)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv)
{
    // The offscreen platform says at every opening that it cannot raise a window.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &message) {
        if (!message.startsWith(QLatin1String("This plugin does not support")))
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    GuardedApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
