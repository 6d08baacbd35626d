// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A word list as CSV that Anki and spreadsheets open as it is: Anki's header lines
// (#separator:Comma, #html:false, #columns:Word,Meaning,Usage), RFC 4180 quoting, UTF-8,
// CR LF line ends. The reader reads it back to the same entries.

#include "import/table.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace importer {

QByteArray csvBytes(const QList<Entry> &entries);

// Replaces the file through a temporary one, so a failure leaves an old file whole. Throws
// platform::Error (io) naming the file; a read-only file is not replaced.
void writeCsvFile(const QString &path, const QList<Entry> &entries);

} // namespace importer
