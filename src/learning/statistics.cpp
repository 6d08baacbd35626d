// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics.h"

#include "confusions.h"
#include "localdays.h"
#include "platform/error.h"
#include "sql.h"
#include "studyreads.h"
#include "timetext.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QVariant>
#include <algorithm>

namespace learning {

namespace {

constexpr qint64 quarterSeconds = 900;
constexpr qint64 msPerDay = 86400000;
// The streaks look back this far; older answers keep today's rules of summer time.
constexpr int historyDays = 3660;

const char *const cacheStatements[] = {
    // Answers right (rating above Again) and wrong per quarter hour since 1970 UTC: every
    // time zone's midnight falls on a quarter hour.
    R"(CREATE TABLE IF NOT EXISTS review_quarters (
        quarter INTEGER PRIMARY KEY,
        correct INTEGER NOT NULL,
        wrong INTEGER NOT NULL))",
    R"(CREATE TRIGGER IF NOT EXISTS review_quarters_insert AFTER INSERT ON reviews BEGIN
        INSERT INTO review_quarters (quarter, correct, wrong)
        VALUES (coalesce(CAST(strftime('%s', NEW.reviewed_at) AS INTEGER), 0) / 900,
                NEW.rating > 1, NEW.rating = 1)
        ON CONFLICT (quarter) DO UPDATE SET correct = correct + excluded.correct,
                                            wrong = wrong + excluded.wrong;
    END)",
    R"(CREATE TRIGGER IF NOT EXISTS review_quarters_delete AFTER DELETE ON reviews BEGIN
        UPDATE review_quarters SET correct = correct - (OLD.rating > 1),
                                   wrong = wrong - (OLD.rating = 1)
        WHERE quarter = coalesce(CAST(strftime('%s', OLD.reviewed_at) AS INTEGER), 0) / 900;
    END)",
    R"(CREATE TRIGGER IF NOT EXISTS review_quarters_update
        AFTER UPDATE OF reviewed_at, rating ON reviews BEGIN
        UPDATE review_quarters SET correct = correct - (OLD.rating > 1),
                                   wrong = wrong - (OLD.rating = 1)
        WHERE quarter = coalesce(CAST(strftime('%s', OLD.reviewed_at) AS INTEGER), 0) / 900;
        INSERT INTO review_quarters (quarter, correct, wrong)
        VALUES (coalesce(CAST(strftime('%s', NEW.reviewed_at) AS INTEGER), 0) / 900,
                NEW.rating > 1, NEW.rating = 1)
        ON CONFLICT (quarter) DO UPDATE SET correct = correct + excluded.correct,
                                            wrong = wrong + excluded.wrong;
    END)",
    // Each word's misses (answers Again) and the latest, so that the hardest words are not
    // counted from the log at each opening. A word's row is counted again from the log (by
    // the index of misses) when one of its misses goes or changes.
    R"(CREATE TABLE IF NOT EXISTS word_misses (
        word TEXT PRIMARY KEY,
        misses INTEGER NOT NULL,
        last_miss TEXT NOT NULL) WITHOUT ROWID)",
    R"(CREATE TRIGGER IF NOT EXISTS word_misses_insert AFTER INSERT ON reviews
        WHEN NEW.rating = 1 BEGIN
        INSERT INTO word_misses (word, misses, last_miss) VALUES (NEW.word, 1, NEW.reviewed_at)
        ON CONFLICT (word) DO UPDATE SET misses = misses + 1,
                                         last_miss = max(last_miss, excluded.last_miss);
    END)",
    R"(CREATE TRIGGER IF NOT EXISTS word_misses_delete AFTER DELETE ON reviews
        WHEN OLD.rating = 1 BEGIN
        DELETE FROM word_misses WHERE word = OLD.word;
        INSERT INTO word_misses (word, misses, last_miss) SELECT word, count(*),
            max(reviewed_at) FROM reviews WHERE word = OLD.word AND rating = 1 GROUP BY word;
    END)",
    R"(CREATE TRIGGER IF NOT EXISTS word_misses_update
        AFTER UPDATE OF word, reviewed_at, rating ON reviews
        WHEN OLD.rating = 1 OR NEW.rating = 1 BEGIN
        DELETE FROM word_misses WHERE word IN (OLD.word, NEW.word);
        INSERT INTO word_misses (word, misses, last_miss) SELECT word, count(*),
            max(reviewed_at) FROM reviews WHERE word IN (OLD.word, NEW.word) AND rating = 1
            GROUP BY word;
    END)",
};

