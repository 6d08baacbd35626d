// SPDX-License-Identifier: GPL-3.0-or-later
// The pairs of words confused most, as the Progress window and the memory report read them,
// from a log of 100,000 answers to a list of 5,000 words.

#include "learning/progressstore.h"
#include "learning/timetext.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace learning;

namespace {

constexpr int listSize = 5000;

// About one answer in eight wrong: by meaning, one of four look-alikes picked; one in five of
// them typed, a misspelling.
void confused_pairs(benchmark::State &state)
{
    QStringList keys;
    for (int i = 0; i < listSize; ++i)
        keys << QStringLiteral("word%1").arg(i);
    const QDateTime start(QDate(2025, 1, 1), QTime(8, 0), Qt::UTC);
    QList<Review> reviews;
    for (qint64 i = 0; i < state.range(0); ++i) {
        const int asked = int(i % listSize);
        const bool wrong = (i * 2654435761LL) % 8 == 0;
        Review review{keys[asked],
                      toTime(start.addSecs(i * 60)),
                      wrong ? Rating::Again : Rating::Good,
                      QStringLiteral("study"),
                      QStringLiteral("gre.xml"),
                      2500};
        if (wrong && i % 5 != 0) {
            review.wrongPick = keys[(asked + 1 + int(i / listSize) % 4) % listSize];
        } else if (wrong) {
            review.format = QStringLiteral("typed_recall");
            review.wrongPick = keys[asked] + QStringLiteral("x");
        }
        reviews << review;
    }
    QTemporaryDir folder;
    ProgressStore store(folder.filePath(QStringLiteral("progress.sqlite")));
    store.addReviews(reviews);
    qsizetype pairs = 0;
    for (auto _ : state)
        pairs = store.confusedPairs(keys).size();
    state.counters["pairs"] = double(pairs);
}

} // namespace

BENCHMARK(confused_pairs)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
