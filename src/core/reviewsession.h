// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The review quiz: the word on show, its five choices and where each stands, the score. The
// right meaning is always choice 0, and no other choice reads as it or as another (the same
// text but for case and spaces); the layout decides which slot (1 to 5, top to bottom) each
// choice stands in.

#include "reviewrules.h"

#include <QObject>
#include <QString>
#include <array>

namespace platform {
class Random;
}

namespace core {

class Dictionary;

class ReviewSession : public QObject
{
    Q_OBJECT
public:
    static constexpr int choiceCount = 5;
    static constexpr int rightChoice = 0;

    ReviewSession(const Dictionary &dictionary, platform::Random &random,
                  QObject *parent = nullptr);

    // After a load: a random word of the review range with its choices, the usage as the file
    // has it. Throws platform::Error (parse) and clears the card when the dictionary holds no
    // word.
    void begin();
    // Flash draws a random word, Next and Previous step and wrap; each shows the word with its
    // usage styled, fresh choices and a new layout. Outside the review range the position
    // moves but the card stays.
    void flash();
    void next();
    void previous();
    // After the dictionary's entries changed under the card: the word on show stays where the
    // list still holds it, as its entry now reads, with fresh choices in the same slots.
    // Otherwise the position stays, or a word is drawn when the position left the range.
    void follow();

    int currentPosition() const { return position; }
    QString word() const { return shownWord; }
    const StyledUsage &usage() const { return shownUsage; }
    const std::array<QString, choiceCount> &choices() const { return shownChoices; }
    // The slot (0 = top) of a choice, and the choice standing in a slot.
    int slotOf(int choice) const;
    int choiceInSlot(int slot) const;

    // Answers with a choice; every answer counts, also a second one to the same word. A blank
    // slot, where the list had no other meaning to show, is no answer.
    void answer(int choice);
    void answerSlot(int slot);

    qint16 rightCount() const { return rights; }
    qint16 wrongCount() const { return wrongs; }
    bool hasAnswers() const { return answeredOnce; }
    QString percentText() const { return core::percentText(rights, wrongs); }

signals:
    // The word, the usage, the choices or their layout changed.
    void cardChanged();
    void answered(const QString &word, const QString &chosenMeaning, bool right);
    void scoreChanged();

private:
    void show(int newPosition);
    void fillChoices();
    // The meaning for the wrong choice in slot `shown` from a drawn position.
    QString distinctMeaning(int drawn, int shown) const;
    void shuffleLayout();

    const Dictionary &dictionary;
    platform::Random &random;
    int position = 0;
    QString shownWord;
    StyledUsage shownUsage;
    std::array<QString, choiceCount> shownChoices;
    // The top of each choice's button in twips, as the layouts give them.
    std::array<int, choiceCount> tops = slotTops;
    qint16 rights = 0, wrongs = 0;
    bool answeredOnce = false;
};

} // namespace core
