// SPDX-License-Identifier: GPL-3.0-or-later
#include "memorygame.h"

#include "dictionary.h"
#include "platform/services.h"

namespace core {

MemoryGame::MemoryGame(const Dictionary &dictionary, platform::Random &random, QObject *parent)
    : QObject(parent), dictionary(dictionary), random(random)
{
}

void MemoryGame::open(qint32 textColorCode)
{
    setAll(textColorCode == 0 ? Face::Up : Face::DownReadable);
    cardPlaces = memoryrules::designPlaces();
    attemptCount = 0;
    secondsShown.reset();
    clockOn = true;
    pairCheckOn = false;
    opened = true;
    emit changed();
}

void MemoryGame::close()
{
    clockOn = pairCheckOn = opened = false;
    emit changed();
}

void MemoryGame::deal()
{
    random.randomize();
    if (const auto arranged =
            memoryrules::arrangement(memoryrules::arrangementNumber(random.rnd())))
        cardPlaces = *arranged;
    for (int i = 0; i < pairCount; ++i) {
        const int position = memoryrules::dealPosition(random.rnd(), dictionary.count());
        words[size_t(i)] = dictionary.word(position);
        meanings[size_t(i)] = dictionary.meaning(position);
    }
    emit changed();
}

void MemoryGame::turn(int card)
{
    clockOn = true;
    if (card < 0 || card >= cardCount) {
        emit changed();
        return;
    }
    Face &clicked = faces[size_t(card)];
    if (turned <= 2 && clicked != Face::Up) {
        clicked = Face::Up;
        if (++turned == 2)
            pairCheckOn = true;
    }
    // The third card of a turn only clears the table, itself included.
    if (turned > 2) {
        for (Face &each : faces) {
            if (each == Face::Up)
                each = Face::Down;
        }
        turned = 0;
    }
    attemptCount = memoryrules::countUp(attemptCount);
    emit changed();
}

void MemoryGame::checkPair()
{
    if (!pairCheckOn || turned != 2)
        return;
    std::array<bool, cardCount> up{};
    std::array<QString, cardCount> texts;
    for (int i = 0; i < cardCount; ++i) {
        up[size_t(i)] = faces[size_t(i)] == Face::Up;
        texts[size_t(i)] = cardText(i);
    }
    const memoryrules::FaceUpPair cards = memoryrules::lowestFaceUp(up);
    if (!memoryrules::isPair(cards, texts, words, meanings))
        return;
    // Found cards stay face up, so the next click clears the table.
    found[size_t(*cards.first)] = found[size_t(*cards.second)] = true;
    pairCheckOn = false;
    emit changed();
}

void MemoryGame::tick()
{
    if (!clockOn)
        return;
    secondCount = memoryrules::countUp(secondCount);
    secondsShown = secondCount;
    emit changed();
}

void MemoryGame::resetScore()
{
    attemptCount = 0;
    pairCheckOn = true;
    clockOn = false;
    secondCount = 0;
    emit changed();
}

void MemoryGame::newGame()
{
    setAll(Face::Down);
    deal();
}

void MemoryGame::solve()
{
    setAll(Face::Up);
    clockOn = false;
    emit changed();
}

void MemoryGame::timeReported()
{
    secondsShown = 0;
    emit changed();
}

QString MemoryGame::cardText(int card) const
{
    return card < pairCount ? words[size_t(card)] : meanings[size_t(card - pairCount)];
}

void MemoryGame::setAll(Face face)
{
    faces.fill(face);
    found.fill(false);
}

} // namespace core
