// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>

namespace learning::schema {

// The schema version this program writes (PRAGMA user_version).
int latestVersion();

// Brings the database up to latestVersion() one version after the other, all in one
// transaction. A database of a newer version is left alone; returns the version it has now.
int migrate(const QSqlDatabase &db);

// For a database only read: one of the version before the latest is shown as the latest through
// temporary views, so that this version's queries read it; returns the version it is read as.
int viewAsLatest(const QSqlDatabase &db);

// Makes the tables of the word states that are missing, empty (and so stale), and the index of
// the misses; cards cached without the reviews' due times are marked stale. For a file that
// cannot be written, temporary tables, gone when the connection closes, and no index.
void ensureCache(const QSqlDatabase &db, bool temporary = false);
bool hasCache(const QSqlDatabase &db);

// The parameter sets fitted to the learner's answers (parametersets.h). The table is made when
// the first fit is kept, not by a migration: a file no fit has touched stays as it was, and the
// versions before it, which ignore the table, still open a file that has it.
void ensureParameterSets(const QSqlDatabase &db);
bool hasParameterSets(const QSqlDatabase &db);

} // namespace learning::schema
