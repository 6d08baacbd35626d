// SPDX-License-Identifier: GPL-3.0-or-later
#include "questionview.h"
#include "studywidgets.h"

#include "choicebutton.h"

#include "core/dictionary.h"
#include "learning/studycard.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <functional>

namespace widgets {

using study::named;
using study::scaled;
using study::wrapped;

using learning::StudyFormat;

QString spokenBlanks(QString text)
{
    return text.replace(QStringLiteral("____"), QuestionView::tr("blank"));
}

QString highlightedUsage(const QString &usage, const QString &word)
{
    QString html;
    qsizetype from = 0;
    for (const auto &[start, length] : learning::wordForms(usage, word)) {
        html += usage.mid(from, start - from).toHtmlEscaped() + QStringLiteral("<b><u>") +
                usage.mid(start, length).toHtmlEscaped() + QStringLiteral("</u></b>");
        from = start + length;
    }
    return html + usage.mid(from).toHtmlEscaped();
}

QuestionView::QuestionView(const core::Dictionary &dictionary, Answering answering, QWidget *parent)
    : QWidget(parent), dictionary(dictionary), answering(answering)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // What the card asks, and the sentence with its blank (with the meaning, to type the word).
    askLabel = wrapped(named(new QLabel, QStringLiteral("askLabel"), tr("Question")));
    askLabel->setFont(scaled(font(), 1.1, true));
    questionLabel = wrapped(named(new QLabel, QStringLiteral("questionLabel"), tr("Sentence")));
    questionLabel->setFont(scaled(font(), 1.4));
    questionLabel->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(askLabel);
    layout->addWidget(questionLabel);

    auto *answerRow = new QHBoxLayout;
    typedAnswer = named(new QLineEdit, QStringLiteral("typedAnswer"), tr("Type the word"));
    typedAnswer->setFont(scaled(font(), 1.3));
    answerButton = named(new QPushButton(tr("&Submit (Enter)")), QStringLiteral("answerButton"),
                         tr("Submit the answer"));
    answerRow->addWidget(typedAnswer, 1);
    answerRow->addWidget(answerButton);
    layout->addLayout(answerRow);
    connect(answerButton, &QPushButton::clicked, this, &QuestionView::submit);

    for (int i = 0; i < mostChoices; ++i) {
        choiceButtons[i] = named(new ChoiceButton, QStringLiteral("choice%1").arg(i + 1),
                                 tr("Choice %1").arg(i + 1));
        choiceButtons[i]->setFont(scaled(font(), 1.1));
        layout->addWidget(choiceButtons[i]);
        connect(choiceButtons[i], &QPushButton::clicked, this, [this, i] {
            if (!choiceButtons[i]->isCheckable())
                pressed(i);
        });
        // A click, a key or a screen reader's toggle action (which clicks nothing) all come
        // here for a pick that stays on its button.
        connect(choiceButtons[i], &QPushButton::toggled, this,
                [this, i](bool on) { choiceToggled(i, on); });
    }

    const auto shortcut = [this](int key, const std::function<void()> &action) {
        auto *made = new QShortcut(QKeySequence(key), this);
        connect(made, &QShortcut::activated, this, action);
        return made;
    };
    for (int i = 0; i < mostChoices; ++i)
        choiceKeys << shortcut(Qt::Key_1 + i, [this, i] { pressed(i); });
    for (int key : {Qt::Key_Return, Qt::Key_Enter})
        submitKeys << shortcut(key, [this] { submit(); });
    setOpen(true);
}

int QuestionView::picksWanted() const
{
    return learning::picksWanted(card.format);
}

QString QuestionView::choiceWord(int choice) const
{
    return dictionary.word(card.choices.value(choice, -1));
}

