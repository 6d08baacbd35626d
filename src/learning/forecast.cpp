// SPDX-License-Identifier: GPL-3.0-or-later
#include "forecast.h"

#include "core/dictionary.h"
#include "learnermemory.h"
#include "progressstore.h"
#include "sql.h"
#include "studyreads.h"
#include "timetext.h"
#include "wordkey.h"

#include <QSet>
#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

namespace learning {

namespace {

using std::chrono::days;

// splitmix64: small, and the same sequence on every machine.
class Draws
{
public:
    explicit Draws(quint64 seed) : state(seed) {}
    quint64 next()
    {
        quint64 z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    double uniform() { return double(next() >> 11) * 0x1.0p-53; }

private:
    quint64 state;
};

enum class Pace { Planned, Recent, FillLimit };

// The study of one run: which words are new each day, and how many minutes a day may take.
struct Rules
{
    Pace pace = Pace::Planned;
    std::optional<QDate> exam; // only while it lies ahead
    double minutesLimit = 0;   // 0: none
    int simulatedDays = 0;     // days studied before the end day
    // The input's time, and when each day simulated ends, and the end day: the same for every
    // run, and each a look into the time zone.
    Time now{};
    std::vector<Time> dayEnds;
};

struct RunResult
{
    int allSeenDay = -1; // days after today, -1 when not reached
    double recalled = 0, variance = 0;
    double minutes = 0;
    int minuteDays = 0;
    int firstDayNew = 0;
    int started = 0, startDays = 0; // words first answered, and the days they were
};

class Run
{
public:
    Run(const ForecastInput &input, const Scheduler &scheduler, const Rules &rules, quint64 seed)
        : input(input), scheduler(scheduler), rules(rules), draws(seed), cards(input.cards)
    {
        for (int i = 0; i < cards.size(); ++i) {
            if (cards[i].state == CardState::New)
                unseen << i;
        }
        if (rules.exam) {
            examStart = startOfDay(*rules.exam);
            dayBeforeExam = startOfDay(rules.exam->addDays(-1));
        }
    }

    RunResult play()
    {
        RunResult result;
        const QDate today = input.now.date();
        const bool everyWordSeen = unseen.isEmpty();
        double owed = 0; // the recent pace's fraction of a word carried to the next day
        for (int d = 0; d < rules.simulatedDays; ++d) {
            const Time start = rules.now + days(d);
            used = 0;
            const Time dayEnd = rules.dayEnds[d];
            collectDue(start, dayEnd);
            // As Study Today plans a day: every review due, then the new words that fit.
            const int wanted = std::min(newWordsFor(d, today.addDays(d), owed), int(unseen.size()));
            const int newWords =
                input.times.newWordsWithin(rules.minutesLimit, int(due.size()), wanted);
            for (const auto &[time, recall, index] : due)
                answer(index, time, dayEnd, input.times.reviewSeconds);
            const qsizetype before = unseen.size();
            for (int n = 0; n < newWords; ++n)
                learnNew(start, dayEnd);
            const int started = int(before - unseen.size());
            result.started += started;
            result.startDays += started > 0;
            if (d == 0)
                result.firstDayNew =
                    started + (rules.pace == Pace::Planned ? input.startedToday : 0);
            if (started > 0 || result.allSeenDay < 0 || everyWordSeen) {
                result.minutes += used / 60.0;
                ++result.minuteDays;
            }
            if (unseen.isEmpty() && result.allSeenDay < 0)
                result.allSeenDay = d;
            if (rules.pace == Pace::FillLimit && unseen.isEmpty())
                break;
        }
        if (unseen.isEmpty() && result.allSeenDay < 0)
            result.allSeenDay = 0;
        const Time end = rules.now + days(rules.simulatedDays);
        for (const Card &card : cards) {
            const double recall = scheduler.retrievability(card, end);
            result.recalled += recall;
            result.variance += recall * (1 - recall);
        }
        return result;
    }

private:
    // When the card comes up for study, with the exam-date cap of studyDue().
    Time dueFor(const Card &card) const
    {
        if (rules.exam && card.due >= examStart && card.lastReview < dayBeforeExam)
            return dayBeforeExam;
        return card.due;
    }

    // Answers at a time, from the model, and the card's steps the same day after it.
    void answer(int index, Time time, Time dayEnd, double seconds,
                std::optional<Rating> first = std::nullopt)
    {
        Card &card = cards[index];
        for (int step = 0; step < 12; ++step) {
            const Rating rating =
                first ? *first
                      : (draws.uniform() < scheduler.retrievability(card, time) ? Rating::Good
                                                                                : Rating::Again);
            first.reset();
            card = scheduler.review(card, rating, time, draws.next());
            used += seconds;
            if (card.due >= dayEnd)
                return;
            time = std::max(card.due, time);
        }
    }