// The same figures straight from the log, for a file this program may not write.
const QString quartersFromLog = QStringLiteral(
    "(SELECT coalesce(CAST(strftime('%s', reviewed_at) AS INTEGER), 0) / 900 AS quarter, "
    "sum(rating > 1) AS correct, sum(rating = 1) AS wrong FROM reviews GROUP BY 1)");

const QString cacheIsWhole = QStringLiteral(
    "SELECT (SELECT count(*) FROM sqlite_master WHERE type = 'trigger' AND (name LIKE "
    "'review_quarters_%' OR name LIKE 'word_misses_%')) = 6 AND (SELECT total(correct + wrong) "
    "FROM review_quarters) = (SELECT count(*) FROM reviews) AND (SELECT total(misses) FROM "
    "word_misses) = (SELECT count(*) FROM reviews WHERE rating = 1)");

// The list's keys as one value, so that any number of them makes one statement.
const QString listTable =
    QStringLiteral("WITH list(word) AS (SELECT DISTINCT value FROM json_each(?)) ");

QString keysJson(const QStringList &keys)
{
    return QString::fromUtf8(
        QJsonDocument(QJsonArray::fromStringList(keys)).toJson(QJsonDocument::Compact));
}

QSqlQuery run(const QSqlDatabase &db, const QString &statement, const QVariantList &values)
{
    QSqlQuery query = sql::prepare(db, statement);
    for (const QVariant &value : values)
        query.addBindValue(value);
    sql::exec(query);
    return query;
}

qint64 julian(const QDate &day)
{
    return day.toJulianDay();
}

} // namespace

Statistics::Statistics(const QSqlDatabase &database, const Scheduler &scheduler)
    : db(database), fsrs(scheduler)
{
    if (!db.isValid() || !db.isOpen())
        return;
    try {
        ensureCache();
    } catch (const sql::Failure &) {
        // A file opened for reading only: the figures come from the log itself.
        cached = false;
    }
}

void Statistics::ensureCache()
{
    const auto whole = [this] {
        try {
            return sql::value(db, cacheIsWhole).toBool();
        } catch (const sql::Failure &) {
            return false; // no table yet
        }
    };
    if (!whole()) {
        sql::WriteTransaction transaction(db);
        if (!whole()) {
            for (const char *table : {"review_quarters", "word_misses"})
                sql::exec(db, QStringLiteral("DROP TABLE IF EXISTS %1").arg(QLatin1String(table)));
            for (const char *statement : cacheStatements)
                sql::exec(db, QString::fromLatin1(statement));
            sql::exec(db, QStringLiteral("INSERT INTO review_quarters (quarter, correct, wrong) "
                                         "SELECT * FROM %1")
                              .arg(quartersFromLog));
            sql::exec(db, QStringLiteral("INSERT INTO word_misses (word, misses, last_miss) "
                                         "SELECT * FROM %1")
                              .arg(missesFromLog()));
        }
        transaction.commit();
    }
    cached = true;
}

QString Statistics::activitySource() const
{
    return cached ? QStringLiteral("review_quarters") : quartersFromLog;
}

ProgressFigures Statistics::figures(const QStringList &wordKeys, const QDateTime &now,
                                    std::optional<QDate> examDate) const
{
    ProgressFigures result;
    const QDate today = now.toLocalTime().date();
    result.recallDay = today;
    result.calendarStart = today.addDays(1 - today.dayOfWeek() - 51 * 7);
    result.dueForecast.fill(0, ProgressFigures::forecastDays);
    if (!db.isValid() || !db.isOpen()) {
        result.words = result.newWords =
            int(QSet<QString>(wordKeys.begin(), wordKeys.end()).size());
        return result;
    }
    try {
        const QString list = keysJson(wordKeys);
        wordFigures(result, list, now, examDate);
        forecast(result, list, today);
        hardest(result, wordKeys);
        result.confused = mostConfusedPairs(db, wordKeys, ProgressFigures::confusedCount);
        retention(result, today);
        activity(result, today);
        streaks(result, today);
    } catch (const sql::Failure &failure) {
        throw platform::Error(
            platform::Error::database,
            QCoreApplication::translate("learning", "The progress could not be read: %1")
                .arg(failure.text()));
    }
    return result;
}

