// SPDX-License-Identifier: GPL-3.0-or-later
// The review quiz: moving through the words, shuffling and checking the answers, auto mode
// and the online look-ups.

#include "answerbutton.h"
#include "formmain.h"
#include "review.h"

#include "../modglobal.h"
#include "../platform/lookups.h"
#include "../platform/services.h"
#include "../platform/twips.h"
#include "../results/formresults.h"
#include "../store/readxml.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextEdit>
#include <QTimer>

void FormMain::connectreview()
{
    for (int i = 0; i < 4; ++i)
        connect(Command2[i], &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
    for (int i = 0; i < 5; ++i) {
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        // Keys 1 to 5 answer with the choice in that slot; typing into a text box wins.
        auto *key = new QShortcut(QKeySequence(Qt::Key_1 + i), this);
        key->setObjectName(QStringLiteral("slotkey(%1)").arg(i + 1));
        connect(key, &QShortcut::activated, this, [this, i] { answerslot(i + 1); });
    }
    connect(Command3, &QPushButton::clicked, this, &FormMain::Command3_Click);
    connect(Command9, &QPushButton::clicked, this, &FormMain::Command9_Click);
    connect(Timer1, &QTimer::timeout, this, &FormMain::Timer1_Timer);
    connect(Command10, &QPushButton::clicked, this, &FormMain::Command10_Click);
}

void FormMain::Command2_Click(int index)
{
    const int n = modglobal::wordcount;
    switch (index) {
    case 0:
        currentword = qint16(drawposition(platform::services().random->rnd(), n));
        break;
    case 1:
        currentword = qint16(nextposition(currentword, n));
        break;
    case 2:
        currentword = qint16(previousposition(currentword, n));
        break;
    case 3:
        netsearch();
        return;
    default:
        return;
    }
    showword();
}

void FormMain::showword()
{
    if (!inreviewrange(currentword, modglobal::wordcount))
        return;
    readxml &reader = modglobal::xmlreader();
    const QString position = QString::number(currentword);
    Text1->setText(reader.readword(position));
    const styledusage usage = styleusage(reader.readusage(position));
    QFont font = RichTextBox1->font();
    font.setBold(usage.bold);
    font.setItalic(usage.italic);
    RichTextBox1->setFont(font);
    RichTextBox1->setPlainText(usage.text);
    fillchoices(currentword);
    randomize_button_positions();
}

void FormMain::randomize_button_positions()
{
    auto &random = *platform::services().random;
    random.randomize();
    const std::array<int, 5> tops = layouttops(drawlayout(random.rnd()));
    for (int i = 0; i < 5; ++i)
        Command1[i]->move(Command1[i]->x(), platform::twips(tops[i]));
}

void FormMain::Command1_Click(int index)
{
    const bool right = index == 0;
    if (right) {
        correctcount = countup(correctcount);
        Label5->setText(QString::number(correctcount));
    } else {
        incorrectcount = countup(incorrectcount);
        Label6->setText(QString::number(incorrectcount));
    }
    forms::results().appendlog(logline(right, Command1[index]->text(), Text1->text()));
    if (Label6->text().isEmpty())
        Label6->setText(QStringLiteral("0"));
    if (Label5->text().isEmpty())
        Label5->setText(QStringLiteral("0"));
    Label7->setText(percenttext(Label5->text().toInt(), Label6->text().toInt()));
}

void FormMain::answerslot(int slot)
{
    const int top = platform::twips(slottops[slot - 1]);
    for (int i = 0; i < 5; ++i) {
        if (Command1[i]->y() == top) {
            Command1_Click(i);
            return;
        }
    }
}

void FormMain::Command3_Click()
{
    FormResults &results = forms::results();
    results.show();
    results.raise();
    results.activateWindow();
}

void FormMain::Command9_Click()
{
    if (Timer1->isActive()) {
        Timer1->stop();
        Command9->setText(QStringLiteral("Auto Mode"));
    } else {
        Timer1->start();
        Command9->setText(QStringLiteral("Stop"));
    }
}

void FormMain::Timer1_Timer()
{
    Command2_Click(1);
}

void FormMain::netsearch()
{
    for (const platform::lookupservice &service : platform::dictionaryservices()) {
        if (combdict->currentText() == service.label) {
            lookup(platform::lookupaddress(service, Text1->text()));
            return;
        }
    }
}

void FormMain::Command10_Click()
{
    lookup(platform::lookupaddress(platform::imagesearch(), Text1->text()));
}

void FormMain::lookup(const QUrl &address)
{
    if (!platform::browse(address))
        platform::services().dialogs->message(
            QStringLiteral("Internet Explorer not found on your system"), platform::icon::critical,
            platform::buttons::ok);
}
