// SPDX-License-Identifier: GPL-3.0-or-later
#include "flashcards.h"

#include "dictionary.h"
#include "flashrules.h"
#include "platform/services.h"

FlashCards::FlashCards(const Dictionary &dictionary, platform::random &random, QObject *parent)
    : QObject(parent), dictionary(dictionary), random(random)
{
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

void FlashCards::show(int newPosition)
{
    position = newPosition;
    shownWord = dictionary.word(position);
    revealed = false;
    emit wordChanged();
}
