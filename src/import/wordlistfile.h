// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A word list of any kind the program reads, opened for the import dialog: its table, what was
// guessed for a text file (for the learner to change), and an Anki package's review history.

#include "import/ankipackage.h"
#include "import/csvreader.h"
#include "import/table.h"

#include <QList>
#include <QString>

namespace importer {

enum class FileKind { Text, Anki, Kvtml };

// By the name's ending; any other name is read as text.
FileKind fileKind(const QString &path);

struct WordListFile
{
    FileKind kind = FileKind::Text;
    Table table;
    // What a text file was read with.
    QChar separator;
    TextEncoding encoding = TextEncoding::Utf8;
    bool headerRow = false;
    // An Anki package's history, oldest first; read always, imported only with consent.
    QList<AnkiReview> reviews;

    // The history as words under the mapping.
    QList<ImportedReview> importedReviews(const Mapping &mapping) const;
};

// Throws platform::Error naming the problem. The options apply to text files only.
WordListFile readWordListFile(const QString &path, const CsvOptions &options = {});

// A name for a dictionary file made from `name` (a file's base name, or what the learner
// typed): the characters a file name cannot hold dropped, trimmed, at most 64 characters.
QString dictionaryName(const QString &name);

} // namespace importer
