// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>

namespace learning::schema {

// The schema version this program writes (PRAGMA user_version).
int latestVersion();

// Brings the database up to latestVersion() one version after the other, all in one
// transaction. A database of a newer version is left alone; returns the version it has now.
int migrate(const QSqlDatabase &db);

// Makes the tables of the word states that are missing, empty (and so stale), and the index of
// the misses. Cards cached without the reviews' due times are marked stale.
void ensureCache(const QSqlDatabase &db);

} // namespace learning::schema
