// SPDX-License-Identifier: GPL-3.0-or-later
#include "reviewsession.h"

#include "dictionary.h"

#include "platform/error.h"
#include "platform/services.h"

#include <algorithm>

namespace core {

ReviewSession::ReviewSession(const Dictionary &dictionary, platform::Random &random,
                             QObject *parent)
    : QObject(parent), dictionary(dictionary), random(random)
{
}

void ReviewSession::begin()
{
    const int n = dictionary.count();
    if (n == 0) {
        shownWord.clear();
        shownUsage.text.clear();
        shownChoices = {};
        emit cardChanged();
        throw platform::Error(platform::Error::parse,
                              tr("The dictionary %1 holds no word.").arg(dictionary.path()));
    }
    position = drawPosition(random.rnd(), n);
    shownWord = dictionary.word(position);
    // The first card shows the usage as stored; its style stays as the last card left it.
    shownUsage.text = dictionary.usage(position);
    fillChoices();
    emit cardChanged();
}

void ReviewSession::flash()
{
    show(drawPosition(random.rnd(), dictionary.count()));
}

void ReviewSession::next()
{
    show(nextPosition(position, dictionary.count()));
}

void ReviewSession::previous()
{
    show(previousPosition(position, dictionary.count()));
}

void ReviewSession::show(int newPosition)
{
    position = newPosition;
    if (!inReviewRange(position, dictionary.count()))
        return;
    shownWord = dictionary.word(position);
    shownUsage = styleUsage(dictionary.usage(position));
    fillChoices();
    shuffleLayout();
    emit cardChanged();
}

void ReviewSession::follow()
{
    const int n = dictionary.count();
    const QString key = shownWord.trimmed();
    const auto showsWord = [&](int at) {
        return !key.isEmpty() &&
               dictionary.word(at).trimmed().compare(key, Qt::CaseInsensitive) == 0;
    };
    int found = showsWord(position) ? position : -1;
    for (int at = 1; found < 0 && at < n; ++at)
        if (showsWord(at))
            found = at;
    if (found < 0)
        found = inReviewRange(position, n) ? position : drawPosition(random.rnd(), n);
    position = found;
    shownWord = dictionary.word(position);
    shownUsage = styleUsage(dictionary.usage(position));
    fillChoices();
    emit cardChanged();
}

void ReviewSession::fillChoices()
{
    shownChoices = {};
    shownChoices[rightChoice] = dictionary.meaning(position);
    for (int i = 1; i < choiceCount; ++i)
        shownChoices[i] = distinctMeaning(drawPosition(random.rnd(), dictionary.count()), i);
}

QString ReviewSession::distinctMeaning(int drawn, int shown) const
{
    // Two choices a learner cannot tell apart make one of them a wrong answer that is right, so
    // a drawn meaning already on show gives way to the next one in the review range that is not.
    // One draw a choice, as ever; a list with fewer distinct meanings leaves the rest blank.
    const int n = dictionary.count();
    int candidate = drawn;
    for (int tried = 0; tried < n - 1; ++tried, candidate = nextPosition(candidate, n)) {
        const QString meaning = dictionary.meaning(candidate);
        if (meaning.trimmed().isEmpty())
            continue;
        const auto same = [&](const QString &other) { return sameMeaning(meaning, other); };
        if (std::none_of(shownChoices.begin(), shownChoices.begin() + shown, same))
            return meaning;
    }
    return QString();
}

void ReviewSession::shuffleLayout()
{
    random.randomize();
    tops = layoutTops(drawLayout(random.rnd()));
}

int ReviewSession::slotOf(int choice) const
{
    const auto found = std::find(slotTops.begin(), slotTops.end(), tops[choice]);
    return int(found - slotTops.begin());
}

int ReviewSession::choiceInSlot(int slot) const
{
    const auto found = std::find(tops.begin(), tops.end(), slotTops[slot]);
    return int(found - tops.begin());
}

void ReviewSession::answer(int choice)
{
    // A blank slot offers nothing to choose.
    if (choice != rightChoice && shownChoices[choice].trimmed().isEmpty())
        return;
    // No other choice reads as the right one (fillChoices), so only the right choice is right.
    const bool right = choice == rightChoice;
    if (right)
        rights = countUp(rights);
    else
        wrongs = countUp(wrongs);
    answeredOnce = true;
    emit answered(shownWord, shownChoices[choice], right);
    emit scoreChanged();
}

void ReviewSession::answerSlot(int slot)
{
    if (slot < 0 || slot >= choiceCount)
        return;
    const int choice = choiceInSlot(slot);
    if (choice < choiceCount)
        answer(choice);
}

} // namespace core
