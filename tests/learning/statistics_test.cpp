// SPDX-License-Identifier: GPL-3.0-or-later
// The Progress window's figures against a review log written by hand, in a zone with summer
// time, so that local midnight is not UTC midnight.

#include "learning/timetext.h"
#include "learningtest.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace learning;

namespace {

QDateTime local(int month, int day, int hour, int minute = 0)
{
    return QDateTime(QDate(2026, month, day), QTime(hour, minute), Qt::LocalTime);
}

// main() puts the tests in Europe/Berlin.
struct StatisticsTest : ::testing::Test
{
    void answer(const QString &word, const QDateTime &time, Rating rating = Rating::Good)
    {
        memory.addReviews({Review{word, toTime(time), rating, QStringLiteral("quiz"), {}, 0}});
    }
    // Puts a word's state as a test needs it: intervals and memories of exact lengths.
    void setCard(const QString &word, int state, double stability, const QDateTime &last,
                 const QDateTime &due, int lapses = 0)
    {
        memory.status(); // the file is made on first use
        folder.sqlite(QStringLiteral("INSERT OR REPLACE INTO cards VALUES ('%1', %2, 0, %3, 5, "
                                     "%4, %5, %6, 1)")
                          .arg(word)
                          .arg(state)
                          .arg(stability)
                          .arg(due.toMSecsSinceEpoch())
                          .arg(last.toMSecsSinceEpoch())
                          .arg(lapses));
    }
    ProgressFigures figures(const QStringList &keys, const QDateTime &now,
                            std::optional<QDate> exam = std::nullopt)
    {
        return memory.figures(keys, now, exam);
    }

