// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

// Small helpers that turn Qt SQL's return codes into exceptions, for the store's own use.
namespace learning::sql {

// A statement that failed, with SQLite's own error code.
class Failure
{
public:
    explicit Failure(const QSqlError &error) : sqlError(error) {}
    int code() const { return sqlError.nativeErrorCode().toInt() & 0xff; }
    bool damaged() const; // the file is not a database or is corrupt
    bool busy() const;    // another connection holds the lock
    QString text() const { return sqlError.text(); }

private:
    QSqlError sqlError;
};

QSqlQuery prepare(const QSqlDatabase &db, const QString &statement);
void exec(QSqlQuery &query);
void exec(const QSqlDatabase &db, const QString &statement);
// The first column of the first row, or an invalid value when there is no row.
QVariant value(const QSqlDatabase &db, const QString &statement);

// A write transaction taken at once (BEGIN IMMEDIATE), so that two programs on one file wait
// for each other instead of failing half-way. Rolled back unless committed.
class WriteTransaction
{
public:
    explicit WriteTransaction(const QSqlDatabase &db);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction &) = delete;
    WriteTransaction &operator=(const WriteTransaction &) = delete;
    void commit();

private:
    QSqlDatabase db;
    bool open = true;
};

} // namespace learning::sql
