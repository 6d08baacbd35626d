// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/memorygame.h"

#include <QLabel>

namespace widgets {

// A memory game card as the game says it lies: face up in black, face down blank, or, until
// first turned, in the colour the window opened with. The text wraps inside the card, centred,
// and shrinks a little before it is cut short. Only a readable text is told to screen readers
// and tooltips.
class MemoryCard : public QLabel
{
    Q_OBJECT
public:
    explicit MemoryCard(QWidget *parent = nullptr);

    void setCard(const QString &text, core::MemoryGame::Face face);
    // The colour of a card's text before it is first turned.
    void setOpeningColor(qint32 colorCode);
    bool isReadable() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    std::optional<qint32> textColor() const;
    void describe();

    core::MemoryGame::Face face = core::MemoryGame::Face::Down;
    qint32 openingColor = 0;
};

} // namespace widgets
