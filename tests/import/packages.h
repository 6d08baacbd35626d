// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Anki collections and packages made on the spot: SQLite databases of the legacy schema and
// of schema 18, zstd, zip. And entries as one text, for tables of cases.

#include "import/table.h"

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

namespace testPackages {

struct Note
{
    qint64 id;
    qint64 noteType;
    QString fields; // separated by U+001F
};

struct Review
{
    qint64 time; // ms since the epoch
    qint64 note;
    int ease;
};

// A note type is its id and field names.
using Notetype = std::pair<qint64, QStringList>;

enum class Schema { legacy, v18 };

// The database file's bytes.
QByteArray collection(const QString &folder, Schema schema, const std::vector<Notetype> &types,
                      const std::vector<Note> &notes, const std::vector<Review> &reviews = {});

// Compressed as one frame; `statedSize` whether the frame header gives the size.
QByteArray zstd(const QByteArray &bytes, bool statedSize = true);

using Members = std::vector<std::pair<const char *, QByteArray>>;
QByteArray zip(const QString &folder, const Members &members);

} // namespace testPackages

// "word|meaning|usage/word|meaning|usage..."
inline QString text(const QList<importer::Entry> &entries)
{
    QStringList each;
    for (const importer::Entry &entry : entries)
        each << entry.word + '|' + entry.meaning + '|' + entry.usage;
    return each.join('/');
}