    // The cards due by the end of the day, as Study Today orders them: those due by the start
    // the least likely to be recalled first, then the others as they come due.
    void collectDue(Time start, Time dayEnd)
    {
        due.clear();
        for (int i = 0; i < cards.size(); ++i) {
            if (cards[i].state != CardState::New && dueFor(cards[i]) < dayEnd)
                due.push_back({std::max(start, dueFor(cards[i])),
                               scheduler.retrievability(cards[i], start), i});
        }
        std::sort(due.begin(), due.end());
    }

    void learnNew(Time start, Time dayEnd)
    {
        const int index = unseen.takeLast();
        const bool right = draws.uniform() < input.firstAnswerRight;
        answer(index, start, dayEnd, input.times.newSeconds, right ? Rating::Good : Rating::Again);
    }

    int newWordsFor(int d, QDate day, double &owed) const
    {
        const int left = int(unseen.size());
        switch (rules.pace) {
        case Pace::Planned:
            return newWordBudget(rules.exam, input.plan.newWordsPerDay, left,
                                 d == 0 ? input.startedToday : 0, day);
        case Pace::Recent: {
            owed += double(input.recent.wordsStarted) / std::max(1, input.recent.studyDays);
            const int whole = int(owed);
            owed -= whole;
            // Today's own words count against today's.
            return d == 0 ? std::max(0, whole - input.startedToday) : whole;
        }
        case Pace::FillLimit:
            return mostNewWordsPerDay;
        }
        return 0;
    }

    const ForecastInput &input;
    const Scheduler &scheduler;
    const Rules &rules;
    Draws draws;
    QList<Card> cards;
    QList<int> unseen;
    std::vector<std::tuple<Time, double, int>> due; // the day's, reused
    Time examStart{}, dayBeforeExam{};
    double used = 0; // seconds answered on the day
};

std::optional<QDate> examAhead(const ForecastInput &input)
{
    const auto exam = input.plan.examDate;
    return exam && *exam > input.now.date() ? exam : std::nullopt;
}

Rules rulesFor(const ForecastInput &input, Pace pace)
{
    Rules rules;
    rules.pace = pace;
    const auto exam = examAhead(input);
    rules.simulatedDays = exam ? int(input.now.date().daysTo(*exam)) : ForecastInput::horizonDays;
    if (pace == Pace::Planned) {
        rules.exam = exam;
        rules.minutesLimit = input.plan.dailyMinutes;
    } else if (pace == Pace::Recent) {
        // As many minutes a day as lately: the first answers to the words started then at a new
        // word's time, the others at a review's.
        const RecentPace &recent = input.recent;
        const AnswerTimes &times = input.times;
        const double newWords =
            std::min<double>(recent.allWordsStarted, recent.answers / times.answersPerNewWord);
        const double reviews =
            (recent.answers - newWords * times.answersPerNewWord) / times.answersPerReview;
        rules.minutesLimit =
            times.seconds(reviews, newWords) / 60 / std::max(1, input.recent.studyDays);
    } else {
        rules.minutesLimit = input.plan.dailyMinutes;
        rules.simulatedDays = std::max(rules.simulatedDays, 3 * 365);
    }
    rules.now = toTime(input.now);
    const QDate today = input.now.date();
    for (int d = 0; d <= rules.simulatedDays; ++d)
        rules.dayEnds.push_back(startOfDay(today.addDays(d + 1)));
    return rules;
}

ForecastOutcome play(const ForecastInput &input, const Rules &rules, quint64 tag)
{
    const Scheduler scheduler(input.scheduler);
    const int runs = std::max(1, input.runs);
    QList<RunResult> results;
    for (int run = 0; run < runs; ++run)
        results
            << Run(input, scheduler, rules, input.seed * 1000003ULL + tag * 7919ULL + run).play();

    ForecastOutcome outcome;
    outcome.words = int(input.cards.size());
    outcome.end = input.now.date().addDays(rules.simulatedDays);
    double sum = 0, squares = 0, within = 0, minutes = 0;
    int minuteDays = 0, started = 0, startDays = 0;
    QList<int> seenDays;
    for (const RunResult &result : results) {
        outcome.recalledByRun << result.recalled;
        sum += result.recalled;
        squares += result.recalled * result.recalled;
        within += result.variance;
        minutes += result.minutes;
        minuteDays += result.minuteDays;
        started += result.started;
        startDays += result.startDays;
        seenDays << (result.allSeenDay < 0 ? std::numeric_limits<int>::max() : result.allSeenDay);
    }
    outcome.expected = sum / runs;
    // The spread of the count on the day: the chance in each word's recall, and the runs'
    // different histories.
    const double between = std::max(0.0, squares / runs - outcome.expected * outcome.expected);
    const double spread = 1.2816 * std::sqrt(within / runs + between); // 10th to 90th percentile
    outcome.low = std::max(0.0, outcome.expected - spread);
    outcome.high = std::min(double(outcome.words), outcome.expected + spread);
    outcome.minutesPerDay = minuteDays > 0 ? minutes / minuteDays : 0;
    outcome.newWordsPerDay = startDays > 0 ? double(started) / startDays : 0;
    outcome.newWordsFirstDay = results.first().firstDayNew;
    std::sort(seenDays.begin(), seenDays.end());
    const int median = seenDays[seenDays.size() / 2];
    if (median != std::numeric_limits<int>::max())
        outcome.everyWordSeen = input.now.date().addDays(median);
    return outcome;
}

} // namespace

Forecast forecast(const ForecastInput &input)
{
    Forecast result;
    const Scheduler scheduler(input.scheduler);
    const Time now = toTime(input.now);
    for (const Card &card : input.cards) {
        if (card.state == CardState::New) {
            ++result.unseen;
        } else {
            ++result.seen;
            result.recalledToday += scheduler.retrievability(card, now);
        }
    }
    result.planned = play(input, rulesFor(input, Pace::Planned), 1);
    if (input.recent.studyDays > 0 && input.recent.answers > 0)
        result.recent = play(input, rulesFor(input, Pace::Recent), 2);
    return result;
}

Pacing pacing(const ForecastInput &input)
{
    Pacing result;
    ForecastInput unlimited = input;
    unlimited.plan.dailyMinutes = 0;
    const ForecastOutcome planned = play(unlimited, rulesFor(unlimited, Pace::Planned), 1);
    result.newWordsPerDay = planned.newWordsFirstDay;
    result.minutesPerDay = int(std::lround(planned.minutesPerDay));
    result.everyWordSeen = planned.everyWordSeen;
    result.overLimit =
        input.plan.dailyMinutes > 0 && planned.minutesPerDay > input.plan.dailyMinutes;
    if (result.overLimit)
        result.doneAtLimit = play(input, rulesFor(input, Pace::FillLimit), 3).everyWordSeen;
    return result;
}

namespace {

// What the forecast reads of the progress file, through the learner's memory or a read-only
// store: the same reads, and as there, what cannot be read besides the cards counts as nothing
// (a file of another program's making may lack the index a read asks for).
struct StoreReads
{
    ProgressStore &store;
    QSqlDatabase db;

