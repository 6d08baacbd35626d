// SPDX-License-Identifier: GPL-3.0-or-later
#include "cardbuilder.h"

#include "core/dictionary.h"
#include "core/reviewrules.h"
#include "newwords.h"
#include "studycard.h"
#include "wordkey.h"

#include <algorithm>

using namespace core;

namespace learning {

namespace {

constexpr int wrongWordsShown = 4;
// Wrong choices are drawn among the first few of a word's list, so that the same four do not
// always come.
constexpr int drawnFrom = 8;

// Up to `count` of the first drawnFrom candidates, drawn.
QList<int> drawn(QList<int> candidates, int count, const std::function<int(int)> &draw)
{
    candidates = candidates.mid(0, drawnFrom);
    QList<int> chosen;
    while (chosen.size() < count && !candidates.isEmpty())
        chosen << candidates.takeAt(draw(int(candidates.size())));
    return chosen;
}

} // namespace

QList<int> StudyCard::rightChoices() const
{
    QList<int> right;
    for (int i = 0; i < choices.size(); ++i)
        if (choices[i] == position || choices[i] == partner)
            right << i;
    return right;
}

bool StudyCard::rightPicks(QList<int> picked) const
{
    std::sort(picked.begin(), picked.end());
    picked.erase(std::unique(picked.begin(), picked.end()), picked.end());
    return !choices.isEmpty() && picked == rightChoices();
}

CardBuilder::CardBuilder(const Dictionary &dictionary) : dictionary(dictionary) {}

void CardBuilder::index()
{
    if (indexed)
        return;
    const QStringList &words = dictionary.words();
    wordKeys.clear();
    wordKeys.reserve(words.size());
    partsOfSpeech.clear();
    partsOfSpeech.reserve(words.size());
    positionOf.clear();
    byPartOfSpeech.clear();
    for (int position = 0; position < words.size(); ++position) {
        wordKeys << wordKey(words[position]);
        partsOfSpeech << partOfSpeech(dictionary.meaning(position));
        if (inReviewRange(position, dictionary.count()))
            byPartOfSpeech[partsOfSpeech.back()] << position;
    }
    for (int position = dictionary.count() - 1; position >= 1; --position)
        positionOf.insert(wordKeys[position], position);
    confusableWords = Confusables::read(dictionary.filePath());
    synonyms = Synonyms::read(dictionary.filePath());
    indexed = true;
}

CardBuilder::Material CardBuilder::material(int position) const
{
    Material found;
    const QString usage = styleUsage(dictionary.usage(position)).text;
    const QString word = dictionary.word(position);
    if (usage.isEmpty() || wordForms(usage, word).isEmpty())
        return found; // a sentence that does not show the word cannot hold its blank
    found.sentence = clozeHint(usage, word);
    const QString &key = wordKeys.value(position);
    const QString &part = partsOfSpeech.value(position);
    // A word of the list, of the same part of speech, not the word or of its family.
    const auto inList = [&](const QString &other) {
        const auto at = positionOf.constFind(wordKey(other));
        if (at == positionOf.cend() || *at == position || partsOfSpeech.value(*at) != part ||
            sameFamily(key, wordKeys[*at]))
            return -1;
        return *at;
    };
    for (const QString &other : synonyms.of(word)) {
        if ((found.partner = inList(other)) >= 0)
            break;
    }
    for (const QString &other : confusableWords.of(word)) {
        const int at = inList(other);
        // A distractor the synonym list pairs with the word would fit as well as it.
        if (at < 0 || found.wrongWords.contains(at) || synonyms.pairs(word, other))
            continue;
        found.wrongWords << at;
        if (found.partner >= 0 && at != found.partner &&
            !synonyms.pairs(dictionary.word(found.partner), other) &&
            !sameFamily(wordKeys[found.partner], wordKeys[at]))
            found.notEitherOf << at;
    }
    return found;
}

FormatSet CardBuilder::Material::allows() const
{
    const bool shown = !sentence.isEmpty();
    return FormatSet{shown && wrongWords.size() >= wrongWordsShown, shown,
                     shown && partner >= 0 && notEitherOf.size() >= wrongWordsShown};
}

FormatSet CardBuilder::possibleFormats(int position) const
{
    return material(position).allows();
}

StudyCard CardBuilder::meaningCard(int position, const std::function<int(int)> &draw) const
{
    QList<int> confusable;
    for (const QString &other : confusableWords.of(dictionary.word(position))) {
        const auto found = positionOf.constFind(wordKey(other));
        if (found != positionOf.constEnd())
            confusable << *found;
    }
    StudyCard card{StudyFormat::Meaning, position, -1, QString(), {}};
    card.choices = chooseDistractors(
        dictionary.words(), dictionary.meanings(), position, confusable,
        byPartOfSpeech.value(partsOfSpeech.value(position)), 1, dictionary.count(), draw);
    card.choices.insert(draw(int(card.choices.size()) + 1), position);
    return card;
}

StudyCard CardBuilder::build(int position, StudyFormat format,
                             const std::function<int(int)> &draw) const
{
    const Material found = format == StudyFormat::Meaning ? Material() : material(position);
    if (!found.allows().has(format) || format == StudyFormat::Meaning)
        return meaningCard(position, draw);
    StudyCard card{format, position, -1, found.sentence, {}};
    if (format == StudyFormat::TextCompletion) {
        card.choices = drawn(found.wrongWords, wrongWordsShown, draw);
    } else if (format == StudyFormat::SentenceEquivalence) {
        card.partner = found.partner;
        card.choices = drawn(found.notEitherOf, wrongWordsShown, draw);
        card.choices.insert(draw(int(card.choices.size()) + 1), found.partner);
    }
    if (format != StudyFormat::TypedRecall)
        card.choices.insert(draw(int(card.choices.size()) + 1), position);
    return card;
}

} // namespace learning
