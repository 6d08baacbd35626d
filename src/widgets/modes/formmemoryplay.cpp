// SPDX-License-Identifier: GPL-3.0-or-later
// The play of the memory game: turning cards, the pair check, the clock and the buttons.

#include "formmemory.h"

#include "memorycard.h"

#include "platform/services.h"

#include <QLabel>
#include <QTimer>

namespace {

constexpr qint32 cardcolor = 16744576, black = 0;

// Enabling a running timer leaves its tick where it was.
void enable(QTimer *timer)
{
    if (!timer->isActive())
        timer->start();
}

// The labels hold numbers the program wrote itself; anything else counts as 0.
qint16 shownnumber(const QLabel *label)
{
    bool ok = false;
    const int value = label->text().toInt(&ok);
    return ok && value >= 0 && value <= 32767 ? qint16(value) : 0;
}

} // namespace

bool FormMemory::faceup(int index) const
{
    return Label1[size_t(index)]->forecolor() == black;
}

void FormMemory::Label1_Click(int index)
{
    enable(Timer2);
    if (index < 0 || index >= memoryrules::cardcount)
        return;
    if (flippedcount <= 2 && !faceup(index)) {
        Label1[size_t(index)]->setforecolor(black);
        ++flippedcount;
        if (flippedcount == 2)
            enable(Timer1);
    }
    // The third card of a turn only clears the table, itself included.
    if (flippedcount > 2) {
        for (memorycard *card : Label1) {
            if (card->forecolor() == black)
                card->setforecolor(cardcolor);
        }
        flippedcount = 0;
    }
    countattempt();
}

void FormMemory::countattempt()
{
    Label4->setText(QString::number(memoryrules::countup(shownnumber(Label4))));
}

void FormMemory::Timer1_Timer()
{
    if (flippedcount != 2)
        return;
    std::array<bool, memoryrules::cardcount> up{};
    std::array<QString, memoryrules::cardcount> captions;
    for (int i = 0; i < memoryrules::cardcount; ++i) {
        up[size_t(i)] = faceup(i);
        captions[size_t(i)] = Label1[size_t(i)]->caption();
    }
    const memoryrules::faceuppair cards = memoryrules::lowestfaceup(up);
    if (!memoryrules::ispair(cards, captions, dealtwords, dealtmeanings))
        return;
    // Found pairs keep their face-up colour; the next click clears them with the rest.
    Label1[size_t(*cards.first)]->setVisible(false);
    Label1[size_t(*cards.second)]->setVisible(false);
    Timer1->stop();
}

void FormMemory::Timer2_Timer()
{
    Label5->setText(QString::number(memoryrules::countup(secondcount)));
    secondcount = shownnumber(Label5);
}

void FormMemory::Command1_Click(int index)
{
    Label4->setText(QStringLiteral("0"));
    enable(Timer1);
    Timer2->stop();
    secondcount = 0;
    if (index == 0)
        newgame();
    else if (index == 1)
        solve();
}

void FormMemory::newgame()
{
    if (services.dialogs->message(QStringLiteral("Start New Game"),
                                              platform::icon::question,
                                              platform::buttons::okcancel) != platform::answer::ok)
        return;
    for (memorycard *card : Label1) {
        card->setforecolor(cardcolor);
        card->setVisible(true);
    }
    formload(QString());
}

void FormMemory::solve()
{
    for (memorycard *card : Label1) {
        card->setforecolor(black);
        card->setVisible(true);
    }
    Timer2->stop();
    services.dialogs->message(QStringLiteral("Time Taken :") + Label5->text() +
                                              QStringLiteral(" Seconds"),
                                          platform::icon::information, platform::buttons::ok);
    Label5->setText(QStringLiteral("0"));
}

void FormMemory::Command2_Click(int)
{
    close();
}
