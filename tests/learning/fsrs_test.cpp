// SPDX-License-Identifier: GPL-3.0-or-later
// The scheduler against the published FSRS-6 reference results and a current reference
// scheduler, the fuzz that must stay within its range and repeat for the same seed, and the
// learner's local day.

#include "learning/localdays.h"
#include "learning/wordkey.h"
#include "learningtest.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <set>

using namespace core;
using namespace std::chrono;

namespace {

const Time start = sys_days(2022y / November / 29) + 12h + 30min;

const Scheduler exact(SchedulerOptions{.fuzz = false});

TEST(Fsrs, IntervalsAndMemoryOfTheReferenceHistoriesWithSameDayHards)
{
    const Scheduler &scheduler = exact;
    const Rating G = Rating::Good, A = Rating::Again;
    Card card;
    Time now = start;
    std::vector<int> intervals;
    for (Rating rating : {G, G, G, G, G, G, A, A, G, G, G, G, G}) {
        card = scheduler.review(card, rating, now);
        intervals.push_back(int(floor<days>(card.due - card.lastReview).count()));
        now = card.due;
    }
    EXPECT_EQ(intervals, (std::vector<int>{0, 2, 11, 46, 163, 498, 0, 0, 2, 4, 7, 12, 21}));
    EXPECT_EQ(card.lapses, 1);

    card = {};
    now = start;
    for (const auto &[offset, rating] : {std::pair{0, A}, {0, G}, {1, G}, {3, G}, {8, G}, {21, G}})
        card = scheduler.review(card, rating, now += days(offset));
    EXPECT_NEAR(card.stability, 53.6269, 5e-5);
    EXPECT_NEAR(card.difficulty, 6.3574871, 5e-8);
    // Recall falls to the desired retention when the card falls due.
    EXPECT_NEAR(scheduler.retrievability(card, now + days(int(card.stability))), 0.9, 0.01);

    // Hard answers on the day of the one before, and the memory after each as ts-fsrs 5.4.2 has
    // it (default parameters, retention 0.9, no fuzz; its steps set other due times, not another
    // memory), answered before midnight UTC or whole days apart, where its days and ours agree.
    const Rating H = Rating::Hard, E = Rating::Easy;
    const minutes day = days(1);
    const std::vector<std::vector<std::tuple<minutes, Rating, double, double>>> histories = {
        {{0min, G, 2.3065, 2.11810397},
         {10min, H, 2.3065, 4.75285849},
         {10min, H, 2.3065, 6.50193132},
         {day, G, 4.84311261, 6.49065776}},
        {{0min, E, 8.2956, 1},
         {8 * day, A, 1.38863246, 7.02698957},
         {10min, H, 1.38863246, 8.01160551},
         {10min, H, 1.38863246, 8.66523945},
         {day, G, 2.68517961, 8.65180258}},
        {{0min, A, 0.212, 6.4133},
         {1min, H, 0.212, 7.60420977},
         {6min, H, 0.212, 8.39479117},
         {10min, G, 0.24668919, 8.38162475},
         {day, G, 1.25738458, 8.36847149},
         {3 * day, H, 3.05829205, 8.90214372},
         {60min, H, 3.05829205, 9.25642021},
         {2 * day, E, 6.30812481, 8.99317886}},
        {{0min, H, 1.2931, 5.11217071},
         {5min, H, 1.2931, 6.74045952},
         {2 * day, H, 3.59102912, 7.8213935},
         {30min, H, 3.59102912, 8.53896785}}};
    for (const auto &history : histories) {
        card = {};
        now = start;
        for (const auto &[wait, rating, stability, difficulty] : history) {
            card = scheduler.review(card, rating, now += wait);
            SCOPED_TRACE(testing::Message() << "answer " << card.reps);
            // The reference rounds each step to 8 decimals.
            EXPECT_NEAR(card.stability, stability, 1e-6);
            EXPECT_NEAR(card.difficulty, difficulty, 1e-6);
        }
    }
}

TEST(Fsrs, ALapseStartsAgainAtTheFirstRelearningStep)
{
    const SchedulerOptions options{.relearningSteps = {minutes(10), minutes(60)}, .fuzz = false};
    const Scheduler scheduler(options);
    Card card;
    Time time = start;
    for (int answer = 0; answer < 5 && card.state != CardState::Review; ++answer) {
        card = scheduler.review(card, Rating::Good, time);
        time = card.due;
    }
    ASSERT_EQ(card.state, CardState::Review);
    for (const minutes step : options.relearningSteps) {
        card = scheduler.review(
            card, card.state == CardState::Review ? Rating::Again : Rating::Good, time);
        EXPECT_EQ(card.state, CardState::Relearning);
        EXPECT_EQ(card.due, time + step);
        time = card.due;
    }
}

TEST(Fsrs, FuzzStaysNearTheIntervalAndRepeatsForASeed)
{
    const Scheduler fuzzy;
    Card review = exact.review(Card(), Rating::Easy, start); // 8 days, exactly
    review.stability = 100;                                  // 100 days, exactly
    const Card plain = exact.review(review, Rating::Good, review.due);
    const int exactDays = int(floor<days>(plain.due - plain.lastReview).count());
    std::set<int> seen;
    for (quint64 seed = 0; seed < 200; ++seed) {
        const Card card = fuzzy.review(review, Rating::Good, review.due, seed);
        EXPECT_EQ(card, fuzzy.review(review, Rating::Good, review.due, seed));
        seen.insert(int(floor<days>(card.due - card.lastReview).count()));
    }
    EXPECT_GE(*seen.begin(), exactDays * 0.9);
    EXPECT_LE(*seen.rbegin(), exactDays * 1.1);
    EXPECT_GT(seen.size(), 5u);
}

TEST(Fsrs, TimesWithOffsetsAndPhrasesAsKeys)
{
    // The store's tests read and write times and fold words; these are the cases they miss.
    EXPECT_EQ(parseTimeText(timeText(start + 5ms)), start + 5ms);
    EXPECT_EQ(parseAnyTimeText(u"2022-11-29T13:30:00+01:00"), start);
    EXPECT_FALSE(parseAnyTimeText(u"2022-02-30T12:00:00.000Z"));
    EXPECT_EQ(wordKey(" in   Lieu\u00a0of "), "in lieu of");
}

TEST(Fsrs, ALocalDayEndsAtTheLearnersMidnightEitherSideOfSummerTime)
{
    auto database = QSqlDatabase::addDatabase("QSQLITE", "days");
    database.setDatabaseName(":memory:");
    ASSERT_TRUE(database.open());
    // Half an hour either side of midnight in Berlin, around each change of 2026.
    const auto expectDays = [&](const QDate &from, const QDate &to, QStringList times) {
        const LocalDays days(LocalDays::startOf(from), LocalDays::startOf(to));
        for (const QString &local : times) {
            const QDateTime time = QDateTime::fromString(local, Qt::ISODate);
            QVariantList values;
            QSqlQuery query(database);
            const QString seconds = QString::number(time.toSecsSinceEpoch());
            ASSERT_TRUE(query.prepare("SELECT " + days.julianDay(seconds, values)));
            for (const QVariant &value : values)
                query.addBindValue(value);
            ASSERT_TRUE(query.exec() && query.next());
            EXPECT_EQ(query.value(0).toLongLong(), time.date().toJulianDay())
                << local.toStdString();
        }
    };
    expectDays({2026, 3, 20}, {2026, 4, 1},
               {"2026-03-20T00:30", "2026-03-28T23:30", "2026-03-29T00:30", "2026-03-29T23:30",
                "2026-03-30T00:30", "2026-03-31T23:30"});
    expectDays({2026, 10, 20}, {2026, 11, 1},
               {"2026-10-24T23:30", "2026-10-25T00:30", "2026-10-25T23:30", "2026-10-26T00:30",
                "2026-10-31T23:30"});
    EXPECT_EQ(LocalDays::startOf({2026, 3, 29}),
              QDateTime({2026, 3, 28}, {23, 0}, Qt::UTC).toSecsSinceEpoch());
}

} // namespace
