// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The memory game: eight entries dealt at random, their words on cards 0..7 and their meanings
// on cards 8..15; the player turns two cards at a time to find a word with its meaning. The
// deal and the counters outlive the window; opening it again starts a fresh board over them.

#include "memoryrules.h"

#include <QObject>
#include <QString>
#include <array>
#include <optional>

namespace platform {
class Random;
}

namespace core {

class Dictionary;

class MemoryGame : public QObject
{
    Q_OBJECT
public:
    static constexpr int cardCount = memoryrules::cardCount;
    static constexpr int pairCount = memoryrules::pairCount;

    // How a card lies. A card opened in a colour other than black shows its text but counts as
    // face down until it is first turned; black text counts as face up.
    enum class Face { Down, Up, DownReadable };

    MemoryGame(const Dictionary &dictionary, platform::Random &random, QObject *parent = nullptr);

    // Opens a fresh board: the cards in their design places, none found, each lying as its text
    // colour says, no attempts, no time shown yet, the clock running and the pair check off.
    void open(qint32 textColorCode);
    // The board is put away: the clock and the pair check stop. The deal and counters stay.
    void close();
    bool isOpen() const { return opened; }

    // Reseeds, moves the cards to a drawn arrangement (numbers 5 and 10 leave them where they
    // stand) and deals eight entries of the review range, one entry possibly more than once.
    // Faces, counters and timers stay as they are.
    void deal();

    // A click on a card: the clock runs; a card not face up is turned while fewer than three
    // are; the third clears the table, found pairs included. Every click is an attempt.
    void turn(int card);
    // The pair check's tick: with two cards turned, the two lowest face-up cards are found when
    // they are a word and its meaning (by text, so an entry dealt twice pairs either way).
    void checkPair();
    // The clock's tick.
    void tick();

    // New Game and Solve both start from this: no attempts, the clock stopped at 0 (the time
    // shown stays until the next tick), the pair check on.
    void resetScore();
    // Every card face down and on the board, and a new deal.
    void newGame();
    // Every card face up and on the board, the clock stopped.
    void solve();
    // The time taken was told: the time shows 0.
    void timeReported();

    QString cardText(int card) const;
    Face face(int card) const { return faces[size_t(card)]; }
    bool isFound(int card) const { return found[size_t(card)]; }
    // Left and top of each card in twips.
    const memoryrules::Places &places() const { return cardPlaces; }
    const memoryrules::Dealt &dealtWords() const { return words; }
    const memoryrules::Dealt &dealtMeanings() const { return meanings; }

    qint16 attempts() const { return attemptCount; }
    qint16 seconds() const { return secondCount; }
    // The seconds on show: none after opening until the first tick.
    std::optional<qint16> shownSeconds() const { return secondsShown; }
    // Cards turned up since the table was last cleared; a found pair does not reset it.
    qint16 turnedCount() const { return turned; }
    bool clockRunning() const { return clockOn; }
    bool pairCheckRunning() const { return pairCheckOn; }

signals:
    void changed();

private:
    void setAll(Face face);

    const Dictionary &dictionary;
    platform::Random &random;
    memoryrules::Dealt words, meanings;
    std::array<Face, cardCount> faces{};
    std::array<bool, cardCount> found{};
    memoryrules::Places cardPlaces = memoryrules::designPlaces();
    qint16 attemptCount = 0, secondCount = 0, turned = 0;
    std::optional<qint16> secondsShown;
    bool opened = false, clockOn = false, pairCheckOn = false;
};

} // namespace core
