// SPDX-License-Identifier: GPL-3.0-or-later
#include "flashcards.h"

#include "dictionary.h"
#include "flashrules.h"
#include "platform/services.h"

#include <algorithm>

namespace core {

FlashCards::FlashCards(const Dictionary &dictionary, platform::Random &random, QObject *parent)
    : QObject(parent), dictionary(dictionary), random(random)
{
    connect(&dictionary, &Dictionary::loaded, this, &FlashCards::follow);
    connect(&dictionary, &Dictionary::entriesReplaced, this, &FlashCards::follow);
}

void FlashCards::open()
{
    random.randomize();
    show(flashrules::drawPosition(random.rnd(), dictionary.count()));
}

void FlashCards::flash()
{
    show(flashrules::flash(position, dictionary.count(), random.rnd()));
}

void FlashCards::previous()
{
    show(flashrules::previous(position, dictionary.count()));
}

void FlashCards::next()
{
    show(flashrules::next(position, dictionary.count()));
}

void FlashCards::reveal()
{
    shownMeaning = dictionary.meaning(position);
    revealed = true;
    emit meaningRevealed();
}

void FlashCards::follow()
{
    if (shownWord.isEmpty())
        return;
    const int n = dictionary.count();
    const QString key = shownWord.trimmed();
    const auto holdsWord = [&](int at) {
        return dictionary.word(at).trimmed().compare(key, Qt::CaseInsensitive) == 0;
    };
    int found = position >= 0 && position < n && holdsWord(position) ? position : -1;
    for (int at = 0; found < 0 && !key.isEmpty() && at < n; ++at)
        if (holdsWord(at))
            found = at;
    if (found < 0) {
        show(std::clamp(position, 0, n));
        return;
    }
    position = found;
    if (revealed && dictionary.meaning(position) != shownMeaning)
        reveal();
}

void FlashCards::show(int newPosition)
{
    position = newPosition;
    shownWord = dictionary.word(position);
    revealed = false;
    emit wordChanged();
}

} // namespace core
