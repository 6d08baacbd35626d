// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace core {

// The synonyms a dictionary's maker checked for each word's pinned sense:
// `<name>.synonyms.tsv` beside `<name>.xml`, lines of a word, a tab and its synonyms
// (tab-separated); lines starting with '#' are comments. Read with the tolerance of the
// distractor list (Confusables): a missing file gives none, a damaged one is set aside with a
// note in the log (category vocabrix.synonyms).
class Synonyms
{
public:
    static QString pathFor(const QString &dictionaryFile);
    static Synonyms read(const QString &dictionaryFile);
    // Empty when the text is not a synonym list; why is then in the log.
    static Synonyms fromText(const QByteArray &bytes, const QString &name);

    // A word's synonyms in the file's order, matched as the learner's memory matches words.
    QStringList of(const QString &word) const;
    // Whether the file pairs the two words, either way round.
    bool pairs(const QString &a, const QString &b) const;
    bool isEmpty() const { return lists.isEmpty(); }

private:
    QHash<QString, QStringList> lists;
};

} // namespace core
