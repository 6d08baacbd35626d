// SPDX-License-Identifier: GPL-3.0-or-later
// The forecast against a learner whose memory is the model's: what it expects on the exam day is
// what such a learner, following the plan answer by answer, recalls on average; the day every
// word is seen follows the plan's budget; a daily limit below the plan's minutes is told.

#include "learning/forecast.h"
#include "learning/retentionsuggestion.h"
#include "learningtest.h"

#include <queue>
#include <random>

namespace {

const QDateTime morning(QDate(2026, 3, 2), QTime(9, 0));

// A list of unseen words, and some seen on the days before (answered right once).
ForecastInput listOf(int unseen, int seen, std::optional<QDate> exam)
{
    ForecastInput input;
    input.now = morning;
    input.plan.examDate = exam;
    const Scheduler scheduler(input.scheduler);
    for (int i = 0; i < seen; ++i) {
        const Time first = toTime(morning) - std::chrono::days(1 + i % 9);
        input.cards << scheduler.review(Card{}, Rating::Good, first, i);
    }
    input.cards.append(QList<Card>(unseen));
    return input;
}

// A learner who studies as Study Today asks, one answer every ten seconds from the morning on:
// the cards due (with the exam-day cap) by their due time, the least likely to be recalled first
// among those due by the morning, then the new words the limit leaves room for; each answer right
// with the model's chance of recall then (a new word's first with the input's chance), a word due
// again that day back when its step is over. On the last morning, each recalled by that chance.
int recalledAtTheEnd(const ForecastInput &input, quint64 seed)
{
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> chance(0, 1);
    const Scheduler scheduler(input.scheduler);
    QList<Card> cards = input.cards;
    const auto exam = input.plan.examDate;
    const QDate end = exam.value_or(morning.date().addDays(ForecastInput::horizonDays));
    for (QDate day = morning.date(); day < end; day = day.addDays(1)) {
        const Time dayEnd = startOfDay(day.addDays(1));
        Time clock = toTime(QDateTime(day, morning.time()));
        // When, the chance of recall, and the card.
        using Waiting = std::tuple<Time, double, int>;
        std::priority_queue<Waiting, std::vector<Waiting>, std::greater<>> waiting;
        int unseen = 0;
        for (int i = 0; i < cards.size(); ++i) {
            if (cards[i].state == CardState::New)
                ++unseen;
            else if (studyDue(cards[i], exam, day) < dayEnd)
                waiting.push({std::max(clock, studyDue(cards[i], exam, day)),
                              scheduler.retrievability(cards[i], clock), i});
        }
        int fresh = input.times.newWordsWithin(
            input.plan.dailyMinutes, int(waiting.size()),
            newWordBudget(exam, input.plan.newWordsPerDay, unseen, 0, day));
        for (int i = 0; i < cards.size(); ++i)
            if (cards[i].state == CardState::New && fresh-- > 0)
                waiting.push({clock + std::chrono::hours(1), 0, i});
        while (!waiting.empty()) {
            const auto [due, recall, index] = waiting.top();
            waiting.pop();
            clock = std::max(clock, due) + std::chrono::seconds(10);
            Card &card = cards[index];
            const double right = card.state == CardState::New
                                     ? input.firstAnswerRight
                                     : scheduler.retrievability(card, clock);
            card = scheduler.review(card, chance(random) < right ? Rating::Good : Rating::Again,
                                    clock, random());
            if (card.due < dayEnd)
                waiting.push({card.due, 0, index});
        }
    }
    int recalled = 0;
    const Time lastMorning = toTime(QDateTime(end, morning.time()));
    for (const Card &card : cards)
        recalled += chance(random) < scheduler.retrievability(card, lastMorning);
    return recalled;
}

} // namespace