void Statistics::wordFigures(ProgressFigures &result, const QString &list, const QDateTime &now,
                             std::optional<QDate> examDate) const
{
    QSqlQuery states =
        run(db,
            listTable + QStringLiteral("SELECT count(*), count(c.word), total(c.state IN (1, 3)), "
                                       "total(c.state = 2 AND c.due - c.last_review < ?) "
                                       "FROM list LEFT JOIN cards c USING (word)"),
            {list, ProgressFigures::young * msPerDay});
    if (states.next()) {
        result.words = states.value(0).toInt();
        result.newWords = result.words - states.value(1).toInt();
        result.learning = states.value(2).toInt();
        result.youngWords = states.value(3).toInt();
        result.matureWords = result.words - result.newWords - result.learning - result.youngWords;
    }

    QDateTime when = now;
    if (examDate && *examDate < result.recallDay) {
        result.examPassed = true;
    } else if (examDate && *examDate > result.recallDay) {
        result.recallDay = *examDate;
        when = examDate->startOfDay(Qt::LocalTime);
    }
    // SQLite has no power function everywhere, so each studied word's memory is read once.
    QSqlQuery memories =
        run(db,
            listTable + QStringLiteral("SELECT c.stability, c.last_review FROM list "
                                       "JOIN cards c USING (word) WHERE c.stability > 0"),
            {list});
    const Time at = toTime(when);
    double total = 0;
    int above = 0;
    Card card;
    card.state = CardState::Review;
    while (memories.next()) {
        card.stability = memories.value(0).toDouble();
        card.lastReview = Time(std::chrono::milliseconds(memories.value(1).toLongLong()));
        const double recall = fsrs.retrievability(card, at);
        total += recall;
        above += recall > 0.9;
    }
    if (const int seen = result.seenWords(); seen > 0) {
        result.meanRecall = total / seen;
        result.shareAbove90 = double(above) / seen;
    }
}

void Statistics::forecast(ProgressFigures &result, const QString &list, const QDate &today) const
{
    const qint64 from = LocalDays::startOf(today);
    const qint64 to = LocalDays::startOf(today.addDays(ProgressFigures::forecastDays));
    const LocalDays days(from, to);
    QVariantList values{list};
    const QString day = days.julianDay(QStringLiteral("(c.due / 1000)"), values);
    values << julian(today) << to * 1000;
    QSqlQuery due = run(db,
                        listTable + QStringLiteral("SELECT max(%1, ?) AS day, count(*) FROM list "
                                                   "JOIN cards c USING (word) WHERE c.due < ? "
                                                   "GROUP BY day")
                                        .arg(day),
                        values);
    while (due.next()) {
        const qint64 index = due.value(0).toLongLong() - julian(today);
        if (index >= 0 && index < ProgressFigures::forecastDays)
            result.dueForecast[index] += due.value(1).toInt();
    }
}

void Statistics::hardest(ProgressFigures &result, const QStringList &wordKeys) const
{
    result.hardest = mostMissedWords(db, wordKeys, ProgressFigures::hardestCount,
                                     cached ? QStringLiteral("word_misses") : missesFromLog());
}

