// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learning/cardbuilder.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QShortcut;
namespace core {
class Dictionary;
}

namespace widgets {

class ChoiceButton;

// The usage with each form of the word in bold: the blank filled.
QString highlightedUsage(const QString &usage, const QString &word);
// The text with each blank a word a screen reader says, not four underscores.
QString spokenBlanks(QString text);

// One built card of any format, as Study Today and the practice set show it: what the card
// asks, the sentence with its blank (with the meaning, to type the word), and the choices, or
// the line where the word is typed. Keys 1 to 5 pick a choice, 1 to 6 toggle a pair's; Enter
// answers a pair or the typed word when the answer is given at once.
class QuestionView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int mostChoices = 6;
    // AtOnce: a pick answers, a pair answers with Enter once two are toggled (Study Today).
    // Changeable: each pick or toggle is the answer as it stands, until the learner goes on.
    enum class Answering { AtOnce, Changeable };

    QuestionView(const core::Dictionary &dictionary, Answering answering,
                 QWidget *parent = nullptr);

    // Shows the card open for an answer: the picks given so far are toggled on.
    void showCard(const learning::StudyCard &card, const QList<int> &picks = {});
    // Whether keys and clicks still answer (false once an answer is on show).
    void setOpen(bool open);
    // A choice's caption with a mark in words after it, and a background when a colour is given.
    void markChoice(int choice, const QString &mark, const QString &color = QString());
    // The keyboard goes where the card is answered: the sentence, or the line to type in.
    void focusQuestion();
    QString choiceWord(int choice) const;

signals:
    // AtOnce: one choice, a pair, or the text typed (nothing typed is an answer too: "I do not
    // know").
    void answered(const QList<int> &picks);
    void typed(const QString &text);
    // Changeable: the choices picked as they now stand.
    void picksChanged(const QList<int> &picks);

private:
    void pressed(int choice);
    void choiceToggled(int choice, bool on);
    void submit();
    void showChoices();
    QList<int> toggled() const;
    int picksWanted() const;

    const core::Dictionary &dictionary;
    const Answering answering;
    learning::StudyCard card;
    bool open = true;
    QLabel *askLabel, *questionLabel;
    QLineEdit *typedAnswer;
    QPushButton *answerButton;
    std::array<ChoiceButton *, mostChoices> choiceButtons;
    QList<QShortcut *> choiceKeys, submitKeys;
};

} // namespace widgets
