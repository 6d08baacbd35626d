// SPDX-License-Identifier: GPL-3.0-or-later
#include "studyqueue.h"

#include "studyplan.h"

#include <QSet>
#include <algorithm>

namespace learning {

StudyQueue buildStudyQueue(const QStringList &keys, int first, int end,
                           const QHash<QString, Card> &cards, const Scheduler &scheduler,
                           const StudyDay &day, const NewWordRules &newWords,
                           const QSet<QString> *studied)
{
    StudyQueue queue;
    const Time tomorrow = startOfDay(day.today.addDays(1));
    QSet<QString> seen;
    seen.reserve(end - first);
    QList<int> unstudied;
    QList<std::pair<double, StudyItem>> reviews;
    for (int position = first; position < end && position < keys.size(); ++position) {
        const QString &key = keys[position];
        if (key.isEmpty() || seen.contains(key))
            continue;
        seen.insert(key);
        const auto card = cards.constFind(key);
        const bool known = studied ? studied->contains(key) : card != cards.constEnd();
        if (!known || (card != cards.constEnd() && card->state == CardState::New)) {
            unstudied << position;
            continue;
        }
        if (card == cards.constEnd())
            continue;
        const Time due = studyDue(*card, day.examDate, day.today);
        if (due >= tomorrow)
            continue;
        if (card->state == CardState::Review)
            reviews.append({scheduler.retrievability(*card, day.now),
                            StudyItem{position, StudyKind::Review, due}});
        else
            queue.learning << StudyItem{position, StudyKind::Learning, due};
    }
    std::stable_sort(queue.learning.begin(), queue.learning.end(),
                     [](const StudyItem &a, const StudyItem &b) { return a.due < b.due; });
    std::stable_sort(reviews.begin(), reviews.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &review : std::as_const(reviews))
        queue.reviews << review.second;
    queue.neverStudied = int(unstudied.size());
    const int budget = newWordBudget(day.examDate, day.newWordsPerDay, queue.neverStudied,
                                     day.startedToday, day.today);
    for (int position : chooseNewWords(keys, unstudied, budget, newWords))
        queue.fresh << StudyItem{position, StudyKind::New, day.now};
    return queue;
}

} // namespace learning