void Statistics::retention(ProgressFigures &result, const QDate &today) const
{
    const bool kept =
        sql::value(db, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' "
                                      "AND name = 'review_due'"))
            .toBool();
    if (!kept) // a file an earlier version made, opened for reading only
        return;
    // Each of the days with when it begins and ends: an answer of the day counts when its word
    // was due before the day ended. The answers by the time index, a day at a time.
    QStringList days;
    QVariantList values;
    for (QDate day = today.addDays(1 - ProgressFigures::retentionDays); day <= today;
         day = day.addDays(1)) {
        const qint64 end = LocalDays::startOf(day.addDays(1));
        days << QStringLiteral("(?, ?, ?)");
        values << timeText(Time(std::chrono::seconds(LocalDays::startOf(day))))
               << timeText(Time(std::chrono::seconds(end))) << end * 1000;
    }
    QSqlQuery reviews =
        run(db,
            QStringLiteral("WITH days (start, finish, finish_ms) AS (VALUES %1) SELECT count(*), "
                           "total(r.rating > 1) FROM days CROSS JOIN reviews AS r CROSS JOIN "
                           "review_due AS d ON d.id = r.id WHERE r.reviewed_at >= days.start AND "
                           "r.reviewed_at < days.finish AND d.due < days.finish_ms")
                .arg(days.join(QLatin1Char(','))),
            values);
    if (reviews.next() && reviews.value(0).toInt() > 0) {
        result.dueReviews = reviews.value(0).toInt();
        result.retention = reviews.value(1).toDouble() / result.dueReviews;
    }
}

void Statistics::activity(ProgressFigures &result, const QDate &today) const
{
    const QDate first =
        std::min(result.calendarStart, today.addDays(1 - ProgressFigures::activityDays));
    const qint64 from = LocalDays::startOf(first);
    const qint64 to = LocalDays::startOf(today.addDays(1));
    const LocalDays days(from, to);
    QVariantList values;
    const QString day = days.julianDay(QStringLiteral("(quarter * 900)"), values);
    values << from / quarterSeconds << to / quarterSeconds;
    QSqlQuery rows = run(db,
                         QStringLiteral("SELECT %1 AS day, sum(correct), sum(wrong) FROM %2 "
                                        "WHERE quarter >= ? AND quarter < ? GROUP BY day")
                             .arg(day, activitySource()),
                         values);
    QList<ProgressFigures::Day> perDay(first.daysTo(today) + 1);
    for (qsizetype i = 0; i < perDay.size(); ++i)
        perDay[i].date = first.addDays(i);
    while (rows.next()) {
        const qint64 index = rows.value(0).toLongLong() - julian(first);
        if (index >= 0 && index < perDay.size()) {
            perDay[index].right += rows.value(1).toInt();
            perDay[index].wrong += rows.value(2).toInt();
        }
    }
    result.activity = perDay.mid(perDay.size() - ProgressFigures::activityDays);
    for (qsizetype i = first.daysTo(result.calendarStart); i < perDay.size(); ++i)
        result.calendar.append(perDay[i].total());
}

void Statistics::streaks(ProgressFigures &result, const QDate &today) const
{
    const qint64 to = LocalDays::startOf(today.addDays(1));
    const qint64 firstAnswer =
        sql::value(db, QStringLiteral("SELECT min(quarter) FROM %1").arg(activitySource()))
            .toLongLong() *
        quarterSeconds;
    const qint64 from =
        std::clamp(firstAnswer, LocalDays::startOf(today.addDays(-historyDays)), to);
    const LocalDays days(from, to);
    QVariantList values;
    const QString day = days.julianDay(QStringLiteral("(quarter * 900)"), values);
    values << to / quarterSeconds << julian(today) - 1;
    // Days in a row share day - row number: each such value is one run.
    QSqlQuery runs = run(
        db,
        QStringLiteral("WITH days AS (SELECT DISTINCT %1 AS day FROM %2 WHERE correct + wrong > 0 "
                       "AND quarter < ?), "
                       "runs AS (SELECT max(day) AS last, count(*) AS length FROM (SELECT day, "
                       "day - row_number() OVER (ORDER BY day) AS run FROM days) GROUP BY run) "
                       "SELECT coalesce(max(length), 0), "
                       "coalesce(max(CASE WHEN last >= ? THEN length END), 0) FROM runs")
            .arg(day, activitySource()),
        values);
    if (runs.next()) {
        result.longestStreak = runs.value(0).toInt();
        result.currentStreak = runs.value(1).toInt();
    }
}

} // namespace learning
