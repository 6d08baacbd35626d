// SPDX-License-Identifier: GPL-3.0-or-later
// The play of the memory game window: it shows the game and passes New Game and Solve on.

#include "formmemory.h"

#include "memorycard.h"

#include "platform/services.h"
#include "platform/widgets/twips.h"

#include <QLabel>
#include <QTimer>

using namespace core;

namespace widgets {

namespace {

// A timer that is already running keeps its tick where it was.
void follow(QTimer *timer, bool running)
{
    if (!running)
        timer->stop();
    else if (!timer->isActive())
        timer->start();
}

} // namespace

void FormMemory::showGame()
{
    const memoryrules::Places &places = game.places();
    for (int i = 0; i < MemoryGame::cardCount; ++i) {
        MemoryCard *card = cards[size_t(i)];
        card->setCard(game.cardText(i), game.face(i));
        card->move(platform::twips(places[size_t(i)].x()), platform::twips(places[size_t(i)].y()));
        card->setVisible(!game.isFound(i));
    }
    attemptsLabel->setText(game.isOpen() ? QString::number(game.attempts()) : QString());
    timeLabel->setText(secondsText());
    follow(pairTimer, game.pairCheckRunning());
    follow(clockTimer, game.clockRunning());
}

QString FormMemory::secondsText() const
{
    const std::optional<qint16> seconds = game.shownSeconds();
    return seconds ? QString::number(*seconds) : QString();
}

void FormMemory::newGame()
{
    game.resetScore();
    if (services.dialogs->message(tr("Start New Game"), platform::Icon::question,
                                  platform::Buttons::okCancel) == platform::Answer::ok)
        game.newGame();
}

void FormMemory::solve()
{
    game.resetScore();
    game.solve();
    services.dialogs->message(tr("Time Taken :%1 Seconds").arg(secondsText()),
                              platform::Icon::information, platform::Buttons::ok);
    game.timeReported();
}

} // namespace widgets
