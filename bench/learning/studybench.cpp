// SPDX-License-Identifier: GPL-3.0-or-later
// Study Today's timings with a full dictionary and a million stored reviews: the day's queue
// built when the window opens, the next card after an answer, and the day's plan once the
// learner has answered for a while today.

#include "core/dictionary.h"
#include "learning/learnermemory.h"
#include "learning/studyplan.h"
#include "learning/studysession.h"
#include "learning/timetext.h"
#include "platform/services.h"
#include "platform/textfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace core;

using namespace learning;

namespace {

const QDateTime firstDay(QDate(2024, 1, 1), QTime(8, 0));

class SteadyClock : public platform::Clock
{
public:
    QDateTime now() override { return time = time.addMSecs(1500); }
    QDateTime time = firstDay.addDays(32);
};

class CyclingRandom : public platform::Random
{
public:
    void randomize() override {}
    float rnd() override { return float((n = (n * 1103515245u + 12345u)) >> 8) / 16777216.0f; }
    quint32 n = 7;
};

// A program folder with a dictionary of count words of four parts of speech and a progress file
// of reviews answers over them, a day apart for each word, about one in eight wrong.
struct StudyFolder
{
    StudyFolder(int count, qint64 reviews)
    {
        QDir(folder.path()).mkpath(QStringLiteral("XML"));
        QByteArray xml = "<GRE>\r\n";
        const char *parts[] = {"v.", "n.", "adj.", "adv."};
        for (int i = 0; i < count; ++i)
            xml += QStringLiteral("<word>word%1</word><meaning>(%2) meaning %1</meaning><usage>"
                                  "They word%1ed it twice.</usage>\r\n")
                       .arg(i)
                       .arg(QLatin1String(parts[i % 4]))
                       .toUtf8();
        platform::writeBytes(folder.filePath(QStringLiteral("XML/big.xml")), xml + "</GRE>\r\n");
        QList<Review> log;
        log.reserve(reviews);
        for (qint64 i = 0; i < reviews; ++i) {
            const Time time =
                toTime(firstDay) + std::chrono::days(i / count) + std::chrono::seconds(i % count);
            log << Review{QStringLiteral("word%1").arg(i % count),
                          time,
                          (i * 2654435761LL) % 8 == 0 ? Rating::Again : Rating::Good,
                          QStringLiteral("quiz"),
                          QStringLiteral("big.xml"),
                          2500};
        }
        LearnerMemory(progressFile()).addReviews(log);
    }
    QString progressFile() const { return folder.filePath(QStringLiteral("progress.sqlite")); }

    QTemporaryDir folder;
};

StudyFolder &studyFolder(int count)
{
    static StudyFolder made(count, 1000000);
    return made;
}

struct Study
{
    explicit Study(int count) : words(studyFolder(count).folder.path())
    {
        words.load(QStringLiteral("\\XML\\big.xml"));
    }
    Dictionary words;
    LearnerMemory memory{studyFolder(32767).progressFile()};
    SteadyClock clock;
    CyclingRandom random;
    StudySession session{words, memory, clock, random};
};

void study_queue(benchmark::State &state)
{
    Study study(int(state.range(0)));
    study.session.start(); // reads the dictionary's index once
    for (auto _ : state)
        study.session.start();
    state.counters["queue"] = double(study.session.queue().size());
}

void study_next(benchmark::State &state)
{
    Study study(int(state.range(0)));
    study.session.start();
    for (auto _ : state) {
        state.PauseTiming();
        if (study.session.phase() == StudySession::Phase::Finished)
            study.session.start();
        study.session.answer(study.session.rightChoice());
        state.ResumeTiming();
        study.session.next();
    }
}

// The plan's own reads: each word answered today with its card as the day began, and the
// learner's answer times, on a day of 500 answers (a day of its own for each run, as
// study_next answers on the first).
void study_plan(benchmark::State &state)
{
    static int run = 0;
    Study study(int(state.range(0)));
    study.clock.time = firstDay.addDays(40 + run++);
    study.session.start();
    for (int i = 0; i < 500; ++i) {
        if (study.session.phase() == StudySession::Phase::Finished)
            study.session.start();
        study.session.answer(study.session.rightChoice());
        study.session.next();
    }
    const QDate today = study.clock.time.date();
    for (auto _ : state) {
        benchmark::DoNotOptimize(study.memory.dayWords(today));
        benchmark::DoNotOptimize(study.memory.answerTimes(startOfDay(today)));
    }
    state.counters["answered_today"] = double(study.memory.dayWords(today).size());
}

} // namespace

BENCHMARK(study_queue)->Arg(32767)->Unit(benchmark::kMillisecond)->UseRealTime();
// A fixed number of cards, fewer than the queue holds, so that every one is a next card.
BENCHMARK(study_next)->Arg(32767)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1000);
BENCHMARK(study_plan)->Arg(32767)->Unit(benchmark::kMillisecond)->UseRealTime();
