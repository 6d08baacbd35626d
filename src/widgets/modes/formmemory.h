// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/memorygame.h"

#include <QWidget>
#include <array>

class QLabel;
class QTimer;
namespace core {
class Dictionary;
}
namespace core {
class DisplaySettings;
}
namespace platform {
struct Services;
}

namespace widgets {

class MemoryCard;

// The memory game window: the game's sixteen cards where the game puts them, its attempts and
// seconds, and the buttons New Game, Solve and Cancel.
class FormMemory : public QWidget
{
    Q_OBJECT
public:
    FormMemory(const core::Dictionary &dictionary, const core::DisplaySettings &settings,
               platform::Services &services, QWidget *parent = nullptr);
    ~FormMemory() override;

    // Deals a new board, opening the window first when it is closed. The path is not used.
    void load(const QString &path);

    const core::MemoryGame &memoryGame() const { return game; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createCards();
    void createScore();
    void createButtons();
    void createTimers();
    void open();
    void showGame();
    QString secondsText() const;
    void newGame();
    void solve();

    const core::DisplaySettings &settings;
    platform::Services &services;
    core::MemoryGame game;

    std::array<MemoryCard *, core::MemoryGame::cardCount> cards{};
    QLabel *attemptsLabel = nullptr, *timeLabel = nullptr;
    QTimer *pairTimer = nullptr, *clockTimer = nullptr;
};

} // namespace widgets
