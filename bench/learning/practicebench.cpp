// SPDX-License-Identifier: GPL-3.0-or-later
// A practice set drawn from the shipped list, as the window opens: the list's side lists read,
// the words seen read from a progress file of a few thousand reviews, ten questions built.

#include "core/dictionary.h"
#include "learning/learnermemory.h"
#include "learning/practiceset.h"
#include "learning/timetext.h"
#include "platform/services.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace learning;

namespace {

class FixedClock : public platform::Clock
{
public:
    QDateTime now() override { return QDateTime(QDate(2026, 12, 7), QTime(9, 0)); }
};

class CyclingRandom : public platform::Random
{
public:
    void randomize() override {}
    float rnd() override { return float((n = (n * 1103515245u + 12345u)) >> 8) / 16777216.0f; }
    quint32 n = 7;
};

// Six weeks of study: 800 words of the list, four answers each, one in eight wrong.
void practice_set(benchmark::State &state)
{
    core::Dictionary words(QStringLiteral(VOCABRIX_DATA_DIR));
    words.load(QStringLiteral("\\XML\\gre.xml"));
    QTemporaryDir folder;
    LearnerMemory memory(folder.filePath(QStringLiteral("progress.sqlite")));
    FixedClock clock;
    QList<Review> reviews;
    const QDateTime start = clock.now().addDays(-42);
    for (int answer = 0; answer < 4; ++answer)
        for (int word = 1; word <= 800; ++word)
            reviews << Review{words.word(word * 2),
                              toTime(start.addDays(answer * 10).addSecs(word * 7)),
                              (word * 31 + answer) % 8 == 0 ? Rating::Again : Rating::Good,
                              QStringLiteral("study"),
                              QStringLiteral("gre.xml"),
                              4000};
    memory.addReviews(reviews);
    CyclingRandom random;
    int size = 0, equivalences = 0;
    for (auto _ : state) {
        PracticeSet set(words, memory, clock, random);
        set.start();
        size = set.size();
        equivalences = 0;
        for (int i = 0; i < size; ++i)
            equivalences += set.card(i).format == StudyFormat::SentenceEquivalence ? 1 : 0;
    }
    state.counters["questions"] = size;
    state.counters["equivalences"] = equivalences;
    state.counters["reviews"] = double(memory.reviewCount());
}

} // namespace

BENCHMARK(practice_set)->Name("practice_set/build")->Unit(benchmark::kMillisecond)->UseRealTime();
