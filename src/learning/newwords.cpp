// SPDX-License-Identifier: GPL-3.0-or-later
#include "newwords.h"

#include "core/confusables.h"
#include "wordkey.h"

#include <QHash>
#include <algorithm>
#include <tuple>

using namespace core;

namespace learning {

namespace {

// The letters words of one family always share (see sameFamily), so that only words that
// begin alike are compared.
constexpr qsizetype familyStart = 4;

// FNV-1a over the UTF-16 text, then splitmix64's finaliser: the same on every machine and Qt
// version, unlike qHash.
quint64 stableHash(const QString &text, quint64 hash = 0xcbf29ce484222325ULL)
{
    for (QChar c : text)
        hash = (hash ^ c.unicode()) * 0x100000001b3ULL;
    hash = (hash ^ (hash >> 30)) * 0xbf58476d1ce4e5b9ULL;
    hash = (hash ^ (hash >> 27)) * 0x94d049bb133111ebULL;
    return hash ^ (hash >> 31);
}

// Words introduced lately or chosen today, and how to tell whether a word is related to one.
class RelatedWords
{
public:
    explicit RelatedWords(const Confusables *lookAlikes) : lookAlikes(lookAlikes) {}

    void add(const QString &key)
    {
        keys << key;
        byStart.insert(key.left(familyStart), key);
        for (const QString &other : lookAlikesOf(key))
            theirLookAlikes << wordKey(other);
    }

    bool relatedTo(const QString &key) const
    {
        if (theirLookAlikes.contains(key))
            return true;
        for (const QString &other : lookAlikesOf(key))
            if (keys.contains(wordKey(other)))
                return true;
        const auto family = byStart.equal_range(key.left(familyStart));
        return std::any_of(family.first, family.second,
                           [&key](const QString &other) { return sameFamily(key, other); });
    }

private:
    QStringList lookAlikesOf(const QString &key) const
    {
        return lookAlikes ? lookAlikes->of(key) : QStringList();
    }

    const Confusables *lookAlikes;
    QSet<QString> keys, theirLookAlikes;
    QMultiHash<QString, QString> byStart;
};

// How many words of the list each word is related to, counting a look-alike named both ways
// twice.
QHash<QString, int> relativesInList(const QStringList &keys, const Confusables *lookAlikes)
{
    const QSet<QString> words(keys.cbegin(), keys.cend());
    QHash<QString, QStringList> byStart;
    for (const QString &key : words)
        byStart[key.left(familyStart)] << key;
    QHash<QString, int> relatives;
    for (const QStringList &group : std::as_const(byStart)) {
        for (qsizetype i = 0; i < group.size(); ++i) {
            for (qsizetype j = i + 1; j < group.size(); ++j) {
                if (sameFamily(group[i], group[j])) {
                    ++relatives[group[i]];
                    ++relatives[group[j]];
                }
            }
        }
    }
    for (const QString &key : words) {
        for (const QString &other : lookAlikes ? lookAlikes->of(key) : QStringList()) {
            if (const QString otherKey = wordKey(other); words.contains(otherKey)) {
                ++relatives[key];
                ++relatives[otherKey];
            }
        }
    }
    return relatives;
}

} // namespace

quint64 shuffleRank(const QString &listName, const QString &key)
{
    return stableHash(key, stableHash(listName));
}

bool sameFamily(const QString &a, const QString &b)
{
    const qsizetype shorter = std::min(a.size(), b.size());
    qsizetype common = 0;
    while (common < shorter && a[common] == b[common])
        ++common;
    return common >= familyStart && common >= shorter - 3;
}

QList<int> chooseNewWords(const QStringList &keys, const QList<int> &neverStudied, int budget,
                          const NewWordRules &rules)
{
    // Counting relatives compares the words of each family: not worth it for nothing to choose.
    if (budget <= 0 || neverStudied.isEmpty())
        return {};
    // Words with many relatives first, while there are days enough to keep them apart; a word
    // with none fits any day, so those fill the last days.
    const QHash<QString, int> relatives = relativesInList(keys, rules.lookAlikes);
    QList<std::tuple<int, quint64, int>> ranked;
    ranked.reserve(neverStudied.size());
    for (int position : neverStudied) {
        const QString &key = keys[position];
        ranked.append({-relatives.value(key), shuffleRank(rules.listName, key), position});
    }
    std::sort(ranked.begin(), ranked.end());

    RelatedWords lately(rules.lookAlikes), today(rules.lookAlikes);
    for (const QString &key : rules.readIntroducedLately &&rules.introducedLately.isEmpty()
                                  ? rules.readIntroducedLately()
                                  : rules.introducedLately)
        lately.add(key);
    QList<int> chosen, left;
    for (const auto &each : std::as_const(ranked))
        left << std::get<2>(each);
    // Three passes, each less strict: apart from both, apart from today's only, any.
    for (int pass = 0; pass < 3 && chosen.size() < budget; ++pass) {
        QList<int> passedOver;
        for (int position : std::as_const(left)) {
            if (chosen.size() == budget)
                break;
            const QString &key = keys[position];
            if ((pass == 0 && lately.relatedTo(key)) || (pass < 2 && today.relatedTo(key))) {
                passedOver << position;
                continue;
            }
            chosen << position;
            today.add(key);
        }
        left = passedOver;
    }
    return chosen;
}

} // namespace learning
