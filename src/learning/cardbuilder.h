// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "studyformats.h"

#include "core/confusables.h"
#include "core/synonyms.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <functional>

namespace core {
class Dictionary;
}

namespace learning {

// One Study Today card as asked: its format, the sentence with the word blanked (every format
// but meaning), and the choices as dictionary positions in the order shown: the words whose
// meanings are offered, or the words themselves. Typed recall has none.
struct StudyCard
{
    StudyFormat format = StudyFormat::Meaning;
    int position = -1; // the word asked
    int partner = -1;  // sentence equivalence: the synonym that fits with it
    QString sentence;
    QList<int> choices;

    // The indices of the choices that are right: one, or two for sentence equivalence.
    QList<int> rightChoices() const;
    // Whether the picks are exactly the right choices: one right of two is wrong.
    bool rightPicks(QList<int> picked) const;
};

// Builds the cards of a dictionary's words. It reads, the first time it is asked, each word's
// key and first position, its part of speech, and the lists beside the dictionary: the wrong
// choices the list's maker checked (<name>.confusables.tsv) and the synonyms
// (<name>.synonyms.tsv). draw(n) gives a number in [0, n).
class CardBuilder
{
public:
    explicit CardBuilder(const core::Dictionary &dictionary);

    // Forgets what it read: the dictionary was loaded or changed.
    void reset() { indexed = false; }
    // Reads the dictionary and its lists when not read since the last reset.
    void index();

    const QStringList &keys() const { return wordKeys; }
    // The first position of each word's key: the one studied.
    const QHash<QString, int> &positions() const { return positionOf; }
    const core::Confusables &confusables() const { return confusableWords; }

    // The formats other than meaning the word's material allows: a sentence that shows the word
    // for all of them; four checked wrong words of its part of speech for text completion; a
    // synonym in the list and four wrong words that are no synonym of either for sentence
    // equivalence.
    FormatSet possibleFormats(int position) const;
    // The card in that format, or by meaning when the word's material does not allow it.
    StudyCard build(int position, StudyFormat format, const std::function<int(int)> &draw) const;

private:
    // What a word's cards are made of.
    struct Material
    {
        QString sentence;       // blanked; empty without a sentence that shows the word
        QList<int> wrongWords;  // checked wrong choices in the list, of its part of speech
        int partner = -1;       // its first synonym in the list, of its part of speech
        QList<int> notEitherOf; // of the wrong words, those no synonym of the partner either

        FormatSet allows() const;
    };
    Material material(int position) const;
    StudyCard meaningCard(int position, const std::function<int(int)> &draw) const;

    const core::Dictionary &dictionary;
    bool indexed = false;
    QStringList wordKeys;
    QHash<QString, int> positionOf;
    QStringList partsOfSpeech;
    QHash<QString, QList<int>> byPartOfSpeech;
    core::Confusables confusableWords;
    core::Synonyms synonyms;
};

} // namespace learning
