// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>

namespace core {

// How words are pronounced, in IPA: `<name>.ipa.tsv` beside `<name>.xml` (made with the
// dictionary), or the program's own store of transcriptions. Lines of a word, a tab and its
// transcription between slashes; lines starting with '#' are comments. A missing file gives
// none; a damaged one is set aside with a note in the log (category vocabrix.pronunciations).
class Pronunciations
{
public:
    // The file that belongs to a dictionary file.
    static QString pathFor(const QString &dictionaryFile);
    static Pronunciations read(const QString &path);
    // Empty when the text is not a list of transcriptions; why is then in the log.
    static Pronunciations fromText(const QByteArray &bytes, const QString &name);

    // The word's transcription ("/ipa/"), empty when it has none; words are matched as the
    // learner's memory matches them.
    QString of(const QString &word) const;
    // A transcription that is not of the form "/ipa/" on one line is not taken.
    void insert(const QString &word, const QString &ipa);
    // Every transcription, a line each, sorted by word.
    QByteArray bytes() const;
    qsizetype size() const { return entries.size(); }

private:
    QHash<QString, QString> entries;
};

} // namespace core
