// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The flash cards: one word of the list at a time, its meaning hidden until asked for. The
// position outlives the window that shows it. Positions are those of the dictionary: entries at
// 0..count-1 and the empty end position at count.

#include <QObject>
#include <QString>

namespace platform {
class Random;
}

namespace core {

class Dictionary;

class FlashCards : public QObject
{
    Q_OBJECT
public:
    FlashCards(const Dictionary &dictionary, platform::Random &random, QObject *parent = nullptr);

    // Reseeds and shows a random word of the review range (1..count-1), its meaning hidden.
    void open();
    // Flash draws again (from outside the review range it goes to 1), Previous and Next step and
    // stay within 0..count; each shows the word there with its meaning hidden.
    void flash();
    void previous();
    void next();
    // Shows the meaning at the current position.
    void reveal();
    // Another list, or other entries in it: the card keeps its word where the list still has it
    // (a meaning on show is read again there), and otherwise shows the word now at its
    // position, within 0..count, with the meaning hidden; so the meaning shown is always the
    // word's. Before a first card nothing is on show to follow.
    void follow();

    int currentPosition() const { return position; }
    // The word read at the last step and the meaning read at the last reveal: a dictionary
    // loaded meanwhile changes neither until the next step or reveal.
    QString word() const { return shownWord; }
    QString meaning() const { return shownMeaning; }
    bool meaningShown() const { return revealed; }

signals:
    // A word was shown and its meaning hidden.
    void wordChanged();
    void meaningRevealed();

private:
    void show(int newPosition);

    const Dictionary &dictionary;
    platform::Random &random;
    int position = 0;
    QString shownWord, shownMeaning;
    bool revealed = false;
};

} // namespace core