TEST(Forecast, ExpectsWhatALearnerWithTheModelsMemoryRecalls)
{
    // Unseen and seen words, the days to the exam, the first answer's chance, the retention and
    // the daily limit.
    const std::tuple<int, int, std::optional<int>, double, double, int> cases[] = {
        {240, 60, 30, 0.5, 0.9, 0},
        {150, 0, std::nullopt, 0.8, 0.85, 0},
        {0, 200, std::nullopt, 0.5, 0.95, 0},
        {300, 50, 30, 0.5, 0.9, 4}};
    for (const auto &[unseen, seen, examDays, firstRight, retention, dailyMinutes] : cases) {
        const auto exam =
            examDays ? std::optional(morning.date().addDays(*examDays)) : std::nullopt;
        ForecastInput input = listOf(unseen, seen, exam);
        input.firstAnswerRight = firstRight;
        input.scheduler.desiredRetention = retention;
        input.plan.dailyMinutes = dailyMinutes;
        const Forecast result = forecast(input);
        const int runs = 40;
        double sum = 0;
        for (int run = 0; run < runs; ++run)
            sum += recalledAtTheEnd(input, 100 + run);
        const double mean = sum / runs;
        SCOPED_TRACE(testing::Message() << unseen << " unseen, " << seen << " seen");
        EXPECT_NEAR(result.planned.expected, mean, 0.03 * mean);
        EXPECT_LT(result.planned.low, mean);
        EXPECT_GT(result.planned.high, mean);
        EXPECT_EQ(std::pair(result.seen, result.unseen), std::pair(seen, unseen));
        EXPECT_LE(result.recalledToday, seen);
        EXPECT_EQ(forecast(input).planned.expected, result.planned.expected); // seeded
    }
}

TEST(Forecast, EveryWordIsSeenOnTheDayThePlanSays)
{
    // 20 words a day: the words, the exam, the day every word is seen.
    const QDate first = morning.date();
    const std::tuple<int, std::optional<QDate>, std::optional<QDate>> cases[] = {
        {8, first.addDays(12), first.addDays(4)}, // 8 words over 12 - 7 days: 2, 2, 2, 1 and 1
        {15, std::nullopt, first},                // all on the first day
        {100, std::nullopt, first.addDays(4)},    // 20 a day without an exam
        {101, std::nullopt, first.addDays(5)},    // the one left over takes a day
        {40, first.addDays(6), std::nullopt},     // the review-only week: none are introduced
        {4000, first.addDays(40), std::nullopt}}; // more than 100 a day: not before the exam
    for (const auto &[unseen, exam, seenOn] : cases) {
        const ForecastOutcome planned = forecast(listOf(unseen, 0, exam)).planned;
        SCOPED_TRACE(testing::Message() << unseen << " words");
        EXPECT_EQ(planned.everyWordSeen, seenOn);
        EXPECT_EQ(planned.end, exam.value_or(first.addDays(ForecastInput::horizonDays)));
    }
    // Day by day, the budget as Study Today computes it.
    const QDate exam = morning.date().addDays(60);
    int left = 2290, days = 0;
    for (QDate day = morning.date(); left > 0; day = day.addDays(1), ++days)
        left -= newWordBudget(exam, 20, left, 0, day);
    EXPECT_EQ(forecast(listOf(2290, 0, exam)).planned.everyWordSeen,
              morning.date().addDays(days - 1));
}

TEST(Forecast, ALimitBelowThePlansMinutesIsToldWithALaterDay)
{
    ForecastInput input = listOf(600, 100, morning.date().addDays(40));
    const Pacing free = pacing(input);
    EXPECT_EQ(free.newWordsPerDay, 19); // 600 over 33 days
    EXPECT_FALSE(free.overLimit);
    EXPECT_GT(free.minutesPerDay, 19 * 2 * 10 / 60);

    input.plan.dailyMinutes = free.minutesPerDay + 5;
    EXPECT_FALSE(pacing(input).overLimit);

    input.plan.dailyMinutes = free.minutesPerDay / 2;
    const Pacing limited = pacing(input);
    EXPECT_TRUE(limited.overLimit);
    ASSERT_TRUE(limited.doneAtLimit);
    const auto planned = forecast(listOf(600, 100, morning.date().addDays(40))).planned;
    EXPECT_GT(*limited.doneAtLimit, *planned.everyWordSeen);
    // Held to the limit, the plan does not see every word before the exam, and expects less.
    const auto held = forecast(input).planned;
    EXPECT_FALSE(held.everyWordSeen);
    EXPECT_LT(held.expected, planned.expected);
}

