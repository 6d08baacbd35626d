// SPDX-License-Identifier: GPL-3.0-or-later
// The reminder to fit the memory model: when it is due, what it is read from in the progress
// file, and how the study plan's file remembers it was shown.

#include "learning/fitreminder.h"
#include "learning/learnermemory.h"
#include "learning/parameterfit.h"
#include "learning/studyplan.h"
#include "learning/timetext.h"
#include "learningtest.h"
#include "platform/error.h"
#include "platform/services.h"
#include "platform/textfile.h"

#include <gtest/gtest.h>

using namespace learning;
using std::chrono::days;
using std::chrono::milliseconds;

namespace {

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
    const auto answer = [](const char *word, QDateTime time) {
        return Review{QString::fromLatin1(word), toTime(time), Rating::Good, "study", QString(), 0};
    };
    memory.addReviews({answer("a", minute(0)), answer("a", minute(24 * 60)),
                       answer("a", minute(3 * 24 * 60)), answer("b", minute(5)),
                       answer("b", minute(5 + 24 * 60).addMSecs(-1))});
    const auto tally = memory.answerTally(100);
    ASSERT_TRUE(tally);
    EXPECT_EQ(tally->answers, 5);
    EXPECT_EQ(tally->firstAnswer, toTime(minute(0)));
    EXPECT_EQ(tally->itemsToFit, 2);
    EXPECT_EQ(memory.answerTally(1)->itemsToFit, 1) << "counted no further than asked";

    FitComparison fit;
    fit.reviews = 5;
    fit.current = memory.scheduler().options().parameters;
    memory.recordFit(fit, minute(60 * 24 * 10));
    const Time now = toTime(minute(60 * 24 * 40));
    const auto facts = readFitReminderFacts(memory, now, AnswerMark{now, 5});
    ASSERT_TRUE(facts && facts->lastFit);
    EXPECT_EQ(*facts->lastFit, (AnswerMark{toTime(minute(60 * 24 * 10)), 5}));
    EXPECT_EQ(facts->lastReminder, (AnswerMark{now, 5}));
    EXPECT_EQ(facts->itemsToFit, 2);
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
