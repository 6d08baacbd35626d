// SPDX-License-Identifier: GPL-3.0-or-later
// The Progress window's figures against a review log written by hand, in a zone with summer
// time, so that local midnight is not UTC midnight.

#include "learningtest.h"

namespace {

QDateTime local(int month, int day, int hour, int minute = 0)
{
    return QDateTime(QDate(2026, month, day), QTime(hour, minute), Qt::LocalTime);
}

// main() puts the tests in Europe/Berlin.
struct StatisticsTest : MemoryTest
{
    void answer(const QString &word, const QDateTime &time, Rating rating = Rating::Good)
    {
        memory.addReviews({Review{word, toTime(time), rating, "quiz", {}, 0}});
    }
    // Puts a word's state as a test needs it: intervals and memories of exact lengths.
    void setCard(const QString &word, int state, double stability, const QDateTime &last,
                 const QDateTime &due, int lapses = 0)
    {
        memory.status(); // the file is made on first use
        const auto text = [](auto number) { return QString::number(number); };
        folder.sqlite(QStringLiteral("INSERT OR REPLACE INTO cards VALUES ('%1', %2, 0, %3, 5, %4, "
                                     "%5, %6, 1)")
                          .arg(word, text(state), text(stability), text(due.toMSecsSinceEpoch()),
                               text(last.toMSecsSinceEpoch()), text(lapses)));
    }
    ProgressFigures figures(const QStringList &keys, const QDateTime &now,
                            std::optional<QDate> exam = std::nullopt)
    {
        return memory.figures(keys, now, exam);
    }
};

TEST_F(StatisticsTest, StatesRecallAndForecast)
{
    const QDateTime now = local(6, 20, 0); // a local midnight, 22:00 UTC
    const qint64 day = 86400000;
    setCard("young", 2, 10, now.addDays(-10), now.addMSecs(11 * day - 1), 1);
    setCard("mature", 2, 1e6, now, now.addDays(21), 0);
    setCard("relearning", 3, 10, now, now.addSecs(30 * 60), 3);
    setCard("learning", 1, 10, now.addDays(-1), now.addDays(-2), 1);
    setCard("elsewhere", 2, 1, now, now, 9); // not in the list
    const QStringList list{"young", "mature", "relearning", "learning", "unseen", "unseen"};

    const ProgressFigures today = figures(list, now);
    EXPECT_EQ((std::array{today.words, today.newWords, today.learning, today.youngWords,
                          today.matureWords}),
              (std::array{5, 1, 2, 1, 1}));
    // Overdue counts today; due 00:30 local is tomorrow's although UTC still says today.
    EXPECT_EQ(today.dueForecast.mid(0, 3), (QList<int>{2, 0, 0}));
    EXPECT_EQ(today.dueForecast[10], 1);     // an interval of 21 days less 1 ms
    EXPECT_EQ(today.dueForecast.size(), 30); // day 21 is out of sight

    // Recall of the four words seen: the exam date decides the instant; the unseen word is
    // counted apart, not as forgotten.
    const auto meanAt = [&](const QDateTime &at, int *above) {
        double total = 0;
        *above = 0;
        for (const QString &word : list.mid(0, 4)) {
            const double recall =
                memory.scheduler().retrievability(memory.cardFor(word), toTime(at));
            total += recall;
            *above += recall > 0.9;
        }
        return total / 4;
    };
    const std::tuple<std::optional<QDate>, QDate, bool, QDateTime> cases[] = {
        {std::nullopt, now.date(), false, now},
        {now.date(), now.date(), false, now},
        {now.date().addDays(-3), now.date(), true, now},
        {now.date().addDays(10), now.date().addDays(10), false, now.addDays(10)}};
    for (const auto &[exam, recallDay, passed, at] : cases) {
        const ProgressFigures result = figures(list, now, exam);
        int above = 0;
        EXPECT_NEAR(result.meanRecall, meanAt(at, &above), 1e-12);
        EXPECT_DOUBLE_EQ(result.shareAbove90, above / 4.0);
        EXPECT_EQ(std::tuple(result.seenWords(), result.recallDay, result.examPassed),
                  std::tuple(4, recallDay, passed));
    }
    EXPECT_LT(figures(list, now, now.date().addDays(10)).meanRecall, today.meanRecall);
}

TEST_F(StatisticsTest, DaysAndStreaks)
{
    for (int day : {10, 11, 12, 13, 14, 16, 19, 20}) // the 15th and 17th are empty
        answer(QStringLiteral("w%1").arg(day), local(6, day, 23, 50));
    answer("late", local(6, 18, 0, 15), Rating::Again); // 22:15 UTC on the 17th
    answer("early", local(5, 1, 12));                   // weeks before
    answer("winter", local(1, 14, 23, 30));             // summer time would say the 15th

    const ProgressFigures now = figures({}, local(6, 20, 23, 59));
    EXPECT_EQ(std::pair(now.longestStreak, now.currentStreak), std::pair(5, 3));
    EXPECT_EQ(now.activity.size(), 90);
    EXPECT_EQ(now.activity.last().date, QDate(2026, 6, 20));
    const auto &eighteenth = now.activity[now.activity.size() - 3];
    EXPECT_EQ((std::array{eighteenth.right, eighteenth.wrong}), (std::array{0, 1}));
    EXPECT_EQ(now.activity[now.activity.size() - 4].total(), 0);
    EXPECT_EQ(now.calendarStart.dayOfWeek(), 1);
    EXPECT_EQ(now.calendar.size(), now.calendarStart.daysTo(QDate(2026, 6, 20)) + 1);
    EXPECT_EQ(now.calendar[now.calendarStart.daysTo(QDate(2026, 5, 1))], 1);
    EXPECT_EQ(now.calendar.mid(now.calendarStart.daysTo(QDate(2026, 1, 14)), 2),
              (QList<int>{1, 0}));

    // A day without answers yet keeps yesterday's streak; a second empty day ends it.
    EXPECT_EQ(figures({}, local(6, 21, 10)).currentStreak, 3);
    EXPECT_EQ(figures({}, local(6, 22, 10)).currentStreak, 0);
}

// Recalled when due: of the reviews of words past their steps given on or after the day they
// were due. Not a new word's first answers, not a relearning step, not a same-day repeat, not a
// review ahead of time, whichever way the answers reached the file.
TEST_F(StatisticsTest, RetentionCountsOnlyTheReviewsThatWereDue)
{
    const auto record = [&](const QString &word, const QDateTime &time, Rating rating) {
        memory.recordAnswer(word, rating, "study", {}, 0, time);
    };
    // The word's due day, at an hour: before the time it is due, on the day Study Today asks it.
    const auto dueDay = [&](const QString &word, int hour, int daysEarly = 0) {
        const QDate day = toDateTime(memory.cardFor(word).due).toLocalTime().date();
        return QDateTime(day.addDays(-daysEarly), QTime(hour, 0), Qt::LocalTime);
    };
    for (const QString word : {"kept", "lost", "twice"}) {
        record(word, local(6, 1, 10), Rating::Good);
        record(word, local(6, 1, 10, 11), Rating::Good);
    }
    record("ahead", local(6, 1, 10), Rating::Easy);
    record("kept", dueDay("kept", 7), Rating::Good);
    record("kept", dueDay("kept", 7), Rating::Good);
    record("lost", dueDay("lost", 7), Rating::Again);
    record("lost", dueDay("lost", 7).addSecs(900), Rating::Good);
    const QDateTime repeated = dueDay("twice", 7);
    record("twice", repeated, Rating::Good);
    record("twice", repeated.addSecs(300), Rating::Good);
    record("ahead", dueDay("ahead", 20, 1), Rating::Good);
    for (int minute = 0; minute < 3; ++minute)
        record("fresh", local(6, 20, 9, minute), minute ? Rating::Good : Rating::Again);
    const QDateTime now = local(6, 20, 20);
    ASSERT_EQ(memory.reviews().size(), 17);
    ASSERT_LT(memory.reviews().last().time, toTime(now));

    // kept twice, lost once, twice once: three of four (of every answer, 15 of 17 were right).
    const auto recalled = [&now](LearnerMemory &file) {
        const ProgressFigures result = file.figures({}, now, std::nullopt);
        return std::pair(result.dueReviews, result.retention.value_or(-1));
    };
    const auto expected = std::pair(4, 3.0 / 4);
    EXPECT_EQ(recalled(memory), expected);
    record("lost", dueDay("lost", 7), Rating::Good);
    EXPECT_EQ(recalled(memory), std::pair(5, 4.0 / 5));
    memory.undoLast();
    EXPECT_EQ(recalled(memory), expected);
    // The next answer takes the number the one taken back had.
    record("later", local(6, 20, 19), Rating::Good);
    EXPECT_EQ(recalled(memory), expected);

    // The same log added to another file in one go, and a file whose cache an earlier version
    // made, without the due times.
    LearnerMemory copy(folder.file("progress/copy.sqlite"));
    copy.addReviews(memory.reviews());
    EXPECT_EQ(recalled(copy), expected);
    folder.sqlite("DROP TABLE review_due");
    LearnerMemory upgraded(folder.file());
    EXPECT_EQ(recalled(upgraded), expected);

    EXPECT_FALSE(upgraded.figures({}, local(9, 1, 10), std::nullopt).retention);
    // The window's first day counts; a day later it has left the window.
    const auto dueOnDayAfter = [&](int days) {
        const QDateTime evening(repeated.date().addDays(days), QTime(20, 0), Qt::LocalTime);
        return memory.figures({}, evening, std::nullopt).dueReviews;
    };
    EXPECT_GT(dueOnDayAfter(ProgressFigures::retentionDays - 1),
              dueOnDayAfter(ProgressFigures::retentionDays));
}

// Ranked by misses, learning steps included, then by the latest miss; a word never missed, or
// of another list, is not among them.
TEST_F(StatisticsTest, HardestWordsAreTheListsWordsMissedMost)
{
    const auto misses = [&](const QString &word, QList<int> days) {
        for (qsizetype i = 0; i < days.size(); ++i) // a minute apart on one day
            answer(word, local(6, days[i], 10, int(i)), Rating::Again);
    };
    misses("often", {1, 1, 1, 2, 4, 5}); // three on its first day
    answer("often", local(6, 6, 10));    // right at last
    misses("tie", {3, 10});
    misses("older", {3, 8});
    misses("elsewhere", {1, 2, 3, 4, 5, 6, 7});
    answer("never", local(6, 1, 10));

    const ProgressFigures result = figures({"older", "never", "tie", "often"}, local(6, 20, 12));
    QStringList ranked;
    for (const auto &word : result.hardest)
        ranked << word.key + ' ' + QString::number(word.misses) + ' ' +
                      word.lastMiss.toLocalTime().toString("d.M. hh:mm");
    EXPECT_EQ(ranked.join("; ").toStdString(),
              "often 6 5.6. 10:05; tie 2 10.6. 10:01; older 2 8.6. 10:01");
}

// The answers per quarter hour follow the log through undo and import, are rebuilt when
// damaged, and a file that cannot be written is read from the log itself.
TEST_F(StatisticsTest, KeptInStepWithTheLog)
{
    for (int i = 0; i < 6; ++i)
        answer("w", local(6, 20, 9, i * 7), i % 2 ? Rating::Again : Rating::Good);
    // The day's right and wrong answers, and the word's misses with the time of the last.
    const auto counts = [](LearnerMemory &file) {
        const ProgressFigures result = file.figures({"w"}, local(6, 20, 12), std::nullopt);
        const auto day = result.activity.last();
        const auto &missed = result.hardest.value(0);
        return std::tuple(day.right, day.wrong, missed.misses,
                          missed.lastMiss.toLocalTime().time().minute());
    };
    EXPECT_EQ(counts(memory), std::tuple(3, 3, 3, 35));
    memory.recordAnswer("w", Rating::Again, "quiz", {}, 0, local(6, 20, 10));
    EXPECT_EQ(counts(memory), std::tuple(3, 4, 4, 0));
    memory.undoLast();
    EXPECT_EQ(counts(memory), std::tuple(3, 3, 3, 35));
    folder.sqlite("UPDATE review_quarters SET correct = 40");
    EXPECT_EQ(counts(memory), std::tuple(3, 3, 3, 35));
    folder.sqlite("UPDATE word_misses SET misses = 40");
    EXPECT_EQ(counts(memory), std::tuple(3, 3, 3, 35));

    ProgressFolder other;
    LearnerMemory(other.file()).addReviews(memory.reviews());
    QFile::setPermissions(other.file(), QFile::ReadOwner);
    LearnerMemory readOnly(other.file());
    ASSERT_EQ(readOnly.status(), LearnerMemory::Status::NotSaving);
    EXPECT_EQ(counts(readOnly), std::tuple(3, 3, 3, 35));
}

} // namespace