TEST(Forecast, TheMinutesAreThoseOfTheDaysWordsAreSeenOrOfEveryDay)
{
    // 20 new words a day for five days take ten minutes each (three answers of ten seconds);
    // the review-only days after them do not dilute the figure.
    const ForecastOutcome planned = forecast(listOf(100, 0, std::nullopt)).planned;
    EXPECT_GE(planned.minutesPerDay, 10);
    EXPECT_EQ(planned.newWordsPerDay, 20);
    // Words seen once in the nine days before: the first day's reviews are the same at any
    // retention, the days after are not.
    ForecastInput input = listOf(0, 200, morning.date().addDays(60));
    input.scheduler.desiredRetention = 0.75;
    const double fewer = forecast(input).planned.minutesPerDay;
    input.scheduler.desiredRetention = 0.95;
    EXPECT_GT(forecast(input).planned.minutesPerDay, 1.2 * fewer);
}

TEST(Forecast, ReadsTheLearnersTimesAndPaceFromTheMemory)
{
    ProgressFolder folder;
    folder.writeWords("s.xml", 30, "<word>w%1</word><meaning>m%1</meaning><usage>u</usage>\n");
    core::Dictionary words{folder.dir.path()};
    words.load("\\XML\\s.xml");
    LearnerMemory memory(folder.file());
    const QDateTime now(QDate(2026, 3, 10), QTime(18, 0));
    // Another list's ten words first 30 days ago in 12 s, then twice more in 6 s; two days ago
    // w1..w10 first, in 4 s; today w11..w20 first, in a minute, which the times leave out, as
    // Study Today's plan does.
    const auto record = [&](const QString &word, const char *list, int seconds, QDateTime at) {
        memory.recordAnswer(word, Rating::Good, "study", list, seconds * 1000, at);
    };
    const std::pair<int, int> otherList[] = {{30, 12}, {20, 6}, {10, 6}}; // days ago, seconds
    for (int i = 0; i < 10; ++i) {
        for (const auto &[daysAgo, seconds] : otherList)
            record("o" + QString::number(i), "o.xml", seconds, now.addDays(-daysAgo).addSecs(i));
        record("w" + QString::number(i + 1), "s.xml", 4, now.addDays(-2).addSecs(i));
        record("w" + QString::number(i + 11), "s.xml", 60, now.addSecs(-60 + i));
    }
    const ForecastInput input = readForecastInput(memory, words, StudyPlan{}, now);
    EXPECT_EQ(input.cards.size(), 30); // not the heading
    const AnswerTimes &times = input.times;
    EXPECT_EQ((std::array{times.reviewSeconds, times.newSeconds, times.answersPerReview,
                          times.answersPerNewWord}),
              (std::array{6.0, 8.0, 1.0, 1.0}));
    const RecentPace &recent = input.recent;
    EXPECT_EQ((std::array{input.startedToday, recent.wordsStarted, recent.allWordsStarted,
                          recent.studyDays, recent.answers}),
              (std::array{10, 20, 20, RecentPace::days, 20}));
    const Forecast result = forecast(input);
    EXPECT_EQ(result.seen, 20);
    ASSERT_TRUE(result.recent);
    // 20 words in 20 answers a week: far later than 20 a day, if at all.
    EXPECT_TRUE(!result.recent->everyWordSeen ||
                *result.recent->everyWordSeen > *result.planned.everyWordSeen);

    // A learner who began yesterday has studied for two days of the week, not one or seven.
    LearnerMemory beginner(folder.file("progress/beginner.sqlite"));
    beginner.recordAnswer("w1", Rating::Good, "study", "s.xml", 4000, now.addDays(-1));
    EXPECT_EQ(readForecastInput(beginner, words, StudyPlan{}, now).recent.studyDays, 2);
}

