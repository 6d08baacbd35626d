// SPDX-License-Identifier: GPL-3.0-or-later
// The scheduler against the published FSRS-6 reference results, and the fuzz that must stay
// within its range and repeat for the same seed.

#include "learning/fsrs.h"
#include "learning/timetext.h"
#include "learning/wordkey.h"

#include <gtest/gtest.h>
#include <set>

using namespace learning;
using namespace std::chrono;

namespace {

const Time start = sys_days(2022y / November / 29) + 12h + 30min;

Scheduler exact()
{
    SchedulerOptions options;
    options.fuzz = false;
    return Scheduler(options);
}

TEST(Fsrs, IntervalsOfTheReferenceHistory)
{
    const Scheduler scheduler = exact();
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
}

TEST(Fsrs, MemoryOfTheReferenceHistory)
{
    const Scheduler scheduler = exact();
    Card card;
    Time now = start;
    const std::pair<int, Rating> history[] = {{0, Rating::Again}, {0, Rating::Good},
                                              {1, Rating::Good},  {3, Rating::Good},
                                              {8, Rating::Good},  {21, Rating::Good}};
    for (const auto &[offset, rating] : history) {
        now += days(offset);
        card = scheduler.review(card, rating, now);
    }
    EXPECT_NEAR(card.stability, 53.6269, 5e-5);
    EXPECT_NEAR(card.difficulty, 6.3574871, 5e-8);
    // Recall falls to the desired retention when the card falls due.
    EXPECT_NEAR(scheduler.retrievability(card, now + days(int(card.stability))), 0.9, 0.01);
}

TEST(Fsrs, FuzzStaysNearTheIntervalAndRepeatsForASeed)
{
    const Scheduler fuzzy;
    Card review = exact().review(Card(), Rating::Easy, start); // 8 days, exactly
    review.stability = 100;                                    // 100 days, exactly
    const Card plain = exact().review(review, Rating::Good, review.due);
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
    EXPECT_EQ(wordKey(QStringLiteral(" in   Lieu\u00a0of ")), QStringLiteral("in lieu of"));
}

} // namespace
