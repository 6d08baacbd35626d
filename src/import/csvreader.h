// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Comma-, semicolon- and tab-separated word lists: spreadsheets' CSV (RFC 4180 quoting),
// Anki's text export with its header lines (#separator:, #html:, #columns:, …) and Quizlet's
// export (term, tab, definition; no quoting, so quotes there are text).

#include "import/table.h"
#include "import/textdecoding.h"

#include <QByteArray>
#include <QChar>
#include <QString>

namespace importer {

// Quoted: RFC 4180. Literal: a record is a line and quotes are text, as Quizlet writes.
// Guess: quoted, except a tab-separated file in which no quoted field needs its quotes (none
// holds a tab, a line break or a doubled quote) or the quotes do not pair up: that is read
// literally.
enum class Quoting { Guess, Quoted, Literal };
enum class HeaderRow { Guess, Present, Absent };

struct CsvOptions
{
    // Null: Anki's #separator: line, else guessed from the first lines.
    QChar separator;
    TextEncoding encoding = TextEncoding::Guess;
    Quoting quoting = Quoting::Guess;
    // Guess: the first row is a header when it names known columns (Word, Meaning, …).
    HeaderRow header = HeaderRow::Guess;
};

// The table and what was chosen for the file, for the caller to show and change.
struct CsvTable
{
    Table table;
    QChar separator;
    TextEncoding encoding = TextEncoding::Utf8;
    Quoting quoting = Quoting::Quoted;
    bool headerRow = false;
};

// Throws platform::Error (parse) naming the line of an unterminated quote.
CsvTable readCsv(const QByteArray &bytes, const CsvOptions &options = {});
// Also throws platform::Error (io) when the file cannot be read or is too large for a list.
CsvTable readCsvFile(const QString &path, const CsvOptions &options = {});

} // namespace importer