    const Scheduler &scheduler() { return store.scheduler(); }
    QHash<QString, Card> loadCards() { return store.loadCards(); }
    RecentStudy recentStudy(Time since)
    {
        return orNothing([&] { return readRecentStudy(db, since); });
    }
    AnswerTimes answerTimes(Time before)
    {
        return orNothing([&] { return readAnswerTimes(db, answerTimesSample, before); });
    }
    QSet<QString> wordsFirstAnsweredSince(Time since)
    {
        return orNothing([&] { return learning::wordsFirstAnsweredSince(db, since); });
    }

    template <typename Read> static auto orNothing(Read read) -> decltype(read())
    {
        try {
            return read();
        } catch (const sql::Failure &) {
            return {};
        }
    }
};

template <typename Reads>
ForecastInput readInput(Reads &memory, const core::Dictionary &words, const StudyPlan &plan,
                        const QDateTime &now)
{
    ForecastInput input;
    input.now = now;
    input.plan = plan;
    input.scheduler = memory.scheduler().options();
    const QHash<QString, Card> cards = memory.loadCards();
    QSet<QString> keys;
    // Entry 0 is the list's heading, which Study Today does not ask.
    const QStringList &list = words.words();
    for (qsizetype i = 1; i < list.size(); ++i) {
        const QString key = wordKey(list[i]);
        if (key.isEmpty() || keys.contains(key))
            continue;
        keys.insert(key);
        input.cards << cards.value(key);
    }
    const QDate today = now.date();
    const RecentStudy times = memory.recentStudy(startOfDay(today.addDays(1 - RecentPace::days)));
    const Time todayStart = startOfDay(today);
    input.times = memory.answerTimes(todayStart);
    if (times.firstAnswer) {
        const QDate first = toDateTime(*times.firstAnswer).toLocalTime().date();
        input.recent.studyDays =
            int(std::clamp<qint64>(first.daysTo(today) + 1, 1, RecentPace::days));
    }
    input.recent.answers = times.recentAnswers;
    input.recent.allWordsStarted = int(times.recentlyStarted.size());
    for (const QString &key : times.recentlyStarted) {
        if (keys.contains(key))
            ++input.recent.wordsStarted;
    }
    for (const QString &key : memory.wordsFirstAnsweredSince(todayStart)) {
        if (keys.contains(key))
            ++input.startedToday;
    }
    return input;
}

} // namespace

ForecastInput readForecastInput(LearnerMemory &memory, const core::Dictionary &words,
                                const StudyPlan &plan, const QDateTime &now)
{
    return readInput(memory, words, plan, now);
}

ForecastInput readForecastInput(ProgressStore &store, const core::Dictionary &words,
                                const StudyPlan &plan, const QDateTime &now)
{
    StoreReads reads{store, store.database()};
    return readInput(reads, words, plan, now);
}

} // namespace learning
