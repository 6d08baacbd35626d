// SPDX-License-Identifier: GPL-3.0-or-later
#include "studyreads.h"

#include "sql.h"
#include "studyplan.h"
#include "timetext.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QVariant>
#include <algorithm>

namespace learning {

DueCards readDueCards(const QSqlDatabase &db, const StudyDay &day)
{
    DueCards cards;
    if (!db.isOpen())
        return cards;
    // Only what ordering needs: state, stability, due and last review.
    QSqlQuery due = sql::prepare(
        db, QStringLiteral("SELECT word, state, stability, due, last_review FROM cards WHERE "
                           "state != 0 AND (due < ? OR (last_review < ? AND due >= ?))"));
    const auto ms = [](Time time) { return qint64(time.time_since_epoch().count()); };
    // Words due after the exam are brought to the day before it, so they are due today only
    // when today is that day.
    const bool capped = day.examDate && day.today.addDays(1) == *day.examDate;
    due.addBindValue(ms(startOfDay(day.today.addDays(1))));
    due.addBindValue(capped ? ms(startOfDay(day.examDate->addDays(-1))) : qint64(0));
    due.addBindValue(capped ? ms(startOfDay(*day.examDate)) : qint64(0));
    sql::exec(due);
    while (due.next()) {
        Card card;
        card.state = CardState(std::clamp(due.value(1).toInt(), 0, 3));
        card.stability = due.value(2).toDouble();
        card.due = Time(std::chrono::milliseconds(due.value(3).toLongLong()));
        card.lastReview = Time(std::chrono::milliseconds(due.value(4).toLongLong()));
        cards.due.insert(due.value(0).toString(), card);
    }
    // In one text rather than a row each: reading rows one by one costs more than the rest of
    // the queue. A key holds no line break (see wordKey).
    const QString studied = sql::value(db, QStringLiteral("SELECT group_concat(word, char(10)) "
                                                          "FROM cards WHERE state != 0"))
                                .toString();
    const auto keys = QStringView(studied).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    cards.studied.reserve(keys.size());
    for (QStringView key : keys)
        cards.studied.insert(key.toString());
    return cards;
}

DayAnswers answersOn(const QSqlDatabase &db, QDate day)
{
    if (!db.isOpen())
        return {};
    QSqlQuery query = sql::prepare(db, QStringLiteral("SELECT count(*), coalesce(sum(rating > 1), "
                                                      "0) FROM reviews WHERE reviewed_at >= ? "
                                                      "AND reviewed_at < ?"));
    query.addBindValue(timeText(startOfDay(day)));
    query.addBindValue(timeText(startOfDay(day.addDays(1))));
    sql::exec(query);
    return query.next() ? DayAnswers{query.value(0).toInt(), query.value(1).toInt()} : DayAnswers{};
}

QHash<QString, DayAnswers> answersByWord(const QSqlDatabase &db, QDate day)
{
    QHash<QString, DayAnswers> words;
    if (!db.isOpen())
        return words;
    QSqlQuery query = sql::prepare(db, QStringLiteral("SELECT word, count(*), sum(rating > 1) "
                                                      "FROM reviews WHERE reviewed_at >= ? AND "
                                                      "reviewed_at < ? GROUP BY word"));
    query.addBindValue(timeText(startOfDay(day)));
    query.addBindValue(timeText(startOfDay(day.addDays(1))));
    sql::exec(query);
    while (query.next())
        words.insert(query.value(0).toString(),
                     DayAnswers{query.value(1).toInt(), query.value(2).toInt()});
    return words;
}

namespace {

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

AnswerTimes readAnswerTimes(const QSqlDatabase &db, int sample, Time before)
{
    AnswerTimes times;
    if (!db.isOpen())
        return times;
    // Each answer with its word's first answer, through the index of each word's answers.
    QSqlQuery query = sql::prepare(
        db, QStringLiteral("SELECT r.word, r.reviewed_at, r.duration_ms, (SELECT "
                           "min(o.reviewed_at) FROM reviews AS o WHERE o.word = r.word) FROM "
                           "reviews AS r WHERE r.reviewed_at < ? ORDER BY r.reviewed_at DESC "
                           "LIMIT ?"));
    query.addBindValue(timeText(before));
    query.addBindValue(sample);
    sql::exec(query);
    const auto timeOf = [](const QVariant &text) {
        return parseAnyTimeText(text.toString()).value_or(Time{});
    };
    // An answer belongs to a new word within its first hours: its learning steps are minutes
    // apart, its first review a day or more later. (Hours rather than the calendar day, whose
    // conversion would cost more than the query.) What is longer than two minutes was not
    // spent on the answer.
    constexpr auto firstHours = std::chrono::hours(20);
    QList<double> reviewSeconds, newSeconds;
    QSet<QString> reviewDays, newWords;
    while (query.next()) {
        const QString word = query.value(0).toString();
        const Time time = timeOf(query.value(1));
        const bool fresh = time - timeOf(query.value(3)) < firstHours;
        const qint64 ms = query.value(2).toLongLong();
        if (ms > 0 && ms <= 120000)
            (fresh ? newSeconds : reviewSeconds) << double(ms) / 1000.0;
        if (fresh)
            newWords.insert(word);
        else
            reviewDays.insert(
                word + QLatin1Char('\n') +
                QString::number(
                    std::chrono::floor<std::chrono::days>(time).time_since_epoch().count()));
    }
    // Fewer answers than this say more about the day than about the learner.
    constexpr qsizetype enough = 20;
    if (reviewSeconds.size() >= enough) {
        times.reviewSeconds = median(reviewSeconds);
        times.answersPerReview = double(reviewSeconds.size()) / double(reviewDays.size());
    }
    if (newSeconds.size() >= enough) {
        times.newSeconds = median(newSeconds);
        times.answersPerNewWord = double(newSeconds.size()) / double(newWords.size());
    }
    return times;
}

QString missesFromLog()
{
    // The index of the misses holds word and time: no row of the log is read.
    return QStringLiteral("(SELECT word, count(*) AS misses, max(reviewed_at) AS last_miss FROM "
                          "reviews WHERE rating = 1 GROUP BY word)");
}

QList<ProgressFigures::MissedWord> mostMissedWords(const QSqlDatabase &db,
                                                   const std::optional<QStringList> &keys, int most,
                                                   const QString &source)
{
    QList<ProgressFigures::MissedWord> words;
    if (!db.isOpen())
        return words;
    // The keys as one JSON value, so that any number of them makes one statement.
    QSqlQuery query = sql::prepare(
        db, QStringLiteral("SELECT word, misses, last_miss FROM %1 %2 ORDER BY misses DESC, "
                           "last_miss DESC, word LIMIT ?")
                .arg(source, keys ? QStringLiteral("WHERE word IN (SELECT value FROM json_each(?))")
                                  : QString()));
    if (keys)
        query.addBindValue(QString::fromUtf8(
            QJsonDocument(QJsonArray::fromStringList(*keys)).toJson(QJsonDocument::Compact)));
    query.addBindValue(most > 0 ? most : -1);
    sql::exec(query);
    while (query.next())
        words.append({query.value(0).toString(), query.value(1).toInt(),
                      toDateTime(parseAnyTimeText(query.value(2).toString()).value_or(Time{}))});
    return words;
}

QSet<QString> wordsFirstAnsweredSince(const QSqlDatabase &db, Time since)
{
    QSet<QString> words;
    if (!db.isOpen())
        return words;
    // The answers since then by the time index: left to itself, SQLite reads the whole log
    // through the word index for the DISTINCT.
    QSqlQuery query = sql::prepare(
        db, QStringLiteral("SELECT DISTINCT word FROM reviews AS r INDEXED BY reviews_by_time "
                           "WHERE reviewed_at >= ? AND NOT EXISTS (SELECT 1 FROM reviews AS o "
                           "WHERE o.word = r.word AND o.reviewed_at < ?)"));
    query.addBindValue(timeText(since));
    query.addBindValue(timeText(since));
    sql::exec(query);
    while (query.next())
        words.insert(query.value(0).toString());
    return words;
}

int wordsStartedSince(const QSqlDatabase &db, Time since)
{
    return int(wordsFirstAnsweredSince(db, since).size());
}

std::optional<AnswerTally> readAnswerTally(const QSqlDatabase &db, qsizetype itemsAtMost)
{
    if (!db.isOpen())
        return std::nullopt;
    AnswerTally tally;
    QSqlQuery all =
        sql::prepare(db, QStringLiteral("SELECT count(*), min(reviewed_at) FROM reviews"));
    sql::exec(all);
    if (all.next()) {
        tally.answers = all.value(0).toLongLong();
        tally.firstAnswer = parseTimeText(all.value(1).toString());
    }
    // Each answer's distance from the word's answer before, in milliseconds, in the order of
    // the word's index; the count stops at itemsAtMost.
    QSqlQuery items = sql::prepare(
        db, QStringLiteral(
                "SELECT count(*) FROM (SELECT 1 FROM (SELECT round((julianday(reviewed_at) - "
                "julianday(lag(reviewed_at) OVER (PARTITION BY word ORDER BY reviewed_at))) * "
                "86400000) AS gap FROM reviews) WHERE gap >= 86400000 LIMIT ?)"));
    items.addBindValue(qint64(itemsAtMost));
    sql::exec(items);
    if (items.next())
        tally.itemsToFit = qsizetype(items.value(0).toLongLong());
    return tally;
}

RecentStudy readRecentStudy(const QSqlDatabase &db, Time since)
{
    RecentStudy times;
    if (!db.isOpen())
        return times;
    QSqlQuery recent =
        sql::prepare(db, QStringLiteral("SELECT count(*) FROM reviews WHERE reviewed_at >= ?"));
    recent.addBindValue(timeText(since));
    sql::exec(recent);
    if (recent.next())
        times.recentAnswers = recent.value(0).toInt();
    const QString first =
        sql::value(db, QStringLiteral("SELECT min(reviewed_at) FROM reviews")).toString();
    times.firstAnswer = parseTimeText(first);
    times.recentlyStarted = wordsFirstAnsweredSince(db, since);
    return times;
}

int dayStreak(const QSqlDatabase &db, QDate today)
{
    if (!db.isOpen())
        return 0;
    // One look into the time index a day: quick for any streak a learner can have.
    QSqlQuery any = sql::prepare(db, QStringLiteral("SELECT EXISTS (SELECT 1 FROM reviews WHERE "
                                                    "reviewed_at >= ? AND reviewed_at < ?)"));
    const auto answeredOn = [&any](QDate day) {
        any.addBindValue(timeText(startOfDay(day)));
        any.addBindValue(timeText(startOfDay(day.addDays(1))));
        sql::exec(any);
        const bool answered = any.next() && any.value(0).toBool();
        any.finish();
        return answered;
    };
    QDate day = answeredOn(today) ? today : today.addDays(-1);
    int streak = 0;
    while (streak < 36500 && answeredOn(day)) {
        ++streak;
        day = day.addDays(-1);
    }
    return streak;
}

} // namespace learning
