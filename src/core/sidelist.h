// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Lists the program keeps beside a dictionary, a word a line with tab-separated fields (its
// distractors, its IPA): where they are, and their lines.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>
#include <optional>

namespace core {

namespace sidelist {

// "XML/gre.xml" and ".ipa.tsv" make "XML/gre.ipa.tsv".
QString pathFor(const QString &dictionaryFile, const QString &suffix);

// The file's bytes. Nothing when it is missing, and, said in the log, when it is larger than
// any such list needs or cannot be read; `what` names the kind of list there.
std::optional<QByteArray> read(const QString &path, QMessageLogger::CategoryFunction log,
                               const char *what);

struct Line
{
    qsizetype number; // from 1
    QString text;     // as it stands, blanks included
};

// The lines that are neither blank nor a comment ("#"). Nothing, said in the log, when the
// bytes are not UTF-8 text.
std::optional<QList<Line>> lines(const QByteArray &bytes, const QString &name,
                                 QMessageLogger::CategoryFunction log);

// Lines of a word and its related words (tab-separated, best first), by the word's key
// (wordKey); a related word that is the word itself is left out. Nothing, said in the log,
// when the bytes are not such a list (a line without a tab).
std::optional<QHash<QString, QStringList>> wordLists(const QByteArray &bytes, const QString &name,
                                                     QMessageLogger::CategoryFunction log);

} // namespace sidelist

} // namespace core
