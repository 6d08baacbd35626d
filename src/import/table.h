// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every reader gives: the rows of a word list as they were in the file, the names of its
// columns, and which column holds the word, the meaning and the usage. The caller shows the
// table, lets the learner change the mapping, and then takes the entries.

#include <QList>
#include <QString>
#include <QStringList>

namespace importer {

// A dictionary holds at most this many entries (its counters are 16-bit); the first is its
// heading, so a list brings at most maxWords words.
constexpr qsizetype maxEntries = 32767;
constexpr qsizetype maxWords = maxEntries - 1;

struct Entry
{
    QString word;
    QString meaning;
    QString usage;

    friend bool operator==(const Entry &, const Entry &) = default;
};

// Column indexes; -1 leaves the part empty.
struct Mapping
{
    int word = -1;
    int meaning = -1;
    int usage = -1;

    friend bool operator==(const Mapping &, const Mapping &) = default;
};

struct Table
{
    // One name a column; an empty name is a column the file did not name.
    QStringList columns;
    QList<QStringList> rows;
    // Whether fields hold HTML (Anki's fields, CSV unless it says #html:false).
    bool html = true;
    Mapping mapping;

    // The name to show: the file's, or "Column N".
    QString columnName(int column) const;
    int columnCount() const;
};

// The mapping the column names suggest: Front/Word/Term… for the word, Back/Meaning/
// Definition… for the meaning, Example/Sentence/Usage… for the usage (case-insensitive).
// Columns without a name are taken in order; named columns that say nothing are left alone.
Mapping guessMapping(const QStringList &columns);

// Whether a row of names reads as a header rather than as a word: at least two known names,
// or the only field is one.
bool looksLikeHeader(const QStringList &fields);

// The entries of the table under its mapping: fields as plain text, trimmed; rows without a
// word are skipped. Throws platform::Error (overflow) beyond maxWords.
QList<Entry> toEntries(const Table &table);
QList<Entry> toEntries(const Table &table, const Mapping &mapping);

// The bytes of a text word list on disk; throws platform::Error (io) naming the file when it
// cannot be read or is too large to be a word list (256 MB).
QByteArray wordListBytes(const QString &path);

} // namespace importer