    ProgressFolder folder;
    LearnerMemory memory{folder.file()};
};

TEST_F(StatisticsTest, StatesRecallForecastAndHardestWords)
{
    const QDateTime now = local(6, 20, 0); // a local midnight, 22:00 UTC
    const qint64 day = 86400000;
    setCard(QStringLiteral("young"), 2, 10, now.addDays(-10), now.addMSecs(11 * day - 1), 1);
    setCard(QStringLiteral("mature"), 2, 1e6, now, now.addDays(21), 0);
    setCard(QStringLiteral("relearning"), 3, 10, now, now.addSecs(30 * 60), 3);
    setCard(QStringLiteral("learning"), 1, 10, now.addDays(-1), now.addDays(-2), 1);
    setCard(QStringLiteral("elsewhere"), 2, 1, now, now, 9); // not in the list
    const QStringList list{QStringLiteral("young"),      QStringLiteral("mature"),
                           QStringLiteral("relearning"), QStringLiteral("learning"),
                           QStringLiteral("unseen"),     QStringLiteral("unseen")};

    const ProgressFigures today = figures(list, now);
    EXPECT_EQ((std::array{today.words, today.newWords, today.learning, today.youngWords,
                          today.matureWords}),
              (std::array{5, 1, 2, 1, 1}));
    // Overdue counts today; due 00:30 local is tomorrow's although UTC still says today.
    EXPECT_EQ(today.dueForecast.mid(0, 3), (QList<int>{2, 0, 0}));
    EXPECT_EQ(today.dueForecast[10], 1);     // an interval of 21 days less 1 ms
    EXPECT_EQ(today.dueForecast.size(), 30); // day 21 is out of sight
    QStringList hardest;
    for (const auto &word : today.hardest)
        hardest << word.key;
    EXPECT_EQ(hardest, (QStringList{QStringLiteral("relearning"), QStringLiteral("learning"),
                                    QStringLiteral("young"), QStringLiteral("mature")}));

    // Recall: the exam date decides the instant; an unseen word counts 0.
    const auto meanAt = [&](const QDateTime &at, int *above) {
        double total = 0;
        *above = 0;
        for (const QString &word : list.mid(0, 4)) {
            const double recall =
                memory.scheduler().retrievability(memory.cardFor(word), toTime(at));
            total += recall;
            *above += recall > 0.9;
        }
        return total / 5;
    };
    const struct
    {
        std::optional<QDate> exam;
        QDate day;
        bool passed;
        QDateTime at;
    } cases[] = {{std::nullopt, now.date(), false, now},
                 {now.date(), now.date(), false, now},
                 {now.date().addDays(-3), now.date(), true, now},
                 {now.date().addDays(10), now.date().addDays(10), false, now.addDays(10)}};
    for (const auto &c : cases) {
        const ProgressFigures result = figures(list, now, c.exam);
        int above = 0;
        EXPECT_NEAR(result.meanRecall, meanAt(c.at, &above), 1e-12);
        EXPECT_DOUBLE_EQ(result.shareAbove90, above / 5.0);
        EXPECT_EQ(result.recallDay, c.day);
        EXPECT_EQ(result.examPassed, c.passed);
    }
    EXPECT_LT(figures(list, now, now.date().addDays(10)).meanRecall, today.meanRecall);
}

TEST_F(StatisticsTest, DaysStreaksAndRetention)
{
    for (int day : {10, 11, 12, 13, 14, 16, 19, 20}) // the 15th and 17th are empty
        answer(QStringLiteral("w%1").arg(day), local(6, day, 23, 50));
    answer(QStringLiteral("late"), local(6, 18, 0, 15), Rating::Again); // 22:15 UTC on the 17th
    answer(QStringLiteral("early"), local(5, 1, 12));                   // more than 30 days ago
    answer(QStringLiteral("winter"), local(1, 14, 23, 30)); // summer time would say the 15th

    const ProgressFigures now = figures({}, local(6, 20, 23, 59));
    EXPECT_EQ(now.longestStreak, 5);
    EXPECT_EQ(now.currentStreak, 3);
    const auto &last = now.activity.last();
    EXPECT_EQ(now.activity.size(), 90);
    EXPECT_EQ(last.date, QDate(2026, 6, 20));
    const auto &eighteenth = now.activity[now.activity.size() - 3];
    EXPECT_EQ((std::array{eighteenth.right, eighteenth.wrong}), (std::array{0, 1}));
    EXPECT_EQ(now.activity[now.activity.size() - 4].total(), 0);
    EXPECT_EQ(now.calendarStart.dayOfWeek(), 1);
    EXPECT_EQ(now.calendar.size(), now.calendarStart.daysTo(QDate(2026, 6, 20)) + 1);
    EXPECT_EQ(now.calendar[now.calendarStart.daysTo(QDate(2026, 5, 1))], 1);
    EXPECT_EQ(now.calendar.mid(now.calendarStart.daysTo(QDate(2026, 1, 14)), 2),
              (QList<int>{1, 0}));
    EXPECT_EQ(now.retentionAnswers, 9);
    EXPECT_DOUBLE_EQ(*now.retention, 8.0 / 9);

    // A day without answers yet keeps yesterday's streak; a second empty day ends it.
    EXPECT_EQ(figures({}, local(6, 21, 10)).currentStreak, 3);
    EXPECT_EQ(figures({}, local(6, 22, 10)).currentStreak, 0);
    EXPECT_FALSE(figures({}, local(9, 1, 10)).retention);
}

// The answers per quarter hour follow the log through undo and import, are rebuilt when
// damaged, and a file that cannot be written is read from the log itself.
TEST_F(StatisticsTest, KeptInStepWithTheLog)
{
    for (int i = 0; i < 6; ++i)
        answer(QStringLiteral("w"), local(6, 20, 9, i * 7), i % 2 ? Rating::Again : Rating::Good);
    const auto counts = [&] {
        const auto day = figures({}, local(6, 20, 12)).activity.last();
        return std::array{day.right, day.wrong};
    };
    EXPECT_EQ(counts(), (std::array{3, 3}));
    memory.recordAnswer(QStringLiteral("w"), Rating::Again, QStringLiteral("quiz"), {}, 0,
                        local(6, 20, 10));
    EXPECT_EQ(counts(), (std::array{3, 4}));
    memory.undoLast();
    EXPECT_EQ(counts(), (std::array{3, 3}));
    folder.sqlite(QStringLiteral("UPDATE review_quarters SET correct = 40"));
    EXPECT_EQ(counts(), (std::array{3, 3}));

    ProgressFolder other;
    {
        LearnerMemory copy(other.file());
        copy.addReviews(memory.reviews());
    }
    QFile::setPermissions(other.file(), QFile::ReadOwner);
    LearnerMemory readOnly(other.file());
    ASSERT_EQ(readOnly.status(), LearnerMemory::Status::NotSaving);
    const auto day = readOnly.figures({}, local(6, 20, 12), std::nullopt).activity.last();
    EXPECT_EQ((std::array{day.right, day.wrong}), (std::array{3, 3}));
}

} // namespace