// A wrong pick and the word asked make one pair whichever was asked; a typed text counts only
// as a word of the list, a pair only with a word of the list, and a word gone from the list
// still names its pair.
TEST_F(StatisticsTest, ConfusedPairsAreCountedEitherWayRound)
{
    QList<Review> log;
    const auto pick = [&](const char *asked, const char *picked, const char *format, int day,
                          Rating rating = Rating::Again) {
        log << Review(asked, toTime(local(6, day, 23, int(log.size()))), rating, "study", {}, 0,
                      format, picked);
    };
    pick("abate", "Abet", "meaning", 1);
    pick("abet", "abate", "text_completion", 3);
    pick("abate", " abet", "typed_recall", 2, Rating::Hard); // kept after a wrong answer
    pick("abate", "abaet", "typed_recall", 9);               // a misspelling
    pick("wane", "augment\tvitiate", "sentence_equivalence", 4);
    pick("augment", "wane", "meaning", 2);
    pick("cogent", "gone", "meaning", 5);     // a word the list no longer has
    pick("elsewhere", "other", "meaning", 9); // neither word the list's
    pick("abate", "abate", "meaning", 9);     // the same word twice in a list
    log << Review("abate", toTime(local(6, 9, 8)), Rating::Again, "quiz", {}, 0); // no pick
    memory.addReviews(log);

    const QStringList list{"abate", "abet", "wane", "augment", "vitiate", "cogent"};
    const auto ranked = [&] {
        QStringList rows;
        for (const auto &pair : figures(list, local(6, 20, 12)).confused)
            rows << QStringList{pair.first, pair.second, QString::number(pair.times),
                                pair.last.toLocalTime().toString("d.M.")}
                        .join(' ');
        return rows.join("; ").toStdString();
    };
    EXPECT_EQ(ranked(), "abate abet 3 3.6.; augment wane 2 4.6.; cogent gone 1 5.6.; vitiate wane "
                        "1 4.6.");

    log.clear();
    for (int i = 0; i < 12; ++i)
        pick("abate", qPrintable(QStringLiteral("x%1").arg(i)), "meaning", 10);
    memory.addReviews(log);
    EXPECT_EQ(figures(list, local(6, 20, 12)).confused.size(), ProgressFigures::confusedCount);
}
