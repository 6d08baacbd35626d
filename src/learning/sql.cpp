// SPDX-License-Identifier: GPL-3.0-or-later
#include "sql.h"

#include <QVariant>

namespace learning::sql {

namespace {
// SQLite's primary result codes.
constexpr int sqliteBusy = 5, sqliteLocked = 6, sqliteCorrupt = 11, sqliteNotADatabase = 26;
} // namespace

bool Failure::damaged() const
{
    return code() == sqliteCorrupt || code() == sqliteNotADatabase;
}

bool Failure::busy() const
{
    return code() == sqliteBusy || code() == sqliteLocked;
}

QSqlQuery prepare(const QSqlDatabase &db, const QString &statement)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(statement))
        throw Failure(query.lastError());
    return query;
}

void exec(QSqlQuery &query)
{
    if (!query.exec())
        throw Failure(query.lastError());
}

void exec(const QSqlDatabase &db, const QString &statement)
{
    QSqlQuery query = prepare(db, statement);
    exec(query);
}

QVariant value(const QSqlDatabase &db, const QString &statement)
{
    QSqlQuery query = prepare(db, statement);
    exec(query);
    return query.next() ? query.value(0) : QVariant();
}

WriteTransaction::WriteTransaction(const QSqlDatabase &database) : db(database)
{
    exec(db, QStringLiteral("BEGIN IMMEDIATE"));
}

WriteTransaction::~WriteTransaction()
{
    if (open) {
        QSqlQuery rollback(db);
        rollback.exec(QStringLiteral("ROLLBACK"));
    }
}

void WriteTransaction::commit()
{
    exec(db, QStringLiteral("COMMIT"));
    open = false;
}

} // namespace learning::sql
