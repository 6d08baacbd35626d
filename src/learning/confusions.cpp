// SPDX-License-Identifier: GPL-3.0-or-later
#include "confusions.h"

#include "sql.h"
#include "studyformats.h"
#include "timetext.h"
#include "wordkey.h"

#include <QHash>
#include <QSet>
#include <QVariant>
#include <algorithm>
#include <vector>

namespace learning {

namespace {

// A pair as it is counted: the latest time as the log writes it, which sorts as it reads.
struct Tally
{
    QString first, second;
    int times = 0;
    QString last;
};

} // namespace

QList<ProgressFigures::ConfusedPair> mostConfusedPairs(const QSqlDatabase &db,
                                                       const QStringList &listKeys, int most)
{
    QList<ProgressFigures::ConfusedPair> result;
    if (!db.isOpen())
        return result;
    // Grouped in SQL, by the index of wrong picks where the file has it; the keys are folded
    // here, as SQLite folds only ASCII.
    QSqlQuery picks = sql::prepare(
        db, QStringLiteral("SELECT word, wrong_pick, format = ?, count(*), max(reviewed_at) FROM "
                           "reviews WHERE wrong_pick <> '' GROUP BY word, wrong_pick, format"));
    picks.addBindValue(formatKey(StudyFormat::TypedRecall));
    sql::exec(picks);
    const QSet<QString> list(listKeys.cbegin(), listKeys.cend());
    std::vector<Tally> pairs;
    QHash<QString, std::size_t> found; // the pair's keys, apart by a tab -> its place in pairs
    const auto count = [&](const QString &asked, const QString &picked, int times,
                           const QString &last) {
        const QString other = wordKey(picked);
        if (other.isEmpty() || other == asked || (!list.contains(asked) && !list.contains(other)))
            return;
        const auto [first, second] = std::minmax(asked, other);
        const QString key = first + QLatin1Char('\t') + second;
        auto place = found.constFind(key);
        if (place == found.cend()) {
            place = found.insert(key, pairs.size());
            pairs.push_back({first, second, 0, QString()});
        }
        Tally &pair = pairs[*place];
        pair.times += times;
        pair.last = std::max(pair.last, last);
    };
    while (picks.next()) {
        const QString asked = wordKey(picks.value(0).toString());
        const QString pick = picks.value(1).toString();
        const int times = picks.value(3).toInt();
        const QString last = picks.value(4).toString();
        if (picks.value(2).toBool()) { // typed: a word of the list, or a misspelling
            if (list.contains(wordKey(pick)))
                count(asked, pick, times, last);
            continue;
        }
        // Of a pair of words (sentence equivalence) each picked wrong is confused with the word.
        for (const QString &picked : pick.split(QLatin1Char('\t')))
            count(asked, picked, times, last);
    }
    const auto shown = pairs.begin() + std::min<std::ptrdiff_t>(std::max(most, 0), pairs.size());
    std::partial_sort(pairs.begin(), shown, pairs.end(), [](const Tally &a, const Tally &b) {
        return std::tie(b.times, b.last, a.first, a.second) <
               std::tie(a.times, a.last, b.first, b.second);
    });
    for (auto pair = pairs.begin(); pair != shown; ++pair)
        result.append({pair->first, pair->second, pair->times,
                       toDateTime(parseAnyTimeText(pair->last).value_or(Time{}))});
    return result;
}

} // namespace learning
