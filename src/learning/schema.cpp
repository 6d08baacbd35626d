// SPDX-License-Identifier: GPL-3.0-or-later
#include "schema.h"

#include "sql.h"

#include <QVariant>

namespace learning::schema {

namespace {

// Each word's state after its reviews: a cache that replay rebuilds, so it may be dropped
// by a migration or by hand. Read at every start, so in numbers: state 1 learning, 2 review,
// 3 relearning; due and last_review in milliseconds since 1970 UTC
// (datetime(due / 1000, 'unixepoch') in the shell). And what the cards were computed from:
// a mismatch means they are stale.
const std::initializer_list<const char *> cache = {
    R"(CREATE TABLE IF NOT EXISTS cards (
        word TEXT PRIMARY KEY,
        state INTEGER NOT NULL,
        step INTEGER NOT NULL,
        stability REAL NOT NULL,
        difficulty REAL NOT NULL,
        due INTEGER NOT NULL,
        last_review INTEGER NOT NULL,
        lapses INTEGER NOT NULL,
        reps INTEGER NOT NULL) WITHOUT ROWID)",
    R"(CREATE TABLE IF NOT EXISTS cards_basis (
        id INTEGER PRIMARY KEY CHECK (id = 1),
        reviews INTEGER NOT NULL,
        last_id INTEGER NOT NULL,
        cards INTEGER NOT NULL,
        scheduler TEXT NOT NULL))",
    // Each answer given to a word past its learning steps (in review), with when the word was
    // due then, in milliseconds since 1970 UTC: whether a review was answered when due, ahead
    // of time or as a same-day repeat, without replaying the word. Part of the cards' cache.
    R"(CREATE TABLE IF NOT EXISTS review_due (
        id INTEGER PRIMARY KEY,
        due INTEGER NOT NULL))",
    // The misses (answers Again) of each word, newest last: the hardest words without reading
    // the whole log. An index, which SQLite keeps for any program that writes the file; with
    // the rating, which SQLite does not take from the condition, it holds all a query needs.
    "CREATE INDEX IF NOT EXISTS reviews_missed ON reviews (word, rating, reviewed_at) "
    "WHERE rating = 1",
};

// migrations[i] brings version i to version i + 1. Add a version by appending its statements;
// a change to the cards table may simply drop it, as replay rebuilds it.
const std::initializer_list<const char *> toVersion1 = {
    // One row per answer: the truth everything else is computed from.
    R"(CREATE TABLE reviews (
        id INTEGER PRIMARY KEY,
        word TEXT NOT NULL,
        reviewed_at TEXT NOT NULL,
        rating INTEGER NOT NULL CHECK (rating BETWEEN 1 AND 4),
        source TEXT NOT NULL,
        dictionary TEXT NOT NULL DEFAULT '',
        duration_ms INTEGER NOT NULL DEFAULT 0))",
    // Also what makes a merged row a duplicate, and the order replay reads a word's answers in.
    "CREATE UNIQUE INDEX reviews_by_word ON reviews (word, reviewed_at, rating, source)",
    "CREATE INDEX reviews_by_time ON reviews (reviewed_at)",
};

const std::initializer_list<const char *> migrations[] = {toVersion1};

int currentVersion(const QSqlDatabase &db)
{
    return sql::value(db, QStringLiteral("PRAGMA user_version")).toInt();
}

} // namespace

int latestVersion()
{
    return int(std::size(migrations));
}

void ensureCache(const QSqlDatabase &db)
{
    sql::WriteTransaction transaction(db);
    // Cards cached by an earlier version, without their reviews' due times, are stale.
    const bool dueTimesKept =
        sql::value(db, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' "
                                      "AND name = 'review_due'"))
            .toBool();
    for (const char *statement : cache)
        sql::exec(db, QString::fromLatin1(statement));
    if (!dueTimesKept)
        sql::exec(db, QStringLiteral("DELETE FROM cards_basis"));
    transaction.commit();
}

int migrate(const QSqlDatabase &db)
{
    if (currentVersion(db) == latestVersion())
        return latestVersion();
    sql::WriteTransaction transaction(db);
    // Read again under the lock: another program may have migrated meanwhile.
    int version = currentVersion(db);
    for (; version < latestVersion(); ++version) {
        for (const char *statement : migrations[version])
            sql::exec(db, QString::fromLatin1(statement));
        sql::exec(db, QStringLiteral("PRAGMA user_version = %1").arg(version + 1));
    }
    transaction.commit();
    return version;
}

} // namespace learning::schema
