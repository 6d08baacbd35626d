// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The readers under test; Anki collections and packages made on the spot: SQLite databases of
// the legacy schema and of schema 18, zstd, zip. And entries as one text, for tables of cases.

#include "import/csvwriter.h"
#include "import/htmltext.h"
#include "import/kvtmlreader.h"
#include "import/wordlistfile.h"
#include "platform/error.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace importer;

namespace testPackages {

// A note: id, note type, fields separated by U+001F.
using Note = std::tuple<qint64, qint64, QString>;
// A review: time in ms since the epoch, note, ease.
using Review = std::tuple<qint64, qint64, int>;

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

// The message of the error an operation throws, or "no error".
inline QString errorOf(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const platform::Error &error) {
        return error.message();
    }
    return QStringLiteral("no error");
}
