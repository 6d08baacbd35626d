// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// KDE's vocabulary files (KVTML 2, Parley and KWordQuiz): a column per language, in the order
// of the identifiers, then the first language's example, comment and paraphrase. The first
// language is the word, the example the usage; the meaning is the second language, or in a
// list of one language its comment (else its paraphrase), where definitions are kept.

#include "import/table.h"

#include <QByteArray>
#include <QString>

namespace importer {

// Throws platform::Error (parse) when the bytes are no KVTML 2 document.
Table readKvtml(const QByteArray &bytes);
// Also throws platform::Error (io) when the file cannot be read.
Table readKvtmlFile(const QString &path);

} // namespace importer
