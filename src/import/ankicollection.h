// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The SQLite side of an Anki package. Internal to the importer.

#include "import/ankipackage.h"

namespace importer {

// Reads the notes (and, if asked, the review history) of the collection in the SQLite file at
// `path`, opened read-only. Throws platform::Error (parse) when it is not an Anki collection.
AnkiPackage readCollection(const QString &path, bool withReviews);

} // namespace importer