TEST(RetentionSuggestion, ALearnerShortOfTimeIsToldToAimLower)
{
    ForecastInput input = listOf(600, 100, morning.date().addDays(40));
    const auto unhurried = suggestRetention(input);
    input.plan.dailyMinutes = 8;
    const auto squeezed = suggestRetention(input);
    ASSERT_TRUE(unhurried && squeezed);
    EXPECT_EQ(std::tuple(squeezed->dailyMinutes, squeezed->exam),
              std::tuple(8, morning.date().addDays(40)));
    for (const auto &found : {*unhurried, *squeezed}) {
        EXPECT_EQ(found.current.retention, 0.9);
        EXPECT_GE(found.suggested.retention, lowestSuggestedRetention);
        EXPECT_LE(found.suggested.retention, highestSuggestedRetention);
    }
    // Fewer reviews leave minutes for words the limit kept from being seen.
    EXPECT_TRUE(squeezed->changes());
    EXPECT_LT(squeezed->suggested.retention, 0.9);
    EXPECT_GT(squeezed->suggested.expected, 1.1 * squeezed->current.expected);
    EXPECT_LT(squeezed->suggested.retention, unhurried->suggested.retention);

    // The same seeds, the same suggestion.
    const auto figures = [](const auto &found) {
        return std::array{found->suggested.retention, found->suggested.expected,
                          found->current.expected};
    };
    EXPECT_EQ(figures(suggestRetention(input)), figures(squeezed));

    // A single run has no chance to weigh: the retention that recalls the most is told.
    input.runs = 1;
    double most = 0;
    for (int percent = 75; percent <= 95; ++percent)
        most = std::max(most, forecast(atRetention(input, percent / 100.0)).planned.expected);
    EXPECT_EQ(suggestRetention(input).value().suggested.expected, most);
}

TEST(RetentionSuggestion, NoneWithoutAnExamAheadAndNoChangeForAFewWords)
{
    ForecastInput input = listOf(600, 100, std::nullopt);
    EXPECT_FALSE(suggestRetention(input));
    input.plan.examDate = morning.date(); // the exam is today: nothing left to plan
    EXPECT_FALSE(suggestRetention(input));
    input.plan.examDate = morning.date().addDays(40);
    std::atomic_bool stop = true;
    EXPECT_FALSE(suggestRetention(input, &stop));

    // Without a limit every word is seen in time, and a higher retention recalls a few more:
    // not enough to be told to change.
    const auto found = suggestRetention(input);
    ASSERT_TRUE(found);
    const double higher = forecast(atRetention(input, 0.95)).planned.expected;
    EXPECT_GT(higher, found->current.expected);
    EXPECT_LT(higher, 1.02 * found->current.expected);
    EXPECT_FALSE(found->changes());
    EXPECT_EQ(found->suggested.expected, found->current.expected);

    // One outside the range searched is weighed all the same.
    input.plan.desiredRetention = 0.97;
    EXPECT_EQ(suggestRetention(input).value().current.retention, 0.97);
}

TEST(RetentionSuggestion, WordsInReviewComeBackAsAReplayAtTheOtherRetentionBringsThem)
{
    SchedulerOptions options{.fuzz = false};
    // The learner's answers, at their times: a replay at another retention keeps them.
    const auto history = [](const Scheduler &scheduler) {
        using namespace std::chrono;
        const std::pair<minutes, Rating> answers[] = {
            {0min, Rating::Good},     {10min, Rating::Good},           {days(3), Rating::Good},
            {days(9), Rating::Again}, {days(9) + 10min, Rating::Good}, {days(15), Rating::Good},
            {days(31), Rating::Good}};
        Card card;
        for (const auto &[after, rating] : answers)
            card = scheduler.review(card, rating, toTime(morning) + after);
        return card;
    };
    ForecastInput input;
    input.scheduler = options;
    input.cards << history(Scheduler(options)) << Card{};
    ASSERT_EQ(input.cards[0].state, CardState::Review);
    for (double retention : {0.75, 0.85, 0.95}) {
        options.desiredRetention = retention;
        const Card replayed = history(Scheduler(options));
        const ForecastInput moved = atRetention(input, retention);
        EXPECT_EQ(moved.scheduler.desiredRetention, retention);
        // The replay keeps the memory and moves the interval, to within a day of the moved one.
        EXPECT_EQ(replayed.stability, input.cards[0].stability);
        const auto interval = [](const Card &card) {
            return std::chrono::floor<std::chrono::days>(card.due - card.lastReview).count();
        };
        EXPECT_NEAR(interval(moved.cards[0]), interval(replayed), 1) << retention;
        EXPECT_EQ(moved.cards[1], Card{});
    }
}
