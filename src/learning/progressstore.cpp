// SPDX-License-Identifier: GPL-3.0-or-later
// The review log and the word states in it: recording, taking back, replaying, merging.

#include "progressstoreparts.h"

#include "confusions.h"
#include "platform/error.h"
#include "reviewcsv.h"
#include "schema.h"
#include "sql.h"
#include "timetext.h"
#include "wordkey.h"

#include <QFile>
#include <QSaveFile>
#include <QVariant>
#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

using namespace core;

namespace learning {

namespace {

// Qt binds a null string as NULL; the log's text columns hold empty text instead.
QVariant text(const QString &value)
{
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

void bindReview(QSqlQuery &insert, const Review &review)
{
    for (const QVariant &value :
         {QVariant(review.word), QVariant(timeText(review.time)), QVariant(int(review.rating)),
          text(review.source), text(review.dictionary), QVariant(review.durationMs),
          text(review.format.isEmpty() ? QStringLiteral("meaning") : review.format),
          text(review.wrongPick)})
        insert.addBindValue(value);
}

// The fuzz of a review depends on nothing but the word and the time, so that replay, another
// computer and a merge all draw the same. (qHash is seeded per process and may differ between
// machines, hence a hash of our own.)
quint64 fuzzSeed(const QString &key, Time time)
{
    quint64 hash = 0xcbf29ce484222325ULL;
    for (QChar c : key) {
        hash ^= c.unicode();
        hash *= 0x100000001b3ULL;
    }
    return hash ^ quint64(time.time_since_epoch().count());
}

Time timeFrom(const QVariant &value)
{
    const QString text = value.toString();
    if (auto time = parseTimeText(text))
        return *time;
    return parseAnyTimeText(text).value_or(Time{});
}

// A card from the columns state .. reps starting at column first.
Card cardFrom(const QSqlQuery &row, int first)
{
    Card card;
    card.state = CardState(std::clamp(row.value(first).toInt(), 0, 3));
    card.step = row.value(first + 1).toInt();
    card.stability = row.value(first + 2).toDouble();
    card.difficulty = row.value(first + 3).toDouble();
    card.due = Time(std::chrono::milliseconds(row.value(first + 4).toLongLong()));
    card.lastReview = Time(std::chrono::milliseconds(row.value(first + 5).toLongLong()));
    card.lapses = row.value(first + 6).toInt();
    card.reps = row.value(first + 7).toInt();
    return card;
}

struct Answer
{
    Time time;
    Rating rating;
    qint64 id = 0;
};
using History = std::vector<Answer>;

Card replayHistory(const Scheduler &scheduler, const QString &key, History &history,
                   DueTimes *dueTimes = nullptr)
{
    // The database gives time order already, unless someone wrote times of another form.
    std::stable_sort(history.begin(), history.end(),
                     [](const Answer &a, const Answer &b) { return a.time < b.time; });
    Card card;
    for (const Answer &answer : history) {
        if (dueTimes && card.state == CardState::Review)
            dueTimes->emplace_back(answer.id, card.due);
        card = scheduler.review(card, answer.rating, answer.time, fuzzSeed(key, answer.time));
    }
    return card;
}

} // namespace

ProgressStore::~ProgressStore()
{
    disconnect();
}

QString ProgressStore::takeNotice()
{
    return std::exchange(notice, QString());
}

void ProgressStore::disconnect()
{
    statements.reset();
    if (!db.isValid())
        return;
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName);
}

bool ProgressStore::cacheIsFresh()
{
    QSqlQuery basis = sql::prepare(
        db, QStringLiteral("SELECT reviews = (SELECT count(*) FROM reviews) AND last_id = "
                           "(SELECT coalesce(max(id), 0) FROM reviews) AND cards = "
                           "(SELECT count(*) FROM cards) AND scheduler = ? "
                           "FROM cards_basis WHERE id = 1"));
    basis.addBindValue(fsrs.fingerprint());
    sql::exec(basis);
    return basis.next() && basis.value(0).toBool();
}

void ProgressStore::ensureFreshCache()
{
    cacheFresh = cacheIsFresh();
    if (cacheFresh || currentStatus == Status::NotSaving)
        return;
    sql::WriteTransaction transaction(db);
    if (!cacheIsFresh())
        replayAll();
    transaction.commit();
    cacheFresh = true;
}

void ProgressStore::forEachReplayedCard(
    const std::function<void(const QString &, const Card &)> &use, DueTimes *dueTimes)
{
    QSqlQuery rows = sql::prepare(db, QStringLiteral("SELECT word, reviewed_at, rating, id FROM "
                                                     "reviews ORDER BY word, reviewed_at, "
                                                     "rating, source"));
    sql::exec(rows);
    QString key;
    bool haveKey = false;
    History history;
    while (rows.next()) {
        QString word = rows.value(0).toString();
        if (!haveKey || word != key) {
            if (haveKey)
                use(key, replayHistory(fsrs, key, history, dueTimes));
            key = std::move(word);
            haveKey = true;
            history.clear();
        }
        history.push_back(Answer{timeFrom(rows.value(1)), Rating(rows.value(2).toInt()),
                                 rows.value(3).toLongLong()});
    }
    if (haveKey)
        use(key, replayHistory(fsrs, key, history, dueTimes));
}

// Inside a write transaction.
void ProgressStore::replayAll()
{
    sql::exec(db, QStringLiteral("DELETE FROM cards"));
    sql::exec(db, QStringLiteral("DELETE FROM review_due"));
    DueTimes dueTimes;
    forEachReplayedCard([this](const QString &key, const Card &card) { writeCard(key, card); },
                        &dueTimes);
    // In the table's order: appended, rather than put in place one by one.
    std::sort(dueTimes.begin(), dueTimes.end());
    writeDueTimes(dueTimes);
    QSqlQuery basis = sql::prepare(
        db, QStringLiteral("INSERT OR REPLACE INTO cards_basis (id, reviews, last_id, cards, "
                           "scheduler) SELECT 1, count(*), coalesce(max(id), 0), (SELECT "
                           "count(*) FROM cards), ? FROM reviews"));
    basis.addBindValue(fsrs.fingerprint());
    sql::exec(basis);
}

Card ProgressStore::replayWord(const QString &key, DueTimes *dueTimes)
{
    QSqlQuery &rows = statements->wordReviews;
    rows.addBindValue(key);
    sql::exec(rows);
    History history;
    while (rows.next())
        history.push_back(Answer{timeFrom(rows.value(0)), Rating(rows.value(1).toInt()),
                                 rows.value(2).toLongLong()});
    rows.finish();
    return replayHistory(fsrs, key, history, dueTimes);
}

// Inside a write transaction: the word's card and its reviews' due times from its reviews.
void ProgressStore::rewriteWord(const QString &key)
{
    QSqlQuery forget = sql::prepare(db, QStringLiteral("DELETE FROM review_due WHERE id IN "
                                                       "(SELECT id FROM reviews WHERE word = ?)"));
    forget.addBindValue(key);
    sql::exec(forget);
    DueTimes dueTimes;
    const Card card = replayWord(key, &dueTimes);
    writeDueTimes(dueTimes);
    if (card.state != CardState::New) {
        writeCard(key, card);
        return;
    }
    QSqlQuery none = sql::prepare(db, QStringLiteral("DELETE FROM cards WHERE word = ?"));
    none.addBindValue(key);
    sql::exec(none);
}

void ProgressStore::writeDueTimes(const DueTimes &dueTimes)
{
    QSqlQuery &row = statements->writeDue;
    for (const auto &[id, due] : dueTimes) {
        row.addBindValue(id);
        row.addBindValue(qint64(due.time_since_epoch().count()));
        sql::exec(row);
    }
}

QHash<QString, Card> ProgressStore::cardsBefore(Time from, Time until)
{
    QHash<QString, Card> cards;
    if (!statements)
        return cards;
    const QString answered = QStringLiteral(
        "SELECT DISTINCT word FROM reviews WHERE reviewed_at >= ? AND reviewed_at < ?");
    QSqlQuery words = sql::prepare(db, answered);
    words.addBindValue(timeText(from));
    words.addBindValue(timeText(until));
    sql::exec(words);
    while (words.next())
        cards.insert(words.value(0).toString(), Card{});
    words.finish();
    // By each word's answers: the time index would read every answer before the day (+ keeps
    // SQLite from taking it).
    QSqlQuery rows = sql::prepare(
        db, QStringLiteral("SELECT word, reviewed_at, rating FROM reviews WHERE +reviewed_at < ? "
                           "AND word IN (%1) ORDER BY word, reviewed_at, rating, source")
                .arg(answered));
    for (Time time : {from, from, until})
        rows.addBindValue(timeText(time));
    sql::exec(rows);
    QString key;
    History history;
    const auto replay = [&] {
        if (!history.empty())
            cards.insert(key, replayHistory(fsrs, key, history));
        history.clear();
    };
    while (rows.next()) {
        if (QString word = rows.value(0).toString(); word != key) {
            replay();
            key = std::move(word);
        }
        history.push_back(Answer{timeFrom(rows.value(1)), Rating(rows.value(2).toInt())});
    }
    replay();
    return cards;
}

Card ProgressStore::readCard(const QString &key)
{
    QSqlQuery &row = statements->selectCard;
    row.addBindValue(key);
    sql::exec(row);
    const Card card = row.next() ? cardFrom(row, 0) : Card();
    row.finish();
    return card;
}

void ProgressStore::writeCard(const QString &key, const Card &card)
{
    QSqlQuery &row = statements->writeCard;
    for (const QVariant &value :
         {QVariant(key), QVariant(int(card.state)), QVariant(card.step), QVariant(card.stability),
          QVariant(card.difficulty), QVariant(qint64(card.due.time_since_epoch().count())),
          QVariant(qint64(card.lastReview.time_since_epoch().count())), QVariant(card.lapses),
          QVariant(card.reps)})
        row.addBindValue(value);
    sql::exec(row);
}

qint64 ProgressStore::recordAnswer(const QString &word, Rating rating, const QString &source,
                                   const QString &dictionary, qint64 durationMs,
                                   const QDateTime &time, const QString &format,
                                   const QString &wrongPick)
{
    const QString key = wordKey(word);
    if (currentStatus == Status::NotSaving || !statements || key.isEmpty() || !time.isValid())
        return -1;
    const Time when = toTime(time);
    try {
        sql::WriteTransaction transaction(db);
        QSqlQuery &insert = statements->insertReview;
        bindReview(insert,
                   Review{key, when, rating, source, dictionary, durationMs, format, wrongPick});
        sql::exec(insert);
        if (insert.numRowsAffected() != 1)
            return -1; // this very answer is there already
        const qint64 id = insert.lastInsertId().toLongLong();
        const Card card = readCard(key);
        const bool newCard = card.state == CardState::New;
        if (newCard || when > card.lastReview) {
            if (card.state == CardState::Review)
                writeDueTimes({{id, card.due}});
            writeCard(key, fsrs.review(card, rating, when, fuzzSeed(key, when)));
        } else {
            // An answer dated before the word's last one (a clock set back) goes into its place.
            rewriteWord(key);
        }
        statements->countAnswer.addBindValue(id);
        statements->countAnswer.addBindValue(newCard ? 1 : 0);
        sql::exec(statements->countAnswer);
        transaction.commit();
        recorded << id;
        return id;
    } catch (const sql::Failure &failure) {
        failed(failure);
        return -1;
    }
}

bool ProgressStore::deleteReview(qint64 id)
{
    if (currentStatus == Status::NotSaving || !statements)
        return false;
    try {
        sql::WriteTransaction transaction(db);
        QSqlQuery find = sql::prepare(db, QStringLiteral("SELECT word FROM reviews WHERE id = ?"));
        find.addBindValue(id);
        sql::exec(find);
        if (!find.next())
            return false;
        const QString key = find.value(0).toString();
        find.finish();
        for (const char *statement :
             {"DELETE FROM review_due WHERE id = ?", "DELETE FROM reviews WHERE id = ?"}) {
            QSqlQuery remove = sql::prepare(db, QString::fromLatin1(statement));
            remove.addBindValue(id);
            sql::exec(remove);
        }
        rewriteWord(key);
        sql::exec(db, QStringLiteral("UPDATE cards_basis SET reviews = reviews - 1, last_id = "
                                     "(SELECT coalesce(max(id), 0) FROM reviews), cards = "
                                     "(SELECT count(*) FROM cards)"));
        transaction.commit();
        recorded.removeAll(id);
        return true;
    } catch (const sql::Failure &failure) {
        failed(failure);
        return false;
    }
}

bool ProgressStore::undoLast()
{
    return !recorded.isEmpty() && deleteReview(recorded.last());
}

QHash<QString, Card> ProgressStore::loadCards()
{
    QHash<QString, Card> cards;
    if (!statements)
        return cards;
    try {
        if (!cacheFresh) { // a stale cache in a file that cannot be written
            forEachReplayedCard(
                [&cards](const QString &key, const Card &card) { cards.insert(key, card); });
            return cards;
        }
        QSqlQuery rows =
            sql::prepare(db, QStringLiteral("SELECT word, %1 FROM cards").arg(cardColumns));
        sql::exec(rows);
        while (rows.next())
            cards.insert(rows.value(0).toString(), cardFrom(rows, 1));
    } catch (const sql::Failure &failure) {
        cards.clear();
        failed(failure);
    }
    return cards;
}

Card ProgressStore::cardFor(const QString &word)
{
    if (!statements)
        return {};
    try {
        const QString key = wordKey(word);
        return cacheFresh ? readCard(key) : replayWord(key);
    } catch (const sql::Failure &failure) {
        failed(failure);
        return {};
    }
}

QList<Review> ProgressStore::reviews()
{
    QList<Review> all;
    if (!statements)
        return all;
    try {
        QSqlQuery rows = sql::prepare(
            db, QStringLiteral("SELECT word, reviewed_at, rating, source, dictionary, duration_ms, "
                               "format, wrong_pick FROM reviews ORDER BY reviewed_at, word, "
                               "rating, source"));
        sql::exec(rows);
        while (rows.next())
            all << Review{rows.value(0).toString(),      timeFrom(rows.value(1)),
                          Rating(rows.value(2).toInt()), rows.value(3).toString(),
                          rows.value(4).toString(),      rows.value(5).toLongLong(),
                          rows.value(6).toString(),      rows.value(7).toString()};
    } catch (const sql::Failure &failure) {
        throw platform::Error(
            platform::Error::io,
            QCoreApplication::translate("learning", "The progress cannot be read: %1")
                .arg(failure.text()));
    }
    return all;
}

QList<ProgressFigures::ConfusedPair> ProgressStore::confusedPairs(const QStringList &listKeys)
{
    return mostConfusedPairs(database(), listKeys, ProgressFigures::confusedCount);
}

qint64 ProgressStore::reviewCount()
{
    try {
        return statements
                   ? sql::value(db, QStringLiteral("SELECT count(*) FROM reviews")).toLongLong()
                   : 0;
    } catch (const sql::Failure &) {
        return 0;
    }
}

qsizetype ProgressStore::addReviews(const QList<Review> &added)
{
    requireSaving();
    try {
        sql::WriteTransaction transaction(db);
        qsizetype count = 0;
        QSqlQuery &insert = statements->insertReview;
        for (const Review &review : added) {
            const QString key = wordKey(review.word);
            if (key.isEmpty())
                continue;
            Review keyed = review;
            keyed.word = key;
            bindReview(insert, keyed);
            sql::exec(insert);
            count += insert.numRowsAffected();
        }
        replayAll();
        transaction.commit();
        cacheFresh = true;
        return count;
    } catch (const sql::Failure &failure) {
        throw platform::Error(
            platform::Error::io,
            QCoreApplication::translate("learning", "The progress could not be saved: %1")
                .arg(failure.text()));
    }
}

void ProgressStore::exportCsv(const QString &target)
{
    if (!statements)
        throw platform::Error(
            platform::Error::io,
            QCoreApplication::translate("learning", "There is no progress to export."));
    const QByteArray data = reviewsToCsv(reviews());
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw platform::Error(platform::Error::io,
                              QCoreApplication::translate("learning", "Cannot write %1: %2")
                                  .arg(native(target), file.errorString()));
}

ProgressStore::ImportResult ProgressStore::importCsv(const QString &source)
{
    requireSaving();
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        throw platform::Error(platform::Error::io,
                              QCoreApplication::translate("learning", "Cannot read %1: %2")
                                  .arg(native(source), file.errorString()));
    const QList<Review> rows = reviewsFromCsv(file.readAll());
    const qsizetype added = addReviews(rows);
    return {added, rows.size() - added};
}

} // namespace learning
