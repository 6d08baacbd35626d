// SPDX-License-Identifier: GPL-3.0-or-later
#include "studyqueue.h"

#include "studyplan.h"

#include <QSet>
#include <algorithm>
#include <cmath>

namespace learning {

double AnswerTimes::seconds(double reviews, double newWords) const
{
    return reviews * answersPerReview * reviewSeconds + newWords * answersPerNewWord * newSeconds;
}

int AnswerTimes::minutes(int reviews, int newWords) const
{
    const double total = seconds(reviews, newWords);
    return total <= 0 ? 0 : std::max(1, int(std::ceil(total / 60.0)));
}

int AnswerTimes::newWordsWithin(double limit, int reviews, int wanted) const
{
    const double perWord = seconds(0, 1);
    if (limit <= 0 || perWord <= 0)
        return wanted;
    const double left = limit * 60 - seconds(reviews, 0);
    return int(std::clamp(std::floor(left / perWord), 0.0, double(wanted)));
}

StudyQueue buildStudyQueue(const QStringList &keys, int first, int end,
                           const QHash<QString, Card> &cards, const Scheduler &scheduler,
                           const StudyDay &day, const NewWordRules &newWords,
                           const QSet<QString> *studied, const DayWords *answeredToday)
{
    StudyQueue queue;
    const Time tomorrow = startOfDay(day.today.addDays(1));
    const auto dueToday = [&](const Card &card) {
        return card.state != CardState::New && studyDue(card, day.examDate, day.today) < tomorrow;
    };
    QSet<QString> seen;
    seen.reserve(end - first);
    QList<int> unstudied;
    QList<std::pair<double, StudyItem>> reviews;
    int startedToday = answeredToday ? 0 : day.startedToday;
    for (int position = first; position < end && position < keys.size(); ++position) {
        const QString &key = keys[position];
        if (key.isEmpty() || seen.contains(key))
            continue;
        seen.insert(key);
        const auto card = cards.constFind(key);
        const bool known = studied ? studied->contains(key) : card != cards.constEnd();
        const WordDay *today = nullptr;
        if (answeredToday) {
            if (const auto found = answeredToday->constFind(key); found != answeredToday->cend())
                today = &*found;
        }
        // A word answered today is in the plan when it was due as the day began or new then.
        bool planned = true;
        if (today) {
            const bool startedNow = today->before.state == CardState::New;
            startedToday += startedNow ? 1 : 0;
            planned = startedNow || dueToday(today->before);
            queue.plannedReviews += !startedNow && planned ? 1 : 0;
        }
        if (!known || (card != cards.constEnd() && card->state == CardState::New)) {
            unstudied << position;
            continue;
        }
        if (card == cards.constEnd() || !dueToday(*card))
            continue;
        const Time due = studyDue(*card, day.examDate, day.today);
        if (today)
            queue.learning << StudyItem{position, StudyKind::Repeat, due, planned};
        else if (card->state == CardState::Review)
            reviews.append({scheduler.retrievability(*card, day.now),
                            StudyItem{position, StudyKind::Review, due}});
        else
            queue.learning << StudyItem{position, StudyKind::Learning, due};
        queue.plannedReviews += today ? 0 : 1;
    }
    std::stable_sort(queue.learning.begin(), queue.learning.end(),
                     [](const StudyItem &a, const StudyItem &b) { return a.due < b.due; });
    std::stable_sort(reviews.begin(), reviews.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &review : std::as_const(reviews))
        queue.reviews << review.second;
    queue.neverStudied = int(unstudied.size());
    // The allowance is the day's: what the plan gave as the day began, within the limit, less
    // what is started.
    const int dayNewWords = newWordBudget(day.examDate, day.newWordsPerDay,
                                          queue.neverStudied + startedToday, 0, day.today);
    queue.plannedNewWords =
        day.times.newWordsWithin(day.dailyMinutes, queue.plannedReviews, dayNewWords);
    queue.newWordsHeld = queue.plannedNewWords < dayNewWords;
    const int budget = std::clamp(queue.plannedNewWords - startedToday, 0, queue.neverStudied);
    for (int position : chooseNewWords(keys, unstudied, budget, newWords))
        queue.fresh << StudyItem{position, StudyKind::New, day.now};
    return queue;
}

} // namespace learning
