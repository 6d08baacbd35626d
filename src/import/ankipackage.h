// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Anki's packages (.apkg, a deck; .colpkg, a whole collection): a zip holding the collection
// as SQLite. Of the collections a package may hold, collection.anki21b (zstd-compressed,
// schema 18) is taken before collection.anki21 before collection.anki2, which new packages
// carry only as a stub for old versions. Media are ignored.

#include "import/table.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace importer {

struct AnkiOptions
{
    // Whether to read the review history as well (only with the learner's consent).
    bool withReviews = false;
    // What the collection may unpack to, in bytes, in the zip and again after zstd.
    qint64 maxUnpacked = 200 * 1024 * 1024;
};

// One answer in Anki's history, for the note in `row` of the table.
struct AnkiReview
{
    int row = 0;
    QDateTime time;
    // 1 Again, 2 Hard, 3 Good, 4 Easy, as the answer was given.
    int rating = 0;
};

struct AnkiPackage
{
    // A row a note (its fields), columns named by the fields of the most used note type; the
    // fields of other note types go to the column of their name, else to the columns left.
    Table table;
    // Oldest first; empty unless asked for.
    QList<AnkiReview> reviews;
};

// Throws platform::Error naming the problem: not a zip, damaged, a zip bomb, no Anki
// collection inside, a database that is not a collection.
AnkiPackage readAnkiPackage(const QByteArray &bytes, const AnkiOptions &options = {});
AnkiPackage readAnkiPackageFile(const QString &path, const AnkiOptions &options = {});

struct ImportedReview
{
    QString word;
    QDateTime time;
    int rating = 0;

    friend bool operator==(const ImportedReview &, const ImportedReview &) = default;
};

// The history as the words the mapping gives (answers to notes without a word are left out).
QList<ImportedReview> importedReviews(const AnkiPackage &package, const Mapping &mapping);

} // namespace importer
