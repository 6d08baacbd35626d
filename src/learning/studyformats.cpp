// SPDX-License-Identifier: GPL-3.0-or-later
#include "studyformats.h"

#include "studycard.h"

#include <array>
#include <utility>

namespace learning {

namespace {

const std::array<std::pair<StudyFormat, const char *>, 4> keys{{
    {StudyFormat::Meaning, "meaning"},
    {StudyFormat::TextCompletion, "text_completion"},
    {StudyFormat::TypedRecall, "typed_recall"},
    {StudyFormat::SentenceEquivalence, "sentence_equivalence"},
}};

// Whether b is a with one edit: a letter added, left out or changed, or two neighbours swapped.
bool oneEditApart(QStringView a, QStringView b)
{
    if (a.size() > b.size())
        std::swap(a, b);
    if (b.size() - a.size() > 1)
        return false;
    qsizetype at = 0;
    while (at < a.size() && a[at] == b[at])
        ++at;
    if (at == a.size())
        return a.size() != b.size(); // the same text is no edit
    if (a.size() < b.size())
        return a.mid(at) == b.mid(at + 1);
    if (a.mid(at + 1) == b.mid(at + 1))
        return true;
    return at + 1 < a.size() && a[at] == b[at + 1] && a[at + 1] == b[at] &&
           a.mid(at + 2) == b.mid(at + 2);
}

} // namespace

QString formatKey(StudyFormat format)
{
    for (const auto &[each, key] : keys)
        if (each == format)
            return QLatin1String(key);
    return QString();
}

std::optional<StudyFormat> formatFromKey(const QString &key)
{
    for (const auto &[format, name] : keys)
        if (key == QLatin1String(name))
            return format;
    return std::nullopt;
}

bool FormatSet::has(StudyFormat format) const
{
    switch (format) {
    case StudyFormat::Meaning:
        return true;
    case StudyFormat::TextCompletion:
        return textCompletion;
    case StudyFormat::TypedRecall:
        return typedRecall;
    case StudyFormat::SentenceEquivalence:
        return sentenceEquivalence;
    }
    return false;
}

FormatSet FormatSet::operator&(const FormatSet &other) const
{
    return {textCompletion && other.textCompletion, typedRecall && other.typedRecall,
            sentenceEquivalence && other.sentenceEquivalence};
}

bool isMature(const Card &card)
{
    return card.state == CardState::Review && card.stability >= matureStability;
}

StudyFormat chooseFormat(const Card &card, const FormatSet &possible, int coin)
{
    if (card.state != CardState::Review)
        return StudyFormat::Meaning;
    if (isMature(card)) {
        const bool typed = possible.typedRecall, equivalence = possible.sentenceEquivalence;
        if (typed && equivalence)
            return coin == 0 ? StudyFormat::TypedRecall : StudyFormat::SentenceEquivalence;
        if (typed || equivalence)
            return typed ? StudyFormat::TypedRecall : StudyFormat::SentenceEquivalence;
    }
    return possible.textCompletion ? StudyFormat::TextCompletion : StudyFormat::Meaning;
}

Spelling judgeSpelling(const QString &typed, const QString &word)
{
    const QString answer = typed.trimmed().toCaseFolded();
    const QString expected = word.trimmed().toCaseFolded();
    if (answer.isEmpty())
        return Spelling::Wrong;
    if (answer == expected)
        return Spelling::Right;
    return oneEditApart(answer, expected) ? Spelling::Nearly : Spelling::Wrong;
}

Rating typedRating(Spelling spelling, qint64 durationMs)
{
    switch (spelling) {
    case Spelling::Right:
        return proposedRating(true, durationMs);
    case Spelling::Nearly:
        return Rating::Hard;
    case Spelling::Wrong:
        break;
    }
    return Rating::Again;
}

int picksWanted(StudyFormat format)
{
    switch (format) {
    case StudyFormat::TypedRecall:
        return 0;
    case StudyFormat::SentenceEquivalence:
        return 2;
    default:
        return 1;
    }
}

} // namespace learning
