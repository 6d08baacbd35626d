// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the two halves of ProgressStore share: its messages and its prepared statements. Only
// progressstore.cpp and progressfile.cpp include this.

#include "progressstore.h"
#include "sql.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlQuery>

namespace learning {

inline QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

inline const QString cardColumns =
    QStringLiteral("state, step, stability, difficulty, due, last_review, lapses, reps");

struct ProgressStore::Statements
{
    explicit Statements(const QSqlDatabase &db)
        : selectCard(sql::prepare(
              db, QStringLiteral("SELECT %1 FROM cards WHERE word = ?").arg(cardColumns))),
          wordReviews(sql::prepare(db, QStringLiteral("SELECT reviewed_at, rating, id FROM "
                                                      "reviews WHERE word = ? ORDER BY "
                                                      "reviewed_at, rating, source"))),
          insertReview(sql::prepare(
              db, QStringLiteral("INSERT OR IGNORE INTO reviews (word, reviewed_at, rating, "
                                 "source, dictionary, duration_ms, format, wrong_pick) VALUES "
                                 "(?, ?, ?, ?, ?, ?, ?, ?)"))),
          writeCard(sql::prepare(db, QStringLiteral("INSERT OR REPLACE INTO cards (word, %1) "
                                                    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
                                         .arg(cardColumns))),
          countAnswer(sql::prepare(db, QStringLiteral("UPDATE cards_basis SET reviews = "
                                                      "reviews + 1, last_id = max(last_id, ?), "
                                                      "cards = cards + ?"))),
          writeDue(sql::prepare(
              db, QStringLiteral("INSERT OR REPLACE INTO review_due (id, due) VALUES (?, ?)")))
    {
    }
    QSqlQuery selectCard, wordReviews, insertReview, writeCard, countAnswer, writeDue;
};

} // namespace learning
