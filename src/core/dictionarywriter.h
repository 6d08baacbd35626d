// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writes a word list as a dictionary file in the program's own flat layout: "<GRE>", three
// lines per entry, "</GRE>", CR LF line ends, UTF-8 without a byte order mark.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace core {

enum class FinalLine { empty, none };

// Entries 0..count-1; a list shorter than count gives empty elements, never a short file.
// "&", "<" and ">" are written as entity references, and a lone carriage return as a character
// reference so that it survives the reader's line-end handling.
QByteArray dictionaryBytes(const QStringList &words, const QStringList &meanings,
                           const QStringList &usages, int count, FinalLine ending);
QString dictionaryText(const QStringList &words, const QStringList &meanings,
                       const QStringList &usages, int count, FinalLine ending);

// A dictionary's first entry is its heading: it describes the list, and the quiz and the other
// modes never ask it. The program's own lists have this word there.
QString dictionaryHeadingWord();
bool isDictionaryHeading(const QString &word);

} // namespace core
