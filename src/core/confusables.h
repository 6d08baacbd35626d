// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace core {

// The wrong choices a dictionary's maker chose for each word: `<name>.confusables.tsv` beside
// `<name>.xml`, lines of a word, a tab and its distractor words (tab-separated, best first);
// lines starting with '#' are comments. The file is optional: a missing one gives none, and a
// damaged one is set aside with a note in the log (category vocabrix.confusables).
class Confusables
{
public:
    // The file that belongs to a dictionary file.
    static QString pathFor(const QString &dictionaryFile);
    static Confusables read(const QString &dictionaryFile);
    // Empty when the text is not a distractor list; why is then in the log.
    static Confusables fromText(const QByteArray &bytes, const QString &name);

    // A word's distractors, best first; the words are matched as the learner's memory matches
    // them (trimmed, spaces made one, case-folded).
    QStringList of(const QString &word) const;
    qsizetype size() const { return lists.size(); }

private:
    QHash<QString, QStringList> lists;
};

} // namespace core
