// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace importer {

// The text a field of HTML reads as: tags and comments removed (line breaks and block ends
// become spaces, scripts and styles vanish), entities decoded, Anki's [sound:…] references
// dropped, runs of white space made one space, trimmed.
QString htmlToText(QStringView html);

// Both drop control characters other than tabs and line breaks.

// Trimmed, with line breaks kept: a field that is plain text.
QString plainText(QStringView text);

} // namespace importer
