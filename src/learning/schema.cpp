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
    // Likewise the wrong picks, grouped as the pairs confused most are counted: a few of the
    // log's rows, read in the query's order.
    "CREATE INDEX IF NOT EXISTS reviews_picks ON reviews (word, wrong_pick, format, reviewed_at) "
    "WHERE wrong_pick <> ''",
};

// Each fit kept: when, on how many answers, the parameters (21 numbers separated by spaces),
// its figures on the held-out answers (log loss, calibration error, AUC; NULL when unknown) and
// those of the parameters then in force on the same answers; adopted when it predicted better,
// active while in force (at most one; none means the default parameters).
const std::initializer_list<const char *> parameterSets = {
    R"(CREATE TABLE IF NOT EXISTS parameter_sets (
        id INTEGER PRIMARY KEY,
        fitted_at TEXT NOT NULL,
        parameters TEXT NOT NULL,
        reviews INTEGER NOT NULL,
        items INTEGER NOT NULL,
        held_out INTEGER NOT NULL,
        log_loss REAL,
        rmse_bins REAL,
        auc REAL,
        replaced_log_loss REAL,
        replaced_rmse_bins REAL,
        replaced_auc REAL,
        adopted INTEGER NOT NULL CHECK (adopted IN (0, 1)),
        active INTEGER NOT NULL DEFAULT 0 CHECK (active IN (0, adopted))))",
    "CREATE UNIQUE INDEX IF NOT EXISTS parameter_sets_active ON parameter_sets (active) "
    "WHERE active = 1",
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

// How each answer was asked (studyformats.h: "meaning", "text_completion", "typed_recall",
// "sentence_equivalence") and, when it was wrong, what was picked: the word whose meaning was
// picked, the word picked (two wrong words of a pair apart by a tab), or the text typed.
// Answers recorded before were all asked by meaning.
const std::initializer_list<const char *> formatAndPick = {
    "ALTER TABLE reviews ADD COLUMN format TEXT NOT NULL DEFAULT 'meaning'",
    "ALTER TABLE reviews ADD COLUMN wrong_pick TEXT NOT NULL DEFAULT ''",
};

// A file of the version before, only read, is read through a view in the temporary schema
// that shows its reviews as the migration would (the main table is left as it is); an
// insert into it fails, as it would into the file.
const std::initializer_list<const char *> formatAndPickViewed = {
    "CREATE TEMP VIEW reviews AS SELECT *, 'meaning' AS format, '' AS wrong_pick "
    "FROM main.reviews",
    "CREATE TEMP TRIGGER reviews_read_only INSTEAD OF INSERT ON reviews "
    "BEGIN SELECT RAISE(ABORT, 'the progress file is only read'); END",
};

const std::initializer_list<const char *> migrations[] = {toVersion1, formatAndPick};
// How a file of the version before the latest is read without migrating it.
const std::initializer_list<const char *> &viewedAsLatest = formatAndPickViewed;

int currentVersion(const QSqlDatabase &db)
{
    return sql::value(db, QStringLiteral("PRAGMA user_version")).toInt();
}

} // namespace

int latestVersion()
{
    return int(std::size(migrations));
}

void ensureCache(const QSqlDatabase &db, bool temporary)
{
    if (temporary) {
        // Tables of this connection's own, which replay fills; an index on the file's log
        // would be a write, so the queries go without it.
        for (const char *statement : cache) {
            QString text = QString::fromLatin1(statement);
            if (text.startsWith(QLatin1String("CREATE TABLE")))
                sql::exec(db, text.replace(QLatin1String("CREATE TABLE"),
                                           QLatin1String("CREATE TEMP TABLE")));
        }
        return;
    }
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

bool hasCache(const QSqlDatabase &db)
{
    return sql::value(db, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = "
                                         "'table' AND name IN ('cards', 'cards_basis', "
                                         "'review_due')"))
               .toInt() == 3;
}

void ensureParameterSets(const QSqlDatabase &db)
{
    for (const char *statement : parameterSets)
        sql::exec(db, QString::fromLatin1(statement));
}

bool hasParameterSets(const QSqlDatabase &db)
{
    return sql::value(db, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' "
                                         "AND name = 'parameter_sets'"))
               .toInt() == 1;
}

int viewAsLatest(const QSqlDatabase &db)
{
    const int version = currentVersion(db);
    if (version != latestVersion() - 1)
        return version;
    for (const char *statement : viewedAsLatest)
        sql::exec(db, QString::fromLatin1(statement));
    return latestVersion();
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
