// SPDX-License-Identifier: GPL-3.0-or-later
// The review quiz as the main window shows it: the card, the answer buttons in their slots,
// the score, auto mode and the online look-ups.

#include "answerbutton.h"
#include "formmain.h"

#include "platform/lookups.h"
#include "platform/services.h"
#include "platform/widgets/twips.h"
#include "widgets/results/formresults.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextEdit>
#include <QTimer>

using namespace core;

namespace widgets {

void FormMain::connectReview()
{
    connect(&review, &ReviewSession::cardChanged, this, &FormMain::showCard);
    // An edit saved in the XML editor: the quiz goes on with the entries as saved.
    connect(&words, &Dictionary::entriesReplaced, &review, &ReviewSession::follow);
    connect(&review, &ReviewSession::scoreChanged, this, &FormMain::showScore);
    connect(&review, &ReviewSession::answered, this,
            [this](const QString &word, const QString &chosenMeaning, bool right) {
                log.append({right, chosenMeaning, word});
            });
    connect(flashButton, &QPushButton::clicked, &review, &ReviewSession::flash);
    connect(nextButton, &QPushButton::clicked, &review, &ReviewSession::next);
    connect(previousButton, &QPushButton::clicked, &review, &ReviewSession::previous);
    connect(netSearchButton, &QPushButton::clicked, this, &FormMain::netSearch);
    for (int i = 0; i < ReviewSession::choiceCount; ++i) {
        connect(answerButtons[i], &QPushButton::clicked, this, [this, i] { review.answer(i); });
        // Keys 1 to 5 answer with the choice in that slot; typing into a text box wins.
        auto *key = new QShortcut(QKeySequence(Qt::Key_1 + i), this);
        key->setObjectName(QStringLiteral("slotkey(%1)").arg(i + 1));
        connect(key, &QShortcut::activated, this, [this, i] { review.answerSlot(i); });
    }
    connect(viewLogButton, &QPushButton::clicked, this, [this] {
        FormResults &window = resultsWindow();
        window.show();
        window.raise();
        window.activateWindow();
    });
    connect(autoButton, &QPushButton::clicked, this, &FormMain::toggleAutoMode);
    connect(autoTimer, &QTimer::timeout, &review, &ReviewSession::next);
    connect(imageSearchButton, &QPushButton::clicked, this, &FormMain::imageSearch);
}

void FormMain::showCard()
{
    wordBox->setText(review.word());
    QFont font = descriptionBox->font();
    font.setBold(review.usage().bold);
    font.setItalic(review.usage().italic);
    descriptionBox->setFont(font);
    descriptionBox->setPlainText(review.usage().text);
    for (int i = 0; i < ReviewSession::choiceCount; ++i) {
        AnswerButton *button = answerButtons[i];
        button->setText(review.choices()[i]);
        // A list with fewer than five meanings leaves a slot blank: nothing to choose there.
        button->setEnabled(i == ReviewSession::rightChoice ||
                           !review.choices()[i].trimmed().isEmpty());
        button->move(button->x(), platform::twips(slotTops[review.slotOf(i)]));
    }
}

void FormMain::showScore()
{
    rightCountLabel->setText(QString::number(review.rightCount()));
    wrongCountLabel->setText(QString::number(review.wrongCount()));
    percentLabel->setText(review.percentText());
}

void FormMain::toggleAutoMode()
{
    if (autoTimer->isActive()) {
        autoTimer->stop();
        autoButton->setText(tr("Auto Mode"));
    } else {
        autoTimer->start();
        autoButton->setText(tr("Stop"));
    }
}

void FormMain::netSearch()
{
    for (const platform::LookupService &service : platform::dictionaryServices()) {
        if (dictionaryChoice->currentText() == service.label) {
            lookup(platform::lookupAddress(service, wordBox->text()));
            return;
        }
    }
}

void FormMain::imageSearch()
{
    lookup(platform::lookupAddress(platform::imageSearch(), wordBox->text()));
}

void FormMain::lookup(const QUrl &address)
{
    if (!platform::browse(*services.launcher, address))
        services.dialogs->message(tr("Internet Explorer not found on your system"),
                                  platform::Icon::critical, platform::Buttons::ok);
}

} // namespace widgets
