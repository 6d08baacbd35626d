// SPDX-License-Identifier: GPL-3.0-or-later
// Parameter sets in the progress file: a fit adopted only when better, going back, a fit in the
// background, a program killed while adopting, files of the version before; the reminder to fit.

#include "learning/backgroundfit.h"
#include "learning/studyplan.h"
#include "learningtest.h"
#include "platform/qtservices.h"
#include "simulatedlearner.h"

#include <QTimer>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using std::chrono::days;
using std::chrono::milliseconds;

namespace {

constexpr Parameters defaults = SchedulerOptions::defaultParameters;

void addLearner(LearnerMemory &memory, int words = 150)
{
    memory.addReviews(
        simulateAnswers({.parameters = unusualParameters(2), .words = words, .days = 60}));
}

// A fit weighed against `current`, better or worse on made-up figures, on the fewest items held
// out that weigh it: one.
FitComparison madeUpFit(const Parameters &current, const Parameters &fitted, bool better)
{
    return FitComparison(
        900, 500, current, {fitted, FitScope::AllParameters, 500}, 1, {0.35, 0.08, 0.6, 100},
        better ? ParameterFigures{0.33, 0.05, 0.62, 100} : ParameterFigures{0.36, 0.09, 0.58, 100});
}

Parameters shifted(double by)
{
    Parameters w = defaults;
    w[0] += by;
    w[8] += by;
    w[20] += by / 10;
    return w;
}

QString table(const ProgressFolder &folder)
{
    return folder.sqlite("SELECT count(*) FROM sqlite_master WHERE name = 'parameter_sets'");
}

using ParameterSets = MemoryTest;

TEST_F(ParameterSets, AFitIsAdoptedOnlyWhenItPredictsBetter)
{
    addLearner(memory);
    const auto before = memory.loadCards();
    FitControl control;
    const auto fit = fitAndCompare(FitData(memory.reviews()),
                                   memory.scheduler().options().parameters, 1, control);
    ASSERT_TRUE(fit && fit->better());
    QSignalSpy changes(&memory, &LearnerMemory::changed);
    EXPECT_TRUE(memory.recordFit(*fit, minute(5)));
    EXPECT_EQ(changes.size(), 1);
    EXPECT_EQ(memory.scheduler().options().parameters, fit->fitted.parameters);
    const auto adopted = memory.loadCards();
    EXPECT_NE(adopted, before) << "every card replayed with the fitted parameters";
    // The cache is what a replay from the log gives.
    folder.sqlite("DELETE FROM cards");
    EXPECT_EQ(LearnerMemory(folder.file()).loadCards(), adopted);

    auto sets = memory.parameterSets();
    ASSERT_EQ(sets.size(), 1);
    EXPECT_TRUE(sets[0].adopted && sets[0].active);
    EXPECT_EQ(std::tuple(sets[0].parameters, sets[0].reviews, sets[0].figures.logLoss,
                         sets[0].replacedFigures.rmseBins, toDateTime(sets[0].fittedAt)),
              std::tuple(fit->fitted.parameters, memory.reviewCount(), fit->fittedFigures.logLoss,
                         fit->currentFigures.rmseBins, minute(5)));

    // Worse than the parameters in force: kept with its figures, nothing else changes.
    EXPECT_FALSE(memory.recordFit(madeUpFit(fit->fitted.parameters, defaults, false), minute(6)));
    sets = memory.parameterSets();
    ASSERT_EQ(sets.size(), 2);
    EXPECT_FALSE(sets[0].adopted || sets[0].active);
    EXPECT_TRUE(sets[1].active);
    EXPECT_EQ(memory.scheduler().options().parameters, fit->fitted.parameters);
    EXPECT_EQ(memory.loadCards(), adopted);
}

TEST_F(ParameterSets, FewAnswersChangeNothing)
{
    for (int word = 0; word < 7; ++word)
        for (const int day : {0, 3})
            memory.recordAnswer(QStringLiteral("w%1").arg(word), Rating::Good, {}, {}, 0,
                                minute(word + day * 24 * 60));
    const QString fingerprint = memory.scheduler().fingerprint();
    FitControl control;
    const auto fit = fitAndCompare(FitData(memory.reviews()), defaults, 1, control);
    ASSERT_TRUE(fit);
    EXPECT_EQ(std::tuple(fit->items, fit->fitted.scope), std::tuple(7, FitScope::Nothing));
    EXPECT_FALSE(memory.recordFit(*fit, minute(9)));
    EXPECT_EQ(memory.scheduler().fingerprint(), fingerprint);
}

TEST_F(ParameterSets, TheLearnerCanGoBack)
{
    addLearner(memory, 40);
    const auto underDefaults = memory.loadCards();
    ASSERT_TRUE(memory.recordFit(madeUpFit(defaults, shifted(0.5), true), minute(1)));
    const auto underFirst = memory.loadCards();
    ASSERT_TRUE(memory.recordFit(madeUpFit(shifted(0.5), shifted(1.0), true), minute(2)));
    const auto sets = memory.parameterSets();
    ASSERT_EQ(sets.size(), 2);

    memory.useParameterSet(sets[1].id);
    EXPECT_EQ(memory.scheduler().options().parameters, shifted(0.5));
    EXPECT_EQ(memory.loadCards(), underFirst);
    EXPECT_TRUE(memory.parameterSets()[1].active && !memory.parameterSets()[0].active);
    // Kept in the file for the next start.
    EXPECT_EQ(LearnerMemory(folder.file()).scheduler().options().parameters, shifted(0.5));

    memory.useParameterSet(std::nullopt);
    EXPECT_EQ(memory.scheduler().options().parameters, defaults);
    EXPECT_EQ(memory.loadCards(), underDefaults);

    // A fit weighed against parameters no longer in force is refused whole, as is a set that
    // was never adopted.
    EXPECT_THROW(memory.recordFit(madeUpFit(shifted(1.0), shifted(2.0), true), minute(3)),
                 platform::Error);
    EXPECT_FALSE(memory.recordFit(madeUpFit(defaults, shifted(2.0), false), minute(4)));
    EXPECT_THROW(memory.useParameterSet(memory.parameterSets()[0].id), platform::Error);
    EXPECT_THROW(memory.useParameterSet(9999), platform::Error);
    EXPECT_EQ(memory.parameterSets().size(), 3);
    EXPECT_EQ(memory.scheduler().options().parameters, defaults);
}

TEST_F(ParameterSets, FilesOfTheVersionBeforeOpenBothWays)
{
    addLearner(memory, 30);
    memory.useParameterSet(std::nullopt);
    // A file no fit has touched stays as the version before left it.
    EXPECT_EQ(table(folder), "0");
    ASSERT_TRUE(memory.recordFit(madeUpFit(defaults, shifted(0.5), true), minute(1)));
    const auto adopted = memory.loadCards();
    // The version before reads the same schema version; it replays the cards with the default
    // parameters, as it does for cards made with other options, and leaves the table alone.
    EXPECT_EQ(folder.sqlite("PRAGMA user_version"), "2");
    folder.sqlite("UPDATE cards SET stability = 1; UPDATE cards_basis SET scheduler = '" +
                  Scheduler().fingerprint() + "'");
    // Then this version replays them with the parameters in force.
    EXPECT_EQ(LearnerMemory(folder.file()).loadCards(), adopted);
    EXPECT_EQ(table(folder), "1");
}

TEST_F(ParameterSets, AProgramKilledWhileAdoptingKeepsTheOldParameters)
{
    QHash<QString, Card> before;
    {
        LearnerMemory earlier(folder.file());
        addLearner(earlier, 300);
        before = earlier.loadCards();
    }
    // Every card written from now on takes a millisecond or two, so that the adoption's
    // replay lasts long enough to be killed in the middle.
    folder.sqlite("CREATE TRIGGER slowly AFTER INSERT ON cards BEGIN SELECT count(*) FROM (WITH "
                  "RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 30000) "
                  "SELECT x FROM n); END");
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const pid_t child = fork();
    if (child == 0) {
        LearnerMemory adopting(folder.file());
        adopting.reviewCount();
        const char ready = 1;
        if (write(pipeEnds[1], &ready, 1) == 1)
            adopting.recordFit(madeUpFit(defaults, shifted(0.5), true), minute(1));
        _exit(0);
    }
    char ready = 0;
    ASSERT_EQ(read(pipeEnds[0], &ready, 1), 1);
    usleep(200 * 1000);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the adoption ended before it was killed";
    folder.sqlite("DROP TRIGGER slowly");

    EXPECT_EQ(folder.sqlite("PRAGMA integrity_check"), "ok");
    EXPECT_EQ(memory.scheduler().options().parameters, defaults);
    EXPECT_TRUE(memory.parameterSets().isEmpty());
    EXPECT_EQ(memory.loadCards(), before);
}

TEST_F(ParameterSets, AFitRunsInTheBackgroundWithProgressAndCancel)
{
    addLearner(memory);
    SetClock clock{minute(0)};
    BackgroundFit fit(memory, clock);
    QSignalSpy progress(&fit, &BackgroundFit::progress), finished(&fit, &BackgroundFit::finished),
        cancelled(&fit, &BackgroundFit::cancelled);
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(1);

    ASSERT_TRUE(fit.start());
    EXPECT_FALSE(fit.start()) << "one fit at a time";
    ASSERT_TRUE(finished.wait(100'000));
    EXPECT_TRUE(finished[0][1].toBool()) << "adopted";
    EXPECT_GT(ticks, 0) << "the event loop ran while the fit did";
    EXPECT_FALSE(progress.isEmpty());
    EXPECT_EQ(memory.parameterSets().size(), 1);
    EXPECT_FALSE(fit.isRunning());

    ASSERT_TRUE(fit.start());
    fit.cancel();
    ASSERT_TRUE(cancelled.wait(100'000));
    EXPECT_EQ(std::tuple(cancelled.size(), finished.size()), std::tuple(1, 1));
    EXPECT_EQ(memory.parameterSets().size(), 1) << "nothing kept of a cancelled fit";

    // A progress file that cannot be read: told, and nothing else happens.
    LearnerMemory unreadable(folder.file("progress"));
    BackgroundFit failing(unreadable, clock);
    QSignalSpy failed(&failing, &BackgroundFit::failed);
    ASSERT_TRUE(failing.start());
    ASSERT_TRUE(failed.wait(100'000));
    const QString failure = failed[0][0].toString();
    EXPECT_TRUE(failure.startsWith("Cannot read the progress file")) << failure.toStdString();
}

TEST_F(ParameterSets, DesiredRetentionStaysInFsrsRangeAndIsWarnedOutsideTheAdvisedOne)
{
    for (const double advised : {0.80, 0.9, 0.95, 95 / 100.0})
        EXPECT_EQ(retentionWarning(advised), QString()) << advised;
    const QString low = retentionWarning(0.79), high = retentionWarning(0.96);
    EXPECT_FALSE(low.isEmpty() || high.isEmpty());
    EXPECT_NE(low, high);

    const auto files = platform::makeQtFiles();
    const QString path = folder.file("settings/study.txt");
    StudyPlanSettings settings(*files, path);
    for (const auto &[wanted, kept] : {std::pair{0.99, 0.97}, {0.5, 0.7}, {0.96, 0.96}}) {
        settings.save(StudyPlan{.examDate = {}, .desiredRetention = wanted});
        EXPECT_EQ(settings.plan().desiredRetention, kept) << wanted;
        EXPECT_EQ(readStudyPlan(path), settings.plan()) << "what the next start reads";
    }
}

// Real files, and a write that fails as a full disk would make it, when asked.
struct FaultyFiles : platform::Files
{
    void write(const QString &path, const QByteArray &bytes) override
    {
        platform::writeBytes(path, bytes, fault);
    }
    platform::WriteFault fault;
};

} // namespace

TEST(FitReminder, ComesAMonthOrAThousandAnswersAfterTheLastFitAndOnceInThatPeriod)
{
    const Time fitted = toTime(minute(0));
    // Answers enough, fitted at 500 answers.
    const auto after = [fitted](milliseconds elapsed, qint64 answersSince) {
        return FitReminderFacts{fitted + elapsed,  500 + answersSince,      fewestFitItems,
                                fitted - days(90), AnswerMark{fitted, 500}, std::nullopt};
    };
    EXPECT_FALSE(fitReminderDue(after(days(30) - milliseconds(1), 999)));
    EXPECT_EQ(fitReminderDue(after(days(30), 0)), 0);
    EXPECT_EQ(fitReminderDue(after(days(1), 1000)), 1000);

    // Shown at 1,024 answers after the fit: not again until a month or 1,000 answers after that.
    FitReminderFacts facts = after(days(3), 1024);
    facts.lastReminder = AnswerMark{facts.now, facts.answers};
    EXPECT_FALSE(fitReminderDue(facts)) << "not twice";
    facts.now += days(29);
    facts.answers += 999;
    EXPECT_FALSE(fitReminderDue(facts));
    facts.answers += 1;
    EXPECT_EQ(fitReminderDue(facts), 2024) << "counted from the fit, not from the reminder";
    facts.answers -= 1;
    facts.now += days(1);
    EXPECT_TRUE(fitReminderDue(facts));
    // A fit made after the reminder starts the period afresh.
    facts.lastFit = AnswerMark{facts.now - days(1), facts.answers};
    EXPECT_FALSE(fitReminderDue(facts));

    // Not before a fit has answers enough to go on, however long the learner studied.
    facts = after(days(400), 5000);
    facts.itemsToFit = fewestFitItems - 1;
    EXPECT_FALSE(fitReminderDue(facts));
    // Never fitted: the period runs from the first answer, and every answer counts.
    facts = after(days(0), 0);
    facts.lastFit.reset();
    facts.firstAnswer = facts.now - days(29);
    EXPECT_FALSE(fitReminderDue(facts));
    facts.firstAnswer = facts.now - days(30);
    EXPECT_EQ(fitReminderDue(facts), 500);
}

TEST(FitReminder, IsReadFromTheProgressFile)
{
    ProgressFolder folder;
    LearnerMemory memory(folder.file());
    // Items are answers a whole day or more after the word's answer before: a day less a
    // millisecond is not one, nor is a word's first answer.
    const auto answer = [](const QString &word, QDateTime time) {
        return Review{word, toTime(time), Rating::Good, "study", {}};
    };
    memory.addReviews({answer("a", minute(0)), answer("a", minute(24 * 60)),
                       answer("a", minute(3 * 24 * 60)), answer("b", minute(5)),
                       answer("b", minute(5 + 24 * 60).addMSecs(-1))});
    const auto tally = memory.answerTally(100);
    ASSERT_TRUE(tally);
    EXPECT_EQ(std::tuple(tally->answers, tally->firstAnswer, tally->itemsToFit),
              std::tuple(5, toTime(minute(0)), 2));
    EXPECT_EQ(memory.answerTally(1)->itemsToFit, 1) << "counted no further than asked";

    FitComparison fit;
    fit.reviews = 5;
    fit.current = memory.scheduler().options().parameters;
    memory.recordFit(fit, minute(60 * 24 * 10));
    const Time now = toTime(minute(60 * 24 * 40));
    const auto facts = readFitReminderFacts(memory, now, AnswerMark{now, 5});
    ASSERT_TRUE(facts && facts->lastFit);
    EXPECT_EQ(std::tuple(*facts->lastFit, facts->lastReminder, facts->itemsToFit),
              std::tuple(AnswerMark{toTime(minute(60 * 24 * 10)), 5}, AnswerMark{now, 5}, 2));
}

TEST(FitReminder, TheStudyPlansFileRemembersWhenItWasShownAndStaysReadable)
{
    ProgressFolder folder;
    FaultyFiles files;
    const QString path = folder.file("settings/study.txt");
    StudyPlanSettings settings(files, path);
    const AnswerMark shown{toTime(minute(7)), 1024};
    settings.setFitReminderShown(shown);
    settings.save({std::nullopt, 0.9, 20, 20});
    StudyPlanSettings next(files, path);
    next.load();
    EXPECT_EQ(next.fitReminderShown(), shown) << "kept when the plan is saved";
    EXPECT_EQ(readStudyPlan(path), next.plan()) << "the plan reads as before";
    EXPECT_EQ(next.plan().dailyMinutes, 20);

    files.fault.fails = true;
    EXPECT_THROW(next.setFitReminderShown({toTime(minute(9)), 2000}), platform::Error);
    EXPECT_EQ(next.fitReminderShown(), shown);
    files.fault.fails = false;
    // A damaged mark is none.
    files.writeText(path, QStringLiteral("fit_reminder_shown_at=yesterday\r\n"
                                         "fit_reminder_shown_answers=3\r\n"));
    next.load();
    EXPECT_FALSE(next.fitReminderShown());
}
