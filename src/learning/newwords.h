// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

namespace core {
class Confusables;
}
// The order new words are introduced in. Not the list's order: alphabetical neighbours are
// often of one family (aberrant, aberration) and give each other away. A shuffle instead, the
// same every day so that the plan a learner sees today still holds tomorrow, and words that
// could be told from each other only by knowing one of them are introduced days apart.
namespace learning {

// A word's place in its list's shuffle, from the list's name and the word alone, so that the
// order stays from day to day.
quint64 shuffleRank(const QString &listName, const QString &key);

// Two words of one family, by their shared stem (abhor and abhorrent, aberrant and aberration):
// a common beginning of at least four letters that leaves at most three letters of the shorter.
bool sameFamily(const QString &a, const QString &b);

// Related words are introduced at least this many days apart when the plan allows.
constexpr int relatedWordsDaysApart = 3;

struct NewWordRules
{
    QString listName; // seeds the shuffle
    const core::Confusables *lookAlikes = nullptr;
    // Keys of the words first answered on the last relatedWordsDaysApart - 1 days or today.
    QSet<QString> introducedLately;
    // Or where to read them, asked only when there are words to choose: the read costs more
    // than the rest of the queue after days of many answers.
    std::function<QSet<QString>()> readIntroducedLately;
};

// Up to budget of the never-studied words (positions into keys): those with more relatives in
// the list first, each group in shuffle order, passing over a word of the family or among the
// look-alikes (either way) of a word introduced lately or chosen before it today. When passing
// over leaves the budget short, words related only to those introduced lately come next, then
// any.
QList<int> chooseNewWords(const QStringList &keys, const QList<int> &neverStudied, int budget,
                          const NewWordRules &rules);

} // namespace learning