void QuestionView::showCard(const learning::StudyCard &shown, const QList<int> &picks)
{
    card = shown;
    const StudyFormat format = card.format;
    const QString ask = format == StudyFormat::TextCompletion
                            ? tr("Which word fits the blank? (1 to 5)")
                        : format == StudyFormat::SentenceEquivalence
                            ? (answering == Answering::AtOnce
                                   ? tr("Which two words fit the blank and give the sentence the "
                                        "same meaning? Pick both (1 to 6), then Enter.")
                                   : tr("Which two words fit the blank and give the sentence the "
                                        "same meaning? Pick both (1 to 6)."))
                        : format == StudyFormat::TypedRecall
                            ? tr("Type the word for this meaning and sentence, then Enter.")
                            : QString();
    askLabel->setText(ask);
    askLabel->setAccessibleName(ask);
    const bool byMeaning = format == StudyFormat::Meaning;
    askLabel->setVisible(!byMeaning);
    const QString question =
        format == StudyFormat::TypedRecall
            ? dictionary.meaning(card.position) + QStringLiteral("\n\n") + card.sentence
            : card.sentence;
    questionLabel->setText(question);
    questionLabel->setAccessibleName(spokenBlanks(question));
    questionLabel->setVisible(!byMeaning);
    const bool typed = format == StudyFormat::TypedRecall;
    typedAnswer->clear();
    typedAnswer->setVisible(typed);
    answerButton->setVisible(answering == Answering::AtOnce && picksWanted() != 1);
    // A pick that may change, and a pair's toggles, stay on their button until the next card.
    const bool checkable = answering == Answering::Changeable || picksWanted() == 2;
    for (int i = 0; i < mostChoices; ++i) {
        const QSignalBlocker quiet(choiceButtons[i]);
        choiceButtons[i]->setCheckable(checkable);
        choiceButtons[i]->setChecked(checkable && picks.contains(i));
    }
    setOpen(true);
}

void QuestionView::setOpen(bool isOpen)
{
    open = isOpen;
    const int choices = int(card.choices.size());
    for (int i = 0; i < mostChoices; ++i)
        choiceKeys[i]->setEnabled(open && i < choices);
    for (QShortcut *each : std::as_const(submitKeys))
        each->setEnabled(open && answering == Answering::AtOnce && picksWanted() != 1);
    typedAnswer->setReadOnly(!open);
    showChoices();
}

void QuestionView::focusQuestion()
{
    if (card.format == StudyFormat::TypedRecall)
        typedAnswer->setFocus();
    else
        questionLabel->setFocus();
}

// A key on a choice, or a click on one that answers at once.
void QuestionView::pressed(int choice)
{
    if (!open || choice >= card.choices.size())
        return;
    ChoiceButton *button = choiceButtons[choice];
    if (!button->isCheckable())
        return emit answered({choice});
    button->toggle();
}

void QuestionView::choiceToggled(int choice, bool on)
{
    ChoiceButton *button = choiceButtons[choice];
    if (!open || choice >= card.choices.size()) {
        const QSignalBlocker quiet(button);
        button->setChecked(!on);
        return;
    }
    if (on && picksWanted() == 1) {
        for (ChoiceButton *other : choiceButtons) {
            const QSignalBlocker quiet(other);
            other->setChecked(other == button);
        }
    } else if (on && answering == Answering::Changeable && toggled().size() > picksWanted()) {
        const QSignalBlocker quiet(button);
        button->setChecked(false); // a pair is two words: a third waits until one is let go
    }
    showChoices();
    if (answering == Answering::Changeable)
        emit picksChanged(toggled());
}

// The pair toggled, or the word typed.
void QuestionView::submit()
{
    if (!open || answering != Answering::AtOnce)
        return;
    if (card.format == StudyFormat::TypedRecall)
        return emit typed(typedAnswer->text());
    const QList<int> picks = toggled();
    if (picksWanted() == 2 && picks.size() == 2)
        emit answered(picks);
}

QList<int> QuestionView::toggled() const
{
    QList<int> picks;
    for (int i = 0; i < card.choices.size(); ++i)
        if (choiceButtons[i]->isChecked())
            picks << i;
    return picks;
}

// The choices as they stand; picks are marked in words, not by the button's look alone.
void QuestionView::showChoices()
{
    for (int i = 0; i < mostChoices; ++i) {
        ChoiceButton *button = choiceButtons[i];
        button->setVisible(i < card.choices.size());
        markChoice(i, button->isCheckable() && button->isChecked() ? tr("● picked") : QString());
    }
    answerButton->setEnabled(open && (picksWanted() != 2 || toggled().size() == 2));
}

void QuestionView::markChoice(int choice, const QString &mark, const QString &color)
{
    ChoiceButton *button = choiceButtons[choice];
    const QString text = card.format == StudyFormat::Meaning
                             ? dictionary.meaning(card.choices.value(choice, -1))
                             : choiceWord(choice);
    QString caption = QStringLiteral("%1.  %2").arg(choice + 1).arg(text);
    if (!mark.isEmpty())
        caption += QStringLiteral("   ") + mark;
    button->setCaption(caption, !mark.isEmpty());
    button->setAccessibleName(caption);
    button->setStyleSheet(
        color.isEmpty() ? QString()
                        : QStringLiteral("QPushButton { background: %1; border: 1px solid "
                                         "palette(mid); border-radius: 3px; } QLabel { color: "
                                         "black; }")
                              .arg(color));
}

} // namespace widgets
